// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "services/TagReading.h"

#include <QPointer>
#include <QString>
#include <QWidget>

namespace tervane {

// Reads the tags of the listed files on the thread pool. The window takes no
// input meanwhile; a reading that lasts ShowAfterMs shows a progress dialog
// counting the files, whose Cancel ends it, even within a large file, and
// pastes nothing.
class TagReadingProgress : public TagReading {
public:
    static constexpr int ShowAfterMs = 300;

    TagReadingProgress(QWidget* owner, FileTagReader readFile, QString caption);

    std::optional<std::vector<FileTags>> readTags(const QStringList& paths) override;

private:
    QPointer<QWidget> m_owner;
    FileTagReader m_readFile;
    QString m_caption;
};

} // namespace tervane
