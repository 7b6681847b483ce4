#include "platform/ProcessLauncher.h"

#include <QCoreApplication>
#include <QProcess>

void ProcessLauncher::relaunch()
{
    // The full path, not the bare name: the bare name would depend on the
    // current folder and the search path.
    QProcess::startDetached(QCoreApplication::applicationFilePath(), {});
}
