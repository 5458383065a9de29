#pragma once

#include <QString>

class QWidget;

// Simulated keystrokes into a window: "{Tab}" moves the focus to the next
// control of the window's tab chain, "{Home}+{End}" selects the text of the
// focused box from its line start to its end.
class Keystrokes
{
public:
    virtual ~Keystrokes() = default;
    virtual void send(QWidget *window, const QString &keys) = 0;
};
