// SPDX-License-Identifier: GPL-3.0-or-later
#include "options/OptionsPanel.h"

#include "i18n/TextKeys.h"
#include "options/FillWidthList.h"
#include "widgets/Controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <type_traits>
#include <utility>
#include <variant>

namespace tervane {

namespace {

using Panel = OptionsPanel;

// An option-button array, made in the borderless box of its row, so that
// each array is one exclusive group: the buttons' name, and the caption and
// width in twips of each.
template <std::size_t N>
struct OptionButtons {
    std::array<QRadioButton*, N> Panel::*buttons;
    const char16_t* name;
    std::array<const char16_t*, N> captions;
    std::array<int, N> widths;
};

// A box for a number of at most two digits, right-aligned.
struct NumberBox {
    QLineEdit* Panel::*box;
};

using PanelMember =
    std::variant<QLabel * Panel::*, QLineEdit * Panel::*, NumberBox, QCheckBox * Panel::*,
                 QComboBox * Panel::*, QGroupBox * Panel::*, QWidget * Panel::*>;

// One control of the panel as designed: the member it goes to, its name, its
// caption (a box's initial text, a frame's title; none for a control without
// one), its place in twips, the frame it sits in (none: the panel) and, for
// the box of an option-button array, the array. Controls are made in this
// order, which is the tab order.
struct DesignedPanelControl {
    PanelMember member;
    const char16_t* name;
    const char16_t* caption;
    QRect twips;
    QGroupBox* Panel::*parent = nullptr;
    std::variant<std::monostate, OptionButtons<2>, OptionButtons<3>> options = {};
};

constexpr auto Frame = &Panel::treatmentsFrame;
constexpr int OptionSpacing = 150;
// The places a treatment can act at, for the removal and the added string.
constexpr std::array<const char16_t*, 3> PositionCaptions{u"au début", u"à la fin",
                                                          u"à partir de la position"};
constexpr std::array<int, 3> PositionWidths{1100, 1100, 2400};

// One control a row, as a table reads.
// clang-format off
const DesignedPanelControl PanelDesign[] = {
    {&Panel::patternsLabel, u"lblExtensions", u"Extensions des fichiers à lister",
     {140, 180, 2500, 255}},
    {&Panel::patternsEdit, u"txtExtensions", nullptr, {2700, 135, 4200, 285}},
    {&Panel::patternsHint, u"lblExtensionsSéparateur", u"(séparateur : point-virgule)",
     {7020, 180, 2200, 255}},

    {&Panel::treatmentsFrame, u"fraTraitements", u" Traitements à effectuer ",
     {140, 555, 9240, 4350}},
    {&Panel::removeLeadingDigitsBox, u"chkSuppressionChiffresDébut",
     u"Suppression des éventuels chiffres en début de nom (ancienne numérotation des pistes)",
     {120, 300, 9000, 255}, Frame},
    {&Panel::removeLeadingJunkBox, u"chkSuppressionCaractèresNonAlpha",
     u"Suppression des éventuels caractères non-alphanumériques en début de nom (résiduels "
     u"d'une ancienne numérotation)",
     {120, 580, 9000, 255}, Frame},
    {&Panel::removeDurationsBox, u"chkSuppressionDurées", u"Suppression des durées",
     {120, 860, 4000, 255}, Frame},
    {&Panel::removeTermsBox, u"chkSuppressionTermes", u"Suppression des termes suivants",
     {120, 1140, 2800, 255}, Frame},
    {&Panel::termsEdit, u"txtSuppressionTermes", nullptr, {2980, 1110, 3800, 285}, Frame},
    {&Panel::termsHint, u"lblTermesSéparateur", u"(séparateur : point-virgule)",
     {6900, 1155, 2200, 255}, Frame},
    {&Panel::replaceBox, u"chkRemplacement", u"Remplacer", {120, 1440, 1300, 255}, Frame},
    {&Panel::replaceFromEdit, u"txtRemplacementRecherche", nullptr, {1480, 1410, 2700, 285}, Frame},
    {&Panel::replaceByLabel, u"lblRemplacementPar", u"par", {4260, 1455, 420, 255}, Frame},
    {&Panel::replaceToEdit, u"txtRemplacementPar", nullptr, {4740, 1410, 2200, 285}, Frame},
    {&Panel::replaceRegexBox, u"chkRemplacementExpression", u"expression régulière",
     {7060, 1440, 2060, 255}, Frame},
    {&Panel::removeCapitalsBox, u"chkSuppressionMajuscules",
     u"Suppression des majuscules (sauf la première)", {120, 1740, 5000, 255}, Frame},
    {&Panel::removeEmptyLinesBox, u"chkSuppressionLignesVides", u"Suppression des lignes vides",
     {120, 2020, 4000, 255}, Frame},

    {&Panel::removeCharactersBox, u"chkSuppressionCaractères", u"Suppression de",
     {120, 2330, 1500, 255}, Frame},
    {NumberBox{&Panel::removeCharactersCountEdit}, u"txtSuppressionCaractèresNombre", u"0",
     {1680, 2300, 360, 285}, Frame},
    {&Panel::removeCharactersLabel, u"lblSuppressionCaractères", u"caractère(s)",
     {2160, 2345, 1000, 255}, Frame},
    {&Panel::removeCharactersPlaceBox, u"picSuppressionCaractères", nullptr,
     {3310, 2330, 5000, 255}, Frame,
     OptionButtons<3>{&Panel::removeCharactersPlaces, u"optSuppressionCaractèresPosition",
                      PositionCaptions, PositionWidths}},
    {NumberBox{&Panel::removeCharactersPositionEdit}, u"txtSuppressionCaractèresPosition", u"1",
     {8370, 2300, 360, 285}, Frame},

    {&Panel::numberingBox, u"chkNumérotation", u"Ajout d'une numérotation automatique",
     {120, 2640, 3600, 255}, Frame},
    {&Panel::numberingPlaceBox, u"picNumérotationPosition", nullptr, {3780, 2640, 2400, 255},
     Frame,
     OptionButtons<2>{
         &Panel::numberingPlaces, u"optNumérotationPosition", {u"au début", u"à la fin"},
         {1100, 1100}}},
    {&Panel::fillWidthLabel, u"lblNumérotationRemplissage", u"Remplissage (par des zéros)",
     {400, 2955, 2400, 255}, Frame},
    {&Panel::fillWidthList, u"cboNumérotationRemplissage", nullptr, {2860, 2910, 3800, 315},
     Frame},
    {&Panel::numberingPrefixLabel, u"lblNumérotationPréfixe",
     u"Préfixer la numérotation avec cette chaîne ", {400, 3305, 3500, 255}, Frame},
    {&Panel::numberingPrefixEdit, u"txtNumérotationPréfixe", nullptr, {3960, 3260, 900, 285},
     Frame},
    {&Panel::numberingSuffixLabel, u"lblNumérotationSuffixe",
     u" et/ou la suffixer avec cette chaîne ", {4920, 3305, 3000, 255}, Frame},
    {&Panel::numberingSuffixEdit, u"txtNumérotationSuffixe", nullptr, {7980, 3260, 900, 285},
     Frame},

    {&Panel::addStringBox, u"chkAjoutChaîne", u"Ajout de la chaîne", {120, 3650, 1800, 255},
     Frame},
    {&Panel::addStringEdit, u"txtAjoutChaîne", nullptr, {1980, 3620, 1300, 285}, Frame},
    {&Panel::addStringPlaceBox, u"picAjoutChaîne", nullptr, {3430, 3650, 4900, 255}, Frame,
     OptionButtons<3>{&Panel::addStringPlaces, u"optAjoutChaînePosition", PositionCaptions,
                      PositionWidths}},
    {NumberBox{&Panel::addStringPositionEdit}, u"txtAjoutChaînePosition", u"1",
     {8390, 3620, 360, 285}, Frame},

    {&Panel::dropExtensionBox, u"chkNePasReprendreExtensionOriginale",
     u"Ne pas reprendre l'extension d'origine (le nouveau nom doit contenir l'extension)",
     {120, 3980, 9000, 255}, Frame},

    {&Panel::languageLabel, u"lblLangue", u"Langue", {140, 5055, 900, 255}},
    {&Panel::languageList, u"cboLangue", nullptr, {1160, 5010, 2400, 315}},
    {&Panel::restartHint, u"lblRequiertRedémarrage", u"(requiert un redémarrage du logiciel)",
     {3680, 5055, 4000, 255}},
};
// clang-format on

template <std::size_t N>
void makeOptions(Panel& panel, QWidget* box, const OptionButtons<N>& design)
{
    std::array<QRadioButton*, N>& buttons = panel.*design.buttons;
    int left = 0;
    for (std::size_t i = 0; i < N; ++i) {
        buttons[i] = makeDesigned<QRadioButton>(box, design.name, design.captions[i],
                                                {left, 0, design.widths[i], 255});
        setArrayIndex(buttons[i], int(i));
        left += design.widths[i] + OptionSpacing;
    }
    buttons[0]->setChecked(true);
}

template <std::size_t N>
InsertPosition selectedPosition(const std::array<QRadioButton*, N>& options)
{
    for (std::size_t i = 0; i < N; ++i)
        if (options[i]->isChecked())
            return InsertPosition(i);
    return InsertPosition::AtStart;
}

template <std::size_t N>
void selectPosition(const std::array<QRadioButton*, N>& options, InsertPosition position)
{
    const auto index = std::size_t(position);
    if (index < N)
        options[index]->setChecked(true);
}

// The three rows offer the same places: an option names its row first.
template <std::size_t N>
void nameOptions(const std::array<QRadioButton*, N>& options, const QString& row)
{
    for (QRadioButton* option : options)
        option->setAccessibleName(spokenCaption(row) + QStringLiteral(", ") +
                                  spokenCaption(option->text()));
}

} // namespace

OptionsPanel::OptionsPanel(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("picOptions"));
    createControls();
    connectEdits();
}

