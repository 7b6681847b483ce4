// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/TranslationCatalogue.h"

#include "i18n/BuiltInTexts.h"
#include "i18n/LanguageChoice.h"
#include "i18n/LanguageFile.h"
#include "i18n/TextKeys.h"

#include <algorithm>
#include <stdexcept>

namespace tervane {

void TranslationCatalogue::add(const QString& key, const QString& text)
{
    const QString folded = key.toCaseFolded();
    if (std::any_of(m_entries.begin(), m_entries.end(),
                    [&](const Entry& entry) { return entry.foldedKey == folded; }))
        throw std::logic_error("translation key added twice: " + key.toStdString());
    m_entries.push_back({folded, text});
}

QString TranslationCatalogue::item(const QString& key) const
{
    const QString folded = key.toCaseFolded();
    const auto entry = std::find_if(m_entries.begin(), m_entries.end(),
                                    [&](const Entry& e) { return e.foldedKey == folded; });
    return entry == m_entries.end() ? QString() : entry->text;
}

void TranslationCatalogue::remove(const QString& key)
{
    const QString folded = key.toCaseFolded();
    std::erase_if(m_entries, [&](const Entry& entry) { return entry.foldedKey == folded; });
}

QStringList TranslationCatalogue::newEnum() const
{
    QStringList texts;
    for (const Entry& entry : m_entries)
        texts << entry.text;
    return texts;
}

void addTranslation(TranslationCatalogue& catalogue, const LanguageFile& file, const QString& key,
                    const QString& french)
{
    catalogue.add(key, lookupTranslation(file, key, french));
}

bool TranslationCatalogue::takesSingular(qsizetype count) const
{
    // French counts none as one; English and German do not.
    return count == 1 || (count == 0 && m_language == QLocale::French);
}

TranslationCatalogue buildTranslationCatalogue(const LanguageFile& file)
{
    TranslationCatalogue catalogue;
    catalogue.setLanguage(interfaceLocale(file).language());
    for (const BuiltInText& text : BuiltInTexts)
        addTranslation(catalogue, file, QString::fromUtf16(text.key),
                       QString::fromUtf16(text.french));
    return catalogue;
}

QString insertValues(QString text, const QStringList& values)
{
    const QString marker = QStringLiteral("%v");
    qsizetype k = 0;
    // The search goes on after each value put in: a value may itself hold
    // "%v" (a file named "100%Vinyl.mp3").
    for (qsizetype p = text.indexOf(marker, 0, Qt::CaseInsensitive); p >= 0;) {
        const QString value = k < values.size() ? values[k] : QString();
        text.replace(p, marker.size(), value);
        ++k;
        p = text.indexOf(marker, p + value.size(), Qt::CaseInsensitive);
    }
    return text;
}

QString conflictMessage(const TranslationCatalogue& texts, int conflicts)
{
    return conflicts == 1
               ? texts.item(TextKey::NameTaken)
               : insertValues(texts.item(TextKey::NamesTaken), {QString::number(conflicts)});
}

} // namespace tervane
