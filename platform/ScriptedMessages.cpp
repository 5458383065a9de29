#include "platform/ScriptedMessages.h"

Messages::Answer ScriptedMessages::show(const QString &text, const QString &title, Icon icon,
                                        Buttons buttons)
{
    calls.append({text, title, icon, buttons});
    if (m_answers.isEmpty()) {
        problems << QStringLiteral("unexpected message: \"%1\" titled \"%2\"").arg(text, title);
        return buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
    }
    return m_answers.takeFirst();
}

void ScriptedMessages::reset()
{
    calls.clear();
    problems.clear();
    m_answers.clear();
}
