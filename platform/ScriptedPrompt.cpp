#include "platform/ScriptedPrompt.h"

std::optional<QString> ScriptedPrompt::ask(const QString &message, const QString &title,
                                           const QString &defaultText)
{
    calls.append({message, title, defaultText});
    if (m_answers.isEmpty()) {
        problems << QStringLiteral("unexpected prompt: \"%1\" titled \"%2\"").arg(message, title);
        return std::nullopt;
    }
    return m_answers.takeFirst();
}

void ScriptedPrompt::reset()
{
    calls.clear();
    problems.clear();
    m_answers.clear();
}
