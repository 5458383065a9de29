#pragma once

#include "platform/Choice.h"

#include <QList>

// Answers list choices from a script; -1 stands for Cancel.
class ScriptedChoice : public Choice
{
public:
    struct Call
    {
        QString label;
        QString title;
        QStringList items;
    };

    void expect(int index) { m_answers.append(index); }
    int choose(const QString &label, const QString &title, const QStringList &items) override;

    QList<Call> calls;
    QStringList problems;
    int pending() const { return int(m_answers.size()); }

private:
    QList<int> m_answers;
};
