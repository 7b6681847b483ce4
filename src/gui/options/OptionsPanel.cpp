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
        LinSéparateurOptions[i] = MakeControl<QFrame>(this, QStringLiteral("LinSéparateurOptions"));
        SetArrayIndex(LinSéparateurOptions[i], i);
        LinSéparateurOptions[i]->setFrameShape(QFrame::HLine);
        LinSéparateurOptions[i]->setFrameShadow(i == 0 ? QFrame::Sunken : QFrame::Plain);
        PlaceInTwips(LinSéparateurOptions[i], 0, i * 15, 9495, 15);
    }
    lblExtensions = MakeCaptioned<QLabel>(this, QStringLiteral("lblExtensions"),
                                          QStringLiteral("Extensions des fichiers à lister"),
                                          {140, 180, 2500, 255});
    txtExtensions = makeTextBox(this, QStringLiteral("txtExtensions"), {2700, 135, 4200, 285});
    lblExtensionsSéparateur = MakeCaptioned<QLabel>(this, QStringLiteral("lblExtensionsSéparateur"),
                                                    QStringLiteral("(séparateur : point-virgule)"),
                                                    {7020, 180, 2200, 255});
}

void OptionsPanel::createTreatmentsFrame()
{
    fraTraitements = MakeControl<QGroupBox>(this, QStringLiteral("fraTraitements"));
    fraTraitements->setTitle(QStringLiteral(" Traitements à effectuer "));
    PlaceInTwips(fraTraitements, 140, 555, 9240, 4050);
    QWidget* f = fraTraitements;

    chkSuppressionChiffresDébut = MakeCaptioned<QCheckBox>(
        f, QStringLiteral("chkSuppressionChiffresDébut"),
        QStringLiteral("Suppression des éventuels chiffres en début de nom (ancienne numérotation "
                       "des pistes)"),
        {120, 300, 9000, 255});
    chkSuppressionCaractèresNonAlpha = MakeCaptioned<QCheckBox>(
        f, QStringLiteral("chkSuppressionCaractèresNonAlpha"),
        QStringLiteral("Suppression des éventuels caractères non-alphanumériques en début de nom "
                       "(résiduels d'une ancienne numérotation)"),
        {120, 580, 9000, 255});
    chkSuppressionDurées =
        MakeCaptioned<QCheckBox>(f, QStringLiteral("chkSuppressionDurées"),
                                 QStringLiteral("Suppression des durées"), {120, 860, 4000, 255});
    chkSuppressionTermes = MakeCaptioned<QCheckBox>(
        f, QStringLiteral("chkSuppressionTermes"),
        QStringLiteral("Suppression des termes suivants"), {120, 1140, 2800, 255});
    txtSuppressionTermes =
        makeTextBox(f, QStringLiteral("txtSuppressionTermes"), {2980, 1110, 3800, 285});
    lblTermesSéparateur = MakeCaptioned<QLabel>(f, QStringLiteral("lblTermesSéparateur"),
                                                QStringLiteral("(séparateur : point-virgule)"),
                                                {6900, 1155, 2200, 255});
    chkSuppressionMajuscules = MakeCaptioned<QCheckBox>(
        f, QStringLiteral("chkSuppressionMajuscules"),
        QStringLiteral("Suppression des majuscules (sauf la première)"), {120, 1440, 5000, 255});
    chkSuppressionLignesVides = MakeCaptioned<QCheckBox>(
        f, QStringLiteral("chkSuppressionLignesVides"),
        QStringLiteral("Suppression des lignes vides"), {120, 1720, 4000, 255});

    chkSuppressionCaractères =
        MakeCaptioned<QCheckBox>(f, QStringLiteral("chkSuppressionCaractères"),
                                 QStringLiteral("Suppression de"), {120, 2030, 1500, 255});
    txtSuppressionCaractèresNombre =
        makeNumberBox(f, QStringLiteral("txtSuppressionCaractèresNombre"), QStringLiteral("0"),
                      {1680, 2000, 360, 285});
    lblSuppressionCaractères =
        MakeCaptioned<QLabel>(f, QStringLiteral("lblSuppressionCaractères"),
                              QStringLiteral("caractère(s)"), {2160, 2045, 1000, 255});
    picSuppressionCaractères =
        makeOptionBox(f, QStringLiteral("picSuppressionCaractères"), {3310, 2030, 5000, 255});
    makeOptions<3>(picSuppressionCaractères, QStringLiteral("optSuppressionCaractèresPosition"),
                   {QStringLiteral("au début"), QStringLiteral("à la fin"),
                    QStringLiteral("à partir de la position")},
                   {1100, 1100, 2400}, optSuppressionCaractèresPosition);
    txtSuppressionCaractèresPosition =
        makeNumberBox(f, QStringLiteral("txtSuppressionCaractèresPosition"), QStringLiteral("1"),
                      {8370, 2000, 360, 285});

    chkNumérotation = MakeCaptioned<QCheckBox>(
        f, QStringLiteral("chkNumérotation"),
        QStringLiteral("Ajout d'une numérotation automatique"), {120, 2340, 3600, 255});
    picNumérotationPosition =
        makeOptionBox(f, QStringLiteral("picNumérotationPosition"), {3780, 2340, 2400, 255});
    makeOptions<2>(picNumérotationPosition, QStringLiteral("optNumérotationPosition"),
                   {QStringLiteral("au début"), QStringLiteral("à la fin")}, {1100, 1100},
                   optNumérotationPosition);
    lblNumérotationRemplissage = MakeCaptioned<QLabel>(
        f, QStringLiteral("lblNumérotationRemplissage"),
        QStringLiteral("Remplissage (par des zéros)"), {400, 2655, 2400, 255});
    cboNumérotationRemplissage =
        MakeControl<QComboBox>(f, QStringLiteral("cboNumérotationRemplissage"));
    PlaceInTwips(cboNumérotationRemplissage, 2860, 2610, 3800, 315);
    lblNumérotationPréfixe = MakeCaptioned<QLabel>(
        f, QStringLiteral("lblNumérotationPréfixe"),
        QStringLiteral("Préfixer la numérotation avec cette chaîne "), {400, 3005, 3500, 255});
    txtNumérotationPréfixe =
        makeTextBox(f, QStringLiteral("txtNumérotationPréfixe"), {3960, 2960, 900, 285});
    lblNumérotationSuffixe = MakeCaptioned<QLabel>(
        f, QStringLiteral("lblNumérotationSuffixe"),
        QStringLiteral(" et/ou la suffixer avec cette chaîne "), {4920, 3005, 3000, 255});
    txtNumérotationSuffixe =
        makeTextBox(f, QStringLiteral("txtNumérotationSuffixe"), {7980, 2960, 900, 285});

    chkAjoutChaîne =
        MakeCaptioned<QCheckBox>(f, QStringLiteral("chkAjoutChaîne"),
                                 QStringLiteral("Ajout de la chaîne"), {120, 3350, 1800, 255});
    txtAjoutChaîne = makeTextBox(f, QStringLiteral("txtAjoutChaîne"), {1980, 3320, 1300, 285});
    picAjoutChaîne = makeOptionBox(f, QStringLiteral("picAjoutChaîne"), {3430, 3350, 4900, 255});
    makeOptions<3>(picAjoutChaîne, QStringLiteral("optAjoutChaînePosition"),
                   {QStringLiteral("au début"), QStringLiteral("à la fin"),
                    QStringLiteral("à partir de la position")},
                   {1100, 1100, 2400}, optAjoutChaînePosition);
    txtAjoutChaînePosition = makeNumberBox(f, QStringLiteral("txtAjoutChaînePosition"),
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
    lblRequiertRedémarrage = MakeCaptioned<QLabel>(
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
    connect(cboNumérotationRemplissage, &QComboBox::currentIndexChanged, this, edited);
}

// The click handlers of the check boxes that own dependent fields. Start-up
// runs them once; for now they only report the edit (the greying of the
// dependent fields is not built yet).
void OptionsPanel::chkSuppressionTermes_Click()
{
    emit treatmentSettingsEdited();
}

void OptionsPanel::chkSuppressionCaractères_Click()
{
    emit treatmentSettingsEdited();
}

void OptionsPanel::chkNumérotation_Click()
{
    emit treatmentSettingsEdited();
}

void OptionsPanel::chkAjoutChaîne_Click()
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
    chkSuppressionChiffresDébut->setChecked(o.RemoveLeadingDigits);
    chkSuppressionCaractèresNonAlpha->setChecked(o.RemoveLeadingNonAlphanumerics);
    chkSuppressionMajuscules->setChecked(o.RemoveCapitals);
    chkSuppressionDurées->setChecked(o.RemoveDurations);
    chkSuppressionTermes->setChecked(o.RemoveTerms);
    txtSuppressionTermes->setText(o.TermsToRemove);
    chkSuppressionLignesVides->setChecked(o.RemoveEmptyLines);
    chkSuppressionCaractères->setChecked(o.RemoveCharacters);
    txtSuppressionCaractèresNombre->setText(o.RemoveCharactersCount);
    selectPosition(optSuppressionCaractèresPosition, o.RemoveCharactersMode);
    txtSuppressionCaractèresPosition->setText(o.RemoveCharactersPosition);
    chkNumérotation->setChecked(o.Numbering);
    selectPosition(optNumérotationPosition, o.NumberingPosition);
    SelectComboItemByData(cboNumérotationRemplissage, o.NumberingWidth);
    txtNumérotationPréfixe->setText(o.NumberingPrefix);
    txtNumérotationSuffixe->setText(o.NumberingSuffix);
    chkAjoutChaîne->setChecked(o.AddString);
    txtAjoutChaîne->setText(o.AddStringText);
    selectPosition(optAjoutChaînePosition, o.AddStringMode);
    txtAjoutChaînePosition->setText(o.AddStringPosition);
    chkNePasReprendreExtensionOriginale->setChecked(o.DropOriginalExtension);
}

TreatmentOptions OptionsPanel::CurrentTreatmentOptions() const
{
    TreatmentOptions o;
    o.RemoveLeadingDigits = chkSuppressionChiffresDébut->isChecked();
    o.RemoveLeadingNonAlphanumerics = chkSuppressionCaractèresNonAlpha->isChecked();
    o.RemoveDurations = chkSuppressionDurées->isChecked();
    o.RemoveTerms = chkSuppressionTermes->isChecked();
    o.TermsToRemove = txtSuppressionTermes->text();
    o.RemoveCapitals = chkSuppressionMajuscules->isChecked();
    o.RemoveEmptyLines = chkSuppressionLignesVides->isChecked();
    o.RemoveCharacters = chkSuppressionCaractères->isChecked();
    o.RemoveCharactersCount = txtSuppressionCaractèresNombre->text();
    o.RemoveCharactersMode = selectedPosition(optSuppressionCaractèresPosition);
    o.RemoveCharactersPosition = txtSuppressionCaractèresPosition->text();
    o.Numbering = chkNumérotation->isChecked();
    o.NumberingPosition =
        optNumérotationPosition[0]->isChecked() ? InsertPosition::AtStart : InsertPosition::AtEnd;
    o.NumberingWidth = GetComboItemData(cboNumérotationRemplissage);
    o.NumberingPrefix = txtNumérotationPréfixe->text();
    o.NumberingSuffix = txtNumérotationSuffixe->text();
    o.AddString = chkAjoutChaîne->isChecked();
    o.AddStringText = txtAjoutChaîne->text();
    o.AddStringMode = selectedPosition(optAjoutChaînePosition);
    o.AddStringPosition = txtAjoutChaînePosition->text();
    o.DropOriginalExtension = chkNePasReprendreExtensionOriginale->isChecked();
    return o;
}

} // namespace tervane
