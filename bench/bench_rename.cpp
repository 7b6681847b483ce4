// SPDX-License-Identifier: GPL-3.0-or-later
// Renaming 10,000 files through the rename command (conflict analysis,
// renaming with its undo set, reading the folder again) against a bare
// renameat2 loop over the same files. Each iteration renames the files to the
// other set of names, so the folder alternates between two states.
#include "files/FileEnumerator.h"
#include "i18n/LanguageFile.h"
#include "i18n/TranslationCatalogue.h"
#include "platform/PosixFileSystem.h"
#include "rename/FolderNames.h"
#include "rename/PlanOrder.h"
#include "rename/RenameCommand.h"
#include "services/Prompter.h"
#include "session/RenameSession.h"
#include "session/RenameWorkspace.h"
#include "text/TextHelpers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

using namespace tervane;

namespace {

constexpr int FileCount = 10000;

class SilentPrompter : public Prompter {
public:
    bool show(const QString&, MessageIcon, MessageButtons) override { return true; }
    void beep() override {}
    void setBusy(bool) override {}
};

QStringList names(const char* stem)
{
    QStringList list;
    for (int i = 1; i <= FileCount; ++i)
        list
            << QStringLiteral("%1 %2.mp3").arg(QLatin1String(stem)).arg(i, 5, 10, QLatin1Char('0'));
    return list;
}

QString makeFolder(const QTemporaryDir& dir, const QStringList& files)
{
    const QString folder = dir.filePath(QStringLiteral("music"));
    QDir().mkpath(folder);
    for (const QString& file : files)
        QFile(folder + u'/' + file).open(QIODevice::WriteOnly);
    return folder;
}

// A folder of files under the first set of names, and what renaming it takes.
struct RenameBench {
    QTemporaryDir dir;
    const QStringList first = names("track");
    const QStringList second = names("Titre");
    const QString folder = makeFolder(dir, first);
    PosixFileSystem fileSystem;
    SilentPrompter prompter;
    const TranslationCatalogue texts = buildTranslationCatalogue(LanguageFile());
};

void BM_RenameCommand(benchmark::State& state)
{
    RenameBench bench;
    auto& [dir, first, second, folder, fileSystem, prompter, texts] = bench;
    FileEnumerator enumerator(fileSystem);
    enumerator.setPattern(QStringLiteral("*.mp3"));
    enumerator.setPath(folder);

    RenameWorkspace workspace;
    bool forward = true;
    for (auto _ : state) {
        workspace.listedFolder = folder;
        workspace.fileRows = enumerator.names();
        const QStringList& target = forward ? second : first;
        workspace.nameRows.clear();
        for (const QString& name : target)
            workspace.nameRows.push_back({name, false});
        RenameCommand(folder, fileSystem, prompter, texts)
            .run(renamePlan(workspace), workspace.undoSet);
        enumerator.refresh();
        forward = !forward;
    }
    if (enumerator.count() != FileCount || !workspace.undoSet.size())
        state.SkipWithError("the renaming did not go through");
}
BENCHMARK(BM_RenameCommand)->Unit(benchmark::kMillisecond);

// The same renaming as the window runs it: the session lists the folder,
// makes the names from pasted lines, plans and renames under the folder's
// lock, without a journal (0) and with the journal both front ends keep (1).
void BM_WindowRename(benchmark::State& state)
{
    RenameBench bench;
    auto& [dir, first, second, folder, fileSystem, prompter, texts] = bench;
    RenameSession session(fileSystem);
    if (state.range(0) == 1)
        session.keepJournal(dir.filePath(QStringLiteral("journals")));
    session.setPattern(QStringLiteral("*.mp3"));
    session.setFolder(folder);
    TreatmentOptions options;
    options.numbering = false;
    bool forward = true;
    for (auto _ : state) {
        session.listFiles(false, false);
        QStringList lines;
        for (const QString& name : forward ? second : first)
            lines << getBaseName(name);
        session.generateNames(options, lines);
        if (session.planAndRename(false, prompter, texts) != RenameOutcome::Finished)
            state.SkipWithError("the renaming did not go through");
        forward = !forward;
    }
}
BENCHMARK(BM_WindowRename)->Arg(0)->Arg(1)->ArgName("journal")->Unit(benchmark::kMillisecond);

// A file system that cannot exchange names (FAT, network shares).
class NoExchangeFileSystem : public PosixFileSystem {
public:
    bool canExchangeNames(const QString&) const override { return false; }
};

// Renumbering by one (track n to track n + 1, then back) and swapping names
// in pairs: plans whose new names are their own old names, ordered, and run
// with one exchange for each pair, or through a temporary name where the
// file system cannot exchange names.
template <class System = PosixFileSystem>
struct OrderedRenaming {
    QTemporaryDir dir;
    QString folder = makeFolder(dir, names("track"));
    System fileSystem;
    SilentPrompter prompter;
    TranslationCatalogue texts = buildTranslationCatalogue(LanguageFile());
    std::vector<RenameStep> undoSet;
    std::size_t renames = 0;

