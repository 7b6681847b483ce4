// SPDX-License-Identifier: GPL-3.0-or-later
#include "lists/ListModels.h"
#include "lists/PairedLists.h"
#include "mainwindow/MainWindow.h"
#include "options/OptionsPanel.h"
#include "session/RenameWorkspace.h"
#include "support/PictureFiles.h"
#include "support/TestEnvironment.h"
#include "widgets/ReadableColour.h"

#include <QAction>
#include <QBrush>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTreeView>

using namespace tervane;

using namespace Qt::StringLiterals;

// The file list and the names list of the real main window, on real folders.
class TestFilesAndNames : public QObject {
    Q_OBJECT

    struct Session {
        TestEnvironment env;
        std::unique_ptr<MainWindow> window;

        // Opened on the folder, or through a link of that name to it.
        explicit Session(const QStringList& files, const QByteArray& settings = {},
                         const QString& link = {})
        {
            for (const QString& file : files)
                WriteFile(folder() + u'/' + file);
            QDir().mkpath(folder());
            if (!settings.isEmpty())
                WriteFile(env.settingsFile(), "[Config]\n" + settings);
            env.context().folderArgument = folder();
            if (!link.isEmpty() && QFile::link(folder(), env.path(link)))
                env.context().folderArgument = env.path(link);
            window = std::make_unique<MainWindow>(env.context());
            if (!window->load())
                qFatal("start-up failed");
            window->showAsLoaded();
            window->controls()
                .settingsButton->click(); // the options panel opens, so its controls work
        }
        QString folder() const { return env.path(u"music"_s); }
        QStringList rows(const QTreeView* list) const
        {
            QStringList texts;
            for (int i = 0; i < list->model()->rowCount(); ++i)
                texts << list->model()->index(i, 0).data().toString();
            return texts;
        }
        QStringList fileRows() const { return rows(window->controls().fileList); }
        QStringList nameRows() const { return rows(window->controls().nameList); }
        int fillWidth() const
        {
            return window->controls().optionsPanel->fillWidthList->currentData().toInt();
        }
        void drop(const QString& text)
        {
            QMimeData data;
            data.setText(text);
            QWidget* target = window->controls().nameList->viewport();
            const QPoint at = target->rect().center();
            QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(target, &enter);
            QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(target, &drop);
        }
    };

    static QStringList tracks(int count)
    {
        QStringList names;
        for (int i = 1; i <= count; ++i)
            names << u"track %1.mp3"_s.arg(i);
        return names;
    }

private slots:
    // A new name held in the folder by a file the renaming leaves in place
    // is drawn in its own colour, the holder named in its tool tip and the
    // count in the counter's; one a swap frees is marked only row by row.
    void takenNamesShownBeforeRenaming()
    {
        Session session({u"a.mp3"_s, u"b.mp3"_s, u"q.flac"_s, u"q.mp3"_s}, "Numérotation=0\n",
                        u"through a link"_s);
        session.window->controls().optionsPanel->patternsEdit->setText(u"a*;b*"_s);
        session.drop(u"b\nq"_s);
        const QAbstractItemModel& names = *session.window->controls().nameList->model();
        QCOMPARE(names.index(1, 0).data(Qt::ForegroundRole).value<QBrush>().color(),
                 takenNameColour(QGuiApplication::palette().color(QPalette::Base)));
        QCOMPARE(names.index(1, 0).data(Qt::ToolTipRole).toString(),
                 u"Ce nom est déjà pris dans le dossier par 'q.mp3'."_s);
        // A name held in place: the renaming runs row by row, and b.mp3 is
        // held until b moves.
        QCOMPARE(session.window->controls().nameCountValue->toolTip(),
                 u"2 nouveaux noms sont déjà pris dans le dossier."_s);
        // The holder gone, a reading of the folder frees the name.
        QFile::remove(session.folder() + u"/q.mp3"_s);
        session.window->refreshFileList(true);
        QVERIFY(!names.index(1, 0).data(Qt::ToolTipRole).isValid());
        session.drop(u"b\na"_s);
        session.window->controls().resolvePermutationsAction->setChecked(true);
        QCOMPARE(session.nameRows(), (QStringList{u"b.mp3"_s, u"a.mp3"_s}));
        QVERIFY(!names.index(0, 0).data(Qt::ToolTipRole).isValid());
        QCOMPARE(session.window->controls().nameCountValue->toolTip(), QString());
        session.window->controls().resolvePermutationsAction->setChecked(false);
        QCOMPARE(names.index(0, 0).data(Qt::ToolTipRole).toString(),
                 u"Ce nom est déjà pris dans le dossier par 'b.mp3'."_s);
    }

