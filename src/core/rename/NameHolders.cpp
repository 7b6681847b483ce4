// SPDX-License-Identifier: GPL-3.0-or-later
#include "rename/NameHolders.h"

#include "text/NameKey.h"
#include "text/NameSet.h"

#include <algorithm>
#include <bit>

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
    m_byKey.reserve(std::size_t(m_names.size()));
    m_seen.resize(std::max<std::size_t>(1024, std::bit_ceil(std::size_t(m_names.size()) * 16)));
    for (qsizetype i = 0; i < m_names.size(); ++i) {
        const std::size_t hash = rowKeyHash(m_names[i]);
        m_byKey.push_back({hash, i});
        m_seen[hash & (m_seen.size() - 1)] = true;
    }
    std::stable_sort(m_byKey.begin(), m_byKey.end()); // files first among a hash
}

std::pair<const NameHolders::Held*, const NameHolders::Held*>
NameHolders::withHash(std::size_t hash) const
{
    const auto [first, last] = std::equal_range(m_byKey.begin(), m_byKey.end(), Held{hash, 0});
    return {std::to_address(first), std::to_address(last)};
}

qint32 NameHolders::holderOf(const QString& name, std::size_t hash) const
{
    if (m_names.isEmpty() || !m_seen[hash & (m_seen.size() - 1)])
        return -1;
    const auto [first, last] = withHash(hash);
    QString key;
    for (auto it = first; it != last; ++it) {
        const QString& held = m_names[it->name];
        if (held == name)
            return qint32(it->name);
        if (key.isEmpty())
            key = nameKey(name);
        if (nameKey(held) != key)
            continue; // another key with the same hash
        const bool sameForm = held.normalized(QString::NormalizationForm_C) ==
                              name.normalized(QString::NormalizationForm_C);
        if (sameForm || m_caseInsensitive)
            return qint32(it->name);
    }
    return -1;
}

bool NameHolders::keyHeld(const QString& name, std::size_t hash) const
{
    if (m_names.isEmpty() || !m_seen[hash & (m_seen.size() - 1)])
        return false;
    const auto [first, last] = withHash(hash);
    if (first == last)
        return false;
    const QString key = nameKey(name);
    return std::any_of(first, last,
                       [&](const Held& held) { return nameKey(m_names[held.name]) == key; });
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
