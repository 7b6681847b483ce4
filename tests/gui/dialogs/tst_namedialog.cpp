// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/NameDialog.h"
#include "i18n/LanguageFile.h"
#include "i18n/TranslationCatalogue.h"
#include "options/FillWidthList.h"
#include "support/ScriptedPrompter.h"
#include "support/TestEnvironment.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace tervane;

using namespace Qt::StringLiterals;

namespace {

const QString FillMessage =
    u"Cette valeur de remplissage n'est pas adaptée au nombre de fichiers à traiter..."_s;

NameRequest singleName(const QString& text)
{
    return {
        u"Ajouter un nom"_s, u"Veuillez saisir le nom du fichier n°1..."_s, text, false, -1, 150};
}

// A template for 150 files, with the fill entry a caller selects for them.
NameRequest nameTemplate(const QString& text)
{
    return {u"Coller une chaîne"_s, u"Veuillez saisir la chaîne..."_s, text, true, 3, 150};
}

// A dialog as a caller prepares and shows it, on the built-in texts.
struct Shown {
    ScriptedPrompter prompter;
    TranslationCatalogue catalogue = buildTranslationCatalogue(LanguageFile());
    NameDialog dialog{catalogue, LanguageFile(), prompter};

    explicit Shown(const NameRequest& request)
    {
        dialog.prepare(request);
        dialog.show();
    }
};

// The user picks an entry of the open list with the keyboard.
void choose(QComboBox* list, int width)
{
    list->showPopup();
    QAbstractItemView* view = list->view();
    QTRY_VERIFY(view->isVisible());
    view->setCurrentIndex(list->model()->index(list->findData(width), 0));
    QTest::keyClick(view, Qt::Key_Return);
}

// Acts on the modal window once exec() shows it, and closes it whatever
// happens, so that a failed check never leaves the test waiting.
void whenModal(std::function<void(QWidget*)> act, int attempts = 100)
{
    QTimer::singleShot(0, qApp, [act, attempts] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal && attempts > 0)
            return whenModal(act, attempts - 1);
        QVERIFY(modal);
        const auto closeAnyway = qScopeGuard([modal] { modal->close(); });
        act(modal);
    });
}

} // namespace

class TestNameDialog : public QObject {
    Q_OBJECT

private slots:
    void okFollowsTheEntry_data()
    {
        QTest::addColumn<bool>("isTemplate");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("okEnabled");
        QTest::addColumn<bool>("fillEnabled");
        QTest::newRow("empty name") << false << QString() << QString() << false << false;
        QTest::newRow("one letter typed") << false << QString() << u"a"_s << true << false;
        QTest::newRow("name with [NUM]") << false << u"Piste [NUM]"_s << QString() << false << true;
        QTest::newRow("name with [num] typed")
            << false << u"Piste "_s << u"[num]"_s << false << true;
        QTest::newRow("template without [NUM]") << true << u"Piste"_s << QString() << true << false;
        QTest::newRow("empty template") << true << QString() << QString() << false << false;
        QTest::newRow("template") << true << u"Piste n°[NUM]"_s << QString() << true << true;
        QTest::newRow("[NuM] typed into a template")
            << true << u"Piste "_s << u"[NuM]"_s << true << true;
        QTest::newRow("template with the tags' track")
            << true << u"[PISTE] [ARTISTE] - "_s << u"[TITRE]"_s << true << true;
        QTest::newRow("template with the tags' title only")
            << true << u"[ALBUM] [ANNEE] "_s << u"[TITRE]"_s << true << false;
        QTest::newRow("name with [PISTE]: plain text")
            << false << u"[PISTE]"_s << QString() << true << false;
    }
    void okFollowsTheEntry()
    {
        QFETCH(bool, isTemplate);
        QFETCH(QString, text);
        QFETCH(QString, typed);
        Shown shown(isTemplate ? nameTemplate(text) : singleName(text));
        NameDialog& d = shown.dialog;
        QTest::keyClicks(d.nameEdit, typed);
        QCOMPARE(d.nameEdit->text(), text + typed);
        QTEST(d.okButton->isEnabled(), "okEnabled");
        QTEST(d.fillWidthList->isEnabled(), "fillEnabled");
        QTEST(d.fillWidthLabel->isEnabled(), "fillEnabled");
        QCOMPARE(d.fillWidthList->isHidden(), !isTemplate);
        QCOMPARE(getComboItemData(d.fillWidthList), isTemplate ? 3 : -1);
        QVERIFY(shown.prompter.boxes.isEmpty());
    }

