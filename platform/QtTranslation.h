#pragma once


// Qt's own texts in Indonesian: the buttons of message boxes and prompts, the
// open and save dialogs, the context menus of text boxes and panes, and the
// print preview with the page setup and print dialogs it opens. Qt
// ships no Indonesian translation of them, so the program keeps its own and
// loads it at start, whatever the system's locale.
class QtTranslation
{
public:
    // Loads the translation and installs it on the running application;
    // false when it is nowhere to be found or cannot be read.
    static bool install();
};
