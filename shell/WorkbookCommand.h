#pragma once

#include <QString>

class QCommandLineOption;

// penginapan [--data DIR] --export-xlsx FILE: writes the books as a workbook
// from a shell, without a screen.
class WorkbookCommand
{
public:
    static const QCommandLineOption &option();
    // Exports the data folder's database to fileName; tells the outcome on
    // standard output or, when it fails, on standard error. Returns the exit
    // code: 0 when written, 1 when not.
    static int run(const QString &fileName);
};
