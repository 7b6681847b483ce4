// SPDX-License-Identifier: GPL-3.0-or-later
#include "naming/NamePipeline.h"
#include "session/RenameWorkspace.h"

#include <QRandomGenerator>
#include <QTest>

using namespace tervane;

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(TreatmentOptions)

namespace {

// The defaults with the numbering off: the base of most cases.
TreatmentOptions plain()
{
    TreatmentOptions o;
    o.numbering = false;
    return o;
}

// Nothing at all switched on.
TreatmentOptions bare()
{
    TreatmentOptions o = plain();
    o.removeLeadingDigits = false;
    o.removeLeadingNonAlphanumerics = false;
    o.removeDurations = false;
    o.removeEmptyLines = false;
    return o;
}

template <typename Change>
TreatmentOptions with(TreatmentOptions o, Change change)
{
    change(o);
    return o;
}

QStringList files(int count)
{
    QStringList rows;
    for (int i = 1; i <= count; ++i)
        rows << u"%1.mp3"_s.arg(i, 2, 10, QLatin1Char('0'));
    return rows;
}

QStringList textsOf(const std::vector<NameRow>& rows)
{
    QStringList texts;
    for (const NameRow& row : rows)
        texts << row.text;
    return texts;
}

// The names, then, when the find and replace could not be decided, the name
// it gave up on, marked "undecided: ".
QStringList generate(const QString& text, const TreatmentOptions& options,
                     const QStringList& fileRows)
{
    std::vector<NameRecord> records = recordsFromLines(splitIntoLines(text));
    QStringList names = textsOf(generateNameRows(records, options, fileRows));
    if (const auto undecided = undecidedReplacement(records))
        names << u"undecided: "_s + *undecided;
    return names;
}

} // namespace

class TestNamePipeline : public QObject {
    Q_OBJECT

private slots:
    void names_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<TreatmentOptions>("options");
        QTest::addColumn<QStringList>("expected");
        const auto noExtension = [](TreatmentOptions& o) { o.dropOriginalExtension = true; };
        const auto durationsOnly = with(bare(), [&](TreatmentOptions& o) {
            o.removeDurations = true;
            o.dropOriginalExtension = true;
        });
        const TreatmentOptions names = with(plain(), noExtension);

