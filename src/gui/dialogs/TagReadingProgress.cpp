// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/TagReadingProgress.h"

#include "base/AppIdentity.h"

#include <QEventLoop>
#include <QFutureWatcher>
#include <QProgressDialog>
#include <QThreadPool>
#include <QTimer>
#include <QtConcurrent/QtConcurrentMap>

#include <climits>

using namespace Qt::StringLiterals;

namespace tervane {

TagReadingProgress::TagReadingProgress(QWidget* owner, FileTagReader readFile, QString caption)
    : m_owner(owner)
    , m_readFile(std::move(readFile))
    , m_caption(std::move(caption))
{}

std::optional<std::vector<FileTags>> TagReadingProgress::readTags(const QStringList& paths)
{
    QProgressDialog progress(m_caption, QProgressDialog::tr("Cancel"), 0, int(paths.size()),
                             m_owner);
    progress.setObjectName(u"frmLectureTags"_s);
    // The program's name as the title, as message boxes have it: the
    // caption, in the dialog, would not fit a title bar this narrow.
    progress.setWindowTitle(AppTitle);
    progress.setMinimumDuration(INT_MAX); // shown below, after ShowAfterMs
    progress.setAutoClose(false);
    progress.setAutoReset(false);

    std::stop_source stop;
    QFutureWatcher<FileTags> watcher;
    QObject::connect(&watcher, &QFutureWatcherBase::progressValueChanged, &progress,
                     &QProgressDialog::setValue);
    QObject::connect(&watcher, &QFutureWatcherBase::finished, &progress, &QProgressDialog::accept);
    // Cancel, Escape and the window's close button alike: no file more is
    // begun, and the files being read give up at their next read.
    const auto cancel = [&] {
        stop.request_stop();
        watcher.cancel();
    };
    QObject::connect(&progress, &QProgressDialog::canceled, &watcher, cancel);
    QObject::connect(&progress, &QDialog::rejected, &watcher, cancel);
    // A pool of its own: the global one also paints the window, which would
    // wait behind files read from a slow disk.
    QThreadPool pool;
    watcher.setFuture(QtConcurrent::mapped(
        &pool, paths, [readFile = m_readFile, token = stop.get_token()](const QString& path) {
            return readFile(path, token);
        }));

    // A short reading ends before anything shows; the window meanwhile
    // takes no input, as it would not under a modal dialog.
    QEventLoop wait;
    QObject::connect(&watcher, &QFutureWatcherBase::finished, &wait, &QEventLoop::quit);
    QTimer::singleShot(ShowAfterMs, &wait, &QEventLoop::quit);
    wait.exec(QEventLoop::ExcludeUserInputEvents);
    if (!watcher.isFinished())
        progress.exec();
    watcher.waitForFinished();
    if (stop.stop_requested())
        return std::nullopt;
    const QList<FileTags> results = watcher.future().results();
    return std::vector<FileTags>(results.begin(), results.end());
}

} // namespace tervane
