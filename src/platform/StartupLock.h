// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

namespace tervane {

// A lock named after the application title, held for the life of the process.
// Other instances may start anyway: nobody examines it.
class StartupLock {
public:
    explicit StartupLock(const QString& title);

private:
    std::unique_ptr<QLockFile> m_lock;
};

} // namespace tervane
