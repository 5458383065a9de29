#pragma once

#include "platform/Choice.h"

class QtChoice : public Choice
{
public:
    int choose(const QString &label, const QString &title, const QStringList &items) override;
};
