// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/SpecialFolders.h"
#include "services/TagReading.h"

#include <QString>
#include <QStringList>

namespace tervane {

class Clipboard;
class Dialogs;
class FileSystem;
class Launcher;
class NameAsker;
class NotificationArea;
class Prompter;

// The services and places the program works with, passed to whoever needs
// them so that a test can script every service and move every folder.
struct AppContext {
    Prompter& prompter;
    Clipboard& clipboard;
    Dialogs& dialogs;
    FileSystem& fileSystem;
    Launcher& launcher;
    QString programFolder;          // where language files and a portable settings file live
    SpecialFolders folders;         // special folders, as GetSpecialFolder reports them
    QString folderArgument;         // the folder named on the command line, as given
    int systemLanguageCode = 0;     // the system's language, as a Windows primary language number
    NameAsker* nameAsker = nullptr; // replaces the real name dialog (tests); none: the real one
    NotificationArea* notificationArea = nullptr; // likewise for the notification area
    FileTagReader readFileTags;                   // how one file's tags are read
};

} // namespace tervane
