// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/MainWindow.h"
#include "options/OptionsPanel.h"
#include "session/RenameWorkspace.h"
#include "support/TestEnvironment.h"
#include "widgets/ReadableColour.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTreeView>
#include <QWheelEvent>

using namespace tervane;

using namespace Qt::StringLiterals;

// The options panel and the folder field of the real main window, on
// temporary folders of real files, with real keys and focus changes.
class TestOptionsPanel : public QObject {
    Q_OBJECT

    struct Session {
        TestEnvironment env;
        std::unique_ptr<MainWindow> window;
        OptionsPanel* panel = nullptr;

        explicit Session(int files = 3, const QByteArray& config = {},
                         const QStringList& languages = {})
        {
            const QString folder = env.path(u"music"_s);
            QDir().mkpath(folder);
            for (const QString& language : languages)
                WriteFile(env.path(u"program/%1.lng"_s.arg(language)), "[Traduction]\n");
            for (int i = 1; i <= files; ++i)
                WriteFile(u"%1/t%2.mp3"_s.arg(folder).arg(i, 3, 10, QLatin1Char('0')));
            WriteFile(env.settingsFile(), "[Config]\n" + config);
            env.context().folderArgument = folder;
            window = std::make_unique<MainWindow>(env.context());
            if (!window->load())
                qFatal("start-up failed");
            window->showAsLoaded();
            window->settingsClicked();
            QApplication::setActiveWindow(window.get());
            panel = window->controls().optionsPanel;
        }
        QStringList names() const
        {
            QStringList texts;
            for (const NameRow& row : window->workspace().nameRows)
                texts << row.text;
            return texts;
        }
        int boxes() const { return int(env.prompter.boxes.size()); }
        QLineEdit* box(const QString& name) const { return panel->findChild<QLineEdit*>(name); }
    };

private slots:
    void checkBoxesGreyTheirFields()
    {
        Session session;
        OptionsPanel& p = *session.panel;
        session.window->dropText(u"Intro\nSong\nOutro"_s);
        QCOMPARE(session.names().first(), u"01 - Intro.mp3"_s);

        p.numberingBox->setChecked(false);
        for (QWidget* greyed : std::initializer_list<QWidget*>{
                 p.numberingPrefixEdit, p.numberingSuffixEdit, p.numberingPrefixLabel,
                 p.numberingSuffixLabel, p.fillWidthLabel, p.numberingPlaces[0],
                 p.numberingPlaces[1], p.fillWidthList})
            QVERIFY2(!greyed->isEnabled(), qPrintable(greyed->objectName()));
        QCOMPARE(session.names().first(), u"Intro.mp3"_s);

        QVERIFY(!p.termsEdit->isEnabled() && !p.termsHint->isEnabled());
        p.removeTermsBox->setChecked(true);
        QVERIFY(p.termsEdit->isEnabled() && p.termsHint->isEnabled());

        const std::initializer_list<QWidget*> replaceFields{p.replaceFromEdit, p.replaceToEdit,
                                                            p.replaceRegexBox};
        QVERIFY(std::none_of(replaceFields.begin(), replaceFields.end(),
                             [](QWidget* field) { return field->isEnabled(); }));
        p.replaceBox->setChecked(true);
        QVERIFY(std::all_of(replaceFields.begin(), replaceFields.end(),
                            [](QWidget* field) { return field->isEnabled(); }));
        // An expression is checked as it is typed; the names wait for a valid one.
        p.replaceRegexBox->setChecked(true);
        p.replaceToEdit->setText(u"Track"_s);
        p.replaceFromEdit->setText(u"^(So"_s);
        QVERIFY(!p.replaceFromEdit->toolTip().isEmpty());
        QCOMPARE(session.names()[1], u"Song.mp3"_s);
        p.replaceFromEdit->setText(u"^(So)ng"_s);
        QVERIFY(p.replaceFromEdit->toolTip().isEmpty());
        QCOMPARE(session.names()[1], u"Track.mp3"_s);
        // So is one the engine gives up on for a name: then no name is changed.
        const QString longRun(40, u'a');
        session.window->dropText(u"Intro\nSong\n"_s + longRun);
        p.replaceFromEdit->setText(u"^(So)ng|(a|aa)+c"_s);
        QVERIFY2(p.replaceFromEdit->toolTip().contains(longRun),
                 qPrintable(p.replaceFromEdit->toolTip()));
        QCOMPARE(p.replaceFromEdit->palette().color(QPalette::Text),
                 doubledNameColour(p.replaceFromEdit->palette().color(QPalette::Base)));
        QCOMPARE(session.names()[1], u"Song.mp3"_s);
        p.replaceFromEdit->setText(u"^(So)ng"_s);
        QVERIFY(p.replaceFromEdit->toolTip().isEmpty());
        QCOMPARE(session.names()[1], u"Track.mp3"_s);
        p.replaceBox->setChecked(false);
        QCOMPARE(session.names()[1], u"Song.mp3"_s);

        // A position box is usable only with its option at a position.
        for (auto [check, options, position] :
             {std::tuple{p.removeCharactersBox, p.removeCharactersPlaces,
                         p.removeCharactersPositionEdit},
              std::tuple{p.addStringBox, p.addStringPlaces, p.addStringPositionEdit}}) {
            QVERIFY(!options[0]->isEnabled() && !position->isEnabled());
            check->setChecked(true);
            QVERIFY(options[0]->isEnabled() && !position->isEnabled());
            options[2]->setChecked(true);
            QVERIFY(position->isEnabled());
            check->setChecked(false);
            QVERIFY(!position->isEnabled() && !options[2]->isEnabled());
        }
    }

