// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QStringList>

class QListWidget;
class QPushButton;

namespace tervane {

class TranslationCatalogue;

// The renamings of the listed folder, latest first, one line each; the
// user picks the oldest one to undo, and every later one is undone too.
// Rows from a damaged entry on cannot be picked: no undo goes past it.
class RenamingHistory : public QDialog {
public:
    RenamingHistory(const QStringList& rows, qsizetype undoableRows,
                    const TranslationCatalogue& catalogue, QWidget* parent = nullptr);
    // How many renamings to undo, latest first: the chosen row's number.
    qsizetype chosenRenamings() const;

    QListWidget* entryList = nullptr;
    QPushButton* undoButton = nullptr;
    QPushButton* closeButton = nullptr;
};

} // namespace tervane
