#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// One name row's origin: the text it is made from and the name the treatments
// made of it, without extension.
struct NameRecord {
    QString SourceText;
    QString GeneratedName;
};

// A row of the names list: the new name, extension included; whether the
// problem count marked it (shown in red); the source record it shows (the
// row's tag); and whether the treatments left that record's name empty (an
// empty name, even with the file's extension after it).
struct NameRow {
    QString text;
    bool duplicate = false;
    std::size_t record = 0;
    bool nameless = false;
};

// One step of a renaming, kept so that it can be undone: the file's bare
// name before and after it.
struct clsAnnulation {
    QString Ancien;
    QString Nouveau;
};

// The state behind the two paired lists: name row i is the new name of file
// row i, and nothing else links them.
struct RenameWorkspace {
    QString ListedFolder;
    QStringList FileRows;
    std::vector<NameRow> NameRows;
    std::vector<NameRecord> SourceRecords;
    QStringList PendingLines;
    std::vector<clsAnnulation> UndoSet;
    int LastFilesTopIndex = 0;
    int LastNamesTopIndex = 0;
    bool ScrollSyncBusy = false;
    int PressedRow = -1;
    int DragRow = -1;
    bool CanMoveUp = false;
    bool CanMoveDown = false;
};

// Counts the naming problems of the names list: every empty name (a row
// whose generated name is empty counts so, extension or not), and every pair
// of names equal without regard to case (so three equal names count 3).
// Rows with a problem are marked; no mark is ever cleared here.
int CountNameProblems(std::vector<NameRow>& rows);

// What the counters and the three action buttons show after a refresh.
struct ListCounterState {
    bool countsAgree = false;
    bool renameEnabled = false;
    bool clearEnabled = false;
    bool undoEnabled = false;
};

// Marks duplicates as a side effect, like the problem count it runs.
ListCounterState ComputeListCounterState(RenameWorkspace& workspace);
