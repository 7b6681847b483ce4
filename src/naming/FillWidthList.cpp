#include "FillWidthList.h"

#include <QComboBox>
#include <QHash>

void ClearFillWidthList(QComboBox* list)
{
    list->clear();
    // Tall enough for all nine entries to show without scrolling.
    list->setMaxVisibleItems(int(FillWidthEntries.size()));
}

void AddFillWidthEntry(QComboBox* list, const QString& text, int width)
{
    list->addItem(text, width);
}

void SelectComboItemByData(QComboBox* list, int width)
{
    list->setCurrentIndex(list->findData(width));
}

int GetComboItemData(const QComboBox* list)
{
    const int index = list->currentIndex();
    return index < 0 ? -1 : list->itemData(index).toInt();
}

QString BuiltInFillWidthText(const QString& key)
{
    static const QHash<QString, QString> texts{
        {QStringLiteral("TXT_REMPLISSAGE0"), QStringLiteral("aucun (1 - 999999999)")},
        {QStringLiteral("TXT_REMPLISSAGE2"), QStringLiteral("sur 2 caractères (01-99)")},
        {QStringLiteral("TXT_REMPLISSAGE3"), QStringLiteral("sur 3 caractères (001-999)")},
        {QStringLiteral("TXT_REMPLISSAGE4"), QStringLiteral("sur 4 caractères (0001-9999)")},
        {QStringLiteral("TXT_REMPLISSAGE5"), QStringLiteral("sur 5 caractères (00001-99999)")},
        {QStringLiteral("TXT_REMPLISSAGE6"), QStringLiteral("sur 6 caractères (000001-999999)")},
        {QStringLiteral("TXT_REMPLISSAGE7"), QStringLiteral("sur 7 caractères (0000001-9999999)")},
        {QStringLiteral("TXT_REMPLISSAGE8"),
         QStringLiteral("sur 8 caractères (00000001-99999999)")},
        {QStringLiteral("TXT_REMPLISSAGE9"),
         QStringLiteral("sur 9 caractères (000000001-999999999)")},
    };
    return texts.value(key);
}
