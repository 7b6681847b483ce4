// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/MainWindow.h"

#include "base/AppError.h"
#include "base/AppIdentity.h"
#include "dialogs/AboutBox.h"
#include "dialogs/NameDialog.h"
#include "dialogs/PopupMenu.h"
#include "dialogs/TagReadingProgress.h"
#include "files/InitialFolder.h"
#include "i18n/BuiltInTexts.h"
#include "i18n/LanguageChoice.h"
#include "i18n/LanguageFile.h"
#include "i18n/TextKeys.h"
#include "layout/LayoutWidgets.h"
#include "lists/ListModels.h"
#include "lists/MarkedNameDelegate.h"
#include "lists/PairedLists.h"
#include "lists/PasteMenu.h"
#include "lists/TextDropTarget.h"
#include "mainwindow/FolderDropTarget.h"
#include "naming/NamePipeline.h"
#include "naming/Numbering.h"
#include "naming/PasteSources.h"
#include "naming/TemplateFields.h"
#include "options/FillWidthList.h"
#include "options/OptionsPanel.h"
#include "services/Clipboard.h"
#include "services/Dialogs.h"
#include "services/FileSystem.h"
#include "services/Launcher.h"
#include "services/Prompter.h"
#include "settings/Paths.h"
#include "settings/SettingsLocation.h"
#include "text/NaturalSort.h"
#include "text/TextHelpers.h"
#include "translation/TranslateForm.h"
#include "widgets/Controls.h"
#include "widgets/Twips.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QStyle>
#include <QToolButton>
#include <QTreeView>

#include <utility>

using namespace Qt::StringLiterals;

