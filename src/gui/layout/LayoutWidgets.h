#pragma once

#include "layout/TwipsLayout.h"

#include <QList>

class QWidget;

namespace tervane {

// The edge between the twips layout and the widgets: the named children of
// the given containers are read, measured and placed, each under its key.

TwipsLayout readLayout(const QList<QWidget*>& containers);
// Places every child that has a place in the layout.
void applyLayout(const TwipsLayout& layout, const QList<QWidget*>& containers);
// The captions of the labels, buttons, check boxes, option buttons and drop-down
// lists (their widest entry), in the widgets' own fonts.
CaptionWidths measureCaptions(const QList<QWidget*>& containers);

// Width of a text in a widget's font, in twips, rounded up.
int textWidthInTwips(const QWidget* widget, const QString& text);

} // namespace tervane
