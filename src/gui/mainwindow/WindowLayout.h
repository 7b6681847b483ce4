#pragma once

#include <QRect>
#include <QSize>

namespace tervane {

// The main window's geometry rules, in twips and free of widgets, so that
// they can be tested on their own; the window converts at the edge.

// Where a row counter goes under its list: its value right-aligned 120 twips
// inside the list's right edge, its caption 60 twips before the value, both
// 30 twips below the top of the numeric-order check box.
struct CounterPlace {
    QRect value;
    QRect caption;
};
CounterPlace placeCounter(int listRight, int checkBoxTop, QSize valueSize, QSize captionSize);

// The window's top and height once the options panel is shown or hidden:
// the panel sits below the lists, and a window grown past the bottom of the
// screen (less a margin) moves up.
struct WindowSpan {
    int top = 0;
    int height = 0;
};
WindowSpan toggleOptionsPanel(bool show, int frameHeight, int windowTop, int screenHeight);

} // namespace tervane
