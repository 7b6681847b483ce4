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
    auto* box = MakeControl<QLineEdit>(parent, name);
    PlaceInTwips(box, twips.x(), twips.y(), twips.width(), twips.height());
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
    auto* box = MakeControl<QWidget>(parent, name);
    PlaceInTwips(box, twips.x(), twips.y(), twips.width(), twips.height());
    return box;
}

template <std::size_t N>
void makeOptions(QWidget* box, const QString& name, const std::array<QString, N>& captions,
                 const std::array<int, N>& widths, std::array<QRadioButton*, N>& options)
{
    int left = 0;
    for (std::size_t i = 0; i < N; ++i) {
        options[i] = MakeControl<QRadioButton>(box, name);
        SetArrayIndex(options[i], int(i));
        options[i]->setText(captions[i]);
        PlaceInTwips(options[i], left, 0, widths[i], 255);
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
        LinSeparateurOptions[i] = MakeControl<QFrame>(this, QStringLiteral("LinSéparateurOptions"));
        SetArrayIndex(LinSeparateurOptions[i], i);
        LinSeparateurOptions[i]->setFrameShape(QFrame::HLine);
        LinSeparateurOptions[i]->setFrameShadow(i == 0 ? QFrame::Sunken : QFrame::Plain);
        PlaceInTwips(LinSeparateurOptions[i], 0, i * 15, 9495, 15);
    }
    lblExtensions = MakeCaptioned<QLabel>(this, QStringLiteral("lblExtensions"),
                                          QStringLiteral("Extensions des fichiers à lister"),
                                          {140, 180, 2500, 255});
    txtExtensions = makeTextBox(this, QStringLiteral("txtExtensions"), {2700, 135, 4200, 285});
    lblExtensionsSeparateur = MakeCaptioned<QLabel>(this, QStringLiteral("lblExtensionsSéparateur"),
                                                    QStringLiteral("(séparateur : point-virgule)"),
                                                    {7020, 180, 2200, 255});
}

