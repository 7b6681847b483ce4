#pragma once

#include <QString>
#include <cstddef>

namespace tervane {

// One name row's origin: the text it is made from and the name the treatments
// made of it, without extension.
struct NameRecord {
    QString sourceText;
    QString generatedName;
};

// A row of the names list: the new name, extension included; whether the
// problem count marked it (shown in red); the source record it shows (the
// row's tag); and whether the treatments left that record's name empty (an
// empty name, even with the file's extension after it).
struct NameRow {
    QString text;
    bool duplicate = false;
    std::size_t record = 0;
    bool nameless = false;
};

} // namespace tervane
