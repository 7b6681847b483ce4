// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/SpecialFolders.h"
#include "i18n/BuiltInTexts.h"
#include "i18n/TranslationCatalogue.h"

#include <QStringList>
#include <array>

namespace tervane::cli {

// The command line's own texts with their built-in French; a language file
// gives them in its language as it gives the window's. "%v" is a value.
extern const std::array<BuiltInText, 65> CliBuiltInTexts;

// The settings file the arguments name, else the program's own.
QString settingsFileOf(const QStringList& arguments, const SpecialFolders& folders);

// The program's catalogue and the command line's own texts, in the language
// the window would use with that settings file (chosen without writing
// anything); Qt's own texts follow.
TranslationCatalogue cliCatalogue(const QString& settingsFile);

// A text of the catalogue with its values, its line breaks as a terminal
// wants them.
QString cliText(const TranslationCatalogue& texts, const QString& key,
                const QStringList& values = {});
// The singular or the plural text of a count, the count its first value.
QString countText(const TranslationCatalogue& texts, qsizetype count, const QString& singularKey,
                  const QString& pluralKey, const QStringList& values = {});

} // namespace tervane::cli
