// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/FileNameBytes.h"

#include "text/TextDecoding.h"
#include "text/TextHelpers.h"

#include <QStringDecoder>

#include <algorithm>

namespace tervane {

namespace {

constexpr char16_t FirstEscape = 0xDC80;

bool isAscii(QByteArrayView bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) < 0x80; });
}

} // namespace

QString fileNameOfBytes(QByteArrayView bytes)
{
    if (isAscii(bytes))
        return QString::fromLatin1(bytes);
    // A leading byte order mark is part of the name, not to be dropped.
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString name = utf8(bytes);
    if (!utf8.hasError())
        return name;
    name.clear();
    name.reserve(bytes.size());
    for (const char c : bytes)
        name += QChar(char16_t(uchar(c) < 0x80 ? uchar(c) : FirstEscape + uchar(c) - 0x80));
    return name;
}

int foreignByteAt(QStringView name, qsizetype i)
{
    const char16_t c = name[i].unicode();
    if (c < FirstEscape || c > 0xDCFF)
        return -1;
    // The second half of a pair is a character, not a byte.
    if (i > 0 && name[i - 1].isHighSurrogate())
        return -1;
    return c - FirstEscape + 0x80;
}

bool hasForeignBytes(QStringView name)
{
    // Every name of every row is asked at each run of the names: the common
    // answer comes from one pass over the code units.
    const auto mayBeByte = [](QChar c) { return (c.unicode() & 0xFF80) == 0xDC80; };
    if (std::none_of(name.begin(), name.end(), mayBeByte))
        return false;
    for (qsizetype i = 0; i < name.size(); ++i)
        if (foreignByteAt(name, i) >= 0)
            return true;
    return false;
}

QByteArray bytesOfFileName(QStringView name)
{
    if (!hasForeignBytes(name))
        return name.toUtf8();
    QByteArray bytes;
    bytes.reserve(name.size());
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (const int byte = foreignByteAt(name, i); byte >= 0)
            bytes += char(byte);
        else
            bytes += name.mid(i, name[i].isHighSurrogate() ? 2 : 1).toUtf8();
        if (name[i].isHighSurrogate())
            ++i;
    }
    return bytes;
}

void appendBytesOfFileName(QByteArray& out, QStringView name)
{
    if (isAscii(name))
        appendAsciiBytes(out, name);
    else
        out += bytesOfFileName(name);
}

void appendAsciiBytes(QByteArray& out, QStringView ascii)
{
    const qsizetype at = out.size();
    out.resize(at + ascii.size());
    std::transform(ascii.begin(), ascii.end(), out.data() + at,
                   [](QChar c) { return char(c.unicode()); });
}

QString shownFileName(const QString& name)
{
    if (!hasForeignBytes(name))
        return name;
    QString shown;
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (const int byte = foreignByteAt(name, i); byte >= 0)
            shown += decodeText(QByteArray(1, char(byte)));
        else
            shown += name[i];
    }
    return shown;
}

} // namespace tervane
