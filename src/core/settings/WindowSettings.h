// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tervane {

// The window keys of the settings file, in twips.
struct WindowSettings {
    bool rememberSplitter = false;
    bool rememberSize = false;
    bool rememberPosition = false;
    bool maximised = false;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int splitterRatio = 50;
    bool minimiseToTray = false;
    bool alwaysOnTop = false;
    // Chains and cycles of names are renamed through their order and
    // temporary names, without the conflict question.
    bool resolvePermutations = false;
    // Files listed by the date pictures were taken; pictures without one
    // dated by their last modification.
    bool sortByDateTaken = false;
    bool dateFallback = false;
};

// Reads the window keys in table order. Without the stored size the window
// keeps its initial size; without the stored position it is centred.
WindowSettings readWindowSettings(const QString& file, int initialWidth, int initialHeight,
                                  int screenWidth, int screenHeight);

// Group W: the check marks of the Options menu.
void writeWindowOptions(const QString& file, const WindowSettings& settings);
// Group P: the position, when it is to be remembered.
void writeWindowPosition(const QString& file, const WindowSettings& settings);
// Group S and the splitter ratio: the size when it is to be remembered, the
// ratio (stored after the height) when the splitter is to be remembered.
void writeWindowSize(const QString& file, const WindowSettings& settings);

} // namespace tervane
