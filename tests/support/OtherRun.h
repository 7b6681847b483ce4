// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// Another run of the program on a folder, in a process of its own with a
// runtime folder and a home of its own: it locks the folder as every run
// does and holds it until it is killed.
class OtherRun {
public:
    explicit OtherRun(const QString& folder);
    ~OtherRun() { kill(); }
    OtherRun(const OtherRun&) = delete;
    OtherRun& operator=(const OtherRun&) = delete;

    // What it got: "locked", "busy" or "failed".
    QString state() const { return m_state; }
    // As kill -9 would: the process lets go of nothing itself.
    void kill()
    {
        m_process.kill();
        m_process.waitForFinished();
    }

private:
    QTemporaryDir m_home;
    QProcess m_process;
    QString m_state;
};

// Where earlier versions of the program kept a folder's lock file, which a
// run killed as it made it left behind empty.
QString leftoverLockFile(const QString& folder);
