// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/NamePositions.h"
#include "text/TextHelpers.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTest>

#include <limits>
#include <map>

using namespace tervane;

namespace {

QString u8(const char* text)
{
    return QString::fromUtf8(text);
}

} // namespace

class TstTextHelpers : public QObject {
    Q_OBJECT

private slots:
    void replaceText_data()
    {
        QTest::addColumn<QString>("expression");
        QTest::addColumn<QString>("find");
        QTest::addColumn<QString>("replacement");
        QTest::addColumn<int>("start");
        QTest::addColumn<QString>("expected");

        QTest::newRow("case kept")
            << u8("Live LIVE live") << u8("live") << QString() << 1 << u8("Live LIVE ");
        QTest::newRow("empty replacement resumes in place")
            << u8("aaa") << u8("aa") << QString() << 1 << u8("a");
        QTest::newRow("inserted text not searched again")
            << u8("aXa") << u8("a") << u8("aa") << 1 << u8("aaXaa");
        QTest::newRow("text before start kept")
            << u8("abcabc") << u8("a") << u8("x") << 2 << u8("abcxbc");
        QTest::newRow("start below 1") << u8("abc") << u8("a") << u8("x") << -5 << u8("xbc");
        QTest::newRow("start beyond end") << u8("abc") << u8("c") << u8("x") << 10 << u8("abc");
        QTest::newRow("find longer than text")
            << u8("ab") << u8("abc") << QString() << 1 << u8("ab");
        QTest::newRow("empty find") << u8("ab") << QString() << u8("x") << 1 << u8("ab");
    }

    void replaceText()
    {
        QFETCH(QString, expression);
        QFETCH(QString, find);
        QFETCH(QString, replacement);
        QFETCH(int, start);
        QFETCH(QString, expected);
        QCOMPARE(tervane::replaceText(expression, find, replacement, start), expected);
    }

    void splitText_data()
    {
        QTest::addColumn<QString>("expression");
        QTest::addColumn<QString>("delimiter");
        QTest::addColumn<int>("limit");
        QTest::addColumn<QStringList>("expected");

        const QString cr = u8("\r");
        QTest::newRow("empty text") << QString() << cr << -1 << QStringList{QString()};
        QTest::newRow("trailing delimiter")
            << u8("a\r") << cr << -1 << QStringList{u8("a"), QString()};
        QTest::newRow("line feeds stay")
            << u8("a\r\nb") << cr << -1 << QStringList{u8("a"), u8("\nb")};
        QTest::newRow("leading and doubled delimiters")
            << u8(";a;;b") << u8(";") << -1 << QStringList{QString(), u8("a"), QString(), u8("b")};
        QTest::newRow("limit keeps the rest")
            << u8("a;b;c") << u8(";") << 2 << QStringList{u8("a"), u8("b;c")};
        QTest::newRow("limit 1") << u8("a;b") << u8(";") << 1 << QStringList{u8("a;b")};
        QTest::newRow("limit 0") << u8("a;b") << u8(";") << 0 << QStringList{};
        QTest::newRow("case matters")
            << u8("axbXc") << u8("X") << -1 << QStringList{u8("axb"), u8("c")};
        QTest::newRow("long delimiter")
            << u8("a--b-c") << u8("--") << -1 << QStringList{u8("a"), u8("b-c")};
        QTest::newRow("empty delimiter") << u8("ab") << QString() << -1 << QStringList{u8("ab")};
    }

    void splitText()
    {
        QFETCH(QString, expression);
        QFETCH(QString, delimiter);
        QFETCH(int, limit);
        QFETCH(QStringList, expected);
        QCOMPARE(tervane::splitText(expression, delimiter, limit), expected);
    }

    void findLast_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("match");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("expected");

