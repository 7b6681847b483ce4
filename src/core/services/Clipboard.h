// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tervane {

class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual QString text() const = 0;
};

} // namespace tervane
