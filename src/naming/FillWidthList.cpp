#include "FillWidthList.h"

#include <QComboBox>

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
