// SPDX-License-Identifier: GPL-3.0-or-later
#include "naming/NamePipeline.h"

#include "naming/Numbering.h"
#include "text/FileNameBytes.h"
#include "text/TextHelpers.h"

#include <QRegularExpression>

#include <algorithm>
#include <iterator>
#include <optional>
#include <utility>
#include <variant>

using namespace Qt::StringLiterals;

namespace tervane {

namespace {

// Whether the text at i has the shape given, "#" standing for a digit.
bool hasShapeAt(const QString& text, qsizetype i, QStringView shape)
{
    if (i + shape.size() > text.size())
        return false;
    for (qsizetype k = 0; k < shape.size(); ++k) {
        const QChar c = text[i + k];
        if (shape[k] == u'#' ? !isAsciiDigit(c) : c != shape[k])
            return false;
    }
    return true;
}

// The per-name steps below change their text in place: a run goes through
// every name at every keystroke in an option box, and copies would dominate.

// Read through a constant view: a text with nothing to trim stays shared.
void trimSpaces(QString& t)
{
    const QStringView text(t);
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == u' ')
        --end;
    qsizetype start = 0;
    while (start < end && text[start] == u' ')
        ++start;
    if (end < text.size())
        t.truncate(end);
    if (start > 0)
        t.remove(0, start);
}

// Code units of the character at i (a surrogate pair is one character); 0
// past the end.
qsizetype characterSize(const QString& t, qsizetype i)
{
    if (i >= t.size())
        return 0;
    return t[i].isHighSurrogate() && i + 1 < t.size() && t[i + 1].isLowSurrogate() ? 2 : 1;
}

bool areBrackets(QChar open, QChar close)
{
    return (open == u'(' && close == u')') || (open == u'[' && close == u']') ||
           (open == u'{' && close == u'}');
}

// Durations hh:mm:ss, h:mm:ss, mm:ss and m:ss go, each with the character
// after it. One alone between brackets goes with both, and with the space
// after them where a space or the start is before them: no half bracket and
// no double space is left.
void removeDurations(QString& t)
{
    static constexpr QStringView Shapes[] = {u"##:##:##", u"#:##:##", u"##:##", u"#:##"};
    for (qsizetype i = 0; i + 1 < t.size();) {
        const auto* shape = std::find_if(std::begin(Shapes), std::end(Shapes),
                                         [&](QStringView s) { return hasShapeAt(t, i, s); });
        if (shape == std::end(Shapes)) {
            ++i;
            continue;
        }
        const qsizetype end = i + shape->size();
        if (i > 0 && end < t.size() && areBrackets(t[i - 1], t[end])) {
            const qsizetype from = i - 1;
            const bool spaced =
                (from == 0 || t[from - 1] == u' ') && end + 1 < t.size() && t[end + 1] == u' ';
            t.remove(from, end + 1 - from + (spaced ? 1 : 0));
            i = from;
            continue;
        }
        t.remove(i, shape->size() + characterSize(t, end));
    }
}

void removeForbiddenChars(QString& t)
{
    if (std::any_of(t.cbegin(), t.cend(), isForbiddenChar))
        t.removeIf(isForbiddenChar);
}

// Every occurrence of each term, whatever its case, searched in a case-folded
// copy whose positions match the name's (simple folding keeps lengths). Each
// search resumes where the removed text stood, as the text helpers' replace
// does with an empty replacement.
void removeTerms(QString& t, const QStringList& terms, const QStringList& foldedTerms)
{
    QString folded = foldCase(t);
    for (qsizetype i = 0; i < terms.size(); ++i) {
        const QString& term = foldedTerms[i];
        if (term.isEmpty())
            continue;
        bool removed = false;
        for (qsizetype at = folded.indexOf(term); at >= 0; at = folded.indexOf(term, at)) {
            t.remove(at, term.size());
            folded.remove(at, term.size());
            removed = true;
        }
        if (removed) {
            trimSpaces(t);
            trimSpaces(folded);
        }
    }
}

void removeLeadingDigits(QString& t)
{
    qsizetype i = 0;
    while (i < t.size() && isAsciiDigit(std::as_const(t)[i]))
        ++i;
    if (i > 0)
        t.remove(0, i);
    trimSpaces(t);
}

QString cleanRecord(const QString& sourceText, const TreatmentOptions& options,
                    const QStringList& terms, const QStringList& foldedTerms)
{
    QString t = sourceText;
    trimSpaces(t);
    if (t.isEmpty())
        return t;
    // Terms first, then durations while the text still holds its colons,
    // then what no name may hold, then the leading digits.
    if (options.removeTerms)
        removeTerms(t, terms, foldedTerms);
    if (options.removeDurations)
        removeDurations(t);
    removeForbiddenChars(t);
    trimSpaces(t);
    if (options.removeLeadingDigits)
        removeLeadingDigits(t);
    trimSpaces(t);
    return t;
}

QRegularExpression expressionOf(const QString& pattern)
{
    return QRegularExpression(pattern, QRegularExpression::CaseInsensitiveOption |
                                           QRegularExpression::UseUnicodePropertiesOption);
}

// The find and replace of the names, made once a run: a text found whatever
// its case, or a regular expression (case-insensitive, Unicode) whose
// replacement may name its groups \1 to \9. Inactive when off, empty or
// invalid.
class Replacement {
public:
    explicit Replacement(const TreatmentOptions& o)
        : m_from(o.replace ? o.replaceFrom : QString())
        , m_to(o.replaceTo)
    {
        if (o.replaceRegex && !m_from.isEmpty()) {
            m_expression.emplace(expressionOf(m_from));
            m_nonEmpty.emplace(expressionOf(u"(*NOTEMPTY_ATSTART)"_s + m_from));
        }
    }