namespace tervane {

MainWindow::MainWindow(AppContext& context)
    : m_context(context)
    , m_session(context.fileSystem)
{
    setObjectName(QStringLiteral("frmTervane"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    // The names outlive many readings of the folder.
    m_session.readFileBirths();
    m_ui.createMenus(*this);
    m_ui.createControls(*this);
    connectLists();
    connectHandlers();
    m_layout = readLayout(layoutContainers());
    m_ui.optionsView->setWidget(m_ui.optionsPanel);
    // A control reached by Tab in a scrolled panel comes into view.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now && m_ui.optionsPanel->isAncestorOf(now))
            m_ui.optionsView->ensureWidgetVisible(now);
    });
    resize(pixels(DesignClientWidth), pixels(DesignClientHeight) + menuBar()->sizeHint().height());
}

MainWindow::~MainWindow() = default;

void MainWindow::connectLists()
{
    m_fileModel = new FileListModel(m_session, this);
    m_nameModel = new NameListModel(m_session, this);
    m_ui.fileList->setModel(m_fileModel);
    m_ui.nameList->setModel(m_nameModel);
    m_ui.nameList->setItemDelegate(new MarkedNameDelegate(m_ui.nameList));
    m_pairedLists = new PairedLists(m_session.rows(), m_ui.fileList, m_ui.nameList, this);
    m_nameEditor = new NameListEditor(m_session, *m_pairedLists, m_ui.nameList, m_listHost, this);
    // The models follow the session themselves; the counters and columns too.
    connect(&m_session, &RenameSession::filesChanged, this, [this] {
        updateListCounters(false);
        fitListColumns(true);
    });
    connect(&m_session, &RenameSession::namesChanged, this, [this] {
        updateListCounters(false);
        fitListColumns(false);
        m_ui.optionsPanel->showUndecidedReplacement(m_session.undecidedReplacement());
    });
    connect(&m_session, &RenameSession::undoChanged, this, [this] {
        m_ui.undoButton->setEnabled(m_session.undoSize() != 0);
        m_ui.redoAction->setEnabled(m_session.canRedo(m_session.listedFolder()));
    });
}

void MainWindow::connectHandlers()
{
    connect(m_ui.quitAction, &QAction::triggered, this, &QWidget::close);
    connect(m_ui.quitButton, &QPushButton::clicked, this, &QWidget::close);
    connect(m_ui.aboutAction, &QAction::triggered, this, &MainWindow::showAboutBox);
    for (QAction* option :
         {m_ui.rememberPositionAction, m_ui.rememberSizeAction, m_ui.rememberSplitterAction,
          m_ui.minimiseToTrayAction, m_ui.alwaysOnTopAction, m_ui.resolvePermutationsAction,
          m_ui.dateFallbackAction})
        connect(option, &QAction::triggered, this, [this] { m_state.windowOptionsChanged = true; });
    connect(m_ui.dateFallbackAction, &QAction::toggled, this, [this](bool modifiedTime) {
        m_session.setDateFallback(modifiedTime);
        if (m_ui.takenSortButton->isChecked())
            refreshFileList(false);
    });
    connect(m_ui.alwaysOnTopAction, &QAction::triggered, this, &MainWindow::applyAlwaysOnTop);
    connect(m_ui.resolvePermutationsAction, &QAction::toggled, &m_session,
            &RenameSession::setResolvesChains);
    m_tray = new WindowInTray(*this, m_context.notificationArea, *m_ui.trayMenu,
                              *m_ui.trayRestoreAction);
    connect(m_ui.settingsButton, &QPushButton::clicked, this, &MainWindow::settingsClicked);
    connect(m_ui.showSettingsAction, &QAction::triggered, this, &MainWindow::settingsClicked);
    connect(m_ui.optionsPanel->languageList, &QComboBox::activated, this,
            &MainWindow::languageChosen);
    m_ui.optionsPanel->setServices(m_context.prompter,
                                   [this](const QString& key) { return text(key); });
    connect(m_ui.optionsPanel, &OptionsPanel::settingsEdited, this,
            [this] { m_state.treatmentSettingsChanged = true; });
    connect(m_ui.optionsPanel, &OptionsPanel::namesStale, this,
            [this] { runNamePipeline(NameSource::Reapply); });
    connect(m_ui.optionsPanel, &OptionsPanel::fillWidthChosen, this, &MainWindow::fillWidthChosen);
    connect(m_ui.optionsPanel, &OptionsPanel::extensionsEdited, this, &MainWindow::patternsEdited);
    connect(m_ui.folderEdit, &QLineEdit::textChanged, this, &MainWindow::folderEdited);
    connect(m_ui.refreshButton, &QPushButton::clicked, this, &MainWindow::refreshClicked);
    connect(new QShortcut(QKeySequence(Qt::Key_F5), this), &QShortcut::activated, this,
            &MainWindow::refreshClicked);
    connect(m_ui.clearNamesButton, &QPushButton::clicked, this, &MainWindow::clearNamesClicked);
    connect(m_ui.browseButton, &QPushButton::clicked, this, &MainWindow::browseClicked);
    connect(m_ui.pasteButton, &QPushButton::clicked, this, &MainWindow::pasteClicked);
    connect(m_ui.renameButton, &QPushButton::clicked, this, &MainWindow::renameClicked);
    connect(m_ui.undoButton, &QPushButton::clicked, this, &MainWindow::undoClicked);
    connect(m_ui.historyAction, &QAction::triggered, this, &MainWindow::historyClicked);
    connect(m_ui.redoAction, &QAction::triggered, this, &MainWindow::redoClicked);
    m_ui.pasteMenuButton->installEventFilter(this);
    m_ui.splitterBar->installEventFilter(this);
    connect(m_ui.numericSortBox, &QCheckBox::clicked, this, [this] { refreshFileList(false); });
    connect(m_ui.takenSortButton, &QPushButton::clicked, this, [this] {
        m_state.windowOptionsChanged = true;
        refreshFileList(false);
    });
    new TextDropTarget(m_ui.nameList->viewport(), [this](const QString& text) { dropText(text); });
    new FolderDropTarget(m_ui.folderEdit, [this](const QString& folder) { folderDropped(folder); });
    m_ui.folderEdit->installEventFilter(this);

    unloadTimer.setObjectName(QStringLiteral("tmrUnload"));
    unloadTimer.setInterval(50);
    connect(&unloadTimer, &QTimer::timeout, this, &MainWindow::unloadTimeout);
}

// ---------------------------------------------------------------- running

bool MainWindow::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        QTimer::singleShot(0, this, &MainWindow::activated);
    return QMainWindow::event(event);
}

