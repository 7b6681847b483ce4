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

    lblRepertoire = makeCaptioned<QLabel>(client, QStringLiteral("lblRépertoire"),
                                          QStringLiteral("Répertoire"), {120, 285, 855, 255});
    imgPar = makeControl<QLabel>(client, QStringLiteral("imgPar"));
    imgPar->setPixmap(logoPicture(window.palette(), window.devicePixelRatioF()));
    placeInTwips(imgPar, 3907, 600, 1680, 390);
    txtRepertoire = makeControl<QLineEdit>(client, QStringLiteral("txtRépertoire"));
    placeInTwips(txtRepertoire, 1080, 240, 7695, 285);
    btnParcourir = makeCaptioned<QPushButton>(client, QStringLiteral("btnParcourir"),
                                              QStringLiteral("..."), {8880, 270, 375, 255});
    lblFichiers = makeCaptioned<QLabel>(client, QStringLiteral("lblFichiers"),
                                        QStringLiteral("Fichiers"), {120, 1110, 735, 255});
    btnRafraichir = makeCaptioned<QPushButton>(client, QStringLiteral("btnRafraîchir"), QString(),
                                               {510, 1380, 360, 275});
    // The button shows a picture only, centred on it; clicks go through it.
    picRafraichir = makeControl<QLabel>(btnRafraichir, QStringLiteral("picRafraîchir"));
    picRafraichir->setPixmap(window.style()->standardIcon(QStyle::SP_BrowserReload).pixmap(14, 14));
    picRafraichir->setAttribute(Qt::WA_TransparentForMouseEvents);
    picRafraichir->setGeometry(QRect(QPoint(0, 0), btnRafraichir->size()));
    picRafraichir->setAlignment(Qt::AlignCenter);

    lvwFichiers = makeListView(client, QStringLiteral("lvwFichiers"), {960, 1080, 3495, 3375});
    lvwFichiers->setSelectionMode(QAbstractItemView::SingleSelection);
    picSeparateur = makeControl<QFrame>(client, QStringLiteral("picSéparateur"));
    placeInTwips(picSeparateur, 4485, 1080, 60, 3375);
    picSeparateur->setCursor(Qt::SplitHCursor);
    picSeparateur->setAutoFillBackground(true);
    lvwNoms = makeListView(client, QStringLiteral("lvwNoms"), {4560, 1080, 3495, 3375});
    lvwNoms->setSelectionMode(QAbstractItemView::ExtendedSelection);
    btnColler = makeCaptioned<QPushButton>(client, QStringLiteral("btnColler"),
                                           QStringLiteral("&Coller"), {8160, 1080, 975, 375});
    btnCollerPlus = makeCaptioned<QToolButton>(client, QStringLiteral("btnCollerPlus"), QString(),
                                               {9120, 1080, 255, 375});
    btnCollerPlus->setArrowType(Qt::DownArrow);
    btnViderListe =
        makeCaptioned<QPushButton>(client, QStringLiteral("btnViderListe"),
                                   QStringLiteral("&Vider la liste"), {8160, 1560, 1215, 375});
    btnRenommer = makeCaptioned<QPushButton>(client, QStringLiteral("btnRenommer"),
                                             QStringLiteral("&Renommer"), {8160, 2160, 1215, 375});
    btnAnnuler = makeCaptioned<QPushButton>(client, QStringLiteral("btnAnnuler"),
                                            QStringLiteral("&Annuler"), {8160, 2520, 1215, 375});
    btnReglages = makeCaptioned<QPushButton>(client, QStringLiteral("btnRéglages"),
                                             QStringLiteral("R&églages"), {8160, 3120, 1215, 375});
    btnReglages->setProperty("tag", QStringLiteral("*"));
    for (const bool up : {true, false}) {
        QLabel*& arrow = up ? picFlecheHaut : picFlecheBas;
        arrow = makeControl<QLabel>(btnReglages, up ? QStringLiteral("picFlècheHaut")
                                                    : QStringLiteral("picFlècheBas"));
        arrow->setPixmap(arrowPicture(window.palette(), up, window.devicePixelRatioF()));
        arrow->setAttribute(Qt::WA_TransparentForMouseEvents);
        arrow->resize(arrow->sizeHint());
        arrow->hide();
    }
    btnQuitter = makeCaptioned<QPushButton>(client, QStringLiteral("btnQuitter"),
                                            QStringLiteral("&Quitter"), {8160, 3600, 1215, 840});

    chkTriNum = makeCaptioned<QCheckBox>(client, QStringLiteral("chkTriNum"),
                                         QStringLiteral("Tri numérique"), {975, 4470, 1335, 255});
    lblNbFichiers = makeCaptioned<QLabel>(client, QStringLiteral("lblNbFichiers"),
                                          QStringLiteral("Nb éléments :"), {2400, 4485, 1335, 255});
    lblNbFichiersValeur = makeCaptioned<QLabel>(client, QStringLiteral("lblNbFichiersValeur"),
                                                QStringLiteral("0"), {3960, 4485, 375, 255});
    lblNbNoms = makeCaptioned<QLabel>(client, QStringLiteral("lblNbNoms"),
                                      QStringLiteral("Nb éléments :"), {5880, 4485, 1335, 255});
    lblNbNomsValeur = makeCaptioned<QLabel>(client, QStringLiteral("lblNbNomsValeur"),
                                            QStringLiteral("0"), {7440, 4485, 375, 255});
    const QColor highlight = window.palette().color(QPalette::Highlight);
    for (QLabel* value : {lblNbFichiersValeur, lblNbNomsValeur}) {
        QPalette colours = value->palette();
        colours.setColor(QPalette::WindowText, highlight);
        value->setPalette(colours);
    }

    picOptions = new OptionsPanel(client);
    placeInTwips(picOptions, 0, 4750, DesignClientWidth, 5130);
}

