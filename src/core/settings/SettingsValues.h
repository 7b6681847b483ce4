// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tervane {

// Encodings of the values of the settings file.

// The number at the start of the text after leading spaces; 0 when the text
// does not start with one.
double numericValue(const QString& text);

// bool keys: ticked only when the text reads as -1; written "-1" or "0".
bool readBoolValue(const QString& text);
QString boolText(bool ticked);

// menu keys: a check mark for any non-zero number.
bool readMenuValue(const QString& text);

// number keys: the numeric value rounded to the nearest integer.
int readNumberValue(const QString& text);

// Free-text keys store every space as "&nbsp;", because the reader drops the
// spaces around a value.
QString encodeSpaces(const QString& text);
QString decodeSpaces(const QString& stored);

} // namespace tervane
