#pragma once

#include "services/Launcher.h"

namespace tervane {

// Relaunches this very executable, by its full path, with its arguments.
class ProcessLauncher : public Launcher {
public:
    void relaunch() override;
};

} // namespace tervane
