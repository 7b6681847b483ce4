// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tervane {

// Fixed for a build: the title names the settings file, the start-up lock and
// every message box.
inline const QString AppTitle = QStringLiteral("Tervane");
// The version comes from the build (project(VERSION) in CMakeLists.txt).
inline constexpr int VersionMajor = TERVANE_VERSION_MAJOR;
inline constexpr int VersionMinor = TERVANE_VERSION_MINOR;
inline constexpr int VersionRevision = TERVANE_VERSION_PATCH;

// "v2.4", "v1.2.7"; a revision of 100 or more is a beta: 1203 gives "v1.2 beta 3".
QString getVersionText(int major, int minor, int revision);
QString getVersionText();

// The project's full version, "2.4.0", as packages and --version give it.
QString fullVersion();

// "Tervane v2.4"
QString getTitleWithVersion();

} // namespace tervane
