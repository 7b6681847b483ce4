#include "options/OptionsPanel.h"

#include "mainwindow/Controls.h"
#include "options/FillWidthList.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace tervane {

namespace {

QLineEdit* makeTextBox(QWidget* parent, const QString& name, QRect twips)
{
    auto* box = makeControl<QLineEdit>(parent, name);
    placeInTwips(box, twips.x(), twips.y(), twips.width(), twips.height());
    return box;
}

// The number boxes take two digits, right-aligned.
QLineEdit* makeNumberBox(QWidget* parent, const QString& name, const QString& text, QRect twips)
{
    QLineEdit* box = makeTextBox(parent, name, twips);
    box->setMaxLength(2);
    box->setAlignment(Qt::AlignRight);
    box->setText(text);
    return box;
}

// A borderless box holding an option-button array, so that each array is
// one exclusive group.
QWidget* makeOptionBox(QWidget* parent, const QString& name, QRect twips)
{
    auto* box = makeControl<QWidget>(parent, name);
    placeInTwips(box, twips.x(), twips.y(), twips.width(), twips.height());
    return box;
}

template <std::size_t N>
void makeOptions(QWidget* box, const QString& name, const std::array<QString, N>& captions,
                 const std::array<int, N>& widths, std::array<QRadioButton*, N>& options)
{
    int left = 0;
    for (std::size_t i = 0; i < N; ++i) {
        options[i] = makeControl<QRadioButton>(box, name);
        setArrayIndex(options[i], int(i));
        options[i]->setText(captions[i]);
        placeInTwips(options[i], left, 0, widths[i], 255);
        left += widths[i] + 150;
    }
    options[0]->setChecked(true);
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

} // namespace

OptionsPanel::OptionsPanel(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("picOptions"));
    createExtensionRow();
    createTreatmentsFrame();
    createLanguageRow();
    connectEdits();
}

void OptionsPanel::createExtensionRow()
{
    for (int i = 0; i < 2; ++i) {
        LinSeparateurOptions[i] = makeControl<QFrame>(this, QStringLiteral("LinSéparateurOptions"));
        setArrayIndex(LinSeparateurOptions[i], i);
        LinSeparateurOptions[i]->setFrameShape(QFrame::HLine);
        LinSeparateurOptions[i]->setFrameShadow(i == 0 ? QFrame::Sunken : QFrame::Plain);
        placeInTwips(LinSeparateurOptions[i], 0, i * 15, 9495, 15);
    }
    patternsLabel = makeCaptioned<QLabel>(this, QStringLiteral("lblExtensions"),
                                          QStringLiteral("Extensions des fichiers à lister"),
                                          {140, 180, 2500, 255});
    patternsEdit = makeTextBox(this, QStringLiteral("txtExtensions"), {2700, 135, 4200, 285});
    patternsHint = makeCaptioned<QLabel>(this, QStringLiteral("lblExtensionsSéparateur"),
                                         QStringLiteral("(séparateur : point-virgule)"),
                                         {7020, 180, 2200, 255});
}

