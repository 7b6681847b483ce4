// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/TextDecoding.h"

#include "base/AppError.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringList>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace tervane {

QString decodeText(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (!utf8.hasError()) {
        if (text.startsWith(QChar(0xFEFF)))
            text.remove(0, 1);
        return text;
    }
    QStringDecoder windows1252("Windows-1252");
    if (windows1252.isValid())
        return windows1252(bytes);
    return QString::fromLatin1(bytes);
}

QString decodeTextLines(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString whole = utf8(bytes);
    if (!utf8.hasError())
        return decodeText(bytes); // the common case: one valid UTF-8 text
    QStringList lines;
    for (const QByteArray& line : bytes.split('\n'))
        lines << decodeText(line);
    return lines.join(u'\n');
}

namespace {

// UTF-16 of the given order, or nothing when the bytes cannot be.
std::optional<QString> decodeUtf16(QByteArrayView bytes, bool bigEndian)
{
    if (bytes.size() % 2 != 0)
        return std::nullopt;
    QString text(bytes.size() / 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const auto high = uchar(bytes[2 * i + (bigEndian ? 0 : 1)]);
        const auto low = uchar(bytes[2 * i + (bigEndian ? 1 : 0)]);
        text[i] = QChar(char16_t((high << 8) | low));
    }
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (text[i].isSurrogate())
            return std::nullopt;
    }
    return text;
}

} // namespace

std::optional<QString> decodeTextFile(const QByteArray& bytes)
{
    std::optional<QString> text;
    if (bytes.startsWith("\xff\xfe"))
        text = decodeUtf16(QByteArrayView(bytes).sliced(2), false);
    else if (bytes.startsWith("\xfe\xff"))
        text = decodeUtf16(QByteArrayView(bytes).sliced(2), true);
    else if (bytes.startsWith("\xef\xbb\xbf"))
        text = decodeText(bytes.sliced(3));
    else
        text = decodeText(bytes);
    if (text && text->contains(QChar(0)))
        return std::nullopt;
    return text;
}

int textFileProblem(const QString& path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return ENOENT;
    // Only regular files (links followed): not folders, pipes or devices.
    if (!info.isFile())
        return EINVAL;
    return info.size() > MaximumTextFileSize ? EFBIG : 0;
}

void openForReading(QFile& file, const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        throw AppError(error, descriptionOfError(error));
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        throw AppError(EIO, descriptionOfError(EIO));
    }
}

QString descriptionOfError(int errorNumber)
{
    switch (errorNumber) {
    case EINVAL:
        return QStringLiteral("This is not a text file.");
    case EFBIG:
        return QStringLiteral("The file is too large to be read as text.");
    default:
        return QString::fromLocal8Bit(std::strerror(errorNumber));
    }
}

} // namespace tervane
