#pragma once

#include "platform/Keystrokes.h"

class QtKeystrokes : public Keystrokes
{
public:
    void send(QWidget *window, const QString &keys) override;

    // The control that a Tab from the window's focus reaches: the next one in
    // the tab chain that is shown, enabled and takes the focus by Tab.
    static QWidget *nextInTabChain(QWidget *window);
};
