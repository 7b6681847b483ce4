#include "options/FillWidthList.h"

#include "naming/Numbering.h"
#include "services/Prompter.h"

#include <QComboBox>

namespace tervane {

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

bool ValidateFillWidth(QComboBox* list, qint64 fileCount, Prompter& prompter,
                       const QString& message)
{
    // The list's own state counts, not that of the panel around it.
    if (list->testAttribute(Qt::WA_ForceDisabled))
        return true;
    const int width = GetComboItemData(list);
    if (width < 0)
        return false;
    if (!FillWidthSuits(width, fileCount)) {
        prompter.message(message, MessageIcon::Exclamation);
        list->setFocus();
        return false;
    }
    return true;
}

} // namespace tervane
