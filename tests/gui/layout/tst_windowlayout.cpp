// SPDX-License-Identifier: GPL-3.0-or-later
#include "layout/CaptionLayout.h"
#include "layout/WindowLayout.h"

#include <QTest>

using namespace tervane;

Q_DECLARE_METATYPE(tervane::CaptionWidth)

using namespace Qt::StringLiterals;

namespace {

// The main window as designed, in twips: the places the rules start from.
TwipsLayout designLayout()
{
    TwipsLayout layout;
    const auto put = [&layout](const QString& key, int left, int top, int width, int height) {
        layout[key] = QRect(left, top, width, height);
    };
    put(u"lblRépertoire"_s, 120, 285, 855, 255);
    put(u"txtRépertoire"_s, 1080, 240, 7695, 285);
    put(u"btnParcourir"_s, 8880, 270, 375, 255);
    put(u"imgPar"_s, 3907, 600, 1680, 390);
    put(u"lblFichiers"_s, 120, 1110, 735, 255);
    put(u"btnRafraîchir"_s, 510, 1380, 360, 275);
    put(u"btnTriDate"_s, 510, 1715, 360, 275);
    put(u"lvwFichiers"_s, 960, 1080, 3495, 3375);
    put(u"picSéparateur"_s, 4485, 1080, 60, 3375);
    put(u"lvwNoms"_s, 4560, 1080, 3495, 3375);
    put(u"btnColler"_s, 8160, 1080, 975, 375);
    put(u"btnCollerPlus"_s, 9120, 1080, 255, 375);
    put(u"btnViderListe"_s, 8160, 1560, 1215, 375);
    put(u"btnRenommer"_s, 8160, 2160, 1215, 375);
    put(u"btnAnnuler"_s, 8160, 2520, 1215, 375);
    put(u"btnRéglages"_s, 8160, 3120, 1215, 375);
    put(u"btnQuitter"_s, 8160, 3600, 1215, 840);
    put(u"chkTriNum"_s, 975, 4470, 1335, 255);
    put(u"lblNbFichiers"_s, 2400, 4485, 1335, 255);
    put(u"lblNbFichiersValeur"_s, 3960, 4485, 375, 255);
    put(u"lblNbNoms"_s, 5880, 4485, 1335, 255);
    put(u"lblNbNomsValeur"_s, 7440, 4485, 375, 255);
    put(u"picOptions"_s, 0, 4750, 9495, 5130);
    put(u"fraTraitements"_s, 140, 555, 9240, 4050);
    put(u"chkSuppressionCaractères"_s, 120, 2030, 1500, 255);
    put(u"txtSuppressionCaractèresNombre"_s, 1680, 2000, 360, 285);
    put(u"lblSuppressionCaractères"_s, 2160, 2045, 1000, 255);
    put(u"picSuppressionCaractères"_s, 3310, 2030, 5000, 255);
    for (int i = 0; i < 3; ++i)
        put(u"optSuppressionCaractèresPosition(%1)"_s.arg(i), 1250 * i, 0, 1100, 255);
    put(u"txtSuppressionCaractèresPosition"_s, 8370, 2000, 360, 285);
    return layout;
}

// Captions that give the design's widths, but the folder labels, narrower
// so that the list area starts at 960.
CaptionWidths designCaptions()
{
    CaptionWidths captions;
    captions[u"lblRépertoire"_s] = {720, 720};
    captions[u"lblFichiers"_s] = {700, 700};
    for (const QString& button : {u"btnColler"_s, u"btnViderListe"_s, u"btnRenommer"_s,
                                  u"btnAnnuler"_s, u"btnRéglages"_s, u"btnQuitter"_s})
        captions[button] = {915, 0};
    captions[u"chkTriNum"_s] = {975, 0};
    captions[u"lblNbFichiers"_s] = {1335, 1335};
    captions[u"lblNbNoms"_s] = {1335, 1335};
    captions[u"chkSuppressionCaractères"_s] = {1200, 0};
    captions[u"lblSuppressionCaractères"_s] = {1000, 1000};
    for (int i = 0; i < 3; ++i)
        captions[u"optSuppressionCaractèresPosition(%1)"_s.arg(i)] = {800, 0};
    return captions;
}

// The design once sized to its captions, as the window starts.
TwipsLayout captionedDesign()
{
    TwipsLayout layout = designLayout();
    layoutMainCaptions(layout, designCaptions(), 9495);
    return layout;
}

} // namespace

