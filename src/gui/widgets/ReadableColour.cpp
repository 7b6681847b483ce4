// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/ReadableColour.h"

#include <algorithm>
#include <cmath>

namespace tervane {

namespace {

double channelLuminance(double channel)
{
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& colour)
{
    return 0.2126 * channelLuminance(colour.redF()) + 0.7152 * channelLuminance(colour.greenF()) +
           0.0722 * channelLuminance(colour.blueF());
}

} // namespace

double contrastRatio(const QColor& a, const QColor& b)
{
    const double first = luminance(a);
    const double second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

QColor readableOn(const QColor& wanted, const QColor& background)
{
    // Towards black on a light background, towards white on a dark one:
    // the lightness that first reaches the contrast, in small steps.
    const bool darken = luminance(background) > 0.18;
    QColor colour = wanted.toHsl();
    for (int step = 0; step < 100 && contrastRatio(colour, background) < ReadableContrast; ++step) {
        colour.setHslF(colour.hslHueF(), colour.hslSaturationF(),
                       std::clamp(colour.lightnessF() + (darken ? -0.01f : 0.01f), 0.0f, 1.0f));
    }
    return colour.toRgb();
}

QColor doubledNameColour(const QColor& background)
{
    return readableOn(QColor(255, 0, 0), background);
}

// Orange, another colour than the red of doubled names.
QColor takenNameColour(const QColor& background)
{
    return readableOn(QColor(230, 110, 0), background);
}

} // namespace tervane
