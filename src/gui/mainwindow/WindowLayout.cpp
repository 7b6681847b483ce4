#include "mainwindow/WindowLayout.h"

#include "mainwindow/MainWindowControls.h"

namespace tervane {

CounterPlace placeCounter(int listRight, int checkBoxTop, QSize valueSize, QSize captionSize)
{
    const int top = checkBoxTop + 30;
    const int valueLeft = listRight - 120 - valueSize.width();
    return {QRect(QPoint(valueLeft, top), valueSize),
            QRect(QPoint(valueLeft - 60 - captionSize.width(), top), captionSize)};
}

WindowSpan toggleOptionsPanel(bool show, int frameHeight, int windowTop, int screenHeight)
{
    WindowSpan span{windowTop, frameHeight + OptionsPanelTop + (show ? OptionsPanelHeight : 0)};
    if (show && span.top + span.height > screenHeight - ScreenBottomMargin)
        span.top = screenHeight - span.height - ScreenBottomMargin;
    return span;
}

} // namespace tervane
