#pragma once

class QCommandLineOption;
class QCommandLineParser;

// Where this run keeps the books, from the command line: --server URI, or
// else Server in the [Database] group of DATA/penginapan.ini, puts them on a
// PostgreSQL server instead of the file; --copy-to-server URI moves the
// file's books to an empty server database, without a window.
class StoreCommands
{
public:
    static void addOptions(QCommandLineParser &parser);
    static const QCommandLineOption &copyOption();
    // Chooses the server for this run, when one is given.
    static void chooseStore(const QCommandLineParser &parser);
    // Runs --copy-to-server; gives the exit code.
    static int run(const QCommandLineParser &parser);
};