void OptionsPanel::createControls()
{
    for (int i = 0; i < 2; ++i) {
        separators[i] = makeControl<QFrame>(this, QStringLiteral("LinSéparateurOptions"));
        setArrayIndex(separators[i], i);
        separators[i]->setFrameShape(QFrame::HLine);
        separators[i]->setFrameShadow(i == 0 ? QFrame::Sunken : QFrame::Plain);
        placeInTwips(separators[i], 0, i * 15, 9495, 15);
    }
    for (const DesignedPanelControl& design : PanelDesign) {
        QWidget* parent = design.parent ? static_cast<QWidget*>(this->*design.parent) : this;
        QWidget* made = nullptr;
        std::visit(
            [&](auto member) {
                if constexpr (std::is_same_v<decltype(member), NumberBox>) {
                    QLineEdit* box =
                        makeDesigned<QLineEdit>(parent, design.name, design.caption, design.twips);
                    box->setMaxLength(2);
                    box->setAlignment(Qt::AlignRight);
                    made = this->*member.box = box;
                } else {
                    using Control =
                        std::remove_pointer_t<std::remove_reference_t<decltype(this->*member)>>;
                    made = this->*member = makeDesigned<Control>(parent, design.name,
                                                                 design.caption, design.twips);
                }
            },
            design.member);
        std::visit(
            [&](const auto& options) {
                if constexpr (!std::is_same_v<std::decay_t<decltype(options)>, std::monostate>)
                    makeOptions(*this, made, options);
            },
            design.options);
    }
    fillWidthList->setSizeAdjustPolicy(QComboBox::AdjustToContents);
}

