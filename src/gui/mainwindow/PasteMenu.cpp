#include "mainwindow/PasteMenu.h"

#include "dialogs/PopupMenu.h"
#include "i18n/TranslationCatalogue.h"
#include "naming/PasteSources.h"
#include "text/TextHelpers.h"

using namespace Qt::StringLiterals;

namespace tervane {

std::unique_ptr<PopupMenu> buildPasteMenu(const TranslationCatalogue& texts,
                                          const QString& folderText)
{
    const bool series = seriesFolderOf(getLastPathComponent(folderText)).has_value();
    const int folderState = series ? 0 : PopupMenu::Greyed;
    const auto text = [&texts](const QString& key) { return texts.item(key); };
    auto menu = std::make_unique<PopupMenu>();
    menu->addItem(PasteClipboard,
                  text(u"TXT_POPUP_COLLER_DEPUIS_PRESSE_PAPIERS"_s) + u"\tCtrl+V"_s);
    menu->addItem(PasteTextFile, text(u"TXT_POPUP_COLLER_DEPUIS_FICHIER"_s) + u"\tCtrl+W"_s);
    menu->addItem(PasteFileNames, text(u"TXT_POPUP_COLLER_NOMS_FICHIERS"_s) + u"\tCtrl+Y"_s);
    menu->addItem(0, u"-"_s);
    menu->addItem(PasteTemplate, text(u"TXT_POPUP_COLLER_CHAINE"_s));
    menu->addItem(PasteFileTitles, text(u"TXT_POPUP_COLLER_TITRES_FICHIERS"_s));
    menu->addItem(PasteEpisodeX, text(u"TXT_POPUP_COLLER_NOM_DOSSIER_01x01"_s), folderState);
    menu->addItem(PasteEpisodeSE, text(u"TXT_POPUP_COLLER_NOM_DOSSIER_S01E01"_s), folderState);
    return menu;
}

std::optional<NameSource> pasteSourceOf(int chosenItem)
{
    if (chosenItem < PasteClipboard || chosenItem > PasteFileTitles)
        return std::nullopt;
    return static_cast<NameSource>(chosenItem - PasteClipboard);
}

} // namespace tervane
