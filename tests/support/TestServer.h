#pragma once

#include <QString>

// The PostgreSQL server of a test run. scripts/test starts a throwaway one
// and gives its URI in PENGINAPAN_TEST_SERVER; CTest runs the store-facing
// tests a second time with PENGINAPAN_TEST_STORE=server, and each test
// function then works on a database of its own, made fresh for it.
class TestServer
{
public:
    // True in the run against the server.
    static bool wanted();
    // The server's URI (its maintenance database); empty when none runs.
    static QString uri();
    // Exits with the skip code when this run wants a server and none runs.
    static void skipRunWithoutServer();

    // A new empty database on the server; its URI.
    static QString createDatabase();
    static void dropDatabase(const QString &databaseUri);
    // Runs one statement on a database of the server, bypassing the program.
    static void exec(const QString &databaseUri, const QString &sql);
    // The server's URI with another database.
    static QString uriOf(const QString &database);

    static constexpr int skipCode = 77;
};
