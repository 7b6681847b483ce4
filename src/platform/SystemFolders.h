// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/SpecialFolders.h"

namespace tervane {

// The three special folders as the system reports them.
SpecialFolders systemSpecialFolders();

} // namespace tervane
