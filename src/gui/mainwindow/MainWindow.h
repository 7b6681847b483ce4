// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "i18n/LanguageFile.h"
#include "layout/WindowLayout.h"
#include "lists/NameListEditor.h"
#include "mainwindow/MainWindowControls.h"
#include "mainwindow/WindowInTray.h"
#include "naming/NamePipeline.h"
#include "services/AppContext.h"
#include "session/AppState.h"
#include "session/RenameSession.h"
#include "settings/SettingsLocation.h"
#include "settings/WindowSettings.h"

#include <QMainWindow>
#include <QTimer>
#include <memory>
#include <optional>

class QAction;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QToolButton;
class QTreeView;

namespace tervane {

class FileListModel;
class PopupMenu;
class NameListModel;
class OptionsPanel;
class PairedLists;

// The main window: every control, the settings, and the start-up and
// shut-down sequences; what the files and names become is the session's,
// which the window drives and shows.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(AppContext& context);
    ~MainWindow() override;

    // Runs the load sequence. On failure the error has been shown and the
    // window must be discarded without unloading: nothing is saved.
    bool load();
    // Shows the window in the state the settings asked for.
    void showAsLoaded();

    // Whether the minimised window waits in the notification area.
    bool trayIconShown() const { return m_tray->iconShown(); }

    // Places the row counts under the lists; unless layoutOnly, also updates
    // them, their colour and the buttons that depend on them.
    void updateListCounters(bool layoutOnly);
    void runNamePipeline(NameSource source);
    void refreshFileList(bool refreshFirst);
    // A name run leaves the file rows as they are, and their fit stands.
    void fitListColumns(bool fileRowsChanged = true);
    // Text dropped on the names list replaces the names.
    void dropText(const QString& text);
    void pasteClicked();
    void renameClicked();
    void undoClicked();
    void undoEnded(RenameOutcome outcome);
    void historyClicked();
    void redoClicked();
    // The paste menu of the paste menu button, built for one showing.
    std::unique_ptr<PopupMenu> buildPasteMenu() const;
    void pasteMenuPressed();
    void settingsClicked();
    // Lays the controls out for the window's size, as on every resize.
    void layoutClientArea();
    // The controls' places, in twips.
    const TwipsLayout& layout() const { return m_layout; }

    // The controls, for tests to drive as a user would.
    const MainWindowControls& controls() const { return m_ui; }
    const AppState& state() const { return m_state; }
    // The session's state, for tests to read.
    const RenameWorkspace& workspace() const { return m_session.workspace(); }
    PairedLists& pairedLists() { return *m_pairedLists; }
    NameListEditor& nameListEditor() { return *m_nameEditor; }

    QTimer unloadTimer;

signals:
    // The unload sequence ran: the settings are written, the program may end.
    // (Closing a hidden window, as from the notification area's menu, does
    // not end it by itself.)
    void unloaded();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void connectLists();
    void connectHandlers();

    // Load steps that are more than one line.
    void locateSettings();
    QString languageFolder() const;
    void readInterfaceLanguage();
    void setLanguageFilePath();
    void fillLanguageList();
    void languageChosen();
    void applyStoredTreatmentSettings();
    void runDependentFieldHandlers();
    void applyWindowOptions();
    void chooseInitialFolder();
    void keepJournal();

    // The journal of the listed folder, and what it asks of the user.
    void readFolderJournal();
    void tellFolderJournal();
    void warnOfJournal(const RenameSession::LoadedJournal& loaded);
    void warnIfJournalBehind(RenameOutcome outcome);
    template <typename Command>
    RenameOutcome withProgress(const QString& captionKey, qsizetype renames, Command command);
    void warn(const QString& key, const QStringList& values);

    void filesListedAgain();
    void adjustFillWidth();
    void fillWidthChosen();
    void makeNames(NameSource source, std::optional<QStringList> lines);
    NameAsker& nameAsker();
    bool fileListIsEmpty();

    // What the names list's editor asks of the window around it.
    class ListHost final : public NameListHost {
    public:
        explicit ListHost(MainWindow& window)
            : m_window(window)
        {}
        void runNamePipeline(NameSource source) override { m_window.runNamePipeline(source); }
        bool fileListIsEmpty() override { return m_window.fileListIsEmpty(); }
        NameAsker& nameAsker() override { return m_window.nameAsker(); }
        const TranslationCatalogue& catalogue() const override
        {
            return m_window.m_state.catalogue;
        }

    private:
        MainWindow& m_window;
    };
    void refreshClicked();
    void clearNamesClicked();
    void browseClicked();
    void patternsEdited();
    void folderEdited();
    void folderDropped(const QString& folder);
    void activated();
    void unload();
    void unloadTimeout();
    void rememberNormalGeometry();
    // Keeps the window's frame, about to be placed at frame (in pixels), in
    // the work area of its own screen, or of the screen it overlaps most or
    // is nearest to (a stored place).
    enum class ScreenChoice { Own, Any };
    void keepFrameOnScreen(QRect frame, ScreenChoice choice);
    void placeOnceFramed();
    static constexpr int FramedWithinMs = 500;
    void placeFrame(const QRect& frame);

    // Geometry: captions, resizing, the splitter, the panel.
    QList<QWidget*> layoutContainers() const;
    void layoutCaptions();
    void updateMinimumSize();
    void placeOptionsView(int clientHeight);
    void placeSettingsArrow(bool panelShown);
    CountWidths countWidths() const;
    bool splitterMouseEvent(QEvent* event);
    void followSplitter();
    bool panelShown() const;
    void applyAlwaysOnTop();
    void showAboutBox();

    int twips(int pixels) const;
    int pixels(int twips) const;
    // The client area, under the menu bar, also before the window is shown.
    QSize clientSize() const;
    void showInitialisationError(int number, const QString& description);
    // A text of the catalogue.
    QString text(const QString& key) const;

    AppContext& m_context;
    MainWindowControls m_ui;
    AppState m_state;
    RenameSession m_session;
    SettingsLocation m_settingsLocation;
    LanguageFile m_languageFile;
    bool m_catalogueBuilt = false;
    bool m_activatedByWarning = false;
    WindowSettings m_window; // the window keys and the normal-state geometry, in twips
    TwipsLayout m_layout;
    SplitterBounds m_splitterBounds;
    int m_captionsWidth = MinimumClientWidth; // the narrowest client area the captions allow
    std::optional<QRect> m_beforePanel;       // the frame before the panel last showed
    bool m_placeWhenFramed = false;           // shown, the desktop's frame not yet known
    std::optional<int> m_dragOffset;          // twips into the splitter bar, while it is dragged
    FileListModel* m_fileModel = nullptr;
    bool m_filesWide = false; // the file list's column is wider than the list
    NameListModel* m_nameModel = nullptr;
    PairedLists* m_pairedLists = nullptr;
    ListHost m_listHost{*this};
    NameListEditor* m_nameEditor = nullptr;
    QString m_journalReadFor; // the folder whose journal the undo set is
    bool m_journalToTell = false;
    QString m_notAFolder; // named on the command line, said once the window shows
    bool m_unloaded = false;
    bool m_comboSuppress = false;
    std::unique_ptr<NameAsker> m_nameDialog;
    std::unique_ptr<TagReading> m_takenReading; // for the listings by date taken
    WindowInTray* m_tray = nullptr;
};

} // namespace tervane
