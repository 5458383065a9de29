#pragma once

class Messages;
class Prompt;
class FileDialogs;
class Keystrokes;
class Clock;
class Printer;
class Choice;
class PrintPreview;

// The platform services the windows call on. The program installs the Qt
// implementations at start; tests install scripted stand-ins. The services
// are not owned here.
class Platform
{
public:
    static Messages &messages();
    static Prompt &prompt();
    static FileDialogs &fileDialogs();
    static Keystrokes &keystrokes();
    static Clock &clock();
    static Printer &printer();
    static Choice &choice();
    static PrintPreview &printPreview();

    static void setMessages(Messages *m);
    static void setPrompt(Prompt *p);
    static void setFileDialogs(FileDialogs *f);
    static void setKeystrokes(Keystrokes *k);
    static void setClock(Clock *c);
    static void setPrinter(Printer *p);
    static void setChoice(Choice *c);
    static void setPrintPreview(PrintPreview *p);
};
