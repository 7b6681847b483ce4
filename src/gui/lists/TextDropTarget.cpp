// SPDX-License-Identifier: GPL-3.0-or-later
#include "lists/TextDropTarget.h"

#include <QDropEvent>
#include <QMimeData>
#include <QWidget>

namespace tervane {

TextDropTarget::TextDropTarget(QWidget* widget, std::function<void(const QString&)> dropped)
    : QObject(widget)
    , m_dropped(std::move(dropped))
{
    widget->setAcceptDrops(true);
    widget->installEventFilter(this);
}

bool TextDropTarget::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const QMimeData* data = drop->mimeData();
        // Plain text only, and the pointer says so. A file dragged from a file
        // manager offers its path as text too: taken, the path would become
        // the only name.
        if (!data->hasFormat(QStringLiteral("text/plain")) || data->hasUrls() ||
            !(drop->possibleActions() & Qt::CopyAction)) {
            drop->ignore();
            return true;
        }
        // Copied, whatever the source proposes: the names are taken from a
        // text, which stays in the editor it was dragged from.
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        if (event->type() == QEvent::Drop)
            m_dropped(drop->mimeData()->text());
        return true;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tervane
