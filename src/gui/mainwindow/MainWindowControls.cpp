// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/MainWindowControls.h"

#include "i18n/TextKeys.h"
#include "mainwindow/Pictures.h"
#include "options/OptionsPanel.h"
#include "widgets/Controls.h"
#include "widgets/ReadableColour.h"
#include "widgets/Twips.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QToolButton>
#include <QTreeView>

#include <type_traits>
#include <utility>
#include <variant>

namespace tervane {

namespace {

void setUpListView(QTreeView* list)
{
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setHeaderHidden(true);
    list->setItemsExpandable(false);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
}

QAction* makeAction(QMenu* menu, const QString& name, const QString& caption,
                    bool checkable = false)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    action->setCheckable(checkable);
    return action;
}

void makeSeparator(QMenu* menu, const QString& name)
{
    menu->addSeparator()->setObjectName(name);
}

QMenu* makeMenu(QMenuBar* bar, const QString& name, const QString& caption)
{
    QMenu* menu = bar->addMenu(caption);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    return menu;
}

using Controls = MainWindowControls;

// The member a designed control goes to, of one of the kinds the window has.
using ControlMember =
    std::variant<QLabel * Controls::*, QLineEdit * Controls::*, QPushButton * Controls::*,
                 QToolButton * Controls::*, QCheckBox * Controls::*, QTreeView * Controls::*,
                 QFrame * Controls::*>;

// One control of the main window as designed: the member it goes to, its
// name, its caption (none for a control without one), its place in twips
// (none: set by the code that follows), and the button it sits on (none: the
// client area). Controls are made in this order, which is the tab order.
struct DesignedControl {
    ControlMember member;
    const char16_t* name;
    const char16_t* caption;
    QRect twips;
    QPushButton* Controls::*parent = nullptr;
};

const DesignedControl MainWindowDesign[] = {
    {&Controls::folderLabel, u"lblRépertoire", u"Répertoire", {120, 285, 855, 255}},
    {&Controls::titlePicture, u"imgPar", nullptr, {3907, 600, 1680, 390}},
    {&Controls::folderEdit, u"txtRépertoire", nullptr, {1080, 240, 7695, 285}},
    {&Controls::browseButton, u"btnParcourir", u"...", {8880, 270, 375, 255}},
    {&Controls::filesLabel, u"lblFichiers", u"Fichiers", {120, 1110, 735, 255}},
    {&Controls::refreshButton, u"btnRafraîchir", u"", {510, 1380, 360, 275}},
    {&Controls::refreshPicture, u"picRafraîchir", nullptr, {}, &Controls::refreshButton},
    {&Controls::takenSortButton, u"btnTriDate", u"", {510, 1715, 360, 275}},
    {&Controls::fileList, u"lvwFichiers", nullptr, {960, 1080, 3495, 3375}},
    {&Controls::splitterBar, u"picSéparateur", nullptr, {4485, 1080, 60, 3375}},
    {&Controls::nameList, u"lvwNoms", nullptr, {4560, 1080, 3495, 3375}},
    {&Controls::pasteButton, u"btnColler", u"&Coller", {8160, 1080, 975, 375}},
    {&Controls::pasteMenuButton, u"btnCollerPlus", u"", {9120, 1080, 255, 375}},
    {&Controls::clearNamesButton, u"btnViderListe", u"&Vider la liste", {8160, 1560, 1215, 375}},
    {&Controls::renameButton, u"btnRenommer", u"&Renommer", {8160, 2160, 1215, 375}},
    {&Controls::undoButton, u"btnAnnuler", u"&Annuler", {8160, 2520, 1215, 375}},
    {&Controls::settingsButton, u"btnRéglages", u"R&églages", {8160, 3120, 1215, 375}},
    {&Controls::arrowUpPicture, u"picFlècheHaut", nullptr, {}, &Controls::settingsButton},
    {&Controls::arrowDownPicture, u"picFlècheBas", nullptr, {}, &Controls::settingsButton},
    {&Controls::quitButton, u"btnQuitter", u"&Quitter", {8160, 3600, 1215, 840}},
    {&Controls::numericSortBox, u"chkTriNum", u"Tri numérique", {975, 4470, 1335, 255}},
    {&Controls::fileCountLabel, u"lblNbFichiers", u"Nb éléments :", {2400, 4485, 1335, 255}},
    {&Controls::fileCountValue, u"lblNbFichiersValeur", u"0", {3960, 4485, 375, 255}},
    {&Controls::nameCountLabel, u"lblNbNoms", u"Nb éléments :", {5880, 4485, 1335, 255}},
    {&Controls::nameCountValue, u"lblNbNomsValeur", u"0", {7440, 4485, 375, 255}},
};

// A control made as designed, of the kind of the member it goes to.
template <typename Control>
Control* makeMember(QWidget* parent, Control* Controls::*, const DesignedControl& design)
{
    auto* control = makeDesigned<Control>(parent, design.name, design.caption, design.twips);
    if constexpr (std::is_same_v<Control, QTreeView>)
        setUpListView(control);
    return control;
}

} // namespace