void OptionsPanel::nameControlsForReaders(const TextLookup& text)
{
    nameByLabel(patternsEdit, patternsLabel);
    nameByLabel(fillWidthList, fillWidthLabel);
    nameByLabel(numberingPrefixEdit, numberingPrefixLabel);
    nameByLabel(numberingSuffixEdit, numberingSuffixLabel);
    nameByLabel(languageList, languageLabel);
    patternsEdit->setAccessibleDescription(spokenCaption(patternsHint->text()));
    termsEdit->setAccessibleDescription(spokenCaption(termsHint->text()));
    // Boxes that follow a tick box have no label of their own; the frame's
    // title would name them all alike.
    const std::pair<QLineEdit*, QString> boxes[] = {
        {termsEdit, TextKey::TermsField},
        {replaceFromEdit, TextKey::SearchedField},
        {replaceToEdit, TextKey::ReplacementField},
        {removeCharactersCountEdit, TextKey::RemovedCountField},
        {removeCharactersPositionEdit, TextKey::RemovalPositionField},
        {addStringEdit, TextKey::AddedTextField},
        {addStringPositionEdit, TextKey::AddedPositionField}};
    for (const auto& [box, key] : boxes)
        box->setAccessibleName(text(key));
    nameOptions(removeCharactersPlaces,
                removeCharactersBox->text() + u' ' + removeCharactersLabel->text());
    nameOptions(numberingPlaces, numberingBox->text());
    nameOptions(addStringPlaces, addStringBox->text());
}

