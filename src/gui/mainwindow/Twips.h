#pragma once

#include <QRect>
#include <cmath>

namespace tervane {

// Window geometry is reckoned in twips (1/1440 inch) and converted at the edge.
inline constexpr double TwipsPerInch = 1440.0;

inline int TwipsToPixels(int twips, double dpi)
{
    return int(std::lround(twips * dpi / TwipsPerInch));
}

inline int PixelsToTwips(int pixels, double dpi)
{
    return int(std::lround(pixels * TwipsPerInch / dpi));
}

inline QRect TwipsToPixels(const QRect& twips, double dpi)
{
    return {TwipsToPixels(twips.x(), dpi), TwipsToPixels(twips.y(), dpi),
            TwipsToPixels(twips.width(), dpi), TwipsToPixels(twips.height(), dpi)};
}

} // namespace tervane
