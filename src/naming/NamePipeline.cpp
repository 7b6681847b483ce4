#include "NamePipeline.h"

#include "Numbering.h"
#include "TextHelpers.h"

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool isAsciiAlphanumeric(QChar c)
{
    return isDigit(c) || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

// Whether the text at i has the shape given, "#" standing for a digit.
bool hasShapeAt(const QString& text, qsizetype i, QStringView shape)
{
    if (i + shape.size() > text.size())
        return false;
    for (qsizetype k = 0; k < shape.size(); ++k) {
        const QChar c = text[i + k];
        if (shape[k] == u'#' ? !isDigit(c) : c != shape[k])
            return false;
    }
    return true;
}

// Durations h:mm:ss, mm:ss and m:ss go, each with the character after it.
QString removeDurations(QString t)
{
    for (qsizetype i = 0; i + 1 < t.size();) {
        if (hasShapeAt(t, i, u"##:##:##"))
            t.remove(i, 9);
        else if (hasShapeAt(t, i, u"##:##"))
            t.remove(i, 6);
        else if (hasShapeAt(t, i, u"#:##"))
            t.remove(i, 5);
        else
            ++i;
    }
    return t;
}

QString removeLeadingDigits(const QString& t)
{
    qsizetype i = 0;
    while (i < t.size() && isDigit(t[i]))
        ++i;
    return TrimSpaces(t.mid(i));
}

QString cleanRecord(const QString& sourceText, const TreatmentOptions& options,
                    const QStringList& terms)
{
    QString t = TrimSpaces(sourceText);
    if (t.isEmpty())
        return t;
    if (options.RemoveDurations)
        t = removeDurations(t);
    t = TrimSpaces(RemoveForbiddenChars(t));
    if (options.RemoveTerms)
        for (const QString& term : terms)
            if (!term.isEmpty())
                t = TrimSpaces(ReplaceText(t, term, QString(), 1, CompareMode::Text));
    if (options.RemoveLeadingDigits)
        t = removeLeadingDigits(t);
    return TrimSpaces(t);
}

// Length of the longest run of characters outside [0-9A-Za-z] that starts
// every non-empty name.
qsizetype sharedLeadingJunk(const std::vector<NameRecord>& records)
{
    const auto first = std::find_if(records.begin(), records.end(),
                                    [](const NameRecord& r) { return !r.GeneratedName.isEmpty(); });
    if (first == records.end())
        return 0;
    const QString& reference = first->GeneratedName;
    qsizetype n = 0;
    for (; n < reference.size(); ++n) {
        const QChar c = reference[n];
        if (isAsciiAlphanumeric(c))
            return n;
        for (auto other = first + 1; other != records.end(); ++other) {
            const QString& name = other->GeneratedName;
            if (!name.isEmpty() && (name.size() <= n || name[n] != c))
                return n;
        }
    }
    return n;
}

void removeSharedLeadingJunk(std::vector<NameRecord>& records)
{
    const qsizetype n = sharedLeadingJunk(records);
    if (n < 1)
        return;
    for (NameRecord& record : records)
        if (!record.GeneratedName.isEmpty())
            record.GeneratedName = TrimSpaces(record.GeneratedName.mid(n));
}

// Where a treatment applies: 1 at the start, -1 at the end, else a position
// (0: nowhere).
int positionOf(InsertPosition mode, const QString& positionText)
{
    switch (mode) {
    case InsertPosition::AtStart:
        return 1;
    case InsertPosition::AtEnd:
        return -1;
    case InsertPosition::AtPosition:
        break;
    }
    return ReadNumber(positionText);
}

QString removeCharacters(const QString& s, int p, int k)
{
    if (p == 1)
        return s.mid(k);
    if (p == -1)
        return s.left(s.size() - std::min<qsizetype>(k, s.size()));
    if (p - 1 >= s.size())
        return s;
    return s.left(p - 1) + s.mid(qsizetype(p) - 1 + k);
}

} // namespace

QStringList SplitIntoLines(const QString& text)
{
    return SplitText(text, QStringLiteral("\r"), -1, CompareMode::Binary);
}

QString NormaliseLineBreaks(const QString& text)
{
    QString result;
    result.reserve(text.size() + text.size() / 32);
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\n' && (i == 0 || text[i - 1] != u'\r'))
            result += u'\r';
        result += text[i];
    }
    return result;
}

std::vector<NameRecord> RecordsFromLines(const QStringList& lines)
{
    std::vector<NameRecord> records;
    records.reserve(std::size_t(lines.size()));
    for (const QString& line : lines) {
        QString kept = line;
        kept.removeIf([](QChar c) { return c != u':' && IsForbiddenChar(c); });
        records.push_back({TrimSpaces(kept), QString()});
    }
    return records;
}

QStringList GenerateNames(std::vector<NameRecord>& records, const TreatmentOptions& options,
                          const QStringList& fileRows)
{
    QStringList terms =
        SplitText(options.TermsToRemove, QStringLiteral(";"), -1, CompareMode::Binary);
    for (QString& term : terms)
        term = TrimSpaces(term);

    for (NameRecord& record : records)
        record.GeneratedName = cleanRecord(record.SourceText, options, terms);
    if (options.RemoveLeadingNonAlphanumerics)
        removeSharedLeadingJunk(records);
    if (options.RemoveCapitals)
        for (NameRecord& record : records)
            record.GeneratedName = LowerAllButFirst(record.GeneratedName);
    if (options.RemoveCharacters) {
        const int p = positionOf(options.RemoveCharactersMode, options.RemoveCharactersPosition);
        const int k = ReadNumber(options.RemoveCharactersCount);
        if (p != 0 && k > 0)
            for (NameRecord& record : records)
                record.GeneratedName = removeCharacters(record.GeneratedName, p, k);
    }
    if (options.RemoveEmptyLines)
        std::erase_if(records, [](const NameRecord& r) { return r.GeneratedName.isEmpty(); });

    for (std::size_t i = 0; i < records.size(); ++i)
        records[i].GeneratedName =
            FormatNumberedName(records[i].GeneratedName, int(i + 1), options);
    if (options.AddString && !options.AddStringText.isEmpty()) {
        const int p = positionOf(options.AddStringMode, options.AddStringPosition);
        const QString added = RemoveForbiddenChars(options.AddStringText);
        if (p != 0)
            for (NameRecord& record : records)
                record.GeneratedName = InsertAddedString(record.GeneratedName, added, p);
    }

    QStringList rows;
    rows.reserve(qsizetype(records.size()));
    for (std::size_t b = 0; b < records.size(); ++b) {
        const bool paired = qsizetype(b) < fileRows.size();
        rows << (paired && !options.DropOriginalExtension
                     ? records[b].GeneratedName + GetExtension(fileRows[qsizetype(b)])
                     : records[b].GeneratedName);
    }
    return rows;
}
