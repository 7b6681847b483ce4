// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

class QAction;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMainWindow;
class QMenu;
class QPushButton;
class QScrollArea;
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
    // Gives every control a user can reach a name for screen readers, in the
    // language of the captions: run once they are translated.
    using TextLookup = std::function<QString(const QString&)>;
    void nameControlsForReaders(QMainWindow& window, const TextLookup& text);

    // Controls, named as the program names them.
    QLabel* folderLabel = nullptr;
    QLabel* titlePicture = nullptr;
    QLineEdit* folderEdit = nullptr;
    QPushButton* browseButton = nullptr;
    QLabel* filesLabel = nullptr;
    QPushButton* refreshButton = nullptr;
    QLabel* refreshPicture = nullptr;
    QPushButton* takenSortButton = nullptr; // pressed: listed by date taken
    QTreeView* fileList = nullptr;
    QFrame* splitterBar = nullptr;
    QTreeView* nameList = nullptr;
    QPushButton* pasteButton = nullptr;
    QToolButton* pasteMenuButton = nullptr;
    QPushButton* clearNamesButton = nullptr;
    QPushButton* renameButton = nullptr;
    QPushButton* undoButton = nullptr;
    QPushButton* settingsButton = nullptr;
    QLabel* arrowUpPicture = nullptr;
    QLabel* arrowDownPicture = nullptr;
    QPushButton* quitButton = nullptr;
    QCheckBox* numericSortBox = nullptr;
    QLabel* fileCountLabel = nullptr;
    QLabel* fileCountValue = nullptr;
    QLabel* nameCountLabel = nullptr;
    QLabel* nameCountValue = nullptr;
    OptionsPanel* optionsPanel = nullptr;
    // Holds the panel once the layout has read its designed place, and
    // scrolls it when the screen is too short for all of it.
    QScrollArea* optionsView = nullptr;

    QMenu* fileMenu = nullptr;
    QAction* quitAction = nullptr;
    QMenu* optionsMenu = nullptr;
    QAction* rememberPositionAction = nullptr;
    QAction* rememberSizeAction = nullptr;
    QAction* rememberSplitterAction = nullptr;
    QAction* minimiseToTrayAction = nullptr;
    QAction* alwaysOnTopAction = nullptr;
    QAction* showSettingsAction = nullptr;
    QAction* resolvePermutationsAction = nullptr;
    QAction* dateFallbackAction = nullptr;
    QAction* historyAction = nullptr;
    QAction* redoAction = nullptr;
    QMenu* helpMenu = nullptr;
    QAction* aboutAction = nullptr;
    QMenu* trayMenu = nullptr;
    QAction* trayRestoreAction = nullptr;
};

} // namespace tervane
