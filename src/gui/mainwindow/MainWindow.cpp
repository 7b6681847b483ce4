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

MainWindow::MainWindow(AppContext& context)
    : m_context(context)
    , m_session(context.fileSystem)
{
    setObjectName(QStringLiteral("frmTervane"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    createMenus(*this);
    createControls(*this);
    connectLists();
    connectHandlers();
    resize(pixels(DesignClientWidth), pixels(DesignClientHeight) + menuBar()->sizeHint().height());
}

MainWindow::~MainWindow() = default;

void MainWindow::connectLists()
{
    m_fileModel = new FileListModel(m_workspace, this);
    m_nameModel = new NameListModel(m_workspace, this);
    lvwFichiers->setModel(m_fileModel);
    lvwNoms->setModel(m_nameModel);
    m_pairedLists = new PairedLists(m_workspace, lvwFichiers, lvwNoms, this);
    // The lists follow the session: whatever changed its rows, they show them.
    connect(&m_session, &RenameSession::filesChanged, this, [this] {
        m_fileModel->reload();
        UpdateListCounters(false);
        FitListColumns(true);
    });
    connect(&m_session, &RenameSession::namesChanged, this, [this] {
        UpdateListCounters(false);
        FitListColumns(false);
    });
    connect(&m_session, &RenameSession::undoChanged, this,
            [this] { btnAnnuler->setEnabled(!m_workspace.undoSet.empty()); });
}

void MainWindow::connectHandlers()
{
    connect(mnuFichierQuitter, &QAction::triggered, this, &QWidget::close);
    connect(btnQuitter, &QPushButton::clicked, this, &QWidget::close);
    connect(mnuAideAPropos, &QAction::triggered, this, &MainWindow::showAboutBox);
    for (QAction* option :
         {mnuOptionsMemoriserPosition, mnuOptionsMemoriserTaille, mnuOptionsMemoriserSeparateur,
          mnuOptionsMinimiserSystray, mnuOptionsToujoursAuDessus})
        connect(option, &QAction::triggered, this, [this] { m_state.WindowOptionsChanged = true; });
    connect(mnuOptionsToujoursAuDessus, &QAction::triggered, this, &MainWindow::ApplyAlwaysOnTop);
    connect(btnReglages, &QPushButton::clicked, this, &MainWindow::btnReglages_Click);
    connect(mnuOptionsAfficher, &QAction::triggered, this, &MainWindow::btnReglages_Click);
    connect(picOptions->cboLangue, &QComboBox::activated, this, &MainWindow::cboLangue_Click);
    connect(picOptions, &OptionsPanel::treatmentSettingsEdited, this, [this] {
        m_state.TreatmentSettingsChanged = true;
        RunNamePipeline(NameSource::Reapply);
    });
    connect(picOptions, &OptionsPanel::extensionsEdited, this, &MainWindow::txtExtensions_Change);
    connect(txtRepertoire, &QLineEdit::textChanged, this, &MainWindow::txtRepertoire_Change);
    connect(btnRafraichir, &QPushButton::clicked, this, &MainWindow::btnRafraichir_Click);
    connect(btnViderListe, &QPushButton::clicked, this, &MainWindow::btnViderListe_Click);
    connect(btnParcourir, &QPushButton::clicked, this, &MainWindow::btnParcourir_Click);
    connect(btnColler, &QPushButton::clicked, this, &MainWindow::btnColler_Click);
    connect(btnRenommer, &QPushButton::clicked, this, &MainWindow::btnRenommer_Click);
    connect(btnAnnuler, &QPushButton::clicked, this, &MainWindow::btnAnnuler_Click);
    btnCollerPlus->installEventFilter(this);
    connect(chkTriNum, &QCheckBox::clicked, this, [this] { RefreshFileList(false); });
    lvwNoms->setAcceptDrops(true);
    lvwNoms->viewport()->installEventFilter(this);

    tmrUnload.setObjectName(QStringLiteral("tmrUnload"));
    tmrUnload.setInterval(50);
    connect(&tmrUnload, &QTimer::timeout, this, &MainWindow::tmrUnload_Timer);
}

int MainWindow::twips(int pixelCount) const
{
    return PixelsToTwips(pixelCount, WidgetDpi(this));
}

int MainWindow::pixels(int twipCount) const
{
    return TwipsToPixels(twipCount, WidgetDpi(this));
}

int MainWindow::clientHeightTwips() const
{
    return twips(height() - menuBar()->sizeHint().height());
}

// ---------------------------------------------------------------- running

bool MainWindow::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        QTimer::singleShot(0, this, &MainWindow::Form_Activate);
    return QMainWindow::event(event);
}

void MainWindow::Form_Activate()
{
    // The window becomes active again when the warning's own box closes:
    // that activation is not one of the program's windows coming back.
    if (std::exchange(m_activatedByWarning, false))
        return;
    if (GetVersionText().contains(QStringLiteral("beta"))) {
        m_context.prompter.message(QStringLiteral("ATTENTION, version bêta !"), MessageIcon::None);
        m_activatedByWarning = true;
    }
}

// Also redraws the names: the problem count marks the duplicates red.
void MainWindow::UpdateListCounters(bool layoutOnly)
{
    const auto placeCounter = [this](QLabel* caption, QLabel* value, const QTreeView* list,
                                     qsizetype count) {
        value->setText(QString::number(count));
        const int valueWidth = twips(value->fontMetrics().horizontalAdvance(value->text()));
        const int listRight = twips(list->x() + list->width());
        const int top = twips(chkTriNum->y()) + 30;
        const int valueLeft = listRight - 120 - valueWidth;
        PlaceInTwips(value, valueLeft, top, valueWidth, twips(value->height()));
        PlaceInTwips(caption, valueLeft - 60 - twips(caption->width()), top,
                     twips(caption->width()), twips(caption->height()));
    };
    placeCounter(lblNbFichiers, lblNbFichiersValeur, lvwFichiers, m_workspace.fileRows.size());
    placeCounter(lblNbNoms, lblNbNomsValeur, lvwNoms, qsizetype(m_workspace.nameRows.size()));
    if (layoutOnly)
        return;

    const ListCounterState counters = ComputeListCounterState(m_workspace);
    QPalette colours = lblNbNomsValeur->palette();
    colours.setColor(QPalette::WindowText, counters.countsAgree
                                               ? palette().color(QPalette::Highlight)
                                               : QColor(255, 0, 0));
    lblNbNomsValeur->setPalette(colours);
    m_nameModel->refresh();
    btnRenommer->setEnabled(counters.renameEnabled);
    btnViderListe->setEnabled(counters.clearEnabled);
    btnAnnuler->setEnabled(counters.undoEnabled);
}

void MainWindow::btnReglages_Click()
{
    const bool show = btnReglages->property("tag").toString().isEmpty();
    btnReglages->setProperty("tag", show ? QStringLiteral("*") : QString());
    const int outside = twips(height()) - clientHeightTwips();
    int windowHeight = outside + OptionsPanelTop + (show ? OptionsPanelHeight : 0);
    int windowTop = twips(y());
    const int screenHeight = twips(QGuiApplication::primaryScreen()->geometry().height());
    if (show && windowTop + windowHeight > screenHeight - ScreenBottomMargin)
        windowTop = screenHeight - windowHeight - ScreenBottomMargin;
    setGeometry(x(), pixels(windowTop), width(), pixels(windowHeight));
    mnuOptionsAfficher->setChecked(show);
    picOptions->setEnabled(show);
}

void MainWindow::ApplyAlwaysOnTop()
{
    // Later: the About box joins the topmost band too.
    const bool onTop = mnuOptionsToujoursAuDessus->isChecked();
    if (onTop != bool(windowFlags() & Qt::WindowStaysOnTopHint)) {
        const bool wasVisible = isVisible();
        setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
        if (wasVisible)
            show();
    }
}

void MainWindow::showAboutBox()
{
    QDialog about(this);
    about.setObjectName(QStringLiteral("frmAPropos"));
    about.setWindowTitle(AppTitle);
    auto* layout = new QVBoxLayout(&about);
    auto* text = new QLabel(GetTitleWithVersion() + QStringLiteral("\n\nRenomme d'un coup les "
                                                                   "fichiers d'un dossier."),
                            &about);
    layout->addWidget(text);
    about.exec();
    activateWindow();
}

void MainWindow::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    rememberNormalGeometry();
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    rememberNormalGeometry();
}

