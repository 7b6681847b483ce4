// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tervane {

// Runs the program: services, the start-up lock, the main window, the event
// loop. Returns the process exit code.
int runTervane(int argc, char** argv);

} // namespace tervane
