// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "services/TagReading.h"

#include <QHash>
#include <QStringList>
#include <optional>
#include <vector>

namespace tervane {

// What the files' tags said, kept by file (its identity and birth) so that a
// listing in the order pictures were taken, the renaming that follows and a
// template read each file once: a renamed file keeps them. A file whose
// reading gives no birth is known by its identity alone, which another file
// may take once it is gone: its tags are kept until the folder is read again.
class FileTagCache {
public:
    // The listed files, row by row, as the listing found them.
    struct Files {
        QStringList paths;
        const std::vector<quint64>& identities;
        const std::vector<qint64>& births;
    };
    // The tags of every file, reading those not kept; none when the reading
    // was cancelled (what it read is not kept either).
    std::optional<std::vector<FileTags>> tagsOf(const Files& files, TagReading& reading);
    // The tags kept for a file, if it was read.
    std::optional<FileTags> kept(quint64 identity, qint64 birth) const;
    void clear() { m_tags.clear(); }
    // The folder is read again: files known by their identity alone go.
    void forgetUnborn();

    // Pictures without a date taken are given the time the file was last
    // written, when the user asks for it.
    void setDateFallback(bool modifiedTime) { m_dateFallback = modifiedTime; }

private:
    FileTags withFallback(FileTags tags) const;

    QHash<std::pair<quint64, qint64>, FileTags> m_tags;
    bool m_dateFallback = false;
};

// The order of the rows by date taken, oldest first; rows without a date
// last; ties in the rows' own order.
std::vector<qsizetype> orderTaken(const std::vector<FileTags>& tags);

} // namespace tervane
