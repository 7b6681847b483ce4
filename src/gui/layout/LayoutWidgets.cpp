// SPDX-License-Identifier: GPL-3.0-or-later
#include "layout/LayoutWidgets.h"

#include "widgets/Controls.h"
#include "widgets/Twips.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QWidget>

#include <cmath>

namespace tervane {

namespace {

// The controls of a container: its named children, not the parts Qt makes
// inside its own widgets.
QList<QWidget*> controlsOf(const QWidget* container)
{
    QList<QWidget*> controls;
    for (QWidget* child : container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!child->objectName().isEmpty() && !child->objectName().startsWith(u"qt_"))
            controls.append(child);
    return controls;
}

int ceilTwips(const QWidget* widget, int pixels)
{
    return int(std::ceil(pixels * TwipsPerInch / widgetDpi(widget)));
}

std::optional<CaptionWidth> captionOf(const QWidget* control)
{
    const int needed = neededCaptionWidth(control);
    if (needed == 0)
        return std::nullopt;
    int text = 0;
    if (const auto* label = qobject_cast<const QLabel*>(control))
        text = label->sizeHint().width();
    else if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        text = button->fontMetrics().size(Qt::TextShowMnemonic, button->text()).width();
    else if (const auto* list = qobject_cast<const QComboBox*>(control))
        for (int i = 0; i < list->count(); ++i)
            text = std::max(text, list->fontMetrics().horizontalAdvance(list->itemText(i)));
    return CaptionWidth{ceilTwips(control, text), ceilTwips(control, needed)};
}

} // namespace

int neededCaptionWidth(const QWidget* control)
{
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return label->text().isEmpty() || label->wordWrap() ? 0 : label->sizeHint().width();
    if (const auto* button = qobject_cast<const QPushButton*>(control)) {
        if (button->text().isEmpty())
            return 0;
        const QStyle* style = button->style();
        return button->fontMetrics().size(Qt::TextShowMnemonic, button->text()).width() +
               style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) +
               2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button) +
               (button->isDefault() || button->autoDefault()
                    ? 2 * style->pixelMetric(QStyle::PM_ButtonDefaultIndicator, nullptr, button)
                    : 0);
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text().isEmpty() ? 0 : button->sizeHint().width();
    if (const auto* list = qobject_cast<const QComboBox*>(control))
        return list->sizeHint().width();
    return 0;
}

int textWidthInTwips(const QWidget* widget, const QString& text)
{
    return ceilTwips(widget, widget->fontMetrics().size(Qt::TextShowMnemonic, text).width());
}

TwipsLayout readLayout(const QList<QWidget*>& containers)
{
    TwipsLayout layout;
    for (const QWidget* container : containers)
        for (const QWidget* control : controlsOf(container)) {
            const double dpi = widgetDpi(control);
            const QRect pixels = control->geometry();
            layout[controlKey(control)] =
                QRect(pixelsToTwips(pixels.x(), dpi), pixelsToTwips(pixels.y(), dpi),
                      pixelsToTwips(pixels.width(), dpi), pixelsToTwips(pixels.height(), dpi));
        }
    return layout;
}

void applyLayout(const TwipsLayout& layout, const QList<QWidget*>& containers)
{
    for (const QWidget* container : containers)
        for (QWidget* control : controlsOf(container)) {
            const QString key = controlKey(control);
            if (!layout.contains(key))
                continue;
            // Both edges are converted, so that neighbours 15 twips apart stay apart.
            const QRect twips = layout.value(key);
            const double dpi = widgetDpi(control);
            const int left = twipsToPixels(twips.x(), dpi);
            const int top = twipsToPixels(twips.y(), dpi);
            const QRect pixels(left, top, twipsToPixels(rightOf(twips), dpi) - left,
                               twipsToPixels(bottomOf(twips), dpi) - top);
            if (control->geometry() != pixels)
                control->setGeometry(pixels);
        }
}

CaptionWidths measureCaptions(const QList<QWidget*>& containers)
{
    CaptionWidths captions;
    for (const QWidget* container : containers)
        for (const QWidget* control : controlsOf(container))
            if (const auto caption = captionOf(control))
                captions.insert(controlKey(control), *caption);
    return captions;
}

} // namespace tervane
