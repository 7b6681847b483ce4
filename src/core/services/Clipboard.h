#pragma once

#include <QString>

namespace tervane {

class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual QString text() const = 0;
};

} // namespace tervane