        QTest::newRow("season marker") << u8("Série S01") << u8(" S") << -1 << 6;
        QTest::newRow("absent") << u8("Série") << u8(" S") << -1 << 0;
        QTest::newRow("last of two") << u8("abcabc") << u8("abc") << -1 << 4;
        QTest::newRow("must end by start") << u8("abcabc") << u8("abc") << 5 << 1;
        QTest::newRow("ends at start") << u8("abcabc") << u8("abc") << 6 << 4;
        QTest::newRow("start beyond end") << u8("abcabc") << u8("abc") << 100 << 4;
        QTest::newRow("start 0") << u8("abc") << u8("a") << 0 << 0;
        QTest::newRow("start -2") << u8("abc") << u8("c") << -2 << 0;
        QTest::newRow("match longer") << u8("ab") << u8("abc") << -1 << 0;
        QTest::newRow("empty match") << u8("ab") << QString() << -1 << 0;
        QTest::newRow("case matters") << u8("ABCabc") << u8("B") << -1 << 2;
    }

    void findLast()
    {
        QFETCH(QString, text);
        QFETCH(QString, match);
        QFETCH(int, start);
        QFETCH(int, expected);
        QCOMPARE(tervane::findLast(text, match, start), expected);
    }

    void trimSpaces_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");

        QTest::newRow("both ends") << u8("  a b  ") << u8("a b");
        QTest::newRow("tabs and line breaks kept") << u8("\t a\n ") << u8("\t a\n");
        QTest::newRow("only spaces") << u8("   ") << QString();
        QTest::newRow("empty") << QString() << QString();
    }

    void trimSpaces()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(trimmedSpaces(text), expected);
    }

    void readNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected");

        QTest::newRow("plain") << u8("42") << 42;
        QTest::newRow("spaces then digits then text") << u8("  042abc") << 42;
        QTest::newRow("no digits") << u8("abc") << 0;
        QTest::newRow("empty") << QString() << 0;
        QTest::newRow("sign is not a digit") << u8("-5") << 0;
        QTest::newRow("tab is not a space") << u8("\t5") << 0;
        QTest::newRow("other script digits") << u8("\u0663") << 0;
        QTest::newRow("saturates") << u8("99999999999999999999") << std::numeric_limits<int>::max();
    }

    void readNumber()
    {
        QFETCH(QString, text);
        QFETCH(int, expected);
        QCOMPARE(tervane::readNumber(text), expected);
    }

    void fileNameParts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("base");
        QTest::addColumn<QString>("extension");

        QTest::newRow("two dots") << u8("a.b.mp3") << u8("a.b") << u8(".mp3");
        QTest::newRow("only an extension") << u8(".mp3") << QString() << u8(".mp3");
        QTest::newRow("no dot") << u8("noext") << u8("noext") << QString();
        QTest::newRow("trailing dot") << u8("name.") << u8("name") << u8(".");
        QTest::newRow("empty") << QString() << QString() << QString();
    }

    void fileNameParts()
    {
        QFETCH(QString, name);
        QFETCH(QString, base);
        QFETCH(QString, extension);
        QCOMPARE(getBaseName(name), base);
        QCOMPARE(extensionOf(name).toString(), extension);
    }

    void lastPathComponent_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("expected");

        QTest::newRow("trailing separator") << u8("/Musique/Série S01/") << u8("Série S01");
        QTest::newRow("no trailing separator") << u8("/Musique/Série S01") << u8("Série S01");
        QTest::newRow("only one separator removed") << u8("/a//") << QString();
        QTest::newRow("root") << u8("/") << QString();
        QTest::newRow("bare name") << u8("name") << u8("name");
        QTest::newRow("empty") << QString() << QString();
    }

    void lastPathComponent()
    {
        QFETCH(QString, path);
        QFETCH(QString, expected);
        QCOMPARE(getLastPathComponent(path.replace(u'/', QDir::separator())), expected);
    }

    void characterFilters_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("withoutForbidden");
        QTest::addColumn<QString>("digitsOnly");
        QTest::addColumn<QString>("lowerButFirst");

        QTest::newRow("band name")
            << u8("AC/DC: Live?") << u8("ACDC Live") << QString() << u8("Ac/dc: live?");
        QTest::newRow("every forbidden character")
            << u8("a:b\\c/d<e>f?g*h|i\"j\nk\tl") << u8("abcdefghijkl") << u8("\n\t")
            << u8("a:b\\c/d<e>f?g*h|i\"j\nk\tl");
        QTest::newRow("carriage return and controls")
            << u8("1\r2\b3\x1f x\x7f") << u8("123 x") << u8("1\r2\b3\x1f")
            << u8("1\r2\b3\x1f x\x7f");
        QTest::newRow("accented capitals")
            << u8("ÉTÉ INDIEN") << u8("ÉTÉ INDIEN") << QString() << u8("Été indien");
        QTest::newRow("first kept small")
            << u8("hELLO ٣") << u8("hELLO ٣") << QString() << u8("hello ٣");
        QTest::newRow("empty") << QString() << QString() << QString() << QString();
    }

    void characterFilters()
    {
        QFETCH(QString, text);
        QFETCH(QString, withoutForbidden);
        QFETCH(QString, digitsOnly);
        QFETCH(QString, lowerButFirst);
        QCOMPARE(withoutForbiddenChars(text), withoutForbidden);
        QCOMPARE(keepDigits(text), digitsOnly);
        QCOMPARE(lowerAllButFirst(text), lowerButFirst);
    }

    void matchesPattern_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<bool>("expected");

        const QString alnum = u8("[0-9A-Za-z]");
        QTest::newRow("accented letter outside ranges") << u8("é") << alnum << false;
        QTest::newRow("digit") << u8("5") << u8("#") << true;
        QTest::newRow("letter is no digit") << u8("a") << u8("#") << false;
        QTest::newRow("duration") << u8("12:34") << u8("##:##") << true;
        QTest::newRow("short duration") << u8("1:23") << u8("#:##") << true;
        QTest::newRow("text longer than pattern") << u8("12:345") << u8("##:##") << false;
        QTest::newRow("drive") << u8("C:") << u8("?:") << true;
        QTest::newRow("case-sensitive") << u8("A") << u8("a") << false;
        QTest::newRow("negated list") << u8("a") << u8("[!0-9]") << true;
        QTest::newRow("negated list rejects") << u8("5") << u8("[!0-9]") << false;
        QTest::newRow("dash at list ends") << u8("--") << u8("[-a][a-]") << true;
        QTest::newRow("descending range") << u8("m") << u8("[z-a]") << false;
        QTest::newRow("unclosed bracket is literal") << u8("[a") << u8("[a") << true;
        QTest::newRow("star is literal") << u8("ab") << u8("*") << false;
        QTest::newRow("repeated digit lists") << u8("01") << u8("[0-9][0-9]") << true;
        QTest::newRow("both empty") << QString() << QString() << true;
        QTest::newRow("empty text") << QString() << u8("?") << false;
    }

    void matchesPattern()
    {
        QFETCH(QString, text);
        QFETCH(QString, pattern);
        QFETCH(bool, expected);
        QCOMPARE(tervane::matchesPattern(text, pattern), expected);
    }

    // Names of a small alphabet, many alike, in a table made too small: each
    // keeps the first position it was given, as a map would.
    void namePositionsAgreeWithAMap()
    {
        QRandomGenerator random(7);
        std::vector<QString> names(3000);
        for (QString& name : names)
            for (int k = int(random.bounded(1, 4)); k > 0; --k)
                name += QChar(u'a' + random.bounded(3));
        tervane::NamePositions positions(10);
        std::map<QString, std::size_t> first;
        for (std::size_t i = 0; i < names.size(); ++i) {
            const std::size_t expected = first.emplace(names[i], i).first->second;
            QCOMPARE(positions.add(names[i], i), expected);
        }
        for (const auto& [name, position] : first)
            QCOMPARE(positions.find(name), position);
        QCOMPARE(positions.find(u"d"), tervane::NamePositions::None);
    }
};

QTEST_APPLESS_MAIN(TstTextHelpers)
#include "tst_texthelpers.moc"
