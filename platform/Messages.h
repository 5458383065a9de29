#pragma once

#include <QString>

// Modal message boxes. Windows ask through this interface so tests can
// script the answers.
class Messages
{
public:
    enum class Icon { None, Critical, Question, Information };
    enum class Buttons { Ok, YesNo };
    enum class Answer { Ok, Yes, No };

    virtual ~Messages() = default;

    // An empty title stands for the application's title.
    virtual Answer show(const QString &text, const QString &title = QString(),
                        Icon icon = Icon::None, Buttons buttons = Buttons::Ok) = 0;

    static QString defaultTitle();
};
