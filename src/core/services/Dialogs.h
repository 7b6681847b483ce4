// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

namespace tervane {

// The standard file dialogs; nothing is returned when the user cancels.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // defaultSuffix is added to a name typed without one.
    virtual std::optional<QString> openFileName(const QString& title, const QString& filters,
                                                const QString& startFolder,
                                                const QString& defaultSuffix) = 0;
    virtual std::optional<QString> existingFolder(const QString& title,
                                                  const QString& startFolder) = 0;
};

// The name dialog: one line of text, a single name or a template with the
// running number "[NUM]" and its zero-fill width.
struct NameRequest {
    QString caption;
    QString prompt;
    QString text;               // the initial text
    bool withFillWidth = false; // a template: the fill list is shown
    int fillWidth = -1;         // the fill entry selected at first (-1: none)
    qint64 fileCount = 0;       // the fill width is checked against it
};

struct NameAnswer {
    QString text;
    int fillWidth = -1; // the chosen fill width; -1 when none is selected
};

class NameAsker {
public:
    virtual ~NameAsker() = default;
    // Nothing when the user cancels.
    virtual std::optional<NameAnswer> askName(const NameRequest& request) = 0;
};

} // namespace tervane
