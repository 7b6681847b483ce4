// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

namespace tervane {

// A click on the program's icon in the notification area.
enum class TrayClick { DoubleClick, RightClick };

// The desktop's notification area, where a minimised window may wait as an
// icon. Some desktops have none.
class NotificationArea {
public:
    virtual ~NotificationArea() = default;
    // Whether there is one now: it may go away (its panel closed or crashed)
    // while the program's icon is in it, without a word.
    virtual bool available() const = 0;
    // Shows the program's icon with its tip; clicks on it go to onClick.
    virtual void addIcon(const QString& tip, std::function<void(TrayClick)> onClick) = 0;
    // Also from inside onClick: the icon then goes once the click is handled.
    virtual void removeIcon() = 0;
};

} // namespace tervane
