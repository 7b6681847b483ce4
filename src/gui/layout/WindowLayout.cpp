// SPDX-License-Identifier: GPL-3.0-or-later
#include "layout/WindowLayout.h"

#include <algorithm>
#include <cmath>
#include <utility>

using namespace Qt::StringLiterals;

namespace tervane {

namespace {

// Under the quit button: the panel when it shows, and a margin.
int spaceBelowQuit(int panelHeight, bool panelShown)
{
    return panelShown ? panelHeight + 360 : 300;
}

// The button column and the browse button against the right edge, the quit
// button against the bottom (or above the panel), the panel under it.
void layoutRightEdge(TwipsLayout& layout, const ClientArea& area)
{
    QRect& browse = layout[u"btnParcourir"_s];
    browse.moveLeft(area.width - browse.width() - 120);
    QRect& folder = layout[u"txtRépertoire"_s];
    folder.setWidth(browse.left() - 120 - folder.left());
    QRect& logo = layout[u"imgPar"_s];
    logo.moveLeft((area.width - logo.width()) / 2);

    QRect& arrow = layout[u"btnCollerPlus"_s];
    arrow.moveLeft(area.width - arrow.width() - 120);
    QRect& paste = layout[u"btnColler"_s];
    paste.moveLeft(arrow.left() - paste.width());
    for (const QString& button :
         {u"btnViderListe"_s, u"btnRenommer"_s, u"btnAnnuler"_s, u"btnRéglages"_s})
        layout[button].moveLeft(paste.left());

    // The quit button goes above the panel, but never higher than in the
    // smallest window: a client area too short for the whole panel (a short
    // screen) shows what it can of it, and the panel scrolls.
    QRect& panel = layout[u"picOptions"_s];
    QRect& quit = layout[u"btnQuitter"_s];
    const int highest =
        area.panelShown ? MinimumClientHeight - quit.height() - spaceBelowQuit(0, false) : 0;
    quit.moveTo(paste.left(),
                std::max(highest, area.height - quit.height() -
                                      spaceBelowQuit(panel.height(), area.panelShown)));
    panel.moveTop(bottomOf(quit) + 300);
}

// The list area runs from the file list's left edge to 120 twips before the
// button column.
int listAreaRight(const TwipsLayout& layout)
{
    return layout.value(u"btnColler"_s).left() - 120;
}

SplitterBounds splitterBounds(const TwipsLayout& layout)
{
    const auto width = [&layout](const QString& key) { return layout.value(key).width(); };
    return {rightOf(layout.value(u"chkTriNum"_s)) + 120 + width(u"lblNbFichiers"_s) + 300,
            layout.value(u"lblNbNoms"_s).left() - 120};
}

// Beside and under the lists: the refresh button left of the file list, the
// order of taking under it, the numeric-order check box under the list.
void layoutUnderLists(TwipsLayout& layout)
{
    const QRect files = layout.value(u"lvwFichiers"_s);
    QRect& refresh = layout[u"btnRafraîchir"_s];
    refresh.moveLeft(files.left() - 120 - refresh.width());
    layout[u"btnTriDate"_s].moveLeft(refresh.left());
    layout[u"chkTriNum"_s].moveTo(files.left(), bottomOf(files) + 20);
}

void layoutOptionsPanel(TwipsLayout& layout, int clientWidth)
{
    layout[u"picOptions"_s].setWidth(clientWidth);
    for (const QString& line : {u"LinSéparateurOptions(0)"_s, u"LinSéparateurOptions(1)"_s})
        layout[line].setWidth(clientWidth);
    QRect& separator = layout[u"lblExtensionsSéparateur"_s];
    separator.moveLeft(clientWidth - 260 - separator.width());
    QRect& patterns = layout[u"txtExtensions"_s];
    patterns.setWidth(separator.left() - 120 - patterns.left());

    QRect& frame = layout[u"fraTraitements"_s];
    frame.setWidth(clientWidth - 2 * frame.left());
    QRect& termsSeparator = layout[u"lblTermesSéparateur"_s];
    termsSeparator.moveLeft(frame.width() - 120 - termsSeparator.width());
    QRect& terms = layout[u"txtSuppressionTermes"_s];
    terms.setWidth(termsSeparator.left() - 120 - terms.left());
}

// The lists on either side of the bar, 15 twips from it.
void placeListsBesideBar(TwipsLayout& layout, int right)
{
    const QRect bar = layout.value(u"picSéparateur"_s);
    QRect& files = layout[u"lvwFichiers"_s];
    files.setWidth(bar.left() - 15 - files.left());
    QRect& names = layout[u"lvwNoms"_s];
    names.moveLeft(rightOf(bar) + 15);
    names.setWidth(right - names.left());
}

} // namespace

SplitterBounds layoutClientArea(TwipsLayout& layout, const ClientArea& area, int splitterRatio,
                                CountWidths counts)
{
    layoutRightEdge(layout, area);

    // The bounds depend on the list area and the captions, not on the bar:
    // they are taken for this size, so that a narrower window never leaves
    // the bar over the names list's counter.
    const QRect quit = layout.value(u"btnQuitter"_s);
    QRect& bar = layout[u"picSéparateur"_s];
    bar.setHeight(bottomOf(quit) - bar.top());
    for (const QString& list : {u"lvwFichiers"_s, u"lvwNoms"_s})
        layout[list].setHeight(bar.height());
    const int left = layout.value(u"lvwFichiers"_s).left();
    const int right = listAreaRight(layout);
    layout[u"lvwNoms"_s].setRight(right - 1);
    layoutUnderLists(layout);
    placeCounters(layout, counts);
    const SplitterBounds bounds = splitterBounds(layout);

    const int atRatio = left + int(std::lround((right - left) * splitterRatio / 100.0));
    bar.moveLeft(std::min(bounds.max, std::max(bounds.min, atRatio)));
    placeListsBesideBar(layout, right);
    placeCounters(layout, counts);
    // A scrolled panel leaves room for its scroll bar.
    const bool scrolled = area.panelShown && panelViewHeight(layout, area.height) <
                                                 layout.value(u"picOptions"_s).height();
    layoutOptionsPanel(layout, area.width - (scrolled ? area.scrollBarWidth : 0));
    return bounds;
}

void placeCounters(TwipsLayout& layout, CountWidths counts)
{
    const int top = layout.value(u"chkTriNum"_s).top() + 30;
    const auto place = [&layout, top](const QString& list, const QString& caption,
                                      const QString& value, int valueWidth) {
        QRect& number = layout[value];
        number =
            QRect(rightOf(layout.value(list)) - 120 - valueWidth, top, valueWidth, number.height());
        QRect& label = layout[caption];
        label.moveTo(number.left() - 60 - label.width(), top);
    };
    place(u"lvwFichiers"_s, u"lblNbFichiers"_s, u"lblNbFichiersValeur"_s, counts.files);
    place(u"lvwNoms"_s, u"lblNbNoms"_s, u"lblNbNomsValeur"_s, counts.names);
}

std::optional<int> draggedSplitterLeft(int barLeft, int mouseX, int dragOffset,
                                       SplitterBounds bounds)
{
    const int mouse = barLeft + mouseX;
    if (mouse <= bounds.min || mouse >= bounds.max)
        return std::nullopt;
    return mouse - dragOffset;
}

int dropSplitter(TwipsLayout& layout)
{
    const int barLeft = layout.value(u"picSéparateur"_s).left();
    const int left = layout.value(u"lvwFichiers"_s).left();
    const int right = rightOf(layout.value(u"lvwNoms"_s));
    const int ratio = int(std::lround(double(barLeft - left) / (right - left) * 100));
    placeListsBesideBar(layout, layout.value(u"btnQuitter"_s).left() - 120);
    return ratio;
}

WindowSpan toggleOptionsPanel(bool show, int nonClientHeight, int windowTop, QRect panel,
                              int screenHeight)
{
    // A shown panel ends 60 twips above the client area's bottom (the quit
    // button keeps 360 twips above it, 300 without it): showing adds that
    // margin, so that hiding gives back the height the window had.
    const int shownHeight = panel.height() + PanelBottomMargin;
    WindowSpan span{windowTop, nonClientHeight + panel.top() + (show ? shownHeight : 0)};
    if (show && span.top + span.height > screenHeight - ScreenBottomMargin)
        span.top = screenHeight - span.height - ScreenBottomMargin;
    return span;
}

int minimumClientHeight(const TwipsLayout& layout, bool panelShown, int roomOnScreen)
{
    const int panel = layout.value(u"picOptions"_s).height();
    const int whole =
        MinimumClientHeight - spaceBelowQuit(panel, false) + spaceBelowQuit(panel, panelShown);
    if (!panelShown)
        return whole;
    const int leastScrolled = MinimumClientHeight + LeastPanelView;
    return std::max(std::min(whole, roomOnScreen), std::min(whole, leastScrolled));
}

int panelViewHeight(const TwipsLayout& layout, int clientHeight)
{
    const QRect panel = layout.value(u"picOptions"_s);
    return std::clamp(clientHeight - PanelBottomMargin - panel.top(), 0, panel.height());
}

QRect workAreaOf(QRect frame, const QList<QRect>& areas)
{
    // Compared by overlap first, then by distance; a frame off every area
    // overlaps none, and one on an area is at no distance from it.
    const auto closeness = [&frame](const QRect& area) {
        const QRect common = frame.intersected(area);
        const qint64 overlap = common.isEmpty() ? 0 : qint64(common.width()) * common.height();
        const auto gap = [](qint64 lowEnd, qint64 highStart) {
            return double(std::max<qint64>(0, highStart - lowEnd));
        };
        const double dx =
            std::max(gap(frame.right(), area.left()), gap(area.right(), frame.left()));
        const double dy =
            std::max(gap(frame.bottom(), area.top()), gap(area.bottom(), frame.top()));
        return std::pair{overlap, -std::hypot(dx, dy)};
    };
    if (areas.isEmpty())
        return frame;
    return *std::max_element(areas.cbegin(), areas.cend(), [&](const QRect& a, const QRect& b) {
        return closeness(a) < closeness(b);
    });
}

QRect keepInside(QRect frame, QRect area, QSize minimum)
{
    // Along one axis: no longer than the area unless the minimum says so,
    // then against the far edge, then against the near one, which wins.
    const auto fit = [](int start, int length, int areaStart, int areaLength, int least) {
        const int fitted = std::max(std::min(length, areaLength), least);
        return std::pair{std::max(areaStart, std::min(start, areaStart + areaLength - fitted)),
                         fitted};
    };
    const auto [left, width] =
        fit(frame.left(), frame.width(), area.left(), area.width(), minimum.width());
    const auto [top, height] =
        fit(frame.top(), frame.height(), area.top(), area.height(), minimum.height());
    return {left, top, width, height};
}

QPoint placeImageInButton(QSize button, QSize picture, ImageAlignment alignment, int margin)
{
    int left = margin;
    if (alignment == ImageAlignment::Right)
        left = button.width() - margin - picture.width();
    else if (alignment == ImageAlignment::Centre)
        left = (button.width() - picture.width()) / 2;
    return {left, button.height() / 2 - picture.height() / 2};
}

} // namespace tervane
