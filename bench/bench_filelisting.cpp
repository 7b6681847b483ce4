// SPDX-License-Identifier: GPL-3.0-or-later
// The file list is rebuilt at every keystroke in the pattern box and at every
// refresh, so the listing is measured at the largest list size against a bare
// reading of the same folder; the numeric order runs when its box is checked.
#include "files/FileEnumerator.h"
#include "platform/PosixFileSystem.h"
#include "text/NaturalSort.h"

#include <QDirIterator>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <algorithm>

using namespace tervane;

using namespace Qt::StringLiterals;

namespace {

constexpr int ListSize = 32767;

QStringList shuffled(QStringList names)
{
    QRandomGenerator random(42);
    std::shuffle(names.begin(), names.end(), random);
    return names;
}

// One folder of ListSize matching files and a few that do not match, made once.
const QTemporaryDir& trackFolder()
{
    static const QTemporaryDir dir = [] {
        QTemporaryDir made;
        QStringList names;
        for (int i = 1; i <= ListSize; ++i)
            names << u"track %1.mp3"_s.arg(i, 5, 10, QChar(u'0'));
        names << u"cover.jpg"_s << u"notes.txt"_s << u".hidden.mp3"_s;
        for (const QString& name : shuffled(names)) {
            QFile file(made.filePath(name));
            if (!file.open(QIODevice::WriteOnly))
                std::abort();
        }
        return made;
    }();
    return dir;
}

void BM_FileEnumeratorRefresh(benchmark::State& state)
{
    PosixFileSystem fileSystem;
    FileEnumerator files(fileSystem);
    files.setPattern(u"*.mp3;*.wma"_s);
    if (!files.setPath(trackFolder().path()) || files.count() != ListSize)
        state.SkipWithError("unexpected listing");
    for (auto _ : state) {
        files.refresh();
        benchmark::DoNotOptimize(files.count());
    }
}
BENCHMARK(BM_FileEnumeratorRefresh)->Unit(benchmark::kMillisecond);

// The baseline: reading the folder and keeping the names, nothing more.
void BM_BareDirIterator(benchmark::State& state)
{
    const QString folder = trackFolder().path();
    for (auto _ : state) {
        QStringList names;
        QDirIterator it(folder, QDir::Files | QDir::NoDotAndDotDot);
        while (it.hasNext()) {
            it.next();
            names.append(it.fileName());
        }
        benchmark::DoNotOptimize(names.size());
    }
}
BENCHMARK(BM_BareDirIterator)->Unit(benchmark::kMillisecond);

// The parts of a listing on their own: matching, and the alphabetical order.
void BM_MatchPatterns(benchmark::State& state)
{
    const QStringList names = PosixFileSystem().listFiles(trackFolder().path());
    for (auto _ : state) {
        int matched = 0;
        for (const QString& name : names)
            matched += matchesWildcard(name, u"*.mp3"_s) || matchesWildcard(name, u"*.wma"_s);
        benchmark::DoNotOptimize(matched);
    }
}
BENCHMARK(BM_MatchPatterns)->Unit(benchmark::kMillisecond);

void BM_SortAlphabetically(benchmark::State& state)
{
    const QStringList names = PosixFileSystem().listFiles(trackFolder().path());
    for (auto _ : state) {
        QStringList copy = names;
        sortAlphabetically(copy);
        benchmark::DoNotOptimize(copy.size());
    }
}
BENCHMARK(BM_SortAlphabetically)->Unit(benchmark::kMillisecond);

// The alternative to collation keys: a case-folded comparison of code units.
void BM_SortCaseFoldedBaseline(benchmark::State& state)
{
    const QStringList names = PosixFileSystem().listFiles(trackFolder().path());
    for (auto _ : state) {
        QStringList copy = names;
        std::sort(copy.begin(), copy.end(), [](const QString& a, const QString& b) {
            const int c = a.compare(b, Qt::CaseInsensitive);
            return c != 0 ? c < 0 : a < b;
        });
        benchmark::DoNotOptimize(copy.size());
    }
}
BENCHMARK(BM_SortCaseFoldedBaseline)->Unit(benchmark::kMillisecond);

void BM_SortNumerically(benchmark::State& state)
{
    QStringList tracks;
    for (int i = 1; i <= ListSize; ++i)
        tracks << u"Piste %1.mp3"_s.arg(i);
    const QStringList names = shuffled(tracks);
    for (auto _ : state) {
        state.PauseTiming();
        QStringList copy = names;
        copy.detach();
        state.ResumeTiming();
        sortNumerically(copy);
        benchmark::DoNotOptimize(copy.size());
    }
}
BENCHMARK(BM_SortNumerically)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
