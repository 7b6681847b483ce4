#include "platform/ProcessLauncher.h"

#include <QCoreApplication>
#include <QProcess>

namespace tervane {

void ProcessLauncher::relaunch()
{
    // The full path, not the bare name: the bare name would depend on the
    // current folder and the search path.
    QProcess::startDetached(QCoreApplication::applicationFilePath(), {});
}

} // namespace tervane