// The window's geometry rules in twips, without a widget.
class TestWindowLayout : public QObject {
    Q_OBJECT

private slots:
    void captionsWidenTheirControls_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<CaptionWidth>("caption");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("labels share the wider caption")
            << u"lblFichiers"_s << CaptionWidth{2000, 2000} << u"txtRépertoire"_s
            << QRect(2240, 240, 7695, 285);
        QTest::newRow("the file list starts under the folder box")
            << u"lblFichiers"_s << CaptionWidth{2000, 2000} << u"lvwFichiers"_s
            << QRect(2240, 1080, 3495, 3375);
        QTest::newRow("buttons share the widest caption plus 300")
            << u"btnQuitter"_s << CaptionWidth{1500, 0} << u"btnRenommer"_s
            << QRect(9495 - 1800 - 120, 2160, 1800, 375);
        QTest::newRow("paste button narrowed by its arrow")
            << u"btnQuitter"_s << CaptionWidth{1500, 0} << u"btnColler"_s
            << QRect(9495 - 1800 - 120, 1080, 1800 - 255, 375);
        QTest::newRow("paste button never narrower than it needs")
            << u"btnColler"_s << CaptionWidth{700, 1600} << u"btnColler"_s
            << QRect(9495 - 1855 - 120, 1080, 1600, 375);
        QTest::newRow("check box: caption plus 300")
            << u"chkSuppressionCaractères"_s << CaptionWidth{2000, 0}
            << u"chkSuppressionCaractères"_s << QRect(120, 2030, 2300, 255);
        QTest::newRow("check box: what the toolkit needs wins")
            << u"chkSuppressionCaractères"_s << CaptionWidth{2000, 2500}
            << u"chkSuppressionCaractères"_s << QRect(120, 2030, 2500, 255);
        QTest::newRow("long check box pushes its number box")
            << u"chkSuppressionCaractères"_s << CaptionWidth{2000, 0}
            << u"txtSuppressionCaractèresNombre"_s << QRect(2480, 2000, 360, 285);
        QTest::newRow("... and the label after it")
            << u"chkSuppressionCaractères"_s << CaptionWidth{2000, 0}
            << u"lblSuppressionCaractères"_s << QRect(2960, 2045, 1000, 255);
        QTest::newRow("... and the option box after that")
            << u"chkSuppressionCaractères"_s << CaptionWidth{2000, 0}
            << u"picSuppressionCaractères"_s << QRect(4110, 2030, 3600, 255);
        QTest::newRow("... and the position box at the end")
            << u"chkSuppressionCaractères"_s << CaptionWidth{2000, 0}
            << u"txtSuppressionCaractèresPosition"_s << QRect(7770, 2000, 360, 285);
        QTest::newRow("long option pushes the next option")
            << u"optSuppressionCaractèresPosition(0)"_s << CaptionWidth{1700, 0}
            << u"optSuppressionCaractèresPosition(1)"_s << QRect(2150, 0, 1100, 255);
        QTest::newRow("the option box reaches its last option")
            << u"optSuppressionCaractèresPosition(2)"_s << CaptionWidth{2700, 0}
            << u"picSuppressionCaractères"_s << QRect(3310, 2030, 5500, 255);
        QTest::newRow("design captions keep the design")
            << u"chkSuppressionCaractères"_s << CaptionWidth{1200, 0}
            << u"txtSuppressionCaractèresNombre"_s << QRect(1680, 2000, 360, 285);
    }
    void captionsWidenTheirControls()
    {
        QFETCH(QString, key);
        QFETCH(CaptionWidth, caption);
        QFETCH(QString, control);
        TwipsLayout layout = designLayout();
        CaptionWidths captions = designCaptions();
        captions[key] = caption;
        layoutMainCaptions(layout, captions, 9495);
        QTEST(layout.value(control), "expected");
    }

    void resizeRules_data()
    {
        QTest::addColumn<int>("clientWidth");
        QTest::addColumn<int>("clientHeight");
        QTest::addColumn<bool>("panelShown");
        QTest::addColumn<int>("ratio");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QRect>("expected");
        // The design's own size: the list area runs from 960 to 8040.
        QTest::newRow("half the list area")
            << 9495 << 4740 << false << 50 << u"picSéparateur"_s << QRect(4500, 1080, 60, 3360);
        QTest::newRow("ratio 0: the lowest place")
            << 9495 << 4740 << false << 0 << u"picSéparateur"_s
            << QRect(960 + 1335 + 120 + 1335 + 300, 1080, 60, 3360);
        QTest::newRow("ratio 100: the highest place")
            << 9495 << 4740 << false << 100 << u"picSéparateur"_s
            << QRect(8040 - 120 - 375 - 60 - 1335 - 120, 1080, 60, 3360);
        QTest::newRow("file list left of the bar")
            << 9495 << 4740 << false << 50 << u"lvwFichiers"_s << QRect(960, 1080, 3525, 3360);
        QTest::newRow("names list right of the bar")
            << 9495 << 4740 << false << 50 << u"lvwNoms"_s << QRect(4575, 1080, 3465, 3360);
        QTest::newRow("browse button at the right edge")
            << 12000 << 6000 << false << 50 << u"btnParcourir"_s << QRect(11505, 270, 375, 255);
        QTest::newRow("folder box up to it")
            << 12000 << 6000 << false << 50 << u"txtRépertoire"_s << QRect(960, 240, 10425, 285);
        QTest::newRow("logo centred")
            << 12000 << 6000 << false << 50 << u"imgPar"_s << QRect(5160, 600, 1680, 390);
        QTest::newRow("quit button at the bottom")
            << 12000 << 6000 << false << 50 << u"btnQuitter"_s << QRect(10665, 4860, 1215, 840);
        QTest::newRow("quit button above the shown panel")
            << 12000 << 10000 << true << 50 << u"btnQuitter"_s
            << QRect(10665, 10000 - 840 - 5130 - 360, 1215, 840);
        QTest::newRow("panel under the quit button")
            << 12000 << 10000 << true << 50 << u"picOptions"_s
            << QRect(0, 10000 - 5130 - 60, 12000, 5130);
        QTest::newRow("too short for the panel: quit at its highest")
            << 12000 << 7000 << true << 50 << u"btnQuitter"_s << QRect(10665, 3610, 1215, 840);
        QTest::newRow("too short: the panel scrolls, beside its bar")
            << 12000 << 7000 << true << 50 << u"picOptions"_s << QRect(0, 4750, 12000 - 240, 5130);
        QTest::newRow("hidden panel just below the client area")
            << 12000 << 6000 << false << 50 << u"picOptions"_s << QRect(0, 6000, 12000, 5130);
        QTest::newRow("numeric order under the file list")
            << 12000 << 6000 << false << 50 << u"chkTriNum"_s << QRect(960, 5720, 1335, 255);
        QTest::newRow("names counter right-aligned under its list")
            << 12000 << 6000 << false << 50 << u"lblNbNomsValeur"_s
            << QRect(10545 - 120 - 375, 5750, 375, 255);
        QTest::newRow("refresh button left of the file list")
            << 12000 << 6000 << false << 50 << u"btnRafraîchir"_s << QRect(480, 1380, 360, 275);
        QTest::newRow("order of taking under it")
            << 12000 << 6000 << false << 50 << u"btnTriDate"_s << QRect(480, 1715, 360, 275);
    }
    void resizeRules()
    {
        QFETCH(int, clientWidth);
        QFETCH(int, clientHeight);
        QFETCH(bool, panelShown);
        QFETCH(int, ratio);
        QFETCH(QString, control);
        TwipsLayout layout = captionedDesign();
        layoutClientArea(layout, {clientWidth, clientHeight, panelShown, 240}, ratio, {375, 375});
        QTEST(layout.value(control), "expected");
    }

    // A screen too short for the whole panel makes the smallest window
    // shorter, never shorter than a little of the panel.
    void minimumHeight_data()
    {
        QTest::addColumn<bool>("panelShown");
        QTest::addColumn<int>("roomOnScreen");
        QTest::addColumn<int>("expected");
        QTest::addColumn<int>("panelInView");
        const int whole = 4750 - 300 + 5130 + 360;
        QTest::newRow("hidden") << false << 3000 << 4750 << 0;
        QTest::newRow("shown, the screen tall enough") << true << 20000 << whole << 5130;
        QTest::newRow("shown on a short screen: the panel scrolls")
            << true << 7000 << 7000 << 7000 - 4750 - PanelBottomMargin;
        QTest::newRow("shown on a tiny screen: a little of the panel")
            << true << 3000 << 4750 + LeastPanelView << LeastPanelView - PanelBottomMargin;
    }
    void minimumHeight()
    {
        QFETCH(bool, panelShown);
        QFETCH(int, roomOnScreen);
        QFETCH(int, expected);
        TwipsLayout layout = captionedDesign();
        const int height = minimumClientHeight(layout, panelShown, roomOnScreen);
        QCOMPARE(height, expected);
        layoutClientArea(layout, {9495, height, panelShown, 240}, 50, {375, 375});
        QTEST(panelViewHeight(layout, height), "panelInView");
    }

    void splitterDrag_data()
    {
        QTest::addColumn<int>("mouseX");
        QTest::addColumn<int>("expectedLeft");
        QTest::addColumn<int>("expectedRatio");
        // Bar at 4500 in a list area from 960 to 8040; grabbed 30 twips in.
        QTest::newRow("a little to the right") << 330 << 4800 << 54;
        QTest::newRow("a little to the left") << -400 << 4070 << 44;
        QTest::newRow("past the highest place: the bar stays") << 3000 << 4500 << 50;
        QTest::newRow("past the lowest place: the bar stays") << -2000 << 4500 << 50;
    }
    void splitterDrag()
    {
        QFETCH(int, mouseX);
        TwipsLayout layout = captionedDesign();
        const SplitterBounds bounds = layoutClientArea(layout, {9495, 4740, false}, 50, {375, 375});
        if (const auto left = draggedSplitterLeft(4500, mouseX, 30, bounds))
            layout[u"picSéparateur"_s].moveLeft(*left);
        const int ratio = dropSplitter(layout);
        QTEST(layout.value(u"picSéparateur"_s).left(), "expectedLeft");
        QTEST(ratio, "expectedRatio");
        QCOMPARE(rightOf(layout.value(u"lvwFichiers"_s)) + 15,
                 layout.value(u"picSéparateur"_s).left());
        QCOMPARE(rightOf(layout.value(u"lvwNoms"_s)), 8040);
    }

    void optionsPanel_data()
    {
        QTest::addColumn<bool>("show");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("expectedTop");
        QTest::addColumn<int>("expectedHeight");
        const int nonClient = 600;
        const int shown = nonClient + 4750 + 5130 + PanelBottomMargin;
        QTest::newRow("hidden") << false << 2000 << 2000 << nonClient + 4750;
        QTest::newRow("shown, room below") << true << 500 << 500 << shown;
        QTest::newRow("shown, moved up to stay on screen")
            << true << 9000 << 16000 - shown - ScreenBottomMargin << shown;
        QTest::newRow("hidden never moves") << false << 15000 << 15000 << nonClient + 4750;
    }
    void optionsPanel()
    {
        QFETCH(bool, show);
        QFETCH(int, top);
        const WindowSpan span = toggleOptionsPanel(show, 600, top, {0, 4750, 9495, 5130}, 16000);
        QTEST(span.top, "expectedTop");
        QTEST(span.height, "expectedHeight");
    }

    // Two work areas side by side, the right one lower and smaller.
    void keepOnScreen_data()
    {
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<QSize>("minimum");
        QTest::addColumn<QRect>("expected");
        const QSize least(9600, 5630);
        QTest::newRow("inside: where it is")
            << QRect(3000, 1000, 13500, 6000) << least << QRect(3000, 1000, 13500, 6000);
        QTest::newRow("pushed above the top by the panel: moved down")
            << QRect(3000, -2760, 15000, 12000) << least << QRect(3000, 0, 15000, 12000);
        QTest::newRow("taller than the screen: as tall, at its top")
            << QRect(3000, -2760, 15000, 17190) << least << QRect(3000, 0, 15000, 15360);
        QTest::newRow("too small for the minimum: the top left corner kept in")
            << QRect(30000, 9000, 9600, 13000) << QSize(9600, 13000)
            << QRect(24960, 3840, 9600, 13000);
        QTest::newRow("right of every screen: onto the nearest")
            << QRect(90000, 6000, 13500, 6000) << least << QRect(21060, 6000, 13500, 6000);
        QTest::newRow("below both, nearer the first")
            << QRect(3000, 50000, 13500, 6000) << least << QRect(3000, 9360, 13500, 6000);
        QTest::newRow("over both: on the one it overlaps most")
            << QRect(17000, 5000, 13500, 6000) << least << QRect(19200, 5000, 13500, 6000);
    }
    void keepOnScreen()
    {
        QFETCH(QRect, frame);
        QFETCH(QSize, minimum);
        const QList<QRect> areas{{0, 0, 19200, 15360}, {19200, 3840, 15360, 11520}};
        QTEST(keepInside(frame, workAreaOf(frame, areas), minimum), "expected");
    }

    void imageInButton_data()
    {
        QTest::addColumn<ImageAlignment>("alignment");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("left") << ImageAlignment::Left << QPoint(10, 10);
        QTest::newRow("right") << ImageAlignment::Right << QPoint(81 - 10 - 7, 10);
        QTest::newRow("centre") << ImageAlignment::Centre << QPoint(37, 10);
    }
    void imageInButton()
    {
        QFETCH(ImageAlignment, alignment);
        QTEST(placeImageInButton({81, 25}, {7, 4}, alignment, 10), "expected");
    }
};

QTEST_APPLESS_MAIN(TestWindowLayout)
#include "tst_windowlayout.moc"
