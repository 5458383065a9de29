#pragma once

// The backups the clerk never has to think about: one as the program starts
// and one as it ends, whenever the books changed since the newest backup.
class AutoBackup
{
public:
    // Tells what went wrong at the last end, then backs up; a failure is
    // told at once.
    static void atStart();
    // Backs up; a failure is kept and told at the next start.
    static void atEnd();
};
