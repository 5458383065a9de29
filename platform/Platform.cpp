#include "platform/Platform.h"

#include <QtGlobal>

namespace {
Messages *g_messages = nullptr;
Prompt *g_prompt = nullptr;
FileDialogs *g_fileDialogs = nullptr;
Keystrokes *g_keystrokes = nullptr;
Clock *g_clock = nullptr;
Printer *g_printer = nullptr;
Choice *g_choice = nullptr;
PrintPreview *g_printPreview = nullptr;

template<typename T>
T &get(T *service, const char *name)
{
    if (!service)
        qFatal("platform service not installed: %s", name);
    return *service;
}
} // namespace

Messages &Platform::messages() { return get(g_messages, "messages"); }
Prompt &Platform::prompt() { return get(g_prompt, "prompt"); }
FileDialogs &Platform::fileDialogs() { return get(g_fileDialogs, "file dialogs"); }
Keystrokes &Platform::keystrokes() { return get(g_keystrokes, "keystrokes"); }
Clock &Platform::clock() { return get(g_clock, "clock"); }
Printer &Platform::printer() { return get(g_printer, "printer"); }
Choice &Platform::choice() { return get(g_choice, "choice"); }
PrintPreview &Platform::printPreview() { return get(g_printPreview, "print preview"); }

void Platform::setMessages(Messages *m) { g_messages = m; }
void Platform::setPrompt(Prompt *p) { g_prompt = p; }
void Platform::setFileDialogs(FileDialogs *f) { g_fileDialogs = f; }
void Platform::setKeystrokes(Keystrokes *k) { g_keystrokes = k; }
void Platform::setClock(Clock *c) { g_clock = c; }
void Platform::setPrinter(Printer *p) { g_printer = p; }
void Platform::setChoice(Choice *c) { g_choice = c; }
void Platform::setPrintPreview(PrintPreview *p) { g_printPreview = p; }