void MainWindowControls::createMenus(QMainWindow& window)
{
    QMenuBar* bar = window.menuBar();
    mnuFichier = makeMenu(bar, QStringLiteral("mnuFichier"), QStringLiteral("&Fichier"));
    mnuFichierQuitter =
        makeAction(mnuFichier, QStringLiteral("mnuFichierQuitter"), QStringLiteral("&Quitter"));
    mnuFichierQuitter->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    mnuOptions = makeMenu(bar, QStringLiteral("mnuOptions"), QStringLiteral("&Options"));
    mnuOptionsMemoriserPosition =
        makeAction(mnuOptions, QStringLiteral("mnuOptionsMémoriserPosition"),
                   QStringLiteral("Mémoriser la &position de la fenêtre"), true);
    mnuOptionsMemoriserTaille =
        makeAction(mnuOptions, QStringLiteral("mnuOptionsMémoriserTaille"),
                   QStringLiteral("Mémoriser la &taille de la fenêtre"), true);
    mnuOptionsMemoriserSeparateur =
        makeAction(mnuOptions, QStringLiteral("mnuOptionsMémoriserSéparateur"),
                   QStringLiteral("Mémoriser la p&osition du séparateur"), true);
    makeSeparator(mnuOptions, QStringLiteral("mnuOptionsSep1"));
    mnuOptionsMinimiserSystray =
        makeAction(mnuOptions, QStringLiteral("mnuOptionsMinimiserSystray"),
                   QStringLiteral("Minimiser dans la &systray"), true);
    mnuOptionsToujoursAuDessus =
        makeAction(mnuOptions, QStringLiteral("mnuOptionsToujoursAuDessus"),
                   QStringLiteral("Fenêtre toujours au &dessus"), true);
    makeSeparator(mnuOptions, QStringLiteral("mnuOptionsSep2"));
    mnuOptionsAfficher = makeAction(mnuOptions, QStringLiteral("mnuOptionsAfficher"),
                                    QStringLiteral("&Afficher les réglages"), true);
    makeSeparator(mnuOptions, QStringLiteral("mnuOptionsSep3"));
    mnuOptionsResoudrePermutations =
        makeAction(mnuOptions, QStringLiteral("mnuOptionsRésoudrePermutations"),
                   QStringLiteral("Résoudre les permutations de &noms"), true);

    mnuAide = makeMenu(bar, QStringLiteral("mnuAide"), QStringLiteral("&?"));
    mnuAideAPropos = makeAction(mnuAide, QStringLiteral("mnuAideAPropos"),
                                QStringLiteral("&A propos de Tervane..."));
    mnuAideAPropos->setShortcut(QKeySequence(Qt::Key_F1));

    // Only ever shown as the popup of the notification-area icon.
    mnuSystray = new QMenu(QStringLiteral("Systray"), &window);
    mnuSystray->setObjectName(QStringLiteral("mnuSystray"));
    mnuSystray->menuAction()->setObjectName(QStringLiteral("mnuSystray"));
    mnuSystrayRestaurer =
        makeAction(mnuSystray, QStringLiteral("mnuSystrayRestaurer"), QStringLiteral("&Restaurer"));
    makeSeparator(mnuSystray, QStringLiteral("mnuSystraySep1"));
    makeAction(mnuSystray, QStringLiteral("mnuSystrayAnnuler"), QStringLiteral("&Annuler"));
    makeSeparator(mnuSystray, QStringLiteral("mnuSystraySep2"));
    QAction* quit =
        makeAction(mnuSystray, QStringLiteral("mnuSystrayQuitter"), QStringLiteral("&Quitter"));
    QObject::connect(quit, &QAction::triggered, &window, &QWidget::close);
}

} // namespace tervane
