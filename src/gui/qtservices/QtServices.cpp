// SPDX-License-Identifier: GPL-3.0-or-later
#include "qtservices/QtServices.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>

#include <utility>

namespace tervane {

namespace {

QMessageBox::Icon boxIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// The window a box or a picker belongs to: the active one, else the main
// window. Owned, it opens over it as a dialog, without minimise or maximise.
QWidget* ownerWindow()
{
    if (QWidget* active = QApplication::activeWindow())
        return active;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == QStringLiteral("frmTervane") && window->isVisible())
            return window;
    return nullptr;
}

} // namespace

bool QtPrompter::show(const QString& text, MessageIcon icon, MessageButtons buttons)
{
    // A box must never open under an hourglass, however many are stacked.
    const int busyDepth = m_busyDepth;
    for (int i = 0; i < busyDepth; ++i)
        QApplication::restoreOverrideCursor();
    const auto standardButtons = buttons == MessageButtons::YesNo
                                     ? QMessageBox::Yes | QMessageBox::No
                                     : QMessageBox::StandardButtons(QMessageBox::Ok);
    QMessageBox box(boxIcon(icon), m_title, text, standardButtons, ownerWindow());
    // A box, not a window: no minimise or maximise, even without an owner.
    box.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                       Qt::WindowCloseButtonHint);
    const int answer = box.exec();
    for (int i = 0; i < busyDepth; ++i)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    return answer == QMessageBox::Yes || answer == QMessageBox::Ok;
}

void QtPrompter::beep()
{
    QApplication::beep();
}

void QtPrompter::setBusy(bool busy)
{
    if (busy) {
        ++m_busyDepth;
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else if (m_busyDepth > 0) {
        --m_busyDepth;
        QApplication::restoreOverrideCursor();
    }
}

QString QtClipboard::text() const
{
    return QGuiApplication::clipboard()->text();
}

std::optional<QString> QtDialogs::openFileName(const QString& title, const QString& filters,
                                               const QString& startFolder,
                                               const QString& defaultSuffix)
{
    QFileDialog dialog(ownerWindow(), title, startFolder, filters);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> QtDialogs::existingFolder(const QString& title, const QString& startFolder)
{
    // Qt's own picker, so that the instruction shows inside it, under the
    // folders, and not only in its title bar.
    QFileDialog picker(ownerWindow(), title, startFolder);
    picker.setFileMode(QFileDialog::Directory);
    picker.setOptions(QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    if (auto* grid = qobject_cast<QGridLayout*>(picker.layout())) {
        auto* instruction = new QLabel(title, &picker);
        instruction->setObjectName(QStringLiteral("lblInstruction"));
        instruction->setWordWrap(true);
        grid->addWidget(instruction, grid->rowCount(), 0, 1, grid->columnCount());
    }
    if (picker.exec() != QDialog::Accepted || picker.selectedFiles().isEmpty())
        return std::nullopt;
    return picker.selectedFiles().first();
}

bool QtNotificationArea::available() const
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void QtNotificationArea::addIcon(const QString& tip, std::function<void(TrayClick)> onClick)
{
    m_icon = std::make_unique<QSystemTrayIcon>(QApplication::windowIcon());
    m_icon->setToolTip(tip);
    QObject::connect(
        m_icon.get(), &QSystemTrayIcon::activated, m_icon.get(),
        [this, onClick = std::move(onClick)](QSystemTrayIcon::ActivationReason reason) {
            if (reason == QSystemTrayIcon::DoubleClick)
                clicked(onClick, TrayClick::DoubleClick);
            else if (reason == QSystemTrayIcon::Context)
                clicked(onClick, TrayClick::RightClick);
        });
    m_icon->show();
}

void QtNotificationArea::clicked(const std::function<void(TrayClick)>& onClick, TrayClick click)
{
    ++m_clicksRunning;
    onClick(click);
    if (--m_clicksRunning > 0 || !std::exchange(m_removeAfter, false) || !m_icon)
        return;
    // Queued: the platform's code that delivered the click still works with
    // the icon once this returns.
    QMetaObject::invokeMethod(
        m_icon.get(), [this] { m_icon.reset(); }, Qt::QueuedConnection);
}

// The icon is not deleted, nor even hidden, inside a click on it (its menu's
// Restaurer or Quitter): that would pull it from under the platform's code
// that delivered the click, which then crashes. It goes once the click is over.
void QtNotificationArea::removeIcon()
{
    if (m_clicksRunning > 0)
        m_removeAfter = true;
    else
        m_icon.reset();
}

} // namespace tervane
