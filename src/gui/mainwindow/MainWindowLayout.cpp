// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's geometry at the edge: controls sized to their captions,
// the layout redone on every resize, the splitter drag, the options panel
// shown and hidden, and the normal-state geometry the settings keep. The
// rules themselves, in twips, live in layout/.
#include "mainwindow/MainWindow.h"

#include "i18n/TextKeys.h"
#include "i18n/TranslationCatalogue.h"
#include "layout/CaptionLayout.h"
#include "layout/LayoutWidgets.h"
#include "lists/ListModels.h"
#include "options/OptionsPanel.h"
#include "widgets/Controls.h"
#include "widgets/ReadableColour.h"
#include "widgets/Twips.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTreeView>

#include <algorithm>
#include <limits>

using namespace Qt::StringLiterals;

namespace tervane {

namespace {

constexpr Qt::WindowStates NotNormal =
    Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen;

void setBarColour(QWidget* bar, QPalette::ColorRole role)
{
    QPalette colours = bar->palette();
    colours.setColor(QPalette::Window, bar->window()->palette().color(role));
    bar->setPalette(colours);
}

} // namespace

int MainWindow::twips(int pixelCount) const
{
    return pixelsToTwips(pixelCount, widgetDpi(this));
}

int MainWindow::pixels(int twipCount) const
{
    return twipsToPixels(twipCount, widgetDpi(this));
}

QSize MainWindow::clientSize() const
{
    return {width(), height() - menuBar()->sizeHint().height()};
}

bool MainWindow::panelShown() const
{
    return !m_ui.settingsButton->property("tag").toString().isEmpty();
}

QList<QWidget*> MainWindow::layoutContainers() const
{
    return {centralWidget(),
            m_ui.optionsPanel,
            m_ui.optionsPanel->treatmentsFrame,
            m_ui.optionsPanel->removeCharactersPlaceBox,
            m_ui.optionsPanel->numberingPlaceBox,
            m_ui.optionsPanel->addStringPlaceBox};
}

void MainWindow::layoutCaptions()
{
    // Room for the arrow picture.
    m_ui.settingsButton->setText(m_ui.settingsButton->text() + u"    "_s);
    layoutMainCaptions(m_layout, measureCaptions(layoutContainers()), twips(clientSize().width()));
    const int widestCount = textWidthInTwips(m_ui.nameCountValue, u"000000"_s);
    m_captionsWidth = std::max(MinimumClientWidth, captionsClientWidth(m_layout, widestCount));
    updateMinimumSize();
    layoutClientArea();
    placeSettingsArrow(panelShown());
}

void MainWindow::updateMinimumSize()
{
    // The client area of a window as tall as its screen's work area.
    const int menu = menuBar()->sizeHint().height();
    const int roomOnScreen =
        screen()->availableGeometry().height() - (frameGeometry().height() - height()) - menu;
    const int height = minimumClientHeight(m_layout, panelShown(), twips(roomOnScreen));
    const int whole = minimumClientHeight(m_layout, panelShown(), std::numeric_limits<int>::max());
    // A panel that may scroll needs its captions' width beside its scroll bar.
    const int scrollBar =
        height < whole ? m_ui.optionsView->verticalScrollBar()->sizeHint().width() : 0;
    setMinimumSize(pixels(m_captionsWidth) + scrollBar, pixels(height) + menu);
}

void MainWindow::layoutClientArea()
{
    const QSize client = clientSize();
    const int scrollBar = m_ui.optionsView->verticalScrollBar()->sizeHint().width();
    m_splitterBounds = tervane::layoutClientArea(
        m_layout, {twips(client.width()), twips(client.height()), panelShown(), twips(scrollBar)},
        m_window.splitterRatio, countWidths());
    applyLayout(m_layout, layoutContainers());
    placeOptionsView(twips(client.height()));
    fitListColumns(true);
}

// The panel at its whole size in its view, the view where the panel would be,
// as tall as the client area lets it be.
void MainWindow::placeOptionsView(int clientHeight)
{
    const QRect panel = twipsToPixels(m_layout.value(u"picOptions"_s), widgetDpi(this));
    const int viewHeight = pixels(panelViewHeight(m_layout, clientHeight));
    m_ui.optionsPanel->resize(panel.size());
    m_ui.optionsView->setGeometry(panel.x(), panel.y(), clientSize().width(), viewHeight);
}

CountWidths MainWindow::countWidths() const
{
    return {textWidthInTwips(m_ui.fileCountValue, m_ui.fileCountValue->text()),
            textWidthInTwips(m_ui.nameCountValue, m_ui.nameCountValue->text())};
}

void MainWindow::updateListCounters(bool layoutOnly)
{
    m_ui.fileCountValue->setText(QString::number(m_session.rows().files.size()));
    m_ui.nameCountValue->setText(QString::number(m_session.rows().names.size()));
    placeCounters(m_layout, countWidths());
    applyLayout(m_layout, {centralWidget()});
    if (layoutOnly)
        return;

    const ListCounterState counters = m_session.counterState();
    QPalette colours = m_ui.nameCountValue->palette();
    const QColor background = palette().color(QPalette::Window);
    colours.setColor(
        QPalette::WindowText,
        readableOn(counters.countsAgree ? palette().color(QPalette::Highlight) : QColor(255, 0, 0),
                   background));
    m_ui.nameCountValue->setPalette(colours);
    // Names made for other files wait: the reason goes where the user looks.
    const QString forOtherFiles =
        counters.namesForOtherFiles ? text(TextKey::NamesForOtherFiles) : QString();
    const int taken = m_session.namesTaken();
    const QString takenTip =
        taken == 0   ? QString()
        : taken == 1 ? text(TextKey::OneNameTaken)
                     : insertValues(text(TextKey::NamesTakenCount), {QString::number(taken)});
    QStringList tips{forOtherFiles, takenTip};
    tips.removeAll(QString());
    m_ui.nameCountValue->setToolTip(tips.join(u'\n'));
    m_ui.renameButton->setToolTip(forOtherFiles);
    m_ui.renameButton->setAccessibleDescription(forOtherFiles);
    m_ui.renameButton->setEnabled(counters.renameEnabled);
    m_ui.clearNamesButton->setEnabled(counters.clearEnabled);
    m_ui.undoButton->setEnabled(counters.undoEnabled);
}

// ---------------------------------------------------------------- options panel

void MainWindow::settingsClicked()
{
    const bool show = !panelShown();
    // A maximised window keeps its size: the panel shows inside it. A normal
    // one grows or shrinks by the panel, its top kept where it is unless the
    // screen's bottom pushes it up; a window too tall for the screen then
    // shrinks to it, its top never pushed above it.
    const bool resizeWindow = !(windowState() & NotNormal);
    const QRect frame = frameGeometry();
    const QRect screenArea = screen()->geometry();
    const WindowSpan span = toggleOptionsPanel(show, twips(frame.height() - clientSize().height()),
                                               twips(frame.y()), m_layout.value(u"picOptions"_s),
                                               twips(screenArea.y() + screenArea.height()));

    m_ui.settingsButton->setProperty("tag", show ? u"*"_s : QString());
    updateMinimumSize();
    if (resizeWindow) {
        QRect wanted(frame.x(), pixels(span.top), frame.width(), pixels(span.height));
        // Hidden again, the panel gives back the height the window had
        // before it showed, and the top it had unless moved since.
        if (show) {
            m_beforePanel = frame;
        } else if (m_beforePanel) {
            wanted.setHeight(std::max(wanted.height(), m_beforePanel->height()));
            if (frame.top() <= m_beforePanel->top())
                wanted.moveTop(m_beforePanel->top());
        }
        if (show)
            keepFrameOnScreen(wanted, ScreenChoice::Own);
        else
            placeFrame(wanted);
    }
    layoutClientArea();
    placeSettingsArrow(show);
    m_ui.showSettingsAction->setChecked(show);
    m_ui.optionsPanel->setEnabled(show);
    // Hidden, not only below the client area: not even a line of it shows.
    m_ui.optionsView->setVisible(show);
}

void MainWindow::placeSettingsArrow(bool shown)
{
    QLabel* arrow = shown ? m_ui.arrowUpPicture : m_ui.arrowDownPicture;
    arrow->move(placeImageInButton(m_ui.settingsButton->size(), arrow->size(),
                                   ImageAlignment::Right, pixels(160)));
    arrow->show();
    (shown ? m_ui.arrowDownPicture : m_ui.arrowUpPicture)->hide();
}

// ---------------------------------------------------------------- splitter

bool MainWindow::splitterMouseEvent(QEvent* event)
{
    const auto type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove &&
        type != QEvent::MouseButtonRelease)
        return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const int mouseX = twips(int(mouse->position().x()));
    if (type == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton) {
        setBarColour(m_ui.splitterBar, QPalette::Dark);
        m_ui.splitterBar->raise();
        m_dragOffset = mouseX;
    } else if (type == QEvent::MouseMove && m_dragOffset && (mouse->buttons() & Qt::LeftButton)) {
        QRect& bar = m_layout[u"picSéparateur"_s];
        if (const auto left =
                draggedSplitterLeft(bar.left(), mouseX, *m_dragOffset, m_splitterBounds)) {
            bar.moveLeft(*left);
            followSplitter();
        }
    } else if (type == QEvent::MouseButtonRelease && m_dragOffset) {
        m_dragOffset.reset();
        followSplitter();
        setBarColour(m_ui.splitterBar, QPalette::Button);
    } else {
        return false;
    }
    return true;
}

