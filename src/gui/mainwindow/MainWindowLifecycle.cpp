// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up and shut-down sequences of the main window: settings, language,
// translation, stored options and geometry in, then out again.
#include "mainwindow/MainWindow.h"

#include "base/AppError.h"
#include "base/AppIdentity.h"
#include "dialogs/NameDialog.h"
#include "dialogs/PopupMenu.h"
#include "files/InitialFolder.h"
#include "i18n/BuiltInTexts.h"
#include "i18n/LanguageChoice.h"
#include "i18n/LanguageFile.h"
#include "i18n/QtTranslations.h"
#include "i18n/TextKeys.h"
#include "lists/ListModels.h"
#include "lists/PairedLists.h"
#include "naming/Numbering.h"
#include "naming/PasteSources.h"
#include "options/FillWidthList.h"
#include "options/OptionsPanel.h"
#include "services/Clipboard.h"
#include "services/Dialogs.h"
#include "services/FileSystem.h"
#include "services/Launcher.h"
#include "services/Prompter.h"
#include "settings/GeneralSettings.h"
#include "settings/Paths.h"
#include "settings/SettingsLocation.h"
#include "text/NaturalSort.h"
#include "text/TextHelpers.h"
#include "translation/TranslateForm.h"
#include "widgets/Controls.h"
#include "widgets/ProgramIcon.h"
#include "widgets/Twips.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QDropEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>
#include <QWindow>

#include <utility>

using namespace Qt::StringLiterals;

