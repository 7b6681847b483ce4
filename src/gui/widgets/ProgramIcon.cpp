// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/ProgramIcon.h"

// The rendered sizes are built into this static library: they must be
// registered by hand, outside any namespace.
static void registerIconResources()
{
    Q_INIT_RESOURCE(icons);
}

namespace tervane {

QIcon programIcon()
{
    static const bool registered = (registerIconResources(), true);
    Q_UNUSED(registered);
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/tervane-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace tervane
