// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "services/Prompter.h"

#include <QList>
#include <QString>

using namespace tervane;

// A Prompter for tests: records every box and answers questions from a queue.
class ScriptedPrompter : public Prompter {
public:
    struct Box {
        QString text;
        MessageIcon icon;
        MessageButtons buttons;
    };

    bool show(const QString& text, MessageIcon icon, MessageButtons buttons) override;
    void beep() override { ++beeps; }
    void setBusy(bool busy) override { busyDepth += busy ? 1 : -1; }

    // Answers for the next questions, in order. A question with no answer
    // left is answered No and counted in unansweredQuestions.
    void queueAnswers(std::initializer_list<bool> answers) { m_answers.append(answers); }
    void clearAnswers() { m_answers.clear(); }

    QList<Box> boxes;
    int beeps = 0;
    int busyDepth = 0;
    int unansweredQuestions = 0;

private:
    QList<bool> m_answers;
};