        QTest::newRow("CR LF lines") << u"a\r\nb"_s << names << QStringList{u"a"_s, u"b"_s};
        QTest::newRow("bare LF glues the pieces") << u"a\nb"_s << names << QStringList{u"ab"_s};
        QTest::newRow("trailing break, empty lines removed")
            << u"a\rb\r"_s << names << QStringList{u"a"_s, u"b"_s};
        QTest::newRow("trailing break kept as an empty name")
            << u"a\rb\r"_s << with(names, [](TreatmentOptions& o) { o.removeEmptyLines = false; })
            << QStringList{u"a"_s, u"b"_s, QString()};
        QTest::newRow("old numbers and shared junk")
            << u"01 - Intro\r02 - Song"_s << names << QStringList{u"Intro"_s, u"Song"_s};
        QTest::newRow("junk differs at the first character")
            << u"01. Intro\r02 - Song"_s << names << QStringList{u". Intro"_s, u"- Song"_s};
        QTest::newRow("single name loses its leading junk")
            << u"-- Intro"_s << names << QStringList{u"Intro"_s};
        QTest::newRow("junk shared whole")
            << u"***\r***Live"_s
            << with(names, [](TreatmentOptions& o) { o.removeEmptyLines = false; })
            << QStringList{QString(), u"Live"_s};
        QTest::newRow("accented first letters stay")
            << u"Été\rÉternel"_s << names << QStringList{u"Été"_s, u"Éternel"_s};
        QTest::newRow("one accented name keeps its first letter")
            << u"Été indien"_s << names << QStringList{u"Été indien"_s};
        QTest::newRow("letters of another script")
            << u"«Привет мир»"_s << names << QStringList{u"Привет мир»"_s};
        QTest::newRow("digits of another script")
            << u"- ٣ Intro"_s << names << QStringList{u"٣ Intro"_s};
        QTest::newRow("letter outside the basic plane")
            << u"(𝐀lpha)"_s << names << QStringList{u"𝐀lpha)"_s};
        QTest::newRow("a mark on the junk goes with it")
            << u"-́ Intro"_s << names << QStringList{u"Intro"_s};
        QTest::newRow("duration with the character after it")
            << u"Song 3:45-Live"_s << durationsOnly << QStringList{u"Song Live"_s};
        QTest::newRow("duration alone in brackets, at the end")
            << u"Song Two (3:45)"_s << durationsOnly << QStringList{u"Song Two"_s};
        QTest::newRow("duration alone in brackets, between words")
            << u"Song [1:02:03] Live\r{3:45}Intro"_s << durationsOnly
            << QStringList{u"Song Live"_s, u"Intro"_s};
        QTest::newRow("brackets that do not pair keep the half")
            << u"Song (3:45]"_s << durationsOnly << QStringList{u"Song ("_s};
        QTest::newRow("h:mm:ss") << u"Song 12:34:56 x"_s << durationsOnly
                                 << QStringList{u"Song x"_s};
        QTest::newRow("one hour digit")
            << u"Song 1:02:03 x"_s << durationsOnly << QStringList{u"Song x"_s};
        QTest::newRow("terms before durations") << u"Song 3:45Live"_s
                                                << with(durationsOnly,
                                                        [](TreatmentOptions& o) {
                                                            o.removeTerms = true;
                                                            o.termsToRemove = u"live"_s;
                                                        })
                                                << QStringList{u"Song"_s};
        QTest::newRow("duration then an emoji, taken whole")
            << u"37)1:23:45😀😀Intro"_s << durationsOnly << QStringList{u"37)😀Intro"_s};
        QTest::newRow("duration first on the line")
            << u"3:45 Intro"_s << durationsOnly << QStringList{u"Intro"_s};
        QTest::newRow("durations off keep no colon")
            << u"Song (3:45)"_s << with(bare(), noExtension) << QStringList{u"Song (345)"_s};
        QTest::newRow("other forbidden characters")
            << u"AC/DC: Live? *\t\"x\"|<>"_s << with(bare(), noExtension)
            << QStringList{u"ACDC Live x"_s};
        QTest::newRow("digits only disappear")
            << u"Intro\r2001\rOutro"_s << names << QStringList{u"Intro"_s, u"Outro"_s};
        const auto replacing = [&names](const QString& from, const QString& to, bool regex) {
            return with(names, [&](TreatmentOptions& o) {
                o.replace = true;
                o.replaceFrom = from;
                o.replaceTo = to;
                o.replaceRegex = regex;
            });
        };
        QTest::newRow("replace, whatever the case")
            << u"Live at Home\rLIVE"_s << replacing(u"live"_s, u"Studio"_s, false)
            << QStringList{u"Studio at Home"_s, u"Studio"_s};
        QTest::newRow("replace after the other treatments")
            << u"01 - feat. X"_s << replacing(u"feat."_s, u"ft"_s, false) << QStringList{u"ft X"_s};
        QTest::newRow("expression with groups")
            << u"Artist - Title"_s << replacing(u"^(.*) - (.*)$"_s, u"\\2 (\\1)"_s, true)
            << QStringList{u"Title (Artist)"_s};
        QTest::newRow("expression that empties a name, the line goes")
            << u"Intro\rBonus"_s << replacing(u"^bonus$"_s, QString(), true)
            << QStringList{u"Intro"_s};
        QTest::newRow("invalid expression does nothing")
            << u"Intro (x"_s << replacing(u"(x"_s, u"y"_s, true) << QStringList{u"Intro (x"_s};
        const QString longRun(40, u'a');
        QTest::newRow("expression undecided on one name replaces in none")
            << u"Song\r"_s + longRun << replacing(u"(a|aa)+c|o"_s, u"x"_s, true)
            << QStringList{u"Song"_s, longRun, u"undecided: "_s + longRun};
        QTest::newRow("expression undecided after an empty match")
            << u"Intro\r"_s + longRun << replacing(u"(?:(a|aa)+c)??"_s, u"x"_s, true)
            << QStringList{u"Intro"_s, longRun, u"undecided: "_s + longRun};
        QTest::newRow("empty matches up to the end are decided")
            << u"ab"_s << replacing(u"x*"_s, u"-"_s, true) << QStringList{u"-a-b-"_s};
        QTest::newRow("forbidden characters brought in go")
            << u"AC-DC"_s << replacing(u"-"_s, u"/:?"_s, false) << QStringList{u"ACDC"_s};
        QTest::newRow("replace off") << u"Live"_s
                                     << with(replacing(u"live"_s, u"x"_s, false),
                                             [](TreatmentOptions& o) { o.replace = false; })
                                     << QStringList{u"Live"_s};
        QTest::newRow("terms") << u"A live B\rX (Remix)\rLIVE"_s
                               << with(names,
                                       [](TreatmentOptions& o) {
                                           o.removeTerms = true;
                                           o.termsToRemove = u"live; (remix)"_s;
                                       })
                               << QStringList{u"A  B"_s, u"X"_s};
        QTest::newRow("capitals") << u"ÉTÉ INDIEN\rhELLO"_s
                                  << with(bare(),
                                          [&](TreatmentOptions& o) {
                                              o.removeCapitals = true;
                                              noExtension(o);
                                          })
                                  << QStringList{u"Été indien"_s, u"hello"_s};
        const auto removing = [&](InsertPosition mode, QString count, QString position) {
            return with(bare(), [=](TreatmentOptions& o) {
                o.removeCharacters = true;
                o.removeCharactersMode = mode;
                o.removeCharactersCount = count;
                o.removeCharactersPosition = position;
                o.dropOriginalExtension = true;
            });
        };
        QTest::newRow("2 at the start keep the space")
            << u"Ab Cd"_s << removing(InsertPosition::AtStart, u"2"_s, {}) << QStringList{u" Cd"_s};
        QTest::newRow("more at the end than the name")
            << u"Ab"_s << removing(InsertPosition::AtEnd, u"5"_s, {}) << QStringList{QString()};
        QTest::newRow("3 from position 2")
            << u"Abcdef"_s << removing(InsertPosition::AtPosition, u"3"_s, u"2"_s)
            << QStringList{u"Aef"_s};
        QTest::newRow("position beyond the end")
            << u"Abcde"_s << removing(InsertPosition::AtPosition, u"3"_s, u"10"_s)
            << QStringList{u"Abcde"_s};
        QTest::newRow("count 0 does nothing")
            << u"Abcde"_s << removing(InsertPosition::AtStart, u""_s, {})
            << QStringList{u"Abcde"_s};
        const QString grin = u"\U0001F600"_s;
        const QString beam = u"\U0001F601"_s;
        QTest::newRow("emoji: junk differing in the second half is kept")
            << grin + u" Intro\r"_s + beam + u" Song"_s << names
            << QStringList{grin + u" Intro"_s, beam + u" Song"_s};
        QTest::newRow("emoji: one character at the start")
            << grin + u"Intro"_s << removing(InsertPosition::AtStart, u"1"_s, {})
            << QStringList{u"Intro"_s};
        QTest::newRow("emoji: one character at the end")
            << u"Intro"_s + grin << removing(InsertPosition::AtEnd, u"1"_s, {})
            << QStringList{u"Intro"_s};
        QTest::newRow("emoji: counted as one before a position")
            << grin + u"Intro"_s << removing(InsertPosition::AtPosition, u"2"_s, u"2"_s)
            << QStringList{grin + u"tro"_s};
        QTest::newRow("emoji: added string after it")
            << grin + u"Intro"_s
            << with(bare(),
                    [](TreatmentOptions& o) {
                        o.dropOriginalExtension = true;
                        o.addString = true;
                        o.addStringText = u"-"_s;
                        o.addStringMode = InsertPosition::AtPosition;
                        o.addStringPosition = u"2"_s;
                    })
            << QStringList{grin + u"-Intro"_s};
        QTest::newRow("prefix and suffix cleaned of forbidden characters")
            << u"a"_s
            << with(names,
                    [](TreatmentOptions& o) {
                        o.numbering = true;
                        o.numberingPrefix = u"A:B/C|D"_s;
                        o.numberingSuffix = u" *- "_s;
                    })
            << QStringList{u"ABCD01 - a"_s};
        QTest::newRow("numbering after removing empty lines")
            << u"Intro\r\rOutro"_s << with(names, [](TreatmentOptions& o) { o.numbering = true; })
            << QStringList{u"01 - Intro"_s, u"02 - Outro"_s};
        QTest::newRow("numbering at the end") << u"Intro"_s << with(names, [](TreatmentOptions& o) {
            o.numbering = true;
            o.numberingPosition = InsertPosition::AtEnd;
            o.numberingPrefix = u" - "_s;
            o.numberingSuffix = QString();
        }) << QStringList{u"Intro - 01"_s};
        QTest::newRow("added string at position 3, forbidden characters dropped")
            << u"Intro"_s
            << with(names,
                    [](TreatmentOptions& o) {
                        o.addString = true;
                        o.addStringText = u"(Li/ve)"_s;
                        o.addStringMode = InsertPosition::AtPosition;
                        o.addStringPosition = u"3"_s;
                    })
            << QStringList{u"In(Live)tro"_s};
        QTest::newRow("added string at position 0 does nothing")
            << u"Intro"_s
            << with(names,
                    [](TreatmentOptions& o) {
                        o.addString = true;
                        o.addStringText = u"x"_s;
                        o.addStringMode = InsertPosition::AtPosition;
                        o.addStringPosition = u"0"_s;
                    })
            << QStringList{u"Intro"_s};
    }
    void names()
    {
        QFETCH(QString, text);
        QFETCH(TreatmentOptions, options);
        QFETCH(QStringList, expected);
        QCOMPARE(generate(text, options, files(9)), expected);
    }

    void extensionsFollowTheFileRows()
    {
        const QStringList fileRows{u"a.mp3"_s, u"b.WMA"_s, u"noext"_s};
        QCOMPARE(generate(u"x\ry\rz\rw\rv"_s, plain(), fileRows),
                 (QStringList{u"x.mp3"_s, u"y.WMA"_s, u"z"_s, u"w"_s, u"v"_s}));
        QCOMPARE(generate(u"x"_s, plain(), fileRows), QStringList{u"x.mp3"_s});
        TreatmentOptions whole = plain();
        whole.dropOriginalExtension = true;
        QCOMPARE(generate(u"Intro.ogg"_s, whole, {u"01.mp3"_s}), QStringList{u"Intro.ogg"_s});
    }

    void manyNamesForFewFiles()
    {
        QString text;
        for (int i = 1; i <= 150; ++i)
            text += u"n\r"_s;
        TreatmentOptions o = plain();
        o.numbering = true;
        o.numberingSuffix = QString();
        o.dropOriginalExtension = true;
        const QStringList rows = generate(text, o, files(9));
        QCOMPARE(rows.size(), 150);
        QCOMPARE(rows[98], u"99n"_s);
        QCOMPARE(rows[99], u"00n"_s);
        QCOMPARE(rows[149], u"50n"_s);
    }

    void reapplyStartsAgainFromTheSourceText()
    {
        std::vector<NameRecord> records = recordsFromLines(splitIntoLines(u"01 - Intro"_s));
        TreatmentOptions o = plain();
        o.dropOriginalExtension = true;
        QCOMPARE(textsOf(generateNameRows(records, o, {})), QStringList{u"Intro"_s});
        o.removeLeadingDigits = false;
        o.removeLeadingNonAlphanumerics = false;
        QCOMPARE(textsOf(generateNameRows(records, o, {})), QStringList{u"01 - Intro"_s});
        QCOMPARE(records[0].sourceText, u"01 - Intro"_s);
    }

    void emptyNamesAreHiddenNotLost()
    {
        // A treatment empties the short names: they take no row, and come
        // back when it is undone.
        std::vector<NameRecord> records = recordsFromLines(splitIntoLines(u"ab\rlong name\rcd"_s));
        TreatmentOptions o = with(plain(), [](TreatmentOptions& t) {
            t.numbering = true;
            t.removeCharacters = true;
            t.removeCharactersMode = InsertPosition::AtEnd;
            t.removeCharactersCount = u"15"_s;
        });
        std::vector<NameRow> rows = generateNameRows(records, o, files(3));
        QCOMPARE(rows.size(), std::size_t(0));
        o.removeCharactersCount = u"1"_s;
        rows = generateNameRows(records, o, files(3));
        QCOMPARE(textsOf(rows),
                 (QStringList{u"01 - a.mp3"_s, u"02 - long nam.mp3"_s, u"03 - c.mp3"_s}));
        // Kept as empty names, they count as such, extension or not.
        o.removeCharactersCount = u"2"_s;
        o.removeEmptyLines = false;
        o.numbering = false;
        rows = generateNameRows(records, o, files(3));
        QCOMPARE(textsOf(rows), (QStringList{u".mp3"_s, u"long na.mp3"_s, u".mp3"_s}));
        QCOMPARE(rows[2].record, std::size_t(2));
        QVERIFY(rows[0].nameless && !rows[1].nameless);
        QCOMPARE(countNameProblems(rows), 2);
        QVERIFY(rows[0].duplicate && !rows[1].duplicate);
        // With empty lines removed, row 1 shows the second record.
        o.removeEmptyLines = true;
        rows = generateNameRows(records, o, files(3));
        QCOMPARE(rows.size(), std::size_t(1));
        QCOMPARE(rows[0].record, std::size_t(1));
        QCOMPARE(rows[0].text, u"long na.mp3"_s);
    }

    // What a run takes from the previous one (the treated text of each
    // record, the unchanged rows) never shows in its names: after any edit,
    // move or change of options, a run gives what a run from scratch gives.
    void keptWorkNeverShows()
    {
        QRandomGenerator random(20261207);
        std::vector<NameRecord> records = recordsFromLines(
            splitIntoLines(u"01. Intro 3:45\r..Song live\r\r3 - Outro\r..Song two\r42\rLast"_s));
        QStringList fileRows = files(6);
        TreatmentOptions o = with(plain(), [](TreatmentOptions& t) { t.numbering = true; });
        std::vector<NameRow> rows = generateNameRows(records, o, fileRows);
        for (int step = 0; step < 400; ++step) {
            bool relisted = false;
            const auto pick = [&](std::size_t n) { return std::size_t(random.bounded(int(n))); };
            switch (random.bounded(7)) {
            case 0: // a drag step
                std::swap(records[pick(records.size())], records[pick(records.size())]);
                break;
            case 1: // a modified name
                records[pick(records.size())].sourceText = u"..%1 x"_s.arg(step % 3);
                break;
            case 2:
                o.removeLeadingNonAlphanumerics = !o.removeLeadingNonAlphanumerics;
                break;
            case 3:
                o.removeCapitals = !o.removeCapitals;
                o.numberingWidth = o.numberingWidth == 2 ? 3 : 2;
                break;
            case 4:
                o.removeEmptyLines = !o.removeEmptyLines;
                o.addString = !o.addString;
                o.addStringText = u"+"_s;
                break;
            case 5: // the folder listed again, its files changed
                fileRows.clear();
                for (int i = 0; i < 6; ++i)
                    fileRows << (random.bounded(2) ? u"f%1.ogg"_s : u"f%1.mp3"_s).arg(i);
                relisted = true;
                break;
            default:
                o.removeDurations = !o.removeDurations;
                o.dropOriginalExtension = !o.dropOriginalExtension;
            }
            // Rows made for other files are not taken again.
            rows = generateNameRows(records, o, fileRows, relisted ? std::vector<NameRow>() : rows);
            std::vector<NameRecord> fresh;
            for (const NameRecord& record : records)
                fresh.push_back(
                    {QString(record.sourceText.constData(), record.sourceText.size()), {}});
            QCOMPARE(textsOf(rows), textsOf(generateNameRows(fresh, o, fileRows)));
        }
    }

    void hostileText()
    {
        // A very long line, NUL characters and lone surrogates are names like
        // any other: nothing crashes and the record count holds.
        const QString longLine(100000, u'a');
        QString text = longLine + u"\r"_s + QString(QChar(0)) + u"x\r"_s + QChar(0xD800) + u"y"_s;
        const QStringList rows = generate(text, plain(), files(3));
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows[0].size(), 100000 + 4);
        QCOMPARE(rows[2], u"y.mp3"_s); // no half of a surrogate pair
    }
};

QTEST_APPLESS_MAIN(TestNamePipeline)
#include "tst_namepipeline.moc"
