#include "layout/WindowLayout.h"

#include <QTest>

using namespace tervane;

class TestWindowLayout : public QObject {
    Q_OBJECT
private slots:
    void placeholder() {}
};

QTEST_APPLESS_MAIN(TestWindowLayout)
#include "tst_windowlayout.moc"
