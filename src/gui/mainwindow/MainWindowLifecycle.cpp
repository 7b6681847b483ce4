// The start-up and shut-down sequences of the main window: settings, language,
// translation, stored options and geometry in, then out again.
#include "mainwindow/MainWindow.h"

#include "dialogs/NameDialog.h"
#include "dialogs/PopupMenu.h"
#include "files/InitialFolder.h"
#include "i18n/BuiltInTexts.h"
#include "i18n/LanguageChoice.h"
#include "i18n/LanguageFile.h"
#include "i18n/TranslateForm.h"
#include "lists/ListModels.h"
#include "lists/PairedLists.h"
#include "mainwindow/Controls.h"
#include "mainwindow/Twips.h"
#include "naming/Numbering.h"
#include "naming/PasteSources.h"
#include "options/FillWidthList.h"
#include "options/OptionsPanel.h"
#include "rename/RenameCommand.h"
#include "services/AppError.h"
#include "services/AppIdentity.h"
#include "services/Clipboard.h"
#include "services/Dialogs.h"
#include "services/FileSystem.h"
#include "services/Launcher.h"
#include "services/Prompter.h"
#include "settings/IniFile.h"
#include "settings/Paths.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsLocation.h"
#include "text/NaturalSort.h"
#include "text/TextHelpers.h"

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

#include <utility>

using namespace Qt::StringLiterals;

namespace tervane {

// ---------------------------------------------------------------- start-up

bool MainWindow::Form_Load()
{
    Prompter& prompter = m_context.prompter;
    try {
        prompter.setBusy(true);
        QCoreApplication::processEvents();
        setWindowTitle(GetTitleWithVersion());
        setWindowIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
        mnuSystray->menuAction()->setVisible(false);
        locateSettings();
        readInterfaceLanguage();
        setLanguageFilePath();
        m_languageFile = m_state.LanguageFilePath.isEmpty()
                             ? LanguageFile()
                             : LanguageFile::load(m_state.LanguageFilePath);
        m_state.catalogue = BuildTranslationCatalogue(m_languageFile);
        m_catalogueBuilt = true;
        TranslateForm(this, m_languageFile);
        if (const QString notice = text(u"TraductionIncomplète"_s); !notice.isEmpty())
            prompter.message(notice, MessageIcon::Exclamation);
        fillLanguageList();
        QPalette bar = picSeparateur->palette();
        bar.setColor(QPalette::Window, palette().color(QPalette::Button));
        picSeparateur->setPalette(bar);
        FillWidthList(picOptions->cboNumerotationRemplissage,
                      [this](const QString& key) { return text(key); });
        // Later: the controls sized to their translated captions.
        m_state.IsLoading = true;
        applyStoredTreatmentSettings();
        runDependentFieldHandlers();
        applyWindowOptions();
        chooseInitialFolder();
        RefreshFileList(false);
        m_state.IsLoading = false;
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
    const QString key = u"MSG_ERREUR_INITIALISATION"_s;
    const QString message =
        m_catalogueBuilt ? text(key) : LookupTranslation({}, key, FrenchText(key));
    m_context.prompter.setBusy(false);
    m_context.prompter.message(InsertValues(message, {QString::number(number), description}),
                               MessageIcon::Critical);
}

QString MainWindow::text(const QString& key) const
{
    return m_state.catalogue.Item(key);
}

void MainWindow::locateSettings()
{
    m_settingsLocation = LocateSettings(m_context.programFolder, m_context.folders, AppTitle);
    m_state.SettingsFolderPath = m_settingsLocation.folderPath;
    m_state.SettingsFilePath = m_settingsLocation.filePath;
    // A settings file left next to an installed program moves before anything
    // is read from it, its language first.
    CreateSettingsFolders(m_settingsLocation, m_context.folders);
    MigrateEarlierSettings(m_settingsLocation);
}

void MainWindow::readInterfaceLanguage()
{
    m_state.InterfaceLanguage =
        ReadIniString(m_state.SettingsFilePath, SettingsKey::Section, SettingsKey::Language, {});
    if (m_state.InterfaceLanguage.isEmpty()) {
        const FirstRunLanguage choice =
            ChooseFirstRunLanguage(m_context.systemLanguageCode, m_context.programFolder);
        m_state.InterfaceLanguage = choice.language;
        if (choice.welcome)
            m_context.prompter.message(WelcomeMessage(AppTitle), MessageIcon::Information);
        m_state.TreatmentSettingsChanged = true;
    }
}

void MainWindow::setLanguageFilePath()
{
    m_state.LanguageFilePath =
        LanguageFilePathFor(m_context.programFolder, m_state.InterfaceLanguage);
    if (!m_state.LanguageFilePath.isEmpty() && !PathExists(m_state.LanguageFilePath, 0)) {
        m_state.InterfaceLanguage = BuiltInLanguage;
        m_state.LanguageFilePath.clear();
    }
}

void MainWindow::fillLanguageList()
{
    QComboBox* list = picOptions->cboLangue;
    list->clear();
    list->addItem(BuiltInLanguage);
    list->addItems(LanguageNames(m_context.programFolder));
    if (m_state.LanguageFilePath.isEmpty() || list->count() == 1) {
        m_state.InterfaceLanguage = BuiltInLanguage;
        list->setEnabled(list->count() > 1);
    }
    list->setCurrentIndex(list->findText(m_state.InterfaceLanguage));
}

void MainWindow::cboLangue_Click()
{
    const QString chosen = picOptions->cboLangue->currentText();
    if (chosen == m_state.InterfaceLanguage || chosen.isEmpty())
        return;
    m_state.InterfaceLanguage = chosen;
    m_context.prompter.message(text(u"MSG_CHANGEMENT_LANGUE"_s), MessageIcon::Exclamation);
    m_state.TreatmentSettingsChanged = true;
    m_state.RestartRequired = true;
    tmrUnload.start();
}

void MainWindow::applyStoredTreatmentSettings()
{
    const QString& file = m_state.SettingsFilePath;
    picOptions->setExtensions(
        ReadIniString(file, SettingsKey::Section, SettingsKey::Extensions, DefaultExtensions));
    picOptions->setTreatmentOptions(LoadTreatmentOptions(file));
}

void MainWindow::runDependentFieldHandlers()
{
    picOptions->chkSuppressionTermes_Click();
    picOptions->chkSuppressionCaracteres_Click();
    picOptions->chkNumerotation_Click();
    picOptions->chkAjoutChaine_Click();
    btnReglages_Click();
}

void MainWindow::applyWindowOptions()
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    m_window = ReadWindowSettings(m_state.SettingsFilePath, twips(width()), twips(height()),
                                  twips(screen.width()), twips(screen.height()));
    mnuOptionsMemoriserSeparateur->setChecked(m_window.rememberSplitter);
    mnuOptionsMemoriserTaille->setChecked(m_window.rememberSize);
    mnuOptionsMemoriserPosition->setChecked(m_window.rememberPosition);
    setGeometry(pixels(m_window.left), pixels(m_window.top), pixels(m_window.width),
                pixels(m_window.height));
    mnuOptionsMinimiserSystray->setChecked(m_window.minimiseToTray);
    mnuOptionsToujoursAuDessus->setChecked(m_window.alwaysOnTop);
    ApplyAlwaysOnTop();
}

void MainWindow::chooseInitialFolder()
{
    const FileSystem& files = m_context.fileSystem;
    const FolderTest folderExists = [&files](const QString& path) {
        return files.folderExists(path);
    };
    QString folder = FolderFromCommandLine(m_context.commandLine, folderExists);
    if (folder.isEmpty())
        folder = ReadIniString(m_state.SettingsFilePath, SettingsKey::Section,
                               SettingsKey::LastFolder, m_context.folders.get(DocumentsFolder));
    folder = WalkUpToExistingFolder(folder, m_context.programFolder, folderExists);
    txtRepertoire->setText(folder);
    txtRepertoire->setCursorPosition(int(folder.size()));
}

void MainWindow::showAsLoaded()
{
    if (m_window.maximised)
        showMaximized();
    else
        show();
}

// ---------------------------------------------------------------- shut-down

void MainWindow::tmrUnload_Timer()
{
    if (m_state.RestartRequired)
        close();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!m_unloaded) {
        m_unloaded = true;
        Form_Unload();
    }
    event->accept();
}

