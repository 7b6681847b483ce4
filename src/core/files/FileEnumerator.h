// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "services/FileSystem.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

namespace tervane {

// A wildcard pattern in the form names are matched against: composed, then
// case folded code point by code point, exactly as names are folded while
// they are matched. A star then plain characters of the basic plane (the
// usual "*.mp3") may be decided by a name's end alone.
struct PreparedPattern {
    QString text;
    bool starThenPlain = false;
};

// The files of one folder whose names match a pattern list: the only source
// of the file rows. Reads through the FileSystem, so folders and hidden files
// are never listed.
class FileEnumerator {
public:
    explicit FileEnumerator(const FileSystem& fileSystem);

    // The folder listed, exactly as it was set; empty until one is set.
    const QString& path() const { return m_path; }
    // Re-reads at once. Refused (false, previous Path and names kept) when
    // path is not an existing folder.
    bool setPath(const QString& path);

    const QString& pattern() const { return m_pattern; }
    // Wildcard patterns separated by ";" (spaces around each one ignored); a
    // name is listed when it matches any of them. "*.*" stands for every name,
    // with or without a dot. A text without any pattern ("" or ";") lists
    // nothing. Filters the folder as last read (read now when it never was).
    void setPattern(const QString& patterns);

    // Re-reads the folder, keeping Path and Pattern. Any reading of a folder
    // that no longer exists keeps the names of the last successful one.
    void refresh();

    // The matching names, alphabetical without regard to case.
    const QStringList& names() const { return m_names; }
    int count() const { return int(m_names.size()); }
    // Every file of the folder as last read, patterns not applied, and the
    // folder it was read from.
    const QStringList& allNames() const { return m_read; }
    // Their identities, as that reading gave them (0 where it gave none).
    const std::vector<quint64>& identities() const { return m_identities; }
    // From now on each reading also asks when each file was created.
    void readBirths() { m_readsBirths = true; }
    // The identity and the birth of each of names among the files of that
    // reading (0 where it gave none), found with one look-up each.
    struct FilesFound {
        std::vector<quint64> identities;
        std::vector<qint64> births;
    };
    FilesFound filesOf(const QStringList& names) const;
    const QString& readPath() const { return m_readPath; }
    // The names of the folder's other entries (folders...) at that reading,
    // and how many readings found other names than the one before.
    const QStringList& otherNames() const { return m_others; }
    int readings() const { return m_readings; }

private:
    void read();
    void filter();

    const FileSystem& m_fileSystem;
    QString m_path;
    QString m_pattern;
    QList<PreparedPattern> m_preparedPatterns;
    QStringList m_names;
    QString m_readPath; // the folder of the last reading,
    QStringList m_read; // its names as read,
    std::vector<quint64> m_identities;
    std::vector<qint64> m_births;
    QStringList m_sorted; // and in alphabetical order, patterns not applied
    QStringList m_others;
    int m_readings = 0;
    bool m_readsBirths = false;
};

// Whether name matches a wildcard pattern: "*" stands for any run of
// characters (none included), "?" for exactly one, anything else for itself
// without regard to case (Unicode case folding; composed and decomposed
// accents are the same).
bool matchesWildcard(QStringView name, QStringView pattern);

} // namespace tervane
