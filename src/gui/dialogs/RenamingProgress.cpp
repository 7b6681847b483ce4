// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/RenamingProgress.h"

#include "base/AppIdentity.h"

#include <QCloseEvent>
#include <QCoreApplication>

#include <climits>

using namespace Qt::StringLiterals;

namespace tervane {

namespace {

constexpr qint64 PaintEveryMs = 100;

} // namespace

RenamingProgress::RenamingProgress(QWidget* owner, const QString& caption, qsizetype renames)
    : m_dialog(caption, QString(), 0, int(std::min<qsizetype>(renames, INT_MAX)), owner)
{
    m_dialog.setObjectName(u"frmRenommage"_s);
    m_dialog.setWindowTitle(AppTitle);
    // Every window of the program waits, the tray's menu included.
    m_dialog.setWindowModality(Qt::ApplicationModal);
    m_dialog.setCancelButton(nullptr);    // a renaming stops only where it fails
    m_dialog.setMinimumDuration(INT_MAX); // shown by renamed(), after ShowAfterMs
    m_dialog.setAutoClose(false);
    m_dialog.setAutoReset(false);
    m_clock.start();
}

void UnclosableProgressDialog::closeEvent(QCloseEvent* event)
{
    event->ignore();
}

void RenamingProgress::renamed()
{
    ++m_done;
    const qint64 now = m_clock.elapsed();
    if (now < ShowAfterMs || now - m_shownAt < PaintEveryMs)
        return;
    if (!m_dialog.isVisible())
        m_dialog.show();
    m_shownAt = now;
    // More renames than planned (temporary names) keep the bar full.
    m_dialog.setValue(std::min(m_done, m_dialog.maximum()));
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace tervane