void OptionsPanel::createTreatmentsFrame()
{
    treatmentsFrame = makeControl<QGroupBox>(this, QStringLiteral("fraTraitements"));
    treatmentsFrame->setTitle(QStringLiteral(" Traitements à effectuer "));
    placeInTwips(treatmentsFrame, 140, 555, 9240, 4050);
    QWidget* f = treatmentsFrame;

    removeLeadingDigitsBox = makeCaptioned<QCheckBox>(
        f, QStringLiteral("chkSuppressionChiffresDébut"),
        QStringLiteral("Suppression des éventuels chiffres en début de nom (ancienne numérotation "
                       "des pistes)"),
        {120, 300, 9000, 255});
    removeLeadingJunkBox = makeCaptioned<QCheckBox>(
        f, QStringLiteral("chkSuppressionCaractèresNonAlpha"),
        QStringLiteral("Suppression des éventuels caractères non-alphanumériques en début de nom "
                       "(résiduels d'une ancienne numérotation)"),
        {120, 580, 9000, 255});
    removeDurationsBox =
        makeCaptioned<QCheckBox>(f, QStringLiteral("chkSuppressionDurées"),
                                 QStringLiteral("Suppression des durées"), {120, 860, 4000, 255});
    removeTermsBox = makeCaptioned<QCheckBox>(f, QStringLiteral("chkSuppressionTermes"),
                                              QStringLiteral("Suppression des termes suivants"),
                                              {120, 1140, 2800, 255});
    termsEdit = makeTextBox(f, QStringLiteral("txtSuppressionTermes"), {2980, 1110, 3800, 285});
    termsHint = makeCaptioned<QLabel>(f, QStringLiteral("lblTermesSéparateur"),
                                      QStringLiteral("(séparateur : point-virgule)"),
                                      {6900, 1155, 2200, 255});
    removeCapitalsBox = makeCaptioned<QCheckBox>(
        f, QStringLiteral("chkSuppressionMajuscules"),
        QStringLiteral("Suppression des majuscules (sauf la première)"), {120, 1440, 5000, 255});
    removeEmptyLinesBox = makeCaptioned<QCheckBox>(f, QStringLiteral("chkSuppressionLignesVides"),
                                                   QStringLiteral("Suppression des lignes vides"),
                                                   {120, 1720, 4000, 255});

    removeCharactersBox =
        makeCaptioned<QCheckBox>(f, QStringLiteral("chkSuppressionCaractères"),
                                 QStringLiteral("Suppression de"), {120, 2030, 1500, 255});
    removeCharactersCountEdit = makeNumberBox(f, QStringLiteral("txtSuppressionCaractèresNombre"),
                                              QStringLiteral("0"), {1680, 2000, 360, 285});
    removeCharactersLabel =
        makeCaptioned<QLabel>(f, QStringLiteral("lblSuppressionCaractères"),
                              QStringLiteral("caractère(s)"), {2160, 2045, 1000, 255});
    removeCharactersPlaceBox =
        makeOptionBox(f, QStringLiteral("picSuppressionCaractères"), {3310, 2030, 5000, 255});
    makeOptions<3>(removeCharactersPlaceBox, QStringLiteral("optSuppressionCaractèresPosition"),
                   {QStringLiteral("au début"), QStringLiteral("à la fin"),
                    QStringLiteral("à partir de la position")},
                   {1100, 1100, 2400}, removeCharactersPlaces);
    removeCharactersPositionEdit =
        makeNumberBox(f, QStringLiteral("txtSuppressionCaractèresPosition"), QStringLiteral("1"),
                      {8370, 2000, 360, 285});

    numberingBox = makeCaptioned<QCheckBox>(f, QStringLiteral("chkNumérotation"),
                                            QStringLiteral("Ajout d'une numérotation automatique"),
                                            {120, 2340, 3600, 255});
    numberingPlaceBox =
        makeOptionBox(f, QStringLiteral("picNumérotationPosition"), {3780, 2340, 2400, 255});
    makeOptions<2>(numberingPlaceBox, QStringLiteral("optNumérotationPosition"),
                   {QStringLiteral("au début"), QStringLiteral("à la fin")}, {1100, 1100},
                   numberingPlaces);
    fillWidthLabel = makeCaptioned<QLabel>(f, QStringLiteral("lblNumérotationRemplissage"),
                                           QStringLiteral("Remplissage (par des zéros)"),
                                           {400, 2655, 2400, 255});
    fillWidthList = makeControl<QComboBox>(f, QStringLiteral("cboNumérotationRemplissage"));
    fillWidthList->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    placeInTwips(fillWidthList, 2860, 2610, 3800, 315);
    numberingPrefixLabel = makeCaptioned<QLabel>(
        f, QStringLiteral("lblNumérotationPréfixe"),
        QStringLiteral("Préfixer la numérotation avec cette chaîne "), {400, 3005, 3500, 255});
    numberingPrefixEdit =
        makeTextBox(f, QStringLiteral("txtNumérotationPréfixe"), {3960, 2960, 900, 285});
    numberingSuffixLabel = makeCaptioned<QLabel>(
        f, QStringLiteral("lblNumérotationSuffixe"),
        QStringLiteral(" et/ou la suffixer avec cette chaîne "), {4920, 3005, 3000, 255});
    numberingSuffixEdit =
        makeTextBox(f, QStringLiteral("txtNumérotationSuffixe"), {7980, 2960, 900, 285});

    addStringBox =
        makeCaptioned<QCheckBox>(f, QStringLiteral("chkAjoutChaîne"),
                                 QStringLiteral("Ajout de la chaîne"), {120, 3350, 1800, 255});
    addStringEdit = makeTextBox(f, QStringLiteral("txtAjoutChaîne"), {1980, 3320, 1300, 285});
    addStringPlaceBox = makeOptionBox(f, QStringLiteral("picAjoutChaîne"), {3430, 3350, 4900, 255});
    makeOptions<3>(addStringPlaceBox, QStringLiteral("optAjoutChaînePosition"),
                   {QStringLiteral("au début"), QStringLiteral("à la fin"),
                    QStringLiteral("à partir de la position")},
                   {1100, 1100, 2400}, addStringPlaces);
    addStringPositionEdit = makeNumberBox(f, QStringLiteral("txtAjoutChaînePosition"),
                                          QStringLiteral("1"), {8390, 3320, 360, 285});

    dropExtensionBox = makeCaptioned<QCheckBox>(
        f, QStringLiteral("chkNePasReprendreExtensionOriginale"),
        QStringLiteral("Ne pas reprendre l'extension d'origine (le nouveau nom doit "
                       "contenir l'extension)"),
        {120, 3680, 9000, 255});
}