    void optionButtonRemakesTheNames()
    {
        Session session;
        session.window->dropText(u"Intro\nSong"_s);
        session.panel->numberingPlaces[1]->setChecked(true);
        QCOMPARE(session.names().first(), u"Intro01 - .mp3"_s);
    }

    void boxesFilterWhatTheyHold_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("typed"); // typed key by key
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("beeps");
        QTest::newRow("a letter after the count's 0: two beeps")
            << u"txtSuppressionCaractèresNombre"_s << u"0"_s << u"a"_s << QString() << u"0"_s << 2;
        QTest::newRow("x5 pasted into the removal position")
            << u"txtSuppressionCaractèresPosition"_s << QString() << QString() << u"x5"_s << u"5"_s
            << 1;
        QTest::newRow("? typed into the added string")
            << u"txtAjoutChaîne"_s << QString() << u"?"_s << QString() << QString() << 1;
        QTest::newRow("ab:cd pasted into the prefix") << u"txtNumérotationPréfixe"_s << QString()
                                                      << QString() << u"ab:cd"_s << u"abcd"_s << 1;
        QTest::newRow("digits go in without a beep")
            << u"txtAjoutChaînePosition"_s << QString() << u"12"_s << QString() << u"12"_s << 0;
    }
    void boxesFilterWhatTheyHold()
    {
        QFETCH(QString, box);
        QFETCH(QString, start);
        QFETCH(QString, typed);
        QFETCH(QString, pasted);
        Session session(3, "SuppressionCaractères=-1\nSuppressionCaractèresMode=2\n"
                           "AjoutChaîne=-1\nAjoutChaîneMode=2\n");
        QLineEdit* edit = session.box(box);
        QVERIFY(edit && edit->isEnabled());
        edit->setText(start);
        edit->setCursorPosition(int(start.size()));
        const int beepsBefore = session.env.prompter.beeps;
        if (!typed.isEmpty())
            QTest::keyClicks(edit, typed);
        else
            edit->insert(pasted);
        QTEST(edit->text(), "expected");
        QTEST(session.env.prompter.beeps - beepsBefore, "beeps");
    }

    void emptyNumberBoxRefusedOnLeaving_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("refill");
        QTest::newRow("count: 0") << u"txtSuppressionCaractèresNombre"_s << u"0"_s;
        QTest::newRow("removal position: 1") << u"txtSuppressionCaractèresPosition"_s << u"1"_s;
        QTest::newRow("added-string position: left empty")
            << u"txtAjoutChaînePosition"_s << QString();
    }
    void emptyNumberBoxRefusedOnLeaving()
    {
        QFETCH(QString, box);
        Session session(3, "SuppressionCaractères=-1\nSuppressionCaractèresMode=2\n"
                           "AjoutChaîne=-1\nAjoutChaîneMode=2\n");
        QLineEdit* edit = session.box(box);
        edit->setFocus();
        QTRY_VERIFY(edit->hasFocus());
        edit->clear();
        QTest::keyClick(edit, Qt::Key_Tab);
        QCOMPARE(session.boxes(), 1);
        QCOMPARE(session.env.prompter.boxes[0].text,
                 u"Valeur incorrecte : ce champ doit contenir un chiffre supérieur à 0..."_s);
        QTEST(edit->text(), "refill");
        QTRY_VERIFY(edit->hasFocus());
    }

    void focusSelectsAllButTheSuffix()
    {
        Session session(3, "SuppressionTermes=-1\nTermesASupprimer=live;bonus\n");
        QLineEdit* terms = session.panel->termsEdit;
        QLineEdit* suffix = session.panel->numberingSuffixEdit;
        terms->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(terms->selectedText(), u"live;bonus"_s);
        suffix->setFocus(Qt::TabFocusReason);
        QTest::qWait(20);
        QVERIFY(suffix->hasFocus());
        QVERIFY(!suffix->hasSelectedText());
    }

    void fillWidthAndNumbering()
    {
        Session session(150);
        QStringList lines;
        for (int i = 1; i <= 150; ++i)
            lines << u"Song %1"_s.arg(i);
        session.window->dropText(lines.join(u'\n'));
        QComboBox* widths = session.panel->fillWidthList;
        widths->setCurrentIndex(widths->findData(2));
        QCOMPARE(session.boxes(), 1);
        QVERIFY(session.env.prompter.boxes[0].text.startsWith(u"Cette valeur de remplissage"_s));
        QVERIFY(!session.window->controls().renameButton->isEnabled());
        // Numbering off: the width no longer matters, and names come without a warning.
        session.panel->numberingBox->setChecked(false);
        session.window->dropText(u"A\nB"_s);
        QCOMPARE(session.boxes(), 1);
        QCOMPARE(session.names().first(), u"A.mp3"_s);
    }

    // A wheel turned over a list the user did not click passes it by.
    void wheelOverAList_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<bool>("focused");
        QTest::newRow("language list") << u"cboLangue"_s << false;
        QTest::newRow("fill width list") << u"cboNumérotationRemplissage"_s << false;
        QTest::newRow("fill width list, with the focus") << u"cboNumérotationRemplissage"_s << true;
    }
    void wheelOverAList()
    {
        QFETCH(QString, list);
        QFETCH(bool, focused);
        Session session(3, {}, {u"English"_s});
        auto* box = session.panel->findChild<QComboBox*>(list);
        QVERIFY(box && box->isEnabled() && box->count() > box->currentIndex() + 1);
        QVERIFY(QTest::qWaitForWindowActive(session.window.get()));
        (focused ? static_cast<QWidget*>(box) : session.window->controls().nameList)->setFocus();
        QTRY_COMPARE(box->hasFocus(), focused);
        const int before = box->currentIndex();
        const QPointF centre = box->rect().center();
        QWheelEvent notch(centre, box->mapToGlobal(centre), {}, {0, -120}, Qt::NoButton, {},
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(box, &notch);
        QCOMPARE(box->currentIndex(), focused ? before + 1 : before);
        QVERIFY(!session.window->state().restartRequired);
    }

    void noFileListedGreysThenRefuses()
    {
        Session session(0);
        session.panel->numberingBox->setChecked(false);
        QVERIFY(!session.panel->numberingPrefixEdit->isEnabled());
        QCOMPARE(session.boxes(), 1);
        QVERIFY(session.env.prompter.boxes[0].text.startsWith(u"Cette opération n'est possible"_s));
    }

    // The undo set belongs to the folder it was made in.
    void folderField()
    {
        Session session;
        const QString music = session.env.path(u"music"_s);
        const QString other = session.env.path(u"other/Album 2"_s);
        QDir().mkpath(other);
        WriteFile(other + u"/x.mp3"_s);
        session.window->dropText(u"A\nB\nC"_s);
        session.window->renameClicked();
        QVERIFY(!session.window->workspace().undoSet.empty());
        QSignalSpy listings(session.window->controls().fileList->model(),
                            &QAbstractItemModel::modelReset);

        // Cancel in the picker: nothing changes; the same folder picked: listed
        // again, the undo set kept.
        session.window->controls().browseButton->click();
        QCOMPARE(session.window->controls().folderEdit->text(), music);
        QCOMPARE(listings.size(), 0);
        session.env.dialogs.nextFolder = music;
        session.window->controls().browseButton->click();
        QCOMPARE(listings.size(), 1);
        QVERIFY(session.window->controls().undoButton->isEnabled());

        // Typed key by key: every existing folder reached on the way is
        // listed (the folder list follows), no other keystroke lists.
        QLineEdit* folder = session.window->controls().folderEdit;
        folder->clear();
        listings.clear();
        QTest::keyClicks(folder, other);
        int reached = 0;
        QString previous = music;
        for (qsizetype n = 1; n <= other.size(); ++n)
            if (const QString typed = other.left(n);
                typed != previous && QFileInfo(typed).isDir()) {
                ++reached;
                previous = typed;
            }
        QCOMPARE(listings.size(), reached);
        QCOMPARE(session.window->workspace().fileRows, QStringList{u"x.mp3"_s});
        QVERIFY(session.window->workspace().undoSet.empty());

        // Drops: a file is refused; of two folders, the first is taken.
        const auto drag = [&](const QList<QUrl>& urls) {
            QMimeData data;
            data.setUrls(urls);
            QDragEnterEvent enter({5, 5}, Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(folder, &enter);
            if (enter.isAccepted()) {
                QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
                QApplication::sendEvent(folder, &drop);
            }
            return enter.isAccepted();
        };
        QVERIFY(!drag({QUrl::fromLocalFile(other + u"/x.mp3"_s)}));
        QCOMPARE(folder->text(), other);
        QVERIFY(drag({QUrl::fromLocalFile(music), QUrl::fromLocalFile(other)}));
        QCOMPARE(folder->text(), music);
        QCOMPARE(folder->selectedText(), music);
    }
};

QTEST_MAIN(TestOptionsPanel)
#include "tst_optionspanel.moc"
