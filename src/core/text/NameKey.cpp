// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/NameKey.h"

#include <algorithm>

namespace tervane {

namespace {

// Calls fold(codePoint) for each code point of text, surrogate pairs joined.
template <typename Fold>
void forEachCodePoint(QStringView text, Fold fold)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            fold(QChar::surrogateToUcs4(c, text[i + 1]));
            ++i;
        } else {
            fold(char32_t(c.unicode()));
        }
    }
}

void appendCodePoint(QString& text, char32_t c)
{
    if (QChar::requiresSurrogates(c))
        text.append(QChar(QChar::highSurrogate(c))).append(QChar(QChar::lowSurrogate(c)));
    else
        text.append(QChar(char16_t(c)));
}

constexpr size_t HashStart = 1469598103934665603ull;

// FNV-1a over the key's code points, taken three at a time (21 bits each):
// one multiplication for three characters, as every name of a list is
// hashed at every run of its names.
class KeyHash {
public:
    void add(char32_t c)
    {
        m_word |= quint64(c) << (21 * m_count);
        if (++m_count == 3)
            flush();
    }
    size_t value()
    {
        if (m_count > 0)
            flush();
        return m_hash;
    }

private:
    void flush()
    {
        m_hash = (m_hash ^ m_word) * 1099511628211ull;
        m_word = 0;
        m_count = 0;
    }
    size_t m_hash = HashStart;
    quint64 m_word = 0;
    int m_count = 0;
};

} // namespace

bool mayNeedComposing(QStringView text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x0300; });
}

QString nameKey(const QString& name)
{
    if (!mayNeedComposing(name)) {
        // Below U+0300 every code unit is a code point of its own.
        QString key(name.size(), Qt::Uninitialized);
        std::transform(name.begin(), name.end(), key.begin(),
                       [](QChar c) { return QChar(char16_t(foldedCodePoint(c.unicode()))); });
        return key;
    }
    QString key;
    key.reserve(name.size());
    forEachCodePoint(name.normalized(QString::NormalizationForm_C),
                     [&key](char32_t c) { appendCodePoint(key, foldedCodePoint(c)); });
    return key;
}

size_t nameKeyHash(const QString& name)
{
    KeyHash hash;
    for (QChar c : name) {
        if (c.unicode() >= 0x0300) {
            // The same hash over the key itself, built the long way.
            KeyHash key;
            forEachCodePoint(nameKey(name), [&key](char32_t k) { key.add(k); });
            return key.value();
        }
        hash.add(foldedCodePoint(c.unicode()));
    }
    return hash.value();
}

} // namespace tervane