    bool isActive() const
    {
        return !m_from.isEmpty() && (!m_expression || m_expression->isValid());
    }
    // Every match replaced; what the replacement brings that no name may
    // hold goes. False, the name untouched, when the expression cannot be
    // decided on it.
    bool apply(QString& name) const
    {
        if (m_expression) {
            const QRegularExpressionMatch first = m_expression->match(name);
            if (!first.isValid() || (first.hasMatch() && !walksToTheEnd(name)))
                return false;
            if (first.hasMatch())
                name.replace(*m_expression, m_to);
        } else {
            name.replace(m_from, m_to, Qt::CaseInsensitive);
        }
        removeForbiddenChars(name);
        removeLoneSurrogates(name);
        trimSpaces(name);
        return true;
    }

private:
    // Whether the walk through the matches that QString::replace makes ends
    // past the last match, not on an error of the engine (its match limit,
    // on a pattern that backtracks without end): Qt stops the walk silently
    // either way, and would replace only the matches found before. The step
    // that ended the walk is made again, as Qt makes it, to tell.
    bool walksToTheEnd(const QString& name) const
    {
        QRegularExpressionMatch last;
        for (auto matches = m_expression->globalMatch(name); matches.hasNext();)
            last = matches.next();
        constexpr auto Normal = QRegularExpression::NormalMatch;
        constexpr auto Unchecked = QRegularExpression::DontCheckSubjectStringMatchOption;
        const qsizetype end = last.capturedEnd();
        if (last.capturedLength() > 0)
            return m_expression->match(name, end, Normal, Unchecked).isValid();
        // After an empty match Qt looks for a non-empty one anchored there,
        // then for any one a character further (past the end: the walk is
        // over). No name holds the line breaks Qt would also step over.
        const QRegularExpressionMatch anchored = m_nonEmpty->match(
            name, end, Normal, Unchecked | QRegularExpression::AnchorAtOffsetMatchOption);
        const qsizetype next = end + std::max<qsizetype>(1, characterSize(name, end));
        return anchored.isValid() &&
               (next > name.size() || m_expression->match(name, next, Normal, Unchecked).isValid());
    }

