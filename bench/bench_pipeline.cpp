// SPDX-License-Identifier: GPL-3.0-or-later
// A re-apply run goes through every name at every keystroke in an option box,
// and a keystroke in the pattern box lists the folder again: measured on the
// real main window (offscreen), at 10,000, 32,767 and 100,000 files.
#include "lists/ListModels.h"
#include "lists/NameListEditor.h"
#include "mainwindow/MainWindow.h"
#include "naming/NamePipeline.h"
#include "options/OptionsPanel.h"
#include "session/RenameWorkspace.h"
#include "support/TestEnvironment.h"

#include <QApplication>
#include <QCheckBox>
#include <QDirIterator>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QTreeView>
#include <benchmark/benchmark.h>

#include <map>

using namespace tervane;

namespace {

constexpr int ListSize = 32767;

// One program session on a folder of files, every treatment on.
struct Session {
    TestEnvironment env;
    std::unique_ptr<MainWindow> window;

    explicit Session(int size)
    {
        const QString folder = env.path(QStringLiteral("music"));
        QDir().mkpath(folder);
        for (int i = 1; i <= size; ++i) {
            QFile file(
                QStringLiteral("%1/track %2.mp3").arg(folder).arg(i, 5, 10, QLatin1Char('0')));
            file.open(QIODevice::WriteOnly);
        }
        env.context().folderArgument = folder;
        window = std::make_unique<MainWindow>(env.context());
        window->load();
        window->showAsLoaded();
        window->settingsClicked();
        OptionsPanel& panel = *window->controls().optionsPanel;
        panel.removeTermsBox->setChecked(true);
        panel.termsEdit->setText(QStringLiteral("live;(remix);bonus"));
        panel.removeCapitalsBox->setChecked(true);
        panel.removeCharactersBox->setChecked(true);
        panel.removeCharactersCountEdit->setText(QStringLiteral("1"));
        panel.removeCharactersPlaces[1]->setChecked(true);
        panel.addStringBox->setChecked(true);
        panel.addStringEdit->setText(QStringLiteral(" (Live)"));
        panel.addStringPlaces[1]->setChecked(true);

        QString text;
        for (int i = 1; i <= size; ++i)
            text += QStringLiteral("%1. The Artist - A Song Title LIVE (Remix) %2 3:4%3\n")
                        .arg(i)
                        .arg(i * 7)
                        .arg(i % 10);
        window->dropText(text);
        // Laid out as in the running program, where events follow every run:
        // a view with its layout still pending takes changes for free.
        QCoreApplication::processEvents();
    }
};

// Made on first use, one per list size, and gone before the application object.
std::map<int, std::unique_ptr<Session>> sharedSessions;

Session& session(int size = ListSize)
{
    std::unique_ptr<Session>& shared = sharedSessions[size];
    if (!shared)
        shared = std::make_unique<Session>(size);
    return *shared;
}

// A click on a treatment: every name is made again (the capitals treatment
// is switched on and off, so nothing kept from the previous run applies).
void BM_ReapplyRun(benchmark::State& state)
{
    MainWindow& window = *session(int(state.range(0))).window;
    for (auto _ : state)
        window.controls().optionsPanel->removeCapitalsBox->toggle();
    state.counters["names"] = double(window.workspace().nameRows.size());
}
BENCHMARK(BM_ReapplyRun)->Arg(10000)->Arg(ListSize)->Arg(100000)->Unit(benchmark::kMillisecond);

// A keystroke in the find box of a regular-expression replacement: every
// name is made again with the expression one character longer or shorter.
void BM_ReplaceKeystroke(benchmark::State& state)
{
    MainWindow& window = *session(int(state.range(0))).window;
    OptionsPanel& panel = *window.controls().optionsPanel;
    panel.replaceRegexBox->setChecked(true);
    panel.replaceToEdit->setText(QStringLiteral("\\2 \\1"));
    panel.replaceBox->setChecked(true);
    const QString patterns[] = {QStringLiteral("^(\\w+) (\\d+)"),
                                QStringLiteral("^(\\w+) (\\d+)$")};
    int typed = 0;
    for (auto _ : state)
        panel.replaceFromEdit->setText(patterns[typed++ % 2]);
    panel.replaceBox->setChecked(false);
    state.counters["names"] = double(window.workspace().nameRows.size());
}
BENCHMARK(BM_ReplaceKeystroke)->Arg(ListSize)->Unit(benchmark::kMillisecond);

// A run that changes nothing, such as after a change of the name list's view:
// every row is taken again from the previous run.
void BM_ReapplyUnchanged(benchmark::State& state)
{
    MainWindow& window = *session().window;
    for (auto _ : state)
        window.runNamePipeline(NameSource::Reapply);
}
BENCHMARK(BM_ReapplyUnchanged)->Unit(benchmark::kMillisecond);

// Baseline: the same run with the names list rewritten row by row, one model
// notification per row, as a list control filled item by item would be.
void BM_ReapplyRowByRow(benchmark::State& state)
{
    MainWindow& window = *session().window;
    const RenameWorkspace& workspace = window.workspace();
    std::vector<NameRecord> records = workspace.sourceRecords;
    std::vector<NameRow> rows = workspace.nameRows; // the list's own items
    auto* model = static_cast<NameListModel*>(window.controls().nameList->model());
    for (auto _ : state) {
        const std::vector<NameRow> names = generateNameRows(
            records, window.controls().optionsPanel->currentTreatmentOptions(), workspace.fileRows);
        for (std::size_t i = 0; i < names.size(); ++i) {
            rows[i] = names[i];
            const QModelIndex row = model->index(int(i));
            emit model->dataChanged(row, row);
        }
        window.updateListCounters(false);
        window.fitListColumns();
    }
}
BENCHMARK(BM_ReapplyRowByRow)->Unit(benchmark::kMillisecond);

// The names alone, each run with other treatments than the one before.
void BM_GenerateNamesOnly(benchmark::State& state)
{
    MainWindow& window = *session().window;
    std::vector<NameRecord> records = window.workspace().sourceRecords;
    TreatmentOptions options = window.controls().optionsPanel->currentTreatmentOptions();
    for (auto _ : state) {
        options.removeCapitals = !options.removeCapitals;
        benchmark::DoNotOptimize(generateNameRows(records, options, window.workspace().fileRows));
    }
}
BENCHMARK(BM_GenerateNamesOnly)->Unit(benchmark::kMillisecond);

// The parts of a run after the names are made.
void BM_UpdateListCounters(benchmark::State& state)
{
    MainWindow& window = *session().window;
    for (auto _ : state)
        window.updateListCounters(false);
}
BENCHMARK(BM_UpdateListCounters)->Unit(benchmark::kMillisecond);

void BM_FitListColumns(benchmark::State& state)
{
    MainWindow& window = *session().window;
    for (auto _ : state)
        window.fitListColumns();
}
BENCHMARK(BM_FitListColumns)->Unit(benchmark::kMillisecond);

void BM_RefreshFileList(benchmark::State& state)
{
    MainWindow& window = *session().window;
    for (auto _ : state)
        window.refreshFileList(true);
}
BENCHMARK(BM_RefreshFileList)->Unit(benchmark::kMillisecond);

// A step of dragging the window's corner: the window resized, its layout,
// counters and column fit redone, the events processed as the running
// program would.
void BM_ResizeStep(benchmark::State& state)
{
    MainWindow& window = *session().window;
    const QSize base = window.size();
    int step = 0;
    for (auto _ : state) {
        const int grown = ++step % 2;
        window.resize(base.width() + grown * 40, base.height() + grown * 20);
        QCoreApplication::processEvents();
    }
    window.resize(base);
}
BENCHMARK(BM_ResizeStep)->Unit(benchmark::kMillisecond);

// The layout alone: every control placed for the current size, counters and
// column fit included.
void BM_LayoutClientArea(benchmark::State& state)
{
    MainWindow& window = *session().window;
    for (auto _ : state)
        window.layoutClientArea();
}
BENCHMARK(BM_LayoutClientArea)->Unit(benchmark::kMillisecond);

// One step of dragging a name: the selected row moves one row, the names are
// made again in the new order, and the list is repainted.
void BM_DragOneRow(benchmark::State& state)
{
    MainWindow& window = *session(int(state.range(0))).window;
    QTreeView* names = window.controls().nameList;
    const QModelIndex middle = names->model()->index(names->model()->rowCount() / 2, 0);
    names->selectionModel()->setCurrentIndex(middle, QItemSelectionModel::ClearAndSelect);
    names->scrollTo(middle);
    QCoreApplication::processEvents();
    bool down = true;
    for (auto _ : state) {
        if (down)
            window.nameListEditor().moveSelectedNamesDown();
        else
            window.nameListEditor().moveSelectedNamesUp();
        down = !down;
        names->viewport()->repaint();
    }
}
BENCHMARK(BM_DragOneRow)->Arg(10000)->Arg(ListSize)->Arg(100000)->Unit(benchmark::kMillisecond);

// A keystroke in the pattern box: the folder as last read is filtered again
// and listed, with the window following.
void BM_PatternKeystroke(benchmark::State& state)
{
    MainWindow& window = *session(int(state.range(0))).window;
    QLineEdit* patterns = window.controls().optionsPanel->patternsEdit;
    const QString typed = patterns->text();
    bool longer = false;
    for (auto _ : state) {
        longer = !longer;
        patterns->setText(longer ? typed + u';' : typed);
    }
    patterns->setText(typed);
}
BENCHMARK(BM_PatternKeystroke)
    ->Arg(10000)
    ->Arg(ListSize)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);

// A keystroke in the folder box that reaches no new folder.
void BM_FolderKeystroke(benchmark::State& state)
{
    MainWindow& window = *session().window;
    const QString folder = window.controls().folderEdit->text();
    bool longer = false;
    for (auto _ : state) {
        longer = !longer;
        window.controls().folderEdit->setText(longer ? folder + u'x' : folder);
    }
    window.controls().folderEdit->setText(folder);
}
BENCHMARK(BM_FolderKeystroke)->Unit(benchmark::kMicrosecond);

void BM_BareDirectoryListing(benchmark::State& state)
{
    const QString folder = session().env.path(QStringLiteral("music"));
    for (auto _ : state) {
        QStringList names;
        QDirIterator it(folder, QDir::Files | QDir::NoDotAndDotDot);
        while (it.hasNext()) {
            it.next();
            names.append(it.fileName());
        }
        benchmark::DoNotOptimize(names);
    }
}
BENCHMARK(BM_BareDirectoryListing)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    sharedSessions.clear();
    return 0;
}
