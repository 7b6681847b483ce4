// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliTextKeys.h"
#include "cli/CliTexts.h"
#include "dialogs/AboutBox.h"
#include "dialogs/NameDialog.h"
#include "i18n/BuiltInTexts.h"
#include "i18n/LanguageFile.h"
#include "i18n/TextKeys.h"
#include "i18n/TranslationCatalogue.h"
#include "mainwindow/MainWindow.h"
#include "support/TestEnvironment.h"
#include "translation/TranslateForm.h"
#include "widgets/Controls.h"

#include <QAbstractButton>
#include <QMenuBar>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace tervane;

using namespace Qt::StringLiterals;

namespace {

// The captions a language file gives, by key: window titles, labels, frames,
// buttons and menu items with a word in them (not counts, not "...").
QMap<QString, QString> captionsOf(QWidget* window)
{
    QMap<QString, QString> captions;
    captions[window->objectName()] = window->windowTitle();
    for (QObject* control : window->findChildren<QObject*>()) {
        QString caption;
        if (auto* label = qobject_cast<QLabel*>(control))
            caption = label->text();
        else if (auto* frame = qobject_cast<QGroupBox*>(control))
            caption = frame->title();
        else if (auto* button = qobject_cast<QAbstractButton*>(control))
            caption = button->text();
        else if (auto* item = qobject_cast<QAction*>(control))
            caption = item->isSeparator() ? QString() : item->text();
        // The version and the addresses are the program's own.
        const bool hasWord =
            std::any_of(caption.begin(), caption.end(), [](QChar c) { return c.isLetter(); });
        if (hasWord && !control->objectName().isEmpty() &&
            !control->property(FixedTextProperty).toBool())
            captions[controlKey(control)] = caption;
    }
    return captions;
}

// The access key of a caption, folded; a null character when it has none.
QChar accessKey(const QString& caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != u'&')
            continue;
        if (caption[i + 1] != u'&')
            return caption[i + 1].toCaseFolded();
        ++i;
    }
    return {};
}

// The captions of a group that share an access key.
QStringList collidingKeys(const QStringList& captions)
{
    QStringList collisions;
    QHash<QChar, QString> seen;
    for (const QString& caption : captions) {
        const QChar key = accessKey(caption);
        if (key.isNull())
            continue;
        if (seen.contains(key))
            collisions << seen[key] + u" / "_s + caption;
        seen[key] = caption;
    }
    return collisions;
}

QStringList buttonCaptions(const QWidget* window)
{
    QStringList captions;
    for (const QAbstractButton* button : window->findChildren<QAbstractButton*>())
        captions << button->text();
    return captions;
}

QStringList catalogueCaptions(const TranslationCatalogue& catalogue, const QStringList& keys)
{
    QStringList captions;
    for (const QString& key : keys)
        captions << catalogue.item(key);
    return captions;
}

// A table of built-in texts: French by key.
using FrenchTexts = QHash<QString, QString>;
template <typename Texts>
FrenchTexts frenchByKey(const Texts& texts)
{
    FrenchTexts french;
    for (const BuiltInText& text : texts)
        french.insert(QString::fromUtf16(text.key), QString::fromUtf16(text.french));
    return french;
}

} // namespace

