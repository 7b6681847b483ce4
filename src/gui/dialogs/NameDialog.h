// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "services/Dialogs.h"

#include <QDialog>

class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tervane {

class TranslationCatalogue;
class LanguageFile;
class Prompter;

// The name dialog: one line of text, either a single new name or a template
// with "[NUM]" and its zero-fill width. Characters a file name may not hold
// never reach the text, and OK is enabled only for an acceptable entry.
// Build a fresh one for every question, so the fill list starts unselected.
class NameDialog : public QDialog {
    Q_OBJECT
public:
    // Loads the dialog: translated, fill list filled, captions measured.
    NameDialog(const TranslationCatalogue& catalogue, const LanguageFile& language,
               Prompter& prompter, QWidget* parent = nullptr);

    // What the caller sets before showing it.
    void prepare(const NameRequest& request);
    // The entry; the fill width only for a template (-1 otherwise or when none is chosen).
    NameAnswer answer() const;

    void okClicked();
    void undoClicked();
    void nameFocused();
    // False when the key is refused.
    bool nameKeyPressed(const QKeyEvent* event);
    void nameEdited();
    QString cleanedEntry(const QString& text) const;
    void fillWidthChosen();

    // True until the user confirms with OK.
    bool NameDialogCancelled = true;

    QLabel* promptLabel = nullptr;
    QLabel* nameLabel = nullptr;
    QLineEdit* nameEdit = nullptr;
    QLabel* fillWidthLabel = nullptr;
    QComboBox* fillWidthList = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void connectHandlers();
    void fitCaptions();
    void updateOkButton();

    const TranslationCatalogue& m_catalogue;
    Prompter& m_prompter;
    qint64 m_fileCount = 0;
    bool m_template = false;
    QString m_accepted; // the text as the rule last left it
};

// The real dialog behind the NameAsker seam: a fresh frmNom per question,
// shown modally without an owner.
class NameDialogAsker : public NameAsker {
public:
    // The dialog opens over owner, as a dialog of it.
    NameDialogAsker(const TranslationCatalogue& catalogue, const LanguageFile& language,
                    Prompter& prompter, QWidget* owner);
    std::optional<NameAnswer> askName(const NameRequest& request) override;

private:
    const TranslationCatalogue& m_catalogue;
    const LanguageFile& m_language;
    Prompter& m_prompter;
    QWidget* m_owner;
};

} // namespace tervane
