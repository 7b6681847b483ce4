// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScriptedPrompter.h"

using namespace tervane;

bool ScriptedPrompter::show(const QString& text, MessageIcon icon, MessageButtons buttons)
{
    boxes.append({text, icon, buttons});
    if (buttons == MessageButtons::Ok)
        return true;
    if (m_answers.isEmpty()) {
        ++unansweredQuestions;
        return false;
    }
    return m_answers.takeFirst();
}
