#include "naming/Numbering.h"

#include "text/TextHelpers.h"

namespace tervane {

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
    // Written by hand into one allocation: this runs for every name at every
    // keystroke in an option box.
    char16_t digits[16];
    int count = 0;
    for (unsigned value = index < 0 ? 0u - unsigned(index) : unsigned(index); count == 0 || value;
         value /= 10)
        digits[count++] = char16_t(u'0' + value % 10);
    if (index < 0)
        digits[count++] = u'-';
    // Zero-filled to width keeps the last width characters, as PadLeft does.
    const int length = width >= 2 ? width : count;
    QString number(length, u'0');
    for (int i = 0; i < std::min(length, count); ++i)
        number[length - 1 - i] = QChar(digits[i]);
    return number;
}

QString FormatTemplateName(const QString& name, int index, int width)
{
    return ReplaceText(name, NumberPlaceholder, NumberText(index, width), 1, CompareMode::Binary);
}

QString FormatNumberedName(const QString& name, int index, const TreatmentOptions& options)
{
    if (!options.Numbering)
        return name;
    const QString number = NumberText(index, options.NumberingWidth);
    const bool atEnd = options.NumberingPosition == InsertPosition::AtEnd;
    QString result;
    result.reserve(name.size() + options.NumberingPrefix.size() + number.size() +
                   options.NumberingSuffix.size());
    if (atEnd)
        result += name;
    result += options.NumberingPrefix;
    result += number;
    result += options.NumberingSuffix;
    if (!atEnd)
        result += name;
    return result;
}

qsizetype AddedStringIndex(QStringView name, int p)
{
    if (p == -1)
        return name.size();
    return UnitIndexOfCodePoint(name, std::max(p - 1, 0));
}

QString InsertAddedString(const QString& name, const QString& text, int p)
{
    QString result = name;
    return result.insert(AddedStringIndex(name, p), text);
}

} // namespace tervane