void MainWindow::rememberNormalGeometry()
{
    if (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen))
        return;
    m_window.left = twips(x());
    m_window.top = twips(y());
    m_window.width = twips(width());
    m_window.height = twips(height());
}

// ---------------------------------------------------------------- files and names

void MainWindow::RefreshFileList(bool refreshFirst)
{
    m_session.listFiles(refreshFirst, chkTriNum->isChecked());
    if (!m_workspace.fileRows.isEmpty())
        adjustFillWidth();
}

// The fill width follows the number of files, unless no fill is chosen.
void MainWindow::adjustFillWidth()
{
    QComboBox* widths = picOptions->cboNumerotationRemplissage;
    const int selected = GetComboItemData(widths);
    const int wanted = FillWidthForListing(selected, m_workspace.fileRows.size());
    if (wanted != selected) {
        ComboSuppress = true;
        SelectComboItemByData(widths, wanted);
        ComboSuppress = false;
    }
}

void MainWindow::FitListColumns(bool fileRowsChanged)
{
    if (fileRowsChanged) {
        const std::vector<QStringView> files(m_workspace.fileRows.cbegin(),
                                             m_workspace.fileRows.cend());
        m_filesWide = FitListColumn(lvwFichiers, files);
    }
    std::vector<QStringView> names;
    names.reserve(m_workspace.nameRows.size());
    for (const NameRow& name : m_workspace.nameRows)
        names.push_back(name.text);
    const bool namesWide = FitListColumn(lvwNoms, names);
    ShareHorizontalScrollBar(lvwFichiers, lvwNoms, m_filesWide || namesWide);
}