    void fillChoiceIsCheckedAgainstTheFileCount_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("okEnabled");
        QTest::newRow("2 digits for 150 files") << 2 << false;
        QTest::newRow("no fill") << 0 << true;
        QTest::newRow("3 digits") << 3 << true;
    }
    void fillChoiceIsCheckedAgainstTheFileCount()
    {
        QFETCH(int, width);
        QFETCH(bool, okEnabled);
        Shown shown(nameTemplate(u"Piste n°[NUM]"_s));
        choose(shown.dialog.fillWidthList, width);
        QTRY_COMPARE(getComboItemData(shown.dialog.fillWidthList), width);
        QCOMPARE(shown.dialog.okButton->isEnabled(), okEnabled);
        // One choice, at most one message.
        QCOMPARE(shown.prompter.boxes.size(), okEnabled ? 0 : 1);
        if (!okEnabled) {
            QCOMPARE(shown.prompter.boxes[0].text, FillMessage);
            QCOMPARE(shown.prompter.boxes[0].icon, MessageIcon::Exclamation);
        }
        // A paste that needs cleaning is one action too.
        shown.prompter.boxes.clear();
        shown.dialog.nameEdit->insert(u" a:b"_s);
        QCOMPARE(shown.prompter.boxes.size(), okEnabled ? 0 : 1);
    }

    void pastedForbiddenCharactersAreRemoved_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("caret");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<bool>("throughClipboard");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("expectedCaret");
        QTest::addColumn<int>("beeps");
        QTest::newRow("into an empty entry")
            << QString() << 0 << u"a:b*c"_s << false << u"abc"_s << 3 << 1;
        QTest::newRow("before a tail")
            << u"tail"_s << 0 << u"a:b*c"_s << false << u"abctail"_s << 4 << 1;
        QTest::newRow("Ctrl+V") << u"tail"_s << 0 << u"a:b*c"_s << true << u"abctail"_s << 4 << 1;
        QTest::newRow("only a forbidden one")
            << u"xy"_s << 1 << u"?"_s << false << u"xy"_s << 1 << 1;
        QTest::newRow("a line break") << u"x"_s << 1 << u"a\nb"_s << false << u"xab"_s << 3 << 1;
        QTest::newRow("a carriage return and an escape")
            << u"x"_s << 1 << u"a\rb\x1b"_s << false << u"xab"_s << 3 << 1;
        QTest::newRow("clean text") << u"x"_s << 1 << u"abc"_s << false << u"xabc"_s << 4 << 0;
        // The text given keeps its colons (a duration's); what comes in may not.
        QTest::newRow("given colons kept")
            << u"Intro 5:12"_s << 5 << u"a:b"_s << false << u"Introab 5:12"_s << 7 << 1;
        QTest::newRow("given colons, clean text")
            << u"Intro 5:12"_s << 10 << u"x"_s << false << u"Intro 5:12x"_s << 11 << 0;
    }
    void pastedForbiddenCharactersAreRemoved()
    {
        QFETCH(QString, text);
        QFETCH(int, caret);
        QFETCH(QString, pasted);
        QFETCH(bool, throughClipboard);
        Shown shown(singleName(text));
        QLineEdit* box = shown.dialog.nameEdit;
        box->setCursorPosition(caret);
        if (throughClipboard) {
            QGuiApplication::clipboard()->setText(pasted);
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        } else {
            box->insert(pasted);
        }
        QTEST(box->text(), "expected");
        QTEST(box->cursorPosition(), "expectedCaret");
        QTEST(shown.prompter.beeps, "beeps");
        QVERIFY(shown.dialog.okButton->isEnabled());
    }

    void typedForbiddenCharactersAreRefused_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("beeps");
        for (const QString& refused :
             {u"?"_s, u":"_s, u"*"_s, u"|"_s, u"\""_s, u"<"_s, u">"_s, u"/"_s, u"\\"_s})
            QTest::addRow("%s", qPrintable(refused)) << refused << u"ab"_s << 1;
        QTest::newRow("a letter") << u"z"_s << u"z"_s << 0;
        QTest::newRow("tab moves on") << u"\t"_s << u"ab"_s << 0;
    }
    void typedForbiddenCharactersAreRefused()
    {
        QFETCH(QString, typed);
        Shown shown(singleName(u"ab"_s));
        // A refused key leaves even a selection alone.
        shown.dialog.nameEdit->selectAll();
        QTest::keyClicks(shown.dialog.nameEdit, typed);
        QTEST(shown.dialog.nameEdit->text(), "expected");
        QTEST(shown.prompter.beeps, "beeps");
    }

    void focusSelectsTheWholeEntry()
    {
        Shown shown(nameTemplate(u"Piste n°[NUM]"_s));
        shown.dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&shown.dialog));
        shown.dialog.cancelButton->setFocus();
        QTRY_VERIFY(shown.dialog.cancelButton->hasFocus());
        shown.dialog.nameEdit->setFocus(Qt::OtherFocusReason);
        QTRY_COMPARE(shown.dialog.nameEdit->selectedText(), u"Piste n°[NUM]"_s);
    }

    void closingConfirmsOnlyWithOk_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("stillOpen");
        QTest::addColumn<bool>("cancelled");
        QTest::newRow("Escape") << u"escape"_s << u"abc"_s << false << true;
        QTest::newRow("cancel button") << u"cancel"_s << u"abc"_s << false << true;
        QTest::newRow("close box") << u"close"_s << u"abc"_s << false << true;
        QTest::newRow("Enter") << u"enter"_s << u"abc"_s << false << false;
        QTest::newRow("Enter with OK disabled") << u"enter"_s << QString() << true << true;
    }
    void closingConfirmsOnlyWithOk()
    {
        QFETCH(QString, how);
        QFETCH(QString, text);
        Shown shown(singleName(text));
        NameDialog& d = shown.dialog;
        if (how == u"escape")
            QTest::keyClick(d.nameEdit, Qt::Key_Escape);
        else if (how == u"cancel")
            QTest::mouseClick(d.cancelButton, Qt::LeftButton);
        else if (how == u"close")
            d.close();
        else
            QTest::keyClick(d.nameEdit, Qt::Key_Return);
        QTEST(d.isVisible(), "stillOpen");
        QTEST(d.NameDialogCancelled, "cancelled");
        if (!d.isVisible())
            QCOMPARE(d.result(), d.NameDialogCancelled ? QDialog::Rejected : QDialog::Accepted);
    }

    void languageFileTranslatesAtLoad()
    {
        QTemporaryDir dir;
        const LanguageFile english = LanguageFile::load(
            WriteFile(dir.filePath(u"English.lng"_s),
                      "[Traduction]\nfrmNom=Rename\nlblNom=The new name of the file\n"
                      "btnAnnuler=&Cancel\n"));
        ScriptedPrompter prompter;
        const TranslationCatalogue catalogue = buildTranslationCatalogue(english);
        NameDialog dialog(catalogue, english, prompter);
        QCOMPARE(dialog.windowTitle(), u"Rename"_s);
        QCOMPARE(dialog.nameLabel->text(), u"The new name of the file"_s);
        QCOMPARE(dialog.cancelButton->text(), u"&Cancel"_s);
        QCOMPARE(dialog.okButton->text(), u"&OK"_s);
        QCOMPARE(dialog.fillWidthLabel->text(), u"Remplissage (par des zéros)"_s);
        // The entry moves right of the longer caption; both boxes stay inside the dialog.
        const QLabel* label = dialog.nameLabel;
        QVERIFY(label->width() >= label->fontMetrics().horizontalAdvance(label->text()));
        QVERIFY(dialog.nameEdit->x() > label->x() + label->width());
        QVERIFY(dialog.nameEdit->x() + dialog.nameEdit->width() < dialog.width());
        const QComboBox* list = dialog.fillWidthList;
        QVERIFY(list->x() + list->width() < dialog.width());
    }

    void askerAnswersWithTextAndWidth_data()
    {
        QTest::addColumn<bool>("isTemplate");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("confirmed");
        QTest::addColumn<int>("width");
        QTest::newRow("template confirmed") << true << int(Qt::Key_Return) << true << 3;
        QTest::newRow("name confirmed") << false << int(Qt::Key_Return) << true << -1;
        QTest::newRow("template cancelled") << true << int(Qt::Key_Escape) << false << 0;
    }
    void askerAnswersWithTextAndWidth()
    {
        QFETCH(bool, isTemplate);
        QFETCH(int, key);
        QFETCH(bool, confirmed);
        ScriptedPrompter prompter;
        const LanguageFile french;
        const TranslationCatalogue catalogue = buildTranslationCatalogue(french);
        NameDialogAsker asker(catalogue, french, prompter, nullptr);
        const NameRequest request =
            isTemplate ? nameTemplate(u"Piste n°[NUM]"_s) : singleName(u"Nouveau"_s);
        QString caption;
        QString prompt;
        whenModal([&](QWidget* modal) {
            auto* dialog = qobject_cast<NameDialog*>(modal);
            QVERIFY(dialog);
            caption = dialog->windowTitle();
            prompt = dialog->promptLabel->text();
            QTest::keyClick(dialog->nameEdit, Qt::Key(key));
        });
        const std::optional<NameAnswer> answer = asker.askName(request);
        QCOMPARE(caption, request.caption);
        QCOMPARE(prompt, request.prompt);
        QCOMPARE(answer.has_value(), confirmed);
        if (confirmed) {
            QCOMPARE(answer->text, request.text);
            QTEST(answer->fillWidth, "width");
        }
    }
};

QTEST_MAIN(TestNameDialog)
#include "tst_namedialog.moc"
