// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/RenameWorkspace.h"

#include <QTest>

using namespace tervane;

using namespace Qt::StringLiterals;

class TestNameProblems : public QObject {
    Q_OBJECT

    static std::vector<NameRow> rowsOf(const QStringList& names)
    {
        std::vector<NameRow> rows;
        for (const QString& name : names)
            rows.push_back({name, false});
        return rows;
    }

private slots:
    void count_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<int>("problems");
        QTest::addColumn<QList<bool>>("red");
        QTest::newRow("none") << QStringList{u"a"_s, u"b"_s} << 0 << QList<bool>{false, false};
        QTest::newRow("case") << QStringList{u"Piste 1.mp3"_s, u"piste 1.MP3"_s, u"x"_s} << 1
                              << QList<bool>{true, true, false};
        QTest::newRow("three equal count 3")
            << QStringList{u"a"_s, u"A"_s, u"a"_s} << 3 << QList<bool>{true, true, true};
        QTest::newRow("empty counted, not red")
            << QStringList{u""_s, u"a"_s, u""_s} << 2 << QList<bool>{false, false, false};
        QTest::newRow("accented capitals")
            << QStringList{u"ÉTÉ.mp3"_s, u"été.mp3"_s} << 1 << QList<bool>{true, true};
        QTest::newRow("composed and decomposed")
            << QStringList{u"\u00e9t\u00e9"_s, u"e\u0301te\u0301"_s} << 1
            << QList<bool>{true, true};
        QTest::newRow("Greek") << QStringList{u"ΑΒΓ"_s, u"αβγ"_s} << 1 << QList<bool>{true, true};
        QTest::newRow("accents differ")
            << QStringList{u"ete"_s, u"été"_s} << 0 << QList<bool>{false, false};
    }
    void count()
    {
        QFETCH(QStringList, names);
        QFETCH(int, problems);
        QFETCH(QList<bool>, red);
        std::vector<NameRow> rows = rowsOf(names);
        QCOMPARE(countNameProblems(rows), problems);
        for (qsizetype i = 0; i < red.size(); ++i)
            QCOMPARE(rows[std::size_t(i)].duplicate, red[i]);
    }

    void countNeverClearsAMark()
    {
        std::vector<NameRow> rows{{u"a"_s, true}, {u"b"_s, false}};
        QCOMPARE(countNameProblems(rows), 0);
        QVERIFY(rows[0].duplicate);
    }

    void counterState_data()
    {
        QTest::addColumn<int>("files");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<bool>("undo");
        QTest::addColumn<bool>("madeFor"); // the names were made for the file rows
        QTest::addColumn<bool>("agree");
        QTest::addColumn<bool>("rename");
        QTest::addColumn<bool>("clear");
        QTest::newRow("nothing") << 0 << QStringList() << false << true << true << false << false;
        QTest::newRow("10 files, 9 names")
            << 10 << QStringList(9, u"n"_s) << false << true << false << false << true;
        QTest::newRow("names, no files")
            << 0 << QStringList{u"a"_s} << false << true << false << false << true;
        QTest::newRow("pairs") << 2 << QStringList{u"a"_s, u"b"_s} << true << true << true << true
                               << true;
        QTest::newRow("pairs, made for other files")
            << 2 << QStringList{u"a"_s, u"b"_s} << false << false << true << false << true;
        QTest::newRow("no names, made for other files")
            << 2 << QStringList() << false << false << false << false << false;
        QTest::newRow("empty name")
            << 2 << QStringList{u"a"_s, u""_s} << false << true << true << false << true;
        QTest::newRow("duplicate")
            << 2 << QStringList{u"a"_s, u"A"_s} << false << true << true << false << true;
    }
    void counterState()
    {
        QFETCH(int, files);
        QFETCH(QStringList, names);
        QFETCH(bool, undo);
        QFETCH(bool, madeFor);
        RenameWorkspace workspace;
        for (int i = 0; i < files; ++i)
            workspace.fileRows << QString::number(i);
        workspace.nameRows = rowsOf(names);
        if (undo)
            workspace.undoSet.push_back({u"a"_s, u"b"_s});
        const ListCounterState state =
            listCounterState(workspace, countNameProblems(workspace.nameRows), madeFor);
        QTEST(state.countsAgree, "agree");
        QTEST(state.renameEnabled, "rename");
        QTEST(state.clearEnabled, "clear");
        QCOMPARE(state.undoEnabled, undo);
        QCOMPARE(state.namesForOtherFiles, !madeFor && !names.isEmpty());
    }

    // The files a list of names was made for, against the file rows now:
    // each file by its name, identity and birth (0: not known).
    void fileRowsAreMadeFor_data()
    {
        using Ids = QList<qint64>;
        QTest::addColumn<QStringList>("madeFor");
        QTest::addColumn<Ids>("madeForIdentities");
        QTest::addColumn<Ids>("madeForBirths");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<Ids>("rowIdentities");
        QTest::addColumn<Ids>("rowBirths");
        QTest::addColumn<bool>("same");
        const QStringList ab{u"a"_s, u"b"_s};
        QTest::newRow("same files")
            << ab << Ids{1, 2} << Ids{7, 8} << ab << Ids{1, 2} << Ids{7, 8} << true;
        QTest::newRow("re-sorted") << ab << Ids{1, 2} << Ids{} << QStringList{u"b"_s, u"a"_s}
                                   << Ids{2, 1} << Ids{} << false;
        QTest::newRow("a file replaced by another of its name")
            << ab << Ids{1, 2} << Ids{} << ab << Ids{1, 3} << Ids{} << false;
        QTest::newRow("replaced, the identity given again")
            << ab << Ids{1, 2} << Ids{7, 8} << ab << Ids{1, 2} << Ids{7, 9} << false;
        QTest::newRow("births not told")
            << ab << Ids{1, 2} << Ids{0, 0} << ab << Ids{1, 2} << Ids{7, 9} << true;
        QTest::newRow("no identities: the names decide")
            << ab << Ids{0, 0} << Ids{} << ab << Ids{} << Ids{} << true;
    }
    void fileRowsAreMadeFor()
    {
        using Ids = QList<qint64>;
        QFETCH(QStringList, madeFor);
        QFETCH(Ids, madeForIdentities);
        QFETCH(Ids, madeForBirths);
        QFETCH(QStringList, rows);
        QFETCH(Ids, rowIdentities);
        QFETCH(Ids, rowBirths);
        RenameWorkspace workspace;
        workspace.listedFolder = u"/music"_s;
        workspace.fileRows = rows;
        workspace.fileIdentities.assign(rowIdentities.begin(), rowIdentities.end());
        workspace.fileBirths.assign(rowBirths.begin(), rowBirths.end());
        workspace.namesMadeFor = {u"/music"_s,
                                  madeFor,
                                  {madeForIdentities.begin(), madeForIdentities.end()},
                                  {madeForBirths.begin(), madeForBirths.end()}};
        QTEST(tervane::fileRowsAreMadeFor(workspace), "same");
        workspace.namesMadeFor.folder = u"/other"_s;
        QVERIFY(!tervane::fileRowsAreMadeFor(workspace));
    }

    void duplicatesAreMarkedEvenWhenCountsDiffer()
    {
        RenameWorkspace workspace;
        workspace.fileRows = QStringList{u"1"_s};
        workspace.nameRows = rowsOf({u"a"_s, u"a"_s});
        listCounterState(workspace, countNameProblems(workspace.nameRows), true);
        QVERIFY(workspace.nameRows[0].duplicate && workspace.nameRows[1].duplicate);
    }
};

QTEST_APPLESS_MAIN(TestNameProblems)
#include "tst_nameproblems.moc"
