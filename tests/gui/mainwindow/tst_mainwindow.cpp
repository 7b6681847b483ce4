// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/NameDialog.h"
#include "i18n/TranslationCatalogue.h"
#include "layout/LayoutWidgets.h"
#include "mainwindow/MainWindow.h"
#include "options/OptionsPanel.h"
#include "qtservices/QtServices.h"
#include "settings/IniFile.h"
#include "support/TestEnvironment.h"
#include "widgets/Controls.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QScreen>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTest>
#include <QTimer>
#include <QTreeView>

using namespace tervane;

using namespace Qt::StringLiterals;

namespace {

// Every shown control narrower than its caption, cut by its parent's edge
// (a scrolled view's content excepted), or overlapping a sibling.
QStringList cutCaptions(QWidget* window)
{
    QStringList problems;
    QList<const QWidget*> checked;
    for (const QWidget* control : window->findChildren<QWidget*>()) {
        if (control->objectName().isEmpty() || control->objectName().startsWith(u"qt_"_s) ||
            !control->isVisibleTo(window) || control->isWindow())
            continue;
        const QRect place = control->geometry();
        const int needed = neededCaptionWidth(control);
        if (place.width() < needed)
            problems << u"%1 %2 < %3"_s.arg(controlKey(control)).arg(place.width()).arg(needed);
        const QWidget* parent = control->parentWidget();
        if (!parent->rect().contains(place) && parent->objectName() != u"qt_scrollarea_viewport"_s)
            problems << u"%1 %2,%3 %4x%5 outside its parent %6x%7"_s.arg(controlKey(control))
                            .arg(place.x())
                            .arg(place.y())
                            .arg(place.width())
                            .arg(place.height())
                            .arg(parent->width())
                            .arg(parent->height());
        for (const QWidget* sibling : checked)
            // Neighbouring buttons may share their one-pixel border.
            if (sibling->parentWidget() == control->parentWidget() &&
                sibling->geometry().intersected(place).height() > 1)
                problems << controlKey(control) + u" over "_s + controlKey(sibling);
        checked << control;
    }
    return problems;
}

// A language file whose every caption is much longer than the French one.
void writeLongCaptions(TestEnvironment& env, QWidget* window)
{
    QByteArray file = "[Traduction]\nCodeLangue=9\n";
    for (const QWidget* control : window->findChildren<QWidget*>()) {
        const auto* button = qobject_cast<const QAbstractButton*>(control);
        const auto* label = qobject_cast<const QLabel*>(control);
        const QString text = button ? button->text() : label ? label->text() : QString();
        if (!text.isEmpty() && !control->objectName().isEmpty())
            file += (controlKey(control) + u'=' + text + u" in a much longer language"_s + u'\n')
                        .toUtf8();
    }
    for (int width : {0, 2, 3, 4, 5, 6, 7, 8, 9})
        file +=
            u"<TXT_REMPLISSAGE%1>a fill of %1 digits, in a much longer language</TXT_REMPLISSAGE%1>\n"_s
                .arg(width)
                .toUtf8();
    WriteFile(env.path(u"program/Long.lng"_s), file);
    WriteFile(env.settingsFile(), "[Config]\nLangue=Long\n");
}

QString stored(const TestEnvironment& env, const QString& key)
{
    return readIniString(env.settingsFile(), u"Config"_s, key, u"<missing>"_s);
}

// The real notification area, on a desktop that has one; the test plays the
// desktop and delivers the clicks to the icon.
class DesktopNotificationArea : public QtNotificationArea {
public:
    bool available() const override { return true; }
    using QtNotificationArea::icon;
};

} // namespace

