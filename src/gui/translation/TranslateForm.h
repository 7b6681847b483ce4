// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace tervane {

// A control whose text is the program's own (a version, an address) carries
// this property set to true: language files leave it alone.
inline constexpr char FixedTextProperty[] = "fixedText";

class LanguageFile;

// Replaces the caption of a window and the captions or texts of its controls
// from the language file, by the names the controls carry. Labels, frames,
// check boxes, option buttons, push buttons and menu items take a caption
// (a member of a control array by the key "name(index)"); text boxes take
// their text by their bare name; every other control is left alone.
void translateForm(QWidget* window, const LanguageFile& file);

} // namespace tervane
