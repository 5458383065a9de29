#pragma once

#include <QString>

// The system's failure numbers (errno) in the clerk's words.
class OsError
{
public:
    static QString describe(int error);
};
