// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <vector>

namespace tervane {

class LanguageFile;

// The texts the program composes at run time (messages, prompts, popup
// entries), by key. Keys are compared without regard to case.
class TranslationCatalogue {
public:
    // Adding a key twice is a programming error: throws std::logic_error.
    void add(const QString& key, const QString& text);
    // The text of key; empty when the key is absent.
    QString item(const QString& key) const;
    int count() const { return int(m_entries.size()); }
    void remove(const QString& key);
    // The texts in insertion order.
    QStringList newEnum() const;
    // Whether a count takes the singular in the catalogue's language: French
    // says "0 fichier", English "0 files".
    bool takesSingular(qsizetype count) const;
    void setLanguage(QLocale::Language language) { m_language = language; }

private:
    struct Entry {
        QString foldedKey;
        QString text;
    };
    std::vector<Entry> m_entries;
    QLocale::Language m_language = QLocale::French;
};

void addTranslation(TranslationCatalogue& catalogue, const LanguageFile& file, const QString& key,
                    const QString& french);

// The catalogue of the built-in keys, texts taken from the language file over
// the French defaults.
TranslationCatalogue buildTranslationCatalogue(const LanguageFile& file);

// text with its "%v" markers (any case) replaced by the values in order; a
// missing value is empty, extra values are ignored. Each search starts again
// from the start of the text.
QString insertValues(QString text, const QStringList& values);

// "One new name is taken" or "%v new names are taken", from the catalogue.
QString conflictMessage(const TranslationCatalogue& texts, int conflicts);

} // namespace tervane
