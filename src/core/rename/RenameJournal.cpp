// SPDX-License-Identifier: GPL-3.0-or-later
#include "rename/RenameJournal.h"

#include "rename/RenameCommand.h"
#include "services/FileSystem.h"
#include "settings/Paths.h"
#include "text/FileNameBytes.h"
#include "text/TextDecoding.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QHash>

#include <cerrno>
#include <cstring>
#include <optional>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace tervane {

// The journal is a list of UTF-8 fields, each ended by a NUL (the one
// character no file name can hold): after a header line, the folder, its
// identity and when the renaming was planned ("<device> <inode> <time>",
// the time in nanoseconds since the epoch), the front end that made it
// ("window", "command line" or empty), the state, the step count, the old and new
// name of every step and the files it moves (for a rename the identity of
// its file, for an exchange the identities of the files first named from and
// to, separated by a space; empty where unknown), a checksum of all that (MD5
// of the bytes before it, in hexadecimal) and "end". Progress records follow,
// each with a checksum of its own after a space: "d<count>" (steps done),
// "e<count>" (the run did these steps and no more), "c<count>" (the run did
// all its steps: as good as a completed journal) and "s<index>" (entry
// settled by an undo or a rollback).
//
// A kill while appending leaves at most a last field cut short (its NUL is
// written last), and a crash of the system a tail of fields that fail their
// checks: the records before them are what was on record. A record that
// fails its check followed by one that passes is neither: the journal was
// altered, and reads as damaged rather than be guessed past.

