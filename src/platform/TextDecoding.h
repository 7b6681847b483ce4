#pragma once

#include <QByteArray>
#include <QString>

// Text brought in from files: UTF-8 when the bytes are valid UTF-8 (a byte
// order mark is dropped), Windows-1252 otherwise.
QString DecodeText(const QByteArray& bytes);
