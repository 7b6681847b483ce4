#include "mainwindow/MainWindowControls.h"

#include "layout/Twips.h"
#include "mainwindow/Controls.h"
#include "mainwindow/Pictures.h"
#include "options/OptionsPanel.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QTreeView>

namespace tervane {

namespace {

QTreeView* makeListView(QWidget* parent, const QString& name, QRect twips)
{
    auto* list = makeControl<QTreeView>(parent, name);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setHeaderHidden(true);
    list->setItemsExpandable(false);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    placeInTwips(list, twips.x(), twips.y(), twips.width(), twips.height());
    return list;
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

} // namespace

void MainWindowControls::createControls(QMainWindow& window)
{
    auto* client = new QWidget(&window);
    client->setObjectName(QStringLiteral("client"));
    window.setCentralWidget(client);

    folderLabel = makeCaptioned<QLabel>(client, QStringLiteral("lblRépertoire"),
                                        QStringLiteral("Répertoire"), {120, 285, 855, 255});
    titlePicture = makeControl<QLabel>(client, QStringLiteral("imgPar"));
    titlePicture->setPixmap(logoPicture(window.palette(), window.devicePixelRatioF()));
    placeInTwips(titlePicture, 3907, 600, 1680, 390);
    folderEdit = makeControl<QLineEdit>(client, QStringLiteral("txtRépertoire"));
    placeInTwips(folderEdit, 1080, 240, 7695, 285);
    browseButton = makeCaptioned<QPushButton>(client, QStringLiteral("btnParcourir"),
                                              QStringLiteral("..."), {8880, 270, 375, 255});
    filesLabel = makeCaptioned<QLabel>(client, QStringLiteral("lblFichiers"),
                                       QStringLiteral("Fichiers"), {120, 1110, 735, 255});
    refreshButton = makeCaptioned<QPushButton>(client, QStringLiteral("btnRafraîchir"), QString(),
                                               {510, 1380, 360, 275});
    // The button shows a picture only, centred on it; clicks go through it.
    refreshPicture = makeControl<QLabel>(refreshButton, QStringLiteral("picRafraîchir"));
    refreshPicture->setPixmap(
        window.style()->standardIcon(QStyle::SP_BrowserReload).pixmap(14, 14));
    refreshPicture->setAttribute(Qt::WA_TransparentForMouseEvents);
    refreshPicture->setGeometry(QRect(QPoint(0, 0), refreshButton->size()));
    refreshPicture->setAlignment(Qt::AlignCenter);

    fileList = makeListView(client, QStringLiteral("lvwFichiers"), {960, 1080, 3495, 3375});
    fileList->setSelectionMode(QAbstractItemView::SingleSelection);
    splitterBar = makeControl<QFrame>(client, QStringLiteral("picSéparateur"));
    placeInTwips(splitterBar, 4485, 1080, 60, 3375);
    splitterBar->setCursor(Qt::SplitHCursor);
    splitterBar->setAutoFillBackground(true);
    nameList = makeListView(client, QStringLiteral("lvwNoms"), {4560, 1080, 3495, 3375});
    nameList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    pasteButton = makeCaptioned<QPushButton>(client, QStringLiteral("btnColler"),
                                             QStringLiteral("&Coller"), {8160, 1080, 975, 375});
    pasteMenuButton = makeCaptioned<QToolButton>(client, QStringLiteral("btnCollerPlus"), QString(),
                                                 {9120, 1080, 255, 375});
    pasteMenuButton->setArrowType(Qt::DownArrow);
    clearNamesButton =
        makeCaptioned<QPushButton>(client, QStringLiteral("btnViderListe"),
                                   QStringLiteral("&Vider la liste"), {8160, 1560, 1215, 375});
    renameButton = makeCaptioned<QPushButton>(client, QStringLiteral("btnRenommer"),
                                              QStringLiteral("&Renommer"), {8160, 2160, 1215, 375});
    undoButton = makeCaptioned<QPushButton>(client, QStringLiteral("btnAnnuler"),
                                            QStringLiteral("&Annuler"), {8160, 2520, 1215, 375});
    settingsButton =
        makeCaptioned<QPushButton>(client, QStringLiteral("btnRéglages"),
                                   QStringLiteral("R&églages"), {8160, 3120, 1215, 375});
    settingsButton->setProperty("tag", QStringLiteral("*"));
    for (const bool up : {true, false}) {
        QLabel*& arrow = up ? arrowUpPicture : arrowDownPicture;
        arrow = makeControl<QLabel>(settingsButton, up ? QStringLiteral("picFlècheHaut")
                                                       : QStringLiteral("picFlècheBas"));
        arrow->setPixmap(arrowPicture(window.palette(), up, window.devicePixelRatioF()));
        arrow->setAttribute(Qt::WA_TransparentForMouseEvents);
        arrow->resize(arrow->sizeHint());
        arrow->hide();
    }
    quitButton = makeCaptioned<QPushButton>(client, QStringLiteral("btnQuitter"),
                                            QStringLiteral("&Quitter"), {8160, 3600, 1215, 840});

    numericSortBox =
        makeCaptioned<QCheckBox>(client, QStringLiteral("chkTriNum"),
                                 QStringLiteral("Tri numérique"), {975, 4470, 1335, 255});
    fileCountLabel =
        makeCaptioned<QLabel>(client, QStringLiteral("lblNbFichiers"),
                              QStringLiteral("Nb éléments :"), {2400, 4485, 1335, 255});
    fileCountValue = makeCaptioned<QLabel>(client, QStringLiteral("lblNbFichiersValeur"),
                                           QStringLiteral("0"), {3960, 4485, 375, 255});
    nameCountLabel =
        makeCaptioned<QLabel>(client, QStringLiteral("lblNbNoms"), QStringLiteral("Nb éléments :"),
                              {5880, 4485, 1335, 255});
    nameCountValue = makeCaptioned<QLabel>(client, QStringLiteral("lblNbNomsValeur"),
                                           QStringLiteral("0"), {7440, 4485, 375, 255});
    const QColor highlight = window.palette().color(QPalette::Highlight);
    for (QLabel* value : {fileCountValue, nameCountValue}) {
        QPalette colours = value->palette();
        colours.setColor(QPalette::WindowText, highlight);
        value->setPalette(colours);
    }

    optionsPanel = new OptionsPanel(client);
    placeInTwips(optionsPanel, 0, 4750, DesignClientWidth, 5130);
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
