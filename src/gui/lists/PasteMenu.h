// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "naming/NamePipeline.h"

#include <QString>
#include <memory>
#include <optional>

namespace tervane {

class PopupMenu;
class TranslationCatalogue;

// The items that paste names from a source of the file list's own (the
// clipboard, a text file, the current names, a template, the tags' titles),
// as the paste menu and the names list's menu both list them.
void addPasteItems(PopupMenu& menu, const TranslationCatalogue& texts);

// The paste menu under pasteMenuButton: every source of names, the two that
// read the folder's name greyed unless it names a series and a season.
std::unique_ptr<PopupMenu> buildPasteMenu(const TranslationCatalogue& texts,
                                          const QString& folderText);

// The source of names chosen in that menu; none when it was dismissed.
std::optional<NameSource> pasteSourceOf(int chosenItem);

} // namespace tervane