// Which controls a language file reaches, and by which key.
class TestTranslateForm : public QObject {
    Q_OBJECT

private slots:
    void translatesByNameAndIndex()
    {
        QTemporaryDir dir;
        const LanguageFile file = LanguageFile::load(WriteFile(
            dir.filePath(u"English.lng"_s),
            "[Traduction]\nfrmTest=Window\nlblA=Label\nfraB=Frame\nbtnC=Button\noptD(1)=Second\n"
            "txtE=Text\ntxtE(0)=Indexed\ncboF=Combo\nmnuG=Menu item\nlblEscaped=a\xc2\xa7"
            "b\n"));
        QWidget window;
        window.setObjectName(u"frmTest"_s);
        window.setWindowTitle(u"Fenêtre"_s);
        auto* label = makeControl<QLabel>(&window, u"lblA"_s);
        auto* frame = makeControl<QGroupBox>(&window, u"fraB"_s);
        auto* button = makeControl<QPushButton>(&window, u"btnC"_s);
        QRadioButton* options[2];
        for (int i = 0; i < 2; ++i) {
            options[i] = makeControl<QRadioButton>(frame, u"optD"_s);
            setArrayIndex(options[i], i);
            options[i]->setText(u"option %1"_s.arg(i));
        }
        auto* text = makeControl<QLineEdit>(&window, u"txtE"_s);
        setArrayIndex(text, 0);
        auto* combo = makeControl<QComboBox>(&window, u"cboF"_s);
        combo->addItem(u"entry"_s);
        QMenu menu(&window);
        QAction* item = menu.addAction(u"Élément"_s);
        item->setObjectName(u"mnuG"_s);
        auto* untouched = makeControl<QLabel>(&window, u"lblUntouched"_s);
        untouched->setText(u"même§texte"_s);
        auto* escaped = makeControl<QLabel>(&window, u"lblEscaped"_s);

        translateForm(&window, file);
        QCOMPARE(window.windowTitle(), u"Window"_s);
        QCOMPARE(label->text(), u"Label"_s);
        QCOMPARE(frame->title(), u"Frame"_s);
        QCOMPARE(button->text(), u"Button"_s);
        QCOMPARE(options[0]->text(), u"option 0"_s);
        QCOMPARE(options[1]->text(), u"Second"_s);
        QCOMPARE(text->text(), u"Text"_s); // a text box is looked up without its index
        QCOMPARE(combo->itemText(0), u"entry"_s);
        QCOMPARE(item->text(), u"Menu item"_s);
        QCOMPARE(untouched->text(), u"même\r\ntexte"_s); // the escapes apply to the default too
        QCOMPARE(escaped->text(), u"a\r\nb"_s);
    }

