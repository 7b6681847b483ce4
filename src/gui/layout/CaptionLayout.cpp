// SPDX-License-Identifier: GPL-3.0-or-later
#include "layout/CaptionLayout.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace tervane {

namespace {

// Places second right after first: second's left := first's right + gap.
void chain(TwipsLayout& layout, const QString& first, const QString& second, int gap)
{
    const int left = rightOf(layout.value(first)) + gap;
    layout[second].moveLeft(left);
}

void fitWidth(TwipsLayout& layout, const CaptionWidths& captions, const QString& key, int margin)
{
    layout[key].setWidth(fittedWidth(captions, key, margin));
}

// The option-button arrays of the treatments frame, each in its own box.
struct OptionArray {
    QString box;
    QString name;
    int count;
    QString option(int index) const { return name + u'(' + QString::number(index) + u')'; }
};

const OptionArray OptionArrays[] = {
    {u"picSuppressionCaractères"_s, u"optSuppressionCaractèresPosition"_s, 3},
    {u"picNumérotationPosition"_s, u"optNumérotationPosition"_s, 2},
    {u"picAjoutChaîne"_s, u"optAjoutChaînePosition"_s, 3},
};

const OptionArray* optionArrayIn(const QString& box)
{
    for (const OptionArray& array : OptionArrays)
        if (array.box == box)
            return &array;
    return nullptr;
}

// A box takes the width that reaches the right edge of its last option.
void fitOptionBox(TwipsLayout& layout, const OptionArray& array)
{
    layout[array.box].setWidth(rightOf(layout.value(array.option(array.count - 1))));
}

struct Link {
    QString first;
    QString second;
    int gap;
};

// The treatments frame, left to right, in the order the links are made: an
// option box's width is known before the link that leaves it.
const Link TreatmentLinks[] = {
    {u"chkSuppressionTermes"_s, u"txtSuppressionTermes"_s, 60},
    {u"chkRemplacement"_s, u"txtRemplacementRecherche"_s, 60},
    {u"txtRemplacementRecherche"_s, u"lblRemplacementPar"_s, 120},
    {u"lblRemplacementPar"_s, u"txtRemplacementPar"_s, 60},
    {u"txtRemplacementPar"_s, u"chkRemplacementExpression"_s, 120},
    {u"chkSuppressionCaractères"_s, u"txtSuppressionCaractèresNombre"_s, 60},
    {u"txtSuppressionCaractèresNombre"_s, u"lblSuppressionCaractères"_s, 120},
    {u"lblSuppressionCaractères"_s, u"picSuppressionCaractères"_s, 150},
    {u"optSuppressionCaractèresPosition(0)"_s, u"optSuppressionCaractèresPosition(1)"_s, 150},
    {u"optSuppressionCaractèresPosition(1)"_s, u"optSuppressionCaractèresPosition(2)"_s, 150},
    {u"picSuppressionCaractères"_s, u"txtSuppressionCaractèresPosition"_s, 60},
    {u"chkNumérotation"_s, u"picNumérotationPosition"_s, 60},
    {u"optNumérotationPosition(0)"_s, u"optNumérotationPosition(1)"_s, 150},
    {u"lblNumérotationRemplissage"_s, u"cboNumérotationRemplissage"_s, 60},
    {u"lblNumérotationPréfixe"_s, u"txtNumérotationPréfixe"_s, 60},
    {u"txtNumérotationPréfixe"_s, u"lblNumérotationSuffixe"_s, 60},
    {u"lblNumérotationSuffixe"_s, u"txtNumérotationSuffixe"_s, 60},
    {u"chkAjoutChaîne"_s, u"txtAjoutChaîne"_s, 60},
    {u"txtAjoutChaîne"_s, u"picAjoutChaîne"_s, 150},
    {u"optAjoutChaînePosition(0)"_s, u"optAjoutChaînePosition(1)"_s, 150},
    {u"optAjoutChaînePosition(1)"_s, u"optAjoutChaînePosition(2)"_s, 150},
    {u"picAjoutChaîne"_s, u"txtAjoutChaînePosition"_s, 60},
};

const QStringList TreatmentCheckBoxes = {
    u"chkSuppressionTermes"_s,
    u"chkRemplacement"_s,
    u"chkRemplacementExpression"_s,
    u"chkSuppressionChiffresDébut"_s,
    u"chkSuppressionDurées"_s,
    u"chkSuppressionMajuscules"_s,
    u"chkSuppressionCaractèresNonAlpha"_s,
    u"chkSuppressionLignesVides"_s,
    u"chkSuppressionCaractères"_s,
    u"chkNumérotation"_s,
    u"chkAjoutChaîne"_s,
    u"chkNePasReprendreExtensionOriginale"_s,
};

const QStringList TreatmentLabels = {
    u"lblTermesSéparateur"_s,    u"lblSuppressionCaractères"_s, u"lblNumérotationRemplissage"_s,
    u"lblNumérotationPréfixe"_s, u"lblNumérotationSuffixe"_s,   u"lblRemplacementPar"_s,
};

// The six buttons of the column share one width.
const QStringList ColumnButtons = {u"btnColler"_s,  u"btnViderListe"_s, u"btnRenommer"_s,
                                   u"btnAnnuler"_s, u"btnRéglages"_s,   u"btnQuitter"_s};

void layoutButtonColumn(TwipsLayout& layout, const CaptionWidths& captions, int clientWidth)
{
    const int splitArrow = layout.value(u"btnCollerPlus"_s).width();
    int width = 0;
    for (const QString& button : ColumnButtons)
        width = std::max(width, fittedWidth(captions, button, 300));
    // pasteButton and its arrow form one split button of the shared width.
    width = std::max(width, captions.value(u"btnColler"_s).control + splitArrow);
    for (const QString& button : ColumnButtons) {
        QRect& place = layout[button];
        place.setWidth(width);
        place.moveLeft(clientWidth - width - 120);
    }
    layout[u"btnColler"_s].setWidth(width - splitArrow);
}

void layoutTreatments(TwipsLayout& layout, const CaptionWidths& captions)
{
    for (const QString& box : TreatmentCheckBoxes)
        fitWidth(layout, captions, box, 300);
    for (const OptionArray& array : OptionArrays)
        for (int i = 0; i < array.count; ++i)
            fitWidth(layout, captions, array.option(i), 300);
    for (const QString& label : TreatmentLabels)
        fitWidth(layout, captions, label, 0);
    fitWidth(layout, captions, u"cboNumérotationRemplissage"_s, 120);

    for (const Link& link : TreatmentLinks) {
        if (const OptionArray* array = optionArrayIn(link.first))
            fitOptionBox(layout, *array);
        chain(layout, link.first, link.second, link.gap);
    }
    for (const OptionArray& array : OptionArrays)
        fitOptionBox(layout, array);
}

// The right edge a row needs when a text box stretches between two captions.
int stretchedRow(const TwipsLayout& layout, const QString& before, int gap, const QString& after,
                 int rightMargin)
{
    return rightOf(layout.value(before)) + gap + MinimumTextBoxWidth + 120 +
           layout.value(after).width() + rightMargin;
}

// The last control of each row of the treatments frame, but the row whose
// text box stretches.
const QStringList FrameRowEnds = {
    u"chkSuppressionChiffresDébut"_s,
    u"chkSuppressionCaractèresNonAlpha"_s,
    u"chkSuppressionDurées"_s,
    u"chkRemplacementExpression"_s,
    u"chkSuppressionMajuscules"_s,
    u"chkSuppressionLignesVides"_s,
    u"txtSuppressionCaractèresPosition"_s,
    u"picNumérotationPosition"_s,
    u"cboNumérotationRemplissage"_s,
    u"txtNumérotationSuffixe"_s,
    u"txtAjoutChaînePosition"_s,
    u"chkNePasReprendreExtensionOriginale"_s,
};

int treatmentsFrameWidth(const TwipsLayout& layout)
{
    int width = stretchedRow(layout, u"chkSuppressionTermes"_s, 60, u"lblTermesSéparateur"_s, 120);
    for (const QString& key : FrameRowEnds)
        width = std::max(width, rightOf(layout.value(key)) + 120);
    return width;
}

} // namespace

