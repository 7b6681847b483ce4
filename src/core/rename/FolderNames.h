// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <unordered_set>

#include "text/NamePositions.h"
#include "text/NameSet.h"

#include <vector>

namespace tervane {

class FileSystem;

// The files of a folder as one reading found them, to tell whether a new name
// is taken without asking the disk for each. The disk is asked only about a
// hidden name, which the reading leaves out, and about a name that differs
// from one present only in letter case or Unicode form, which the file
// system decides. A name taken since the reading is still refused by the
// rename itself, which never replaces a file.
class FolderNames {
public:
    // identities: of the files present, as the reading gave them (0 where it
    // gave none); none when it was not asked for them. others: the names of
    // the folder's other entries (folders...) at the same reading.
    FolderNames(const QString& folder, const QStringList& present, const FileSystem& fileSystem,
                std::vector<quint64> identities = {}, const QStringList& others = {});
    // The folder as it is now, read with the identities of its files.
    static FolderNames read(const QString& folder, const FileSystem& fileSystem);
    FolderNames(const FolderNames&) = delete; // its table points into its names
    FolderNames& operator=(const FolderNames&) = delete;

    // Whether an entry of the folder holds the name: a file, or a folder or
    // another entry, which no rename may replace either.
    bool taken(const QString& name) const;
    // The identity of a file present, as the reading gave it; 0 when unknown.
    quint64 identityOf(const QString& name) const;
    // Whether a file bears the name, and is the file of that identity where
    // both this reading and the one that gave the identity know it.
    bool holdsFile(const QString& name, quint64 identity) const;

private:
    QString m_prefix; // the folder, with its separator
    const FileSystem& m_fileSystem;
    const QStringList m_present;
    const std::vector<quint64> m_identities;
    NamePositions m_exact;                  // of the present names, in m_present
    std::unordered_set<std::size_t> m_keys; // hashes of the names' comparison keys
    NameSet m_composed;                     // present names that were not composed, composed
    NameSet m_others;                       // the names of the other entries
};

} // namespace tervane
