// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/PopupMenu.h"
#include "mainwindow/MainWindow.h"
#include "qtservices/QtServices.h"
#include "session/RenameWorkspace.h"
#include "support/AudioFiles.h"
#include "support/TestEnvironment.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>

#include <atomic>

using namespace tervane;

using namespace Qt::StringLiterals;

// The paste commands of the real main window on folders of real files.
class TestPasteCommands : public QObject {
    Q_OBJECT

    struct Session {
        TestEnvironment env;
        QtClipboard systemClipboard;
        std::unique_ptr<AppContext> context;
        std::unique_ptr<MainWindow> window;

        explicit Session(const QStringList& files, const QString& folderName = u"music"_s)
        {
            QDir().mkpath(folder(folderName));
            for (const QString& file : files)
                WriteFile(folder(folderName) + u'/' + file);
            // The real clipboard of the (offscreen) platform.
            context = std::make_unique<AppContext>(env.contextWith(systemClipboard));
            context->folderArgument = folder(folderName);
            window = std::make_unique<MainWindow>(*context);
            if (!window->load())
                qFatal("start-up failed");
            window->showAsLoaded();
        }
        QString folder(const QString& name) const { return env.path(name); }
        QStringList names() const
        {
            QStringList texts;
            const QAbstractItemModel* model = window->controls().nameList->model();
            for (int i = 0; i < model->rowCount(); ++i)
                texts << model->index(i, 0).data().toString();
            return texts;
        }
        QString lastMessage() const
        {
            return env.prompter.boxes.isEmpty() ? QString() : env.prompter.boxes.last().text;
        }
    };

    static QStringList tracks(int count)
    {
        QStringList names;
        for (int i = 1; i <= count; ++i)
            names << u"track %1.mp3"_s.arg(i, 3, 10, QLatin1Char('0'));
        return names;
    }

private slots:
    void pasteFromTheClipboard_data()
    {
        QTest::addColumn<QString>("clipboard");
        QTest::newRow("CR LF") << u"1. Intro (3:45)\r\n2. Song (4:01)\r\n3. Outro\r\n"_s;
        QTest::newRow("LF only") << u"1. Intro (3:45)\n2. Song (4:01)\n3. Outro\n"_s;
        QTest::newRow("CR only") << u"1. Intro (3:45)\r2. Song (4:01)\r3. Outro\r"_s;
    }
    void pasteFromTheClipboard()
    {
        QFETCH(QString, clipboard);
        Session session({u"a.mp3"_s, u"b.wma"_s, u"c.mp3"_s});
        QGuiApplication::clipboard()->setText(clipboard);
        QTest::mouseClick(session.window->controls().pasteButton, Qt::LeftButton);
        QCOMPARE(session.names(),
                 (QStringList{u"01 - Intro.mp3"_s, u"02 - Song.wma"_s, u"03 - Outro.mp3"_s}));
        QVERIFY(session.window->controls().renameButton->isEnabled());
    }

    void clipboardOfSpacesChangesNothing()
    {
        Session session({u"a.mp3"_s});
        session.window->dropText(u"Kept"_s);
        QGuiApplication::clipboard()->setText(u"    "_s);
        session.window->controls().pasteButton->click();
        QCOMPARE(session.lastMessage(),
                 u"Le presse-papiers ne contient aucune information utilisable..."_s);
        QCOMPARE(session.names(), QStringList{u"01 - Kept.mp3"_s});
    }

    void hundredThousandLines()
    {
        Session session({u"a.mp3"_s, u"b.mp3"_s, u"c.mp3"_s});
        QString text;
        for (int i = 0; i < 100000; ++i)
            text += u"Line %1\n"_s.arg(i);
        QGuiApplication::clipboard()->setText(text);
        session.window->controls().pasteButton->click();
        QCOMPARE(session.window->workspace().nameRows.size(), std::size_t(100000));
        QVERIFY(!session.window->controls().renameButton->isEnabled());
    }

    void emptyFileListRefusesAtOnce()
    {
        Session session({});
        session.window->controls().pasteButton->click();
        QVERIFY(session.lastMessage().startsWith(u"Cette opération n'est possible"_s));
        QTest::mouseClick(session.window->controls().pasteMenuButton, Qt::LeftButton);
        QCOMPARE(session.env.prompter.boxes.size(), 2);
    }

    void currentFileNames()
    {
        Session session({u"01 Intro.mp3"_s, u"02 Song.mp3"_s});
        session.window->runNamePipeline(NameSource::FileNames);
        QCOMPARE(session.names(), (QStringList{u"01 - Intro.mp3"_s, u"02 - Song.mp3"_s}));
    }

