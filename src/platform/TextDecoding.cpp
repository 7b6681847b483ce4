#include "TextDecoding.h"

#include <QFile>
#include <QStringDecoder>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

QString DecodeText(const QByteArray& bytes)
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

int TextFileProblem(const QString& path)
{
    struct stat info {};
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &info) != 0)
        return path.isEmpty() ? ENOENT : errno;
    if (!S_ISREG(info.st_mode))
        return EINVAL;
    return info.st_size > MaximumTextFileSize ? EFBIG : 0;
}

QString DescriptionOfError(int errorNumber)
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
