// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

class QLineEdit;
class QMimeData;

namespace tervane {

// The folder dragged from a file manager: the first dropped item, when it is
// a local path to an existing folder; nothing for files and other data.
std::optional<QString> droppedFolder(const QMimeData& data);

// Makes a text box take a dropped folder, which replaces its whole text, and
// refuse everything else while it is dragged (the no-drop pointer), text
// included: a path typed into the middle of another is no folder.
class FolderDropTarget : public QObject {
    Q_OBJECT
public:
    FolderDropTarget(QLineEdit* box, std::function<void(const QString&)> dropped);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(const QString&)> m_dropped;
};

} // namespace tervane
