// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/TestEnvironment.h"

#include "platform/TagLibTags.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace tervane;

QString WriteFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TestEnvironment::TestEnvironment()
{
    for (const char* folder : {"program", "appdata", "documents", "prefix", "state"})
        QDir(m_root.path()).mkpath(QString::fromLatin1(folder));
    m_context = std::make_unique<AppContext>(AppContext{
        prompter, clipboard, dialogs, fileSystem, launcher, path(QStringLiteral("program")),
        SpecialFolders{path(QStringLiteral("appdata")), path(QStringLiteral("prefix")),
                       path(QStringLiteral("documents")), path(QStringLiteral("state"))},
        QString(), FrenchLanguageCode, &nameAsker, &notificationArea, readFileTags});
}

QString TestEnvironment::settingsFile() const
{
    return path(QStringLiteral("program/Tervane.ini"));
}

AppContext TestEnvironment::contextWith(Clipboard& otherClipboard) const
{
    const AppContext& c = *m_context;
    return AppContext{c.prompter,           otherClipboard,  c.dialogs,          c.fileSystem,
                      c.launcher,           c.programFolder, c.folders,          c.folderArgument,
                      c.systemLanguageCode, c.nameAsker,     c.notificationArea, c.readFileTags};
}

AppContext TestEnvironment::contextWith(FileSystem& otherFileSystem) const
{
    const AppContext& c = *m_context;
    return AppContext{c.prompter,           c.clipboard,     c.dialogs,          otherFileSystem,
                      c.launcher,           c.programFolder, c.folders,          c.folderArgument,
                      c.systemLanguageCode, c.nameAsker,     c.notificationArea, c.readFileTags};
}
