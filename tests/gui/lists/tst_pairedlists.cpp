// SPDX-License-Identifier: GPL-3.0-or-later
#include "lists/ListModels.h"
#include "lists/MarkedNameDelegate.h"
#include "lists/PairedLists.h"
#include "session/RenameWorkspace.h"
#include "widgets/ReadableColour.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QStyleFactory>
#include <QTest>
#include <QTreeView>

using namespace tervane;

using namespace Qt::StringLiterals;

// The two lists on real views: selection echo and scrolling together.
class TestPairedLists : public QObject {
    Q_OBJECT

    struct Pair {
        RenameWorkspace workspace;
        QWidget window;
        QTreeView* files = new QTreeView(&window);
        QTreeView* names = new QTreeView(&window);
        FileListModel fileModel{{workspace.fileRows, workspace.nameRows}};
        NameListModel nameModel{{workspace.fileRows, workspace.nameRows}};
        PairedLists lists{{workspace.fileRows, workspace.nameRows}, files, names, nullptr};

        Pair(int fileCount, int nameCount)
        {
            for (int i = 0; i < fileCount; ++i)
                workspace.fileRows << u"file %1.mp3"_s.arg(i);
            for (int i = 0; i < nameCount; ++i)
                workspace.nameRows.push_back({u"name %1.mp3"_s.arg(i), false});
            for (QTreeView* view : {files, names}) {
                view->setUniformRowHeights(true);
                view->setRootIsDecorated(false);
                view->setHeaderHidden(true);
            }
            files->setModel(&fileModel);
            names->setModel(&nameModel);
            names->setSelectionMode(QAbstractItemView::ExtendedSelection);
            files->setGeometry(0, 0, 200, 200);
            names->setGeometry(210, 0, 200, 200);
            fileModel.reload();
            nameModel.refresh();
            window.resize(420, 200);
            window.show();
        }
        void click(QTreeView* view, int row, Qt::KeyboardModifiers modifiers = {})
        {
            const QModelIndex index = view->model()->index(row, 0);
            view->scrollTo(index);
            QTest::mouseClick(view->viewport(), Qt::LeftButton, modifiers,
                              view->visualRect(index).center());
        }
        QList<int> selectedRows(QTreeView* view) const
        {
            QList<int> rows;
            for (const QModelIndex& index : view->selectionModel()->selectedRows())
                rows << index.row();
            std::sort(rows.begin(), rows.end());
            return rows;
        }
    };

private slots:
    void modelsPassTheModelTester()
    {
        Pair pair(5, 3);
        QAbstractItemModelTester fileTester(&pair.fileModel);
        QAbstractItemModelTester nameTester(&pair.nameModel);
        pair.workspace.nameRows.push_back({u"x"_s, true});
        pair.nameModel.refresh();
        pair.workspace.nameRows[0].text = u"changed"_s;
        pair.nameModel.refresh();
        pair.workspace.fileRows.clear();
        pair.fileModel.reload();
        QCOMPARE(pair.nameModel.rowCount(), 4);
        QCOMPARE(pair.nameModel.data(pair.nameModel.index(3), Qt::ForegroundRole)
                     .value<QBrush>()
                     .color(),
                 doubledNameColour(QApplication::palette().color(QPalette::Base)));
    }

    // The marks stay readable on the palette in use: a doubled name drawn
    // by the model, a taken one, and the counters on the window.
    void marksAreReadableOnEveryPalette_data()
    {
        QTest::addColumn<bool>("dark");
        QTest::addColumn<QString>("mark");
        for (const bool dark : {false, true})
            for (const QString& mark : {u"doubled"_s, u"taken"_s, u"counter"_s, u"counts differ"_s})
                QTest::newRow(qPrintable((dark ? u"dark, "_s : u"light, "_s) + mark))
                    << dark << mark;
    }
    void marksAreReadableOnEveryPalette()
    {
        QFETCH(bool, dark);
        QFETCH(QString, mark);
        const QPalette before = QApplication::palette();
        QPalette palette = QStyleFactory::create(u"Fusion"_s)->standardPalette();
        if (dark) {
            palette.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
            palette.setColor(QPalette::Base, QColor(0x3D, 0x3D, 0x3D));
            palette.setColor(QPalette::Highlight, QColor(0x2A, 0x82, 0xDA));
        }
        QApplication::setPalette(palette);
        const QColor window = palette.color(QPalette::Window);
        const QColor base = palette.color(QPalette::Base);
        QColor colour;
        QColor background = base;
        if (mark == u"doubled") {
            Pair pair(2, 2);
            pair.workspace.nameRows[1].duplicate = true;
            const QModelIndex row = pair.nameModel.index(1, 0);
            colour = row.data(Qt::ForegroundRole).value<QBrush>().color();
            // Selected, the row keeps its colour, readable on the selection's.
            struct Delegate : MarkedNameDelegate {
                using MarkedNameDelegate::initStyleOption;
            };
            QStyleOptionViewItem selected;
            selected.palette = palette;
            selected.state = QStyle::State_Selected;
            Delegate().initStyleOption(&selected, row);
            const QColor kept = selected.palette.color(QPalette::HighlightedText);
            QVERIFY(kept != palette.color(QPalette::HighlightedText));
            QVERIFY(contrastRatio(kept, palette.color(QPalette::Highlight)) >= ReadableContrast);
        } else if (mark == u"taken") {
            colour = takenNameColour(base);
        } else {
            background = window;
            colour = readableOn(mark == u"counter" ? palette.color(QPalette::Highlight)
                                                   : QColor(255, 0, 0),
                                window);
        }
        QApplication::setPalette(before);
        QVERIFY2(contrastRatio(colour, background) >= ReadableContrast,
                 qPrintable(colour.name() + u" on "_s + background.name()));
    }

