// SPDX-License-Identifier: GPL-3.0-or-later
#include "rename/NameHolders.h"

#include "text/NameKey.h"
#include "text/NameSet.h"

#include <algorithm>

namespace tervane {

NameHolders::NameHolders(const QStringList& files, const QStringList& others, bool caseInsensitive)
    : m_names(files + others)
    , m_caseInsensitive(caseInsensitive)
{
    m_byKey.reserve(std::size_t(m_names.size()));
    for (qsizetype i = 0; i < m_names.size(); ++i)
        m_byKey.emplace(nameKeyHash(m_names[i]), i);
}

QString NameHolders::holderOf(const QString& name) const
{
    const auto [first, last] = m_byKey.equal_range(nameKeyHash(name));
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

std::vector<QString> namesTakenBy(const QStringList& fileRows, const std::vector<NameRow>& nameRows,
                                  const NameHolders& holders, bool resolve)
{
    const std::size_t rows = std::min(std::size_t(fileRows.size()), nameRows.size());
    std::vector<QString> takenBy(nameRows.size());
    bool any = false;
    for (std::size_t i = 0; i < rows; ++i) {
        const QString& to = nameRows[i].text;
        const QString& from = fileRows[qsizetype(i)];
        if (to.isEmpty() || to == from)
            continue;
        if (QString holder = holders.holderOf(to); !holder.isEmpty() && holder != from) {
            takenBy[i] = std::move(holder);
            any = true;
        }
    }
    if (!resolve || !any)
        return takenBy;
    NameSet leaving;
    for (std::size_t i = 0; i < rows; ++i)
        if (nameRows[i].text != fileRows[qsizetype(i)])
            leaving.insert(fileRows[qsizetype(i)]);
    const bool heldInPlace = std::any_of(takenBy.begin(), takenBy.end(), [&](const QString& h) {
        return !h.isEmpty() && !leaving.count(h);
    });
    if (!heldInPlace)
        std::fill(takenBy.begin(), takenBy.end(), QString());
    return takenBy;
}

} // namespace tervane
