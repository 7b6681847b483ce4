// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/AppIdentity.h"
#include "files/InitialFolder.h"

#include <QSet>
#include <QTest>

using namespace tervane;

using namespace Qt::StringLiterals;

class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void versionText_data()
    {
        QTest::addColumn<int>("major");
        QTest::addColumn<int>("minor");
        QTest::addColumn<int>("revision");
        QTest::addColumn<QString>("text");
        QTest::newRow("no revision") << 1 << 2 << 0 << u"v1.2"_s;
        QTest::newRow("revision 7") << 1 << 2 << 7 << u"v1.2.7"_s;
        QTest::newRow("revision 99") << 2 << 4 << 99 << u"v2.4.99"_s;
        QTest::newRow("beta 100") << 5 << 6 << 100 << u"v0.1 beta 0"_s;
        QTest::newRow("beta 1203") << 5 << 6 << 1203 << u"v1.2 beta 3"_s;
        QTest::newRow("beta 1233") << 5 << 6 << 1233 << u"v1.2.3 beta 3"_s;
    }
    void versionText()
    {
        QFETCH(int, major);
        QFETCH(int, minor);
        QFETCH(int, revision);
        QFETCH(QString, text);
        QCOMPARE(getVersionText(major, minor, revision), text);
    }

    void caption() { QCOMPARE(getTitleWithVersion(), u"Tervane v2.4"_s); }

    void walkUp_data()
    {
        QTest::addColumn<QString>("candidate");
        QTest::addColumn<QString>("folder");
        QTest::newRow("existing") << u"/music/old"_s << u"/music/old"_s;
        QTest::newRow("last part deleted") << u"/music/old/gone"_s << u"/music/old"_s;
        QTest::newRow("up to the root") << u"/gone/deeper"_s << u"/"_s;
        QTest::newRow("too short") << u"/xy"_s << u"/program"_s;
        QTest::newRow("no separator") << u"nowhere-at-all"_s << u"/program"_s;
        QTest::newRow("empty") << QString() << u"/program"_s;
    }
    void walkUp()
    {
        QFETCH(QString, candidate);
        QFETCH(QString, folder);
        const QSet<QString> existing{u"/"_s, u"/music"_s, u"/music/old"_s, u"/program"_s};
        const FolderTest exists = [&](const QString& path) { return existing.contains(path); };
        QCOMPARE(walkUpToExistingFolder(candidate, u"/program"_s, exists), folder);
    }
};

QTEST_APPLESS_MAIN(TestStartup)
#include "tst_startup.moc"