void OptionsPanel::createTreatmentsFrame()
{
    fraTraitements = MakeControl<QGroupBox>(this, QStringLiteral("fraTraitements"));
    fraTraitements->setTitle(QStringLiteral(" Traitements à effectuer "));
    PlaceInTwips(fraTraitements, 140, 555, 9240, 4050);
    QWidget* f = fraTraitements;

    chkSuppressionChiffresDebut = MakeCaptioned<QCheckBox>(
        f, QStringLiteral("chkSuppressionChiffresDébut"),
        QStringLiteral("Suppression des éventuels chiffres en début de nom (ancienne numérotation "
                       "des pistes)"),
        {120, 300, 9000, 255});
    chkSuppressionCaracteresNonAlpha = MakeCaptioned<QCheckBox>(
        f, QStringLiteral("chkSuppressionCaractèresNonAlpha"),
        QStringLiteral("Suppression des éventuels caractères non-alphanumériques en début de nom "
                       "(résiduels d'une ancienne numérotation)"),
        {120, 580, 9000, 255});
    chkSuppressionDurees =
        MakeCaptioned<QCheckBox>(f, QStringLiteral("chkSuppressionDurées"),
                                 QStringLiteral("Suppression des durées"), {120, 860, 4000, 255});
    chkSuppressionTermes = MakeCaptioned<QCheckBox>(
        f, QStringLiteral("chkSuppressionTermes"),
        QStringLiteral("Suppression des termes suivants"), {120, 1140, 2800, 255});
    txtSuppressionTermes =
        makeTextBox(f, QStringLiteral("txtSuppressionTermes"), {2980, 1110, 3800, 285});
    lblTermesSeparateur = MakeCaptioned<QLabel>(f, QStringLiteral("lblTermesSéparateur"),
                                                QStringLiteral("(séparateur : point-virgule)"),
                                                {6900, 1155, 2200, 255});
    chkSuppressionMajuscules = MakeCaptioned<QCheckBox>(
        f, QStringLiteral("chkSuppressionMajuscules"),
        QStringLiteral("Suppression des majuscules (sauf la première)"), {120, 1440, 5000, 255});
    chkSuppressionLignesVides = MakeCaptioned<QCheckBox>(
        f, QStringLiteral("chkSuppressionLignesVides"),
        QStringLiteral("Suppression des lignes vides"), {120, 1720, 4000, 255});

    chkSuppressionCaracteres =
        MakeCaptioned<QCheckBox>(f, QStringLiteral("chkSuppressionCaractères"),
                                 QStringLiteral("Suppression de"), {120, 2030, 1500, 255});
    txtSuppressionCaracteresNombre =
        makeNumberBox(f, QStringLiteral("txtSuppressionCaractèresNombre"), QStringLiteral("0"),
                      {1680, 2000, 360, 285});
    lblSuppressionCaracteres =
        MakeCaptioned<QLabel>(f, QStringLiteral("lblSuppressionCaractères"),
                              QStringLiteral("caractère(s)"), {2160, 2045, 1000, 255});
    picSuppressionCaracteres =
        makeOptionBox(f, QStringLiteral("picSuppressionCaractères"), {3310, 2030, 5000, 255});
    makeOptions<3>(picSuppressionCaracteres, QStringLiteral("optSuppressionCaractèresPosition"),
                   {QStringLiteral("au début"), QStringLiteral("à la fin"),
                    QStringLiteral("à partir de la position")},
                   {1100, 1100, 2400}, optSuppressionCaracteresPosition);
    txtSuppressionCaracteresPosition =
        makeNumberBox(f, QStringLiteral("txtSuppressionCaractèresPosition"), QStringLiteral("1"),
                      {8370, 2000, 360, 285});

    chkNumerotation = MakeCaptioned<QCheckBox>(
        f, QStringLiteral("chkNumérotation"),
        QStringLiteral("Ajout d'une numérotation automatique"), {120, 2340, 3600, 255});
    picNumerotationPosition =
        makeOptionBox(f, QStringLiteral("picNumérotationPosition"), {3780, 2340, 2400, 255});
    makeOptions<2>(picNumerotationPosition, QStringLiteral("optNumérotationPosition"),
                   {QStringLiteral("au début"), QStringLiteral("à la fin")}, {1100, 1100},
                   optNumerotationPosition);
    lblNumerotationRemplissage = MakeCaptioned<QLabel>(
        f, QStringLiteral("lblNumérotationRemplissage"),
        QStringLiteral("Remplissage (par des zéros)"), {400, 2655, 2400, 255});
    cboNumerotationRemplissage =
        MakeControl<QComboBox>(f, QStringLiteral("cboNumérotationRemplissage"));
    PlaceInTwips(cboNumerotationRemplissage, 2860, 2610, 3800, 315);
    lblNumerotationPrefixe = MakeCaptioned<QLabel>(
        f, QStringLiteral("lblNumérotationPréfixe"),
        QStringLiteral("Préfixer la numérotation avec cette chaîne "), {400, 3005, 3500, 255});
    txtNumerotationPrefixe =
        makeTextBox(f, QStringLiteral("txtNumérotationPréfixe"), {3960, 2960, 900, 285});
    lblNumerotationSuffixe = MakeCaptioned<QLabel>(
        f, QStringLiteral("lblNumérotationSuffixe"),
        QStringLiteral(" et/ou la suffixer avec cette chaîne "), {4920, 3005, 3000, 255});
    txtNumerotationSuffixe =
        makeTextBox(f, QStringLiteral("txtNumérotationSuffixe"), {7980, 2960, 900, 285});

    chkAjoutChaine =
        MakeCaptioned<QCheckBox>(f, QStringLiteral("chkAjoutChaîne"),
                                 QStringLiteral("Ajout de la chaîne"), {120, 3350, 1800, 255});
    txtAjoutChaine = makeTextBox(f, QStringLiteral("txtAjoutChaîne"), {1980, 3320, 1300, 285});
    picAjoutChaine = makeOptionBox(f, QStringLiteral("picAjoutChaîne"), {3430, 3350, 4900, 255});
    makeOptions<3>(picAjoutChaine, QStringLiteral("optAjoutChaînePosition"),
                   {QStringLiteral("au début"), QStringLiteral("à la fin"),
                    QStringLiteral("à partir de la position")},
                   {1100, 1100, 2400}, optAjoutChainePosition);
    txtAjoutChainePosition = makeNumberBox(f, QStringLiteral("txtAjoutChaînePosition"),
                                           QStringLiteral("1"), {8390, 3320, 360, 285});

    chkNePasReprendreExtensionOriginale = MakeCaptioned<QCheckBox>(
        f, QStringLiteral("chkNePasReprendreExtensionOriginale"),
        QStringLiteral("Ne pas reprendre l'extension d'origine (le nouveau nom doit "
                       "contenir l'extension)"),
        {120, 3680, 9000, 255});
}

void OptionsPanel::createLanguageRow()
{
    lblLangue = MakeCaptioned<QLabel>(this, QStringLiteral("lblLangue"), QStringLiteral("Langue"),
                                      {140, 4755, 900, 255});
    cboLangue = MakeControl<QComboBox>(this, QStringLiteral("cboLangue"));
    PlaceInTwips(cboLangue, 1160, 4710, 2400, 315);
    lblRequiertRedemarrage = MakeCaptioned<QLabel>(
        this, QStringLiteral("lblRequiertRedémarrage"),
        QStringLiteral("(requiert un redémarrage du logiciel)"), {3680, 4755, 4000, 255});
}