void layoutMainCaptions(TwipsLayout& layout, const CaptionWidths& captions, int clientWidth)
{
    const int labels = std::max(fittedWidth(captions, u"lblRépertoire"_s, 0),
                                fittedWidth(captions, u"lblFichiers"_s, 0));
    layout[u"lblRépertoire"_s].setWidth(labels);
    layout[u"lblFichiers"_s].setWidth(labels);
    chain(layout, u"lblRépertoire"_s, u"txtRépertoire"_s, 120);
    QRect& browse = layout[u"btnParcourir"_s];
    browse.setWidth(std::max(browse.width(), captions.value(u"btnParcourir"_s).control));
    layout[u"lvwFichiers"_s].moveLeft(layout.value(u"txtRépertoire"_s).left());

    layoutButtonColumn(layout, captions, clientWidth);
    fitWidth(layout, captions, u"chkTriNum"_s, 360);
    fitWidth(layout, captions, u"lblNbFichiers"_s, 0);
    fitWidth(layout, captions, u"lblNbNoms"_s, 0);

    fitWidth(layout, captions, u"lblExtensions"_s, 0);
    fitWidth(layout, captions, u"lblExtensionsSéparateur"_s, 0);
    chain(layout, u"lblExtensions"_s, u"txtExtensions"_s, 60);

    layoutTreatments(layout, captions);

    fitWidth(layout, captions, u"lblLangue"_s, 0);
    chain(layout, u"lblLangue"_s, u"cboLangue"_s, 120);
    chain(layout, u"cboLangue"_s, u"lblRequiertRedémarrage"_s, 120);
    fitWidth(layout, captions, u"lblRequiertRedémarrage"_s, 0);
}

