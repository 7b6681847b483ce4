// SPDX-License-Identifier: GPL-3.0-or-later
#include "options/FillWidthList.h"

#include "naming/Numbering.h"
#include "services/Prompter.h"

#include <QComboBox>

namespace tervane {

void clearFillWidthList(QComboBox* list)
{
    list->clear();
    // Tall enough for all nine entries to show without scrolling.
    list->setMaxVisibleItems(int(FillWidthEntries.size()));
}

void addFillWidthEntry(QComboBox* list, const QString& text, int width)
{
    list->addItem(text, width);
}

void selectComboItemByData(QComboBox* list, int width)
{
    list->setCurrentIndex(list->findData(width));
}

int getComboItemData(const QComboBox* list)
{
    const int index = list->currentIndex();
    return index < 0 ? -1 : list->itemData(index).toInt();
}

bool validateFillWidth(QComboBox* list, qint64 fileCount, Prompter& prompter,
                       const QString& message)
{
    // The list's own state counts, not that of the panel around it.
    if (list->testAttribute(Qt::WA_ForceDisabled))
        return true;
    const int width = getComboItemData(list);
    if (width < 0)
        return false;
    if (!fillWidthSuits(width, fileCount)) {
        prompter.message(message, MessageIcon::Exclamation);
        list->setFocus();
        return false;
    }
    return true;
}

} // namespace tervane
