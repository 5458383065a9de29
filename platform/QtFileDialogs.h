#pragma once

#include "platform/FileDialogs.h"

class QtFileDialogs : public FileDialogs
{
public:
    QString saveFileName(const QString &title, const QString &filter,
                         const QString &presetName) override;
    QString openFileName(const QString &title, const QString &filter) override;
    QString folderName(const QString &title, const QString &start) override;
};
