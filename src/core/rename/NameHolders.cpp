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
        m_byKey.emplace(hash, i);
        m_seen[hash & (m_seen.size() - 1)] = true;
    }
}

QString NameHolders::holderOf(const QString& name) const
{
    return holderOf(name, rowKeyHash(name));
}

QString NameHolders::holderOf(const QString& name, std::size_t hash) const
{
    if (m_names.isEmpty() || !m_seen[hash & (m_seen.size() - 1)])
        return {};
    const auto [first, last] = m_byKey.equal_range(hash);
    QString key;
    for (auto it = first; it != last; ++it) {
        const QString& held = m_names[it->second];
        if (held == name)
            return held;
        if (key.isEmpty())
            key = nameKey(name);
        if (nameKey(held) != key)
            continue; // another key with the same hash
        const bool sameForm = held.normalized(QString::NormalizationForm_C) ==
                              name.normalized(QString::NormalizationForm_C);
        if (sameForm || m_caseInsensitive)
            return held;
    }
    return {};
}

bool NameHolders::isFile(const QString& holder) const
{
    const auto [first, last] = m_byKey.equal_range(rowKeyHash(holder));
    return std::any_of(first, last, [&](const auto& entry) {
        return entry.second < m_files && m_names[entry.second] == holder;
    });
}

MarkedNames markNamesTaken(const QStringList& fileRows, std::vector<NameRow>& nameRows,
                           const NameHolders& holders, bool resolve)
{
    const std::size_t rows = std::min(std::size_t(fileRows.size()), nameRows.size());
    int taken = 0;
    bool anyHeld = false;
    for (std::size_t i = 0; i < nameRows.size(); ++i) {
        NameRow& row = nameRows[i];
        row.takenBy.clear();
        if (row.text.isEmpty())
            continue;
        // A row kept from the last run keeps its hash.
        if (row.keyHash == 0)
            row.keyHash = rowKeyHash(row.text);
        QString holder = holders.holderOf(row.text, row.keyHash);
        if (holder.isEmpty())
            continue;
        anyHeld = true;
        if (i < rows && holder != fileRows[qsizetype(i)]) {
            row.takenBy = std::move(holder);
            ++taken;
        }
    }
    if (!resolve || taken == 0)
        return {taken, anyHeld};
    NameSet leaving;
    for (std::size_t i = 0; i < rows; ++i)
        if (nameRows[i].text != fileRows[qsizetype(i)])
            leaving.insert(fileRows[qsizetype(i)]);
    const bool heldInPlace = std::any_of(nameRows.begin(), nameRows.end(), [&](const NameRow& r) {
        return !r.takenBy.isEmpty() && !leaving.count(r.takenBy) && holders.isFile(r.takenBy);
    });
    if (heldInPlace)
        return {taken, anyHeld};
    // Ordered: only names held by what no step moves stay taken.
    taken = 0;
    for (NameRow& row : nameRows) {
        if (row.takenBy.isEmpty())
            continue;
        if (leaving.count(row.takenBy))
            row.takenBy.clear();
        else
            ++taken;
    }
    return {taken, anyHeld};
}

} // namespace tervane
