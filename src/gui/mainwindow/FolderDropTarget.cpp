// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/FolderDropTarget.h"

#include "settings/Paths.h"

#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QUrl>

namespace tervane {

std::optional<QString> droppedFolder(const QMimeData& data)
{
    const QList<QUrl> urls = data.urls();
    if (urls.isEmpty() || !urls.first().isLocalFile())
        return std::nullopt;
    const QString path = urls.first().toLocalFile();
    if (path.isEmpty() || !pathExists(addBackslash(path), DirectoryAttribute))
        return std::nullopt;
    return path;
}

FolderDropTarget::FolderDropTarget(QLineEdit* box, std::function<void(const QString&)> dropped)
    : QObject(box)
    , m_dropped(std::move(dropped))
{
    box->setAcceptDrops(true);
    box->installEventFilter(this);
}

bool FolderDropTarget::eventFilter(QObject* watched, QEvent* event)
{
    const auto type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return QObject::eventFilter(watched, event);
    auto* drop = static_cast<QDropEvent*>(event);
    const auto folder = droppedFolder(*drop->mimeData());
    if (!folder) {
        drop->ignore();
        return true;
    }
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (type == QEvent::Drop)
        m_dropped(*folder);
    return true;
}

} // namespace tervane
