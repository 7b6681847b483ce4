// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/Controls.h"

#include "layout/Twips.h"

#include <QVariant>

namespace tervane {

double widgetDpi(const QWidget* widget)
{
    return widget->logicalDpiX();
}

void placeInTwips(QWidget* widget, int left, int top, int width, int height)
{
    widget->setGeometry(twipsToPixels(QRect(left, top, width, height), widgetDpi(widget)));
}

void setArrayIndex(QObject* control, int index)
{
    control->setProperty("index", index);
}

int arrayIndex(const QObject* control)
{
    const QVariant index = control->property("index");
    return index.isValid() ? index.toInt() : -1;
}

QString controlKey(const QObject* control)
{
    const int index = arrayIndex(control);
    return index < 0 ? control->objectName()
                     : control->objectName() + u'(' + QString::number(index) + u')';
}

} // namespace tervane
