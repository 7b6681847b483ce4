// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/SettingsLocation.h"

#include "base/AppError.h"
#include "settings/Paths.h"

#include <QDir>
#include <QFile>

#include <filesystem>

namespace tervane {

namespace {

// Letter case ignored, as the install folder's name is compared; the match
// must end at a separator, so /usr/local2 is not inside /usr/local.
bool isInside(const QString& folder, const QString& prefix)
{
    if (prefix.isEmpty() || folder.size() < prefix.size() ||
        QStringView(folder).first(prefix.size()).compare(prefix, Qt::CaseInsensitive) != 0)
        return false;
    return folder.size() == prefix.size() || prefix.endsWith(QDir::separator()) ||
           folder[prefix.size()] == QDir::separator();
}

QString makerFolder(const SpecialFolders& folders)
{
    return addBackslash(folders.appData) + MakerFolderName + QDir::separator();
}

void createFolder(const QString& path)
{
    if (pathExists(path, DirectoryAttribute))
        return;
    // With the folders above it: a new account may have no configuration
    // folder yet.
    std::error_code error;
    if (!std::filesystem::create_directories(QFile::encodeName(path).toStdString(), error) && error)
        throw AppError(error.value(), QStringLiteral("Cannot create the folder %1: %2")
                                          .arg(path, QString::fromLocal8Bit(error.message())));
}

} // namespace

SettingsLocation settingsLocationFor(const QString& programFolder, const SpecialFolders& folders,
                                     const QString& title)
{
    SettingsLocation location;
    location.folderPath = addBackslash(makerFolder(folders) + title);
    location.filePath = location.folderPath + title + QStringLiteral(".ini");
    location.installed = isInside(programFolder, folders.programFiles);
    const QString besideProgram = addBackslash(programFolder) + title + QStringLiteral(".ini");
    if (!location.installed) {
        location.folderPath = addBackslash(programFolder);
        location.filePath = besideProgram;
    } else if (!pathExists(location.filePath, 0) && pathExists(besideProgram, 0)) {
        location.earlierFile = besideProgram;
    }
    return location;
}

void createSettingsFolders(const SettingsLocation& location, const SpecialFolders& folders)
{
    if (!location.installed)
        return;
    createFolder(makerFolder(folders));
    createFolder(location.folderPath);
}

void migrateEarlierSettings(const SettingsLocation& location)
{
    if (location.earlierFile.isEmpty())
        return;
    std::error_code error;
    std::filesystem::copy_file(QFile::encodeName(location.earlierFile).toStdString(),
                               QFile::encodeName(location.filePath).toStdString(), error);
    if (error)
        throw AppError(error.value(), QString::fromLocal8Bit(error.message()));
    QFile::remove(location.earlierFile);
}

} // namespace tervane