    QString m_from;
    QString m_to;
    std::optional<QRegularExpression> m_expression;
    std::optional<QRegularExpression> m_nonEmpty; // the same, matching no empty text at its start
};

// Length of the longest run of junk (spaces, punctuation, symbols) that
// starts every non-empty name: it ends at the first letter or digit, of any
// script. A combining mark on the junk goes with it; the marks of a letter
// come after the letter, and are never reached.
qsizetype sharedLeadingJunk(const std::vector<NameRecord>& records)
{
    const auto first = std::find_if(records.begin(), records.end(), [](const NameRecord& r) {
        return !r.treated.cleaned.isEmpty();
    });
    if (first == records.end())
        return 0;
    const QString& reference = first->treated.cleaned;
    qsizetype n = 0;
    while (n < reference.size()) {
        const qsizetype size = characterSize(reference, n);
        const QStringView c = QStringView(reference).sliced(n, size);
        const char32_t code = size == 2 ? QChar::surrogateToUcs4(c[0], c[1]) : c[0].unicode();
        if (QChar::isLetterOrNumber(code))
            return n;
        for (auto other = first + 1; other != records.end(); ++other) {
            const QString& name = other->treated.cleaned;
            if (!name.isEmpty() && QStringView(name).mid(n, size) != c)
                return n;
        }
        n += size;
    }
    return n;
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
    return readNumber(positionText);
}

// Counted in characters as a user sees them (code points).
void removeCharacters(QString& s, int p, int k)
{
    if (p == 1) {
        s.remove(0, unitIndexOfCodePoint(s, k));
    } else if (p == -1) {
        qsizetype end = s.size();
        for (int removed = 0; removed < k && end > 0; ++removed)
            end -= end >= 2 && s[end - 1].isLowSurrogate() && s[end - 2].isHighSurrogate() ? 2 : 1;
        s.truncate(end);
    } else {
        const qsizetype from = unitIndexOfCodePoint(s, p - 1);
        s.remove(from, unitIndexOfCodePoint(s, qsizetype(p - 1) + k) - from);
    }
}

// A 64-bit fingerprint of option values: two 32-bit hashes with different
// seeds, never 0 (which stands for "never made").
quint64 fingerprint(const QStringList& values)
{
    const QByteArray bytes = values.join(QChar(0)).toUtf8();
    return (quint64(qHash(bytes, 0x9e3779b9)) << 32 | quint64(qHash(bytes, 0x7f4a7c15))) | 1;
}

QString valueText(bool value)
{
    return QString::number(int(value));
}
QString valueText(int value)
{
    return QString::number(value);
}
QString valueText(InsertPosition value)
{
    return QString::number(int(value));
}
QString valueText(const QString& value)
{
    return value;
}

// The options of one stage of the making of names, as one fingerprint.
quint64 stageStamp(const TreatmentOptions& o, TreatmentOption::Stage stage)
{
    QStringList values;
    for (const TreatmentOption& option : treatmentOptionTable()) {
        if (option.stage == stage)
            std::visit([&](const auto& kind) { values << valueText(o.*kind.member); }, option.kind);
    }
    return fingerprint(values);
}

// The options the steps before numbering read.
quint64 treatmentStamp(const TreatmentOptions& o)
{
    return stageStamp(o, TreatmentOption::Stage::Treatment);
}

bool cleanedIsValid(const NameRecord& record, quint64 stamp)
{
    const TreatedText& kept = record.treated;
    return kept.treatments == stamp && kept.source.size() == record.sourceText.size() &&
           kept.source.constData() == record.sourceText.constData();
}

// Every record's treated text, made from its source text by the steps that
// come before numbering, or kept where nothing they read changed.
void treatRecords(std::vector<NameRecord>& records, const TreatmentOptions& options)
{
    const quint64 stamp = treatmentStamp(options);
    QStringList terms = splitText(options.termsToRemove, QStringLiteral(";"));
    QStringList foldedTerms;
    for (QString& term : terms) {
        term = trimmedSpaces(term);
        foldedTerms << foldCase(term);
    }
    for (NameRecord& record : records) {
        TreatedText& kept = record.treated;
        if (!cleanedIsValid(record, stamp)) {
            kept = {.source = record.sourceText,
                    .treatments = stamp,
                    .cleaned = cleanRecord(record.sourceText, options, terms, foldedTerms)};
        }
    }

    const qsizetype junk = options.removeLeadingNonAlphanumerics ? sharedLeadingJunk(records) : 0;
    const Replacement replacement(options);
    const int p = positionOf(options.removeCharactersMode, options.removeCharactersPosition);
    const int k = readNumber(options.removeCharactersCount);
    for (NameRecord& record : records) {
        TreatedText& kept = record.treated;
        if (kept.junk != junk) {
            QString name = kept.cleaned;
            if (junk > 0 && !name.isEmpty()) {
                name.remove(0, junk);
                trimSpaces(name);
            }
            if (options.removeCapitals)
                lowerAllButFirstInPlace(name);
            if (options.removeCharacters && p != 0 && k > 0)
                removeCharacters(name, p, k);
            kept.junk = junk;
            kept.treated = name;
            kept.undecided = replacement.isActive() && !replacement.apply(name);
            kept.replaced = std::move(name);
        }
    }
}

// The options the steps after the treatments read: a row made with the same
// ones (and the same file list) needs no remaking.
quint64 rowStamp(const TreatmentOptions& o)
{
    return stageStamp(o, TreatmentOption::Stage::Completion);
}

// A row's name depends on its treated text, the options, and its place: its
// number and the file beside it (its extension).
bool rowIsUnchanged(const NameRow& previous, std::size_t at, const QString& treated, quint64 stamp)
{
    return previous.madeWith == stamp && previous.madeAt == at &&
           previous.madeFrom.size() == treated.size() &&
           previous.madeFrom.constData() == treated.constData();
}

// Row b's name: numbered, the added string put in, the file's extension after.
QString rowText(const QString& treated, std::size_t b, const TreatmentOptions& numbering,
                int addedAt, const QString& added, const QStringList& fileRows)
{
    QString name = formatNumberedName(treated, int(b + 1), numbering);
    if (addedAt != 0)
        name.insert(addedStringIndex(name, addedAt), added);
    if (qsizetype(b) >= fileRows.size() || numbering.dropOriginalExtension)
        return name;
    return name.append(extensionOf(shownFileName(fileRows[qsizetype(b)])));
}

} // namespace

