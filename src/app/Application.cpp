#include "Application.h"

#include "i18n/LanguageChoice.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/ProgramIcon.h"
#include "platform/PosixFileSystem.h"
#include "platform/ProcessLauncher.h"
#include "platform/StartupLock.h"
#include "platform/SystemFolders.h"
#include "platform/TagLibTags.h"
#include "qt/QtServices.h"
#include "services/AppIdentity.h"
#include "services/FileSystem.h"
#include "services/Launcher.h"

#include <QApplication>
#include <QDir>
#include <cstdio>
#include <cstdlib>

namespace tervane {

namespace {

bool hasDisplay()
{
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value && *value;
    };
    return set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY");
}

QString commandLineOf(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments.join(u' ');
}

} // namespace

int runTervane(int argc, char** argv)
{
    if (!hasDisplay()) {
        std::fprintf(stderr,
                     "tervane: no display found; run it under a virtual one: xvfb-run -a %s "
                     "[FOLDER]\n",
                     argc > 0 ? argv[0] : "tervane");
        return 1;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(AppTitle);
    QApplication::setWindowIcon(programIcon());
    // The desktop finds the program's launcher entry, and its icon, by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("net.morvak.Tervane"));
    const StartupLock lock(AppTitle);

    QtPrompter prompter(AppTitle);
    QtClipboard clipboard;
    QtDialogs dialogs;
    PosixFileSystem fileSystem;
    ProcessLauncher launcher;
    AppContext context{prompter,
                       clipboard,
                       dialogs,
                       fileSystem,
                       launcher,
                       QDir::cleanPath(QCoreApplication::applicationDirPath()),
                       systemSpecialFolders(),
                       commandLineOf(argc, argv),
                       getSystemLanguageCode(),
                       nullptr,
                       nullptr,
                       readFileTags};

    MainWindow window(context);
    // The program ends with its window's unload, also when the window was
    // hidden in the notification area: closing a hidden window is not the
    // close of the last window that ends a program by itself.
    QObject::connect(&window, &MainWindow::unloaded, &application, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    if (!window.load())
        return 1;
    window.showAsLoaded();
    return QApplication::exec();
}

} // namespace tervane
