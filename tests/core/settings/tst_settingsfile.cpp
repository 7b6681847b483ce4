// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/AppError.h"
#include "naming/TreatmentOptions.h"
#include "settings/IniFile.h"
#include "settings/Paths.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsLocation.h"
#include "settings/SettingsValues.h"
#include "settings/WindowSettings.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QTest>

using namespace tervane;

using namespace Qt::StringLiterals;

class TestSettingsFile : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString settings() const { return m_dir.filePath(u"Tervane.ini"_s); }
    void store(const QByteArray& config) { WriteFile(settings(), "[Config]\n" + config); }
    QString stored(const QString& key)
    {
        return readIniString(settings(), SettingsKey::Section, key, u"<missing>"_s);
    }

private slots:
    void init() { QFile::remove(settings()); }

    void numericValue_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("integer") << u"42"_s << 42.0;
        QTest::newRow("leading spaces") << u"   -1"_s << -1.0;
        QTest::newRow("trailing text") << u"7abc"_s << 7.0;
        QTest::newRow("decimal") << u"2.5"_s << 2.5;
        QTest::newRow("not a number") << u"abc"_s << 0.0;
        QTest::newRow("empty") << QString() << 0.0;
        QTest::newRow("sign alone") << u"-"_s << 0.0;
        QTest::newRow("True") << u"True"_s << 0.0;
    }
    void numericValue()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(tervane::numericValue(text), value);
    }

    void encodings()
    {
        QVERIFY(readBoolValue(u"-1"_s));
        QVERIFY(!readBoolValue(u"1"_s));
        QVERIFY(!readBoolValue(u"True"_s));
        QVERIFY(readMenuValue(u"7"_s));
        QVERIFY(!readMenuValue(u"abc"_s));
        QCOMPARE(readNumberValue(u"2.6"_s), 3);
        QCOMPARE(readNumberValue(u"99999999999999"_s), std::numeric_limits<int>::max());
        QCOMPARE(encodeSpaces(u" - "_s), u"&nbsp;-&nbsp;"_s);
        QCOMPARE(decodeSpaces(u"&nbsp;-&NBSP;"_s), u" -&NBSP;"_s);
    }

    void paths()
    {
        QCOMPARE(addBackslash(u"/a"_s), u"/a/"_s);
        QCOMPARE(addBackslash(u"/a/"_s), u"/a/"_s);
        QCOMPARE(addBackslash(QString()), u"/"_s);
        const QString file = WriteFile(m_dir.filePath(u"f.txt"_s));
        QVERIFY(pathExists(file, 0));
        QVERIFY(!pathExists(file, DirectoryAttribute));
        QVERIFY(pathExists(m_dir.path(), DirectoryAttribute));
        QVERIFY(!pathExists(m_dir.path(), 0));
        QVERIFY(!pathExists(m_dir.filePath(u"missing"_s), 0));
        QVERIFY(!pathExists(QString(), 0));
        QVERIFY(!pathExists(u"a\0b"_s, 0));
    }

    void portableLocation()
    {
        const SpecialFolders folders{u"/data"_s, u"/opt/tervane"_s, u"/docs"_s};
        const SettingsLocation location =
            settingsLocationFor(u"/home/me/apps"_s, folders, u"Tervane"_s);
        QVERIFY(!location.installed);
        QCOMPARE(location.folderPath, u"/home/me/apps/"_s);
        QCOMPARE(location.filePath, u"/home/me/apps/Tervane.ini"_s);
    }

    void installFolderMustEndAtASeparator()
    {
        const SpecialFolders folders{u"/data"_s, u"/usr/local"_s, u"/docs"_s};
        QVERIFY(!settingsLocationFor(u"/usr/local2/bin"_s, folders, u"Tervane"_s).installed);
        QVERIFY(settingsLocationFor(u"/usr/local/bin"_s, folders, u"Tervane"_s).installed);
        QVERIFY(settingsLocationFor(u"/USR/LOCAL"_s, folders, u"Tervane"_s).installed);
    }

    void installedLocationMovesTheEarlierFile()
    {
        const QString program = m_dir.filePath(u"PREFIX/bin"_s);
        const QString earlier =
            WriteFile(program + u"/Tervane.ini"_s, "[Config]\nLangue=English\n");
        // A new account: not even the configuration folder exists yet.
        const SpecialFolders folders{m_dir.filePath(u"home/.config"_s), m_dir.filePath(u"prefix"_s),
                                     m_dir.path()};
        const SettingsLocation location = settingsLocationFor(program, folders, u"Tervane"_s);
        QVERIFY(location.installed); // the prefix matches without regard to case
        QCOMPARE(location.filePath, folders.appData + u"/Morvak/Tervane/Tervane.ini"_s);
        QCOMPARE(location.earlierFile, earlier);

        createSettingsFolders(location, folders);
        migrateEarlierSettings(location);
        QVERIFY(!QFile::exists(earlier));
        QCOMPARE(readIniString(location.filePath, u"Config"_s, u"Langue"_s, {}), u"English"_s);
    }

    void installedLocationKeepsAnExistingFile()
    {
        const QString program = m_dir.filePath(u"prefix2/bin"_s);
        WriteFile(program + u"/Tervane.ini"_s);
        const SpecialFolders folders{m_dir.filePath(u"data2"_s), m_dir.filePath(u"prefix2"_s), {}};
        WriteFile(folders.appData + u"/Morvak/Tervane/Tervane.ini"_s);
        QVERIFY(settingsLocationFor(program, folders, u"Tervane"_s).earlierFile.isEmpty());
    }

    void uncreatableSettingsFolderIsAnError()
    {
        const QString blocker = WriteFile(m_dir.filePath(u"blocker"_s)); // a file, not a folder
        const SpecialFolders folders{blocker, m_dir.filePath(u"prefix3"_s), {}};
        const SettingsLocation location =
            settingsLocationFor(m_dir.filePath(u"prefix3/bin"_s), folders, u"Tervane"_s);
        QVERIFY_THROWS_EXCEPTION(AppError, createSettingsFolders(location, folders));
    }

    void windowDefaultsCentreTheWindow()
    {
        const WindowSettings s = readWindowSettings(settings(), 9600, 5600, 28800, 16200);
        QVERIFY(!s.rememberSize && !s.rememberPosition && !s.rememberSplitter);
        QCOMPARE(s.width, 9600);
        QCOMPARE(s.left, (28800 - 9600) / 2);
        QCOMPARE(s.top, (16200 - 5600) / 2);
        QCOMPARE(s.splitterRatio, 50);
    }

    void windowRememberedValues()
    {
        store("FenêtreMémoriserTaille=7\nFenêtreMémoriserPosition=-1\n"
              "FenêtreMémoriserSéparateur=abc\nFenêtreEtat=2\nFenêtreLargeur=12000\n"
              "FenêtreHauteur=x\nFenêtreGauche=300\nSéparateurRatio=30\nToujoursAuDessus=-1\n");
        WindowSettings s = readWindowSettings(settings(), 9600, 5600, 28800, 16200);
        QVERIFY(s.rememberSize);
        QVERIFY(s.rememberPosition);
        QVERIFY(!s.rememberSplitter); // "abc" reads as no check mark
        QVERIFY(s.maximised);
        QCOMPARE(s.width, 12000);
        QCOMPARE(s.height, 0); // damaged: the layout raises it to the minimum
        QCOMPARE(s.left, 300);
        QCOMPARE(s.top, 1000); // missing key: its default
        QCOMPARE(s.splitterRatio, 50);
        QVERIFY(s.alwaysOnTop);

        writeWindowOptions(settings(), s);
        QCOMPARE(stored(SettingsKey::RememberSize), u"-1"_s); // 7 is written back as -1
        QCOMPARE(stored(SettingsKey::RememberSplitter), u"0"_s);
    }

    void minimisedOrNormalIsStoredAsState0()
    {
        WindowSettings s;
        s.rememberSize = true;
        s.width = 9600;
        s.height = 6000;
        writeWindowSize(settings(), s);
        QCOMPARE(stored(SettingsKey::WindowState), u"0"_s);
        QCOMPARE(stored(SettingsKey::WindowHeight), u"6000"_s);
        QCOMPARE(stored(SettingsKey::SplitterRatio), u"<missing>"_s);
    }

    void treatmentDefaults()
    {
        const TreatmentOptions o = loadTreatmentOptions(settings());
        QCOMPARE(o, TreatmentOptions());
        QVERIFY(o.removeLeadingDigits && o.removeLeadingNonAlphanumerics && o.removeDurations &&
                o.removeEmptyLines && o.numbering && !o.removeTerms && !o.addString &&
                !o.dropOriginalExtension);
        QCOMPARE(o.numberingWidth, 2);
        QCOMPARE(o.numberingSuffix, u" - "_s);
    }

    void numberingWidth_data()
    {
        QTest::addColumn<QByteArray>("config");
        QTest::addColumn<int>("width");
        QTest::newRow("stored 4") << QByteArray("NumérotationRemplissage=4\n") << 4;
        QTest::newRow("1 reads as 2") << QByteArray("NumérotationRemplissage=1\n") << 2;
        QTest::newRow("12 reads as 0") << QByteArray("NumérotationRemplissage=12\n") << 0;
        QTest::newRow("-3 reads as 0") << QByteArray("NumérotationRemplissage=-3\n") << 0;
        QTest::newRow("older key") << QByteArray("NumérotationNbChiffres=3\n") << 3;
        QTest::newRow("newer key wins")
            << QByteArray("NumérotationNbChiffres=3\nNumérotationRemplissage=5\n") << 5;
    }
    void numberingWidth()
    {
        QFETCH(QByteArray, config);
        QFETCH(int, width);
        store(config);
        QCOMPARE(loadTreatmentOptions(settings()).numberingWidth, width);
    }

    void saveReplacesTheOlderWidthKey()
    {
        store("NumérotationNbChiffres=4\n");
        saveTreatmentOptions(settings(), loadTreatmentOptions(settings()));
        QCOMPARE(stored(SettingsKey::NumberingWidth), u"4"_s);
        QCOMPARE(stored(SettingsKey::NumberingDigitsOld), u"<missing>"_s);
    }

    void roundTrip()
    {
        TreatmentOptions o;
        o.numberingSuffix = u" - "_s;
        o.numberingPrefix = u"  x "_s;
        o.termsToRemove = u"Live ; Bonus"_s;
        o.numberingPosition = InsertPosition::AtEnd;
        o.addStringMode = InsertPosition::AtPosition;
        o.removeDurations = false;
        o.numberingWidth = 7;
        o.replace = true;
        o.replaceFrom = u" (\\d+) "_s;
        o.replaceTo = u"'\\1'"_s;
        o.replaceRegex = true;
        saveTreatmentOptions(settings(), o);
        QCOMPARE(stored(SettingsKey::ReplaceFrom), u"&nbsp;(\\d+)&nbsp;"_s);
        QCOMPARE(stored(SettingsKey::NumberingSuffix), u"&nbsp;-&nbsp;"_s);
        QCOMPARE(loadTreatmentOptions(settings()), o);
    }

    void storedBoolOf1IsOff()
    {
        store("SuppressionDurées=1\n");
        QVERIFY(!loadTreatmentOptions(settings()).removeDurations);
    }

    void modeNamingNoButtonReadsAsAtStart()
    {
        store("SuppressionCaractèresMode=5\nNumérotationPosition=-1\nAjoutChaîneMode=2\n");
        const TreatmentOptions o = loadTreatmentOptions(settings());
        QCOMPARE(o.removeCharactersMode, InsertPosition::AtStart);
        QCOMPARE(o.numberingPosition, InsertPosition::AtStart);
        QCOMPARE(o.addStringMode, InsertPosition::AtPosition);
    }
};

QTEST_APPLESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
