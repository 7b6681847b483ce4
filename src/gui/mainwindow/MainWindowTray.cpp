// SPDX-License-Identifier: GPL-3.0-or-later
// The main window in the notification area: minimised there when the option
// says so and the desktop has one, brought back by a double-click or the
// icon's menu.
#include "mainwindow/MainWindow.h"

#include "qtservices/QtServices.h"

#include <QAction>
#include <QCursor>
#include <QEvent>
#include <QMenu>

namespace tervane {

namespace {

// The platform's tips hold 63 characters and the end of the text.
constexpr qsizetype TrayTipLength = 63;
// How often the hidden window checks that the notification area is still
// there; nothing tells when it goes.
constexpr int TrayWatchInterval = 1000; // ms

} // namespace

void MainWindow::connectTray()
{
    connect(m_ui.trayRestoreAction, &QAction::triggered, this, &MainWindow::restoreFromTray);
    m_trayWatch.setInterval(TrayWatchInterval);
    connect(&m_trayWatch, &QTimer::timeout, this, &MainWindow::checkNotificationArea);
}

NotificationArea& MainWindow::notificationArea()
{
    if (m_context.notificationArea)
        return *m_context.notificationArea;
    if (!m_notificationArea)
        m_notificationArea = std::make_unique<QtNotificationArea>();
    return *m_notificationArea;
}

void MainWindow::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange)
        return;
    if (isMinimized()) {
        // Once the minimising is over: it shows the window as it ends.
        if (m_ui.minimiseToTrayAction->isChecked())
            QMetaObject::invokeMethod(this, &MainWindow::addTrayIcon, Qt::QueuedConnection);
    } else if (m_trayIconShown) {
        removeTrayIcon();
    }
}

// Without a notification area the window stays minimised on the task bar:
// hidden, nothing could bring it back.
void MainWindow::addTrayIcon()
{
    if (m_trayIconShown || !isMinimized() || !notificationArea().available())
        return;
    hide();
    notificationArea().addIcon(windowTitle().left(TrayTipLength),
                               [this](TrayClick click) { trayClicked(click); });
    m_trayIconShown = true;
    m_trayWatch.start();
}

void MainWindow::removeTrayIcon()
{
    show();
    forgetTrayIcon();
}

void MainWindow::forgetTrayIcon()
{
    m_trayWatch.stop();
    notificationArea().removeIcon();
    m_trayIconShown = false;
}

// A window hidden in a notification area that went away (its panel closed
// or crashed) would have nothing left to bring it back: it comes back itself.
void MainWindow::checkNotificationArea()
{
    if (m_trayIconShown && !notificationArea().available())
        restoreFromTray();
}

void MainWindow::trayClicked(TrayClick click)
{
    // A click while the icon's menu is open is not another command.
    if (!m_trayIconShown || m_trayEventBusy)
        return;
    m_trayEventBusy = true;
    if (click == TrayClick::DoubleClick) {
        restoreFromTray();
    } else {
        m_ui.trayMenu->setDefaultAction(m_ui.trayRestoreAction);
        m_ui.trayMenu->exec(QCursor::pos());
    }
    m_trayEventBusy = false;
}

void MainWindow::restoreFromTray()
{
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    if (m_trayIconShown)
        removeTrayIcon();
}

} // namespace tervane