void MainWindow::Form_Unload()
{
    const QString& file = m_state.SettingsFilePath;
    if (m_state.TreatmentSettingsChanged) {
        WriteIniString(file, SettingsKey::Section, SettingsKey::Language,
                       m_state.InterfaceLanguage);
        WriteIniString(file, SettingsKey::Section, SettingsKey::Extensions,
                       picOptions->extensions());
        SaveTreatmentOptions(file, picOptions->CurrentTreatmentOptions());
    }
    m_window.rememberSplitter = mnuOptionsMemoriserSeparateur->isChecked();
    m_window.rememberSize = mnuOptionsMemoriserTaille->isChecked();
    m_window.rememberPosition = mnuOptionsMemoriserPosition->isChecked();
    m_window.minimiseToTray = mnuOptionsMinimiserSystray->isChecked();
    m_window.alwaysOnTop = mnuOptionsToujoursAuDessus->isChecked();
    if (m_state.WindowOptionsChanged)
        WriteWindowOptions(file, m_window);
    rememberNormalGeometry();
    WriteWindowPosition(file, m_window);
    if (m_window.rememberSize && !btnReglages->property("tag").toString().isEmpty()) {
        btnReglages_Click();
        rememberNormalGeometry();
    }
    m_window.maximised = isMaximized();
    WriteWindowSize(file, m_window);
    WriteIniString(file, SettingsKey::Section, SettingsKey::LastFolder, txtRepertoire->text());
    if (m_state.RestartRequired)
        m_context.launcher.relaunch();
}

} // namespace tervane
