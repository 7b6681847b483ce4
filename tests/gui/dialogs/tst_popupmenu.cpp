// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/AppError.h"
#include "dialogs/PopupMenu.h"

#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace tervane;

using namespace Qt::StringLiterals;

// The popup menu component, read as built and driven as shown.
class TestPopupMenu : public QObject {
    Q_OBJECT

    // Acts on the menu once it shows: presses the keys, in order.
    static void whenShown(QList<int> keys)
    {
        QTimer::singleShot(0, [keys] {
            QMenu* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!popup)
                return;
            for (int key : keys)
                QTest::keyClick(popup, Qt::Key(key));
            if (popup->isVisible())
                popup->close(); // never leave the test waiting on a menu
        });
    }

    static std::unique_ptr<PopupMenu> sample()
    {
        auto menu = std::make_unique<PopupMenu>();
        menu->addItem(10, u"&First\tCtrl+V"_s);
        menu->addItem(0, u"-"_s);
        menu->addItem(11, u"Greyed"_s, PopupMenu::Greyed);
        menu->addItem(12, u"Checked"_s, PopupMenu::Checked);
        menu->addItem(0, u"-"_s);
        menu->addItem(13, u"Last"_s, PopupMenu::Disabled);
        return menu;
    }

    QWidget m_owner;

private slots:
    void initTestCase()
    {
        m_owner.resize(200, 200);
        m_owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m_owner));
    }

    void builtMenuReadsInOrder()
    {
        const auto menu = sample();
        const QList<QAction*> items = menu->menu()->actions();
        QCOMPARE(items.size(), 6);
        QCOMPARE(items[0]->text(), u"&First\tCtrl+V"_s);
        QVERIFY(items[1]->isSeparator() && items[4]->isSeparator());
        QCOMPARE(PopupMenu::identifierOf(items[1]), 0);
        QVERIFY(!items[2]->isEnabled());
        QVERIFY(items[3]->isChecked());
        QVERIFY(!items[5]->isEnabled());
        QCOMPARE(PopupMenu::identifierOf(items[5]), 13);
    }

    void submenuIsListedUnderItsCaption()
    {
        PopupMenu sub;
        sub.Caption = u"More"_s;
        sub.addItem(21, u"Inner"_s);
        PopupMenu menu;
        menu.addItem(20, sub, PopupMenu::NewColumn);
        const QList<QAction*> items = menu.menu()->actions();
        QCOMPARE(items.last()->text(), u"More"_s);
        QCOMPARE(items.last()->menu(), sub.menu());
    }

    void choosingReturnsTheIdentifier()
    {
        const auto menu = sample();
        whenShown({Qt::Key_Down, Qt::Key_Return});
        QCOMPARE(menu->trackPopup(&m_owner, 10, 10, nullptr, false), 10);
    }

    void greyedItemsAreSkipped()
    {
        // Down twice from the top: First, then past the greyed item to Checked.
        const auto menu = sample();
        whenShown({Qt::Key_Down, Qt::Key_Down, Qt::Key_Return});
        QCOMPARE(menu->trackPopup(&m_owner, 10, 10, nullptr, false), 12);
    }

    void dismissingReturnsZero()
    {
        const auto menu = sample();
        whenShown({Qt::Key_Escape});
        QCOMPARE(menu->trackPopup(&m_owner, -1, -1, nullptr, false), 0);

        PopupMenu separators;
        separators.addItem(0, u"-"_s);
        separators.addItem(0, u"-"_s);
        whenShown({Qt::Key_Down, Qt::Key_Return, Qt::Key_Escape});
        QCOMPARE(separators.trackPopup(&m_owner, -1, -1, nullptr, false), 0);
    }

    void opensUnderAControlRightAligned()
    {
        QPushButton button(u"v"_s, &m_owner);
        button.setGeometry(150, 20, 30, 20);
        button.show();
        const auto menu = sample();
        QRect shownAt;
        QTimer::singleShot(0, [&] {
            if (auto* popup = QApplication::activePopupWidget()) {
                shownAt = popup->geometry();
                popup->close();
            }
        });
        QCOMPARE(menu->trackPopup(&m_owner, -1, -1, &button, true), 0);
        const QRect control(button.mapToGlobal(QPoint(0, 0)), button.size());
        QCOMPARE(shownAt.top(), control.bottom() + 1);
        QCOMPARE(shownAt.right(), control.right());
    }

    void noOwnerWindowIsAnError()
    {
        m_owner.hide();
        PopupMenu menu;
        menu.addItem(1, u"x"_s);
        QVERIFY_THROWS_EXCEPTION(AppError, menu.trackPopup(nullptr, 0, 0, nullptr, false));
        m_owner.show();
    }
};

QTEST_MAIN(TestPopupMenu)
#include "tst_popupmenu.moc"
