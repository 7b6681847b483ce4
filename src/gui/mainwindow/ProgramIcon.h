#pragma once

#include <QIcon>

namespace tervane {

// The program's icon at every size it was rendered to: the window, the
// notification area and the About box show it.
QIcon programIcon();

} // namespace tervane