    static QString name(int i)
    {
        return QStringLiteral("track %1.mp3").arg(i, 5, 10, QLatin1Char('0'));
    }
    // Orders the plan and runs it; false when it did not go through. The
    // session plans from the listing it shows, read before: that reading is
    // not timed here.
    bool run(const std::vector<RenameStep>& plan, benchmark::State& state)
    {
        state.PauseTiming();
        const FolderNames names = FolderNames::read(folder, fileSystem);
        state.ResumeTiming();
        const HeldFolder held(fileSystem, folder); // as the session plans
        const auto ordered = orderPlan(plan, folder, fileSystem, names);
        if (!ordered)
            return false;
        renames += ordered->steps.size();
        return RenameCommand(folder, fileSystem, prompter, texts)
                   .run(ordered->steps, undoSet, true) == RenameOutcome::Finished;
    }
};

void BM_RenameShiftByOne(benchmark::State& state)
{
    // Up by one, then down by one: the same plan backwards.
    OrderedRenaming<> renaming;
    bool up = true;
    for (auto _ : state) {
        std::vector<RenameStep> plan;
        plan.reserve(FileCount);
        for (int i = 1; i <= FileCount; ++i) {
            const QString low = OrderedRenaming<>::name(i);
            const QString high = OrderedRenaming<>::name(i + 1);
            plan.push_back(up ? RenameStep{low, high} : RenameStep{high, low});
        }
        if (!renaming.run(plan, state)) {
            state.SkipWithError("the shift did not go through");
            return;
        }
        up = !up;
    }
}
BENCHMARK(BM_RenameShiftByOne)->Unit(benchmark::kMillisecond);

template <class System>
void swapPairs(benchmark::State& state)
{
    OrderedRenaming<System> renaming;
    std::vector<RenameStep> plan;
    for (int i = 1; i <= FileCount; ++i)
        plan.push_back({renaming.name(i), renaming.name(i % 2 ? i + 1 : i - 1)});
    for (auto _ : state) {
        if (!renaming.run(plan, state)) {
            state.SkipWithError("the swap did not go through");
            return;
        }
    }
    state.counters["steps"] = double(renaming.renames) / double(state.iterations());
}

void BM_RenameSwapPairs(benchmark::State& state)
{
    swapPairs<PosixFileSystem>(state);
}
BENCHMARK(BM_RenameSwapPairs)->Unit(benchmark::kMillisecond);

void BM_RenameSwapPairsWithoutExchange(benchmark::State& state)
{
    swapPairs<NoExchangeFileSystem>(state);
}
BENCHMARK(BM_RenameSwapPairsWithoutExchange)->Unit(benchmark::kMillisecond);

// The window's shift by one (0) and swap in pairs (1) with the journal both
// front ends keep, timed as a renaming (0) or as the undo of it (1): an undo
// records its progress as the renaming does, in batches.
void BM_JournalledRenameAndUndo(benchmark::State& state)
{
    const bool swap = state.range(0) == 1;
    const bool timingUndo = state.range(1) == 1;
    OrderedRenaming<> renaming;
    RenameSession session(renaming.fileSystem);
    session.keepJournal(renaming.dir.filePath(QStringLiteral("journals")));
    session.setPattern(QStringLiteral("*.mp3"));
    session.setFolder(renaming.folder);
    TreatmentOptions options;
    options.numbering = false;
    QStringList lines;
    for (int i = 1; i <= FileCount; ++i)
        lines << getBaseName(OrderedRenaming<>::name(swap ? (i % 2 ? i + 1 : i - 1) : i + 1));
    const auto timed = [&state](bool timing, const auto& step) {
        if (!timing)
            state.PauseTiming();
        const bool done = step() == RenameOutcome::Finished;
        if (!timing)
            state.ResumeTiming();
        return done;
    };
    for (auto _ : state) {
        state.PauseTiming();
        session.listFiles(false, false);
        session.generateNames(options, lines);
        state.ResumeTiming();
        if (!timed(
                !timingUndo,
                [&] { return session.planAndRename(true, renaming.prompter, renaming.texts); }) ||
            !timed(timingUndo, [&] { return session.undo(renaming.prompter, renaming.texts); }))
            state.SkipWithError("the renaming or its undo did not go through");
    }
}
BENCHMARK(BM_JournalledRenameAndUndo)
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->ArgNames({"swap", "undo"})
    ->Unit(benchmark::kMillisecond);

void BM_BareRenameLoop(benchmark::State& state)
{
    QTemporaryDir dir;
    const QStringList first = names("track");
    const QStringList second = names("Titre");
    const QString folder = makeFolder(dir, first);
    std::vector<QByteArray> a, b;
    for (int i = 0; i < FileCount; ++i) {
        a.push_back(QFile::encodeName(first[i]));
        b.push_back(QFile::encodeName(second[i]));
    }
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    bool forward = true;
    for (auto _ : state) {
        const auto& from = forward ? a : b;
        const auto& to = forward ? b : a;
        for (int i = 0; i < FileCount; ++i)
            ::renameat2(fd, from[i].constData(), fd, to[i].constData(), RENAME_NOREPLACE);
        forward = !forward;
    }
    ::close(fd);
}
BENCHMARK(BM_BareRenameLoop)->Unit(benchmark::kMillisecond);

// The least the shift and the swap take: the same renames in the order that
// frees each name first, and one exchange a pair, nothing else.
struct BareFolder {
    QTemporaryDir dir;
    QString folder = makeFolder(dir, names("track"));
    int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    std::vector<QByteArray> name = numbered();
    ~BareFolder() { ::close(fd); }

