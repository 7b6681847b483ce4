// SPDX-License-Identifier: GPL-3.0-or-later
#include "lists/PasteMenu.h"

#include "dialogs/PopupMenu.h"
#include "i18n/TextKeys.h"
#include "i18n/TranslationCatalogue.h"
#include "naming/PasteSources.h"
#include "text/TextHelpers.h"

using namespace Qt::StringLiterals;

namespace tervane {

namespace {

// Each item is numbered after the source it pastes from.
constexpr int FirstPasteItem = 10;

int itemOf(NameSource source)
{
    return FirstPasteItem + static_cast<int>(source);
}

} // namespace

void addPasteItems(PopupMenu& menu, const TranslationCatalogue& texts)
{
    const auto text = [&texts](const QString& key) { return texts.item(key); };
    menu.addItem(itemOf(NameSource::Clipboard), text(TextKey::PasteFromClipboard) + u"\tCtrl+V"_s);
    menu.addItem(itemOf(NameSource::TextFile), text(TextKey::PasteFromFile) + u"\tCtrl+W"_s);
    menu.addItem(itemOf(NameSource::FileNames), text(TextKey::PasteFileNames) + u"\tCtrl+Y"_s);
    menu.addItem(0, u"-"_s);
    menu.addItem(itemOf(NameSource::TypedTemplate), text(TextKey::PasteTemplate));
    menu.addItem(itemOf(NameSource::FileTitles), text(TextKey::PasteTitlesFromTags));
}

std::unique_ptr<PopupMenu> buildPasteMenu(const TranslationCatalogue& texts,
                                          const QString& folderText)
{
    const bool series = seriesFolderOf(getLastPathComponent(folderText)).has_value();
    const int folderState = series ? 0 : PopupMenu::Greyed;
    auto menu = std::make_unique<PopupMenu>();
    addPasteItems(*menu, texts);
    menu->addItem(itemOf(NameSource::FolderEpisodeX), texts.item(TextKey::PasteEpisodesX),
                  folderState);
    menu->addItem(itemOf(NameSource::FolderEpisodeSE), texts.item(TextKey::PasteEpisodesSE),
                  folderState);
    return menu;
}

std::optional<NameSource> pasteSourceOf(int chosenItem)
{
    const auto source = static_cast<NameSource>(chosenItem - FirstPasteItem);
    if (chosenItem < FirstPasteItem || !obtainsOwnLines(source))
        return std::nullopt;
    return source;
}

} // namespace tervane
