// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/RenameSession.h"

#include <QObject>
#include <QTimer>

#include <vector>

class QTreeView;
class QAbstractItemView;

namespace tervane {

// Keeps the two lists usable as a pair: the selection of a row is echoed to
// the same row of the other list, and the lists scroll together.
class PairedLists : public QObject {
    Q_OBJECT
public:
    PairedLists(ListRows rows, QTreeView* files, QTreeView* names, QObject* parent);

    void fileRowClicked(int row);
    void nameRowClicked(int row);
    void alignTopRows();
    // Scrolls target so that its top row follows sourceTop; returns its new top.
    int alignTopIndex(QTreeView* source, int sourceTop, QTreeView* target, int targetTop);
    void updateMoveAvailability();

    QTimer scrollSyncTimer;
    // Whether the selected names can move up or down a row.
    bool canMoveUp() const { return m_canMoveUp; }
    bool canMoveDown() const { return m_canMoveDown; }

private:
    ListRows m_rows;
    int m_lastFilesTopIndex = 0;
    int m_lastNamesTopIndex = 0;
    bool m_scrollSyncBusy = false;
    bool m_canMoveUp = false;
    bool m_canMoveDown = false;
    QTreeView* m_files;
    QTreeView* m_names;
};

// Index of the row at the top of the visible area (0 for an empty list).
int topIndex(const QTreeView* list);
// Number of rows that fit in the visible area.
int countPerPage(const QTreeView* list);
void setAllItemsSelected(QAbstractItemView* list, bool selected);
int getSelectedCount(const QAbstractItemView* list);
// Gives a control the focus when it can take it; never fails.
void safeSetFocus(QWidget* control);

// Fits the single column of a list to its widest entry in pixels, never
// narrower than the visible width of the list; texts: every row's text.
// Returns whether the column is wider than the list can show.
bool fitListColumn(QTreeView* list, const std::vector<QStringView>& texts);
// Gives both lists a horizontal scroll bar when either is wide (needs one),
// so that they always show the same rows.
void shareHorizontalScrollBar(QTreeView* files, QTreeView* names, bool wide);

} // namespace tervane
