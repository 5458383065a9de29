#pragma once

// The backups the clerk never has to think about: one as the program starts
// and one as it ends, whenever the books changed since the newest backup.
class AutoBackup
{
public:
    // Tells what went wrong at the last end, then backs up on a thread of
    // its own, so that the windows are not held up; a failure is told as
    // soon as it is known.
    static void atStart();
    // Waits for the backup of the start (before a restore, a backup on
    // request, and the end).
    static void waitForStart();
    // Backs up; a failure is kept and told at the next start.
    static void atEnd();
};
