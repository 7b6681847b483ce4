// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <optional>

namespace tervane {

// A language file, read once: its section "Traduction" and the texts written
// between <KEY> and </KEY> tags anywhere in the file. Lookups are answered
// from memory, so a sparse file that sends most lookups to the tags costs one
// read, not one per control.
class LanguageFile {
public:
    // No file: French, every lookup gives its default.
    LanguageFile() = default;

    // Reads the file at path. Throws AppError when it cannot be read. A file
    // larger than MaximumSize is no language file: it is read as empty.
    static LanguageFile load(const QString& path);
    static constexpr qint64 MaximumSize = 32 * 1024 * 1024;

    bool isLoaded() const { return m_loaded; }
    const QString& path() const { return m_path; }

    // The INI value of key in "Traduction"; empty when missing.
    QString value(const QString& key) const;
    // The text between the first opening tag of key and the first closing tag
    // after it, tags matched without regard to case.
    std::optional<QString> element(const QString& key) const;

private:
    void indexTags();

    bool m_loaded = false;
    QString m_path;
    QString m_text;
    QHash<QString, QString> m_values;             // case-folded key -> value
    QHash<QString, qsizetype> m_textAfterOpenTag; // case-folded key -> where its text starts
    QHash<QString, QList<qsizetype>> m_closeTags; // case-folded key -> closing tag positions
};

// The longest text a language file may give; a longer one is taken as damage.
inline constexpr qsizetype MaximumTextLength = 16 * 1024;

// The text of key: the INI value (an alias {OTHERKEY} followed once), else the
// element form, else the default; then the escapes: "§" becomes a line break,
// "'§'" stays as it is.
QString lookupTranslation(const LanguageFile& file, const QString& key, const QString& defaultText);
QString applyEscapes(QString text);

} // namespace tervane
