#include "mainwindow/PasteMenu.h"

#include "dialogs/PopupMenu.h"
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
    menu.addItem(itemOf(NameSource::Clipboard),
                 text(u"TXT_POPUP_COLLER_DEPUIS_PRESSE_PAPIERS"_s) + u"\tCtrl+V"_s);
    menu.addItem(itemOf(NameSource::TextFile),
                 text(u"TXT_POPUP_COLLER_DEPUIS_FICHIER"_s) + u"\tCtrl+W"_s);
    menu.addItem(itemOf(NameSource::FileNames),
                 text(u"TXT_POPUP_COLLER_NOMS_FICHIERS"_s) + u"\tCtrl+Y"_s);
    menu.addItem(0, u"-"_s);
    menu.addItem(itemOf(NameSource::TypedTemplate), text(u"TXT_POPUP_COLLER_CHAINE"_s));
    menu.addItem(itemOf(NameSource::FileTitles), text(u"TXT_POPUP_COLLER_TITRES_FICHIERS"_s));
}

std::unique_ptr<PopupMenu> buildPasteMenu(const TranslationCatalogue& texts,
                                          const QString& folderText)
{
    const bool series = seriesFolderOf(getLastPathComponent(folderText)).has_value();
    const int folderState = series ? 0 : PopupMenu::Greyed;
    auto menu = std::make_unique<PopupMenu>();
    addPasteItems(*menu, texts);
    menu->addItem(itemOf(NameSource::FolderEpisodeX),
                  texts.item(u"TXT_POPUP_COLLER_NOM_DOSSIER_01x01"_s), folderState);
    menu->addItem(itemOf(NameSource::FolderEpisodeSE),
                  texts.item(u"TXT_POPUP_COLLER_NOM_DOSSIER_S01E01"_s), folderState);
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
