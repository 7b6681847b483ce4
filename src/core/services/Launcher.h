// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace tervane {

// Starts a new instance of the program (after a change of interface language).
class Launcher {
public:
    virtual ~Launcher() = default;
    virtual void relaunch(const QString& program, const QStringList& arguments) = 0;
};

} // namespace tervane
