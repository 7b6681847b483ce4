#include "rename/RenameJournal.h"

#include "services/FileSystem.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace tervane {

// The journal is a list of UTF-8 fields, each ended by a NUL (the one
// character no file name can hold): after a header line, the folder, the
// state, the step count, the old and new name of every step and what the
// step is (empty for a rename, for an exchange the identities of the files
// first named from and to, separated by a space), a checksum of all that (MD5 of the bytes before
// it, in hexadecimal) and "end". Progress records follow: "d<count>" (steps done), "e<count>" (the
// run did these steps and no more) and "s<index>" (entry settled by an undo). A record cut short by
// a crash has no NUL and is left out; a journal cut or altered before its end reads as damaged.

QString canonicalFolder(const QString& folder)
{
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(QDir(folder).absolutePath()) : canonical;
}

namespace {

const QByteArray JournalHeader = QByteArrayLiteral("tervane journal 3\n");
// Journals of the second version: no exchanges, two fields a step.
const QByteArray SecondHeader = QByteArrayLiteral("tervane journal 2\n");
// Journals of the first version: no step count, no checksum, no progress.
const QByteArray FirstHeader = QByteArrayLiteral("tervane journal 1\n");
const QByteArray PlannedState = QByteArrayLiteral("begun");
const QByteArray CompletedState = QByteArrayLiteral("completed");
const QByteArray EndMarker = QByteArrayLiteral("end");
constexpr qint64 MaximumJournalSize = qint64(1) << 30;

QByteArray checksum(QByteArrayView bytes)
{
    // A check against damage, not against forgery: MD5 is fast and stable.
    return QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex();
}

QByteArray encoded(const QString& folder, bool completed, const std::vector<RenameStep>& steps)
{
    QByteArray bytes = JournalHeader;
    const auto field = [&bytes](QByteArrayView text) {
        bytes += text;
        bytes += '\0';
    };
    field(canonicalFolder(folder).toUtf8());
    field(completed ? CompletedState : PlannedState);
    field(QByteArray::number(qulonglong(steps.size())));
    for (const RenameStep& step : steps) {
        field(step.from.toUtf8());
        field(step.to.toUtf8());
        field(step.isExchange()
                  ? QByteArray::number(step.fromFile) + ' ' + QByteArray::number(step.toFile)
                  : QByteArray());
    }
    field(checksum(bytes));
    field(EndMarker);
    return bytes;
}

using Reading = RenameJournal::Reading;
using Status = RenameJournal::Status;

Reading damaged()
{
    return {Status::Damaged, {}};
}

// Applies the progress records to the entry; the last field, complete or
// not, is no record.
void applyProgress(RenameJournal::Entry& entry, const QList<QByteArray>& fields, qsizetype from)
{
    for (qsizetype i = from; i + 1 < fields.size(); ++i) {
        const QByteArray& record = fields[i];
        bool ok = false;
        const qulonglong value = record.mid(1).toULongLong(&ok);
        if (!ok || value > entry.steps.size())
            continue;
        if (record.startsWith('d') && !entry.doneIsExact)
            entry.knownDone = std::max(entry.knownDone, std::size_t(value));
        else if (record.startsWith('e') && !entry.doneIsExact) {
            entry.knownDone = std::size_t(value);
            entry.doneIsExact = true;
        } else if (record.startsWith('s') && value < entry.steps.size())
            entry.settled[value] = true;
    }
}

Reading decodedFirstVersion(const QByteArray& bytes, const QString& folder)
{
    QList<QByteArray> fields = bytes.sliced(FirstHeader.size()).split('\0');
    if (fields.size() < 3 || fields.size() % 2 == 0 || !fields.last().isEmpty() ||
        QString::fromUtf8(fields[0]) != canonicalFolder(folder))
        return damaged();
    Reading reading{Status::Valid, {}};
    RenameJournal::Entry& entry = reading.entry;
    entry.completed = fields[1] == CompletedState;
    for (qsizetype i = 2; i + 2 < fields.size(); i += 2)
        entry.steps.push_back({QString::fromUtf8(fields[i]), QString::fromUtf8(fields[i + 1])});
    entry.knownDone = entry.completed ? entry.steps.size() : 0;
    entry.doneIsExact = entry.completed;
    entry.settled.assign(entry.steps.size(), false);
    return reading;
}

Reading decoded(const QByteArray& bytes, const QString& folder)
{
    if (bytes.startsWith(FirstHeader))
        return decodedFirstVersion(bytes, folder);
    const bool second = bytes.startsWith(SecondHeader);
    if (!second && !bytes.startsWith(JournalHeader))
        return damaged();
    const qsizetype headerSize = JournalHeader.size();
    const qsizetype stepFields = second ? 2 : 3;
    const QList<QByteArray> fields = bytes.sliced(headerSize).split('\0');
    // folder, state, count, steps, checksum, end, then the progress records
    if (fields.size() < 6)
        return damaged();
    bool ok = false;
    const qulonglong count = fields[2].toULongLong(&ok);
    if (!ok || count > qulonglong(fields.size() / stepFields))
        return damaged();
    const qsizetype sumAt = 3 + stepFields * qsizetype(count);
    if (fields.size() < sumAt + 3 || fields[sumAt + 1] != EndMarker)
        return damaged();
    qsizetype summed = headerSize;
    for (qsizetype i = 0; i < sumAt; ++i)
        summed += fields[i].size() + 1;
    if (fields[sumAt] != checksum(QByteArrayView(bytes).first(summed)) ||
        QString::fromUtf8(fields[0]) != canonicalFolder(folder))
        return damaged();

    Reading reading{Status::Valid, {}};
    RenameJournal::Entry& entry = reading.entry;
    entry.completed = fields[1] == CompletedState;
    for (qsizetype i = 3; i < sumAt; i += stepFields) {
        RenameStep step{QString::fromUtf8(fields[i]), QString::fromUtf8(fields[i + 1])};
        if (!second && !fields[i + 2].isEmpty()) {
            const QList<QByteArray> files = fields[i + 2].split(' ');
            bool secondOk = false;
            if (files.size() == 2) {
                step.fromFile = files[0].toULongLong(&ok);
                step.toFile = files[1].toULongLong(&secondOk);
            }
            if (!ok || !secondOk || !step.fromFile || !step.toFile)
                return damaged();
        }
        entry.steps.push_back(std::move(step));
    }
    entry.knownDone = entry.completed ? entry.steps.size() : 0;
    entry.doneIsExact = entry.completed;
    entry.settled.assign(entry.steps.size(), false);
    applyProgress(entry, fields, sumAt + 2);
    return reading;
}

Reading readFile(const QString& path, const QString& folder)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    QFile file(path);
    if (!info.isFile() || info.size() > MaximumJournalSize || !file.open(QIODevice::ReadOnly))
        return damaged();
    return decoded(file.readAll(), folder);
}

