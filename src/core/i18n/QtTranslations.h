// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>

namespace tervane {

// Qt's own texts (standard buttons, the file and folder pickers, the text
// boxes' context menus) in the interface language, from Qt's translations.
// Replaces the ones a previous call installed; false when Qt has none for it.
bool installQtTranslations(const QLocale& locale);

} // namespace tervane
