// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>
#include <QSignalBlocker>
#include <QString>
#include <array>

namespace tervane {

// The zero-fill widths offered for the running number, in list order.
struct FillWidthEntry {
    int width;
    const char16_t* textKey;
};

inline constexpr std::array<FillWidthEntry, 9> FillWidthEntries{{
    {0, u"TXT_REMPLISSAGE0"},
    {2, u"TXT_REMPLISSAGE2"},
    {3, u"TXT_REMPLISSAGE3"},
    {4, u"TXT_REMPLISSAGE4"},
    {5, u"TXT_REMPLISSAGE5"},
    {6, u"TXT_REMPLISSAGE6"},
    {7, u"TXT_REMPLISSAGE7"},
    {8, u"TXT_REMPLISSAGE8"},
    {9, u"TXT_REMPLISSAGE9"},
}};

// Empties the list and adds the nine entries with their widths as item data;
// the texts come from textOf(key). Filling selects nothing and raises no
// change of selection.
template <typename TextOf>
void addFillWidthEntries(QComboBox* list, TextOf textOf);

void addFillWidthEntry(QComboBox* list, const QString& text, int width);
void clearFillWidthList(QComboBox* list);

// Selects the first entry of that width, or none when no entry has it.
void selectComboItemByData(QComboBox* list, int width);

// The width of the selected entry; -1 when none is selected.
int getComboItemData(const QComboBox* list);

template <typename TextOf>
void addFillWidthEntries(QComboBox* list, TextOf textOf)
{
    const QSignalBlocker quiet(list);
    clearFillWidthList(list);
    for (const FillWidthEntry& entry : FillWidthEntries)
        addFillWidthEntry(list, textOf(QString::fromUtf16(entry.textKey)), entry.width);
    selectComboItemByData(list, -1);
}

class Prompter;

// Whether the selected width suits the number of files. A list the program
// disabled always passes; no selection fails silently; a width too narrow for
// the file count shows message and gives the list the focus.
bool validateFillWidth(QComboBox* list, qint64 fileCount, Prompter& prompter,
                       const QString& message);

} // namespace tervane
