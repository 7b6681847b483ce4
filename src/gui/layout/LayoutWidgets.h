// SPDX-License-Identifier: GPL-3.0-or-later
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

// The width in pixels a label, button, check box, option button or drop-down
// list needs to show its whole caption (its widest entry); 0 for other widgets
// and for empty captions. A push button's is that of its text and frame,
// without the least width the style likes buttons to have.
int neededCaptionWidth(const QWidget* control);

// Width of a text in a widget's font, in twips, rounded up.
int textWidthInTwips(const QWidget* widget, const QString& text);

} // namespace tervane
