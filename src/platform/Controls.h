#pragma once

#include <QString>
#include <QWidget>

// Helpers for building windows the way the program describes them: every
// control carries its name as objectName (language files find controls by
// it), and sits at a place given in twips.

double WidgetDpi(const QWidget* widget);

// Places a child at a rectangle given in twips.
void PlaceInTwips(QWidget* widget, int left, int top, int width, int height);

// Creates a named child control with a caption-less constructor.
template <typename Control>
Control* MakeControl(QWidget* parent, const QString& name)
{
    auto* control = new Control(parent);
    control->setObjectName(name);
    return control;
}

// Names a member of a control array: base name as objectName, index as the
// "index" property; its translation key is "name(index)".
void SetArrayIndex(QObject* control, int index);
int ArrayIndex(const QObject* control);
QString ControlKey(const QObject* control);
