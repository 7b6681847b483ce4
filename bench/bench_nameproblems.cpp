// SPDX-License-Identifier: GPL-3.0-or-later
// The problem count runs at every refresh of the counters, so at every
// keystroke in an option box: measured at the largest list size.
#include "session/RenameWorkspace.h"

#include <QRandomGenerator>
#include <benchmark/benchmark.h>

using namespace tervane;

namespace {

constexpr int ListSize = 32767;

std::vector<NameRow> trackNames(bool accented)
{
    std::vector<NameRow> rows;
    rows.reserve(ListSize);
    QRandomGenerator random(42);
    for (int i = 0; i < ListSize; ++i) {
        QString name = QStringLiteral("%1 - Artist %2 - Title of the song %3.mp3")
                           .arg(i + 1, 5, 10, QLatin1Char('0'))
                           .arg(random.bounded(500))
                           .arg(random.bounded(100000));
        if (accented)
            name += QStringLiteral(" Été");
        rows.push_back({name, false});
    }
    return rows;
}

// The pairwise comparison the count replaces, kept as the baseline.
int pairwiseCount(std::vector<NameRow>& rows)
{
    int count = 0;
    const int n = int(rows.size());
    for (int i = 0; i < n; ++i) {
        if (rows[i].text.isEmpty()) {
            ++count;
            continue;
        }
        for (int j = i + 1; j < n; ++j)
            if (rows[i].text.compare(rows[j].text, Qt::CaseInsensitive) == 0) {
                ++count;
                rows[i].duplicate = rows[j].duplicate = true;
            }
    }
    return count;
}

void BM_CountNameProblems(benchmark::State& state)
{
    std::vector<NameRow> rows = trackNames(state.range(0) != 0);
    for (auto _ : state)
        benchmark::DoNotOptimize(countNameProblems(rows));
}
BENCHMARK(BM_CountNameProblems)->Arg(0)->Arg(1)->ArgName("accented")->Unit(benchmark::kMillisecond);

void BM_PairwiseBaseline(benchmark::State& state)
{
    std::vector<NameRow> rows = trackNames(false);
    for (auto _ : state)
        benchmark::DoNotOptimize(pairwiseCount(rows));
}
BENCHMARK(BM_PairwiseBaseline)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
