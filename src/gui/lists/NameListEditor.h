// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "naming/NamePipeline.h"

#include <QObject>
#include <QPoint>
#include <QTimer>

#include <optional>
#include <vector>

class QMouseEvent;
class QKeyEvent;
class QTreeView;

namespace tervane {

class NameAsker;
class PairedLists;
class RenameSession;
class TranslationCatalogue;

// What the names list's commands need from the window around it.
class NameListHost {
public:
    virtual ~NameListHost() = default;
    virtual void runNamePipeline(NameSource source) = 0;
    // Shows the message and moves the focus when the file list is empty.
    virtual bool fileListIsEmpty() = 0;
    virtual NameAsker& nameAsker() = 0;
    virtual const TranslationCatalogue& catalogue() const = 0;
};

// Editing the names list row by row: its context menu, its keys, the
// double-click, and dragging selected names into order. Every command
// changes the records behind the rows, then the name pipeline rebuilds the
// names, so that numbering and extensions follow the rows.
class NameListEditor : public QObject {
    Q_OBJECT
public:
    NameListEditor(RenameSession& session, PairedLists& lists, QTreeView* names, NameListHost& host,
                   QObject* parent);

    // at: where the menu opens, on the screen; by default at the pointer.
    void showNamesMenu(std::optional<QPoint> at = std::nullopt);
    // row: where the new name goes; -1 after the last one.
    void addOrInsertName(int row);
    void modifySelectedName();
    void deleteSelectedNames();
    // The keys' commands: they act on the focused row when none is selected.
    void modifyCurrentName();
    void deleteCurrentNames();
    void showNamesMenuAtCurrentRow();
    void moveSelectedNamesUp();
    void moveSelectedNamesDown();

    // The delay before a press on a row arms a drag, and the watch that
    // gives the pointer back once the button is up.
    QTimer dragDelayTimer;
    QTimer pointerWatchTimer;
    int pressedRow() const { return m_pressedRow; }
    int dragRow() const { return m_dragRow; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool mousePressed(const QMouseEvent* event);
    bool mouseMoved(const QMouseEvent* event);
    bool mouseReleased(const QMouseEvent* event);
    bool keyPressed(const QKeyEvent* event);
    bool commandKeyPressed(int key, Qt::KeyboardModifiers modifiers);
    bool ctrlLetterPressed(int key);
    void moveKeyPressed(bool up);
    void rightClicked(int row, std::optional<QPoint> at = std::nullopt);
    void dragArmed();
    void watchPointer();
    void endDrag();
    int moveSelectedNames(bool up);
    void modifyName(int row);
    void deleteNames(const std::vector<bool>& selected);

    int rowAt(const QMouseEvent* event) const;
    int currentRow() const;
    std::vector<bool> selectedRows() const;
    std::vector<bool> selectedOrFocusedRows() const;
    void selectRows(const std::vector<bool>& selected);
    void selectOnly(int row);
    QString text(const QString& key) const;

    RenameSession& m_session;
    PairedLists& m_lists;
    QTreeView* m_names;
    QWidget* m_viewport;
    NameListHost& m_host;
    int m_pressedRow = -1;
    int m_dragRow = -1;
    int m_deferredRow = -1; // a press on a selected row selects it alone at release
    bool m_armed = false;   // the press armed a drag
};

} // namespace tervane
