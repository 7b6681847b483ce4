// SPDX-License-Identifier: GPL-3.0-or-later
// How the options panel behaves while it is edited: greying, filtering of
// the boxes, the checks on leaving a number box, and the reports of edits.
#include "options/OptionsPanel.h"

#include "i18n/TextKeys.h"
#include "i18n/TranslationCatalogue.h"
#include "naming/NamePipeline.h"
#include "services/Prompter.h"
#include "text/TextHelpers.h"
#include "widgets/ReadableColour.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QRadioButton>
#include <QTimer>

#include <algorithm>
#include <utility>
#include <variant>

using namespace Qt::StringLiterals;

namespace tervane {

namespace {

// A greyed text box takes no input; a greyed label is drawn dimmed.
void setControlGreyed(QWidget* control, bool greyed)
{
    control->setEnabled(!greyed);
}

template <std::size_t N>
void setOptionsEnabled(const std::array<QRadioButton*, N>& options, bool enabled)
{
    for (QRadioButton* option : options)
        option->setEnabled(enabled);
}

bool isDigitOrControl(QChar c)
{
    return isAsciiDigit(c) || c.unicode() < 32;
}

} // namespace

bool OptionsPanel::isNumberBox(const QLineEdit* box) const
{
    return std::ranges::any_of(optionFields(), [this, box](const OptionField& field) {
        const auto* text = std::get_if<TextBoxField>(&field);
        return text && text->input == BoxInput::Digits && this->*text->box == box;
    });
}

void OptionsPanel::setServices(Prompter& prompter, TextLookup text)
{
    m_prompter = &prompter;
    m_text = std::move(text);
}

void OptionsPanel::edited()
{
    emit settingsEdited();
    emit namesStale();
}

void OptionsPanel::connectEdits()
{
    // Option buttons only make the names again: they never mark the settings.
    const auto onSelected = [this](QRadioButton* option, Handler rule) {
        connect(option, &QRadioButton::toggled, this, [this, rule](bool on) {
            if (on)
                (this->*rule)();
        });
    };
    for (const OptionField& field : optionFields()) {
        std::visit(ByKind{[&](const TickBoxField& f) {
                              connect(this->*f.box, &QCheckBox::toggled, this, f.toggled);
                          },
                          [&](const TextBoxField& f) { connectBox(this->*f.box, f.input); },
                          [&](const FillWidthField& f) {
                              connect(this->*f.list, &QComboBox::currentIndexChanged, this,
                                      &OptionsPanel::fillWidthChosen);
                          },
                          [&](const auto& places) {
                              for (QRadioButton* option : this->*places.buttons)
                                  onSelected(option, places.selected);
                          }},
                   field);
    }
    connect(replaceFromEdit, &QLineEdit::textChanged, this, &OptionsPanel::showExpressionValidity);
    connect(replaceRegexBox, &QCheckBox::toggled, this, &OptionsPanel::showExpressionValidity);
    connect(patternsEdit, &QLineEdit::textChanged, this, &OptionsPanel::extensionsEdited);

    // The whole text is selected on entry, but in the suffix box.
    for (QLineEdit* box : findChildren<QLineEdit*>())
        box->installEventFilter(this);
    // A wheel turned over a closed list on the way through the panel chooses
    // nothing: a list takes the wheel only once it has the focus, and never
    // takes the focus from it. (One notch over the language list would
    // otherwise restart the program.)
    for (QComboBox* list : findChildren<QComboBox*>()) {
        list->setFocusPolicy(Qt::StrongFocus);
        list->installEventFilter(this);
    }
}

// Digit boxes keep digits only, name boxes what a file name may hold; what
// else comes in (typed or pasted) goes with a beep, and the edit counts.
void OptionsPanel::connectBox(QLineEdit* box, BoxInput input)
{
    if (input == BoxInput::Anything) {
        connect(box, &QLineEdit::textChanged, this, &OptionsPanel::edited);
        return;
    }
    const bool digits = input == BoxInput::Digits;
    connect(box, &QLineEdit::textChanged, this, [this, box, digits](const QString& text) {
        const QString clean = digits ? keepDigits(text) : withoutForbiddenChars(text);
        if (clean != text)
            sanitise(box, clean);
        edited();
    });
}

void OptionsPanel::sanitise(QLineEdit* box, const QString& clean)
{
    const int caret = box->cursorPosition();
    if (m_prompter)
        m_prompter->beep();
    box->setText(clean); // runs the handler again, which finds nothing more
    box->setCursorPosition(std::min(caret, int(clean.size())));
}

void OptionsPanel::removeTermsToggled()
{
    const bool on = removeTermsBox->isChecked();
    setControlGreyed(termsEdit, !on);
    setControlGreyed(termsHint, !on);
    edited();
}

void OptionsPanel::replaceToggled()
{
    const bool on = replaceBox->isChecked();
    for (QWidget* control : std::initializer_list<QWidget*>{replaceFromEdit, replaceByLabel,
                                                            replaceToEdit, replaceRegexBox})
        setControlGreyed(control, !on);
    edited();
}

// An expression that does not compile is drawn in red, Qt's reason in its
// tool tip; the names go on without the replacement until it does. So is one
// the last run could not decide on a name.
void OptionsPanel::showExpressionValidity()
{
    QString problem;
    if (replaceRegexBox->isChecked()) {
        problem = expressionProblem(replaceFromEdit->text());
        if (problem.isEmpty())
            problem = m_undecided;
    }
    QPalette palette = replaceFromEdit->palette();
    palette.setColor(QPalette::Text,
                     problem.isEmpty() ? this->palette().color(QPalette::Text)
                                       : doubledNameColour(this->palette().color(QPalette::Base)));
    replaceFromEdit->setPalette(palette);
    replaceFromEdit->setToolTip(problem);
}

void OptionsPanel::showUndecidedReplacement(const std::optional<QString>& name)
{
    QString reason =
        name && m_text ? insertValues(m_text(TextKey::UndecidedReplacement), {*name}) : QString();
    if (reason == m_undecided)
        return;
    m_undecided = std::move(reason);
    showExpressionValidity();
}

void OptionsPanel::removeCharactersToggled()
{
    const bool on = removeCharactersBox->isChecked();
    setControlGreyed(removeCharactersLabel, !on);
    setControlGreyed(removeCharactersCountEdit, !on);
    setOptionsEnabled(removeCharactersPlaces, on);
    emit settingsEdited();
    removalPositionRule();
}

void OptionsPanel::numberingToggled()
{
    const bool on = numberingBox->isChecked();
    for (QWidget* control :
         std::initializer_list<QWidget*>{fillWidthLabel, numberingPrefixEdit, numberingSuffixEdit,
                                         numberingPrefixLabel, numberingSuffixLabel})
        setControlGreyed(control, !on);
    setOptionsEnabled(numberingPlaces, on);
    fillWidthList->setEnabled(on);
    edited();
}

void OptionsPanel::addStringToggled()
{
    const bool on = addStringBox->isChecked();
    setControlGreyed(addStringEdit, !on);
    setOptionsEnabled(addStringPlaces, on);
    emit settingsEdited();
    addedPositionRule();
}

// A position box is of use only when its treatment is on and placed at a
// position.
void OptionsPanel::removalPositionRule()
{
    setControlGreyed(removeCharactersPositionEdit,
                     !(removeCharactersPlaces[2]->isChecked() && removeCharactersBox->isChecked()));
    emit namesStale();
}

void OptionsPanel::addedPositionRule()
{
    setControlGreyed(addStringPositionEdit,
                     !(addStringPlaces[2]->isChecked() && addStringBox->isChecked()));
    emit namesStale();
}

bool OptionsPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Wheel) {
        // Ignored, it goes on to the panel behind the list.
        auto* list = qobject_cast<QComboBox*>(watched);
        if (list && !list->hasFocus()) {
            event->ignore();
            return true;
        }
    }
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (!box)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress:
        return keyPressed(box, static_cast<QKeyEvent*>(event));
    case QEvent::FocusIn:
        // After the box's own handling, which selects on a tab only.
        QTimer::singleShot(0, box, [box, all = box != numberingSuffixEdit] {
            if (all)
                box->selectAll();
            else
                box->deselect();
        });
        break;
    case QEvent::FocusOut: {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        // Another control took the focus; the window merely losing it, or a
        // menu opening, is no leaving.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            numberBoxLeft(box);
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

// True when the key is refused. A digit box only beeps (its change handler
// removes the character); the added-string box refuses what a name may not
// hold.
bool OptionsPanel::keyPressed(QLineEdit* box, const QKeyEvent* event)
{
    const QString typed = event->text();
    if (isNumberBox(box) && !std::all_of(typed.begin(), typed.end(), isDigitOrControl)) {
        if (m_prompter)
            m_prompter->beep();
        return false;
    }
    if (box == addStringEdit && std::any_of(typed.begin(), typed.end(), [](QChar c) {
            return isForbiddenChar(c) && !isControlChar(c);
        })) {
        if (m_prompter)
            m_prompter->beep();
        return true;
    }
    return false;
}

// An empty number box is refused on leaving: the message, the box refilled
// (the count with 0, the removal position with 1, the added-string position
// left empty) and the focus given back.
void OptionsPanel::numberBoxLeft(QLineEdit* box)
{
    if (!isNumberBox(box) || !box->text().isEmpty() || m_checkingBox || !m_prompter)
        return;
    m_checkingBox = true;
    m_prompter->message(m_text(TextKey::BadRemovalValue), MessageIcon::Exclamation);
    if (box == removeCharactersCountEdit)
        box->setText(u"0"_s);
    else if (box == removeCharactersPositionEdit)
        box->setText(u"1"_s);
    box->setFocus();
    m_checkingBox = false;
}

} // namespace tervane
