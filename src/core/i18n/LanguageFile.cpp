// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/LanguageFile.h"

#include "base/AppError.h"
#include "settings/IniFile.h"
#include "text/TextDecoding.h"

#include <QFile>
#include <algorithm>
#include <cerrno>

namespace tervane {

namespace {

const QString TranslationSection = QStringLiteral("Traduction");

bool isAlias(const QString& value)
{
    return value.size() >= 2 && value.front() == u'{' && value.back() == u'}';
}

} // namespace

LanguageFile LanguageFile::load(const QString& path)
{
    LanguageFile file;
    file.m_path = path;
    // Oversized files are handled below, as files that are no language file.
    if (const int problem = textFileProblem(path); problem != 0 && problem != EFBIG)
        throw AppError(problem, descriptionOfError(problem));
    QFile input;
    openForReading(input, path);
    file.m_loaded = true;
    if (input.size() > MaximumSize)
        return file;
    file.m_text = decodeText(input.readAll());
    file.m_values = readIniSection(file.m_text, TranslationSection);
    file.indexTags();
    return file;
}

// One pass over the text finds every tag: "<name>" opens, "</name>" closes.
// A tag name runs from the last "<" before a ">" to that ">".
void LanguageFile::indexTags()
{
    qsizetype open = m_text.indexOf(u'<');
    while (open >= 0) {
        const qsizetype close = m_text.indexOf(u'>', open + 1);
        if (close < 0)
            break;
        const qsizetype innerOpen = m_text.lastIndexOf(u'<', close);
        if (innerOpen > open) {
            open = innerOpen;
            continue;
        }
        const QStringView name = QStringView(m_text).sliced(open + 1, close - open - 1);
        if (name.startsWith(u'/')) {
            m_closeTags[name.sliced(1).toString().toCaseFolded()].append(open);
        } else {
            const QString key = name.toString().toCaseFolded();
            if (!m_textAfterOpenTag.contains(key)) // the first opening tag counts
                m_textAfterOpenTag.insert(key, close + 1);
        }
        open = m_text.indexOf(u'<', close + 1);
    }
}

QString LanguageFile::value(const QString& key) const
{
    return m_values.value(key.toCaseFolded());
}

std::optional<QString> LanguageFile::element(const QString& key) const
{
    const QString folded = key.toCaseFolded();
    const auto start = m_textAfterOpenTag.constFind(folded);
    if (start == m_textAfterOpenTag.constEnd())
        return std::nullopt;
    const QList<qsizetype> closings = m_closeTags.value(folded);
    const auto end = std::lower_bound(closings.begin(), closings.end(), *start);
    if (end == closings.end())
        return std::nullopt;
    return m_text.mid(*start, *end - *start);
}

QString lookupTranslation(const LanguageFile& file, const QString& key, const QString& defaultText)
{
    if (!file.isLoaded())
        return applyEscapes(defaultText);
    QString text = file.value(key);
    if (isAlias(text))
        text = file.value(text.mid(1, text.size() - 2));
    if (text.isEmpty())
        text = file.element(key).value_or(defaultText);
    // No text of the program is that long: a damaged file gives the default.
    if (text.size() > MaximumTextLength)
        text = defaultText;
    return applyEscapes(text);
}

QString applyEscapes(QString text)
{
    return text.replace(QStringLiteral("'§'"), QStringLiteral("{167}"))
        .replace(u'§', QStringLiteral("\r\n"))
        .replace(QStringLiteral("{167}"), QStringLiteral("'§'"));
}

} // namespace tervane
