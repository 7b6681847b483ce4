// SPDX-License-Identifier: GPL-3.0-or-later
#include "Application.h"

#include "base/AppError.h"
#include "base/AppIdentity.h"
#include "i18n/BuiltInTexts.h"
#include "i18n/LanguageChoice.h"
#include "i18n/LanguageFile.h"
#include "i18n/TextKeys.h"
#include "mainwindow/MainWindow.h"
#include "platform/PosixFileSystem.h"
#include "platform/ProcessLauncher.h"
#include "platform/StartupLock.h"
#include "platform/SystemFolders.h"
#include "platform/TagLibTags.h"
#include "qtservices/QtServices.h"
#include "services/FileSystem.h"
#include "services/Launcher.h"
#include "settings/SettingsLocation.h"
#include "widgets/ProgramIcon.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <cstdio>
#include <cstdlib>
#include <string_view>

using namespace Qt::StringLiterals;

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

// The options both programs answer without doing anything else.
struct InformationOptions {
    QCommandLineOption help{{u"h"_s, u"help"_s}};
    QCommandLineOption version{{u"V"_s, u"v"_s, u"version"_s}};
};

void describeArguments(QCommandLineParser& parser, const InformationOptions& options)
{
    parser.addOption(options.help);
    parser.addOption(options.version);
    parser.addPositionalArgument(u"folder"_s, {}, u"[FOLDER]"_s);
}

// The help, in the language the window would show itself in with the
// settings it would read (nothing written).
QString helpText()
{
    const QString programFolder = QDir::cleanPath(QCoreApplication::applicationDirPath());
    const SettingsLocation location =
        settingsLocationFor(programFolder, systemSpecialFolders(), AppTitle);
    // A settings file left beside an installed program is the one its window
    // would move into place, and read.
    const QString settings =
        location.earlierFile.isEmpty() ? location.filePath : location.earlierFile;
    const QString languages = languageFolderFor(programFolder);
    const QString path = languageFilePathFor(
        languages, languageForSettings(settings, languages, getSystemLanguageCode()));
    LanguageFile file;
    if (!path.isEmpty()) {
        try {
            file = LanguageFile::load(path);
        } catch (const AppError&) {
            // An unreadable language file leaves the built-in French.
        }
    }
    return lookupTranslation(file, TextKey::CommandLineHelp, frenchText(TextKey::CommandLineHelp))
        .replace(u"\r\n"_s, u"\n"_s);
}

// --help and --version are answered before any window is made, so without a
// display too.
void answerInformationOptions(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--")
            return;
        if (argument == "-h" || argument.starts_with("--help") || argument == "-v" ||
            argument == "-V" || argument == "--version") {
            QCoreApplication information(argc, argv);
            QCommandLineParser parser;
            const InformationOptions options;
            describeArguments(parser, options);
            parser.process(information); // an unknown option ends the process, saying so
            const QString answer = parser.isSet(options.version)
                                       ? QCoreApplication::applicationName() + u' ' +
                                             QCoreApplication::applicationVersion()
                                       : helpText();
            std::fputs((answer + u'\n').toUtf8().constData(), stdout);
            std::exit(std::fflush(stdout) == 0 ? EXIT_SUCCESS : EXIT_FAILURE);
        }
    }
}

// The folder named on the command line, as given (a relative one from the
// current folder); Qt's own options are gone by now.
QString folderArgument(const QApplication& application)
{
    QCommandLineParser parser;
    describeArguments(parser, InformationOptions());
    parser.process(application); // an unknown option ends the process, saying so
    const QString folder = parser.positionalArguments().value(0);
    return folder.isEmpty() ? folder : QDir::cleanPath(QDir::current().absoluteFilePath(folder));
}

} // namespace

int runTervane(int argc, char** argv)
{
    QCoreApplication::setApplicationName(u"tervane"_s);
    QCoreApplication::setApplicationVersion(fullVersion());
    answerInformationOptions(argc, argv);
    if (!hasDisplay()) {
        std::fprintf(stderr,
                     "tervane: no display found; run it under a virtual one: xvfb-run -a %s "
                     "[FOLDER]\n",
                     argc > 0 ? argv[0] : "tervane");
        return 1;
    }
    QApplication application(argc, argv);
    const QString folder = folderArgument(application);
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
                       folder,
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