void MainWindow::RunNamePipeline(NameSource source)
{
    if (m_state.IsLoading || ComboSuppress)
        return;
    const qsizetype fileCount = m_workspace.fileRows.size();
    if (fileCount == 0) {
        m_context.prompter.message(text(u"MSG_ERREUR_LISTE_FICHIERS_VIDE"_s),
                                   MessageIcon::Exclamation);
        return;
    }
    if (!ValidateFillWidth(picOptions->cboNumerotationRemplissage, fileCount, m_context.prompter,
                           text(u"MSG_ERREUR_VALEUR_REMPLISSAGE"_s))) {
        btnRenommer->setEnabled(false);
        return;
    }
    bool failed = false;
    try {
        if (ObtainsOwnLines(source) && !ObtainPendingLines(source))
            return;
        const BusyPointer busy(m_context.prompter);
        m_session.generateNames(picOptions->CurrentTreatmentOptions(),
                                source == NameSource::Reapply
                                    ? std::nullopt
                                    : std::optional<QStringList>(m_workspace.pendingLines));
    } catch (const std::exception&) {
        // The names list stays as it was; the records keep what the run did.
        failed = true;
    }
    if (failed)
        m_context.prompter.message(text(source == NameSource::Clipboard
                                            ? u"MSG_ERREUR_CONTENU_PRESSE-PAPIERS"_s
                                            : u"MSG_ERREUR_CONTENU_FICHIER"_s),
                                   MessageIcon::Critical);
}

