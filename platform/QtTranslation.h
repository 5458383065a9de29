#pragma once

#include <QString>
#include <QStringList>

// Qt's own texts in Indonesian: the buttons of message boxes and prompts, the
// open and save dialogs and the context menus of text boxes and panes. Qt
// ships no Indonesian translation of them, so the program keeps its own and
// loads it at start, whatever the system's locale.
class QtTranslation
{
public:
    // The compiled translation's file name.
    static QString fileName();
    // Folders looked in, first found wins: beside an installed program
    // (PREFIX/share/penginapan/translations) and in the build folder.
    static QStringList searchDirs();
    // Loads the translation and installs it on the running application;
    // false when it is nowhere to be found or cannot be read.
    static bool install();
};
