#pragma once

namespace tervane {

// Starts a new instance of the program (after a change of interface language).
class Launcher {
public:
    virtual ~Launcher() = default;
    virtual void relaunch() = 0;
};

} // namespace tervane
