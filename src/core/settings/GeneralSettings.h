// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tervane {

// The keys of the settings file that are read and written one at a time,
// outside the treatments and the window's groups.

// The interface language; empty when none was chosen yet.
QString readLanguage(const QString& file);
void writeLanguage(const QString& file, const QString& language);
// The patterns of the files to list; the default ones when none are stored.
QString readExtensions(const QString& file);
void writeExtensions(const QString& file, const QString& patterns);
// The folder shown when the window was last closed; fallback when none.
QString readLastFolder(const QString& file, const QString& fallback);
void writeLastFolder(const QString& file, const QString& folder);
// How many renamings of each folder the history keeps (1 to 1000); the
// default one when none, or none that makes sense, is stored.
int readHistoryLength(const QString& file);

} // namespace tervane
