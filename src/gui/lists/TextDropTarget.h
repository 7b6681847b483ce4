// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <functional>

class QWidget;

namespace tervane {

// Takes text dropped on a widget (the names list's viewport): the drag is
// accepted as a copy when it carries text and no file, and the text handed
// to whoever asked.
class TextDropTarget : public QObject {
    Q_OBJECT
public:
    TextDropTarget(QWidget* widget, std::function<void(const QString&)> dropped);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(const QString&)> m_dropped;
};

} // namespace tervane