void MainWindow::activated()
{
    // The window becomes active again when the warning's own box closes:
    // that activation is not one of the program's windows coming back.
    if (std::exchange(m_activatedByWarning, false))
        return;
    if (getVersionText().contains(QStringLiteral("beta"))) {
        m_context.prompter.message(QStringLiteral("ATTENTION, version bêta !"), MessageIcon::None);
        m_activatedByWarning = true;
    }
}

void MainWindow::applyAlwaysOnTop()
{
    // Later: the About box joins the topmost band too.
    const bool onTop = m_ui.alwaysOnTopAction->isChecked();
    if (onTop != bool(windowFlags() & Qt::WindowStaysOnTopHint)) {
        const bool wasVisible = isVisible();
        setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
        if (wasVisible)
            show();
    }
}

void MainWindow::showAboutBox()
{
    AboutBox about(m_languageFile, m_ui.alwaysOnTopAction->isChecked(), this);
    about.exec();
    activateWindow();
}

// ---------------------------------------------------------------- files and names

void MainWindow::refreshFileList(bool refreshFirst)
{
    // The session lists again after each renaming, in the same order.
    m_takenReading = std::make_unique<TagReadingProgress>(this, m_context.readFileTags,
                                                          m_ui.takenSortButton->toolTip());
    m_session.listByDateTaken(m_ui.takenSortButton->isChecked() ? m_takenReading.get() : nullptr);
    m_session.listFiles(refreshFirst, m_ui.numericSortBox->isChecked());
    filesListedAgain();
    if (refreshFirst || m_session.listedFolder() != m_journalReadFor)
        readFolderJournal();
}

// The fill width follows the number of files, unless no fill is chosen.
void MainWindow::adjustFillWidth()
{
    QComboBox* widths = m_ui.optionsPanel->fillWidthList;
    const int selected = getComboItemData(widths);
    const int wanted = fillWidthForListing(selected, m_session.rows().files.size());
    if (wanted != selected) {
        m_comboSuppress = true;
        selectComboItemByData(widths, wanted);
        m_comboSuppress = false;
    }
}

// A width too small for the files is refused with its message, and renaming
// waits for the next counter refresh.
void MainWindow::fillWidthChosen()
{
    if (!validateFillWidth(m_ui.optionsPanel->fillWidthList, m_session.rows().files.size(),
                           m_context.prompter, text(TextKey::FillWidthTooSmall))) {
        m_ui.renameButton->setEnabled(false);
        return;
    }
    m_state.treatmentSettingsChanged = true;
    runNamePipeline(NameSource::Reapply);
}

void MainWindow::fitListColumns(bool fileRowsChanged)
{
    if (fileRowsChanged) {
        const std::vector<QStringView> files(m_session.rows().files.cbegin(),
                                             m_session.rows().files.cend());
        m_filesWide = fitListColumn(m_ui.fileList, files);
    }
    std::vector<QStringView> names;
    names.reserve(m_session.rows().names.size());
    for (const NameRow& name : m_session.rows().names)
        names.push_back(name.text);
    const bool namesWide = fitListColumn(m_ui.nameList, names);
    shareHorizontalScrollBar(m_ui.fileList, m_ui.nameList, m_filesWide || namesWide);
}

void MainWindow::runNamePipeline(NameSource source)
{
    makeNames(source, std::nullopt);
}

// The names are made from the lines given (a drop), those the source brings
// (a paste), or, without either, again from the records kept.
void MainWindow::makeNames(NameSource source, std::optional<QStringList> lines)
{
    if (m_state.isLoading || m_comboSuppress)
        return;
    const qsizetype fileCount = m_session.rows().files.size();
    if (fileCount == 0) {
        m_context.prompter.message(text(TextKey::NoFileListed), MessageIcon::Exclamation);
        return;
    }
    if (!validateFillWidth(m_ui.optionsPanel->fillWidthList, fileCount, m_context.prompter,
                           text(TextKey::FillWidthTooSmall))) {
        m_ui.renameButton->setEnabled(false);
        return;
    }
    bool failed = false;
    try {
        TagReadingProgress tagReading(this, m_context.readFileTags,
                                      captionOfEntry(text(TextKey::PasteTitlesFromTags)));
        PasteSourceReader reader(m_context.clipboard, m_context.dialogs, nameAsker(),
                                 m_context.prompter, tagReading, m_state.catalogue);
        std::optional<NameSourceInput> input = NameSourceInput{std::move(lines), {}, 0};
        if (obtainsOwnLines(source) &&
            !(input = reader.input(source, m_ui.folderEdit->text(),
                                   {m_session.listedFolder(), m_session.rows().files})))
            return;
        // A reading of tags shows its own progress, which the pointer leaves free.
        std::optional<BusyPointer> busy;
        if (!usesTagFields(input->templateText))
            busy.emplace(m_context.prompter);
        // The session keeps them for the edits of the names to come.
        m_session.setTreatmentOptions(m_ui.optionsPanel->currentTreatmentOptions());
        m_session.fillNames(source, *input, reader.tagReading());
    } catch (const std::exception&) {
        // The names list stays as it was; the records keep what the run did.
        failed = true;
    }
    if (failed)
        m_context.prompter.message(text(source == NameSource::Clipboard
                                            ? TextKey::UnreadableClipboard
                                            : TextKey::UnreadableTextFile),
                                   MessageIcon::Critical);
}

