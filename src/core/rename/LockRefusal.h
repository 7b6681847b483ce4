// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "services/FolderLock.h"

#include <QString>

namespace tervane {

class Prompter;
class TranslationCatalogue;

// Why the folder is not locked, for the user: another process holds it, or
// the system's reason. The folder is shown as given.
QString lockRefusal(const FolderLock& lock, const TranslationCatalogue& texts,
                    const QString& shownFolder);

// True when the folder is locked; else says why, with the folder's path.
bool lockedOrReported(const FolderLock& lock, const QString& folder, Prompter& prompter,
                      const TranslationCatalogue& texts);

} // namespace tervane
