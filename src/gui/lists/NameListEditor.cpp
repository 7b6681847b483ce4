// SPDX-License-Identifier: GPL-3.0-or-later
#include "lists/NameListEditor.h"

#include "dialogs/PopupMenu.h"
#include "i18n/TextKeys.h"
#include "i18n/TranslationCatalogue.h"
#include "lists/PairedLists.h"
#include "lists/PasteMenu.h"
#include "services/Dialogs.h"
#include "session/RenameSession.h"
#include "text/TextHelpers.h"
#include "widgets/Controls.h"
#include "widgets/Twips.h"

#include <QGuiApplication>
#include <QItemSelection>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTreeView>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace tervane {

namespace {

enum NamesMenuItem { AddName = 1, InsertName = 2, ModifyName = 3, DeleteNames = 4 };

// The pointer scrolls the list when this close to its top or bottom edge.
constexpr int ScrollZoneTwips = 400;

// A menu caption as a dialog caption: no "..." and no access key.
QString dialogCaption(QString caption)
{
    return caption.remove(u"..."_s).remove(u'&');
}

} // namespace

NameListEditor::NameListEditor(RenameSession& session, PairedLists& lists, QTreeView* names,
                               NameListHost& host, QObject* parent)
    : QObject(parent)
    , m_session(session)
    , m_lists(lists)
    , m_names(names)
    , m_viewport(names->viewport())
    , m_host(host)
{
    dragDelayTimer.setObjectName(u"tmrRetardateur"_s);
    dragDelayTimer.setInterval(200);
    dragDelayTimer.setSingleShot(true);
    connect(&dragDelayTimer, &QTimer::timeout, this, &NameListEditor::dragArmed);
    pointerWatchTimer.setObjectName(u"tmrCurseur"_s);
    pointerWatchTimer.setInterval(200);
    connect(&pointerWatchTimer, &QTimer::timeout, this, &NameListEditor::watchPointer);

    names->installEventFilter(this);
    m_viewport->installEventFilter(this);
    connect(names->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { m_lists.updateMoveAvailability(); });
}

QString NameListEditor::text(const QString& key) const
{
    return m_host.catalogue().item(key);
}

// ---------------------------------------------------------------- commands

void NameListEditor::showNamesMenu(std::optional<QPoint> at)
{
    if (m_host.fileListIsEmpty())
        return;
    const int selected = getSelectedCount(m_names);
    PopupMenu menu;
    menu.addItem(AddName, text(TextKey::AddName) + u"\tCtrl+Inser"_s);
    if (selected == 1) {
        menu.addItem(InsertName, text(TextKey::InsertName) + u"\tInser"_s);
        menu.addItem(ModifyName, text(TextKey::ModifyName) + u"\tF2"_s);
    }
    if (selected > 0)
        menu.addItem(DeleteNames, text(TextKey::DeleteNames) + u"\tDel"_s);
    menu.addItem(0, u"-"_s);
    addPasteItems(menu, m_host.catalogue());

    const int chosen =
        menu.trackPopup(m_names->window(), at ? at->x() : -1, at ? at->y() : -1, nullptr, false);
    switch (chosen) {
    case AddName:
        addOrInsertName(-1);
        break;
    case InsertName:
        addOrInsertName(currentRow());
        break;
    case ModifyName:
        modifySelectedName();
        break;
    case DeleteNames:
        deleteSelectedNames();
        break;
    default:
        if (const auto source = pasteSourceOf(chosen))
            m_host.runNamePipeline(*source);
    }
}

void NameListEditor::addOrInsertName(int row)
{
    const ListRows rows = m_session.rows();
    const bool append = row < 0;
    const auto number = append ? rows.names.size() + 1 : std::size_t(row) + 1;
    const auto answer = m_host.nameAsker().askName(
        {dialogCaption(text(append ? TextKey::AddName : TextKey::InsertName)),
         insertValues(text(TextKey::EnterName), {QString::number(number)}), QString(), false, -1,
         rows.files.size()});
    if (!answer)
        return;
    const std::size_t record =
        m_session.insertName(append ? rows.names.size() : std::size_t(row), answer->text);
    // The new name has no row when the treatments emptied it: then nothing
    // is selected.
    const auto shown = m_session.rowOfRecord(record);
    selectOnly(shown ? int(*shown) : -1);
    m_lists.updateMoveAvailability();
}

