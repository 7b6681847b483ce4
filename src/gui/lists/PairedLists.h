#pragma once

#include "session/RenameWorkspace.h"

#include <QObject>
#include <QTimer>

#include <vector>

class QTreeView;
class QAbstractItemView;

// Keeps the two lists usable as a pair: the selection of a row is echoed to
// the same row of the other list, and the lists scroll together.
class PairedLists : public QObject {
    Q_OBJECT
public:
    PairedLists(RenameWorkspace& workspace, QTreeView* files, QTreeView* names, QObject* parent);

    void lvwFichiers_ItemClick(int row);
    void lvwNoms_ItemClick(int row);
    void tmrTopIndex_Timer();
    // Scrolls target so that its top row follows sourceTop; returns its new top.
    int AlignTopIndex(QTreeView* source, int sourceTop, QTreeView* target, int targetTop);
    void UpdateMoveAvailability();

    QTimer tmrTopIndex;

private:
    RenameWorkspace& m_workspace;
    QTreeView* m_files;
    QTreeView* m_names;
};

// Index of the row at the top of the visible area (0 for an empty list).
int TopIndex(const QTreeView* list);
// Number of rows that fit in the visible area.
int CountPerPage(const QTreeView* list);
void SetAllItemsSelected(QAbstractItemView* list, bool selected);
int GetSelectedCount(const QAbstractItemView* list);
// Gives a control the focus when it can take it; never fails.
void SafeSetFocus(QWidget* control);

// Fits the single column of a list to its widest entry in pixels, never
// narrower than the visible width of the list; texts: every row's text.
// Returns whether the column is wider than the list can show.
bool FitListColumn(QTreeView* list, const std::vector<QStringView>& texts);
// Gives both lists a horizontal scroll bar when either is wide (needs one),
// so that they always show the same rows.
void ShareHorizontalScrollBar(QTreeView* files, QTreeView* names, bool wide);
