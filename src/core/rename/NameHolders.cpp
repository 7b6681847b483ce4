// SPDX-License-Identifier: GPL-3.0-or-later
#include "rename/NameHolders.h"

#include "text/NameKey.h"
#include "text/NameSet.h"

#include <algorithm>
#include <bit>
#include <numeric>

namespace tervane {

// The key hash as rows keep it: never 0, which a row keeps for "not yet".
std::size_t rowKeyHash(const QString& name)
{
    return nameKeyHash(name) | 1;
}

NameHolders::NameHolders(const QStringList& files, const QStringList& others, bool caseInsensitive)
    : m_names(files + others)
    , m_files(files.size())
    , m_caseInsensitive(caseInsensitive)
{
    const auto count = std::size_t(m_names.size());
    m_seen.resize(std::max<std::size_t>(1024, std::bit_ceil(count * 16)));
    // The entries laid out bucket after bucket, each in the order of the
    // names (files first): counted, then placed.
    m_bucketStarts.assign(std::bit_ceil(std::max<std::size_t>(count, 1)) + 1, 0);
    std::vector<std::size_t> hashes(count);
    for (std::size_t i = 0; i < count; ++i) {
        hashes[i] = rowKeyHash(m_names[qsizetype(i)]);
        m_seen[seenIndex(hashes[i])] = true;
        ++m_bucketStarts[bucketOf(hashes[i]) + 1];
    }
    std::partial_sum(m_bucketStarts.begin(), m_bucketStarts.end(), m_bucketStarts.begin());
    std::vector<std::size_t> next(m_bucketStarts.begin(), m_bucketStarts.end() - 1);
    m_byKey.resize(count);
    for (std::size_t i = 0; i < count; ++i)
        m_byKey[next[bucketOf(hashes[i])]++] = {hashes[i], qsizetype(i)};
}

// Row key hashes all have their lowest bit set: the bits above it place them.
std::size_t NameHolders::seenIndex(std::size_t hash) const
{
    return (hash >> 1) & (m_seen.size() - 1);
}

std::size_t NameHolders::bucketOf(std::size_t hash) const
{
    return (hash >> 1) & (m_bucketStarts.size() - 2);
}

std::span<const NameHolders::Held> NameHolders::bucket(std::size_t hash) const
{
    const std::size_t b = bucketOf(hash);
    return std::span(m_byKey).subspan(m_bucketStarts[b], m_bucketStarts[b + 1] - m_bucketStarts[b]);
}

qint32 NameHolders::holderOf(const QString& name, std::size_t hash) const
{
    if (m_names.isEmpty() || !m_seen[seenIndex(hash)])
        return -1;
    QString key;
    for (const Held& entry : bucket(hash)) {
        if (entry.hash != hash)
            continue;
        const QString& held = m_names[entry.name];
        if (held == name)
            return qint32(entry.name);
        if (key.isEmpty())
            key = nameKey(name);
        if (nameKey(held) != key)
            continue; // another key with the same hash
        const bool sameForm = held.normalized(QString::NormalizationForm_C) ==
                              name.normalized(QString::NormalizationForm_C);
        if (sameForm || m_caseInsensitive)
            return qint32(entry.name);
    }
    return -1;
}

bool NameHolders::keyHeld(const QString& name, std::size_t hash) const
{
    if (m_names.isEmpty() || !m_seen[seenIndex(hash)])
        return false;
    QString key;
    for (const Held& entry : bucket(hash)) {
        if (entry.hash != hash)
            continue;
        if (key.isEmpty())
            key = nameKey(name);
        if (nameKey(m_names[entry.name]) == key)
            return true;
    }
    return false;
}

MarkedNames markNamesTaken(const QStringList& fileRows, std::vector<NameRow>& nameRows,
                           const NameHolders& holders, bool resolve)
{
    const std::size_t rows = std::min(std::size_t(fileRows.size()), nameRows.size());
    int taken = 0;
    bool anyHeld = false;
    bool changedNamesFree = rows == nameRows.size();
    for (std::size_t i = 0; i < nameRows.size(); ++i) {
        NameRow& row = nameRows[i];
        row.holder = -1;
        if (row.text.isEmpty())
            continue;
        // A row kept from the last run keeps its hash.
        if (row.keyHash == 0)
            row.keyHash = rowKeyHash(row.text);
        const qint32 holder = holders.holderOf(row.text, row.keyHash);
        const bool changes = i >= rows || row.text != fileRows[qsizetype(i)];
        if (changes &&
            (holder >= 0 || row.text.startsWith(u'.') || holders.keyHeld(row.text, row.keyHash)))
            changedNamesFree = false;
        if (holder < 0)
            continue;
        anyHeld = true;
        if (i < rows && holders.nameOf(holder) != fileRows[qsizetype(i)]) {
            row.holder = holder;
            ++taken;
        }
    }
    if (!resolve || taken == 0)
        return {taken, anyHeld, changedNamesFree};
    NameSet leaving;
    for (std::size_t i = 0; i < rows; ++i)
        if (nameRows[i].text != fileRows[qsizetype(i)])
            leaving.insert(fileRows[qsizetype(i)]);
    const auto stays = [&](qint32 holder) { return !leaving.count(holders.nameOf(holder)); };
    const bool heldInPlace = std::any_of(nameRows.begin(), nameRows.end(), [&](const NameRow& r) {
        return r.holder >= 0 && holders.isFile(r.holder) && stays(r.holder);
    });
    if (heldInPlace)
        return {taken, anyHeld, changedNamesFree};
    // Ordered: only names held by what no step moves stay taken.
    taken = 0;
    for (NameRow& row : nameRows) {
        if (row.holder < 0)
            continue;
        if (stays(row.holder))
            ++taken;
        else
            row.holder = -1;
    }
    return {taken, anyHeld, changedNamesFree};
}

} // namespace tervane