// The first step of a plan that changes a name was done: its new name is
// there and its old one is gone.
bool hasBegun(const std::vector<RenameStep>& plan, const QString& folder,
              const FileSystem& fileSystem)
{
    for (const RenameStep& step : plan)
        if (step.from != step.to)
            return stepLooksDone(step, folder, fileSystem);
    return false;
}

bool replaceFile(const QString& from, const QString& to)
{
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

} // namespace

RenameJournal::RenameJournal(QString journalFolder)
    : m_folder(std::move(journalFolder))
{}

QString RenameJournal::fileFor(const QString& folder) const
{
    const QByteArray key =
        QCryptographicHash::hash(canonicalFolder(folder).toUtf8(), QCryptographicHash::Sha1);
    return QDir(m_folder).filePath(QString::fromLatin1(key.toHex()) + u".journal"_s);
}

QString RenameJournal::preparedFileFor(const QString& folder) const
{
    return fileFor(folder) + u".prepared"_s;
}

RenameJournal::Reading RenameJournal::read(const QString& folder, const FileSystem& fileSystem)
{
    settlePrepared(folder, fileSystem);
    Reading reading = readFile(fileFor(folder), folder);
    if (reading.status == Status::Valid)
        openForProgress(folder);
    return reading;
}

// A prepared plan whose run began takes the journal's place; one whose run
// never began is dropped.
void RenameJournal::settlePrepared(const QString& folder, const FileSystem& fileSystem)
{
    const QString prepared = preparedFileFor(folder);
    if (!QFileInfo::exists(prepared))
        return;
    const Reading reading = readFile(prepared, folder);
    if (reading.status == Status::Valid && hasBegun(reading.entry.steps, folder, fileSystem))
        replaceFile(prepared, fileFor(folder));
    else
        QFile::remove(prepared);
}

bool RenameJournal::prepare(const QString& folder, const std::vector<RenameStep>& plan,
                            const FileSystem& fileSystem)
{
    settlePrepared(folder, fileSystem);
    if (!QDir().mkpath(m_folder))
        return false;
    const QByteArray bytes = encoded(folder, false, plan);
    QSaveFile file(preparedFileFor(folder));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

QString RenameJournal::previousFileFor(const QString& folder) const
{
    return fileFor(folder) + u".previous"_s;
}

bool RenameJournal::commitPrepared(const QString& folder)
{
    // The journal it replaces is kept aside until the run is over: a run
    // rolled back in full gives it back.
    const QString journal = fileFor(folder);
    if (!QFileInfo::exists(journal) || !replaceFile(journal, previousFileFor(folder)))
        QFile::remove(previousFileFor(folder));
    if (!replaceFile(preparedFileFor(folder), journal))
        return false;
    openForProgress(folder);
    return true;
}

void RenameJournal::discardPrepared(const QString& folder)
{
    QFile::remove(preparedFileFor(folder));
}

void RenameJournal::openForProgress(const QString& folder)
{
    m_progress.close();
    m_progress.setFileName(fileFor(folder));
    if (!m_progress.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        m_progress.setFileName(QString());
}

void RenameJournal::appendRecord(const QByteArray& record)
{
    if (m_progress.isOpen())
        m_progress.write(record + '\0');
}

void RenameJournal::recordStepsDone(std::size_t count)
{
    appendRecord('d' + QByteArray::number(qulonglong(count)));
}

void RenameJournal::recordRunEnd(std::size_t count)
{
    appendRecord('e' + QByteArray::number(qulonglong(count)));
}

void RenameJournal::recordSettled(std::size_t index)
{
    appendRecord('s' + QByteArray::number(qulonglong(index)));
}

bool RenameJournal::restorePrevious(const QString& folder)
{
    m_progress.close();
    const QString previous = previousFileFor(folder);
    if (QFileInfo::exists(previous))
        return replaceFile(previous, fileFor(folder));
    return QFile::remove(fileFor(folder)) || !QFileInfo::exists(fileFor(folder));
}

bool RenameJournal::rewrite(const QString& folder, const std::vector<RenameStep>& steps)
{
    m_progress.close();
    QFile::remove(previousFileFor(folder));
    if (steps.empty())
        return QFile::remove(fileFor(folder)) || !QFileInfo::exists(fileFor(folder));
    const QByteArray bytes = encoded(folder, true, steps);
    QSaveFile file(fileFor(folder));
    return QDir().mkpath(m_folder) && file.open(QIODevice::WriteOnly) &&
           file.write(bytes) == bytes.size() && file.commit();
}

} // namespace tervane
