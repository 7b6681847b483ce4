// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "layout/TwipsLayout.h"

namespace tervane {

// Sizing controls to their captions, which a language file may have made of
// any length: a caption widens its control, and the controls chained to its
// right move along.

// The narrowest a text box squeezed between captions may become.
inline constexpr int MinimumTextBoxWidth = 900;

// The main window and its options panel, once, after translation.
// clientWidth places the button column against the right edge.
void layoutMainCaptions(TwipsLayout& layout, const CaptionWidths& captions, int clientWidth);

// The narrowest client area in which no caption of the main window and its
// panel is cut and the splitter has room to move; countWidth is the width of
// the widest row count the lists may show.
int captionsClientWidth(const TwipsLayout& layout, int countWidth);

// The name dialog: its text box and fill list start after their captions.
// Returns the client width the dialog needs, never less than clientWidth.
int layoutNameDialogCaptions(TwipsLayout& layout, const CaptionWidths& captions, int clientWidth);

} // namespace tervane
