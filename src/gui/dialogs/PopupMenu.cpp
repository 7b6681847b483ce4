// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/PopupMenu.h"

#include "base/AppError.h"

#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QVariant>

namespace tervane {

namespace {

// The program's top-level window: the active one, else the first visible one.
QWidget* programWindow()
{
    if (QWidget* active = QApplication::activeWindow())
        return active;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() && !qobject_cast<QMenu*>(window))
            return window;
    return nullptr;
}

// Qt menus have no columns: a new column starts after a separating bar.
void startColumn(QMenu* menu, int attributes)
{
    if (attributes & PopupMenu::NewColumn)
        menu->addSeparator();
}

} // namespace

PopupMenu::PopupMenu()
    : m_menu(std::make_unique<QMenu>())
{}

PopupMenu::~PopupMenu() = default;

void PopupMenu::addItem(int id, const QString& item, int attributes)
{
    QAction* added = nullptr;
    if (item == u"-") {
        added = m_menu->addSeparator();
    } else {
        startColumn(m_menu.get(), attributes);
        added = m_menu->addAction(item);
        if (attributes & Checked) {
            added->setCheckable(true);
            added->setChecked(true);
        }
    }
    applyAttributes(added, id, attributes);
}

void PopupMenu::addItem(int id, PopupMenu& submenu, int attributes)
{
    startColumn(m_menu.get(), attributes);
    submenu.m_menu->setTitle(submenu.Caption);
    applyAttributes(m_menu->addMenu(submenu.m_menu.get()), id, attributes);
}

void PopupMenu::applyAttributes(QAction* added, int id, int attributes)
{
    added->setData(id);
    if (attributes & (Greyed | Disabled))
        if (QAction* item = findItem(id))
            item->setEnabled(false);
}

QAction* PopupMenu::findItem(int id) const
{
    for (QAction* action : m_menu->actions())
        if (identifierOf(action) == id)
            return action;
    return nullptr;
}

int PopupMenu::identifierOf(const QAction* action)
{
    return action ? action->data().toInt() : 0;
}

int PopupMenu::trackPopup(QWidget* owner, int x, int y, QWidget* control, bool alignRight)
{
    if (!owner)
        owner = programWindow();
    if (!owner)
        throw AppError(-1, QStringLiteral("Cannot find top window of current process!"));

    QPoint at;
    if (control) {
        const QRect area(control->mapToGlobal(QPoint(0, 0)), control->size());
        at = QPoint(alignRight ? area.right() + 1 - m_menu->sizeHint().width() : area.left(),
                    area.bottom() + 1);
    } else {
        const QPoint pointer = QCursor::pos();
        at = QPoint(x == -1 ? pointer.x() : x, y == -1 ? pointer.y() : y);
    }
    const QAction* chosen = m_menu->exec(at);
    return chosen && chosen->isEnabled() ? identifierOf(chosen) : 0;
}

} // namespace tervane
