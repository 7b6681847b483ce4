#include "mainwindow/MainWindow.h"
#include "options/OptionsPanel.h"
#include "settings/IniFile.h"
#include "support/TestEnvironment.h"

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

using namespace tervane;

using namespace Qt::StringLiterals;

// The real main window, started on a temporary program folder.
class TestMainWindow : public QObject {
    Q_OBJECT

    QString stored(const TestEnvironment& env, const QString& key)
    {
        return readIniString(env.settingsFile(), u"Config"_s, key, u"<missing>"_s);
    }

private slots:
    void startsWithEmptyListsAndThePanelCollapsed()
    {
        TestEnvironment env;
        MainWindow window(env.context());
        QVERIFY(window.load());
        window.showAsLoaded();
        QCOMPARE(window.windowTitle(), u"Tervane v2.4"_s);
        QCOMPARE(window.lblNbFichiersValeur->text(), u"0"_s);
        QCOMPARE(window.lblNbNomsValeur->text(), u"0"_s);
        QVERIFY(!window.btnRenommer->isEnabled());
        QVERIFY(!window.btnViderListe->isEnabled());
        QVERIFY(!window.btnAnnuler->isEnabled());
        QVERIFY(window.btnReglages->property("tag").toString().isEmpty());
        QVERIFY(!window.mnuOptionsAfficher->isChecked());
        QVERIFY(!window.mnuSystray->menuAction()->isVisible());
        QCOMPARE(window.txtRepertoire->text(), env.path(u"documents"_s));
        QCOMPARE(window.picOptions->txtExtensions->text(), u"*.mp3;*.wma"_s);
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
        QCOMPARE(window.mnuOptionsMemoriserSeparateur->text(),
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
        MainWindow window(env.context());
        QVERIFY(window.load());
        window.showAsLoaded();
        window.picOptions->txtNumerotationSuffixe->setText(u" _ "_s);
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
        MainWindow window(env.context());
        QVERIFY(window.load());
        QCOMPARE(window.picOptions->txtExtensions->text(), u"*.flac"_s);
        QVERIFY(window.picOptions->optNumerotationPosition[1]->isChecked());
        QCOMPARE(window.picOptions->cboNumerotationRemplissage->currentData().toInt(), 3);
        QVERIFY(window.mnuOptionsMemoriserTaille->isChecked());
        QCOMPARE(window.txtRepertoire->text(), u"/"_s);
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
        window.mnuOptionsMemoriserPosition->trigger();
        window.close();
        QCOMPARE(stored(env, u"FenêtreMémoriserPosition"_s), u"-1"_s);
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
        window.btnReglages->click();
        QVERIFY(window.height() > collapsed);
        QVERIFY(window.mnuOptionsAfficher->isChecked());
        window.close();
        const int storedHeight = stored(env, u"FenêtreHauteur"_s).toInt();
        QVERIFY2(qAbs(storedHeight - collapsed * 15) <= 15,
                 qPrintable(QString::number(storedHeight)));
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
        QCOMPARE(window.picOptions->chkSuppressionDurees->text(), u"Remove durations"_s);
        QCOMPARE(window.picOptions->optNumerotationPosition[1]->text(), u"at the end"_s);
        QCOMPARE(window.picOptions->optNumerotationPosition[0]->text(), u"au début"_s);
        QCOMPARE(window.mnuFichierQuitter->text(), u"&Quit"_s);
        QCOMPARE(env.prompter.boxes.size(), 1);
        QCOMPARE(env.prompter.boxes[0].text, u"Partial\r\ntranslation"_s);
        QCOMPARE(env.prompter.boxes[0].icon, MessageIcon::Exclamation);

        // Choosing another language shows the message in the current one and
        // restarts the program with the new one stored.
        QComboBox* languages = window.picOptions->cboLangue;
        QCOMPARE(languages->currentText(), u"English"_s);
        QVERIFY(languages->isEnabledTo(window.picOptions));
        languages->setCurrentIndex(languages->findText(u"Deutsch"_s));
        emit languages->activated(languages->currentIndex());
        QCOMPARE(env.prompter.boxes.last().text, u"Restart to change the language"_s);
        window.show();
        QTRY_VERIFY(!window.isVisible());
        QCOMPARE(env.launcher.launches, 1);
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
            window.mnuFichierQuitter->trigger();
        }
        QVERIFY(!QFile::exists(env.path(u"prefix/bin/Tervane.ini"_s)));
        QCOMPARE(readIniString(env.path(u"appdata/Morvak/Tervane/Tervane.ini"_s), u"Config"_s,
                               u"Langue"_s, {}),
                 u"English"_s);
    }

    void firstRunPicksTheSystemLanguage()
    {
        TestEnvironment env;
        env.context().systemLanguageCode = 9;
        WriteFile(env.path(u"program/English.lng"_s), "[Traduction]\nCodeLangue=9\n");
        MainWindow window(env.context());
        QVERIFY(window.load());
        QCOMPARE(window.state().interfaceLanguage, u"English"_s);
        QVERIFY(env.prompter.boxes.isEmpty());
    }

    void firstRunWithoutAMatchWelcomesInFrench()
    {
        TestEnvironment env;
        env.context().systemLanguageCode = 7;
        WriteFile(env.path(u"program/English.lng"_s), "[Traduction]\nCodeLangue=9\n");
        MainWindow window(env.context());
        QVERIFY(window.load());
        QCOMPARE(window.state().interfaceLanguage, u"Français"_s);
        QCOMPARE(env.prompter.boxes.size(), 1);
        QVERIFY(env.prompter.boxes[0].text.startsWith(
            u"First, thank you for having installed Tervane."_s));
        window.close();
        QCOMPARE(stored(env, u"Langue"_s), u"Français"_s);
    }

    void removedLanguageFileFallsBackToFrench()
    {
        TestEnvironment env;
        WriteFile(env.settingsFile(), "[Config]\nLangue=Klingon\n");
        MainWindow window(env.context());
        QVERIFY(window.load());
        QCOMPARE(window.state().interfaceLanguage, u"Français"_s);
        QVERIFY(!window.picOptions->cboLangue->isEnabledTo(window.picOptions));
        QCOMPARE(window.picOptions->cboNumerotationRemplissage->itemText(1),
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
        QCOMPARE(window.picOptions->txtExtensions->text(), u"*.mp3;*.wma"_s);
        QVERIFY(window.picOptions->chkSuppressionDurees->isChecked());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
