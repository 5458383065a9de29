#pragma once

#include "platform/Messages.h"

class QtMessages : public Messages
{
public:
    Answer show(const QString &text, const QString &title, Icon icon, Buttons buttons) override;
};
