// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/NameDialog.h"

#include "i18n/LanguageFile.h"
#include "i18n/TextKeys.h"
#include "i18n/TranslationCatalogue.h"
#include "layout/CaptionLayout.h"
#include "layout/LayoutWidgets.h"
#include "naming/Numbering.h"
#include "naming/TemplateFields.h"
#include "options/FillWidthList.h"
#include "services/Prompter.h"
#include "text/TextHelpers.h"
#include "translation/TranslateForm.h"
#include "widgets/Controls.h"
#include "widgets/Twips.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace tervane {

namespace {

// Client area as designed (twips).
constexpr int ClientWidth = 5655;
constexpr int ClientHeight = 2535;

// A fixed dialog border: title and close box, no minimise or maximise.
constexpr Qt::WindowFlags DialogFlags = Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint |
                                        Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                        Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& caption, QRect twips)
{
    auto* label = makeCaptioned<QLabel>(parent, name, caption, twips);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

NameDialog::NameDialog(const TranslationCatalogue& catalogue, const LanguageFile& language,
                       Prompter& prompter, QWidget* parent)
    : QDialog(parent, DialogFlags)
    , m_catalogue(catalogue)
    , m_prompter(prompter)
{
    setObjectName(u"frmNom"_s);
    setWindowTitle(u"Réinitialiser"_s);
    createControls();
    connectHandlers();

    translateForm(this, language);
    addFillWidthEntries(fillWidthList,
                        [this](const QString& key) { return m_catalogue.item(key); });
    fitCaptions();
    nameEdited();
    NameDialogCancelled = true;
}

void NameDialog::createControls()
{
    setFixedSize(twipsToPixels(ClientWidth, widgetDpi(this)),
                 twipsToPixels(ClientHeight, widgetDpi(this)));

    promptLabel = makeLabel(this, u"lblInfo"_s, QString(), {120, 120, 5415, 615});
    promptLabel->setWordWrap(true); // the prompt may take two lines
    promptLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    nameLabel = makeLabel(this, u"lblNom"_s, u"Nom"_s, {240, 885, 495, 255});
    nameEdit = makeControl<QLineEdit>(this, u"txtNom"_s);
    placeInTwips(nameEdit, 840, 840, 4695, 285);
    fillWidthLabel = makeLabel(this, u"lblNumérotationRemplissage"_s,
                               u"Remplissage (par des zéros)"_s, {240, 1335, 2175, 255});
    fillWidthList = makeControl<QComboBox>(this, u"cboNumérotationRemplissage"_s);
    fillWidthList->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    placeInTwips(fillWidthList, 2400, 1275, 3135, 315);
    okButton = makeCaptioned<QPushButton>(this, u"btnOK"_s, u"&OK"_s, {1560, 2040, 1215, 375});
    okButton->setDefault(true);
    cancelButton =
        makeCaptioned<QPushButton>(this, u"btnAnnuler"_s, u"A&nnuler"_s, {2880, 2040, 1215, 375});

    // A mnemonic in a translated caption leads to the control beside it.
    nameLabel->setBuddy(nameEdit);
    fillWidthLabel->setBuddy(fillWidthList);
    setTabOrder(nameEdit, fillWidthList);
    setTabOrder(fillWidthList, okButton);
    setTabOrder(okButton, cancelButton);
}

void NameDialog::connectHandlers()
{
    connect(okButton, &QPushButton::clicked, this, &NameDialog::okClicked);
    connect(cancelButton, &QPushButton::clicked, this, &NameDialog::undoClicked);
    connect(nameEdit, &QLineEdit::textChanged, this, &NameDialog::nameEdited);
    // Only the user's choice: a selection made by the program validates through
    // the change rule instead, so that one action never shows two messages.
    connect(fillWidthList, &QComboBox::activated, this, &NameDialog::fillWidthChosen);
    nameEdit->installEventFilter(this);
}

// The text box and the fill list start right after their captions, which a
// translation may have made longer or shorter; the dialog widens rather than
// cut one.
void NameDialog::fitCaptions()
{
    const QList<QWidget*> dialog{this};
    TwipsLayout layout = readLayout(dialog);
    const int width = layoutNameDialogCaptions(layout, measureCaptions(dialog), ClientWidth);
    applyLayout(layout, dialog);
    setFixedSize(twipsToPixels(width, widgetDpi(this)),
                 twipsToPixels(ClientHeight, widgetDpi(this)));
}

void NameDialog::prepare(const NameRequest& request)
{
    setWindowTitle(request.caption);
    promptLabel->setText(request.prompt);
    m_fileCount = request.fileCount;
    m_template = request.withFillWidth;
    fillWidthLabel->setVisible(request.withFillWidth);
    fillWidthList->setVisible(request.withFillWidth);
    if (request.withFillWidth)
        selectComboItemByData(fillWidthList, request.fillWidth);
    {
        // The rule runs once below, on the text and the fill entry together.
        // The text given is kept as it is: a name's source may hold the
        // colons of a duration, which only what comes in may not.
        const QSignalBlocker quiet(nameEdit);
        nameEdit->setText(request.text);
    }
    m_accepted = request.text;
    nameEdited();
}

NameAnswer NameDialog::answer() const
{
    return {nameEdit->text(), m_template ? getComboItemData(fillWidthList) : -1};
}

void NameDialog::okClicked()
{
    NameDialogCancelled = false;
    accept();
}

void NameDialog::undoClicked()
{
    reject();
}

void NameDialog::nameFocused()
{
    nameEdit->selectAll();
}

bool NameDialog::nameKeyPressed(const QKeyEvent* event)
{
    // Tab and Backtab move the focus; they type nothing.
    if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab)
        return true;
    // Control characters come from keys such as Enter, Escape or Backspace,
    // which type nothing; a pasted one is removed by txtNom_Change.
    const QString typed = event->text();
    if (std::none_of(typed.begin(), typed.end(),
                     [](QChar c) { return isForbiddenChar(c) && !isControlChar(c); }))
        return true;
    m_prompter.beep();
    return false;
}

