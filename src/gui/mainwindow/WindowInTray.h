// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "services/NotificationArea.h"

#include <QObject>
#include <QTimer>
#include <memory>

class QAction;
class QMainWindow;
class QMenu;

namespace tervane {

// The main window in the notification area: minimised there when the option
// says so and the desktop has one, brought back by a double-click or the
// icon's menu, or by itself when the area goes away.
class WindowInTray : public QObject {
public:
    // area: the desktop's notification area, or none for the platform's own.
    WindowInTray(QMainWindow& window, NotificationArea* area, QMenu& menu, QAction& restore);
    ~WindowInTray() override;

    // After the window's state changed: a window minimised with the option
    // on goes into the area; one shown again leaves it.
    void windowStateChanged(bool minimiseToTray);
    void clicked(TrayClick click);
    bool iconShown() const { return m_iconShown; }
    // Takes the icon away without showing the window, as the program ends.
    void forgetIcon();

private:
    NotificationArea& area();
    void addIcon();
    void removeIcon();
    void checkArea();
    void restore();

    QMainWindow& m_window;
    NotificationArea* m_givenArea;
    std::unique_ptr<NotificationArea> m_platformArea;
    QMenu& m_menu;
    QAction& m_restore;
    bool m_iconShown = false;
    bool m_clickBusy = false;
    QTimer m_watch; // while the window waits in the area
};

} // namespace tervane
