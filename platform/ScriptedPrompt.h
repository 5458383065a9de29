#pragma once

#include "platform/Prompt.h"

#include <QList>
#include <QStringList>

// Answers text prompts from a script; std::nullopt stands for Cancel.
class ScriptedPrompt : public Prompt
{
public:
    struct Call
    {
        QString message;
        QString title;
        QString defaultText;
    };

    void expect(std::optional<QString> answer) { m_answers.append(answer); }
    std::optional<QString> ask(const QString &message, const QString &title,
                               const QString &defaultText) override;

    QList<Call> calls;
    QStringList problems;
    int pending() const { return int(m_answers.size()); }
    void reset();

private:
    QList<std::optional<QString>> m_answers;
};
