// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

namespace tervane {

// Colours that mark a state (a doubled name, a taken one, counts that do not
// agree) must stay readable whatever the palette in use: this much contrast
// at least between a text and its background.
inline constexpr double ReadableContrast = 4.5;

// The contrast ratio of two colours, from 1 (the same) to 21 (black on white),
// by their relative luminance.
double contrastRatio(const QColor& a, const QColor& b);

// The wanted colour, darkened on a light background or lightened on a dark
// one, keeping its hue, just enough to be readable on the background.
QColor readableOn(const QColor& wanted, const QColor& background);

// The program's marks, for the background they are drawn on.
QColor doubledNameColour(const QColor& background);
QColor takenNameColour(const QColor& background);

} // namespace tervane
