#pragma once

#include <QString>

// The folder that stands in for the drive the data lives on.
class DataFolder
{
public:
    static void setRoot(const QString &dir);
    static QString root();
    // DIR/Database/Zavav.mdb
    static QString databasePath();
    // The PostgreSQL server the books are kept on instead of the file, as a
    // connection URI; empty for the file.
    static void setServer(const QString &uri);
    static QString server();
    // Where the books are: the server's URI, or else the file's path.
    static QString databaseLocation();
    // DIR/Lap.txt, the report file of the report windows.
    static QString reportFilePath();
    // $XDG_DATA_HOME/penginapan
    static QString defaultRoot();
};
