#include "layout/LayoutWidgets.h"

#include "layout/Twips.h"
#include "mainwindow/Controls.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
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
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        if (label->text().isEmpty() || label->wordWrap())
            return std::nullopt;
        const int width = ceilTwips(label, label->sizeHint().width());
        return CaptionWidth{width, width};
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
        if (button->text().isEmpty())
            return std::nullopt;
        return CaptionWidth{textWidthInTwips(button, button->text()),
                            ceilTwips(button, button->sizeHint().width())};
    }
    if (const auto* list = qobject_cast<const QComboBox*>(control)) {
        int widest = 0;
        for (int i = 0; i < list->count(); ++i)
            widest = std::max(widest, textWidthInTwips(list, list->itemText(i)));
        return CaptionWidth{widest, ceilTwips(list, list->sizeHint().width())};
    }
    return std::nullopt;
}

} // namespace

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
