#pragma once

#include <QString>
#include <optional>

// The standard file dialogs; nothing is returned when the user cancels.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual std::optional<QString> openFileName(const QString& title, const QString& filters,
                                                const QString& startFolder) = 0;
    virtual std::optional<QString> existingFolder(const QString& title,
                                                  const QString& startFolder) = 0;
};
