// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

namespace tervane {

// The program's icon at every size it was rendered to: the window, the
// notification area and the About box show it.
QIcon programIcon();

} // namespace tervane
