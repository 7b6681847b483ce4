#pragma once

#include <QString>
#include <cstddef>

namespace tervane {

// What the treatments before numbering made of a source text. They depend on
// the text and the options alone (the shared leading junk on the whole set),
// so a run that only reorders the records, as a drag does at every step,
// takes them from here. Valid while `source` shares sourceText's characters
// (any change to sourceText detaches it) and the stamps match the run's.
struct TreatedText {
    QString source;
    quint64 treatments = 0; // a fingerprint of the options these steps read
    QString cleaned;        // terms, durations, forbidden characters, leading digits
    qsizetype junk = -1;    // the shared leading junk removed from cleaned
    QString treated;        // then capitals and characters removed
};

// One name row's origin: the text it is made from and the name the treatments
// made of it, without extension.
struct NameRecord {
    QString sourceText;
    QString generatedName;
    TreatedText treated = {};
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
