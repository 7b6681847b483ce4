// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/Controls.h"

#include "widgets/Twips.h"

#include <QAbstractButton>
#include <QLabel>
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

QString spokenCaption(const QString& caption)
{
    QString spoken;
    spoken.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && ++i == caption.size())
            break;
        spoken += caption[i];
    }
    return spoken.trimmed();
}

void nameByLabel(QWidget* field, QLabel* label)
{
    // Tied even without an access key: on Linux a list box is said by its
    // current entry, and its label only reaches a screen reader this way.
    label->setBuddy(field);
    field->setAccessibleName(spokenCaption(label->text()));
}

void nameCaptionedButtons(QWidget* root)
{
    for (QAbstractButton* button : root->findChildren<QAbstractButton*>())
        if (!button->text().isEmpty())
            button->setAccessibleName(spokenCaption(button->text()));
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
