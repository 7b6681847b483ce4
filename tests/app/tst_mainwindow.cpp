#include "app/MainWindow.h"
#include "naming/OptionsPanel.h"
#include "settings/IniFile.h"
#include "support/TestFolder.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeView>

using namespace Qt::StringLiterals;

// The real main window, started on a temporary program folder.
class TestMainWindow : public QObject {
    Q_OBJECT

    QString stored(const TestEnvironment& env, const QString& key)
    {
        return ReadIniString(env.settingsFile(), u"Config"_s, key, u"<missing>"_s);
    }

private slots:
    void startsWithEmptyListsAndThePanelCollapsed()
    {
        TestEnvironment env;
        frmTervane window(env.context());
        QVERIFY(window.Form_Load());
        window.showAsLoaded();
        QCOMPARE(window.windowTitle(), u"Tervane v2.4"_s);
        QCOMPARE(window.lblNbFichiersValeur->text(), u"0"_s);
        QCOMPARE(window.lblNbNomsValeur->text(), u"0"_s);
        QVERIFY(!window.btnRenommer->isEnabled());
        QVERIFY(!window.btnViderListe->isEnabled());
        QVERIFY(!window.btnAnnuler->isEnabled());
        QVERIFY(window.btnRéglages->property("tag").toString().isEmpty());
        QVERIFY(!window.mnuOptionsAfficher->isChecked());
        QVERIFY(!window.mnuSystray->menuAction()->isVisible());
        QCOMPARE(window.txtRépertoire->text(), env.path(u"documents"_s));
        QCOMPARE(window.picOptions->txtExtensions->text(), u"*.mp3;*.wma"_s);
        QVERIFY(window.state().TreatmentSettingsChanged);
        QVERIFY(env.prompter.boxes.isEmpty());
        QCOMPARE(env.prompter.busyDepth, 0);
        window.close();
    }

    void controlsAndMenusCarryTheirNames()
    {
        TestEnvironment env;
        frmTervane window(env.context());
        for (const char* name : {"lblRépertoire",
                                 "txtRépertoire",
                                 "btnParcourir",
                                 "lblFichiers",
                                 "btnRafraîchir",
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
        QCOMPARE(window.mnuFichierQuitter->shortcut(), QKeySequence(u"Ctrl+Q"_s));
        QCOMPARE(window.mnuAideAPropos->shortcut(), QKeySequence(Qt::Key_F1));
        QCOMPARE(window.mnuOptionsMémoriserSéparateur->text(),
                 u"Mémoriser la p&osition du séparateur"_s);
        const auto options =
            window.picOptions->findChildren<QWidget*>(u"optNumérotationPosition"_s);
        QCOMPARE(options.size(), 2);
        QCOMPARE(options[1]->property("index").toInt(), 1);
    }

    void quitWritesTheSettings()
    {
        TestEnvironment env;
        const QString music = env.path(u"music"_s);
        QDir().mkpath(music);
        env.context().commandLine = u"\"%1\""_s.arg(music);
        frmTervane window(env.context());
        QVERIFY(window.Form_Load());
        window.showAsLoaded();
        window.picOptions->txtNumérotationSuffixe->setText(u" _ "_s);
        window.mnuFichierQuitter->trigger();
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

    void storedSettingsComeBack()
    {
        TestEnvironment env;
        WriteFile(env.settingsFile(), "[Config]\nLangue=Français\nExtensions=*.flac\n"
                                      "NumérotationNbChiffres=3\nNumérotationPosition=1\n"
                                      "FenêtreMémoriserTaille=-1\nFenêtreLargeur=12000\n"
                                      "FenêtreHauteur=7000\nDernierDossier=/nonexistent/x/y\n");
        frmTervane window(env.context());
        QVERIFY(window.Form_Load());
        QCOMPARE(window.picOptions->txtExtensions->text(), u"*.flac"_s);
        QVERIFY(window.picOptions->optNumérotationPosition[1]->isChecked());
        QCOMPARE(window.picOptions->cboNumérotationRemplissage->currentData().toInt(), 3);
        QVERIFY(window.mnuOptionsMémoriserTaille->isChecked());
        QCOMPARE(window.txtRépertoire->text(), u"/"_s);
        window.close();
        QCOMPARE(stored(env, u"NumérotationRemplissage"_s), u"3"_s);
        QCOMPARE(stored(env, u"NumérotationNbChiffres"_s), u"<missing>"_s);
        QCOMPARE(stored(env, u"FenêtreLargeur"_s), u"12000"_s);
    }

    void optionsMenuMarksAreSavedWhenToggled()
    {
        TestEnvironment env;
        frmTervane window(env.context());
        QVERIFY(window.Form_Load());
        window.mnuOptionsMémoriserPosition->trigger();
        window.close();
        QCOMPARE(stored(env, u"FenêtreMémoriserPosition"_s), u"-1"_s);
        QCOMPARE(stored(env, u"FenêtreMémoriserTaille"_s), u"0"_s);
        QVERIFY(stored(env, u"FenêtreGauche"_s) != u"<missing>"_s);
    }

    void panelIsCollapsedBeforeTheSizeIsStored()
    {
        TestEnvironment env;
        WriteFile(env.settingsFile(), "[Config]\nFenêtreMémoriserTaille=-1\n");
        frmTervane window(env.context());
        QVERIFY(window.Form_Load());
        window.showAsLoaded();
        const int collapsed = window.height();
        window.btnRéglages->click();
        QVERIFY(window.height() > collapsed);
        QVERIFY(window.mnuOptionsAfficher->isChecked());
        window.close();
        const int storedHeight = stored(env, u"FenêtreHauteur"_s).toInt();
        QVERIFY2(qAbs(storedHeight - collapsed * 15) <= 15,
                 qPrintable(QString::number(storedHeight)));
    }

    void damagedSettingFailsTheStartWithAClearMessage()
    {
        TestEnvironment env;
        WriteFile(env.settingsFile(), "[Config]\nAjoutChaîneMode=5\nLangue=Français\n");
        frmTervane window(env.context());
        QVERIFY(!window.Form_Load());
        QCOMPARE(env.prompter.boxes.size(), 1);
        QCOMPARE(env.prompter.boxes[0].icon, MessageIcon::Critical);
        QVERIFY(env.prompter.boxes[0].text.contains(u"AjoutChaîneMode"_s));
        QCOMPARE(env.prompter.busyDepth, 0);
    }

    void garbageSettingsReadAsDefaults()
    {
        TestEnvironment env;
        QByteArray garbage(200000, '\xff');
        garbage.insert(1000, Bytes("\n[Config]\n\x00\x01="));
        WriteFile(env.settingsFile(), garbage);
        frmTervane window(env.context());
        QVERIFY(window.Form_Load());
        QCOMPARE(window.picOptions->txtExtensions->text(), u"*.mp3;*.wma"_s);
        QVERIFY(window.picOptions->chkSuppressionDurées->isChecked());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
