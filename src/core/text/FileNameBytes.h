// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace tervane {

// File names as the system keeps them: bytes. A name whose bytes are UTF-8
// is that text. Any other (Windows-1252 from an old disk, say) keeps each of
// its bytes at or above 0x80 as a lone surrogate U+DC80 to U+DCFF, ASCII as
// itself, so that it goes back to its very bytes: it can be renamed, and
// undone, whatever it holds.
QString fileNameOfBytes(QByteArrayView bytes);
QByteArray bytesOfFileName(QStringView name);
// The same bytes added to out: a plain ASCII name without a copy of its own.
void appendBytesOfFileName(QByteArray& out, QStringView name);
// Text known to be ASCII added to out, a byte a character.
void appendAsciiBytes(QByteArray& out, QStringView ascii);

// Whether a name holds bytes that are not UTF-8.
bool hasForeignBytes(QStringView name);
// The byte a lone surrogate of such a name stands for; -1 for any other
// character.
int foreignByteAt(QStringView name, qsizetype i);

// A name as a user reads it: its foreign bytes decoded as Windows-1252, as
// text files are.
QString shownFileName(const QString& name);

} // namespace tervane
