// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QString>
#include <QWidget>

class QLabel;

namespace tervane {

// Helpers for building windows the way the program describes them: every
// control carries its name as objectName (language files find controls by
// it), and sits at a place given in twips.

double widgetDpi(const QWidget* widget);

// Places a child at a rectangle given in twips.
void placeInTwips(QWidget* widget, int left, int top, int width, int height);

// Creates a named child control with a caption-less constructor.
template <typename Control>
Control* makeControl(QWidget* parent, const QString& name)
{
    auto* control = new Control(parent);
    control->setObjectName(name);
    return control;
}

// Creates a named child control (label, button, check box...) with its
// caption, at a place given in twips.
template <typename Control>
Control* makeCaptioned(QWidget* parent, const QString& name, const QString& caption,
                       const QRect& twips)
{
    auto* control = makeControl<Control>(parent, name);
    control->setText(caption);
    placeInTwips(control, twips.x(), twips.y(), twips.width(), twips.height());
    return control;
}

// Creates a named child control as a design table describes it: with its
// caption (a frame's title) when it has one, at its place in twips unless
// that is left empty for the code that follows.
template <typename Control>
Control* makeDesigned(QWidget* parent, const char16_t* name, const char16_t* caption,
                      const QRect& twips)
{
    auto* control = makeControl<Control>(parent, QString::fromUtf16(name));
    if (caption) {
        if constexpr (requires { control->setText(QString()); })
            control->setText(QString::fromUtf16(caption));
        else if constexpr (requires { control->setTitle(QString()); })
            control->setTitle(QString::fromUtf16(caption));
    }
    if (!twips.isNull())
        placeInTwips(control, twips.x(), twips.y(), twips.width(), twips.height());
    return control;
}

// A caption as a screen reader is to say it: without its access-key "&"
// ("&&" says one) and without the spaces that pad it on the screen.
QString spokenCaption(const QString& caption);

// Names a field after the label beside it, and ties the label to it: an
// access key in the label leads to the field.
void nameByLabel(QWidget* field, QLabel* label);

// Names every captioned button under root by its spoken caption, so that no
// padding or "&" of the screen reaches a screen reader.
void nameCaptionedButtons(QWidget* root);

// Names a member of a control array: base name as objectName, index as the
// "index" property; its translation key is "name(index)".
void setArrayIndex(QObject* control, int index);
int arrayIndex(const QObject* control);
QString controlKey(const QObject* control);

} // namespace tervane
