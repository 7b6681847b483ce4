// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/FileTagCache.h"

#include <algorithm>
#include <numeric>

namespace tervane {

namespace {

// A row's file as the cache knows it: its identity and birth (0: unknown).
std::pair<quint64, qint64> keyOf(const FileTagCache::Files& files, std::size_t row)
{
    return {row < files.identities.size() ? files.identities[row] : 0,
            row < files.births.size() ? files.births[row] : 0};
}

} // namespace

std::optional<std::vector<FileTags>> FileTagCache::tagsOf(const Files& files, TagReading& reading)
{
    const auto count = std::size_t(files.paths.size());
    std::vector<FileTags> tags(count);
    QStringList unread;
    std::vector<std::size_t> unreadRows;
    for (std::size_t row = 0; row < count; ++row) {
        const auto key = keyOf(files, row);
        const auto found = m_tags.constFind(key);
        if (key.first != 0 && found != m_tags.cend()) {
            tags[row] = *found;
        } else {
            unread << files.paths[qsizetype(row)];
            unreadRows.push_back(row);
        }
    }
    if (!unread.isEmpty()) {
        auto read = reading.readTags(unread);
        if (!read)
            return std::nullopt;
        for (std::size_t i = 0; i < unreadRows.size() && i < read->size(); ++i) {
            const std::size_t row = unreadRows[i];
            tags[row] = std::move((*read)[i]);
            // A file given up on may read another time (a stopped reading).
            if (const auto key = keyOf(files, row); !tags[row].givenUp && key.first != 0)
                m_tags.insert(key, tags[row]);
        }
    }
    for (FileTags& fileTags : tags)
        fileTags = withFallback(std::move(fileTags));
    return tags;
}

std::optional<FileTags> FileTagCache::kept(quint64 identity, qint64 birth) const
{
    const auto found = m_tags.constFind({identity, birth});
    if (found == m_tags.cend())
        return std::nullopt;
    return withFallback(*found);
}

void FileTagCache::forgetUnborn()
{
    m_tags.removeIf([](const auto& kept) { return kept.key().second == 0; });
}

FileTags FileTagCache::withFallback(FileTags tags) const
{
    if (m_dateFallback && !tags.takenDate.isValid() && tags.modified.isValid()) {
        tags.takenDate = tags.modified.date();
        tags.takenTime = tags.modified.time();
    }
    return tags;
}

std::vector<qsizetype> orderTaken(const std::vector<FileTags>& tags)
{
    std::vector<qsizetype> order(tags.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) {
        const FileTags& first = tags[std::size_t(a)];
        const FileTags& second = tags[std::size_t(b)];
        if (first.takenDate.isValid() != second.takenDate.isValid())
            return first.takenDate.isValid();
        return std::pair(first.takenDate, first.takenTime) <
               std::pair(second.takenDate, second.takenTime);
    });
    return order;
}

} // namespace tervane
