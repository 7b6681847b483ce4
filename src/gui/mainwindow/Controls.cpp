#include "mainwindow/Controls.h"

#include "mainwindow/Twips.h"

#include <QVariant>

namespace tervane {

double WidgetDpi(const QWidget* widget)
{
    return widget->logicalDpiX();
}

void PlaceInTwips(QWidget* widget, int left, int top, int width, int height)
{
    widget->setGeometry(TwipsToPixels(QRect(left, top, width, height), WidgetDpi(widget)));
}

void SetArrayIndex(QObject* control, int index)
{
    control->setProperty("index", index);
}

int ArrayIndex(const QObject* control)
{
    const QVariant index = control->property("index");
    return index.isValid() ? index.toInt() : -1;
}

QString ControlKey(const QObject* control)
{
    const int index = ArrayIndex(control);
    return index < 0 ? control->objectName()
                     : control->objectName() + u'(' + QString::number(index) + u')';
}

} // namespace tervane
