#pragma once

#include "platform/Messages.h"

#include <QList>
#include <QStringList>

// Answers message boxes from a script. A message the script did not expect is
// noted as a problem and answered No (or OK).
class ScriptedMessages : public Messages
{
public:
    struct Call
    {
        QString text;
        QString title;
        Icon icon;
        Buttons buttons;
    };

    void expect(Answer answer = Answer::Ok) { m_answers.append(answer); }
    Answer show(const QString &text, const QString &title, Icon icon, Buttons buttons) override;

    QList<Call> calls;
    QStringList problems;
    int pending() const { return int(m_answers.size()); }
    void reset();

private:
    QList<Answer> m_answers;
};
