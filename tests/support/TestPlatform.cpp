#include "TestPlatform.h"

#include "data/DataFolder.h"
#include "platform/Platform.h"
#include "platform/WindowRegistry.h"

#include <QLocale>

QDateTime TestPlatform::fixedNow()
{
    return QDateTime(QDate(2004, 3, 1), QTime(10, 0, 0));
}

TestPlatform::TestPlatform() : clock(fixedNow())
{
    // The locale the test runs under (LC_ALL), as the program leaves it.
    QLocale::setDefault(QLocale::system());
    Platform::setMessages(&messages);
    Platform::setPrompt(&prompt);
    Platform::setFileDialogs(&fileDialogs);
    Platform::setKeystrokes(&keystrokes);
    Platform::setClock(&clock);
    Platform::setPrinter(&printer);
    Platform::setChoice(&choice);
    Platform::setPrintPreview(&printPreview);
    DataFolder::setRoot(m_dir.path());
}

TestPlatform::~TestPlatform()
{
    WindowRegistry::instance().unloadAll();
    Platform::setMessages(nullptr);
    Platform::setPrompt(nullptr);
    Platform::setFileDialogs(nullptr);
    Platform::setKeystrokes(nullptr);
    Platform::setClock(nullptr);
    Platform::setPrinter(nullptr);
    Platform::setChoice(nullptr);
    Platform::setPrintPreview(nullptr);
}

QStringList TestPlatform::problems() const
{
    QStringList all = messages.problems + prompt.problems + fileDialogs.problems + choice.problems
                      + printPreview.problems;
    if (messages.pending() > 0)
        all << QStringLiteral("%1 scripted message answer(s) never asked for").arg(messages.pending());
    if (prompt.pending() > 0)
        all << QStringLiteral("%1 scripted prompt answer(s) never asked for").arg(prompt.pending());
    if (choice.pending() > 0)
        all << QStringLiteral("%1 scripted list choice(s) never asked for").arg(choice.pending());
    if (fileDialogs.pending() > 0)
        all << QStringLiteral("%1 scripted file name(s) never asked for").arg(fileDialogs.pending());
    if (printPreview.pending() > 0)
        all << QStringLiteral("%1 scripted print preview(s) never shown").arg(printPreview.pending());
    return all;
}
