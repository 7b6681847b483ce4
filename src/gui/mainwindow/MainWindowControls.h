#pragma once

class QAction;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMainWindow;
class QMenu;
class QPushButton;
class QToolButton;
class QTreeView;

namespace tervane {

class OptionsPanel;

// Client size of the main window as designed, in twips, with the options
// panel shown.
inline constexpr int DesignClientWidth = 9495;
inline constexpr int DesignClientHeight = 9880;

// The controls and menus of the main window, made and placed as designed,
// each carrying its name as its objectName (language files and tests find
// controls by it). The window owns them through Qt's parent links.
struct MainWindowControls {
    // Makes every control in a new central widget of window.
    void createControls(QMainWindow& window);
    // Makes the menus of window's menu bar, and the notification-area menu.
    void createMenus(QMainWindow& window);

    // Controls, named as the program names them.
    QLabel* lblRepertoire = nullptr;
    QLabel* imgPar = nullptr;
    QLineEdit* txtRepertoire = nullptr;
    QPushButton* btnParcourir = nullptr;
    QLabel* lblFichiers = nullptr;
    QPushButton* btnRafraichir = nullptr;
    QLabel* picRafraichir = nullptr;
    QTreeView* lvwFichiers = nullptr;
    QFrame* picSeparateur = nullptr;
    QTreeView* lvwNoms = nullptr;
    QPushButton* btnColler = nullptr;
    QToolButton* btnCollerPlus = nullptr;
    QPushButton* btnViderListe = nullptr;
    QPushButton* btnRenommer = nullptr;
    QPushButton* btnAnnuler = nullptr;
    QPushButton* btnReglages = nullptr;
    QLabel* picFlecheHaut = nullptr;
    QLabel* picFlecheBas = nullptr;
    QPushButton* btnQuitter = nullptr;
    QCheckBox* chkTriNum = nullptr;
    QLabel* lblNbFichiers = nullptr;
    QLabel* lblNbFichiersValeur = nullptr;
    QLabel* lblNbNoms = nullptr;
    QLabel* lblNbNomsValeur = nullptr;
    OptionsPanel* picOptions = nullptr;

    QMenu* mnuFichier = nullptr;
    QAction* mnuFichierQuitter = nullptr;
    QMenu* mnuOptions = nullptr;
    QAction* mnuOptionsMemoriserPosition = nullptr;
    QAction* mnuOptionsMemoriserTaille = nullptr;
    QAction* mnuOptionsMemoriserSeparateur = nullptr;
    QAction* mnuOptionsMinimiserSystray = nullptr;
    QAction* mnuOptionsToujoursAuDessus = nullptr;
    QAction* mnuOptionsAfficher = nullptr;
    QAction* mnuOptionsResoudrePermutations = nullptr;
    QMenu* mnuAide = nullptr;
    QAction* mnuAideAPropos = nullptr;
    QMenu* mnuSystray = nullptr;
    QAction* mnuSystrayRestaurer = nullptr;
};

} // namespace tervane