    void fileClickEchoesToNames()
    {
        Pair pair(10, 10);
        pair.click(pair.names, 1);
        pair.click(pair.files, 4);
        QCOMPARE(pair.selectedRows(pair.names), QList<int>{4});
    }

    void fileClickBeyondTheNamesSelectsNone()
    {
        Pair pair(12, 8);
        pair.click(pair.names, 2);
        pair.click(pair.files, 11);
        QCOMPARE(pair.selectedRows(pair.names), QList<int>{});
    }

    void nameClickEchoesOnlyForASingleSelection()
    {
        Pair pair(10, 10);
        pair.click(pair.names, 3);
        QCOMPARE(pair.selectedRows(pair.files), QList<int>{3});
        pair.click(pair.names, 5, Qt::ControlModifier);
        pair.click(pair.names, 6, Qt::ControlModifier);
        QCOMPARE(pair.selectedRows(pair.names), (QList<int>{3, 5, 6}));
        QCOMPARE(pair.selectedRows(pair.files), QList<int>{3}); // unchanged
    }

    void scrollingTheFilesScrollsTheNames()
    {
        Pair pair(200, 200);
        pair.files->scrollTo(pair.fileModel.index(3), QAbstractItemView::PositionAtTop);
        QCOMPARE(topIndex(pair.files), 3);
        QTRY_COMPARE(topIndex(pair.names), 3);
        pair.names->scrollTo(pair.nameModel.index(0), QAbstractItemView::PositionAtTop);
        QTRY_COMPARE(topIndex(pair.files), 0);
    }

    void namesScrolledPastTheFilesLeaveTheFilesOnTheirLastPage()
    {
        Pair pair(30, 200);
        pair.names->scrollTo(pair.nameModel.index(150), QAbstractItemView::PositionAtTop);
        const int lastTop = 30 - countPerPage(pair.files);
        QTRY_COMPARE(topIndex(pair.files), lastTop);
    }

    void alignWhenBothMovedFavoursTheFiles()
    {
        Pair pair(200, 200);
        pair.lists.scrollSyncTimer.stop();
        pair.files->scrollTo(pair.fileModel.index(40), QAbstractItemView::PositionAtTop);
        pair.names->scrollTo(pair.nameModel.index(90), QAbstractItemView::PositionAtTop);
        pair.lists.alignTopRows();
        QCOMPARE(topIndex(pair.names), 40);
    }

    void moveAvailability()
    {
        Pair pair(5, 5);
        pair.lists.updateMoveAvailability();
        QVERIFY(!pair.lists.canMoveUp() && !pair.lists.canMoveDown());
        pair.click(pair.names, 0);
        pair.lists.updateMoveAvailability();
        QVERIFY(!pair.lists.canMoveUp() && pair.lists.canMoveDown());
        pair.click(pair.names, 4);
        pair.lists.updateMoveAvailability();
        QVERIFY(pair.lists.canMoveUp() && !pair.lists.canMoveDown());
    }

    void selectAllAndCount()
    {
        Pair pair(5, 7);
        setAllItemsSelected(pair.names, true);
        QCOMPARE(getSelectedCount(pair.names), 7);
        setAllItemsSelected(pair.names, false);
        QCOMPARE(getSelectedCount(pair.names), 0);
    }
};

QTEST_MAIN(TestPairedLists)
#include "tst_pairedlists.moc"
