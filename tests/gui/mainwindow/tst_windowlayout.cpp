#include "mainwindow/MainWindowControls.h"
#include "mainwindow/WindowLayout.h"

#include <QTest>

using namespace tervane;

// The window's geometry rules in twips, without a widget.
class TestWindowLayout : public QObject {
    Q_OBJECT

private slots:
    void countersSitUnderTheirListRightAligned()
    {
        const CounterPlace place = placeCounter(4455, 4470, {375, 255}, {1335, 255});
        QCOMPARE(place.value, QRect(3960, 4500, 375, 255));
        QCOMPARE(place.caption, QRect(2565, 4500, 1335, 255));
    }

    void optionsPanel_data()
    {
        QTest::addColumn<bool>("show");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("expectedTop");
        QTest::addColumn<int>("expectedHeight");
        const int frame = 600;
        const int shown = frame + OptionsPanelTop + OptionsPanelHeight;
        QTest::newRow("hidden") << false << 2000 << 2000 << frame + OptionsPanelTop;
        QTest::newRow("shown, room below") << true << 500 << 500 << shown;
        QTest::newRow("shown, moved up to stay on screen")
            << true << 9000 << 16000 - shown - ScreenBottomMargin << shown;
        QTest::newRow("hidden never moves") << false << 15000 << 15000 << frame + OptionsPanelTop;
    }
    void optionsPanel()
    {
        QFETCH(bool, show);
        QFETCH(int, top);
        const WindowSpan span = toggleOptionsPanel(show, 600, top, 16000);
        QTEST(span.top, "expectedTop");
        QTEST(span.height, "expectedHeight");
    }
};

QTEST_APPLESS_MAIN(TestWindowLayout)
#include "tst_windowlayout.moc"
