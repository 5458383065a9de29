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
    // DIR/Lap.txt, the report file of the report windows.
    static QString reportFilePath();
    // $XDG_DATA_HOME/penginapan
    static QString defaultRoot();
};
