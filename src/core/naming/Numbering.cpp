// SPDX-License-Identifier: GPL-3.0-or-later
#include "naming/Numbering.h"

#include "text/TextHelpers.h"

namespace tervane {

int digitCount(qint64 count)
{
    int digits = 1;
    for (count = count < 0 ? -count : count; count >= 10; count /= 10)
        ++digits;
    return digits;
}

bool fillWidthSuits(int width, qint64 fileCount)
{
    return !(width >= 1 && width < digitCount(fileCount));
}

int fillWidthForListing(int selectedWidth, qint64 fileCount)
{
    const int needed = std::max(2, digitCount(fileCount));
    return selectedWidth == 0 ? 0 : needed;
}

QString numberText(int index, int width)
{
    // Written by hand into one allocation: this runs for every name at every
    // keystroke in an option box.
    char16_t digits[16];
    int count = 0;
    for (unsigned value = index < 0 ? 0u - unsigned(index) : unsigned(index); count == 0 || value;
         value /= 10)
        digits[count++] = char16_t(u'0' + value % 10);
    if (index < 0)
        digits[count++] = u'-';
    // Zero-filled to width keeps the last width characters, like a left pad.
    const int length = width >= 2 ? width : count;
    QString number(length, u'0');
    for (int i = 0; i < std::min(length, count); ++i)
        number[length - 1 - i] = QChar(digits[i]);
    return number;
}

QString formatNumberedName(const QString& name, int index, const TreatmentOptions& options)
{
    if (!options.numbering)
        return name;
    const QString number = numberText(index, options.numberingWidth);
    const bool atEnd = options.numberingPosition == InsertPosition::AtEnd;
    QString result;
    result.reserve(name.size() + options.numberingPrefix.size() + number.size() +
                   options.numberingSuffix.size());
    if (atEnd)
        result += name;
    result += options.numberingPrefix;
    result += number;
    result += options.numberingSuffix;
    if (!atEnd)
        result += name;
    return result;
}

qsizetype addedStringIndex(QStringView name, int p)
{
    if (p == -1)
        return name.size();
    return unitIndexOfCodePoint(name, std::max(p - 1, 0));
}

} // namespace tervane
