// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/NamePositions.h"

#include "text/NameSet.h"

#include <algorithm>
#include <bit>

namespace tervane {

namespace {

std::uint32_t hashOf(QStringView name)
{
    return std::uint32_t(NameHash{}(name));
}

} // namespace

NamePositions::NamePositions(std::size_t count)
    : m_slots(std::bit_ceil(std::max<std::size_t>(8, 2 * count)))
{}

std::size_t NamePositions::slotOf(QStringView name, std::uint32_t hash) const
{
    const std::size_t mask = m_slots.size() - 1;
    std::size_t at = hash & mask;
    while (m_slots[at].name && (m_slots[at].hash != hash || QStringView(*m_slots[at].name) != name))
        at = (at + 1) & mask;
    return at;
}

std::size_t NamePositions::add(const QString& name, std::size_t position)
{
    const std::uint32_t hash = hashOf(name);
    std::size_t at = slotOf(name, hash);
    if (m_slots[at].name)
        return m_slots[at].position;
    if (2 * (m_count + 1) > m_slots.size()) {
        grow();
        at = slotOf(name, hash);
    }
    m_slots[at] = {&name, hash, std::uint32_t(position)};
    ++m_count;
    return position;
}

std::size_t NamePositions::find(QStringView name) const
{
    const Slot& slot = m_slots[slotOf(name, hashOf(name))];
    return slot.name ? slot.position : None;
}

void NamePositions::grow()
{
    std::vector<Slot> old(2 * m_slots.size());
    old.swap(m_slots);
    const std::size_t mask = m_slots.size() - 1;
    for (const Slot& slot : old) {
        if (!slot.name)
            continue;
        std::size_t at = slot.hash & mask;
        while (m_slots[at].name)
            at = (at + 1) & mask;
        m_slots[at] = slot;
    }
}

} // namespace tervane
