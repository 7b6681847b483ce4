// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/WindowInTray.h"

#include "qtservices/QtServices.h"

#include <QAction>
#include <QCursor>
#include <QMainWindow>
#include <QMenu>

namespace tervane {

namespace {

// The platform's tips hold 63 characters and the end of the text.
constexpr qsizetype TrayTipLength = 63;
// How often the hidden window checks that the notification area is still
// there; nothing tells when it goes.
constexpr int TrayWatchInterval = 1000; // ms

} // namespace

WindowInTray::WindowInTray(QMainWindow& window, NotificationArea* area, QMenu& menu,
                           QAction& restore)
    : QObject(&window)
    , m_window(window)
    , m_givenArea(area)
    , m_menu(menu)
    , m_restore(restore)
{
    connect(&m_restore, &QAction::triggered, this, &WindowInTray::restore);
    m_watch.setInterval(TrayWatchInterval);
    connect(&m_watch, &QTimer::timeout, this, &WindowInTray::checkArea);
}

WindowInTray::~WindowInTray() = default;

NotificationArea& WindowInTray::area()
{
    if (m_givenArea)
        return *m_givenArea;
    if (!m_platformArea)
        m_platformArea = std::make_unique<QtNotificationArea>();
    return *m_platformArea;
}

void WindowInTray::windowStateChanged(bool minimiseToTray)
{
    if (m_window.isMinimized()) {
        // Once the minimising is over: it shows the window as it ends.
        if (minimiseToTray)
            QMetaObject::invokeMethod(this, &WindowInTray::addIcon, Qt::QueuedConnection);
    } else if (m_iconShown) {
        removeIcon();
    }
}

// Without a notification area the window stays minimised on the task bar:
// hidden, nothing could bring it back.
void WindowInTray::addIcon()
{
    if (m_iconShown || !m_window.isMinimized() || !area().available())
        return;
    m_window.hide();
    area().addIcon(m_window.windowTitle().left(TrayTipLength),
                   [this](TrayClick click) { clicked(click); });
    m_iconShown = true;
    m_watch.start();
}

void WindowInTray::removeIcon()
{
    m_window.show();
    forgetIcon();
}

void WindowInTray::forgetIcon()
{
    if (!m_iconShown)
        return;
    m_watch.stop();
    area().removeIcon();
    m_iconShown = false;
}

// A window hidden in a notification area that went away (its panel closed
// or crashed) would have nothing left to bring it back: it comes back itself.
void WindowInTray::checkArea()
{
    if (m_iconShown && !area().available())
        restore();
}

void WindowInTray::clicked(TrayClick click)
{
    // A click while the icon's menu is open is not another command.
    if (!m_iconShown || m_clickBusy)
        return;
    m_clickBusy = true;
    if (click == TrayClick::DoubleClick) {
        restore();
    } else {
        m_menu.setDefaultAction(&m_restore);
        m_menu.exec(QCursor::pos());
    }
    m_clickBusy = false;
}

void WindowInTray::restore()
{
    m_window.setWindowState(m_window.windowState() & ~Qt::WindowMinimized);
    m_window.show();
    if (m_iconShown)
        removeIcon();
}

} // namespace tervane
