// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up lookups in a language file the size of a full translation with
// half its texts in element form: every catalogue key and a caption for every
// control of the main window.
#include "i18n/BuiltInTexts.h"
#include "i18n/LanguageFile.h"
#include "i18n/TranslationCatalogue.h"
#include "settings/IniFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace tervane;

namespace {

constexpr int ControlCount = 200;

QStringList controlKeys()
{
    QStringList keys;
    for (int i = 0; i < ControlCount; ++i)
        keys << QStringLiteral("ctlControl%1").arg(i);
    return keys;
}

QStringList allKeys()
{
    QStringList keys = controlKeys();
    for (const BuiltInText& text : BuiltInTexts)
        keys << QString::fromUtf16(text.key);
    return keys;
}

// Every other key as an INI line, the rest as elements after the section.
QString writeTranslation(const QTemporaryDir& dir)
{
    QString ini = QStringLiteral("[Traduction]\r\nCodeLangue=9\r\n");
    QString elements;
    const QStringList keys = allKeys();
    for (qsizetype i = 0; i < keys.size(); ++i) {
        const QString text =
            QStringLiteral("An English text for %1, long enough to be real").arg(keys[i]);
        if (i % 2 == 0)
            ini += keys[i] + u'=' + text + QStringLiteral("\r\n");
        else
            elements += u'<' + keys[i] + u'>' + text + QStringLiteral("</") + keys[i] +
                        QStringLiteral(">\r\n");
    }
    const QString path = dir.filePath(QStringLiteral("English.lng"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write((ini + elements).toUtf8());
    return path;
}

void BM_StartupLookups(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = writeTranslation(dir);
    const QStringList controls = controlKeys();
    for (auto _ : state) {
        const LanguageFile file = LanguageFile::load(path);
        benchmark::DoNotOptimize(buildTranslationCatalogue(file));
        for (const QString& key : controls)
            benchmark::DoNotOptimize(lookupTranslation(file, key, key));
    }
}
BENCHMARK(BM_StartupLookups)->Unit(benchmark::kMillisecond);

// Baseline: every lookup goes to the file, and every one that finds no INI
// value reads the whole file again to search for its tags.
QString naiveLookup(const QString& path, const QString& key)
{
    QString value = readIniString(path, QStringLiteral("Traduction"), key, {});
    if (!value.isEmpty())
        return value;
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    const QString text = QString::fromUtf8(file.readAll());
    const QString open = u'<' + key + u'>';
    const qsizetype start = text.indexOf(open, 0, Qt::CaseInsensitive);
    if (start < 0)
        return {};
    const qsizetype end =
        text.indexOf(QStringLiteral("</") + key + u'>', start, Qt::CaseInsensitive);
    return end < 0 ? QString() : text.mid(start + open.size(), end - start - open.size());
}

void BM_NaiveStartupLookups(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = writeTranslation(dir);
    const QStringList keys = allKeys();
    for (auto _ : state)
        for (const QString& key : keys)
            benchmark::DoNotOptimize(naiveLookup(path, key));
}
BENCHMARK(BM_NaiveStartupLookups)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
