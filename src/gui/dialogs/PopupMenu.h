// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <memory>

class QAction;
class QMenu;
class QWidget;

namespace tervane {

// A popup menu built item by item, shown once where the caller asks, that
// answers with the identifier of the chosen item so that the caller runs the
// command itself. Building and showing are separate, so the built menu can be
// read without being shown.
class PopupMenu {
public:
    enum Attribute { Greyed = 1, Disabled = 2, Checked = 8, NewColumn = 16 };

    PopupMenu();
    ~PopupMenu();
    PopupMenu(const PopupMenu&) = delete;
    PopupMenu& operator=(const PopupMenu&) = delete;

    // The text under which this menu is listed as a submenu of another one.
    QString Caption;

    // Appends a separator ("-") or a text item ("caption\tshortcut", "&" marks
    // the access key). Attributes greyed and disabled then apply to the first
    // item carrying the identifier id.
    void addItem(int id, const QString& item, int attributes = 0);
    // Appends a submenu, listed under its Caption. It must outlive this menu.
    void addItem(int id, PopupMenu& submenu, int attributes = 0);

    // Shows the menu and waits: at (x, y) on the screen, -1 standing for the
    // mouse pointer's coordinate; or, when control is given, under it, its
    // right edge on the control's right edge when alignRight. Returns the
    // chosen item's identifier, 0 when the menu was dismissed. Without an
    // owner, the program's own window owns it; with none at all, throws
    // AppError.
    int trackPopup(QWidget* owner, int x, int y, QWidget* control, bool alignRight);

    QMenu* menu() const { return m_menu.get(); }
    static int identifierOf(const QAction* action);

private:
    QAction* findItem(int id) const;
    void applyAttributes(QAction* added, int id, int attributes);

    std::unique_ptr<QMenu> m_menu;
};

} // namespace tervane