void OptionsPanel::createLanguageRow()
{
    languageLabel = makeCaptioned<QLabel>(this, QStringLiteral("lblLangue"),
                                          QStringLiteral("Langue"), {140, 4755, 900, 255});
    languageList = makeControl<QComboBox>(this, QStringLiteral("cboLangue"));
    placeInTwips(languageList, 1160, 4710, 2400, 315);
    restartHint = makeCaptioned<QLabel>(this, QStringLiteral("lblRequiertRedémarrage"),
                                        QStringLiteral("(requiert un redémarrage du logiciel)"),
                                        {3680, 4755, 4000, 255});
}

QString OptionsPanel::extensions() const
{
    return patternsEdit->text();
}

void OptionsPanel::setExtensions(const QString& patterns)
{
    patternsEdit->setText(patterns);
}

void OptionsPanel::setTreatmentOptions(const TreatmentOptions& o)
{
    removeLeadingDigitsBox->setChecked(o.removeLeadingDigits);
    removeLeadingJunkBox->setChecked(o.removeLeadingNonAlphanumerics);
    removeCapitalsBox->setChecked(o.removeCapitals);
    removeDurationsBox->setChecked(o.removeDurations);
    removeTermsBox->setChecked(o.removeTerms);
    termsEdit->setText(o.termsToRemove);
    removeEmptyLinesBox->setChecked(o.removeEmptyLines);
    removeCharactersBox->setChecked(o.removeCharacters);
    removeCharactersCountEdit->setText(o.removeCharactersCount);
    selectPosition(removeCharactersPlaces, o.removeCharactersMode);
    removeCharactersPositionEdit->setText(o.removeCharactersPosition);
    numberingBox->setChecked(o.numbering);
    selectPosition(numberingPlaces, o.numberingPosition);
    selectComboItemByData(fillWidthList, o.numberingWidth);
    numberingPrefixEdit->setText(o.numberingPrefix);
    numberingSuffixEdit->setText(o.numberingSuffix);
    addStringBox->setChecked(o.addString);
    addStringEdit->setText(o.addStringText);
    selectPosition(addStringPlaces, o.addStringMode);
    addStringPositionEdit->setText(o.addStringPosition);
    dropExtensionBox->setChecked(o.dropOriginalExtension);
}

TreatmentOptions OptionsPanel::currentTreatmentOptions() const
{
    TreatmentOptions o;
    o.removeLeadingDigits = removeLeadingDigitsBox->isChecked();
    o.removeLeadingNonAlphanumerics = removeLeadingJunkBox->isChecked();
    o.removeDurations = removeDurationsBox->isChecked();
    o.removeTerms = removeTermsBox->isChecked();
    o.termsToRemove = termsEdit->text();
    o.removeCapitals = removeCapitalsBox->isChecked();
    o.removeEmptyLines = removeEmptyLinesBox->isChecked();
    o.removeCharacters = removeCharactersBox->isChecked();
    o.removeCharactersCount = removeCharactersCountEdit->text();
    o.removeCharactersMode = selectedPosition(removeCharactersPlaces);
    o.removeCharactersPosition = removeCharactersPositionEdit->text();
    o.numbering = numberingBox->isChecked();
    o.numberingPosition =
        numberingPlaces[0]->isChecked() ? InsertPosition::AtStart : InsertPosition::AtEnd;
    o.numberingWidth = getComboItemData(fillWidthList);
    o.numberingPrefix = numberingPrefixEdit->text();
    o.numberingSuffix = numberingSuffixEdit->text();
    o.addString = addStringBox->isChecked();
    o.addStringText = addStringEdit->text();
    o.addStringMode = selectedPosition(addStringPlaces);
    o.addStringPosition = addStringPositionEdit->text();
    o.dropOriginalExtension = dropExtensionBox->isChecked();
    return o;
}

} // namespace tervane
