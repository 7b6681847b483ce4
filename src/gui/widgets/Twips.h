// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <cmath>

namespace tervane {

// Window geometry is reckoned in twips (1/1440 inch) and converted at the edge.
inline constexpr double TwipsPerInch = 1440.0;

inline int twipsToPixels(int twips, double dpi)
{
    return int(std::lround(twips * dpi / TwipsPerInch));
}

inline int pixelsToTwips(int pixels, double dpi)
{
    return int(std::lround(pixels * TwipsPerInch / dpi));
}

inline QRect twipsToPixels(const QRect& twips, double dpi)
{
    return {twipsToPixels(twips.x(), dpi), twipsToPixels(twips.y(), dpi),
            twipsToPixels(twips.width(), dpi), twipsToPixels(twips.height(), dpi)};
}

inline QRect pixelsToTwips(const QRect& pixels, double dpi)
{
    return {pixelsToTwips(pixels.x(), dpi), pixelsToTwips(pixels.y(), dpi),
            pixelsToTwips(pixels.width(), dpi), pixelsToTwips(pixels.height(), dpi)};
}

} // namespace tervane
