// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the tags of 10,000 music files (MP3, FLAC, Ogg Vorbis and MP4 in
// turn, every field set), as a paste of the titles does: warm, and with the
// files' data dropped from the page cache before each reading (cold). The
// folder's entries stay cached; a cold disk adds its seeks on top.
#include "platform/TagLibTags.h"
#include "support/AudioFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

using namespace tervane;

namespace {

constexpr int FileCount = 10000;

struct TaggedFolder {
    QTemporaryDir dir;
    QStringList paths;

    TaggedFolder()
    {
        const struct {
            AudioFormat format;
            const char* extension;
        } formats[] = {{AudioFormat::Mp3, "mp3"},
                       {AudioFormat::Flac, "flac"},
                       {AudioFormat::OggVorbis, "ogg"},
                       {AudioFormat::Mp4, "m4a"}};
        // One tagged file of each format, copied under every name.
        QStringList models;
        for (const auto& [format, extension] : formats) {
            models << dir.filePath(QStringLiteral("model.") + QLatin1String(extension));
            writeAudioFile(models.last(), format,
                           AudioTags{QStringLiteral("A title of some length"),
                                     QStringLiteral("The Artist"), QStringLiteral("The Album"),
                                     1999, QStringLiteral("3/12")});
        }
        QDir().mkpath(dir.filePath(QStringLiteral("music")));
        for (int i = 0; i < FileCount; ++i) {
            const QString& model = models[i % models.size()];
            paths << dir.filePath(
                         QStringLiteral("music/track %1.").arg(i, 5, 10, QLatin1Char('0'))) +
                         QFileInfo(model).suffix();
            QFile::copy(model, paths.last());
        }
    }

    // Drops the files' data from the page cache (written back first).
    void dropFromCache() const
    {
        ::sync();
        for (const QString& path : paths) {
            const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
            ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
            ::close(fd);
        }
    }
};

const TaggedFolder& folder()
{
    static const TaggedFolder tagged;
    return tagged;
}

void check(benchmark::State& state, const std::vector<FileTags>& tags)
{
    if (tags.size() != std::size_t(FileCount) || tags.back().title.isEmpty() ||
        tags.front().track != QStringLiteral("3"))
        state.SkipWithError("the tags were not read");
}

void BM_ReadTagsWarm(benchmark::State& state)
{
    const TaggedFolder& tagged = folder();
    for (auto _ : state)
        check(state, readTagsOfFiles(tagged.paths));
}
BENCHMARK(BM_ReadTagsWarm)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ReadTagsCold(benchmark::State& state)
{
    const TaggedFolder& tagged = folder();
    for (auto _ : state) {
        state.PauseTiming();
        tagged.dropFromCache();
        state.ResumeTiming();
        check(state, readTagsOfFiles(tagged.paths));
    }
}
BENCHMARK(BM_ReadTagsCold)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
