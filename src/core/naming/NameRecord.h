// SPDX-License-Identifier: GPL-3.0-or-later
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
    QString treated = {};   // then capitals and characters removed
    QString replaced = {};  // then the find and replace made
    bool undecided = false; // the find and replace could not be decided on treated
};

// One name row's origin: the text it is made from, and what the treatments
// made of it.
struct NameRecord {
    QString sourceText;
    TreatedText treated = {};
};

// A row of the names list: the new name, extension included; whether the
// problem count marked it (shown in red); the source record it shows (the
// row's tag); and whether the treatments left that record's name empty (an
// empty name, even with the file's extension after it). The next run takes
// the row again as it is when its treated text (madeFrom shares its
// characters), the options it was made with (madeWith) and its place are the
// same: after a drag, only the rows that moved are made again.
struct NameRow {
    QString text;
    bool duplicate = false;
    std::size_t record = 0;
    bool nameless = false;
    qint32 holder = -1;      // the entry of the folder that holds the new name and stays, or -1
    std::size_t keyHash = 0; // rowKeyHash(text) once asked (0: not yet), kept with the text

    QString madeFrom = {};
    quint64 madeWith = 0;
    std::size_t madeAt = 0;
};

} // namespace tervane