    // Every key the code asks for has its built-in French text (which the
    // shipped languages are checked against below), so none shows up blank.
    void everyKeyHasFrenchText_data()
    {
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<FrenchTexts>("french");
        QTest::newRow("window") << TextKey::All << frenchByKey(BuiltInTexts);
        QTest::newRow("command line") << cli::CliKey::All << frenchByKey(cli::CliBuiltInTexts);
    }
    void everyKeyHasFrenchText()
    {
        QFETCH(QStringList, keys);
        QFETCH(FrenchTexts, french);
        QStringList missing;
        for (const QString& key : keys)
            if (french.value(key).isEmpty())
                missing << key;
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(u", "_s)));
        QCOMPARE(QSet<QString>(keys.cbegin(), keys.cend()).size(), keys.size());
    }

    // Every text of the program and every caption of its windows has a value
    // in each shipped file, and no two access keys of a window or menu meet.
    void shippedLanguagesAreComplete_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << u"English"_s;
        QTest::newRow("German") << u"Deutsch"_s;
    }
    void shippedLanguagesAreComplete()
    {
        QFETCH(QString, language);
        const LanguageFile file =
            LanguageFile::load(QStringLiteral(TERVANE_LANGUAGES) + u'/' + language + u".lng"_s);
        QStringList missing;
        for (const auto& texts :
             {std::vector<BuiltInText>(BuiltInTexts.begin(), BuiltInTexts.end()),
              std::vector<BuiltInText>(cli::CliBuiltInTexts.begin(), cli::CliBuiltInTexts.end())})
            for (const BuiltInText& text : texts)
                if (lookupTranslation(file, QString::fromUtf16(text.key), {}).isEmpty())
                    missing << QString::fromUtf16(text.key);
        missing.removeAll(u"TraductionIncomplète"_s);

        TestEnvironment env;
        MainWindow main(env.context());
        const TranslationCatalogue catalogue = buildTranslationCatalogue(file);
        NameDialog dialog(catalogue, file, env.prompter);
        AboutBox about(file, false, nullptr);
        const QList<QWidget*> windows{&main, &dialog, &about};
        for (QWidget* window : windows) {
            const QMap<QString, QString> captions = captionsOf(window);
            for (auto caption = captions.cbegin(); caption != captions.cend(); ++caption)
                if (caption.key() != u"frmTervane" && file.value(caption.key()).isEmpty())
                    missing << caption.key();
        }
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(u", "_s)));

        translateForm(&main, file);
        QStringList collisions;
        QStringList mainKeys = buttonCaptions(&main);
        for (const QAction* menu : main.menuBar()->actions())
            mainKeys << menu->text();
        collisions << collidingKeys(mainKeys) << collidingKeys(buttonCaptions(&dialog))
                   << collidingKeys(buttonCaptions(&about));
        for (const QMenu* menu : main.findChildren<QMenu*>()) {
            QStringList items;
            for (const QAction* item : menu->actions())
                items << item->text();
            collisions << collidingKeys(items);
        }
        const QStringList paste{u"TXT_POPUP_COLLER_DEPUIS_PRESSE_PAPIERS"_s,
                                u"TXT_POPUP_COLLER_DEPUIS_FICHIER"_s,
                                u"TXT_POPUP_COLLER_NOMS_FICHIERS"_s, u"TXT_POPUP_COLLER_CHAINE"_s};
        collisions << collidingKeys(catalogueCaptions(
            catalogue, paste + QStringList{u"TXT_POPUP_COLLER_NOM_DOSSIER_01x01"_s,
                                           u"TXT_POPUP_COLLER_NOM_DOSSIER_S01E01"_s}));
        collisions << collidingKeys(catalogueCaptions(
            catalogue,
            paste + QStringList{u"TXT_POPUP_NOMS_AJOUTER"_s, u"TXT_POPUP_NOMS_INSERER"_s,
                                u"TXT_POPUP_NOMS_MODIFIER"_s, u"TXT_POPUP_NOMS_SUPPRIMER"_s}));
        QVERIFY2(collisions.isEmpty(), qPrintable(collisions.join(u", "_s)));
    }

    // What a screen reader says of a caption, and the label that names a field.
    void spokenCaptions_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("spoken");
        QTest::newRow("access key, padding") << u"R&églages    "_s << u"Réglages"_s;
        QTest::newRow("doubled ampersand") << u"Tom && Jerry"_s << u"Tom & Jerry"_s;
        QTest::newRow("both") << u"&Sel && poivre"_s << u"Sel & poivre"_s;
        QTest::newRow("ampersand at the end") << u"Fin&"_s << u"Fin"_s;
        QTest::newRow("spaces around") << u" et/ou la suffixer "_s << u"et/ou la suffixer"_s;
        QTest::newRow("plain") << u"..."_s << u"..."_s;
    }
    void spokenCaptions()
    {
        QFETCH(QString, caption);
        QFETCH(QString, spoken);
        QCOMPARE(spokenCaption(caption), spoken);
        QWidget window;
        auto* label = makeControl<QLabel>(&window, u"lblA"_s);
        label->setText(caption);
        auto* field = makeControl<QLineEdit>(&window, u"txtA"_s);
        nameByLabel(field, label);
        QCOMPARE(field->accessibleName(), spoken);
        QCOMPARE(label->buddy(), field);
    }

    void frenchLeavesTheWindowAlone()
    {
        QWidget window;
        window.setObjectName(u"frmTest"_s);
        auto* label = makeControl<QLabel>(&window, u"lblA"_s);
        label->setText(u"a§b"_s);
        translateForm(&window, LanguageFile());
        QCOMPARE(label->text(), u"a§b"_s);
    }
};

QTEST_MAIN(TestTranslateForm)
#include "tst_translateform.moc"
