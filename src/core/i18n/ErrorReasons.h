// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "i18n/TranslationCatalogue.h"

#include <QString>

namespace tervane {

// Why a system call failed, in the catalogue's language, for the errors the
// program's messages meet; the system's own description of any other.
QString errorReason(const TranslationCatalogue& texts, int errorNumber);

// The same for a file read as text, where EINVAL says that it is not text and
// EFBIG that it is too large to be read as such.
QString textFileReason(const TranslationCatalogue& texts, int errorNumber);

} // namespace tervane
