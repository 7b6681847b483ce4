// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "naming/TreatmentOptions.h"

#include <QWidget>
#include <array>
#include <functional>
#include <optional>
#include <span>
#include <variant>

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace tervane {

class Prompter;

// The options panel under the lists: the extension filter, the treatments
// frame and the interface language row. It holds the treatment settings in its
// controls, greys what an unticked option leaves without use, filters what
// the boxes may hold, and reports edits: settingsEdited() when they are to be
// saved, namesStale() when the names are to be made again.
class OptionsPanel : public QWidget {
    Q_OBJECT
public:
    explicit OptionsPanel(QWidget* parent);

    // The beep and the messages of the boxes; texts by catalogue key.
    using TextLookup = std::function<QString(const QString&)>;
    void setServices(Prompter& prompter, TextLookup text);

    // Names the fields and options for screen readers, from the translated
    // captions and the texts of the catalogue.
    void nameControlsForReaders(const TextLookup& text);

    // Puts stored settings into the controls through their own change handlers.
    void setTreatmentOptions(const TreatmentOptions& options);
    TreatmentOptions currentTreatmentOptions() const;

    QString extensions() const;
    void setExtensions(const QString& patterns);

    // The click handlers of the five check boxes that own dependent fields:
    // they grey or restore those fields, and report the edit.
    void removeTermsToggled();
    void replaceToggled();
    void removeCharactersToggled();
    void numberingToggled();
    void addStringToggled();

    // The name the last run's find and replace could not be decided on, if
    // any: the expression is then shown as one that does not compile.
    void showUndecidedReplacement(const std::optional<QString>& name);

    std::array<QFrame*, 2> separators{};
    QLabel* patternsLabel = nullptr;
    QLineEdit* patternsEdit = nullptr;
    QLabel* patternsHint = nullptr;

    QGroupBox* treatmentsFrame = nullptr;
    QCheckBox* removeLeadingDigitsBox = nullptr;
    QCheckBox* removeLeadingJunkBox = nullptr;
    QCheckBox* removeDurationsBox = nullptr;
    QCheckBox* removeTermsBox = nullptr;
    QLineEdit* termsEdit = nullptr;
    QLabel* termsHint = nullptr;
    QCheckBox* replaceBox = nullptr;
    QLineEdit* replaceFromEdit = nullptr;
    QLabel* replaceByLabel = nullptr;
    QLineEdit* replaceToEdit = nullptr;
    QCheckBox* replaceRegexBox = nullptr;
    QCheckBox* removeCapitalsBox = nullptr;
    QCheckBox* removeEmptyLinesBox = nullptr;
    QCheckBox* removeCharactersBox = nullptr;
    QLineEdit* removeCharactersCountEdit = nullptr;
    QLabel* removeCharactersLabel = nullptr;
    QWidget* removeCharactersPlaceBox = nullptr;
    std::array<QRadioButton*, 3> removeCharactersPlaces{};
    QLineEdit* removeCharactersPositionEdit = nullptr;
    QCheckBox* numberingBox = nullptr;
    QWidget* numberingPlaceBox = nullptr;
    std::array<QRadioButton*, 2> numberingPlaces{};
    QLabel* fillWidthLabel = nullptr;
    QComboBox* fillWidthList = nullptr;
    QLabel* numberingPrefixLabel = nullptr;
    QLineEdit* numberingPrefixEdit = nullptr;
    QLabel* numberingSuffixLabel = nullptr;
    QLineEdit* numberingSuffixEdit = nullptr;
    QCheckBox* addStringBox = nullptr;
    QLineEdit* addStringEdit = nullptr;
    QWidget* addStringPlaceBox = nullptr;
    std::array<QRadioButton*, 3> addStringPlaces{};
    QLineEdit* addStringPositionEdit = nullptr;
    QCheckBox* dropExtensionBox = nullptr;

    QLabel* languageLabel = nullptr;
    QComboBox* languageList = nullptr;
    QLabel* restartHint = nullptr;

signals:
    // A treatment setting was edited: the settings are to be saved.
    void settingsEdited();
    // The names are to be made again with the current settings.
    void namesStale();
    // A zero-fill width was chosen; the window checks it against the files.
    void fillWidthChosen();
    // The pattern list of the file listing was edited.
    void extensionsEdited();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The treatment options as the panel shows them, one row each in
    // optionFields(): the option, its control, and what an edit of it runs.
    using Handler = void (OptionsPanel::*)();
    struct TickBoxField {
        bool TreatmentOptions::*option;
        QCheckBox* OptionsPanel::*box;
        Handler toggled;
    };
    // What a text box lets in: anything, digits, or what a file name may hold.
    enum class BoxInput { Anything, Digits, NameCharacters };
    struct TextBoxField {
        QString TreatmentOptions::*option;
        QLineEdit* OptionsPanel::*box;
        BoxInput input;
    };
    template <std::size_t N>
    struct PlacesField {
        InsertPosition TreatmentOptions::*option;
        std::array<QRadioButton*, N> OptionsPanel::*buttons;
        Handler selected;
    };
    struct FillWidthField {
        int TreatmentOptions::*option;
        QComboBox* OptionsPanel::*list;
    };
    using OptionField =
        std::variant<TickBoxField, TextBoxField, PlacesField<2>, PlacesField<3>, FillWidthField>;
    static std::span<const OptionField> optionFields();
    // One handler a kind of field, for std::visit.
    template <class... Handlers>
    struct ByKind : Handlers... {
        using Handlers::operator()...;
    };

    void createControls();
    void connectEdits();
    bool isNumberBox(const QLineEdit* box) const;
    void connectBox(QLineEdit* box, BoxInput input);
    void edited();
    void removalPositionRule();
    void showExpressionValidity();
    void addedPositionRule();
    void sanitise(QLineEdit* box, const QString& clean);
    bool keyPressed(QLineEdit* box, const QKeyEvent* event);
    void numberBoxLeft(QLineEdit* box);

    Prompter* m_prompter = nullptr;
    TextLookup m_text;
    bool m_checkingBox = false; // a left number box is being checked
    QString m_undecided;        // why the last run replaced nothing, or nothing
};

} // namespace tervane
