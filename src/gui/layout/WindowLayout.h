// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "layout/TwipsLayout.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <optional>

namespace tervane {

// The main window's geometry rules in twips, free of widgets, so that they
// can be tested on their own; the window converts at the edge.

// The smallest client area: the designed one with the panel hidden. (The
// window, frame included, is then 9600 twips wide and 5630 high.)
inline constexpr int MinimumClientWidth = 9495;
inline constexpr int MinimumClientHeight = 4750;
inline constexpr int ScreenBottomMargin = 500;
inline constexpr int PanelBottomMargin = 60;
// However short the screen, a shown panel keeps this much of itself in view.
inline constexpr int LeastPanelView = 1500;

// The splitter bar's allowed range (its left edge), known after each resize.
struct SplitterBounds {
    int min = 0;
    int max = 0;
};

struct ClientArea {
    int width = 0;
    int height = 0;
    bool panelShown = false;
    int scrollBarWidth = 0; // taken from the panel's width when it scrolls
};

// Widths of the texts of the two row counts.
struct CountWidths {
    int files = 0;
    int names = 0;
};

// Lays the window out for a client area: lists stretched, the button column
// and the browse button against the right edge, the quit button above the
// options panel, the splitter at its ratio of the list area within its
// bounds, the counters under the lists. Returns the splitter's bounds.
SplitterBounds layoutClientArea(TwipsLayout& layout, const ClientArea& area, int splitterRatio,
                                CountWidths counts);

// The smallest client height, the panel hidden or shown: with the panel, as
// much more as the panel takes under the quit button, at its height now, but
// no more than the room on the screen (roomOnScreen twips, the client area of
// a window as tall as the screen's work area): the panel then scrolls.
int minimumClientHeight(const TwipsLayout& layout, bool panelShown, int roomOnScreen);

// How much of the panel a client area of that height shows, once laid out.
int panelViewHeight(const TwipsLayout& layout, int clientHeight);

// Where a row counter goes under its list: its value right-aligned 120 twips
// inside the list's right edge, its caption 60 twips before the value, both
// 30 twips below the top of the numeric-order check box.
void placeCounters(TwipsLayout& layout, CountWidths counts);

// The bar's new left edge while it is dragged, the mouse mouseX twips inside
// it, or nothing while the mouse is outside the bounds: the bar then stays
// where it last was.
std::optional<int> draggedSplitterLeft(int barLeft, int mouseX, int dragOffset,
                                       SplitterBounds bounds);
// The lists follow the bar where it was dropped; returns the new ratio.
int dropSplitter(TwipsLayout& layout);

// The window's top and height, frame included, once the options panel is
// shown or hidden: the client area ends at the panel's bottom or top. A
// window grown past the bottom of the screen (less a margin) moves up.
struct WindowSpan {
    int top = 0;
    int height = 0;
};
WindowSpan toggleOptionsPanel(bool show, int nonClientHeight, int windowTop, QRect panel,
                              int screenHeight);

// The work area (a screen less its panels and docks) a window's frame belongs
// to: the one it overlaps most or, off every screen, the nearest. The frame
// itself when there is none.
QRect workAreaOf(QRect frame, const QList<QRect>& areas);

// The frame moved, and made smaller when it is larger (never below minimum),
// so that it lies inside the work area. A frame that cannot fit keeps its top
// left corner inside, with the title bar and the folder field.
QRect keepInside(QRect frame, QRect area, QSize minimum);

// Where a picture goes inside a button, as the button styles align a picture:
// its left edge at margin, its right edge margin inside the button's right
// edge, or centred; always centred vertically.
enum class ImageAlignment { Left = 256, Right = 512, Centre = 768 };
QPoint placeImageInButton(QSize button, QSize picture, ImageAlignment alignment, int margin);

} // namespace tervane