void NameListEditor::modifySelectedName()
{
    if (getSelectedCount(m_names) == 1)
        modifyName(currentRow());
}

void NameListEditor::modifyCurrentName()
{
    const std::vector<bool> rows = selectedOrFocusedRows();
    if (std::count(rows.begin(), rows.end(), true) == 1)
        modifyName(int(std::find(rows.begin(), rows.end(), true) - rows.begin()));
}

void NameListEditor::modifyName(int row)
{
    const QString& source = m_session.sourceTextOfRow(std::size_t(row));
    // The source text is shown as it is: its colons may be a duration's,
    // which the treatments still have to recognise.
    const auto answer = m_host.nameAsker().askName(
        {dialogCaption(text(TextKey::ModifyName)),
         insertValues(text(TextKey::EnterName), {QString::number(row + 1)}), source, false, -1,
         m_session.rows().files.size()});
    if (answer)
        m_session.modifyName(std::size_t(row), answer->text);
}

void NameListEditor::deleteSelectedNames()
{
    deleteNames(selectedRows());
}

void NameListEditor::deleteCurrentNames()
{
    deleteNames(selectedOrFocusedRows());
}

void NameListEditor::deleteNames(const std::vector<bool>& selected)
{
    const auto first = std::find(selected.begin(), selected.end(), true);
    if (first == selected.end())
        return;
    const auto firstRow = int(first - selected.begin());
    m_names->setUpdatesEnabled(false);
    m_session.removeNames(selected);
    const auto rows = int(m_session.rows().names.size());
    selectOnly(rows == 0 ? -1 : std::min(firstRow, rows - 1));
    m_names->setUpdatesEnabled(true);
    m_lists.updateMoveAvailability();
}

void NameListEditor::moveSelectedNamesUp()
{
    moveSelectedNames(true);
}

void NameListEditor::moveSelectedNamesDown()
{
    moveSelectedNames(false);
}

// Returns the row the focus mark moved to.
int NameListEditor::moveSelectedNames(bool up)
{
    m_names->setUpdatesEnabled(false);
    const int target = currentRow() + (up ? -1 : 1);
    std::vector<bool> selected = selectedRows();
    m_session.moveNames(selected, up);
    selectRows(selected);
    if (target >= 0 && target < m_names->model()->rowCount())
        m_names->selectionModel()->setCurrentIndex(m_names->model()->index(target, 0),
                                                   QItemSelectionModel::NoUpdate);
    m_names->setUpdatesEnabled(true);
    safeSetFocus(m_names);
    m_lists.updateMoveAvailability();
    return target;
}

// The menu a right click on the focused row opens, under that row.
void NameListEditor::showNamesMenuAtCurrentRow()
{
    const QModelIndex current = m_names->currentIndex();
    if (!current.isValid()) {
        showNamesMenu(m_viewport->mapToGlobal(QPoint(0, 0)));
        return;
    }
    m_names->scrollTo(current);
    rightClicked(current.row(), m_viewport->mapToGlobal(m_names->visualRect(current).bottomLeft()));
}

// ---------------------------------------------------------------- rows and selection

int NameListEditor::rowAt(const QMouseEvent* event) const
{
    const QModelIndex index = m_names->indexAt(event->position().toPoint());
    return index.isValid() ? index.row() : -1;
}

// The row with the focus mark when it is selected, else the first selected
// one; -1 when none is.
int NameListEditor::currentRow() const
{
    const QModelIndex current = m_names->currentIndex();
    if (current.isValid() && m_names->selectionModel()->isRowSelected(current.row(), {}))
        return current.row();
    const QModelIndexList selected = m_names->selectionModel()->selectedRows();
    return selected.isEmpty() ? -1 : selected.first().row();
}

// The selected rows, or the focused row alone when none is selected.
std::vector<bool> NameListEditor::selectedOrFocusedRows() const
{
    std::vector<bool> rows = selectedRows();
    const int focused = m_names->currentIndex().row();
    if (std::find(rows.begin(), rows.end(), true) == rows.end() && focused >= 0 &&
        std::size_t(focused) < rows.size())
        rows[std::size_t(focused)] = true;
    return rows;
}

