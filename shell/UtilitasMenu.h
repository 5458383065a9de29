#pragma once

#include <QString>

class QMenu;
class QMenuBar;

// The main window's "&Utilitas" menu: backups, restore, the second backup
// folder and the data folder.
class UtilitasMenu
{
public:
    // Adds the menu at the end of the bar and gives it.
    static QMenu *addTo(QMenuBar *bar);

    static void backUpNow();
    static void chooseAndRestore();
    static void chooseSecondFolder();
    static void openDataFolder();

    // Closes every window, restores the file and shows the main window on
    // the restored books (or on the old ones, when the restore was refused).
    static void restore(const QString &chosen);
};
