// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the tags of 10,000 music files (MP3, FLAC, Ogg Vorbis and MP4 in
// turn, every field set), as a paste of the titles does, and the date taken
// of 10,000 small JPEGs, as a listing by date taken does: warm, and with the
// files' data dropped from the page cache before each reading (cold). The
// folder's entries stay cached; a cold disk adds its seeks on top.
// bench/photo_dates.sh runs the pictures' reading beside exiftool and exiv2.
#include "platform/TagLibTags.h"
#include "support/AudioFiles.h"
#include "support/PictureFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

using namespace tervane;

namespace {

constexpr int FileCount = 10000;

// Drops the files' data from the page cache (written back first).
void dropFromCache(const QStringList& paths)
{
    ::sync();
    for (const QString& path : paths) {
        const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
        ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
        ::close(fd);
    }
}

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

    void dropFromCache() const { ::dropFromCache(paths); }
};

// The pictures of TERVANE_PHOTOS when set (the script's), else 10,000 copies
// of one small dated JPEG.
struct PictureFolder {
    QTemporaryDir dir;
    QStringList paths;

    PictureFolder()
    {
        if (const QString given = qEnvironmentVariable("TERVANE_PHOTOS"); !given.isEmpty()) {
            for (const QString& name : QDir(given).entryList({QStringLiteral("*.jpg")}))
                paths << given + u'/' + name;
            return;
        }
        const QString model = dir.filePath(QStringLiteral("model.jpg"));
        writePicture(
            model, PictureFormat::Jpeg,
            {{QStringLiteral("Exif.Photo.DateTimeOriginal"), QStringLiteral("2026:12:07 14:33:12")},
             {QStringLiteral("Exif.Image.Model"), QStringLiteral("Pixel 8")}});
        for (int i = 0; i < FileCount; ++i) {
            paths << dir.filePath(QStringLiteral("IMG_%1.jpg").arg(i, 5, 10, QLatin1Char('0')));
            QFile::copy(model, paths.last());
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

const PictureFolder& pictures()
{
    static const PictureFolder folder;
    return folder;
}

void checkDates(benchmark::State& state, const std::vector<FileTags>& tags)
{
    if (tags.empty() || !tags.front().takenDate.isValid() || !tags.back().takenDate.isValid())
        state.SkipWithError("the dates were not read");
}

void BM_PhotoDatesWarm(benchmark::State& state)
{
    for (auto _ : state)
        checkDates(state, readTagsOfFiles(pictures().paths));
}
BENCHMARK(BM_PhotoDatesWarm)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_PhotoDatesCold(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        dropFromCache(pictures().paths);
        state.ResumeTiming();
        checkDates(state, readTagsOfFiles(pictures().paths));
    }
}
BENCHMARK(BM_PhotoDatesCold)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
