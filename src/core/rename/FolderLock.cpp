#include "rename/FolderLock.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLockFile>

#include <unistd.h>

using namespace Qt::StringLiterals;

namespace tervane {

namespace {

// The lock files this process holds, with their nesting depth. Commands run
// on one thread, one after the other, so no guard is needed.
QHash<QString, int>& heldLocks()
{
    static QHash<QString, int> held;
    return held;
}

} // namespace

QString canonicalFolder(const QString& folder)
{
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(QDir(folder).absolutePath()) : canonical;
}

QString FolderLock::lockFolder()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir())
        return runtime + u"/tervane-locks"_s;
    return QDir::tempPath() + u"/tervane-locks-%1"_s.arg(::getuid());
}

QString FolderLock::lockFileFor(const QString& folder)
{
    const QByteArray key =
        QCryptographicHash::hash(canonicalFolder(folder).toUtf8(), QCryptographicHash::Sha1);
    return lockFolder() + u'/' + QString::fromLatin1(key.toHex()) + u".lock"_s;
}

FolderLock::FolderLock(const QString& folder)
    : m_file(lockFileFor(folder))
{
    if (const auto held = heldLocks().find(m_file); held != heldLocks().end()) {
        ++*held;
        m_locked = true;
        return;
    }
    const QString lockFolderPath = QFileInfo(m_file).path();
    if (!QDir().mkpath(lockFolderPath))
        return;
    QFile::setPermissions(lockFolderPath,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    m_lock = std::make_unique<QLockFile>(m_file);
    // A renaming may take minutes: only a dead owner makes a lock stale.
    m_lock->setStaleLockTime(0);
    m_locked = m_lock->tryLock(0);
    if (m_locked)
        heldLocks()[m_file] = 1;
}

FolderLock::~FolderLock()
{
    if (!m_locked)
        return;
    auto held = heldLocks().find(m_file);
    if (held != heldLocks().end() && --*held == 0)
        heldLocks().erase(held);
    // The QLockFile, if this object made it, unlocks as it goes.
}

} // namespace tervane
