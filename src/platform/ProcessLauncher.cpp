// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ProcessLauncher.h"

#include <QProcess>

namespace tervane {

void ProcessLauncher::relaunch(const QString& program, const QStringList& arguments)
{
    QProcess::startDetached(program, arguments);
}

} // namespace tervane
