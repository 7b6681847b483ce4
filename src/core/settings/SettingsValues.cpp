// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/SettingsValues.h"

#include <cmath>
#include <limits>

namespace tervane {

double numericValue(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    const qsizetype start = i;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        ++i;
    const qsizetype digitsStart = i;
    while (i < text.size() && text[i] >= u'0' && text[i] <= u'9')
        ++i;
    bool anyDigit = i > digitsStart;
    if (i < text.size() && text[i] == u'.') {
        const qsizetype fractionStart = ++i;
        while (i < text.size() && text[i] >= u'0' && text[i] <= u'9')
            ++i;
        anyDigit = anyDigit || i > fractionStart;
    }
    if (!anyDigit)
        return 0;
    bool ok = false;
    const double value = QStringView(text).sliced(start, i - start).toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0;
}

bool readBoolValue(const QString& text)
{
    return numericValue(text) == -1;
}

QString boolText(bool ticked)
{
    return ticked ? QStringLiteral("-1") : QStringLiteral("0");
}

bool readMenuValue(const QString& text)
{
    return numericValue(text) != 0;
}

int readNumberValue(const QString& text)
{
    const double rounded = std::nearbyint(numericValue(text));
    constexpr double lowest = std::numeric_limits<int>::min();
    constexpr double highest = std::numeric_limits<int>::max();
    return rounded < lowest    ? std::numeric_limits<int>::min()
           : rounded > highest ? std::numeric_limits<int>::max()
                               : static_cast<int>(rounded);
}

QString encodeSpaces(const QString& text)
{
    QString stored = text;
    return stored.replace(u' ', QStringLiteral("&nbsp;"));
}

QString decodeSpaces(const QString& stored)
{
    QString text = stored;
    return text.replace(QStringLiteral("&nbsp;"), QStringLiteral(" "), Qt::CaseSensitive);
}

} // namespace tervane
