// SPDX-License-Identifier: GPL-3.0-or-later
#include "lists/NameListEditor.h"
#include "lists/PairedLists.h"
#include "mainwindow/MainWindow.h"
#include "session/RenameWorkspace.h"
#include "support/TestEnvironment.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QTreeView>

using namespace tervane;

using namespace Qt::StringLiterals;

using Rows = QList<int>;

// Editing and dragging names in the real main window, on folders of real
// files, with real mouse and key events.
class TestNameEditing : public QObject {
    Q_OBJECT

    struct Session {
        TestEnvironment env;
        std::unique_ptr<MainWindow> window;
        QTreeView* list = nullptr;

        // Files a.mp3, b.mp3... one per name; numbering off unless asked.
        Session(const QStringList& names, const QByteArray& config = "Numérotation=0\n",
                int files = -1)
        {
            const QString folder = env.path(u"music"_s);
            QDir().mkpath(folder);
            for (int i = 0; i < (files < 0 ? names.size() : files); ++i)
                WriteFile(u"%1/%2.mp3"_s.arg(folder).arg(QChar(u'a' + i)),
                          QByteArray(1, char('a' + i)));
            WriteFile(env.settingsFile(), "[Config]\n" + config);
            env.context().folderArgument = folder;
            window = std::make_unique<MainWindow>(env.context());
            if (!window->load())
                qFatal("start-up failed");
            window->showAsLoaded();
            list = window->controls().nameList;
            if (!names.isEmpty())
                window->dropText(names.join(u'\n'));
        }
        QStringList names() const
        {
            QStringList texts;
            for (int i = 0; i < list->model()->rowCount(); ++i)
                texts << list->model()->index(i, 0).data().toString();
            return texts;
        }
        Rows selected() const
        {
            Rows rows;
            for (const QModelIndex& index : list->selectionModel()->selectedRows())
                rows << index.row();
            std::sort(rows.begin(), rows.end());
            return rows;
        }
        void select(const Rows& rows)
        {
            list->selectionModel()->clear();
            for (int row : rows)
                list->selectionModel()->setCurrentIndex(list->model()->index(row, 0),
                                                        QItemSelectionModel::Select);
        }
        // Moves the focus mark to row, leaving the selection as it is.
        void focus(int row)
        {
            list->selectionModel()->setCurrentIndex(list->model()->index(row, 0),
                                                    QItemSelectionModel::NoUpdate);
        }
        QPoint at(int row) const { return list->visualRect(list->model()->index(row, 0)).center(); }
        QPoint below() const { return {10, list->viewport()->height() - 3}; }
        void answer(const QString& text) { env.nameAsker.answers << NameAnswer{text, -1}; }
        NameListEditor& editor() { return window->nameListEditor(); }
    };

private slots:
    void keysEditTheNames_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<Rows>("selection");
        QTest::addColumn<int>("focused"); // -1: the last row selected
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("ctrlLetGoFirst");  // Ctrl released before the key
        QTest::addColumn<QStringList>("expected"); // names, without their extension
        QTest::addColumn<Rows>("expectedSelection");
        const auto ctrl = int(Qt::ControlModifier);
        const auto alt = int(Qt::AltModifier);
        const QStringList abc{u"A"_s, u"B"_s, u"C"_s};
        QTest::newRow("insert before B") << 3 << Rows{1} << -1 << int(Qt::Key_Insert) << 0 << false
                                         << QStringList{u"A"_s, u"X"_s, u"B"_s, u"C"_s} << Rows{1};
        QTest::newRow("Ctrl+Insert appends")
            << 3 << Rows{1} << -1 << int(Qt::Key_Insert) << ctrl << false
            << QStringList{u"A"_s, u"B"_s, u"C"_s, u"X"_s} << Rows{3};
        QTest::newRow("Ctrl+Insert, Ctrl let go first, still appends")
            << 3 << Rows{1} << -1 << int(Qt::Key_Insert) << ctrl << true
            << QStringList{u"A"_s, u"B"_s, u"C"_s, u"X"_s} << Rows{3};
        QTest::newRow("Insert without a current row appends")
            << 3 << Rows{} << -1 << int(Qt::Key_Insert) << 0 << false
            << QStringList{u"A"_s, u"B"_s, u"C"_s, u"X"_s} << Rows{3};
        QTest::newRow("delete rows 2 and 4 of 6")
            << 6 << Rows{1, 3} << -1 << int(Qt::Key_Delete) << 0 << false
            << QStringList{u"A"_s, u"C"_s, u"E"_s, u"F"_s} << Rows{1};
        QTest::newRow("delete the last row")
            << 5 << Rows{4} << -1 << int(Qt::Key_Delete) << 0 << false
            << QStringList{u"A"_s, u"B"_s, u"C"_s, u"D"_s} << Rows{3};
        QTest::newRow("delete every row") << 2 << Rows{0, 1} << -1 << int(Qt::Key_Delete) << 0
                                          << false << QStringList() << Rows{};
        QTest::newRow("delete the focused row, none selected")
            << 3 << Rows{} << 1 << int(Qt::Key_Delete) << 0 << false << QStringList{u"A"_s, u"C"_s}
            << Rows{1};
        QTest::newRow("delete the selected row, not the focused one")
            << 3 << Rows{0} << 2 << int(Qt::Key_Delete) << 0 << false << QStringList{u"B"_s, u"C"_s}
            << Rows{0};
        QTest::newRow("Ctrl+A selects every row")
            << 3 << Rows{} << -1 << int(Qt::Key_A) << ctrl << false << abc << Rows{0, 1, 2};
        QTest::newRow("Ctrl+A, Ctrl let go first")
            << 3 << Rows{} << -1 << int(Qt::Key_A) << ctrl << true << abc << Rows{0, 1, 2};
        QTest::newRow("Ctrl+Shift+V does nothing")
            << 3 << Rows{} << -1 << int(Qt::Key_V) << int(Qt::ControlModifier | Qt::ShiftModifier)
            << false << abc << Rows{};
        QTest::newRow("Ctrl+V pastes") << 3 << Rows{} << -1 << int(Qt::Key_V) << ctrl << false
                                       << QStringList{u"P"_s, u"Q"_s, u"R"_s} << Rows{};
        QTest::newRow("Ctrl+V, Ctrl let go first, pastes")
            << 3 << Rows{} << -1 << int(Qt::Key_V) << ctrl << true
            << QStringList{u"P"_s, u"Q"_s, u"R"_s} << Rows{};
        QTest::newRow("F2 modifies the selected row")
            << 3 << Rows{1} << -1 << int(Qt::Key_F2) << 0 << false
            << QStringList{u"A"_s, u"X"_s, u"C"_s} << Rows{1};
        QTest::newRow("Return modifies the selected row")
            << 3 << Rows{2} << -1 << int(Qt::Key_Return) << 0 << false
            << QStringList{u"A"_s, u"B"_s, u"X"_s} << Rows{2};
        QTest::newRow("Enter modifies the selected row")
            << 3 << Rows{0} << -1 << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << false
            << QStringList{u"X"_s, u"B"_s, u"C"_s} << Rows{0};
        QTest::newRow("F2 modifies the focused row, none selected")
            << 3 << Rows{} << 1 << int(Qt::Key_F2) << 0 << false
            << QStringList{u"A"_s, u"X"_s, u"C"_s} << Rows{};
        QTest::newRow("F2 with two rows selected does nothing")
            << 3 << Rows{0, 2} << -1 << int(Qt::Key_F2) << 0 << false << abc << Rows{0, 2};
        QTest::newRow("Alt+Up moves the selected row up")
            << 3 << Rows{1} << -1 << int(Qt::Key_Up) << alt << false
            << QStringList{u"B"_s, u"A"_s, u"C"_s} << Rows{0};
        QTest::newRow("Alt+Down moves two rows down together")
            << 4 << Rows{0, 1} << -1 << int(Qt::Key_Down) << alt << false
            << QStringList{u"C"_s, u"A"_s, u"B"_s, u"D"_s} << Rows{1, 2};
        QTest::newRow("Alt+Up on the first row does nothing")
            << 3 << Rows{0} << -1 << int(Qt::Key_Up) << alt << false << abc << Rows{0};
        QTest::newRow("Alt+Down on the last row does nothing")
            << 3 << Rows{2} << -1 << int(Qt::Key_Down) << alt << false << abc << Rows{2};
    }
    void keysEditTheNames()
    {
        QFETCH(int, count);
        QFETCH(Rows, selection);
        QFETCH(int, focused);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, ctrlLetGoFirst);
        QStringList names;
        for (int i = 0; i < count; ++i)
            names << QString(QChar(u'A' + i));
        Session session(names, "Numérotation=0\n", count + 1);
        session.env.clipboard.content = u"P\nQ\nR"_s;
        session.select(selection);
        if (focused >= 0)
            session.focus(focused);
        session.answer(u"X"_s);
        const int readsBefore = session.env.clipboard.reads;
        const auto held = Qt::KeyboardModifiers(modifiers);
        if (ctrlLetGoFirst) {
            QTest::keyPress(session.list, Qt::Key(key), held);
            QTest::keyRelease(session.list, Qt::Key_Control, held & ~Qt::ControlModifier);
            QTest::keyRelease(session.list, Qt::Key(key), held & ~Qt::ControlModifier);
        } else {
            QTest::keyClick(session.list, Qt::Key(key), held);
        }
        QFETCH(QStringList, expected);
        for (QString& name : expected)
            name += u".mp3"_s;
        QCOMPARE(session.names(), expected);
        QTEST(session.selected(), "expectedSelection");
        // Each command runs once per press, whenever its keys are let go.
        const bool paste = key == Qt::Key_V && held == Qt::ControlModifier;
        QCOMPARE(session.env.clipboard.reads - readsBefore, paste ? 1 : 0);
        QCOMPARE(session.editor().dragRow(), -1); // a key arms no drag
    }

    void dialogAsksForTheRightRow()
    {
        Session session({u"A"_s, u"B"_s, u"Intro 3:45"_s}, "Numérotation=-1\n");
        QCOMPARE(session.names()[2], u"03 - Intro.mp3"_s);
        session.select({1});
        QTest::keyClick(session.list, Qt::Key_Insert, Qt::ControlModifier);
        QCOMPARE(session.env.nameAsker.requests.last().caption, u"Ajouter"_s);
        QCOMPARE(session.env.nameAsker.requests.last().prompt,
                 u"Veuillez saisir le nom du fichier n°4..."_s);
        // Modify shows the text the name is made from as it is, without
        // number or extension; confirmed unchanged, it changes nothing.
        session.select({2});
        session.answer(u"Intro 3:45"_s);
        QTest::mouseDClick(session.list->viewport(), Qt::LeftButton, {}, session.at(2));
        const NameRequest& modify = session.env.nameAsker.requests.last();
        QCOMPARE(modify.caption, u"Modifier"_s);
        QCOMPARE(modify.prompt, u"Veuillez saisir le nom du fichier n°3..."_s);
        QCOMPARE(modify.text, u"Intro 3:45"_s);
        QCOMPARE(session.names()[2], u"03 - Intro.mp3"_s);
        session.answer(u"Outro"_s);
        QTest::mouseDClick(session.list->viewport(), Qt::LeftButton, {}, session.at(2));
        QCOMPARE(session.names()[2], u"03 - Outro.mp3"_s);
        QCOMPARE(session.selected(), Rows{2});
    }

    void cancelledDialogChangesNothing()
    {
        Session session({u"A"_s, u"B"_s});
        session.select({0});
        QTest::keyClick(session.list, Qt::Key_Insert);
        QCOMPARE(session.names(), (QStringList{u"A.mp3"_s, u"B.mp3"_s}));
    }

    // With no file listed the run after a deletion is refused: the rows left
    // still name their own records, and can be modified.
    void deleteWithoutFilesKeepsRowsWhole()
    {
        Session session({u"A"_s, u"B"_s, u"C"_s});
        QDir().mkpath(session.env.path(u"empty"_s));
        session.window->controls().folderEdit->setText(session.env.path(u"empty"_s));
        QVERIFY(session.window->workspace().fileRows.isEmpty());
        session.select({0});
        QTest::keyClick(session.list, Qt::Key_Delete);
        QCOMPARE(session.names(), (QStringList{u"B.mp3"_s, u"C.mp3"_s}));
        session.select({1});
        session.answer(u"Z"_s);
        QTest::mouseDClick(session.list->viewport(), Qt::LeftButton, {}, session.at(1));
        QCOMPARE(session.env.nameAsker.requests.last().text, u"C"_s);
        QCOMPARE(session.window->workspace().sourceRecords.back().sourceText, u"Z"_s);
    }

    void insertLandsWhereTheUserSawIt()
    {
        // Two records emptied by the treatments sit hidden between A and B.
        Session session({u"A"_s, u"1"_s, u"2"_s, u"B"_s, u"C"_s},
                        "Numérotation=0\nSuppressionChiffresDébut=-1\n", 4);
        QCOMPARE(session.names(), (QStringList{u"A.mp3"_s, u"B.mp3"_s, u"C.mp3"_s}));
        session.select({1});
        session.answer(u"X"_s);
        QTest::keyClick(session.list, Qt::Key_Insert);
        QCOMPARE(session.names(), (QStringList{u"A.mp3"_s, u"X.mp3"_s, u"B.mp3"_s, u"C.mp3"_s}));
        const auto& records = session.window->workspace().sourceRecords;
        QCOMPARE(records[3].sourceText, u"X"_s);
        // A name the treatments empty is hidden, not lost.
        session.select({1});
        session.answer(u"42"_s);
        QTest::keyClick(session.list, Qt::Key_Insert);
        QCOMPARE(session.names().size(), 4);
        QCOMPARE(records.size(), std::size_t(7));
    }

    void contextMenu_data()
    {
        QTest::addColumn<Rows>("selection");
        QTest::addColumn<int>("clickedRow"); // -1: below the last row; with a key, the focused row
        QTest::addColumn<int>("key");        // 0: a right click
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QStringList>("menu");
        QTest::addColumn<Rows>("expectedSelection");
        const QStringList paste{u"-"_s,
                                u"Coller depuis &presse-papiers"_s,
                                u"Coller depuis un &fichier..."_s,
                                u"Coller les &noms actuels des fichiers"_s,
                                u"-"_s,
                                u"Coller une &chaîne de caractères..."_s,
                                u"Coller les &titres lus dans les fichiers"_s};
        const QStringList oneRow =
            QStringList{u"&Ajouter..."_s, u"&Insérer..."_s, u"&Modifier..."_s, u"&Supprimer"_s} +
            paste;
        const QStringList severalRows = QStringList{u"&Ajouter..."_s, u"&Supprimer"_s} + paste;
        const auto menuKey = int(Qt::Key_Menu);
        QTest::newRow("below the last row")
            << Rows{1} << -1 << 0 << 0 << QStringList{u"&Ajouter..."_s} + paste << Rows{};
        QTest::newRow("on the one selected row") << Rows{1} << 1 << 0 << 0 << oneRow << Rows{1};
        QTest::newRow("an unselected row while two are selected")
            << Rows{0, 2} << 3 << 0 << 0 << severalRows << Rows{0, 2, 3};
        QTest::newRow("Menu key on the one selected row")
            << Rows{1} << 1 << menuKey << 0 << oneRow << Rows{1};
        QTest::newRow("Menu key on the focused row, none selected")
            << Rows{} << 2 << menuKey << 0 << oneRow << Rows{2};
        QTest::newRow("Shift+F10 on an unselected row while two are selected")
            << Rows{0, 2} << 3 << int(Qt::Key_F10) << int(Qt::ShiftModifier) << severalRows
            << Rows{0, 2, 3};
    }
    void contextMenu()
    {
        QFETCH(Rows, selection);
        QFETCH(int, clickedRow);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        Session session({u"A"_s, u"B"_s, u"C"_s, u"D"_s});
        session.select(selection);
        auto captions = std::make_shared<QStringList>();
        auto shownAt = std::make_shared<QPoint>();
        QTimer::singleShot(0, [captions, shownAt] {
            if (auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                for (const QAction* item : popup->actions())
                    *captions << (item->isSeparator() ? u"-"_s : item->text().section(u'\t', 0, 0));
                *shownAt = popup->pos();
                popup->close();
            }
        });
        if (key != 0) {
            session.focus(clickedRow);
            QTest::keyClick(session.list, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
            // Opened by a key, the menu hangs under the focused row.
            const QRect row = session.list->visualRect(session.list->model()->index(clickedRow, 0));
            QCOMPARE(*shownAt, session.list->viewport()->mapToGlobal(row.bottomLeft()));
        } else {
            const QPoint point = clickedRow < 0 ? session.below() : session.at(clickedRow);
            QTest::mouseClick(session.list->viewport(), Qt::RightButton, {}, point);
        }
        QTEST(*captions, "menu");
        QTEST(session.selected(), "expectedSelection");
    }

    void menuRefusedWithoutFiles()
    {
        Session session({}, "Numérotation=0\n", 0);
        QTest::mouseClick(session.list->viewport(), Qt::RightButton, {}, session.below());
        QCOMPARE(session.env.prompter.boxes.size(), 1);
        QVERIFY(session.env.prompter.boxes[0].text.startsWith(u"Cette opération n'est possible"_s));
    }

    void dragMovesNames_data()
    {
        QTest::addColumn<Rows>("selection");
        QTest::addColumn<int>("pressedRow");
        QTest::addColumn<int>("heldMs");
        QTest::addColumn<Rows>("path"); // rows the pointer passes, one move each
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<Rows>("expectedSelection");
        const QStringList start{u"01 - A.mp3"_s, u"02 - B.mp3"_s, u"03 - C.mp3"_s,
                                u"04 - D.mp3"_s, u"05 - E.mp3"_s, u"06 - F.mp3"_s};
        QTest::newRow("released after 100 ms: nothing moves")
            << Rows{} << 2 << 100 << Rows{5} << start << Rows{2};
        QTest::newRow("held 300 ms, dragged three rows: the numbers follow")
            << Rows{} << 2 << 300 << Rows{3, 4, 5}
            << QStringList{u"01 - A.mp3"_s, u"02 - B.mp3"_s, u"03 - D.mp3"_s,
                           u"04 - E.mp3"_s, u"05 - F.mp3"_s, u"06 - C.mp3"_s}
            << Rows{5};
        QTest::newRow("rows 2 and 3 dragged up together, then no further")
            << Rows{1, 2} << 1 << 300 << Rows{0, 0}
            << QStringList{u"01 - B.mp3"_s, u"02 - C.mp3"_s, u"03 - A.mp3"_s,
                           u"04 - D.mp3"_s, u"05 - E.mp3"_s, u"06 - F.mp3"_s}
            << Rows{0, 1};
        QTest::newRow("rows 1 and 5 cannot move up")
            << Rows{0, 4} << 4 << 300 << Rows{3} << start << Rows{0, 4};
    }
    void dragMovesNames()
    {
        QFETCH(Rows, selection);
        QFETCH(int, pressedRow);
        QFETCH(int, heldMs);
        QFETCH(Rows, path);
        Session session({u"A"_s, u"B"_s, u"C"_s, u"D"_s, u"E"_s, u"F"_s}, "Numérotation=-1\n");
        session.select(selection);
        QWidget* viewport = session.list->viewport();
        QTest::mousePress(viewport, Qt::LeftButton, {}, session.at(pressedRow));
        QTest::qWait(heldMs);
        const bool armed = session.editor().dragRow() >= 0;
        QCOMPARE(armed, heldMs >= 200);
        if (armed)
            QCOMPARE(viewport->cursor().shape(), Qt::SizeVerCursor);
        for (int row : path)
            QTest::mouseMove(viewport, session.at(row));
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, session.at(path.last()));
        QTEST(session.names(), "expected");
        QTEST(session.selected(), "expectedSelection");
        QCOMPARE(viewport->cursor().shape(), Qt::ArrowCursor);
    }

    void dragScrollsNearTheEdges()
    {
        QStringList names;
        for (int i = 0; i < 60; ++i)
            names << u"N%1"_s.arg(i);
        Session session(names);
        QWidget* viewport = session.list->viewport();
        QScrollBar* bar = session.list->verticalScrollBar();
        QTRY_VERIFY(bar->maximum() > 3);
        QTest::mousePress(viewport, Qt::LeftButton, {}, session.at(0));
        QTRY_VERIFY(session.editor().dragRow() >= 0);
        const QPoint nearBottom(10, viewport->height() - 5);
        for (int move = 1; move <= 3; ++move) {
            QTest::mouseMove(viewport, nearBottom + QPoint(move, 0));
            QCOMPARE(bar->value(), move);
        }
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, nearBottom);
    }

    void textDrop_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("withFile");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<QStringList>("expected");
        const QStringList unchanged{u"A.mp3"_s, u"B.mp3"_s, u"C.mp3"_s};
        QTest::newRow("three lines of text")
            << u"One\r\nTwo\r\nThree"_s << false << Qt::KeyboardModifiers()
            << QStringList{u"One.mp3"_s, u"Two.mp3"_s, u"Three.mp3"_s};
        // Shift makes the source propose a move, as editors do by default.
        QTest::newRow("text the source would move: copied")
            << u"One"_s << false << Qt::KeyboardModifiers(Qt::ShiftModifier)
            << QStringList{u"One.mp3"_s};
        QTest::newRow("a file") << QString() << true << Qt::KeyboardModifiers() << unchanged;
        QTest::newRow("a file that offers its path as text")
            << u"music/a.mp3"_s << true << Qt::KeyboardModifiers() << unchanged;
    }
    void textDrop()
    {
        QFETCH(QString, text);
        QFETCH(bool, withFile);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        Session session({u"A"_s, u"B"_s, u"C"_s});
        QMimeData data;
        if (withFile)
            data.setUrls({QUrl::fromLocalFile(session.env.path(u"music/a.mp3"_s))});
        if (!text.isEmpty())
            data.setText(withFile ? session.env.path(text) : text);
        const bool taken = !text.isEmpty() && !withFile;
        const auto actions = Qt::CopyAction | Qt::MoveAction;
        QWidget* viewport = session.list->viewport();
        QDragEnterEvent enter(session.at(1), actions, &data, Qt::LeftButton, modifiers);
        QApplication::sendEvent(viewport, &enter);
        QCOMPARE(enter.isAccepted(), taken);
        QDropEvent drop(session.at(1).toPointF(), actions, &data, Qt::LeftButton, modifiers);
        QApplication::sendEvent(viewport, &drop);
        QCOMPARE(drop.isAccepted(), taken);
        if (taken)
            QCOMPARE(drop.dropAction(), Qt::CopyAction); // what the source is told
        QTEST(session.names(), "expected");
    }

    // Paste, drag a name into place, rename: each file's content now carries
    // the name the user put in front of it.
    void dragThenRename()
    {
        Session session({u"Intro"_s, u"Song"_s, u"Outro"_s}, "Numérotation=-1\n");
        QWidget* viewport = session.list->viewport();
        QTest::mousePress(viewport, Qt::LeftButton, {}, session.at(2));
        QTRY_VERIFY(session.editor().dragRow() >= 0);
        QTest::mouseMove(viewport, session.at(1));
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, session.at(1));
        QCOMPARE(session.names(),
                 (QStringList{u"01 - Intro.mp3"_s, u"02 - Outro.mp3"_s, u"03 - Song.mp3"_s}));
        session.window->renameClicked();
        const QString folder = session.env.path(u"music/"_s);
        QCOMPARE(ReadFile(folder + u"01 - Intro.mp3"_s), QByteArray("a"));
        QCOMPARE(ReadFile(folder + u"02 - Outro.mp3"_s), QByteArray("b"));
        QCOMPARE(ReadFile(folder + u"03 - Song.mp3"_s), QByteArray("c"));
    }
};

QTEST_MAIN(TestNameEditing)
#include "tst_nameediting.moc"