namespace tervane {

// ---------------------------------------------------------------- start-up

bool MainWindow::load()
{
    Prompter& prompter = m_context.prompter;
    try {
        prompter.setBusy(true);
        QCoreApplication::processEvents();
        setWindowTitle(getTitleWithVersion());
        setWindowIcon(programIcon());
        m_ui.trayMenu->menuAction()->setVisible(false);
        locateSettings();
        readInterfaceLanguage();
        setLanguageFilePath();
        m_languageFile = m_state.languageFilePath.isEmpty()
                             ? LanguageFile()
                             : LanguageFile::load(m_state.languageFilePath);
        installQtTranslations(interfaceLocale(m_languageFile));
        m_state.catalogue = buildTranslationCatalogue(m_languageFile);
        m_catalogueBuilt = true;
        translateForm(this, m_languageFile);
        m_ui.nameControlsForReaders(*this, [this](const QString& key) { return text(key); });
        m_nameModel->setTakenTip(text(TextKey::NameTakenBy));
        m_nameModel->setProblemTips(text(TextKey::DoubledName), text(TextKey::EmptyName));
        m_nameModel->setForOtherFilesTip(text(TextKey::NamesForOtherFiles));
        m_fileModel->setForeignTip(text(TextKey::ForeignName));
        m_fileModel->setRowTip([this](int row) {
            const auto tags = m_session.readTagsOfRow(row);
            if (!tags || !tags->picture)
                return QString();
            if (!tags->takenDate.isValid())
                return text(TextKey::NoDateTaken);
            const QString taken = QLocale().toString(QDateTime(tags->takenDate, tags->takenTime),
                                                     QLocale::ShortFormat);
            return insertValues(text(TextKey::TakenOn),
                                {tags->camera.isEmpty() ? taken : taken + u", "_s + tags->camera});
        });
        if (const QString notice = text(u"TraductionIncomplète"_s); !notice.isEmpty())
            prompter.message(notice, MessageIcon::Exclamation);
        fillLanguageList();
        QPalette bar = m_ui.splitterBar->palette();
        bar.setColor(QPalette::Window, palette().color(QPalette::Button));
        m_ui.splitterBar->setPalette(bar);
        addFillWidthEntries(m_ui.optionsPanel->fillWidthList,
                            [this](const QString& key) { return text(key); });
        layoutCaptions();
        m_state.isLoading = true;
        applyStoredTreatmentSettings();
        runDependentFieldHandlers();
        applyWindowOptions();
        chooseInitialFolder();
        keepJournal();
        refreshFileList(false);
        m_state.isLoading = false;
        prompter.setBusy(false);
        return true;
    } catch (const AppError& error) {
        showInitialisationError(error.number(), error.description());
    } catch (const std::exception& error) {
        showInitialisationError(0, QString::fromLocal8Bit(error.what()));
    }
    return false;
}

void MainWindow::showInitialisationError(int number, const QString& description)
{
    // Before the catalogue exists its built-in French text stands in, so that
    // an early failure never shows an empty box.
    const QString key = TextKey::StartFailed;
    const QString message =
        m_catalogueBuilt ? text(key) : lookupTranslation({}, key, frenchText(key));
    m_context.prompter.setBusy(false);
    m_context.prompter.message(insertValues(message, {QString::number(number), description}),
                               MessageIcon::Critical);
}

QString MainWindow::text(const QString& key) const
{
    return m_state.catalogue.item(key);
}

void MainWindow::locateSettings()
{
    m_settingsLocation = settingsLocationFor(m_context.programFolder, m_context.folders, AppTitle);
    m_state.settingsFolderPath = m_settingsLocation.folderPath;
    m_state.settingsFilePath = m_settingsLocation.filePath;
    // A settings file left next to an installed program moves before anything
    // is read from it, its language first.
    createSettingsFolders(m_settingsLocation, m_context.folders);
    migrateEarlierSettings(m_settingsLocation);
}

QString MainWindow::languageFolder() const
{
    return languageFolderFor(m_context.programFolder);
}

void MainWindow::readInterfaceLanguage()
{
    m_state.interfaceLanguage = readLanguage(m_state.settingsFilePath);
    if (m_state.interfaceLanguage.isEmpty()) {
        const FirstRunLanguage choice =
            chooseFirstRunLanguage(m_context.systemLanguageCode, languageFolder());
        m_state.interfaceLanguage = choice.language;
        if (choice.welcome)
            m_context.prompter.message(welcomeMessage(AppTitle), MessageIcon::Information);
        m_state.treatmentSettingsChanged = true;
    }
}

void MainWindow::setLanguageFilePath()
{
    m_state.languageFilePath = languageFilePathFor(languageFolder(), m_state.interfaceLanguage);
    if (!m_state.languageFilePath.isEmpty() && !pathExists(m_state.languageFilePath, 0)) {
        m_state.interfaceLanguage = BuiltInLanguage;
        m_state.languageFilePath.clear();
    }
}

void MainWindow::fillLanguageList()
{
    QComboBox* list = m_ui.optionsPanel->languageList;
    list->clear();
    list->addItem(BuiltInLanguage);
    list->addItems(languageNames(languageFolder()));
    if (m_state.languageFilePath.isEmpty() || list->count() == 1) {
        m_state.interfaceLanguage = BuiltInLanguage;
        list->setEnabled(list->count() > 1);
    }
    list->setCurrentIndex(list->findText(m_state.interfaceLanguage));
}

void MainWindow::languageChosen()
{
    const QString chosen = m_ui.optionsPanel->languageList->currentText();
    if (chosen == m_state.interfaceLanguage || chosen.isEmpty())
        return;
    m_state.interfaceLanguage = chosen;
    m_context.prompter.message(text(TextKey::LanguageChanged), MessageIcon::Exclamation);
    m_state.treatmentSettingsChanged = true;
    m_state.restartRequired = true;
    unloadTimer.start();
}

void MainWindow::applyStoredTreatmentSettings()
{
    const QString& file = m_state.settingsFilePath;
    m_ui.optionsPanel->setExtensions(readExtensions(file));
    m_ui.optionsPanel->setTreatmentOptions(loadTreatmentOptions(file));
}

void MainWindow::runDependentFieldHandlers()
{
    m_ui.optionsPanel->removeTermsToggled();
    m_ui.optionsPanel->replaceToggled();
    m_ui.optionsPanel->removeCharactersToggled();
    m_ui.optionsPanel->numberingToggled();
    m_ui.optionsPanel->addStringToggled();
    settingsClicked();
}

void MainWindow::applyWindowOptions()
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    m_window = readWindowSettings(m_state.settingsFilePath, twips(width()), twips(height()),
                                  twips(screen.width()), twips(screen.height()));
    m_ui.rememberSplitterAction->setChecked(m_window.rememberSplitter);
    m_ui.rememberSizeAction->setChecked(m_window.rememberSize);
    m_ui.rememberPositionAction->setChecked(m_window.rememberPosition);
    // The window keeps at least its minimum size, and is centred with the size
    // it has, not one too small to show; the frame goes where it was, on a
    // screen: a stored place may be on none now, or above the screen's top.
    resize(pixels(m_window.width), pixels(m_window.height));
    if (!m_window.rememberPosition) {
        m_window.left = (twips(screen.width()) - twips(width())) / 2;
        m_window.top = (twips(screen.height()) - twips(height())) / 2;
    }
    keepFrameOnScreen({QPoint(pixels(m_window.left), pixels(m_window.top)), frameGeometry().size()},
                      ScreenChoice::Any);
    m_ui.minimiseToTrayAction->setChecked(m_window.minimiseToTray);
    m_ui.alwaysOnTopAction->setChecked(m_window.alwaysOnTop);
    m_ui.resolvePermutationsAction->setChecked(m_window.resolvePermutations);
    m_session.setResolvesChains(m_window.resolvePermutations);
    m_ui.takenSortButton->setChecked(m_window.sortByDateTaken);
    m_ui.dateFallbackAction->setChecked(m_window.dateFallback);
    m_session.setDateFallback(m_window.dateFallback);
    applyAlwaysOnTop();
}

