#pragma once

#include <QString>

class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual QString text() const = 0;
};