void OptionsPanel::connectEdits()
{
    const auto edited = [this] { emit treatmentSettingsEdited(); };
    for (QCheckBox* box : findChildren<QCheckBox*>())
        connect(box, &QCheckBox::toggled, this, edited);
    for (QLineEdit* box : fraTraitements->findChildren<QLineEdit*>())
        connect(box, &QLineEdit::textChanged, this, edited);
    connect(txtExtensions, &QLineEdit::textChanged, this, &OptionsPanel::extensionsEdited);
    for (QRadioButton* option : findChildren<QRadioButton*>())
        connect(option, &QRadioButton::toggled, this, [edited](bool on) {
            if (on)
                edited();
        });
    connect(cboNumerotationRemplissage, &QComboBox::currentIndexChanged, this, edited);
}

// The click handlers of the check boxes that own dependent fields. Start-up
// runs them once; for now they only report the edit (the greying of the
// dependent fields is not built yet).
void OptionsPanel::chkSuppressionTermes_Click()
{
    emit treatmentSettingsEdited();
}

void OptionsPanel::chkSuppressionCaracteres_Click()
{
    emit treatmentSettingsEdited();
}

void OptionsPanel::chkNumerotation_Click()
{
    emit treatmentSettingsEdited();
}

void OptionsPanel::chkAjoutChaine_Click()
{
    emit treatmentSettingsEdited();
}

QString OptionsPanel::extensions() const
{
    return txtExtensions->text();
}

void OptionsPanel::setExtensions(const QString& patterns)
{
    txtExtensions->setText(patterns);
}

void OptionsPanel::setTreatmentOptions(const TreatmentOptions& o)
{
    chkSuppressionChiffresDebut->setChecked(o.RemoveLeadingDigits);
    chkSuppressionCaracteresNonAlpha->setChecked(o.RemoveLeadingNonAlphanumerics);
    chkSuppressionMajuscules->setChecked(o.RemoveCapitals);
    chkSuppressionDurees->setChecked(o.RemoveDurations);
    chkSuppressionTermes->setChecked(o.RemoveTerms);
    txtSuppressionTermes->setText(o.TermsToRemove);
    chkSuppressionLignesVides->setChecked(o.RemoveEmptyLines);
    chkSuppressionCaracteres->setChecked(o.RemoveCharacters);
    txtSuppressionCaracteresNombre->setText(o.RemoveCharactersCount);
    selectPosition(optSuppressionCaracteresPosition, o.RemoveCharactersMode);
    txtSuppressionCaracteresPosition->setText(o.RemoveCharactersPosition);
    chkNumerotation->setChecked(o.Numbering);
    selectPosition(optNumerotationPosition, o.NumberingPosition);
    SelectComboItemByData(cboNumerotationRemplissage, o.NumberingWidth);
    txtNumerotationPrefixe->setText(o.NumberingPrefix);
    txtNumerotationSuffixe->setText(o.NumberingSuffix);
    chkAjoutChaine->setChecked(o.AddString);
    txtAjoutChaine->setText(o.AddStringText);
    selectPosition(optAjoutChainePosition, o.AddStringMode);
    txtAjoutChainePosition->setText(o.AddStringPosition);
    chkNePasReprendreExtensionOriginale->setChecked(o.DropOriginalExtension);
}

TreatmentOptions OptionsPanel::CurrentTreatmentOptions() const
{
    TreatmentOptions o;
    o.RemoveLeadingDigits = chkSuppressionChiffresDebut->isChecked();
    o.RemoveLeadingNonAlphanumerics = chkSuppressionCaracteresNonAlpha->isChecked();
    o.RemoveDurations = chkSuppressionDurees->isChecked();
    o.RemoveTerms = chkSuppressionTermes->isChecked();
    o.TermsToRemove = txtSuppressionTermes->text();
    o.RemoveCapitals = chkSuppressionMajuscules->isChecked();
    o.RemoveEmptyLines = chkSuppressionLignesVides->isChecked();
    o.RemoveCharacters = chkSuppressionCaracteres->isChecked();
    o.RemoveCharactersCount = txtSuppressionCaracteresNombre->text();
    o.RemoveCharactersMode = selectedPosition(optSuppressionCaracteresPosition);
    o.RemoveCharactersPosition = txtSuppressionCaracteresPosition->text();
    o.Numbering = chkNumerotation->isChecked();
    o.NumberingPosition =
        optNumerotationPosition[0]->isChecked() ? InsertPosition::AtStart : InsertPosition::AtEnd;
    o.NumberingWidth = GetComboItemData(cboNumerotationRemplissage);
    o.NumberingPrefix = txtNumerotationPrefixe->text();
    o.NumberingSuffix = txtNumerotationSuffixe->text();
    o.AddString = chkAjoutChaine->isChecked();
    o.AddStringText = txtAjoutChaine->text();
    o.AddStringMode = selectedPosition(optAjoutChainePosition);
    o.AddStringPosition = txtAjoutChainePosition->text();
    o.DropOriginalExtension = chkNePasReprendreExtensionOriginale->isChecked();
    return o;
}

} // namespace tervane