namespace {

const QByteArray JournalHeader = QByteArrayLiteral("tervane journal 6\n");
// Journals of the fifth version: no front end.
const QByteArray FifthHeader = QByteArrayLiteral("tervane journal 5\n");
// Journals of the fourth version: no folder identity, no identity of renames.
const QByteArray FourthHeader = QByteArrayLiteral("tervane journal 4\n");
// Journals of the third version: progress records without checksums.
const QByteArray ThirdHeader = QByteArrayLiteral("tervane journal 3\n");
// Journals of the second version: no exchanges, two fields a step.
const QByteArray SecondHeader = QByteArrayLiteral("tervane journal 2\n");
// Journals of the first version: no step count, no checksum, no progress.
const QByteArray FirstHeader = QByteArrayLiteral("tervane journal 1\n");
const QByteArray PlannedState = QByteArrayLiteral("begun");
const QByteArray CompletedState = QByteArrayLiteral("completed");
const QByteArray EndMarker = QByteArrayLiteral("end");
const QByteArray MadeByWindow = QByteArrayLiteral("window");
const QByteArray MadeByCommandLine = QByteArrayLiteral("command line");
const QByteArray WalkHeader = QByteArrayLiteral("tervane walk 1 ");
constexpr qint64 MaximumJournalSize = qint64(1) << 30;
constexpr qint64 MaximumFirstVersionSize = qint64(1) << 24;

QByteArray checksum(QByteArrayView bytes)
{
    // A check against damage, not against forgery: MD5 is fast and stable.
    return QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex();
}

// A progress record with its own checksum, short: records are many.
QByteArray checkedRecord(const QByteArray& record)
{
    return record + ' ' + checksum(record).left(8);
}

// The record a checked one holds; empty when it fails its check.
QByteArray recordOf(QByteArrayView checked)
{
    const qsizetype space = checked.lastIndexOf(' ');
    if (space < 0)
        return {};
    const QByteArray record = checked.first(space).toByteArray();
    return checksum(record).left(8) == checked.sliced(space + 1) ? record : QByteArray();
}

// The fields of a journal, one at a time, without copying them all at once:
// a damaged journal costs no more memory than a sound one.
class Fields {
public:
    explicit Fields(QByteArrayView bytes)
        : m_bytes(bytes)
    {}
    // The next complete field; none at the end or before a field cut short.
    std::optional<QByteArrayView> next()
    {
        const char* end = static_cast<const char*>(
            std::memchr(m_bytes.data() + m_at, '\0', std::size_t(m_bytes.size() - m_at)));
        if (!end)
            return std::nullopt;
        const QByteArrayView field(m_bytes.data() + m_at, end - (m_bytes.data() + m_at));
        m_at += field.size() + 1;
        return field;
    }
    qsizetype position() const { return m_at; }
    qsizetype left() const { return m_bytes.size() - m_at; }

private:
    QByteArrayView m_bytes;
    qsizetype m_at = 0;
};

// What a step moves: "<file>" for a rename, "<from> <to>" for an exchange.
QByteArray identitiesOf(const RenameStep& step)
{
    if (step.isExchange())
        return QByteArray::number(step.fromFile) + ' ' + QByteArray::number(step.toFile);
    return step.fromFile ? QByteArray::number(step.fromFile) : QByteArray();
}

QByteArray makerField(FrontEnd maker)
{
    switch (maker) {
    case FrontEnd::Window:
        return MadeByWindow;
    case FrontEnd::CommandLine:
        return MadeByCommandLine;
    case FrontEnd::Unknown:
        break;
    }
    return {};
}

FrontEnd makerOf(QByteArrayView field)
{
    return field == MadeByWindow        ? FrontEnd::Window
           : field == MadeByCommandLine ? FrontEnd::CommandLine
                                        : FrontEnd::Unknown;
}

QByteArray encoded(const QString& folder, FolderIdentity identity, qint64 plannedAt, FrontEnd maker,
                   bool completed, const std::vector<RenameStep>& steps)
{
    QByteArray bytes = JournalHeader;
    // Room for names of plain text, so that a large plan grows it seldom.
    qsizetype room = 128;
    for (const RenameStep& step : steps)
        room += step.from.size() + step.to.size() + 24;
    bytes.reserve(room);
    const auto field = [&bytes](QByteArrayView text) {
        bytes += text;
        bytes += '\0';
    };
    field(canonicalFolder(folder).toUtf8());
    field(QByteArray::number(identity.device) + ' ' + QByteArray::number(identity.inode) + ' ' +
          QByteArray::number(plannedAt));
    field(makerField(maker));
    field(completed ? CompletedState : PlannedState);
    field(QByteArray::number(qulonglong(steps.size())));
    for (const RenameStep& step : steps) {
        appendBytesOfFileName(bytes, step.from);
        bytes += '\0';
        appendBytesOfFileName(bytes, step.to);
        bytes += '\0';
        field(identitiesOf(step));
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

// Whether the field is a progress record that passes its check.
bool isSoundRecord(QByteArrayView field, std::size_t steps)
{
    const QByteArray record = recordOf(field);
    bool ok = false;
    const qulonglong value = record.mid(1).toULongLong(&ok);
    return ok && value <= steps;
}

// Applies the progress records to the entry, up to the first that fails its
// check (or, in journals before the fourth version, is no number). False
// when a sound record follows that one: the records were altered, not cut.
bool applyProgress(RenameJournal::Entry& entry, Fields& fields, bool checked)
{
    while (const auto field = fields.next()) {
        const QByteArray record = checked ? recordOf(*field) : field->toByteArray();
        bool ok = false;
        const qulonglong value = record.mid(1).toULongLong(&ok);
        if (!ok || value > entry.steps.size()) {
            while (const auto later = fields.next())
                if (checked && isSoundRecord(*later, entry.steps.size()))
                    return false;
            return true;
        }
        if (record.startsWith('d') && !entry.doneIsExact)
            entry.knownDone = std::max(entry.knownDone, std::size_t(value));
        else if (record.startsWith('e') && !entry.doneIsExact) {
            entry.knownDone = std::size_t(value);
            entry.doneIsExact = true;
        } else if (record.startsWith('c') && value == entry.steps.size()) {
            entry.completed = entry.doneIsExact = true;
            entry.knownDone = entry.steps.size();
        } else if (record.startsWith('s') && value < entry.steps.size())
            entry.settled[value] = true;
    }
    return true;
}

// A rename's identity, "<file>", or an exchange's two, "<from> <to>": all
// non-zero. Journals before the fifth version hold no rename's.
bool readIdentities(QByteArrayView field, RenameStep& step, bool renamesToo)
{
    const qsizetype space = field.indexOf(' ');
    bool fromOk = false;
    bool toOk = true;
    if (space < 0) {
        step.fromFile = renamesToo ? field.toULongLong(&fromOk) : 0;
        return fromOk && step.fromFile;
    }
    step.fromFile = field.first(space).toULongLong(&fromOk);
    step.toFile = field.sliced(space + 1).toULongLong(&toOk);
    return fromOk && toOk && step.fromFile && step.toFile;
}

// "<device> <inode> <time>" into the entry; unknown where unreadable.
void readFolderIdentity(QByteArrayView field, RenameJournal::Entry& entry)
{
    const QList<QByteArray> parts = field.toByteArray().split(' ');
    if (parts.size() != 3)
        return;
    entry.folder = {parts[0].toULongLong(), parts[1].toULongLong()};
    entry.plannedAt = parts[2].toLongLong();
}

Reading decodedFirstVersion(const QByteArray& bytes, const QString& folder)
{
    // Never written that large: its fields are split all at once.
    if (bytes.size() > MaximumFirstVersionSize)
        return damaged();
    QList<QByteArray> fields = bytes.sliced(FirstHeader.size()).split('\0');
    if (fields.size() < 3 || fields.size() % 2 == 0 || !fields.last().isEmpty() ||
        QString::fromUtf8(fields[0]) != canonicalFolder(folder))
        return damaged();
    Reading reading{Status::Valid, {}};
    RenameJournal::Entry& entry = reading.entry;
    entry.completed = fields[1] == CompletedState;
    for (qsizetype i = 2; i + 2 < fields.size(); i += 2)
        entry.steps.push_back({fileNameOfBytes(fields[i]), fileNameOfBytes(fields[i + 1])});
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
    const bool third = bytes.startsWith(ThirdHeader);
    const bool fourth = bytes.startsWith(FourthHeader);
    const bool sixth = bytes.startsWith(JournalHeader);
    const bool fifth = sixth || bytes.startsWith(FifthHeader);
    if (!second && !third && !fourth && !fifth)
        return damaged();
    const qsizetype headerSize = JournalHeader.size();
    const qsizetype stepFields = second ? 2 : 3;
    Fields fields(QByteArrayView(bytes).sliced(headerSize));
    const auto folderField = fields.next();
    const auto folderIdentity = fifth ? fields.next() : std::optional<QByteArrayView>();
    const auto maker = sixth ? fields.next() : std::optional<QByteArrayView>();
    const auto state = fields.next();
    const auto countField = fields.next();
    if (!countField)
        return damaged();
    // Every step takes a NUL a field: a count beyond what the bytes can hold
    // is refused before anything is made of it.
    bool ok = false;
    const qulonglong count = countField->toULongLong(&ok);
    if (!ok || count > qulonglong(fields.left() / stepFields))
        return damaged();
    // The checksum first, over fields only located, then the steps.
    const qsizetype stepsAt = fields.position();
    for (qulonglong i = 0; i < count * qulonglong(stepFields); ++i)
        if (!fields.next())
            return damaged();
    const qsizetype summed = headerSize + fields.position();
    const auto sum = fields.next();
    const auto end = fields.next();
    if (!end || *end != EndMarker || *sum != checksum(QByteArrayView(bytes).first(summed)) ||
        QString::fromUtf8(*folderField) != canonicalFolder(folder))
        return damaged();

    Reading reading{Status::Valid, {}};
    RenameJournal::Entry& entry = reading.entry;
    entry.completed = *state == CompletedState;
    entry.steps.reserve(std::size_t(count));
    Fields steps(QByteArrayView(bytes).sliced(headerSize + stepsAt));
    for (qulonglong i = 0; i < count; ++i) {
        RenameStep step{fileNameOfBytes(*steps.next()), fileNameOfBytes(*steps.next())};
        if (!second) {
            const QByteArrayView identities = *steps.next();
            if (!identities.isEmpty() && !readIdentities(identities, step, fifth))
                return damaged();
        }
        entry.steps.push_back(std::move(step));
    }
    entry.knownDone = entry.completed ? entry.steps.size() : 0;
    entry.doneIsExact = entry.completed;
    entry.settled.assign(entry.steps.size(), false);
    if (folderIdentity)
        readFolderIdentity(*folderIdentity, entry);
    if (maker)
        entry.madeBy = makerOf(*maker);
    if (!applyProgress(entry, fields, !second && !third))
        return damaged();
    return reading;
}

Reading readFile(const QString& path, const QString& folder)
{
    // A journal the system will not even let us look at (a folder on the
    // way refused) is unreadable, not missing nor damaged.
    struct stat status {};
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0)
        return errno == ENOENT || errno == ENOTDIR
                   ? Reading{} // no journal can be there
                   : Reading{Status::Unreadable, {}, descriptionOfError(errno)};
    QFile file(path);
    if (!S_ISREG(status.st_mode) || status.st_size > MaximumJournalSize)
        return damaged();
    if (!file.open(QIODevice::ReadOnly))
        return {Status::Unreadable, {}, file.errorString()};
    return decoded(file.readAll(), folder);
}

// Some step of the plan was done, as the folder shows.
bool hasBegun(const std::vector<RenameStep>& plan, const QString& folder,
              const FileSystem& fileSystem)
{
    return stepsDoneOfInterruptedRun(plan, 0, folder, fileSystem) > 0;
}

} // namespace

RenameJournal::RenameJournal(QString journalFolder, FileSystem& fileSystem)
    : m_folder(std::move(journalFolder))
    , m_fileSystem(fileSystem)
{}

QString RenameJournal::fileFor(const QString& folder) const
{
    const QByteArray key =
        QCryptographicHash::hash(canonicalFolder(folder).toUtf8(), QCryptographicHash::Sha1);
    return QDir(m_folder).filePath(QString::fromLatin1(key.toHex()) + u".journal"_s);
}

void RenameJournal::adoptEarlierJournals(const QString& earlierFolder)
{
    QDir earlier(earlierFolder);
    if (earlierFolder.isEmpty() || !earlier.exists() ||
        earlier.canonicalPath() == QDir(m_folder).canonicalPath())
        return;
    const QFileInfoList files = earlier.entryInfoList({u"*.journal"_s, u"*.journal.*"_s},
                                                      QDir::Files | QDir::Hidden, QDir::Name);
    if (!files.isEmpty() && !QDir().mkpath(m_folder))
        return;
    const QDir here(m_folder);
    const auto keptHere = [&here](const QString& journalName) {
        return !here.entryList({journalName, journalName + u".*"_s}, QDir::Files | QDir::Hidden)
                    .isEmpty();
    };
    QHash<QString, bool> moving; // by journal: whether its files move (or go)
    for (const QFileInfo& file : files) {
        const QString name = file.fileName();
        const QString journalName = name.left(name.indexOf(u".journal"_s) + 8);
        if (!moving.contains(journalName))
            moving.insert(journalName, !keptHere(journalName));
        // One that cannot move stays where it is, and is read from there no more.
        if (moving.value(journalName))
            QFile::rename(file.filePath(), here.filePath(name));
        else
            QFile::remove(file.filePath());
    }
    m_fileSystem.syncFolder(m_folder);
    earlier.rmdir(earlier.absolutePath());
}

QString RenameJournal::preparedFileFor(const QString& folder) const
{
    return fileFor(folder) + u".prepared"_s;
}

QString RenameJournal::previousFileFor(const QString& folder) const
{
    return fileFor(folder) + u".previous"_s;
}

RenameJournal::Reading RenameJournal::read(const QString& folder)
{
    settlePrepared(folder);
    // Emptied by an undo killed before the next entry took its place.
    if (!QFileInfo::exists(fileFor(folder)) && !historyNumbers(folder).empty())
        bringBackNewest(folder);
    Reading reading = readFile(fileFor(folder), folder);
    if (reading.status != Status::Valid)
        return reading;
    // Another folder now at the path: nothing of it is the journal's to
    // touch, and the journal waits for its own.
    const FolderIdentity recorded = reading.entry.folder;
    if (recorded.inode != 0 && m_fileSystem.folderIdentity(folder) != recorded)
        return {Status::OtherFolder, {}};
    // A run put in place but killed before its first rename leaves the
    // previous renaming the one to undo.
    if (!reading.entry.completed && reading.entry.knownDone == 0 &&
        !hasBegun(reading.entry.steps, folder, m_fileSystem)) {
        restorePrevious(folder);
        reading = readFile(fileFor(folder), folder);
    } else {
        // Its run began: the journal it replaced is history now (a kill
        // left it aside).
        archivePrevious(folder);
    }
    if (reading.status == Status::Valid) {
        openForProgress(folder);
        m_plannedAt = reading.entry.plannedAt;
        m_madeBy = reading.entry.madeBy;
    }
    return reading;
}

// A prepared plan whose run began takes the journal's place; one whose run
// never began is dropped.
void RenameJournal::settlePrepared(const QString& folder)
{
    const QString prepared = preparedFileFor(folder);
    if (!QFileInfo::exists(prepared))
        return;
    const Reading reading = readFile(prepared, folder);
    if (reading.status == Status::Valid && hasBegun(reading.entry.steps, folder, m_fileSystem))
        m_fileSystem.replaceFile(prepared, fileFor(folder));
    else
        m_fileSystem.removeFile(prepared);
}

bool RenameJournal::prepare(const QString& folder, const std::vector<RenameStep>& plan)
{
    settlePrepared(folder);
    if (!QDir().mkpath(m_folder))
        return false;
    m_plannedAt = timeNow();
    m_madeBy = m_maker;
    const QByteArray bytes =
        encoded(folder, m_fileSystem.folderIdentity(folder), m_plannedAt, m_madeBy, false, plan);
    return m_fileSystem.writeWholeFile(preparedFileFor(folder), bytes);
}

bool RenameJournal::commitPrepared(const QString& folder)
{
    // The journal it replaces is kept aside until the run is over: a run
    // rolled back in full, or killed before its first rename, gives it back.
    const QString journal = fileFor(folder);
    const QString previous = previousFileFor(folder);
    const QFileInfo present(journal);
    if (present.exists() && (!present.isFile() || present.isSymLink()))
        return false; // something else holds the journal's place
    // One a kill left aside is older than the journal: history already.
    if (!archivePrevious(folder))
        return false;
    if (present.exists() ? !m_fileSystem.replaceFile(journal, previous)
                         : !m_fileSystem.removeFile(previous))
        return false;
    if (m_fileSystem.replaceFile(preparedFileFor(folder), journal)) {
        openForProgress(folder);
        if (m_progress && m_fileSystem.syncFolder(m_folder)) {
            // A renaming begun: what undos gave back is no longer to redo,
            // but for the rest of the redos when this is one of them.
            if (m_redoing)
                popRedo(folder);
            else
                dropRedo(folder);
            return true;
        }
        // Not for good: the plan goes back beside the journal it replaced.
        closeProgress();
        m_fileSystem.replaceFile(journal, preparedFileFor(folder));
    }
    if (QFileInfo::exists(previous))
        m_fileSystem.replaceFile(previous, journal);
    return false;
}

void RenameJournal::discardPrepared(const QString& folder)
{
    m_fileSystem.removeFile(preparedFileFor(folder));
}

void RenameJournal::openForProgress(const QString& folder)
{
    closeProgress();
    m_progress = m_fileSystem.openToAppend(fileFor(folder));
}

void RenameJournal::closeProgress()
{
    m_progress.reset();
    m_pending.clear();
    m_pendingRecords = 0;
}

bool RenameJournal::appendRecord(const QByteArray& record, bool sync, bool mayWait)
{
    // Records that may wait (entries settled: many, and each short) are
    // written with others, unless synced.
    constexpr int Batch = 64;
    m_pending += checkedRecord(record);
    m_pending += '\0';
    if (mayWait && !sync && ++m_pendingRecords < Batch && m_progress)
        return true;
    return writePending(sync);
}

bool RenameJournal::writePending(bool sync)
{
    const bool written = m_progress && m_progress->append(m_pending);
    m_pending.clear();
    m_pendingRecords = 0;
    return written && (!sync || m_progress->sync());
}

bool RenameJournal::recordStepsDone(std::size_t count, bool sync)
{
    return appendRecord('d' + QByteArray::number(qulonglong(count)), sync);
}

bool RenameJournal::recordRunEnd(std::size_t count)
{
    return appendRecord('e' + QByteArray::number(qulonglong(count)), true);
}

bool RenameJournal::recordSettled(std::size_t index, bool sync)
{
    return appendRecord('s' + QByteArray::number(qulonglong(index)), sync, true);
}

bool RenameJournal::recordCompleted(const QString& folder, std::size_t count)
{
    const bool recorded = appendRecord('c' + QByteArray::number(qulonglong(count)), true);
    closeProgress();
    // Left behind by a crash, the journal it replaced goes to the history
    // when the journal is next read.
    if (!m_redoing)
        dropRedo(folder);
    return recorded && archivePrevious(folder);
}

bool RenameJournal::rewrite(const QString& folder, const std::vector<RenameStep>& steps)
{
    // Should the rewriting fail, the records tell what was done.
    const bool recordsWritten = m_pending.isEmpty() || writePending(false);
    closeProgress();
    // Nothing left to undo: the renaming before it is the one to undo next.
    if (steps.empty())
        return recordsWritten && bringBackNewest(folder);
    const bool written = QDir().mkpath(m_folder) &&
                         m_fileSystem.writeWholeFile(
                             fileFor(folder), encoded(folder, m_fileSystem.folderIdentity(folder),
                                                      m_plannedAt, m_madeBy, true, steps));
    return recordsWritten && written && archivePrevious(folder);
}

bool RenameJournal::restorePrevious(const QString& folder)
{
    return bringBackNewest(folder);
}

QString RenameJournal::redoFileFor(const QString& folder, int number) const
{
    return fileFor(folder) + u".redo."_s + QString::number(number);
}

// Redos are numbered from 1, the renaming undone last the highest.
int RenameJournal::redoCount(const QString& folder) const
{
    int count = 0;
    while (QFileInfo::exists(redoFileFor(folder, count + 1)))
        ++count;
    return count;
}

QString RenameJournal::walkFileFor(const QString& folder) const
{
    return fileFor(folder) + u".walk"_s;
}

// The numbers of the history's entries, oldest first.
std::vector<int> RenameJournal::historyNumbers(const QString& folder) const
{
    const QString journalName = QFileInfo(fileFor(folder)).fileName();
    std::vector<int> numbers;
    const QStringList names =
        QDir(m_folder).entryList({journalName + u".*"_s}, QDir::Files | QDir::Hidden);
    for (const QString& name : names) {
        bool ok = false;
        const int number = name.mid(journalName.size() + 1).toInt(&ok);
        if (ok && number > 0)
            numbers.push_back(number);
    }
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

// The journal a run replaced becomes the newest entry of the history.
bool RenameJournal::archivePrevious(const QString& folder)
{
    const QString previous = previousFileFor(folder);
    if (!QFileInfo::exists(previous))
        return true;
    const std::vector<int> numbers = historyNumbers(folder);
    const int next = numbers.empty() ? 1 : numbers.back() + 1;
    const bool moved =
        m_fileSystem.replaceFile(previous, fileFor(folder) + u'.' + QString::number(next));
    pruneHistory(folder);
    return moved && m_fileSystem.syncFolder(m_folder);
}

// The journal emptied: the journal its run replaced, else the newest entry
// of the history, takes its place, whatever it holds (a damaged one is
// refused there, and kept).
bool RenameJournal::bringBackNewest(const QString& folder)
{
    closeProgress();
    const QString journal = fileFor(folder);
    const QString previous = previousFileFor(folder);
    const std::vector<int> numbers = historyNumbers(folder);
    bool moved = false;
    if (QFileInfo::exists(previous))
        moved = m_fileSystem.replaceFile(previous, journal);
    else if (!numbers.empty())
        moved = m_fileSystem.replaceFile(journal + u'.' + QString::number(numbers.back()), journal);
    else
        moved = m_fileSystem.removeFile(journal);
    return moved && m_fileSystem.syncFolder(m_folder);
}

// Beyond the length asked, or beyond the bytes allowed, the oldest go.
void RenameJournal::pruneHistory(const QString& folder)
{
    const std::vector<int> numbers = historyNumbers(folder);
    const QString journal = fileFor(folder);
    const auto entryFile = [&journal](int number) {
        return journal + u'.' + QString::number(number);
    };
    std::size_t kept = 0;
    qint64 bytes = 0;
    std::size_t first = numbers.size(); // the oldest entry kept
    while (first > 0 && kept + 1 < std::size_t(m_historyLength)) {
        const qint64 size = QFileInfo(entryFile(numbers[first - 1])).size();
        if (kept > 0 && bytes + size > MaximumHistoryBytes)
            break;
        bytes += size;
        ++kept;
        --first;
    }
    for (std::size_t i = 0; i < first; ++i)
        m_fileSystem.removeFile(entryFile(numbers[i]));
}

std::vector<RenameJournal::Reading> RenameJournal::readHistory(const QString& folder) const
{
    const std::vector<int> numbers = historyNumbers(folder);
    std::vector<Reading> readings;
    for (auto number = numbers.rbegin(); number != numbers.rend(); ++number)
        readings.push_back(readFile(fileFor(folder) + u'.' + QString::number(*number), folder));
    return readings;
}

std::size_t RenameJournal::historySize(const QString& folder) const
{
    return (QFileInfo::exists(fileFor(folder)) ? 1 : 0) + historyNumbers(folder).size();
}

bool RenameJournal::keepForRedo(const QString& folder, const std::vector<RenameStep>& steps)
{
    return m_fileSystem.writeWholeFile(
        redoFileFor(folder, redoCount(folder) + 1),
        encoded(folder, m_fileSystem.folderIdentity(folder), m_plannedAt, m_madeBy, true, steps));
}

RenameJournal::Reading RenameJournal::readRedo(const QString& folder) const
{
    return readFile(redoFileFor(folder, redoCount(folder)), folder);
}

bool RenameJournal::hasRedo(const QString& folder) const
{
    return QFileInfo::exists(redoFileFor(folder, 1));
}

// The highest first: a kill leaves the lower ones in order.
void RenameJournal::dropRedo(const QString& folder)
{
    for (int number = redoCount(folder); number > 0; --number)
        m_fileSystem.removeFile(redoFileFor(folder, number));
}

void RenameJournal::popRedo(const QString& folder)
{
    if (const int count = redoCount(folder); count > 0)
        m_fileSystem.removeFile(redoFileFor(folder, count));
}

bool RenameJournal::beginWalk(const QString& folder, std::size_t remaining)
{
    return m_fileSystem.writeWholeFile(walkFileFor(folder),
                                       WalkHeader + QByteArray::number(qulonglong(remaining)) +
                                           '\n') &&
           m_fileSystem.syncFolder(m_folder);
}

std::optional<std::size_t> RenameJournal::walkTarget(const QString& folder) const
{
    QFile file(walkFileFor(folder));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.read(64);
    bool ok = false;
    const qulonglong remaining = bytes.startsWith(WalkHeader) && bytes.endsWith('\n')
                                     ? bytes.sliced(WalkHeader.size()).chopped(1).toULongLong(&ok)
                                     : 0;
    return ok ? std::optional<std::size_t>(remaining) : std::nullopt;
}

void RenameJournal::endWalk(const QString& folder)
{
    if (QFileInfo::exists(walkFileFor(folder)))
        m_fileSystem.removeFile(walkFileFor(folder));
}

} // namespace tervane