    void textFiles()
    {
        Session session({u"a.mp3"_s, u"b.mp3"_s});
        session.env.dialogs.nextFile =
            WriteFile(session.folder(u"list.txt"_s), "Premi\xe8re\nSeconde\n");
        session.window->runNamePipeline(NameSource::TextFile);
        QCOMPARE(session.names(), (QStringList{u"01 - Première.mp3"_s, u"02 - Seconde.mp3"_s}));
        QCOMPARE(session.env.dialogs.lastSuffix, u"txt"_s);
        QVERIFY(session.env.dialogs.lastFilters.endsWith(u" (*)"_s)); // names without a dot too

        session.env.dialogs.nextFile = WriteFile(session.folder(u"x.bin"_s), Bytes("\x00\x01\x02"));
        session.window->runNamePipeline(NameSource::TextFile);
        QCOMPARE(session.env.prompter.boxes.last().icon, MessageIcon::Critical);
        QVERIFY(session.lastMessage().startsWith(
            u"Une erreur est survenue lors du traitement du fichier"_s));
        QCOMPARE(session.names().size(), 2); // unchanged
        QCOMPARE(session.env.prompter.busyDepth, 0);

        const int boxes = int(session.env.prompter.boxes.size());
        session.env.dialogs.nextFile = std::nullopt; // cancelled: nothing happens
        session.window->runNamePipeline(NameSource::TextFile);
        QCOMPARE(session.env.prompter.boxes.size(), boxes);
    }

    void typedTemplate()
    {
        Session session(tracks(120));
        session.env.nameAsker.answers.append(NameAnswer{u"Piste n°[NUM]"_s, 0});
        session.window->runNamePipeline(NameSource::TypedTemplate);
        const NameRequest& asked = session.env.nameAsker.requests.first();
        QCOMPARE(asked.caption, u"Coller une chaîne de caractères"_s);
        QCOMPARE(asked.text, u"Piste n°[NUM]"_s);
        QVERIFY(asked.withFillWidth);
        QCOMPARE(asked.fillWidth, 3);
        QCOMPARE(session.names().first(), u"001 - Piste n°1.mp3"_s);
        QCOMPARE(session.names().last(), u"120 - Piste n°120.mp3"_s);
    }

    // Tagged files: "a.mp3" Intro by Ann, track 3/12; "b.wma" with a colon
    // and a line break; "c.mp3" untagged.
    static void writeTaggedFiles(const Session& session)
    {
        const QString folder = session.folder(u"music"_s) + u'/';
        QVERIFY(writeAudioFile(folder + u"a.mp3"_s, AudioFormat::Mp3,
                               AudioTags{u"Intro"_s, u"Ann"_s, u"LP"_s, 1999, u"3/12"_s}));
        QVERIFY(writeAudioFile(folder + u"b.wma"_s, AudioFormat::Asf,
                               AudioTags{u"Outro: live\nat home"_s, u"Bob"_s, {}, 0, u"12"_s}));
        QVERIFY(writeAudioFile(folder + u"c.mp3"_s, AudioFormat::Mp3));
    }