    // The state a row's colour shows is said in words, on hovering and to a
    // screen reader alike.
    void rowStateIsSaidInWords_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QString>("patterns");
        QTest::addColumn<QString>("dropped");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("said");
        const QStringList two{u"a.mp3"_s, u"b.mp3"_s};
        const QByteArray plain = "Numérotation=0\n";
        // Lines the treatments empty are kept: their names are empty.
        const QByteArray keepEmpty = plain + "SuppressionLignesVides=0\n";
        QTest::newRow("doubled") << two << plain << QString() << u"Same\nsame"_s << 1
                                 << u"Nom en double"_s;
        QTest::newRow("empty") << two << keepEmpty << QString() << u"01\nb"_s << 0 << u"Nom vide"_s;
        QTest::newRow("taken") << QStringList{u"a.mp3"_s, u"b.mp3"_s, u"q.flac"_s, u"q.mp3"_s}
                               << plain << u"a*;b*"_s << u"b\nq"_s << 1
                               << u"Ce nom est déjà pris dans le dossier par 'q.mp3'."_s;
        QTest::newRow("fine") << two << plain << QString() << u"x\ny"_s << 0 << QString();
    }

    void rowStateIsSaidInWords()
    {
        QFETCH(QStringList, files);
        QFETCH(QByteArray, settings);
        QFETCH(QString, patterns);
        QFETCH(QString, dropped);
        QFETCH(int, row);
        QFETCH(QString, said);
        Session session(files, settings);
        if (!patterns.isEmpty())
            session.window->controls().optionsPanel->patternsEdit->setText(patterns);
        session.drop(dropped);
        const QModelIndex index = session.window->controls().nameList->model()->index(row, 0);
        QCOMPARE(index.data(Qt::AccessibleDescriptionRole).toString(), said);
        QCOMPARE(index.data(Qt::ToolTipRole).toString(), said);
    }

    void listsTheMatchingFiles()
    {
        Session session({u"b.MP3"_s, u"a.wma"_s, u"c.txt"_s, u"d.mp3/inside.txt"_s});
        QCOMPARE(session.fileRows(), (QStringList{u"a.wma"_s, u"b.MP3"_s}));
        QCOMPARE(session.window->controls().fileCountValue->text(), u"2"_s);
        QCOMPARE(session.window->workspace().listedFolder, session.folder());

        session.window->controls().optionsPanel->patternsEdit->setText(u"*.txt"_s);
        QCOMPARE(session.fileRows(), QStringList{u"c.txt"_s});
    }

    void numericOrderRelists()
    {
        Session session({u"Piste 10.mp3"_s, u"Piste 2.mp3"_s, u"Piste 1.mp3"_s});
        QCOMPARE(session.fileRows(),
                 (QStringList{u"Piste 1.mp3"_s, u"Piste 10.mp3"_s, u"Piste 2.mp3"_s}));
        QTest::mouseClick(session.window->controls().numericSortBox, Qt::LeftButton, {},
                          QPoint(5, session.window->controls().numericSortBox->height() / 2));
        QCOMPARE(session.fileRows(),
                 (QStringList{u"Piste 1.mp3"_s, u"Piste 2.mp3"_s, u"Piste 10.mp3"_s}));
        session.window->controls().numericSortBox->click();
        QCOMPARE(session.fileRows().last(), u"Piste 2.mp3"_s);
    }

    // The clock button lists pictures by date taken, kept through a renaming
    // and its undo; a row's tool tip tells its date, or that it has none.
    void orderOfTakingRelists()
    {
        Session session({}, "Extensions=*.jpg\nNumérotation=0\nSuppressionChiffresDébut=0\n");
        const auto picture = [&](const QString& name, const char* taken) {
            const PictureMetadata dated{{u"Exif.Photo.DateTimeOriginal"_s, QLatin1String(taken)}};
            QVERIFY(writePicture(session.folder() + u'/' + name, PictureFormat::Jpeg,
                                 *taken ? dated : PictureMetadata{}));
        };
        picture(u"a.jpg"_s, "2026:12:07 15:00:00");
        picture(u"b.jpg"_s, "");
        picture(u"c.jpg"_s, "2026:12:07 14:00:00");
        const MainWindowControls& ui = session.window->controls();
        ui.refreshButton->click();
        ui.takenSortButton->click();
        const QStringList taken{u"c.jpg"_s, u"a.jpg"_s, u"b.jpg"_s};
        QCOMPARE(session.fileRows(), taken);
        QVERIFY(
            ui.fileList->model()->index(0, 0).data(Qt::ToolTipRole).toString().contains(u"14"_s));
        QCOMPARE(ui.fileList->model()->index(2, 0).data(Qt::ToolTipRole).toString(),
                 u"Pas de date de prise de vue"_s);
        session.drop(u"x\ny\nz"_s);
        ui.renameButton->click();
        QCOMPARE(session.fileRows(), (QStringList{u"x.jpg"_s, u"y.jpg"_s, u"z.jpg"_s}));
        ui.undoButton->click();
        QCOMPARE(session.fileRows(), taken);
        ui.takenSortButton->click();
        QCOMPARE(session.fileRows(), (QStringList{u"a.jpg"_s, u"b.jpg"_s, u"c.jpg"_s}));
    }

    void emptyFolder()
    {
        Session session({});
        QCOMPARE(session.window->controls().fileCountValue->text(), u"0"_s);
        QCOMPARE(session.window->controls().nameCountValue->text(), u"0"_s);
        QVERIFY(!session.window->controls().renameButton->isEnabled());
        session.window->controls().optionsPanel->removeCapitalsBox->click();
        QCOMPARE(session.env.prompter.boxes.size(), 1);
        QVERIFY(session.env.prompter.boxes[0].text.startsWith(u"Cette opération n'est possible"_s));
    }

    void droppedLinesBecomeNames()
    {
        Session session({u"a.mp3"_s, u"b.wma"_s, u"c.mp3"_s});
        session.drop(u"01 - Intro\n02 - Song\n03 - Outro\n"_s);
        QCOMPARE(session.nameRows(),
                 (QStringList{u"01 - Intro.mp3"_s, u"02 - Song.wma"_s, u"03 - Outro.mp3"_s}));
        QVERIFY(session.window->controls().renameButton->isEnabled());
        QVERIFY(session.window->controls().clearNamesButton->isEnabled());

        // A treatment change is applied to the same source lines, in one
        // update of the names model.
        QSignalSpy changed(session.window->controls().nameList->model(),
                           &QAbstractItemModel::dataChanged);
        QSignalSpy reset(session.window->controls().nameList->model(),
                         &QAbstractItemModel::modelReset);
        session.window->controls().optionsPanel->numberingBox->click();
        QCOMPARE(session.nameRows(), (QStringList{u"Intro.mp3"_s, u"Song.wma"_s, u"Outro.mp3"_s}));
        QCOMPARE(changed.size() + reset.size(), 1);

        session.window->controls().clearNamesButton->click();
        QVERIFY(session.nameRows().isEmpty());
        QVERIFY(!session.window->controls().clearNamesButton->isEnabled());
        QVERIFY(session.window->workspace().sourceRecords.empty());
    }

    void duplicateNamesTurnRed()
    {
        Session session({u"a.mp3"_s, u"b.mp3"_s});
        session.window->controls().optionsPanel->numberingBox->setChecked(false);
        session.drop(u"Same\rsame"_s);
        QVERIFY(!session.window->controls().renameButton->isEnabled());
        const QModelIndex first = session.window->controls().nameList->model()->index(0, 0);
        QCOMPARE(first.data(Qt::ForegroundRole).value<QBrush>().color(),
                 doubledNameColour(QGuiApplication::palette().color(QPalette::Base)));
    }

    void fillWidthFollowsTheFileCount()
    {
        Session session(tracks(120));
        QCOMPARE(session.fillWidth(), 3);
        QDir().mkpath(session.env.path(u"eight"_s));
        for (const QString& name : tracks(8))
            WriteFile(session.env.path(u"eight/"_s) + name);
        session.window->controls().folderEdit->setText(session.env.path(u"eight"_s));
        QCOMPARE(session.fileRows().size(), 8);
        QCOMPARE(session.fillWidth(), 2);
    }

    void noFillIsKept()
    {
        Session session(tracks(120), "NumérotationRemplissage=0\n");
        QCOMPARE(session.fillWidth(), 0);
    }

    void tooNarrowAWidthStopsTheRun()
    {
        Session session(tracks(120));
        session.drop(u"x"_s);
        QComboBox* widths = session.window->controls().optionsPanel->fillWidthList;
        widths->setCurrentIndex(widths->findData(2));
        QVERIFY(session.env.prompter.boxes.last().text.startsWith(
            u"Cette valeur de remplissage n'est pas adaptée"_s));
        QVERIFY(!session.window->controls().renameButton->isEnabled());
    }

    void listsShowTheSameRowsWithScrollBars()
    {
        QStringList files;
        for (int i = 1; i <= 41; ++i)
            files << u"f%1.mp3"_s.arg(i, 2, 10, QChar(u'0'));
        Session session(files);
        // Forty narrow names and a wide one, longer in pixels only.
        QStringList names(40, QString(40, u'i'));
        names.insert(7, QString(25, u'W'));
        session.window->dropText(names.join(u'\n'));
        QTreeView* fileList = session.window->controls().fileList;
        QTreeView* nameList = session.window->controls().nameList;
        const QModelIndex wide = nameList->model()->index(7, 0);
        QVERIFY(nameList->columnWidth(0) >= nameList->sizeHintForIndex(wide).width());
        QCOMPARE(fileList->horizontalScrollBarPolicy(), nameList->horizontalScrollBarPolicy());
        QCOMPARE(fileList->viewport()->height(), nameList->viewport()->height());
        fileList->verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QTRY_COMPARE(topIndex(nameList), topIndex(fileList));
        QVERIFY(topIndex(fileList) > 0);
    }

    void keyboardSelectionIsEchoed()
    {
        Session session({u"a.mp3"_s, u"b.mp3"_s, u"c.mp3"_s});
        session.window->dropText(u"x\ny\nz"_s);
        QTreeView* fileList = session.window->controls().fileList;
        fileList->setFocus();
        fileList->setCurrentIndex(fileList->model()->index(0, 0));
        QTest::keyClick(fileList, Qt::Key_Down);
        QCOMPARE(
            session.window->controls().nameList->selectionModel()->selectedRows().value(0).row(),
            1);
        QTest::keyClick(fileList, Qt::Key_End);
        QCOMPARE(
            session.window->controls().nameList->selectionModel()->selectedRows().value(0).row(),
            2);
    }

    void refreshShowsFilesChangedOutside_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("the button") << u"button"_s;
        QTest::newRow("F5 in the names list") << u"nameList"_s;
        QTest::newRow("F5 in the folder box") << u"folderEdit"_s;
    }
    void refreshShowsFilesChangedOutside()
    {
        QFETCH(QString, how);
        Session session({u"a.mp3"_s});
        WriteFile(session.folder() + u"/b.mp3"_s);
        QCOMPARE(session.fileRows().size(), 1);
        MainWindow* window = session.window.get();
        // The window's keys reach it only while it is the active one.
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        if (how == u"button")
            window->controls().refreshButton->click();
        else if (how == u"nameList")
            QTest::keyClick(window->controls().nameList, Qt::Key_F5);
        else
            QTest::keyClick(window->controls().folderEdit, Qt::Key_F5);
        QCOMPARE(session.fileRows(), (QStringList{u"a.mp3"_s, u"b.mp3"_s}));
    }
};

QTEST_MAIN(TestFilesAndNames)
#include "tst_filesandnames.moc"
