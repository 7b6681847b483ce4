// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/PosixFileSystem.h"
#include "services/AppContext.h"
#include "services/Clipboard.h"
#include "services/Dialogs.h"
#include "services/FileSystem.h"
#include "services/Launcher.h"
#include "services/NotificationArea.h"
#include "support/ScriptedPrompter.h"

#include <QByteArray>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <sys/fsuid.h>
#include <unistd.h>

using namespace tervane;

// The seeds of a randomised test: 1 to count, then the seeds that once found
// a fault, so that every default run goes through them again; only
// TERVANE_SEED when it is set, to look at one.
inline QList<int> SeedsToRun(int count, std::initializer_list<int> remembered)
{
    if (const int one = qEnvironmentVariableIntValue("TERVANE_SEED"); one > 0)
        return {one};
    QList<int> seeds;
    for (int seed = 1; seed <= count; ++seed)
        seeds << seed;
    for (int seed : remembered)
        if (seed > count)
            seeds << seed;
    return seeds;
}

// Writes a file with the given bytes, creating its folder; returns its path.
QString WriteFile(const QString& path, const QByteArray& bytes = {});
QByteArray ReadFile(const QString& path);

// The bytes of a literal, embedded NULs included.
template <std::size_t N>
QByteArray Bytes(const char (&raw)[N])
{
    return QByteArray(raw, N - 1);
}

// File permissions checked as an ordinary user's for the life of the object,
// also when the tests run as root: the file-system identity of the thread
// changes, and root's right to override permissions goes with it.
class AsOrdinaryUser {
public:
    AsOrdinaryUser()
    {
        if (::geteuid() == 0) {
            ::setfsgid(65534);
            ::setfsuid(65534);
        }
    }
    ~AsOrdinaryUser()
    {
        if (::geteuid() == 0) {
            ::setfsuid(0);
            ::setfsgid(0);
        }
    }
    AsOrdinaryUser(const AsOrdinaryUser&) = delete;
    AsOrdinaryUser& operator=(const AsOrdinaryUser&) = delete;
};

class FixedClipboard : public Clipboard {
public:
    QString text() const override
    {
        ++reads;
        return content;
    }
    QString content;
    mutable int reads = 0;
};

class ScriptedDialogs : public Dialogs {
public:
    std::optional<QString> openFileName(const QString&, const QString& filters, const QString&,
                                        const QString& defaultSuffix) override
    {
        lastFilters = filters;
        lastSuffix = defaultSuffix;
        return nextFile;
    }
    std::optional<QString> existingFolder(const QString&, const QString&) override
    {
        return nextFolder;
    }
    std::optional<QString> nextFile;
    QString lastFilters;
    QString lastSuffix;
    std::optional<QString> nextFolder;
};

// Answers the name dialog from a queue and records every question.
class ScriptedNameAsker : public NameAsker {
public:
    std::optional<NameAnswer> askName(const NameRequest& request) override
    {
        requests.append(request);
        return answers.isEmpty() ? std::nullopt : answers.takeFirst();
    }
    QList<NameRequest> requests;
    QList<std::optional<NameAnswer>> answers;
};

// A notification area that may be missing, and shows its icon to the test.
class ScriptedNotificationArea : public NotificationArea {
public:
    bool available() const override { return present; }
    void addIcon(const QString& text, std::function<void(TrayClick)> click) override
    {
        shown = true;
        tip = text;
        onClick = std::move(click);
    }
    void removeIcon() override { shown = false; }
    bool present = true;
    bool shown = false;
    QString tip;
    std::function<void(TrayClick)> onClick;
};

class RecordingLauncher : public Launcher {
public:
    void relaunch(const QString& program, const QStringList& arguments) override
    {
        ++launches;
        lastProgram = program;
        lastArguments = arguments;
    }
    int launches = 0;
    QString lastProgram;
    QStringList lastArguments;
};

// A whole program environment in a temporary folder: the program's folder
// (portable settings next to it), application data, documents, an install
// prefix, and scripted services.
inline constexpr int FrenchLanguageCode = 12;

class TestEnvironment {
public:
    TestEnvironment();

    QString path(const QString& relative) const { return m_root.filePath(relative); }
    QString settingsFile() const;
    AppContext& context() { return *m_context; }
    // The same context with another clipboard, or another file system.
    AppContext contextWith(Clipboard& otherClipboard) const;
    AppContext contextWith(FileSystem& otherFileSystem) const;

    ScriptedPrompter prompter;
    FixedClipboard clipboard;
    ScriptedDialogs dialogs;
    PosixFileSystem fileSystem;
    RecordingLauncher launcher;
    ScriptedNameAsker nameAsker;
    ScriptedNotificationArea notificationArea;

private:
    QTemporaryDir m_root;
    std::unique_ptr<AppContext> m_context;
};
