// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>
#include <vector>

namespace tervane {

// Names kept elsewhere (the steps of a plan), each with a position (its step),
// found by the exact name: one flat table, no allocation and no copy a name,
// for the planning of large folders. The names must outlive the table.
class NamePositions {
public:
    static constexpr std::size_t None = std::size_t(-1);

    // Room for count names without growing.
    explicit NamePositions(std::size_t count);

    // Gives name the position, unless it has one already; returns the
    // position the name has.
    std::size_t add(const QString& name, std::size_t position);
    // The position of name; None when it has none.
    std::size_t find(QStringView name) const;

private:
    struct Slot {
        const QString* name = nullptr;
        std::uint32_t hash = 0;
        std::uint32_t position = 0;
    };
    // The slot holding name, or the empty one where it would go.
    std::size_t slotOf(QStringView name, std::uint32_t hash) const;
    void grow();

    std::vector<Slot> m_slots; // a power of two, never more than half full
    std::size_t m_count = 0;
};

} // namespace tervane
