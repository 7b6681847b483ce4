// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

#include <functional>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace tervane {

// Sets and indexes of exact names, for the renaming of large folders. Qt's
// string hash is built to resist chosen keys and costs, on 10,000 names, more
// than the rest of the planning together; the standard library's plain hash
// of the same characters does for names a renaming looks up.
struct NameHash {
    std::size_t operator()(QStringView name) const noexcept
    {
        return std::hash<std::u16string_view>{}(
            std::u16string_view(name.utf16(), std::size_t(name.size())));
    }
};

using NameSet = std::unordered_set<QString, NameHash>;
template <typename Value>
using NameIndex = std::unordered_map<QString, Value, NameHash>;

} // namespace tervane
