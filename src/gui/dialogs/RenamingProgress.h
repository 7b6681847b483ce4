// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QProgressDialog>
#include <QString>

namespace tervane {

// A progress dialog that stays until its owner ends it: Escape and the
// close button would leave the program open to input, a second renaming
// among them, while the first still runs.
class UnclosableProgressDialog : public QProgressDialog {
public:
    using QProgressDialog::QProgressDialog;
    void reject() override {}

protected:
    void closeEvent(QCloseEvent* event) override;
};

// How far a long renaming or undo has gone. Both run on the window's thread,
// which takes no input meanwhile; told of each rename, this shows a dialog
// once they last ShowAfterMs, and keeps it painted.
class RenamingProgress {
public:
    static constexpr int ShowAfterMs = 300;

    RenamingProgress(QWidget* owner, const QString& caption, qsizetype renames);
    void renamed();

private:
    UnclosableProgressDialog m_dialog;
    QElapsedTimer m_clock;
    qint64 m_shownAt = -1;
    int m_done = 0;
};

} // namespace tervane
