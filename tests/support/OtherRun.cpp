// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/OtherRun.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>

#include <unistd.h>

using namespace Qt::StringLiterals;

// Where a run keeps things of its own depends on its runtime folder and
// home: they must not decide whether it sees the lock.
OtherRun::OtherRun(const QString& folder)
{
    const QString runtime = m_home.filePath(u"run"_s);
    QDir().mkpath(runtime);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"XDG_RUNTIME_DIR"_s, runtime);
    environment.insert(u"HOME"_s, m_home.path());
    m_process.setProcessEnvironment(environment);
    m_process.start(QStringLiteral(TERVANE_LOCK_HOLDER), {folder});
    while (!m_process.canReadLine() && m_process.waitForReadyRead(30000)) {
    }
    m_state = QString::fromUtf8(m_process.readLine()).trimmed();
}

QString leftoverLockFile(const QString& folder)
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    const QString locks = !runtime.isEmpty() && QFileInfo(runtime).isDir()
                              ? runtime + u"/tervane-locks"_s
                              : QDir::tempPath() + u"/tervane-locks-%1"_s.arg(::getuid());
    const QByteArray key = QCryptographicHash::hash(QFileInfo(folder).canonicalFilePath().toUtf8(),
                                                    QCryptographicHash::Sha1);
    return locks + u'/' + QString::fromLatin1(key.toHex()) + u".lock"_s;
}