QString expressionProblem(const QString& pattern)
{
    const QRegularExpression expression = expressionOf(pattern);
    return expression.isValid() ? QString() : expression.errorString();
}

std::optional<QString> undecidedReplacement(const std::vector<NameRecord>& records)
{
    const auto undecided = std::find_if(records.begin(), records.end(),
                                        [](const NameRecord& r) { return r.treated.undecided; });
    if (undecided == records.end())
        return std::nullopt;
    return undecided->treated.treated;
}

QStringList splitIntoLines(const QString& text)
{
    return splitText(text, QStringLiteral("\r"));
}

QStringList textLines(const QString& text)
{
    QStringList lines;
    lines.reserve(text.count(u'\n') + 1);
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    lines.append(text.mid(start));
    return lines;
}

QString sourceTextOfLine(const QString& line)
{
    const auto forbidden = [](QChar c) { return c != u':' && isForbiddenChar(c); };
    QString kept = line;
    // Most lines hold none: they stay shared, not copied.
    if (std::any_of(line.cbegin(), line.cend(), forbidden))
        kept.removeIf(forbidden);
    removeLoneSurrogates(kept);
    return trimmedSpaces(kept);
}

std::vector<NameRecord> recordsFromLines(const QStringList& lines)
{
    std::vector<NameRecord> records;
    records.reserve(std::size_t(lines.size()));
    for (const QString& line : lines)
        records.push_back({sourceTextOfLine(line), {}});
    return records;
}

std::vector<NameRow> generateNameRows(std::vector<NameRecord>& records,
                                      const TreatmentOptions& options, const QStringList& fileRows,
                                      const std::vector<NameRow>& previous)
{
    treatRecords(records, options);
    // A find and replace that cannot be decided on some name is made on none.
    const bool replaced = std::none_of(records.begin(), records.end(),
                                       [](const NameRecord& r) { return r.treated.undecided; });
    const auto nameOf = [replaced](const NameRecord& r) -> const QString& {
        return replaced ? r.treated.replaced : r.treated.treated;
    };

    // Records left empty are hidden, not deleted: they take no row and no
    // number, and come back when a later run gives them a name again.
    std::vector<NameRow> rows;
    rows.reserve(records.size());
    for (std::size_t r = 0; r < records.size(); ++r) {
        const bool empty = nameOf(records[r]).isEmpty();
        if (!(empty && options.removeEmptyLines))
            rows.push_back({QString(), false, r, empty});
    }

    TreatmentOptions numbering = options;
    numbering.numberingPrefix = cleanNamePart(options.numberingPrefix);
    numbering.numberingSuffix = cleanNamePart(options.numberingSuffix);
    const bool adding = options.addString && !options.addStringText.isEmpty();
    const int addedAt = adding ? positionOf(options.addStringMode, options.addStringPosition) : 0;
    const QString added = adding ? cleanNamePart(options.addStringText) : QString();
    const quint64 stamp = rowStamp(options);
    for (std::size_t b = 0; b < rows.size(); ++b) {
        NameRow& row = rows[b];
        const QString& treated = nameOf(records[row.record]);
        if (b < previous.size() && rowIsUnchanged(previous[b], b, treated, stamp)) {
            row.text = previous[b].text;
            row.keyHash = previous[b].keyHash;
        } else {
            row.text = rowText(treated, b, numbering, addedAt, added, fileRows);
        }
        row.madeFrom = treated;
        row.madeWith = stamp;
        row.madeAt = b;
    }
    return rows;
}

} // namespace tervane
