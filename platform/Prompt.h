#pragma once

#include <QString>
#include <optional>

// A one-line text prompt. A cancel gives no answer; OK with an empty box
// gives an empty answer.
class Prompt
{
public:
    virtual ~Prompt() = default;
    virtual std::optional<QString> ask(const QString &message, const QString &title,
                                       const QString &defaultText = QString()) = 0;
};