    void titlesFromTheFilesTags()
    {
        Session session({u"a.mp3"_s, u"b.wma"_s, u"c.mp3"_s});
        writeTaggedFiles(session);
        // The entry of the paste menu, by its access key, asks nothing.
        QTimer::singleShot(0, [] {
            if (auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget()))
                QTest::keyClick(popup, Qt::Key_T);
        });
        QTest::mousePress(session.window->controls().pasteMenuButton, Qt::LeftButton);
        QCOMPARE(session.names(), (QStringList{u"01 - Intro.mp3"_s, u"02 - Outro liveat home.wma"_s,
                                               u"03 - c.mp3"_s}));
        QVERIFY(session.env.nameAsker.requests.isEmpty());
        QVERIFY(session.env.prompter.boxes.isEmpty());
    }

    // "d.mp3", a gigabyte of zeros, is given up on and said.
    void templateWithTagFields()
    {
        Session session({u"a.mp3"_s, u"b.wma"_s, u"c.mp3"_s, u"d.mp3"_s});
        writeTaggedFiles(session);
        QVERIFY(QFile::resize(session.folder(u"music/d.mp3"_s), qint64(1) << 30));
        session.env.nameAsker.answers.append(
            NameAnswer{u"[PISTE] [ARTISTE] - [TITRE] ([ANNEE])"_s, 2});
        session.window->runNamePipeline(NameSource::TypedTemplate);
        QCOMPARE(session.window->workspace().sourceRecords.front().sourceText,
                 u"03 Ann - Intro (1999)"_s);
        QCOMPARE(session.window->workspace().sourceRecords[2].sourceText, u"- c ()"_s);
        QCOMPARE(session.window->workspace().sourceRecords.back().sourceText, u"- d ()"_s);
        QCOMPARE(session.env.prompter.boxes.size(), 1);
        QVERIFY(session.lastMessage().startsWith(u"Les étiquettes de ces fichiers"_s));
        QVERIFY(session.lastMessage().endsWith(u"\nd.mp3"_s));
    }

    // A slow reading shows its progress; cancelled, it changes nothing, and
    // a file being read is told to stop.
    void cancelledTagReadingChangesNothing_data()
    {
        QTest::addColumn<int>("files");
        QTest::addColumn<bool>("readUntilStopped"); // else each file takes 50 ms
        QTest::newRow("many short files") << 60 << false;
        QTest::newRow("one long file") << 1 << true;
    }
    void cancelledTagReadingChangesNothing()
    {
        QFETCH(int, files);
        QFETCH(bool, readUntilStopped);
        Session session(tracks(files));
        session.window->dropText(u"Kept"_s);
        const QStringList before = session.names();
        std::atomic<bool> stopSeen{false};
        session.context->readFileTags = [&stopSeen, readUntilStopped](const QString&,
                                                                      std::stop_token stop) {
            // Ten seconds at most: a stop that never comes fails the test.
            const int limit = readUntilStopped ? 10000 : 50;
            for (int waited = 0; waited < limit && !stop.stop_requested(); waited += 10)
                QThread::msleep(10);
            if (stop.stop_requested())
                stopSeen = true;
            FileTags tags;
            tags.title = u"Read"_s;
            return tags;
        };
        bool shown = false;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* progress = session.window->findChild<QProgressDialog*>(u"frmLectureTags"_s);
            if (progress && progress->isVisible() && !shown) {
                shown = true;
                QTest::mouseClick(progress->findChild<QPushButton*>(), Qt::LeftButton);
            }
        });
        poll.start(20);
        session.window->runNamePipeline(NameSource::FileTitles);
        QVERIFY(shown);
        QVERIFY(stopSeen || !readUntilStopped);
        QCOMPARE(session.names(), before);
        QVERIFY(session.env.prompter.boxes.isEmpty());
        QCOMPARE(session.env.prompter.busyDepth, 0);
    }

    void seriesFolder()
    {
        Session session({u"e1.mp3"_s, u"e2.mp3"_s}, u"Ma série S02"_s);
        const auto menu = session.window->buildPasteMenu();
        const QList<QAction*> items = menu->menu()->actions();
        QVERIFY(items[6]->isEnabled() && items[7]->isEnabled());

        session.env.nameAsker.answers.append(NameAnswer{u"Ma série S02E[NUM]"_s, 2});
        session.window->runNamePipeline(NameSource::FolderEpisodeSE);
        QVERIFY2(!session.env.nameAsker.requests.isEmpty(), qPrintable(session.lastMessage()));
        QCOMPARE(session.env.nameAsker.requests.first().text, u"Ma série S02E[NUM]"_s);
        QCOMPARE(session.env.nameAsker.requests.first().caption,
                 u"Coller le nom du dossier, format S01E01"_s);
        QCOMPARE(session.window->workspace().sourceRecords.front().sourceText,
                 u"Ma série S02E01"_s);
    }

    void otherFoldersGreyTheSeriesEntries()
    {
        Session session({u"e1.mp3"_s}, u"Saison 1"_s);
        const auto menu = session.window->buildPasteMenu();
        const QList<QAction*> items = menu->menu()->actions();
        QCOMPARE(items.size(), 8);
        QVERIFY(!items[6]->isEnabled() && !items[7]->isEnabled());
        QCOMPARE(items[0]->text(), u"Coller depuis &presse-papiers\tCtrl+V"_s);
    }

    void pasteMenuUnderItsButton()
    {
        Session session({u"a.mp3"_s, u"b.mp3"_s});
        session.env.dialogs.nextFile = WriteFile(session.folder(u"l.txt"_s), "x\ny\n");
        QTimer::singleShot(0, [] {
            if (auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                QTest::keyClick(popup, Qt::Key_Down);
                QTest::keyClick(popup, Qt::Key_Down);
                QTest::keyClick(popup, Qt::Key_Return);
                if (popup->isVisible())
                    popup->close();
            }
        });
        QTest::mousePress(session.window->controls().pasteMenuButton, Qt::LeftButton);
        QCOMPARE(session.names(), (QStringList{u"01 - x.mp3"_s, u"02 - y.mp3"_s}));
    }
};

QTEST_MAIN(TestPasteCommands)
#include "tst_pastecommands.moc"
