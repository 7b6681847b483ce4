// SPDX-License-Identifier: GPL-3.0-or-later
#include "naming/Numbering.h"

#include <QTest>

using namespace tervane;

using namespace Qt::StringLiterals;

class TestNumbering : public QObject {
    Q_OBJECT

private slots:
    void fillWidthSuits_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("files");
        QTest::addColumn<bool>("suits");
        QTest::newRow("no fill, many files") << 0 << 100000 << true;
        QTest::newRow("2 for 99") << 2 << 99 << true;
        QTest::newRow("2 for 100") << 2 << 100 << false;
        QTest::newRow("3 for 100") << 3 << 100 << true;
        QTest::newRow("9 for 1") << 9 << 1 << true;
    }
    void fillWidthSuits()
    {
        QFETCH(int, width);
        QFETCH(int, files);
        QTEST(tervane::fillWidthSuits(width, files), "suits");
    }

    void pipelineNumbering_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("atEnd");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QString>("expected");
        QTest::newRow("defaults") << u"Intro"_s << 3 << false << 2 << QString() << u" - "_s
                                  << u"03 - Intro"_s;
        QTest::newRow("at the end")
            << u"Intro"_s << 3 << true << 2 << u" - "_s << QString() << u"Intro - 03"_s;
        QTest::newRow("suffix follows the number at the end")
            << u"Intro"_s << 1 << true << 2 << QString() << u" - "_s << u"Intro01 - "_s;
        QTest::newRow("empty name")
            << QString() << 1 << false << 2 << QString() << u" - "_s << u"01 - "_s;
        QTest::newRow("width 0") << u"x"_s << 12 << false << 0 << QString() << QString()
                                 << u"12x"_s;
        QTest::newRow("too long keeps the last digits")
            << u"x"_s << 150 << false << 2 << QString() << QString() << u"50x"_s;
        QTest::newRow("[NUM] is plain text here")
            << u"a[NUM]"_s << 1 << false << 0 << QString() << u" "_s << u"1 a[NUM]"_s;
    }
    void pipelineNumbering()
    {
        QFETCH(QString, name);
        QFETCH(int, index);
        QFETCH(bool, atEnd);
        TreatmentOptions options;
        options.numberingPosition = atEnd ? InsertPosition::AtEnd : InsertPosition::AtStart;
        QFETCH(int, width);
        options.numberingWidth = width;
        QFETCH(QString, prefix);
        options.numberingPrefix = prefix;
        QFETCH(QString, suffix);
        options.numberingSuffix = suffix;
        QTEST(formatNumberedName(name, index, options), "expected");
        options.numbering = false;
        QCOMPARE(formatNumberedName(name, index, options), name);
    }

    void addedString_data()
    {
        QTest::addColumn<int>("p");
        QTest::addColumn<QString>("expected");
        QTest::newRow("start") << 1 << u"(Live)Intro"_s;
        QTest::newRow("end") << -1 << u"Intro(Live)"_s;
        QTest::newRow("position 3") << 3 << u"In(Live)tro"_s;
        QTest::newRow("position 9") << 9 << u"Intro(Live)"_s;
        QTest::newRow("just past the end") << 6 << u"Intro(Live)"_s;
    }
    void addedString()
    {
        QFETCH(int, p);
        QString name = u"Intro"_s;
        QTEST(name.insert(addedStringIndex(name, p), u"(Live)"_s), "expected");
    }
};

QTEST_APPLESS_MAIN(TestNumbering)
#include "tst_numbering.moc"