    // "track 00001.mp3" at 1, up to one past the files.
    static std::vector<QByteArray> numbered()
    {
        std::vector<QByteArray> all(FileCount + 2);
        for (int i = 1; i <= FileCount + 1; ++i)
            all[i] = QFile::encodeName(OrderedRenaming<>::name(i));
        return all;
    }
};

void BM_BareShiftLoop(benchmark::State& state)
{
    BareFolder bare;
    bool up = true;
    for (auto _ : state) {
        for (int k = 0; k < FileCount; ++k) {
            const int i = up ? FileCount - k : k + 1; // the freed name first
            const QByteArray& from = bare.name[up ? i : i + 1];
            const QByteArray& to = bare.name[up ? i + 1 : i];
            ::renameat2(bare.fd, from.constData(), bare.fd, to.constData(), RENAME_NOREPLACE);
        }
        up = !up;
    }
}
BENCHMARK(BM_BareShiftLoop)->Unit(benchmark::kMillisecond);

void BM_BareExchangeLoop(benchmark::State& state)
{
    BareFolder bare;
    for (auto _ : state)
        for (int i = 1; i < FileCount; i += 2)
            ::renameat2(bare.fd, bare.name[i].constData(), bare.fd, bare.name[i + 1].constData(),
                        RENAME_EXCHANGE);
}
BENCHMARK(BM_BareExchangeLoop)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
