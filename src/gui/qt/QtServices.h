#pragma once

#include "services/Clipboard.h"
#include "services/Dialogs.h"
#include "services/Prompter.h"

class QWidget;

namespace tervane {

// Message boxes over QMessageBox, parented to the active window.
class QtPrompter : public Prompter {
public:
    explicit QtPrompter(QString title)
        : m_title(std::move(title))
    {}
    bool show(const QString& text, MessageIcon icon, MessageButtons buttons) override;
    void beep() override;
    void setBusy(bool busy) override;

private:
    QString m_title;
    int m_busyDepth = 0;
};

class QtClipboard : public Clipboard {
public:
    QString text() const override;
};

class QtDialogs : public Dialogs {
public:
    std::optional<QString> openFileName(const QString& title, const QString& filters,
                                        const QString& startFolder,
                                        const QString& defaultSuffix) override;
    std::optional<QString> existingFolder(const QString& title,
                                          const QString& startFolder) override;
};

} // namespace tervane
