#include "TextDecoding.h"

#include <QStringDecoder>

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
