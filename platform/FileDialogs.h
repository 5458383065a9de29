#pragma once

#include <QString>

// Save and open dialogs. The filter is given in the "description|pattern"
// form; a cancel returns an empty name.
class FileDialogs
{
public:
    virtual ~FileDialogs() = default;
    virtual QString saveFileName(const QString &title, const QString &filter,
                                 const QString &presetName = QString()) = 0;
    virtual QString openFileName(const QString &title, const QString &filter) = 0;
    // An existing folder, starting at `start`; a cancel returns an empty name.
    virtual QString folderName(const QString &title, const QString &start) = 0;

    // "*.txt|*.txt" becomes "*.txt (*.txt)".
    static QString toQtFilter(const QString &filter);
};