// The real main window, started on a temporary program folder.
class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void startsWithEmptyListsAndThePanelCollapsed()
    {
        TestEnvironment env;
        MainWindow window(env.context());
        QVERIFY(window.load());
        window.showAsLoaded();
        QCOMPARE(window.windowTitle(), u"Tervane v2.4"_s);
        QVERIFY(!window.windowIcon().pixmap(48, 48).isNull());
        QCOMPARE(window.controls().fileCountValue->text(), u"0"_s);
        QCOMPARE(window.controls().nameCountValue->text(), u"0"_s);
        QVERIFY(!window.controls().renameButton->isEnabled());
        QVERIFY(!window.controls().clearNamesButton->isEnabled());
        QVERIFY(!window.controls().undoButton->isEnabled());
        QVERIFY(window.controls().settingsButton->property("tag").toString().isEmpty());
        QVERIFY(!window.controls().showSettingsAction->isChecked());
        QVERIFY(!window.controls().trayMenu->menuAction()->isVisible());
        QCOMPARE(window.controls().folderEdit->text(), env.path(u"documents"_s));
        QCOMPARE(window.controls().optionsPanel->patternsEdit->text(), u"*.mp3;*.wma"_s);
        QVERIFY(window.state().treatmentSettingsChanged);
        QVERIFY2(env.prompter.boxes.isEmpty(), qPrintable(env.prompter.boxes.value(0).text));
        QCOMPARE(env.prompter.busyDepth, 0);
        window.close();
    }

    void controlsAndMenusCarryTheirNames()
    {
        TestEnvironment env;
        MainWindow window(env.context());
        for (const char* name : {"lblRépertoire",
                                 "txtRépertoire",
                                 "btnParcourir",
                                 "lblFichiers",
                                 "btnRafraîchir",
                                 "picRafraîchir",
                                 "btnTriDate",
                                 "lvwFichiers",
                                 "picSéparateur",
                                 "lvwNoms",
                                 "btnColler",
                                 "btnCollerPlus",
                                 "btnViderListe",
                                 "btnRenommer",
                                 "btnAnnuler",
                                 "btnRéglages",
                                 "btnQuitter",
                                 "chkTriNum",
                                 "lblNbFichiers",
                                 "lblNbFichiersValeur",
                                 "lblNbNoms",
                                 "lblNbNomsValeur",
                                 "picOptions",
                                 "fraTraitements",
                                 "chkSuppressionDurées",
                                 "cboNumérotationRemplissage",
                                 "txtExtensions",
                                 "cboLangue"})
            QVERIFY2(window.findChild<QWidget*>(QString::fromUtf8(name)), name);
        QCOMPARE(window.controls().quitAction->shortcut(), QKeySequence(u"Ctrl+Q"_s));
        QCOMPARE(window.controls().aboutAction->shortcut(), QKeySequence(Qt::Key_F1));
        QCOMPARE(window.controls().rememberSplitterAction->text(),
                 u"Mémoriser la p&osition du séparateur"_s);
        const auto options =
            window.controls().optionsPanel->findChildren<QWidget*>(u"optNumérotationPosition"_s);
        QCOMPARE(options.size(), 2);
        QCOMPARE(options[1]->property("index").toInt(), 1);
    }

    void quitWritesTheSettings()
    {
        TestEnvironment env;
        const QString music = env.path(u"music"_s);
        QDir().mkpath(music);
        env.context().folderArgument = music;
        MainWindow window(env.context());
        QVERIFY(window.load());
        window.showAsLoaded();
        window.controls().optionsPanel->numberingSuffixEdit->setText(u" _ "_s);
        window.controls().quitAction->trigger();
        QVERIFY(!window.isVisible());
        QCOMPARE(stored(env, u"Langue"_s), u"Français"_s);
        QCOMPARE(stored(env, u"Extensions"_s), u"*.mp3;*.wma"_s);
        QCOMPARE(stored(env, u"SuppressionDurées"_s), u"-1"_s);
        QCOMPARE(stored(env, u"NumérotationRemplissage"_s), u"2"_s);
        QCOMPARE(stored(env, u"NumérotationSuffixe"_s), u"&nbsp;_&nbsp;"_s);
        QCOMPARE(stored(env, u"DernierDossier"_s), music);
        QCOMPARE(stored(env, u"FenêtreMémoriserTaille"_s), u"<missing>"_s); // group W untouched
        QCOMPARE(env.launcher.launches, 0);
    }

    // The folder named on the command line is taken as it is; anything else
    // is said, over the last folder.
    void folderNamedAtStart_data()
    {
        QTest::addColumn<QString>("named"); // under the environment's root
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("said");
        QTest::newRow("a double quote and spaces")
            << u"Le \"Best\" of "_s << u"Le \"Best\" of "_s << false;
        QTest::newRow("not a folder") << u"song.mp3"_s << u"documents"_s << true;
        QTest::newRow("missing") << u"nowhere"_s << u"documents"_s << true;
    }
    void folderNamedAtStart()
    {
        QFETCH(QString, named);
        TestEnvironment env;
        QDir().mkpath(env.path(u"Le \"Best\" of "_s));
        WriteFile(env.path(u"song.mp3"_s));
        env.context().folderArgument = env.path(named);
        MainWindow window(env.context());
        QVERIFY(window.load());
        window.showAsLoaded();
        QFETCH(QString, shown);
        QCOMPARE(window.controls().folderEdit->text(), env.path(shown));
        QFETCH(bool, said);
        QCOMPARE(env.prompter.boxes.size(), said ? 1 : 0);
        if (said)
            QCOMPARE(env.prompter.boxes[0].text,
                     u"'%1' n'est pas un dossier : le dernier dossier utilisé est ouvert à la "
                     "place."_s.arg(env.path(named)));
        window.close();
    }

    void storedSettingsComeBack()
    {
        TestEnvironment env;
        WriteFile(env.settingsFile(), "[Config]\nLangue=Français\nExtensions=*.flac\n"
                                      "NumérotationNbChiffres=3\nNumérotationPosition=1\n"
                                      "FenêtreMémoriserTaille=-1\nFenêtreLargeur=12000\n"
                                      "FenêtreHauteur=7000\nDernierDossier=/nonexistent/x/y\n");
        MainWindow window(env.context());
        QVERIFY(window.load());
        QCOMPARE(window.controls().optionsPanel->patternsEdit->text(), u"*.flac"_s);
        QVERIFY(window.controls().optionsPanel->numberingPlaces[1]->isChecked());
        QCOMPARE(window.controls().optionsPanel->fillWidthList->currentData().toInt(), 3);
        QVERIFY(window.controls().rememberSizeAction->isChecked());
        QCOMPARE(window.controls().folderEdit->text(), u"/"_s);
        window.close();
        QCOMPARE(stored(env, u"NumérotationRemplissage"_s), u"3"_s);
        QCOMPARE(stored(env, u"NumérotationNbChiffres"_s), u"<missing>"_s);
        QCOMPARE(stored(env, u"FenêtreLargeur"_s), u"12000"_s);
    }

    void optionsMenuMarksAreSavedWhenToggled()
    {
        TestEnvironment env;
        MainWindow window(env.context());
        QVERIFY(window.load());
        window.controls().rememberPositionAction->trigger();
        window.controls().resolvePermutationsAction->trigger();
        window.close();
        QCOMPARE(stored(env, u"FenêtreMémoriserPosition"_s), u"-1"_s);
        QCOMPARE(stored(env, u"RésoudrePermutations"_s), u"-1"_s);
        MainWindow again(env.context());
        QVERIFY(again.load());
        QVERIFY(again.controls().resolvePermutationsAction->isChecked());
        QCOMPARE(stored(env, u"FenêtreMémoriserTaille"_s), u"0"_s);
        QVERIFY(stored(env, u"FenêtreGauche"_s) != u"<missing>"_s);
    }

    void panelIsCollapsedBeforeTheSizeIsStored()
    {
        TestEnvironment env;
        WriteFile(env.settingsFile(), "[Config]\nFenêtreMémoriserTaille=-1\n");
        MainWindow window(env.context());
        QVERIFY(window.load());
        window.showAsLoaded();
        const int collapsed = window.height();
        window.controls().settingsButton->click();
        QVERIFY(window.height() > collapsed);
        QVERIFY(window.controls().showSettingsAction->isChecked());
        window.close();
        const int storedHeight = stored(env, u"FenêtreHauteur"_s).toInt();
        QVERIFY2(qAbs(storedHeight - collapsed * 15) <= 15,
                 qPrintable(QString::number(storedHeight)));
    }

    void captionsAreNeverCut_data()
    {
        QTest::addColumn<bool>("longCaptions");
        QTest::addColumn<bool>("panel");
        QTest::addColumn<bool>("smallest"); // the window shrunk to its minimum size
        QTest::newRow("French") << false << true << false;
        QTest::newRow("a language with long captions") << true << true << false;
        QTest::newRow("at its smallest, panel shown") << false << true << true;
        QTest::newRow("at its smallest, panel hidden") << false << false << true;
        QTest::newRow("long captions at the smallest") << true << true << true;
    }
    void captionsAreNeverCut()
    {
        QFETCH(bool, longCaptions);
        QFETCH(bool, panel);
        QFETCH(bool, smallest);
        TestEnvironment env;
        if (longCaptions) {
            MainWindow design(env.context());
            writeLongCaptions(env, &design);
        }
        MainWindow window(env.context());
        QVERIFY(window.load());
        window.showAsLoaded();
        if (window.controls().optionsPanel->isVisibleTo(&window) != panel)
            window.controls().settingsButton->click();
        QCOMPARE(window.controls().optionsPanel->isVisibleTo(&window), panel);
        if (smallest)
            window.resize(window.minimumSize());
        QCOMPARE(longCaptions, window.controls().folderLabel->text().endsWith(u"language"_s));
        const QStringList mainProblems = cutCaptions(&window);
        QVERIFY2(mainProblems.isEmpty(), qPrintable(mainProblems.join(u", "_s)));
        // Whatever the scale, the window fits its screen's work area, in
        // height, and in width unless the captions themselves are wider.
        const QRect area = window.screen()->availableGeometry();
        const QRect frame = window.frameGeometry();
        const QSize border = frame.size() - window.size();
        QVERIFY(window.minimumHeight() + border.height() <= area.height());
        QVERIFY(longCaptions || window.minimumWidth() + border.width() <= area.width());
        if (!smallest) {
            QVERIFY2(frame.top() >= area.top() && frame.bottom() <= area.bottom(),
                     qPrintable(u"%1 %2"_s.arg(frame.y()).arg(frame.height())));
            QVERIFY(longCaptions || area.contains(frame));
        }

        const LanguageFile language =
            longCaptions ? LanguageFile::load(env.path(u"program/Long.lng"_s)) : LanguageFile();
        const TranslationCatalogue catalogue = buildTranslationCatalogue(language);
        NameDialog dialog(catalogue, language, env.prompter);
        dialog.prepare({u"Coller"_s, u"Veuillez saisir..."_s, u"Piste [NUM]"_s, true, 5, 150});
        const QStringList dialogProblems = cutCaptions(&dialog);
        QVERIFY2(dialogProblems.isEmpty(), qPrintable(dialogProblems.join(u", "_s)));
    }

    void geometryComesBackWhereItWas()
    {
        TestEnvironment env;
        WriteFile(env.settingsFile(), "[Config]\nFenêtreMémoriserPosition=-1\n"
                                      "FenêtreMémoriserTaille=-1\nFenêtreGauche=3000\n"
                                      "FenêtreHaut=1005\nFenêtreLargeur=13500\n"
                                      "FenêtreHauteur=5100\n");
        for (int run = 0; run < 3; ++run) {
            MainWindow window(env.context());
            QVERIFY(window.load());
            window.showAsLoaded();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            QCOMPARE(window.frameGeometry().topLeft(), QPoint(200, 67));
            QCOMPARE(window.size(), QSize(900, 340));
            // The options panel keeps the window's top where it is.
            window.controls().settingsButton->click();
            window.controls().settingsButton->click();
            QCOMPARE(window.frameGeometry().topLeft(), QPoint(200, 67));
            window.close();
            QCOMPARE(stored(env, u"FenêtreGauche"_s), u"3000"_s);
            QCOMPARE(stored(env, u"FenêtreHaut"_s), u"1005"_s);
        }
    }

    // Shown on a tall window, the options panel keeps the frame on the screen,
    // and so does the place stored at the end.
    void panelKeepsATallWindowOnScreen()
    {
        TestEnvironment env;
        WriteFile(env.settingsFile(), "[Config]\nFenêtreMémoriserPosition=-1\n"
                                      "FenêtreMémoriserTaille=-1\nFenêtreGauche=1500\n"
                                      "FenêtreHaut=1500\nFenêtreLargeur=15000\n"
                                      "FenêtreHauteur=12000\n");
        MainWindow window(env.context());
        QVERIFY(window.load());
        window.showAsLoaded();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.size(), QSize(1000, 800));
        const QRect area = window.screen()->availableGeometry();
        const int top = window.frameGeometry().top();
        window.controls().settingsButton->click();
        QVERIFY(window.controls().optionsPanel->isVisibleTo(&window));
        QTRY_VERIFY2(area.contains(window.frameGeometry()),
                     qPrintable(u"%1,%2"_s.arg(window.y()).arg(window.height())));
        window.controls().settingsButton->click();
        QVERIFY(area.contains(window.frameGeometry()));
        QCOMPARE(window.size(), QSize(1000, 800));   // the height it had before the panel
        QCOMPARE(window.frameGeometry().top(), top); // and its place, though pushed up
        window.close();
        QVERIFY(stored(env, u"FenêtreHaut"_s).toInt() >= area.top() * 15);
    }

    // Two screens, the right one lower (see screens.json).
    void storedPlaceOffTheScreens_data()
    {
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("screen");
        QTest::newRow("above the top of the screen") << 3000 << -2760 << 0;
        QTest::newRow("right of every screen: the nearest") << 60000 << 6000 << 1;
        QTest::newRow("below every screen: the nearest") << 3000 << 45000 << 0;
        QTest::newRow("billions of twips away") << INT_MAX << INT_MAX << 1;
    }
    void storedPlaceOffTheScreens()
    {
        QFETCH(int, left);
        QFETCH(int, top);
        QFETCH(int, screen);
        QCOMPARE(QGuiApplication::screens().size(), 2);
        const QRect area = QGuiApplication::screens().at(screen)->availableGeometry();
        TestEnvironment env;
        WriteFile(env.settingsFile(), "[Config]\nFenêtreMémoriserPosition=-1\nFenêtreGauche=" +
                                          QByteArray::number(left) +
                                          "\nFenêtreHaut=" + QByteArray::number(top) + "\n");
        MainWindow window(env.context());
        QVERIFY(window.load());
        window.showAsLoaded();
        QTRY_VERIFY(area.contains(window.frameGeometry()));
        window.close();
        // Kept there for the next start.
        QVERIFY(area.contains(QPoint(stored(env, u"FenêtreGauche"_s).toInt() / 15,
                                     stored(env, u"FenêtreHaut"_s).toInt() / 15)));
    }

    void maximisedWindowKeepsItsNormalSize()
    {
        TestEnvironment env;
        WriteFile(env.settingsFile(), "[Config]\nFenêtreMémoriserTaille=-1\nFenêtreEtat=2\n"
                                      "FenêtreLargeur=12000\nFenêtreHauteur=6000\n");
        MainWindow window(env.context());
        QVERIFY(window.load());
        window.showAsLoaded();
        QTRY_COMPARE(window.frameGeometry().size(), window.screen()->availableGeometry().size());
        QVERIFY(window.isMaximized());
        const QSize maximised = window.size();
        // The panel shows inside the maximised window, which keeps its size.
        window.controls().settingsButton->click();
        QCOMPARE(window.size(), maximised);
        QVERIFY(window.controls().optionsPanel->geometry().bottom() <
                window.centralWidget()->height());
        QCOMPARE(window.controls().quitButton->geometry().right() + 1 + 8,
                 window.centralWidget()->width());
        window.close();
        QCOMPARE(stored(env, u"FenêtreEtat"_s), u"2"_s);
        QCOMPARE(stored(env, u"FenêtreLargeur"_s), u"12000"_s);
        QCOMPARE(stored(env, u"FenêtreHauteur"_s), u"6000"_s);
    }

    void notificationArea_data()
    {
        QTest::addColumn<bool>("option");
        QTest::addColumn<bool>("available");
        QTest::addColumn<bool>("inTray");
        QTest::newRow("option off: the task bar") << false << true << false;
        QTest::newRow("option on: the notification area") << true << true << true;
        QTest::newRow("no notification area: the task bar") << true << false << false;
    }
    void notificationArea()
    {
        QFETCH(bool, option);
        QFETCH(bool, available);
        QFETCH(bool, inTray);
        TestEnvironment env;
        env.notificationArea.present = available;
        MainWindow window(env.context());
        QVERIFY(window.load());
        window.showAsLoaded();
        window.controls().minimiseToTrayAction->setChecked(option);
        const QString caption = u"Tervane v2.4 — "_s + QString(80, u'x');
        window.setWindowTitle(caption);
        window.showMinimized();
        QTRY_VERIFY(window.isMinimized());
        QTRY_COMPARE(env.notificationArea.shown, inTray);
        QCOMPARE(window.isVisible(), !inTray);
        if (!inTray)
            return;
        QCOMPARE(env.notificationArea.tip, caption.left(63));
        // Its menu: Restaurer first and in bold; Annuler leaves the icon.
        QAction* chosen = nullptr;
        QTimer::singleShot(0, [&chosen] {
            if (auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                chosen = popup->defaultAction();
                popup->close();
            }
        });
        env.notificationArea.onClick(TrayClick::RightClick);
        QCOMPARE(chosen, window.controls().trayRestoreAction);
        QVERIFY(env.notificationArea.shown);
        // A double-click brings the window back and the icon goes.
        env.notificationArea.onClick(TrayClick::DoubleClick);
        QTRY_VERIFY(window.isVisible() && !window.isMinimized());
        QVERIFY(!env.notificationArea.shown);
    }

    // Chosen in the icon's menu, Restaurer and Quitter each end the icon,
    // which must outlive the click that chose them.
    void trayMenuCommands_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("restored");
        QTest::newRow("Restaurer") << u"mnuSystrayRestaurer"_s << true;
        QTest::newRow("Quitter") << u"mnuSystrayQuitter"_s << false;
    }
    void trayMenuCommands()
    {
        QFETCH(QString, command);
        QFETCH(bool, restored);
        TestEnvironment env;
        DesktopNotificationArea area;
        env.context().notificationArea = &area;
        MainWindow window(env.context());
        QVERIFY(window.load());
        window.showAsLoaded();
        window.controls().minimiseToTrayAction->trigger();
        window.showMinimized();
        QTRY_VERIFY(area.icon() && window.trayIconShown());
        const QPointer<QSystemTrayIcon> icon = area.icon();
        const QSignalSpy unloaded(&window, &MainWindow::unloaded); // the program then ends
        QTimer::singleShot(0, [&command] {
            auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(popup);
            const auto closeAnyway = qScopeGuard([popup] { popup->close(); });
            for (QAction* action : popup->actions())
                if (action->objectName() == command)
                    QTest::mouseClick(popup, Qt::LeftButton, {},
                                      popup->actionGeometry(action).center());
        });
        emit icon->activated(QSystemTrayIcon::Context);
        // The desktop's code that delivered the click goes on with the icon.
        QVERIFY(icon);
        QVERIFY(!window.trayIconShown());
        QTRY_VERIFY(!icon);
        QCOMPARE(window.isVisible(), restored);
        QCOMPARE(unloaded.size(), restored ? 0 : 1);
        if (restored) {
            QVERIFY(!window.isMinimized());
        } else {
            QCOMPARE(stored(env, u"MinimiserSystray"_s), u"-1"_s);
            QCOMPARE(stored(env, u"DernierDossier"_s), env.path(u"documents"_s));
        }
    }

    void windowComesBackWhenTheNotificationAreaGoes()
    {
        TestEnvironment env;
        MainWindow window(env.context());
        QVERIFY(window.load());
        window.showAsLoaded();
        window.controls().minimiseToTrayAction->setChecked(true);
        window.showMinimized();
        QTRY_VERIFY(env.notificationArea.shown);
        QVERIFY(!window.isVisible());
        env.notificationArea.present = false; // its panel closed, say
        QTRY_VERIFY(window.isVisible() && !window.isMinimized());
        QVERIFY(!window.trayIconShown());
        QVERIFY(!env.notificationArea.shown);
    }

    void alwaysOnTopHoldsForBothWindows()
    {
        TestEnvironment env;
        MainWindow window(env.context());
        QVERIFY(window.load());
        window.showAsLoaded();
        window.controls().alwaysOnTopAction->trigger();
        QVERIFY(window.windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(window.isVisible());
        Qt::WindowFlags aboutFlags;
        QString link;
        QTimer::singleShot(0, [&] {
            if (QWidget* about = QApplication::activeModalWidget()) {
                aboutFlags = about->windowFlags();
                link = about->findChild<QLabel*>(u"lblSite"_s)->text();
                about->close();
            }
        });
        window.controls().aboutAction->trigger();
        QVERIFY(aboutFlags & Qt::WindowStaysOnTopHint);
        QVERIFY(!(aboutFlags & Qt::WindowMaximizeButtonHint));
        QVERIFY2(link.contains(u"<a href=\"https://"_s), qPrintable(link));
        window.controls().alwaysOnTopAction->trigger();
        QVERIFY(!(window.windowFlags() & Qt::WindowStaysOnTopHint));
    }

    void failedStartShowsTheInitialisationMessage()
    {
        TestEnvironment env;
        // Installed mode, with a file where the settings folder should go.
        env.context().folders.programFiles = env.path(u"program"_s);
        env.context().folders.appData = WriteFile(env.path(u"not-a-folder"_s));
        MainWindow window(env.context());
        QVERIFY(!window.load());
        QCOMPARE(env.prompter.boxes.size(), 1);
        QCOMPARE(env.prompter.boxes[0].icon, MessageIcon::Critical);
        QVERIFY2(env.prompter.boxes[0].text.startsWith(u"Une erreur ("_s),
                 qPrintable(env.prompter.boxes[0].text));
        QVERIFY(env.prompter.boxes[0].text.contains(u"Veuillez contacter"_s));
        QCOMPARE(env.prompter.busyDepth, 0);
    }

    // A screen reader names every control the keyboard reaches, shown and
    // greyed alike, in the interface language, and no two alike.
    void everyReachableControlIsNamed_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("panelShown");
        QTest::newRow("panel hidden") << QString() << false;
        QTest::newRow("panel shown") << QString() << true;
        QTest::newRow("English, panel shown") << u"English"_s << true;
        QTest::newRow("German, panel shown") << u"Deutsch"_s << true;
        QTest::newRow("German, panel hidden") << u"Deutsch"_s << false;
    }

    void everyReachableControlIsNamed()
    {
        QFETCH(QString, language);
        QFETCH(bool, panelShown);
        TestEnvironment env;
        if (!language.isEmpty()) {
            const QString file = language + u".lng"_s;
            QVERIFY(QFile::copy(QStringLiteral(TERVANE_LANGUAGES) + u'/' + file,
                                env.path(u"program/"_s + file)));
            WriteFile(env.settingsFile(), "[Config]\nLangue=" + language.toUtf8() + '\n');
        }
        MainWindow window(env.context());
        QVERIFY(window.load());
        window.showAsLoaded();
        if (window.controls().showSettingsAction->isChecked() != panelShown)
            window.controls().settingsButton->click();
        QCOMPARE(window.controls().optionsPanel->isEnabled(), panelShown);
        QCOMPARE(spokenCaption(window.controls().settingsButton->text()) == u"Réglages"_s,
                 language.isEmpty());

        QHash<QString, QString> named; // name -> the control that has it
        for (QWidget* control : window.findChildren<QWidget*>()) {
            if (control->focusPolicy() == Qt::NoFocus || !control->isVisible())
                continue;
            const QString key =
                controlKey(control) + u' ' + QLatin1StringView(control->metaObject()->className());
            QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(control);
            const QString name = spoken->text(QAccessible::Name);
            // On Linux a list box is said by its entry, and named by its label.
            if (qobject_cast<QComboBox*>(control))
                QVERIFY2(!spoken->relations(QAccessible::Label).isEmpty(), qPrintable(key));
            QVERIFY2(!name.isEmpty(), qPrintable(key));
            QVERIFY2(!name.contains(u'&') && name == name.trimmed(),
                     qPrintable(key + u": "_s + name));
            QVERIFY2(!named.contains(name),
                     qPrintable(key + u" and "_s + named.value(name) + u": "_s + name));
            named.insert(name, key);
        }
        // The main window's thirteen, and the panel's thirty-two when shown.
        QCOMPARE(named.size(), panelShown ? 46 : 14);
        QVERIFY(named.contains(spokenCaption(window.controls().settingsButton->text())));
    }

    void languageFileTranslatesTheWindow()
    {
        TestEnvironment env;
        WriteFile(
            env.path(u"program/English.lng"_s),
            "[Traduction]\nCodeLangue=9\nfrmTervane=Renamer\n"
            "chkSuppressionDurées=Remove durations\noptNumérotationPosition(1)=at the end\n"
            "mnuFichierQuitter=&Quit\n"
            "<TraductionIncomplète>Partial§translation</TraductionIncomplète>\n"
            "<MSG_CHANGEMENT_LANGUE>Restart to change the language</MSG_CHANGEMENT_LANGUE>\n");
        WriteFile(env.path(u"program/Deutsch.lng"_s), "[Traduction]\nCodeLangue=7\n");
        WriteFile(env.settingsFile(), "[Config]\nLangue=English\n");
        MainWindow window(env.context());
        QVERIFY(window.load());
        QCOMPARE(window.windowTitle(), u"Renamer"_s);
        QCOMPARE(window.controls().optionsPanel->removeDurationsBox->text(), u"Remove durations"_s);
        QCOMPARE(window.controls().optionsPanel->numberingPlaces[1]->text(), u"at the end"_s);
        QCOMPARE(window.controls().optionsPanel->numberingPlaces[0]->text(), u"au début"_s);
        QCOMPARE(window.controls().quitAction->text(), u"&Quit"_s);
        QCOMPARE(env.prompter.boxes.size(), 1);
        QCOMPARE(env.prompter.boxes[0].text, u"Partial\r\ntranslation"_s);
        QCOMPARE(env.prompter.boxes[0].icon, MessageIcon::Exclamation);

        // Choosing another language shows the message in the current one and
        // restarts the program with the new one stored.
        QComboBox* languages = window.controls().optionsPanel->languageList;
        QCOMPARE(languages->currentText(), u"English"_s);
        QVERIFY(languages->isEnabledTo(window.controls().optionsPanel));
        emit languages->activated(languages->currentIndex()); // the active one: nothing
        QCOMPARE(env.prompter.boxes.size(), 1);
        QVERIFY(!window.unloadTimer.isActive());
        languages->setCurrentIndex(languages->findText(u"Deutsch"_s));
        emit languages->activated(languages->currentIndex());
        QCOMPARE(env.prompter.boxes.last().text, u"Restart to change the language"_s);
        window.show();
        QTRY_VERIFY(!window.isVisible());
        QCOMPARE(env.launcher.launches, 1);
        QCOMPARE(env.launcher.lastProgram, QCoreApplication::applicationFilePath());
        QCOMPARE(env.launcher.lastArguments, QCoreApplication::arguments().mid(1));
        QCOMPARE(stored(env, u"Langue"_s), u"Deutsch"_s);
    }

    void installedProgramMovesItsSettingsBeforeReadingThem()
    {
        TestEnvironment env;
        env.context().programFolder = env.path(u"prefix/bin"_s);
        WriteFile(env.path(u"prefix/bin/English.lng"_s), "[Traduction]\nCodeLangue=9\n");
        WriteFile(env.path(u"prefix/bin/Tervane.ini"_s), "[Config]\nLangue=English\n");
        {
            MainWindow window(env.context());
            QVERIFY(window.load());
            QCOMPARE(window.state().interfaceLanguage, u"English"_s);
            window.controls().quitAction->trigger();
        }
        QVERIFY(!QFile::exists(env.path(u"prefix/bin/Tervane.ini"_s)));
        QCOMPARE(readIniString(env.path(u"appdata/Morvak/Tervane/Tervane.ini"_s), u"Config"_s,
                               u"Langue"_s, {}),
                 u"English"_s);
    }

    // First run over real folders of language files (name=declared code).
    void firstRunChoosesTheLanguage_data()
    {
        QTest::addColumn<int>("systemCode");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("welcome");
        QTest::addColumn<QString>("qtCancel"); // a standard button in Qt's translation
        QTest::newRow("French system, no file")
            << 12 << QStringList() << u"Français"_s << false << u"Annuler"_s;
        QTest::newRow("English system, English file")
            << 9 << QStringList{u"English=9"_s, u"Deutsch=7"_s} << u"English"_s << false
            << u"Cancel"_s;
        QTest::newRow("German system, German file")
            << 7 << QStringList{u"English=9"_s, u"Deutsch=7"_s} << u"Deutsch"_s << false
            << u"Abbrechen"_s;
        QTest::newRow("German system, only English: welcome, French")
            << 7 << QStringList{u"English=9"_s} << u"Français"_s << true << u"Annuler"_s;
        QTest::newRow("two files with the same code: the first by name")
            << 9 << QStringList{u"English=9"_s, u"Anglais=9"_s} << u"Anglais"_s << false
            << u"Cancel"_s;
        QTest::newRow("a system language without a number matches no file, even one without")
            << 0 << QStringList{u"Maison="_s, u"English=9"_s} << u"Français"_s << true
            << u"Annuler"_s;
    }
    void firstRunChoosesTheLanguage()
    {
        QFETCH(int, systemCode);
        QFETCH(QStringList, files);
        TestEnvironment env;
        env.context().systemLanguageCode = systemCode;
        for (const QString& file : files)
            WriteFile(env.path(u"program/%1.lng"_s.arg(file.section(u'=', 0, 0))),
                      "[Traduction]\nCodeLangue=" + file.section(u'=', 1).toUtf8() + '\n');
        for (int run = 0; run < 2; ++run) {
            MainWindow window(env.context());
            QVERIFY(window.load());
            QTEST(window.state().interfaceLanguage, "language");
            QTEST(QCoreApplication::translate("QPlatformTheme", "Cancel"), "qtCancel");
            window.close();
        }
        QTEST(stored(env, u"Langue"_s), "language");
        // The welcome comes once: the second run finds the stored language.
        QFETCH(bool, welcome);
        QCOMPARE(env.prompter.boxes.size(), welcome ? 1 : 0);
        if (welcome)
            QVERIFY(env.prompter.boxes[0].text.startsWith(
                u"First, thank you for having installed Tervane."_s));
    }

    void damagedLanguageFileStillStarts_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("folderCaption");
        QByteArray binary(4096, '\0');
        for (int i = 0; i < binary.size(); ++i)
            binary[i] = char((i * 7919) % 256);
        QTest::newRow("binary") << binary << u"Répertoire"_s;
        QTest::newRow("cut short") << QByteArray("[Traduction]\nCodeLangue=9\nlblRépertoire=Fol\n"
                                                 "<MSG_CHANGEMENT_LANGUE>Restart the pro")
                                   << u"Fol"_s;
        QTest::newRow("not UTF-8: read as Windows-1252")
            << QByteArray("[Traduction]\nlblR\xe9pertoire=Dossier \xe0 traiter\n")
            << u"Dossier à traiter"_s;
        QTest::newRow("a key of 10 MB")
            << "[Traduction]\nlblRépertoire=" + QByteArray(10 * 1024 * 1024, 'x') + "\n"
            << u"Répertoire"_s;
        QTest::newRow("a caption of 20,000 characters")
            << "[Traduction]\nlblRépertoire=" + QByteArray(20000, 'x') + "\n"
            << u"Répertoire"_s;
        QTest::newRow("a caption of 600 characters")
            << "[Traduction]\nlblRépertoire=" + QByteArray(600, 'x') + "\n"
            << u"Répertoire"_s;
    }
    void damagedLanguageFileStillStarts()
    {
        QFETCH(QByteArray, file);
        TestEnvironment env;
        WriteFile(env.path(u"program/Damaged.lng"_s), file);
        WriteFile(env.settingsFile(), "[Config]\nLangue=Damaged\n");
        MainWindow window(env.context());
        QVERIFY(window.load());
        window.showAsLoaded();
        QTEST(window.controls().folderLabel->text(), "folderCaption");
        QVERIFY(window.width() < 2000);
        QCOMPARE(window.state().catalogue.item(u"TXT_REMPLISSAGE2"_s),
                 u"sur 2 caractères (01-99)"_s);
    }

    void removedLanguageFileFallsBackToFrench()
    {
        TestEnvironment env;
        WriteFile(env.settingsFile(), "[Config]\nLangue=Klingon\n");
        MainWindow window(env.context());
        QVERIFY(window.load());
        QCOMPARE(window.state().interfaceLanguage, u"Français"_s);
        QVERIFY(!window.controls().optionsPanel->languageList->isEnabledTo(
            window.controls().optionsPanel));
        QCOMPARE(window.controls().optionsPanel->fillWidthList->itemText(1),
                 u"sur 2 caractères (01-99)"_s);
        QVERIFY(env.prompter.boxes.isEmpty());
    }

    void garbageSettingsReadAsDefaults()
    {
        TestEnvironment env;
        QByteArray garbage(200000, '\xff');
        garbage.insert(1000, Bytes("\n[Config]\n\x00\x01="));
        WriteFile(env.settingsFile(), garbage);
        MainWindow window(env.context());
        QVERIFY(window.load());
        QCOMPARE(window.controls().optionsPanel->patternsEdit->text(), u"*.mp3;*.wma"_s);
        QVERIFY(window.controls().optionsPanel->removeDurationsBox->isChecked());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