std::vector<bool> NameListEditor::selectedRows() const
{
    std::vector<bool> selected(std::size_t(m_names->model()->rowCount()), false);
    for (const QItemSelectionRange& range : m_names->selectionModel()->selection())
        for (int row = range.top(); row <= range.bottom(); ++row)
            if (std::size_t(row) < selected.size())
                selected[std::size_t(row)] = true;
    return selected;
}

// Selects exactly the flagged rows, as ranges of adjacent rows.
void NameListEditor::selectRows(const std::vector<bool>& selected)
{
    QItemSelection selection;
    const auto* model = m_names->model();
    const auto rows = int(std::min<std::size_t>(selected.size(), std::size_t(model->rowCount())));
    for (int row = 0; row < rows;) {
        if (!selected[std::size_t(row)]) {
            ++row;
            continue;
        }
        const int top = row;
        while (row < rows && selected[std::size_t(row)])
            ++row;
        selection.select(model->index(top, 0), model->index(row - 1, 0));
    }
    m_names->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

// Makes row the current, selected row alone; -1 leaves nothing selected.
void NameListEditor::selectOnly(int row)
{
    QItemSelectionModel* selection = m_names->selectionModel();
    if (row < 0 || row >= m_names->model()->rowCount()) {
        selection->clear();
        return;
    }
    selection->setCurrentIndex(m_names->model()->index(row, 0),
                               QItemSelectionModel::ClearAndSelect);
    m_names->scrollTo(m_names->model()->index(row, 0));
}

// ---------------------------------------------------------------- mouse and keys

bool NameListEditor::eventFilter(QObject* watched, QEvent* event)
{
    // Keys act at their press: a modifier let go first still counts.
    if (watched == m_names && event->type() == QEvent::KeyPress)
        return keyPressed(static_cast<QKeyEvent*>(event));
    // Compared by address: the list may be half destroyed when its viewport
    // reports its last events.
    if (watched != m_viewport)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        return mousePressed(static_cast<QMouseEvent*>(event));
    case QEvent::MouseMove:
        return mouseMoved(static_cast<QMouseEvent*>(event));
    case QEvent::MouseButtonRelease:
        return mouseReleased(static_cast<QMouseEvent*>(event));
    case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton)
            return false;
        modifySelectedName();
        return true;
    default:
        return false;
    }
}

bool NameListEditor::mousePressed(const QMouseEvent* event)
{
    const int row = rowAt(event);
    if (event->button() == Qt::RightButton)
        return true; // the right button acts at its release
    if (event->button() != Qt::LeftButton)
        return false;
    m_armed = false;
    m_deferredRow = -1;
    m_pressedRow = row;
    if (row < 0) {
        m_names->selectionModel()->clear();
        m_lists.updateMoveAvailability();
        return true;
    }
    dragDelayTimer.start();
    // A press on a selected row keeps the selection, so that several rows
    // can be dragged together; a click without a drag selects the row alone.
    if (m_names->selectionModel()->isRowSelected(row, {}) && event->modifiers() == Qt::NoModifier) {
        m_deferredRow = row;
        m_names->selectionModel()->setCurrentIndex(m_names->model()->index(row, 0),
                                                   QItemSelectionModel::NoUpdate);
        return true;
    }
    return false;
}

bool NameListEditor::mouseMoved(const QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton) || m_pressedRow < 0)
        return false;
    // The list's own handling would extend the selection.
    if (m_dragRow < 0 || event->buttons() != Qt::LeftButton)
        return true;
    const int zone = twipsToPixels(ScrollZoneTwips, widgetDpi(m_names));
    const int y = int(event->position().y());
    QScrollBar* bar = m_names->verticalScrollBar();
    if (y > m_names->viewport()->height() - zone)
        bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    else if (y < zone)
        bar->triggerAction(QAbstractSlider::SliderSingleStepSub);

    const int row = rowAt(event);
    if (row < 0 || row == m_dragRow)
        return true;
    if (m_dragRow < row && m_lists.canMoveDown())
        m_dragRow = moveSelectedNames(false);
    else if (row < m_dragRow && m_lists.canMoveUp())
        m_dragRow = moveSelectedNames(true);
    return true;
}

