// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "services/Clipboard.h"
#include "services/Dialogs.h"
#include "services/NotificationArea.h"
#include "services/Prompter.h"

#include <QSystemTrayIcon>
#include <memory>

class QWidget;

namespace tervane {

// Message boxes over QMessageBox, parented to the active window.
class QtPrompter : public Prompter {
public:
    explicit QtPrompter(QString title)
        : m_title(std::move(title))
    {}
    bool show(const QString& text, MessageIcon icon, MessageButtons buttons) override;
    void beep() override;
    void setBusy(bool busy) override;

private:
    QString m_title;
    int m_busyDepth = 0;
};

class QtClipboard : public Clipboard {
public:
    QString text() const override;
};

class QtDialogs : public Dialogs {
public:
    std::optional<QString> openFileName(const QString& title, const QString& filters,
                                        const QString& startFolder,
                                        const QString& defaultSuffix) override;
    std::optional<QString> existingFolder(const QString& title,
                                          const QString& startFolder) override;
};

// The notification area through QSystemTrayIcon, with the program's icon.
class QtNotificationArea : public NotificationArea {
public:
    bool available() const override;
    void addIcon(const QString& tip, std::function<void(TrayClick)> onClick) override;
    void removeIcon() override;

protected:
    // The icon shown, if any.
    QSystemTrayIcon* icon() const { return m_icon.get(); }

private:
    void clicked(const std::function<void(TrayClick)>& onClick, TrayClick click);

    std::unique_ptr<QSystemTrayIcon> m_icon;
    int m_clicksRunning = 0;    // clicks on the icon being handled, one inside another
    bool m_removeAfter = false; // the icon was removed while they ran
};

} // namespace tervane