// The text with the forbidden characters removed from what came in since the
// rule last ran: the part between what the two texts share at their ends.
QString NameDialog::cleanedEntry(const QString& text) const
{
    const qsizetype shortest = std::min(text.size(), m_accepted.size());
    qsizetype head = 0;
    while (head < shortest && text[head] == m_accepted[head])
        ++head;
    qsizetype tail = 0;
    while (tail < shortest - head &&
           text[text.size() - 1 - tail] == m_accepted[m_accepted.size() - 1 - tail])
        ++tail;
    return text.first(head) + withoutForbiddenChars(text.sliced(head, text.size() - head - tail)) +
           text.last(tail);
}

void NameDialog::nameEdited()
{
    QString text = nameEdit->text();
    const QString clean = cleanedEntry(text);
    if (clean != text) {
        // Pasted characters: the caret stays about where it was.
        const qsizetype caret = nameEdit->cursorPosition() - 1;
        m_prompter.beep();
        {
            // This run goes on with the clean text; running again would
            // validate, and perhaps show the same message, twice.
            const QSignalBlocker quiet(nameEdit);
            nameEdit->setText(clean);
        }
        nameEdit->setCursorPosition(int(std::clamp<qsizetype>(caret, 0, clean.size())));
        text = clean;
    }
    m_accepted = text;
    // Hidden for a single name, yet enabled all the same: a single name that
    // holds "[NUM]" then finds an enabled list with no entry chosen, and is
    // refused. A template's track number is zero-filled as its number is.
    const bool hasNumber = text.contains(NumberPlaceholder, Qt::CaseInsensitive) ||
                           (m_template && text.contains(TrackField));
    fillWidthLabel->setEnabled(hasNumber);
    fillWidthList->setEnabled(hasNumber);
    updateOkButton();
}

void NameDialog::fillWidthChosen()
{
    updateOkButton();
}

void NameDialog::updateOkButton()
{
    // The fill width is checked even for an empty text, so that choosing an
    // unsuitable width is reported at once.
    const bool fillSuits = validateFillWidth(fillWidthList, m_fileCount, m_prompter,
                                             m_catalogue.item(TextKey::FillWidthTooSmall));
    okButton->setEnabled(!nameEdit->text().isEmpty() && fillSuits);
}

bool NameDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == nameEdit) {
        if (event->type() == QEvent::KeyPress && !nameKeyPressed(static_cast<QKeyEvent*>(event)))
            return true;
        if (event->type() == QEvent::FocusIn)
            nameFocused();
    }
    return QDialog::eventFilter(watched, event);
}

NameDialogAsker::NameDialogAsker(const TranslationCatalogue& catalogue,
                                 const LanguageFile& language, Prompter& prompter, QWidget* owner)
    : m_catalogue(catalogue)
    , m_language(language)
    , m_prompter(prompter)
    , m_owner(owner)
{}

std::optional<NameAnswer> NameDialogAsker::askName(const NameRequest& request)
{
    NameDialog dialog(m_catalogue, m_language, m_prompter, m_owner);
    dialog.prepare(request);
    dialog.exec();
    if (dialog.NameDialogCancelled)
        return std::nullopt;
    return dialog.answer();
}

} // namespace tervane
