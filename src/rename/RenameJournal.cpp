#include "RenameJournal.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

using namespace Qt::StringLiterals;

namespace {

const QByteArray JournalHeader = QByteArrayLiteral("tervane journal 1\n");
const QString BegunState = QStringLiteral("begun");
const QString CompletedState = QStringLiteral("completed");

// The same folder, however it was written on the command line.
QString canonicalFolder(const QString& folder)
{
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(QDir(folder).absolutePath()) : canonical;
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

bool RenameJournal::begin(const QString& folder, const std::vector<clsAnnulation>& plan)
{
    return write(folder, {false, plan});
}

bool RenameJournal::complete(const QString& folder, const std::vector<clsAnnulation>& done)
{
    if (done.empty()) {
        forget(folder);
        return true;
    }
    return write(folder, {true, done});
}

// The journal is a list of UTF-8 fields, each ended by a NUL (the one
// character no file name can hold): a header, the folder, the state, then the
// old and new name of every step.
bool RenameJournal::write(const QString& folder, const Entry& entry)
{
    QByteArray bytes = JournalHeader;
    const auto field = [&bytes](const QString& text) {
        bytes += text.toUtf8();
        bytes += '\0';
    };
    field(canonicalFolder(folder));
    field(entry.completed ? CompletedState : BegunState);
    for (const clsAnnulation& step : entry.steps) {
        field(step.Ancien);
        field(step.Nouveau);
    }
    if (!QDir().mkpath(m_folder))
        return false;
    QSaveFile file(fileFor(folder));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

std::optional<RenameJournal::Entry> RenameJournal::read(const QString& folder) const
{
    QFile file(fileFor(folder));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (!bytes.startsWith(JournalHeader))
        return std::nullopt;
    QList<QByteArray> fields = bytes.mid(JournalHeader.size()).split('\0');
    if (fields.size() < 3 || fields.size() % 2 == 0 || !fields.last().isEmpty())
        return std::nullopt; // every field ends with a NUL: an even count before the last
    fields.removeLast();
    if (QString::fromUtf8(fields[0]) != canonicalFolder(folder))
        return std::nullopt;
    Entry entry;
    entry.completed = QString::fromUtf8(fields[1]) == CompletedState;
    for (qsizetype i = 2; i + 1 < fields.size(); i += 2)
        entry.steps.push_back({QString::fromUtf8(fields[i]), QString::fromUtf8(fields[i + 1])});
    return entry;
}

void RenameJournal::forget(const QString& folder)
{
    QFile::remove(fileFor(folder));
}
