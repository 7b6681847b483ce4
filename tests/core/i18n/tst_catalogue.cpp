// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/AppError.h"
#include "i18n/BuiltInTexts.h"
#include "i18n/LanguageFile.h"
#include "i18n/TranslationCatalogue.h"
#include "support/TestEnvironment.h"

#include <QTest>

using namespace tervane;

using namespace Qt::StringLiterals;

class TestCatalogue : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    LanguageFile languageFile(const QByteArray& content)
    {
        return LanguageFile::load(WriteFile(m_dir.filePath(u"English.lng"_s), content));
    }

private slots:
    void frenchCatalogue()
    {
        const TranslationCatalogue catalogue = buildTranslationCatalogue(LanguageFile());
        QCOMPARE(catalogue.count(), 117);
        QCOMPARE(catalogue.newEnum().first(), QString());
        QCOMPARE(catalogue.item(u"txt_piste_numero"_s), u"Piste n°[NUM]"_s);
        QVERIFY(catalogue.item(u"MSG_ERREUR_RENOMMAGE"_s).endsWith(u":\r\n\r\n%v"_s));
        QCOMPARE(catalogue.item(u"NO_SUCH_KEY"_s), QString());
    }

    void catalogueKeys()
    {
        TranslationCatalogue catalogue;
        catalogue.add(u"Key"_s, u"a"_s);
        QVERIFY_THROWS_EXCEPTION(std::logic_error, catalogue.add(u"KEY"_s, u"b"_s));
        catalogue.remove(u"kEy"_s);
        QCOMPARE(catalogue.count(), 0);
    }

    void lookup_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");
        const QString french = u"défaut"_s;
        QTest::newRow("INI value")
            << QByteArray("[Traduction]\nTXT_A=Hello\n") << u"TXT_A"_s << u"Hello"_s;
        QTest::newRow("missing key: default")
            << QByteArray("[Traduction]\nTXT_B=x\n") << u"TXT_A"_s << french;
        QTest::newRow("alias") << QByteArray("[Traduction]\nMSG=x\nA={TXT_REGLAGES}\n"
                                             "TXT_REGLAGES=Settings\n")
                               << u"A"_s << u"Settings"_s;
        QTest::newRow("alias followed once")
            << QByteArray("[Traduction]\nA={B}\nB={C}\nC=deep\n") << u"A"_s << u"{C}"_s;
        QTest::newRow("self alias") << QByteArray("[Traduction]\nA={A}\n") << u"A"_s << u"{A}"_s;
        QTest::newRow("alias to a missing key: element")
            << QByteArray("[Traduction]\nA={MISSING}\n<A>from element</A>\n") << u"A"_s
            << u"from element"_s;
        QTest::newRow("alias to a missing key, no element: default")
            << QByteArray("[Traduction]\nA={MISSING}\n") << u"A"_s << french;
        QTest::newRow("empty INI value: element")
            << QByteArray("[Traduction]\nA=\n<A>line 1\r\nline 2</A>\n") << u"A"_s
            << u"line 1\r\nline 2"_s;
        QTest::newRow("tags in other case")
            << QByteArray("<txt_a>text</TXT_A>") << u"TXT_A"_s << u"text"_s;
        QTest::newRow("first opening tag, first closing after it")
            << QByteArray("</A><A>one</A><A>two</A>") << u"A"_s << u"one"_s;
        QTest::newRow("unclosed element: default")
            << QByteArray("<A>never closed") << u"A"_s << french;
        QTest::newRow("nested angle brackets") << QByteArray("<<A>x</A>>") << u"A"_s << u"x"_s;
        QTest::newRow("escapes") << QByteArray("[Traduction]\nA=x\xc2\xa7y '\xc2\xa7' z\n")
                                 << u"A"_s << u"x\r\ny '§' z"_s;
        QTest::newRow("Windows-1252 file")
            << QByteArray("[Traduction]\nA=R\xe9glages\n") << u"A"_s << u"Réglages"_s;
        QTest::newRow("other section ignored")
            << QByteArray("[Config]\nA=no\n") << u"A"_s << french;
        QTest::newRow("binary file")
            << Bytes("\x00\x01\xff\xfe<\x00A>\x02[Traduction\n=\xff\n") << u"A"_s << french;
    }
    void lookup()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, key);
        QFETCH(QString, expected);
        QCOMPARE(lookupTranslation(languageFile(file), key, u"défaut"_s), expected);
    }

    void defaultsAreEscapedToo()
    {
        QCOMPARE(lookupTranslation(LanguageFile(), u"K"_s, u"a§b"_s), u"a\r\nb"_s);
    }

    void unreadableFileIsAnError()
    {
        QVERIFY_THROWS_EXCEPTION(AppError, LanguageFile::load(m_dir.filePath(u"none.lng"_s)));
        QVERIFY_THROWS_EXCEPTION(AppError, LanguageFile::load(m_dir.path())); // a folder
    }

    void hugeFileIsReadOnce()
    {
        // 10 MB of lines and stray tags: read and indexed once, then every
        // lookup is answered from memory.
        QByteArray content("[Traduction]\n");
        while (content.size() < 10 * 1024 * 1024)
            content += "KEY_" + QByteArray::number(content.size()) + "=<x> value\n";
        content += "<LAST>end</LAST>";
        const LanguageFile file = languageFile(content);
        const TranslationCatalogue catalogue = buildTranslationCatalogue(file);
        QCOMPARE(catalogue.item(u"MSG_CHANGEMENT_LANGUE"_s),
                 frenchText(u"MSG_CHANGEMENT_LANGUE"_s));
        QCOMPARE(lookupTranslation(file, u"last"_s, {}), u"end"_s);
    }

    void insertValues_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<QString>("expected");
        const QString renaming = frenchText(u"MSG_ERREUR_RENOMMAGE"_s);
        QTest::newRow("three of four")
            << renaming << QStringList{u"2"_s, u"a.mp3"_s, u"b.mp3"_s}
            << u"Une erreur (2) est survenue lors du renommage du fichier 'a.mp3' en 'b.mp3' :§§"_s;
        QTest::newRow("extra values ignored")
            << u"%v-%v"_s << QStringList{u"1"_s, u"2"_s, u"3"_s} << u"1-2"_s;
        QTest::newRow("upper-case marker") << u"a%Vb"_s << QStringList{u"x"_s} << u"axb"_s;
        QTest::newRow("value holding a marker is kept as it is")
            << u"[%v] [%v]"_s << QStringList{u"%v!"_s, u"y"_s, u"z"_s} << u"[%v!] [y]"_s;
        QTest::newRow("file name holding a marker")
            << u"'%v' en '%v'"_s << QStringList{u"100%Vinyl.mp3"_s, u"x.mp3"_s}
            << u"'100%Vinyl.mp3' en 'x.mp3'"_s;
        QTest::newRow("no marker") << u"plain"_s << QStringList{u"x"_s} << u"plain"_s;
    }
    void insertValues()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, values);
        QFETCH(QString, expected);
        QCOMPARE(tervane::insertValues(text, values), expected);
    }
};

QTEST_APPLESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