// The lists follow the bar, and its place becomes the ratio kept.
void MainWindow::followSplitter()
{
    m_window.splitterRatio = dropSplitter(m_layout);
    updateListCounters(true);
    fitListColumns(true);
}

// ---------------------------------------------------------------- window geometry

void MainWindow::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    placeOnceFramed();
    rememberNormalGeometry();
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    placeOnceFramed();
    rememberNormalGeometry();
    if (!isMinimized())
        layoutClientArea();
}

// The first time the desktop's frame shows round the window, the frame is
// kept on the screen: its bottom edge included.
void MainWindow::placeOnceFramed()
{
    if (!m_placeWhenFramed || frameGeometry().size() == size() || (windowState() & NotNormal))
        return;
    m_placeWhenFramed = false;
    keepFrameOnScreen(frameGeometry(), ScreenChoice::Any);
}

// Moves and sizes the window for its frame (in pixels), as move() places it.
void MainWindow::placeFrame(const QRect& frame)
{
    const QSize border = frameGeometry().size() - size();
    move(frame.topLeft());
    resize(frame.size() - border);
}

void MainWindow::keepFrameOnScreen(QRect frame, ScreenChoice choice)
{
    const double dpi = widgetDpi(this);
    QList<QRect> areas;
    for (const QScreen* each :
         choice == ScreenChoice::Own ? QList{screen()} : QGuiApplication::screens())
        areas << pixelsToTwips(each->availableGeometry(), dpi);
    // A place stored as garbage may be billions of twips away: a million
    // pixels is as far, and keeps the rules' sums inside int.
    constexpr int FarAway = 1 << 20;
    frame.moveTo(std::clamp(frame.x(), -FarAway, FarAway),
                 std::clamp(frame.y(), -FarAway, FarAway));
    const QRect wanted = pixelsToTwips(frame, dpi);
    const QSize least = minimumSize() + (frameGeometry().size() - size());
    const QRect kept = keepInside(wanted, workAreaOf(wanted, areas),
                                  {twips(least.width()), twips(least.height())});
    placeFrame(twipsToPixels(kept, dpi));
}

// The stored left and top are those of the frame, as move() takes them; the
// stored size is the window's own, without the frame the window manager adds,
// as resize() takes it. Both mean the same when written and read back.
void MainWindow::rememberNormalGeometry()
{
    // A window manager may report the maximised place and size before the
    // maximised state: a frame that fills the work area is no normal geometry.
    if ((windowState() & NotNormal) || frameGeometry() == screen()->availableGeometry())
        return;
    m_window.left = twips(x());
    m_window.top = twips(y());
    m_window.width = twips(width());
    m_window.height = twips(height());
}

} // namespace tervane
