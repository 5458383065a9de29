#pragma once

#include <QString>

// Fills a data folder's database with years of made-up guests, stays and
// purchases, in one transaction per table.
class BenchData
{
public:
    static void guests(int count);
    static void stays(int count);
    static void purchases(int count);
    // A guest whose name holds the text, added after all others.
    static void lastGuestNamed(const QString &name);
};