bool NameListEditor::mouseReleased(const QMouseEvent* event)
{
    dragDelayTimer.stop();
    m_dragRow = -1;
    m_names->viewport()->unsetCursor();
    const int deferred = std::exchange(m_deferredRow, -1);
    const bool pressedOnRow = std::exchange(m_pressedRow, -1) >= 0;
    if (event->button() == Qt::RightButton) {
        rightClicked(rowAt(event));
        return true;
    }
    if (event->button() != Qt::LeftButton)
        return false;
    if (deferred >= 0) {
        if (!m_armed) {
            selectOnly(deferred);
            m_lists.nameRowClicked(deferred);
        }
        return true;
    }
    // The list saw the press on a row: it sees the release too.
    return !pressedOnRow;
}

void NameListEditor::rightClicked(int row, std::optional<QPoint> at)
{
    QItemSelectionModel* selection = m_names->selectionModel();
    if (row < 0) {
        selection->clear();
        m_lists.updateMoveAvailability();
    } else {
        selection->setCurrentIndex(m_names->model()->index(row, 0), QItemSelectionModel::Select);
    }
    showNamesMenu(at);
}

void NameListEditor::dragArmed()
{
    m_dragRow = m_pressedRow;
    m_armed = true;
    m_names->viewport()->setCursor(Qt::SizeVerCursor);
    pointerWatchTimer.start();
}

void NameListEditor::watchPointer()
{
    if (QGuiApplication::mouseButtons() & Qt::LeftButton)
        return;
    pointerWatchTimer.stop();
    m_names->viewport()->unsetCursor();
}

bool NameListEditor::keyPressed(const QKeyEvent* event)
{
    const int key = event->key();
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    // A held key repeats a move only: the other commands delete, paste or
    // open a dialog, once per press.
    const bool move = modifiers == Qt::AltModifier && (key == Qt::Key_Up || key == Qt::Key_Down);
    if (event->isAutoRepeat() && !move)
        return false;
    if (modifiers == Qt::ControlModifier && ctrlLetterPressed(key))
        return true;
    return commandKeyPressed(key, modifiers);
}

// Runs the key's command; false leaves the key to the list itself.
bool NameListEditor::commandKeyPressed(int key, Qt::KeyboardModifiers modifiers)
{
    const bool plain = modifiers == Qt::NoModifier;
    switch (key) {
    case Qt::Key_Delete:
        deleteCurrentNames();
        return true;
    case Qt::Key_Insert: {
        const int row = currentRow();
        addOrInsertName(modifiers == Qt::ControlModifier || row < 0 ? -1 : row);
        return true;
    }
    case Qt::Key_F2:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (plain)
            modifyCurrentName();
        return plain;
    case Qt::Key_Menu:
    case Qt::Key_F10: {
        const bool menuKey = key == Qt::Key_Menu ? plain : modifiers == Qt::ShiftModifier;
        if (menuKey)
            showNamesMenuAtCurrentRow();
        return menuKey;
    }
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (modifiers != Qt::AltModifier)
            return false;
        moveKeyPressed(key == Qt::Key_Up);
        return true;
    default:
        return false;
    }
}

bool NameListEditor::ctrlLetterPressed(int key)
{
    switch (key) {
    case Qt::Key_A:
        setAllItemsSelected(m_names, true);
        return true;
    case Qt::Key_V:
        m_host.runNamePipeline(NameSource::Clipboard);
        return true;
    case Qt::Key_W:
        m_host.runNamePipeline(NameSource::TextFile);
        return true;
    case Qt::Key_Y:
        m_host.runNamePipeline(NameSource::FileNames);
        return true;
    default:
        return false;
    }
}

// Alt+Up and Alt+Down move the selected names as a drag does, row by row.
void NameListEditor::moveKeyPressed(bool up)
{
    if (up ? m_lists.canMoveUp() : m_lists.canMoveDown())
        moveSelectedNames(up);
}

} // namespace tervane