int captionsClientWidth(const TwipsLayout& layout, int countWidth)
{
    const auto width = [&layout](const QString& key) { return layout.value(key).width(); };
    const int buttonColumn =
        rightOf(layout.value(u"btnCollerPlus"_s)) - layout.value(u"btnColler"_s).left() + 240;
    const int topRow = layout.value(u"txtRépertoire"_s).left() + MinimumTextBoxWidth + 120 +
                       width(u"btnParcourir"_s) + 120;
    // The splitter's range must not be empty: its lowest place, then the
    // names list's own counter, then the button column.
    const int splitterMin = layout.value(u"lvwFichiers"_s).left() + width(u"chkTriNum"_s) + 120 +
                            width(u"lblNbFichiers"_s) + 300;
    const int lists =
        splitterMin + 120 + 120 + countWidth + 60 + width(u"lblNbNoms"_s) + 120 + buttonColumn;

    const QRect frame = layout.value(u"fraTraitements"_s);
    const int panel =
        std::max({2 * frame.left() + treatmentsFrameWidth(layout),
                  stretchedRow(layout, u"lblExtensions"_s, 60, u"lblExtensionsSéparateur"_s, 260),
                  rightOf(layout.value(u"lblRequiertRedémarrage"_s)) + 120});
    return std::max({topRow, lists, panel});
}

int layoutNameDialogCaptions(TwipsLayout& layout, const CaptionWidths& captions, int clientWidth)
{
    fitWidth(layout, captions, u"lblNom"_s, 0);
    chain(layout, u"lblNom"_s, u"txtNom"_s, 60);
    fitWidth(layout, captions, u"lblNumérotationRemplissage"_s, 0);
    chain(layout, u"lblNumérotationRemplissage"_s, u"cboNumérotationRemplissage"_s, 60);
    fitWidth(layout, captions, u"cboNumérotationRemplissage"_s, 120);

    // The buttons keep their designed width unless their captions need more.
    for (const QString& button : {u"btnOK"_s, u"btnAnnuler"_s}) {
        QRect& place = layout[button];
        place.setWidth(std::max(place.width(), fittedWidth(captions, button, 0)));
    }
    QRect& cancel = layout[u"btnAnnuler"_s];
    cancel.moveLeft(std::max(cancel.left(), rightOf(layout.value(u"btnOK"_s)) + 105));

    const int needed = std::max({layout.value(u"txtNom"_s).left() + MinimumTextBoxWidth + 180,
                                 rightOf(layout.value(u"cboNumérotationRemplissage"_s)) + 120,
                                 rightOf(cancel) + 120});
    clientWidth = std::max(clientWidth, needed);
    QRect& name = layout[u"txtNom"_s];
    name.setWidth(clientWidth - name.left() - 180);
    QRect& info = layout[u"lblInfo"_s];
    info.setWidth(clientWidth - 2 * info.left());
    return clientWidth;
}

} // namespace tervane