void MainWindow::dropText(const QString& dropped)
{
    makeNames(NameSource::DroppedText, textLines(dropped));
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_ui.pasteMenuButton && event->type() == QEvent::MouseButtonPress) {
        pasteMenuPressed();
        return true;
    }
    if (watched == m_ui.splitterBar && splitterMouseEvent(event))
        return true;
    // The whole folder is selected on entry, after the box's own handling.
    if (watched == m_ui.folderEdit && event->type() == QEvent::FocusIn)
        QTimer::singleShot(0, m_ui.folderEdit, &QLineEdit::selectAll);
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::refreshClicked()
{
    // Pictures may have been given other dates since.
    m_session.forgetReadTags();
    refreshFileList(true);
}

void MainWindow::clearNamesClicked()
{
    m_session.clearNames();
}

void MainWindow::browseClicked()
{
    const auto folder =
        m_context.dialogs.existingFolder(text(TextKey::ChooseFolder), m_ui.folderEdit->text());
    if (!folder)
        return;
    m_ui.folderEdit->setText(QDir::toNativeSeparators(*folder));
    // The folder already listed is listed again.
    refreshFileList(false);
}

void MainWindow::folderDropped(const QString& folder)
{
    m_ui.folderEdit->setText(folder);
    refreshFileList(false);
    m_ui.folderEdit->selectAll();
}

void MainWindow::patternsEdited()
{
    m_session.setPattern(m_ui.optionsPanel->extensions());
    if (!m_state.isLoading)
        refreshFileList(false);
    m_state.treatmentSettingsChanged = true;
}

// Only a new existing folder is listed: a keystroke on the way to one costs
// no listing, and the list keeps the last folder reached.
void MainWindow::folderEdited()
{
    if (m_session.setFolder(m_ui.folderEdit->text()) && !m_state.isLoading)
        refreshFileList(false);
}

// ---------------------------------------------------------------- paste sources

bool MainWindow::fileListIsEmpty()
{
    if (!m_session.rows().files.isEmpty())
        return false;
    m_context.prompter.message(text(TextKey::NoFileListed), MessageIcon::Exclamation);
    safeSetFocus(m_ui.fileList);
    return true;
}

void MainWindow::pasteClicked()
{
    if (!fileListIsEmpty())
        runNamePipeline(NameSource::Clipboard);
}

std::unique_ptr<PopupMenu> MainWindow::buildPasteMenu() const
{
    return tervane::buildPasteMenu(m_state.catalogue, m_ui.folderEdit->text());
}

void MainWindow::pasteMenuPressed()
{
    if (fileListIsEmpty())
        return;
    const int chosen = buildPasteMenu()->trackPopup(this, -1, -1, m_ui.pasteMenuButton, true);
    if (const auto source = pasteSourceOf(chosen))
        runNamePipeline(*source);
}

NameAsker& MainWindow::nameAsker()
{
    if (m_context.nameAsker)
        return *m_context.nameAsker;
    if (!m_nameDialog)
        m_nameDialog = std::make_unique<NameDialogAsker>(m_state.catalogue, m_languageFile,
                                                         m_context.prompter, this);
    return *m_nameDialog;
}

void MainWindow::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        m_tray->windowStateChanged(m_ui.minimiseToTrayAction->isChecked());
}

} // namespace tervane
