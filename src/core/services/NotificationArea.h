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
    virtual bool available() const = 0;
    // Shows the program's icon with its tip; clicks on it go to onClick.
    virtual void addIcon(const QString& tip, std::function<void(TrayClick)> onClick) = 0;
    virtual void removeIcon() = 0;
};

} // namespace tervane
