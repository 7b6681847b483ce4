// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/NaturalSort.h"

#include "text/TextHelpers.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>
#include <numeric>
#include <string>
#include <string_view>
#include <vector>

namespace tervane {

namespace {

// Sort keys of the user's collation, ignoring case. Qt's keys for the C
// locale are the text's UTF-8 compared as bytes, and disregard the case
// setting: there the texts are case folded first, and the keys are written
// into one buffer (an ASCII name folds to its lower case) instead of costing
// three allocations a name. Their first eight bytes after the prefix they all
// share, as a number, settle most comparisons without reading the buffer.
class CollationKeys {
public:
    explicit CollationKeys(const QStringList& texts)
    {
        QCollator collator;
        collator.setCaseSensitivity(Qt::CaseInsensitive);
        if (collator.locale().language() != QLocale::C) {
            m_keys.reserve(texts.size());
            for (const QString& text : texts)
                m_keys.push_back(collator.sortKey(text));
            return;
        }
        m_ends.reserve(texts.size());
        m_heads.reserve(texts.size());
        for (const QString& text : texts)
            addFolded(text);
        const std::size_t shared = sharedPrefix();
        for (std::size_t i = 0; i < m_ends.size(); ++i)
            m_heads.push_back(headOf(bytes(qsizetype(i)).substr(shared)));
    }

    int compare(qsizetype a, qsizetype b) const
    {
        if (m_ends.empty())
            return m_keys[a].compare(m_keys[b]);
        if (m_heads[a] != m_heads[b])
            return m_heads[a] < m_heads[b] ? -1 : 1;
        return bytes(a).compare(bytes(b));
    }

private:
    void addFolded(const QString& text)
    {
        if (isAscii(text))
            for (const QChar c : text)
                m_bytes.push_back(char(c.unicode() - (c >= u'A' && c <= u'Z' ? 'A' - 'a' : 0)));
        else
            m_bytes += text.toCaseFolded().toStdString();
        m_ends.push_back(m_bytes.size());
    }

    // The length of the beginning every key shares.
    std::size_t sharedPrefix() const
    {
        if (m_ends.empty())
            return 0;
        const std::string_view first = bytes(0);
        std::size_t shared = first.size();
        for (qsizetype i = 1; i < qsizetype(m_ends.size()) && shared > 0; ++i) {
            const std::string_view key = bytes(i);
            const std::size_t limit = std::min(shared, key.size());
            std::size_t same = 0;
            while (same < limit && key[same] == first[same])
                ++same;
            shared = same;
        }
        return shared;
    }

    // Keys that differ in their first eight bytes (the shorter one padded
    // with zeros) compare as these numbers do; others need all their bytes.
    static quint64 headOf(std::string_view key)
    {
        quint64 head = 0;
        for (std::size_t i = 0; i < 8; ++i)
            head = head << 8 | (i < key.size() ? uchar(key[i]) : 0);
        return head;
    }

    std::string_view bytes(qsizetype i) const
    {
        const std::size_t start = i == 0 ? 0 : m_ends[i - 1];
        return std::string_view(m_bytes).substr(start, m_ends[i] - start);
    }

