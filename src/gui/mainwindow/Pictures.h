// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>

class QPalette;

namespace tervane {

// The pictures of the main window, drawn rather than shipped, so that they
// follow the palette and stay sharp at any scale.

// The logo of the top row: a name card turning into a fresh one, and the
// program's name; 112 by 26 pixels.
QPixmap logoPicture(const QPalette& palette, qreal pixelRatio);

// The small arrow shown inside btnRéglages: up when a click hides the
// options panel, down when it shows it.
QPixmap arrowPicture(const QPalette& palette, bool up, qreal pixelRatio);

// A clock face at ten past two, for the order of taking; 14 by 14 pixels.
QPixmap clockPicture(const QPalette& palette, qreal pixelRatio);

} // namespace tervane
