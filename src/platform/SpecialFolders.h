#pragma once

#include <QString>

// Special folder numbers the program asks for.
enum SpecialFolderId { AppDataFolder = 26, ProgramFilesFolder = 38, DocumentsFolder = 5 };

// The system's answer for one special folder, without a trailing separator;
// empty for a number the program does not use.
QString GetSpecialFolder(int csidl);

// The three special folders, read once from the system and replaceable as a
// whole so that a test can put them in a temporary folder.
struct SpecialFolders {
    QString appData;
    QString programFiles;
    QString documents;

    static SpecialFolders fromSystem();
    QString get(int csidl) const;
};
