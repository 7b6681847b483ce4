// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tervane {

enum class MessageIcon { None, Information, Exclamation, Critical, Question };
enum class MessageButtons { Ok, YesNo };

// Message boxes, the system beep and the busy pointer. Every box carries the
// application title as its caption; the program never sets one of its own.
class Prompter {
public:
    virtual ~Prompter() = default;

    // Shows one box and returns true for OK or Yes.
    virtual bool show(const QString& text, MessageIcon icon, MessageButtons buttons) = 0;
    virtual void beep() = 0;
    virtual void setBusy(bool busy) = 0;

    void message(const QString& text, MessageIcon icon) { show(text, icon, MessageButtons::Ok); }
    bool ask(const QString& text, MessageIcon icon = MessageIcon::Question)
    {
        return show(text, icon, MessageButtons::YesNo);
    }
};

// Shows the busy pointer for the life of a scope.
class BusyPointer {
public:
    explicit BusyPointer(Prompter& prompter)
        : m_prompter(prompter)
    {
        m_prompter.setBusy(true);
    }
    ~BusyPointer() { m_prompter.setBusy(false); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

private:
    Prompter& m_prompter;
};

} // namespace tervane
