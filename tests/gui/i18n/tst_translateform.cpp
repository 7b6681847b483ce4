#include "i18n/LanguageFile.h"
#include "i18n/TranslateForm.h"
#include "mainwindow/Controls.h"
#include "support/TestEnvironment.h"

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
