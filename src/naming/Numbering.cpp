#include "Numbering.h"

#include "TextHelpers.h"

#include <QStringBuilder>

int DigitCount(qint64 count)
{
    int digits = 1;
    for (count = count < 0 ? -count : count; count >= 10; count /= 10)
        ++digits;
    return digits;
}

bool FillWidthSuits(int width, qint64 fileCount)
{
    return !(width >= 1 && width < DigitCount(fileCount));
}

int FillWidthForListing(int selectedWidth, qint64 fileCount)
{
    const int needed = std::max(2, DigitCount(fileCount));
    return selectedWidth == 0 ? 0 : needed;
}

QString NumberText(int index, int width)
{
    // Written by hand: this runs for every name at every keystroke in an
    // option box, and QString::number goes through the locale machinery.
    char16_t digits[16];
    int count = 0;
    for (unsigned value = index < 0 ? 0u - unsigned(index) : unsigned(index); count == 0 || value;
         value /= 10)
        digits[count++] = char16_t(u'0' + value % 10);
    QString number = index < 0 ? QStringLiteral("-") : QString();
    number.reserve(std::max(width, count + 1));
    for (int i = count; i-- > 0;)
        number += QChar(digits[i]);
    return width >= 2 ? PadLeft(number, width, u'0') : number;
}

QString FormatTemplateName(const QString& name, int index, int width)
{
    return ReplaceText(name, NumberPlaceholder, NumberText(index, width), 1, CompareMode::Binary);
}

QString FormatNumberedName(const QString& name, int index, const TreatmentOptions& options)
{
    if (!options.Numbering)
        return name;
    const QString number = options.NumberingPrefix + NumberText(index, options.NumberingWidth) +
                           options.NumberingSuffix;
    return options.NumberingPosition == InsertPosition::AtEnd ? name + number : number + name;
}

QString InsertAddedString(const QString& name, const QString& text, int p)
{
    if (p == 1)
        return text + name;
    if (p == -1)
        return name + text;
    const qsizetype at = std::clamp<qsizetype>(p - 1, 0, name.size());
    return name.left(at) + text + name.mid(at);
}