    std::vector<QCollatorSortKey> m_keys;
    std::string m_bytes;
    std::vector<std::size_t> m_ends;
    std::vector<quint64> m_heads;
};

using Order = std::vector<qsizetype>;

Order identityOrder(qsizetype size)
{
    Order order(size);
    std::iota(order.begin(), order.end(), qsizetype(0));
    return order;
}

// Reorders the positions of [from, to) stably by their keys; keys[k] belongs
// to the position at from + k.
void sortRangeByKeys(Order::iterator from, Order::iterator to, const CollationKeys& keys)
{
    Order local = identityOrder(to - from);
    std::stable_sort(local.begin(), local.end(),
                     [&](qsizetype a, qsizetype b) { return keys.compare(a, b) < 0; });
    Order sorted;
    sorted.reserve(local.size());
    for (qsizetype k : local)
        sorted.push_back(*(from + k));
    std::copy(sorted.cbegin(), sorted.cend(), from);
}

void applyOrder(QStringList& texts, const Order& order)
{
    QStringList sorted;
    sorted.reserve(texts.size());
    for (qsizetype i : order)
        sorted.append(std::move(texts[i]));
    texts = std::move(sorted);
}

// Where the numbers are read: 0 when every name begins with a digit;
// otherwise the first position at which some name differs from the first name
// (a shorter name differs where it ends), or the first name's last character
// when every name begins with the whole first name. -1 for an empty first name.
qsizetype numberPosition(const QStringList& names)
{
    const auto startsWithDigit = [](const QString& name) {
        return !name.isEmpty() && isAsciiDigit(name.front());
    };
    if (std::all_of(names.cbegin(), names.cend(), startsWithDigit))
        return 0;
    const QString& first = names.front();
    qsizetype agreed = first.size();
    for (qsizetype i = 1; i < names.size() && agreed > 0; ++i) {
        const QString& name = names[i];
        const qsizetype limit = std::min(agreed, name.size());
        qsizetype same = 0;
        while (same < limit && name[same] == first[same])
            ++same;
        agreed = same;
    }
    return agreed < first.size() ? agreed : first.size() - 1;
}

qsizetype digitRun(const QString& name, qsizetype at)
{
    qsizetype end = at;
    while (end < name.size() && isAsciiDigit(name[end]))
        ++end;
    return end - at;
}

QStringView withoutLeadingZeros(QStringView digits)
{
    while (digits.size() > 1 && digits.front() == u'0')
        digits = digits.sliced(1);
    return digits;
}

// Numbers of any length, without leading zeros, compared by value.
bool lessNumber(QStringView a, QStringView b)
{
    return a.size() != b.size() ? a.size() < b.size() : a < b;
}

} // namespace

void sortAlphabetically(QStringList& names)
{
    const QStringList& input = names;
    const CollationKeys keys(input);
    Order order = identityOrder(input.size());
    std::sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) {
        const int c = keys.compare(a, b);
        return c != 0 ? c < 0 : input[a] < input[b];
    });
    applyOrder(names, order);
}

void sortNumerically(QStringList& names)
{
    // Read through a constant reference: views into the names must not see
    // the list detach before the final reordering.
    const QStringList& input = names;
    if (input.size() < 2)
        return;
    const qsizetype at = numberPosition(input);
    if (at < 0)
        return;

    std::vector<qsizetype> runs;
    runs.reserve(names.size());
    for (const QString& name : input) {
        runs.push_back(digitRun(name, at));
        if (runs.back() == 0)
            return; // no number there: the order stays as it came
    }
    const qsizetype width = *std::max_element(runs.cbegin(), runs.cend());

    // Key of a name: its number left-padded with zeros to the widest run, a
    // tab, the whole name, compared by collation. Keys of different numbers
    // first differ at a digit, and the collation orders digits as numbers, so
    // the numbers alone decide between them; only names of equal numbers need
    // their keys. Runs stay text, so no length of them overflows anything.
    std::vector<QStringView> numbers;
    numbers.reserve(input.size());
    for (qsizetype i = 0; i < input.size(); ++i)
        numbers.push_back(withoutLeadingZeros(QStringView(input[i]).sliced(at, runs[i])));

    Order order = identityOrder(input.size());
    std::stable_sort(order.begin(), order.end(),
                     [&](qsizetype a, qsizetype b) { return lessNumber(numbers[a], numbers[b]); });

    for (auto from = order.begin(); from != order.end();) {
        const auto to = std::find_if(from + 1, order.end(),
                                     [&](qsizetype i) { return numbers[i] != numbers[*from]; });
        if (to - from > 1) {
            QStringList keys;
            for (auto i = from; i != to; ++i)
                keys.append(QString(width - runs[*i], u'0') + input[*i].sliced(at, runs[*i]) +
                            u'\t' + input[*i]);
            // Each key ends with its whole name, so the names are carried along
            // in key order instead of being cut back out of the sorted keys.
            sortRangeByKeys(from, to, CollationKeys(keys));
        }
        from = to;
    }
    applyOrder(names, order);
}

} // namespace tervane