void MainWindow::dropText(const QString& dropped)
{
    m_workspace.pendingLines = SplitIntoLines(NormaliseLineBreaks(dropped));
    RunNamePipeline(NameSource::DroppedText);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == btnCollerPlus && event->type() == QEvent::MouseButtonPress) {
        btnCollerPlus_MouseDown();
        return true;
    }
    if (watched != lvwNoms->viewport())
        return QMainWindow::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDropEvent*>(event);
        if (drag->mimeData()->hasText()) {
            drag->acceptProposedAction();
            return true;
        }
        break;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        if (drop->mimeData()->hasText()) {
            drop->acceptProposedAction();
            dropText(drop->mimeData()->text());
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::btnRafraichir_Click()
{
    RefreshFileList(true);
}

void MainWindow::btnViderListe_Click()
{
    m_session.clearNames();
}

void MainWindow::btnParcourir_Click()
{
    const auto folder = m_context.dialogs.existingFolder(
        text(u"TXT_VEUILLEZ_SELECTIONNER_DOSSIER"_s), txtRepertoire->text());
    if (folder)
        txtRepertoire->setText(QDir::toNativeSeparators(*folder));
}

void MainWindow::txtExtensions_Change()
{
    m_session.setPattern(picOptions->extensions());
    if (!m_state.IsLoading)
        RefreshFileList(false);
    m_state.TreatmentSettingsChanged = true;
}

void MainWindow::txtRepertoire_Change()
{
    if (!m_session.setFolder(txtRepertoire->text()))
        return;
    if (!m_state.IsLoading)
        RefreshFileList(false);
}

// ---------------------------------------------------------------- paste sources

namespace {

enum PasteMenuItem {
    PasteClipboard = 10,
    PasteTextFile = 11,
    PasteFileNames = 12,
    PasteTemplate = 13,
    PasteEpisodeX = 14,
    PasteEpisodeSE = 15,
};

} // namespace

bool MainWindow::fileListIsEmpty()
{
    if (!m_workspace.fileRows.isEmpty())
        return false;
    m_context.prompter.message(text(u"MSG_ERREUR_LISTE_FICHIERS_VIDE"_s), MessageIcon::Exclamation);
    SafeSetFocus(lvwFichiers);
    return true;
}

void MainWindow::btnColler_Click()
{
    if (!fileListIsEmpty())
        RunNamePipeline(NameSource::Clipboard);
}

std::unique_ptr<PopupMenu> MainWindow::buildPasteMenu() const
{
    const bool series = SeriesFolderOf(GetLastPathComponent(txtRepertoire->text())).has_value();
    const int folderState = series ? 0 : PopupMenu::Greyed;
    auto menu = std::make_unique<PopupMenu>();
    menu->AddItem(PasteClipboard,
                  text(u"TXT_POPUP_COLLER_DEPUIS_PRESSE_PAPIERS"_s) + u"\tCtrl+V"_s);
    menu->AddItem(PasteTextFile, text(u"TXT_POPUP_COLLER_DEPUIS_FICHIER"_s) + u"\tCtrl+W"_s);
    menu->AddItem(PasteFileNames, text(u"TXT_POPUP_COLLER_NOMS_FICHIERS"_s) + u"\tCtrl+Y"_s);
    menu->AddItem(0, u"-"_s);
    menu->AddItem(PasteTemplate, text(u"TXT_POPUP_COLLER_CHAINE"_s));
    menu->AddItem(PasteEpisodeX, text(u"TXT_POPUP_COLLER_NOM_DOSSIER_01x01"_s), folderState);
    menu->AddItem(PasteEpisodeSE, text(u"TXT_POPUP_COLLER_NOM_DOSSIER_S01E01"_s), folderState);
    return menu;
}

void MainWindow::btnCollerPlus_MouseDown()
{
    if (fileListIsEmpty())
        return;
    const int chosen = buildPasteMenu()->TrackPopup(this, -1, -1, btnCollerPlus, true);
    if (chosen >= PasteClipboard && chosen <= PasteEpisodeSE)
        RunNamePipeline(static_cast<NameSource>(chosen - PasteClipboard));
}

NameAsker& MainWindow::nameAsker()
{
    if (m_context.nameAsker)
        return *m_context.nameAsker;
    if (!m_nameDialog)
        m_nameDialog = std::make_unique<NameDialogAsker>(m_state.catalogue, m_languageFile,
                                                         m_context.prompter);
    return *m_nameDialog;
}

// Fills the pending lines from the source; false ends the run (nothing to
// paste, or the user cancelled). Throws when a text cannot be read.
bool MainWindow::ObtainPendingLines(NameSource source)
{
    PasteSourceReader reader(m_context.clipboard, m_context.dialogs, nameAsker(),
                             m_context.prompter, m_state.catalogue);
    const auto lines = reader.read(source, txtRepertoire->text(), m_workspace.fileRows);
    if (!lines)
        return false;
    m_workspace.pendingLines = *lines;
    return true;
}

// ---------------------------------------------------------------- renaming

void MainWindow::btnRenommer_Click()
{
    const RenameOutcome outcome = m_session.rename(m_context.prompter, m_state.catalogue);
    if (outcome == RenameOutcome::NotPossible || outcome == RenameOutcome::Declined ||
        outcome == RenameOutcome::Busy)
        return;
    RefreshFileList(true);
    m_pairedLists->lvwNoms_ItemClick(0);
}

void MainWindow::btnAnnuler_Click()
{
    if (m_session.undo(m_context.prompter, m_state.catalogue) == RenameOutcome::Busy)
        return;
    RefreshFileList(true);
    if (!m_workspace.nameRows.empty())
        m_pairedLists->lvwNoms_ItemClick(0);
}

} // namespace tervane