void MainWindow::chooseInitialFolder()
{
    const FileSystem& files = m_context.fileSystem;
    const FolderTest folderExists = [&files](const QString& path) {
        return files.folderExists(path);
    };
    // A folder named on the command line is taken as it is given; anything
    // else is said once the window shows, over the last folder.
    const QString& named = m_context.folderArgument;
    QString folder = named;
    if (named.isEmpty() || !folderExists(named)) {
        m_notAFolder = named;
        folder = readLastFolder(m_state.settingsFilePath, m_context.folders.documents);
    }
    folder = walkUpToExistingFolder(folder, m_context.programFolder, folderExists);
    m_ui.folderEdit->setText(folder);
    m_ui.folderEdit->setCursorPosition(int(folder.size()));
}

// Renamings and undos are journalled with the command line's, where journals
// live; those kept beside the settings by an earlier version move there.
void MainWindow::keepJournal()
{
    if (const QString journals = journalFolderOf(m_context.folders); !journals.isEmpty()) {
        m_session.keepJournal(journals, earlierJournalFolderOf(m_state.settingsFilePath),
                              FrontEnd::Window);
        m_session.setHistoryLength(readHistoryLength(m_state.settingsFilePath));
    }
}

void MainWindow::showAsLoaded()
{
    if (m_window.maximised) {
        showMaximized();
    } else {
        show();
        keepFrameOnScreen(frameGeometry(), ScreenChoice::Any);
        // The frame the desktop adds is known once it has framed the window,
        // which it does later: the place is checked again then, and after a
        // while for a desktop that says its frame without moving the window.
        m_placeWhenFramed = true;
        QTimer::singleShot(FramedWithinMs, this, &MainWindow::placeOnceFramed);
    }
    // How much of the panel shows depends on the screen the window is on.
    connect(windowHandle(), &QWindow::screenChanged, this, &MainWindow::updateMinimumSize,
            Qt::UniqueConnection);
    if (!m_notAFolder.isEmpty())
        warn(TextKey::NotAFolder, {std::exchange(m_notAFolder, {})});
    tellFolderJournal();
}

// ---------------------------------------------------------------- shut-down

void MainWindow::unloadTimeout()
{
    if (m_state.restartRequired)
        close();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!m_unloaded) {
        m_unloaded = true;
        unload();
    }
    event->accept();
}

void MainWindow::unload()
{
    // Quitting from the icon's menu leaves no icon behind.
    m_tray->forgetIcon();
    const QString& file = m_state.settingsFilePath;
    if (m_state.treatmentSettingsChanged) {
        writeLanguage(file, m_state.interfaceLanguage);
        writeExtensions(file, m_ui.optionsPanel->extensions());
        saveTreatmentOptions(file, m_ui.optionsPanel->currentTreatmentOptions());
    }
    m_window.rememberSplitter = m_ui.rememberSplitterAction->isChecked();
    m_window.rememberSize = m_ui.rememberSizeAction->isChecked();
    m_window.rememberPosition = m_ui.rememberPositionAction->isChecked();
    m_window.minimiseToTray = m_ui.minimiseToTrayAction->isChecked();
    m_window.alwaysOnTop = m_ui.alwaysOnTopAction->isChecked();
    m_window.resolvePermutations = m_ui.resolvePermutationsAction->isChecked();
    m_window.sortByDateTaken = m_ui.takenSortButton->isChecked();
    m_window.dateFallback = m_ui.dateFallbackAction->isChecked();
    if (m_state.windowOptionsChanged)
        writeWindowOptions(file, m_window);
    rememberNormalGeometry();
    writeWindowPosition(file, m_window);
    if (m_window.rememberSize && panelShown()) {
        settingsClicked();
        rememberNormalGeometry();
    }
    // A maximised window that is minimised is stored as a normal one.
    m_window.maximised = isMaximized() && !isMinimized();
    writeWindowSize(file, m_window);
    writeLastFolder(file, m_ui.folderEdit->text());
    if (m_state.restartRequired)
        // By its own full path, not a bare name that would depend on the
        // current folder and the search path; with the same arguments.
        m_context.launcher.relaunch(QCoreApplication::applicationFilePath(),
                                    QCoreApplication::arguments().mid(1));
    emit unloaded();
}

} // namespace tervane