void MainWindowControls::createControls(QMainWindow& window)
{
    auto* client = new QWidget(&window);
    client->setObjectName(QStringLiteral("client"));
    window.setCentralWidget(client);
    for (const DesignedControl& design : MainWindowDesign) {
        QWidget* parent = design.parent ? this->*design.parent : client;
        std::visit([&](auto member) { this->*member = makeMember(parent, member, design); },
                   design.member);
    }

    titlePicture->setPixmap(logoPicture(window.palette(), window.devicePixelRatioF()));
    // The button shows a picture only, centred on it; clicks go through it.
    refreshPicture->setPixmap(
        window.style()->standardIcon(QStyle::SP_BrowserReload).pixmap(14, 14));
    refreshPicture->setAttribute(Qt::WA_TransparentForMouseEvents);
    refreshPicture->setGeometry(QRect(QPoint(0, 0), refreshButton->size()));
    refreshPicture->setAlignment(Qt::AlignCenter);
    // Beside the list it orders: a caption under it would leave the names
    // list too little room in the smallest window.
    takenSortButton->setCheckable(true);
    takenSortButton->setIcon(clockPicture(window.palette(), window.devicePixelRatioF()));
    fileList->setSelectionMode(QAbstractItemView::SingleSelection);
    splitterBar->setCursor(Qt::SplitHCursor);
    splitterBar->setAutoFillBackground(true);
    nameList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    pasteMenuButton->setArrowType(Qt::DownArrow);
    settingsButton->setProperty("tag", QStringLiteral("*"));
    for (const bool up : {true, false}) {
        QLabel* arrow = up ? arrowUpPicture : arrowDownPicture;
        arrow->setPixmap(arrowPicture(window.palette(), up, window.devicePixelRatioF()));
        arrow->setAttribute(Qt::WA_TransparentForMouseEvents);
        arrow->resize(arrow->sizeHint());
        arrow->hide();
    }
    const QColor highlight = readableOn(window.palette().color(QPalette::Highlight),
                                        window.palette().color(QPalette::Window));
    for (QLabel* value : {fileCountValue, nameCountValue}) {
        QPalette colours = value->palette();
        colours.setColor(QPalette::WindowText, highlight);
        value->setPalette(colours);
    }

    optionsPanel = new OptionsPanel(client);
    placeInTwips(optionsPanel, 0, 4750, DesignClientWidth, 5430);
    optionsView = new QScrollArea(client);
    optionsView->setFrameShape(QFrame::NoFrame);
    optionsView->setFocusPolicy(Qt::NoFocus);
    optionsView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void MainWindowControls::nameControlsForReaders(QMainWindow& window, const TextLookup& text)
{
    nameCaptionedButtons(window.centralWidget());
    nameByLabel(folderEdit, folderLabel);
    // Buttons showing a picture or "..." say what they do, on hovering too.
    const std::pair<QWidget*, QString> pictured[] = {{browseButton, TextKey::BrowseFolder},
                                                     {refreshButton, TextKey::RefreshFiles},
                                                     {takenSortButton, TextKey::SortByDateTaken},
                                                     {pasteMenuButton, TextKey::MorePaste}};
    for (const auto& [button, key] : pictured) {
        button->setAccessibleName(text(key));
        button->setToolTip(text(key));
    }
    fileList->setAccessibleName(text(TextKey::FileListName));
    nameList->setAccessibleName(text(TextKey::NameListName));
    optionsPanel->nameControlsForReaders(text);
}

void MainWindowControls::createMenus(QMainWindow& window)
{
    QMenuBar* bar = window.menuBar();
    fileMenu = makeMenu(bar, QStringLiteral("mnuFichier"), QStringLiteral("&Fichier"));
    quitAction =
        makeAction(fileMenu, QStringLiteral("mnuFichierQuitter"), QStringLiteral("&Quitter"));
    quitAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    optionsMenu = makeMenu(bar, QStringLiteral("mnuOptions"), QStringLiteral("&Options"));
    rememberPositionAction =
        makeAction(optionsMenu, QStringLiteral("mnuOptionsMémoriserPosition"),
                   QStringLiteral("Mémoriser la &position de la fenêtre"), true);
    rememberSizeAction = makeAction(optionsMenu, QStringLiteral("mnuOptionsMémoriserTaille"),
                                    QStringLiteral("Mémoriser la &taille de la fenêtre"), true);
    rememberSplitterAction =
        makeAction(optionsMenu, QStringLiteral("mnuOptionsMémoriserSéparateur"),
                   QStringLiteral("Mémoriser la p&osition du séparateur"), true);
    makeSeparator(optionsMenu, QStringLiteral("mnuOptionsSep1"));
    minimiseToTrayAction = makeAction(optionsMenu, QStringLiteral("mnuOptionsMinimiserSystray"),
                                      QStringLiteral("Minimiser dans la &systray"), true);
    alwaysOnTopAction = makeAction(optionsMenu, QStringLiteral("mnuOptionsToujoursAuDessus"),
                                   QStringLiteral("Fenêtre toujours au &dessus"), true);
    makeSeparator(optionsMenu, QStringLiteral("mnuOptionsSep2"));
    showSettingsAction = makeAction(optionsMenu, QStringLiteral("mnuOptionsAfficher"),
                                    QStringLiteral("&Afficher les réglages"), true);
    makeSeparator(optionsMenu, QStringLiteral("mnuOptionsSep3"));
    resolvePermutationsAction =
        makeAction(optionsMenu, QStringLiteral("mnuOptionsRésoudrePermutations"),
                   QStringLiteral("Résoudre les permutations de &noms"), true);
    dateFallbackAction =
        makeAction(optionsMenu, QStringLiteral("mnuOptionsDateModification"),
                   QStringLiteral("Photos sans date : date de &modification"), true);
    makeSeparator(optionsMenu, QStringLiteral("mnuOptionsSep4"));
    historyAction = makeAction(optionsMenu, QStringLiteral("mnuOptionsHistorique"),
                               QStringLiteral("&Historique des renommages…"));
    redoAction = makeAction(optionsMenu, QStringLiteral("mnuOptionsRétablir"),
                            QStringLiteral("&Rétablir le renommage annulé"));
    redoAction->setEnabled(false);

    helpMenu = makeMenu(bar, QStringLiteral("mnuAide"), QStringLiteral("&?"));
    aboutAction = makeAction(helpMenu, QStringLiteral("mnuAideAPropos"),
                             QStringLiteral("&A propos de Tervane..."));
    aboutAction->setShortcut(QKeySequence(Qt::Key_F1));

    // Only ever shown as the popup of the notification-area icon.
    trayMenu = new QMenu(QStringLiteral("Systray"), &window);
    trayMenu->setObjectName(QStringLiteral("mnuSystray"));
    trayMenu->menuAction()->setObjectName(QStringLiteral("mnuSystray"));
    trayRestoreAction =
        makeAction(trayMenu, QStringLiteral("mnuSystrayRestaurer"), QStringLiteral("&Restaurer"));
    makeSeparator(trayMenu, QStringLiteral("mnuSystraySep1"));
    makeAction(trayMenu, QStringLiteral("mnuSystrayAnnuler"), QStringLiteral("&Annuler"));
    makeSeparator(trayMenu, QStringLiteral("mnuSystraySep2"));
    QAction* quit =
        makeAction(trayMenu, QStringLiteral("mnuSystrayQuitter"), QStringLiteral("&Quitter"));
    QObject::connect(quit, &QAction::triggered, &window, &QWidget::close);
}

} // namespace tervane
