// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "naming/NameRecord.h"

#include <QString>
#include <QStringList>

#include <span>
#include <vector>

namespace tervane {

// The entries of a folder as one reading found them, looked up by the key
// names are compared with: which entry holds a name, told without asking the
// disk.
// The hash of a name's key as name rows keep it (never 0).
std::size_t rowKeyHash(const QString& name);

class NameHolders {
public:
    NameHolders() = default;
    // caseInsensitive: the folder's file system takes two names that differ
    // only in letter case for one.
    NameHolders(const QStringList& files, const QStringList& others, bool caseInsensitive);

    // The entry holding name: the same name, the same in another Unicode
    // form, or in other letter case where the file system ignores it; -1
    // when none does. Given rowKeyHash(name).
    qint32 holderOf(const QString& name, std::size_t keyHash) const;
    // Whether some entry has the key of name, whatever the file system makes
    // of the difference. Given rowKeyHash(name).
    bool keyHeld(const QString& name, std::size_t keyHash) const;
    const QString& nameOf(qint32 holder) const { return m_names[holder]; }
    // Whether a holder is a file; folders and other entries are not.
    bool isFile(qint32 holder) const { return holder < m_files; }

private:
    struct Held {
        std::size_t hash;
        qsizetype name;
    };
    std::size_t seenIndex(std::size_t hash) const;
    std::size_t bucketOf(std::size_t hash) const;
    // The entries whose key hash falls in the bucket of this one.
    std::span<const Held> bucket(std::size_t hash) const;

    QStringList m_names; // the files first
    qsizetype m_files = 0;
    std::vector<Held> m_byKey;               // bucket after bucket: one block, not a node an entry
    std::vector<std::size_t> m_bucketStarts; // a power of two of buckets, and the end
    std::vector<bool> m_seen;                // a bit a key hash: most names are not held at all
    bool m_caseInsensitive = false;
};

// Sets each row's holder: the entry of the folder that holds its new name
// and that the renaming would find there; empty for none. A file holds its
// own new name for nothing. Ordered (resolve), the renaming frees the names
// that listed files leave, unless some name is held by an entry it leaves in
// place: it then runs row by row, and every name held counts. A folder
// holding a name stops only its own step, which then fails; it is marked all
// the same.
struct MarkedNames {
    int taken = 0;        // rows marked
    bool anyHeld = false; // some new name is held, by its own file or another entry
    // Every row that changes its file's name gives it a name whose key no
    // entry has, and not a hidden one, which the reading leaves out.
    bool changedNamesFree = true;
};
MarkedNames markNamesTaken(const QStringList& fileRows, std::vector<NameRow>& nameRows,
                           const NameHolders& holders, bool resolve);

} // namespace tervane
