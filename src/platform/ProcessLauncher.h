// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "services/Launcher.h"

namespace tervane {

// Starts the program as a detached process.
class ProcessLauncher : public Launcher {
public:
    void relaunch(const QString& program, const QStringList& arguments) override;
};

} // namespace tervane
