// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <stdexcept>

namespace tervane {

// A failure with the system's error number and its description, as shown in
// the program's error messages.
class AppError : public std::runtime_error {
public:
    AppError(int number, QString description)
        : std::runtime_error(description.toStdString())
        , m_number(number)
        , m_description(std::move(description))
    {}
    int number() const { return m_number; }
    const QString& description() const { return m_description; }

private:
    int m_number;
    QString m_description;
};

} // namespace tervane
