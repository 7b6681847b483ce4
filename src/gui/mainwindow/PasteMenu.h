#pragma once

#include "naming/NamePipeline.h"

#include <QString>
#include <memory>
#include <optional>

namespace tervane {

class PopupMenu;
class TranslationCatalogue;

// The items that paste names, in this menu and the names list's, each
// numbered after the source it pastes from.
enum PasteMenuItem {
    PasteClipboard = 10,
    PasteTextFile = 11,
    PasteFileNames = 12,
    PasteTemplate = 13,
    PasteEpisodeX = 14,
    PasteEpisodeSE = 15,
    PasteFileTitles = 16,
};

// The paste menu under btnCollerPlus: every source of names, the two that
// read the folder's name greyed unless it names a series and a season.
std::unique_ptr<PopupMenu> buildPasteMenu(const TranslationCatalogue& texts,
                                          const QString& folderText);

// The source of names chosen in that menu; none when it was dismissed.
std::optional<NameSource> pasteSourceOf(int chosenItem);

} // namespace tervane
