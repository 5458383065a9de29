#pragma once

#include "platform/Prompt.h"

class QtPrompt : public Prompt
{
public:
    std::optional<QString> ask(const QString &message, const QString &title,
                               const QString &defaultText) override;
};