QString OptionsPanel::extensions() const
{
    return patternsEdit->text();
}

void OptionsPanel::setExtensions(const QString& patterns)
{
    patternsEdit->setText(patterns);
}

// In the settings file's order, which is the order they are put in.
std::span<const OptionsPanel::OptionField> OptionsPanel::optionFields()
{
    using T = TreatmentOptions;
    using P = OptionsPanel;
    static const OptionField fields[] = {
        TickBoxField{&T::removeLeadingDigits, &P::removeLeadingDigitsBox, &P::edited},
        TickBoxField{&T::removeLeadingNonAlphanumerics, &P::removeLeadingJunkBox, &P::edited},
        TickBoxField{&T::removeCapitals, &P::removeCapitalsBox, &P::edited},
        TickBoxField{&T::removeDurations, &P::removeDurationsBox, &P::edited},
        TickBoxField{&T::removeTerms, &P::removeTermsBox, &P::removeTermsToggled},
        TextBoxField{&T::termsToRemove, &P::termsEdit, BoxInput::Anything},
        TickBoxField{&T::replace, &P::replaceBox, &P::replaceToggled},
        TextBoxField{&T::replaceFrom, &P::replaceFromEdit, BoxInput::Anything},
        TextBoxField{&T::replaceTo, &P::replaceToEdit, BoxInput::Anything},
        TickBoxField{&T::replaceRegex, &P::replaceRegexBox, &P::edited},
        TickBoxField{&T::removeEmptyLines, &P::removeEmptyLinesBox, &P::edited},
        TickBoxField{&T::removeCharacters, &P::removeCharactersBox, &P::removeCharactersToggled},
        TextBoxField{&T::removeCharactersCount, &P::removeCharactersCountEdit, BoxInput::Digits},
        PlacesField<3>{&T::removeCharactersMode, &P::removeCharactersPlaces,
                       &P::removalPositionRule},
        TextBoxField{&T::removeCharactersPosition, &P::removeCharactersPositionEdit,
                     BoxInput::Digits},
        TickBoxField{&T::numbering, &P::numberingBox, &P::numberingToggled},
        PlacesField<2>{&T::numberingPosition, &P::numberingPlaces, &P::namesStale},
        FillWidthField{&T::numberingWidth, &P::fillWidthList},
        TextBoxField{&T::numberingPrefix, &P::numberingPrefixEdit, BoxInput::NameCharacters},
        TextBoxField{&T::numberingSuffix, &P::numberingSuffixEdit, BoxInput::NameCharacters},
        TickBoxField{&T::addString, &P::addStringBox, &P::addStringToggled},
        TextBoxField{&T::addStringText, &P::addStringEdit, BoxInput::NameCharacters},
        PlacesField<3>{&T::addStringMode, &P::addStringPlaces, &P::addedPositionRule},
        TextBoxField{&T::addStringPosition, &P::addStringPositionEdit, BoxInput::Digits},
        TickBoxField{&T::dropOriginalExtension, &P::dropExtensionBox, &P::edited},
    };
    return fields;
}

void OptionsPanel::setTreatmentOptions(const TreatmentOptions& o)
{
    for (const OptionField& field : optionFields()) {
        std::visit(ByKind{[&](const TickBoxField& f) { (this->*f.box)->setChecked(o.*f.option); },
                          [&](const TextBoxField& f) { (this->*f.box)->setText(o.*f.option); },
                          [&](const FillWidthField& f) {
                              selectComboItemByData(this->*f.list, o.*f.option);
                          },
                          [&](const auto& places) {
                              selectPosition(this->*places.buttons, o.*places.option);
                          }},
                   field);
    }
}

TreatmentOptions OptionsPanel::currentTreatmentOptions() const
{
    TreatmentOptions o;
    for (const OptionField& field : optionFields()) {
        std::visit(
            ByKind{[&](const TickBoxField& f) { o.*f.option = (this->*f.box)->isChecked(); },
                   [&](const TextBoxField& f) { o.*f.option = (this->*f.box)->text(); },
                   [&](const FillWidthField& f) { o.*f.option = getComboItemData(this->*f.list); },
                   [&](const auto& places) {
                       o.*places.option = selectedPosition(this->*places.buttons);
                   }},
            field);
    }
    return o;
}

} // namespace tervane
