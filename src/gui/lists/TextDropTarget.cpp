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
        // Plain text only: a dragged file is refused, the pointer says so.
        if (!drop->mimeData()->hasFormat(QStringLiteral("text/plain"))) {
            drop->ignore();
            return true;
        }
        drop->acceptProposedAction();
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
