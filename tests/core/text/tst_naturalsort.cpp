// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/NaturalSort.h"

#include <QTest>

using namespace tervane;

using namespace Qt::StringLiterals;

class TestNaturalSort : public QObject {
    Q_OBJECT

private slots:
    void numeric_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("sorted");
        const QString longRun = u"Piste "_s + QString(40, u'8') + u".mp3"_s;
        QTest::newRow("common prefix")
            << QStringList{u"Piste 1.mp3"_s, u"Piste 10.mp3"_s, u"Piste 2.mp3"_s}
            << QStringList{u"Piste 1.mp3"_s, u"Piste 2.mp3"_s, u"Piste 10.mp3"_s};
        QTest::newRow("leading numbers")
            << QStringList{u"10 - x.mp3"_s, u"2 - y.mp3"_s, u"1 - z.mp3"_s}
            << QStringList{u"1 - z.mp3"_s, u"2 - y.mp3"_s, u"10 - x.mp3"_s};
        QTest::newRow("mixed list stays") << QStringList{u"01 intro.mp3"_s, u"Piste 2.mp3"_s}
                                          << QStringList{u"01 intro.mp3"_s, u"Piste 2.mp3"_s};
        QTest::newRow("numbers differ after a common digit")
            << QStringList{u"Piste 11.mp3"_s, u"Piste 19.mp3"_s, u"Piste 100.mp3"_s}
            << QStringList{u"Piste 100.mp3"_s, u"Piste 11.mp3"_s, u"Piste 19.mp3"_s};
        QTest::newRow("first name is everyone's prefix")
            << QStringList{u"Disc 2"_s, u"Disc 21"_s, u"Disc 20"_s}
            << QStringList{u"Disc 2"_s, u"Disc 20"_s, u"Disc 21"_s};
        QTest::newRow("leading zeros do not count")
            << QStringList{u"x10.mp3"_s, u"x009.mp3"_s} << QStringList{u"x009.mp3"_s, u"x10.mp3"_s};
        QTest::newRow("leading zeros tie on the whole name")
            << QStringList{u"a7.mp3"_s, u"a07.mp3"_s} << QStringList{u"a07.mp3"_s, u"a7.mp3"_s};
        QTest::newRow("tie ignores case")
            << QStringList{u"1 B.mp3"_s, u"1 a.mp3"_s} << QStringList{u"1 a.mp3"_s, u"1 B.mp3"_s};
        QTest::newRow("equal but for case keep their order")
            << QStringList{u"2 a"_s, u"1 a"_s, u"1 A"_s}
            << QStringList{u"1 a"_s, u"1 A"_s, u"2 a"_s};
        QTest::newRow("a name without digit there stops")
            << QStringList{u"Piste 2.mp3"_s, u"Piste x.mp3"_s, u"Piste 1.mp3"_s}
            << QStringList{u"Piste 2.mp3"_s, u"Piste x.mp3"_s, u"Piste 1.mp3"_s};
        QTest::newRow("a name ending there stops")
            << QStringList{u"Piste 10"_s, u"Piste 1"_s} << QStringList{u"Piste 10"_s, u"Piste 1"_s};
        QTest::newRow("empty first name stops")
            << QStringList{QString(), u"2"_s, u"1"_s} << QStringList{QString(), u"2"_s, u"1"_s};
        QTest::newRow("single name")
            << QStringList{u"Piste 3.mp3"_s} << QStringList{u"Piste 3.mp3"_s};
        QTest::newRow("no name") << QStringList() << QStringList();
        QTest::newRow("run longer than any integer")
            << QStringList{longRun, u"Piste 9.mp3"_s} << QStringList{u"Piste 9.mp3"_s, longRun};
        QTest::newRow("tab inside a name")
            << QStringList{u"Piste 10.mp3"_s, u"Piste 2\tb.mp3"_s, u"Piste 2\ta.mp3"_s}
            << QStringList{u"Piste 2\ta.mp3"_s, u"Piste 2\tb.mp3"_s, u"Piste 10.mp3"_s};
    }
    void numeric()
    {
        QFETCH(QStringList, names);
        QFETCH(QStringList, sorted);
        sortNumerically(names);
        QCOMPARE(names, sorted);
    }

    void alphabetical_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("sorted");
        QTest::newRow("case ignored") << QStringList{u"b.mp3"_s, u"C.mp3"_s, u"A.mp3"_s}
                                      << QStringList{u"A.mp3"_s, u"b.mp3"_s, u"C.mp3"_s};
        QTest::newRow("capital Z folds too") << QStringList{u"Zoo.mp3"_s, u"apple.mp3"_s}
                                             << QStringList{u"apple.mp3"_s, u"Zoo.mp3"_s};
        QTest::newRow("case-only twins, one way")
            << QStringList{u"a"_s, u"A"_s} << QStringList{u"A"_s, u"a"_s};
        QTest::newRow("case-only twins, other way")
            << QStringList{u"A"_s, u"a"_s} << QStringList{u"A"_s, u"a"_s};
        QTest::newRow("accented capital")
            << QStringList{u"Éz"_s, u"éa"_s} << QStringList{u"éa"_s, u"Éz"_s};
        QTest::newRow("long shared beginning, one name within another")
            << QStringList{u"Album - Artist - 10.mp3"_s, u"Album - Artist - 02.mp3"_s,
                           u"Album - Artist - 1.mp3"_s, u"Album - Artist"_s}
            << QStringList{u"Album - Artist"_s, u"Album - Artist - 02.mp3"_s,
                           u"Album - Artist - 1.mp3"_s, u"Album - Artist - 10.mp3"_s};
        QTest::newRow("names alike after their first eight characters")
            << QStringList{u"Track 000010.mp3"_s, u"cover.jpg"_s, u"Track 000002.mp3"_s,
                           u"track 000001.mp3"_s}
            << QStringList{u"cover.jpg"_s, u"track 000001.mp3"_s, u"Track 000002.mp3"_s,
                           u"Track 000010.mp3"_s};
    }
    void alphabetical()
    {
        QFETCH(QStringList, names);
        QFETCH(QStringList, sorted);
        sortAlphabetically(names);
        QCOMPARE(names, sorted);
    }
};

QTEST_APPLESS_MAIN(TestNaturalSort)
#include "tst_naturalsort.moc"
