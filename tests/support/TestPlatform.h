#pragma once

#include "platform/FixedClock.h"
#include "platform/QtKeystrokes.h"
#include "platform/ScriptedChoice.h"
#include "platform/ScriptedFileDialogs.h"
#include "platform/ScriptedMessages.h"
#include "platform/ScriptedPrintPreview.h"
#include "platform/ScriptedPrinter.h"
#include "platform/ScriptedPrompt.h"

#include <QStringList>
#include <QTemporaryDir>

// Everything a test stands on: scripted dialogs and printer, a clock fixed at
// Monday 1 March 2004 10:00:00, the system's locale (CTest runs the tests
// under id_ID and en_GB), and a fresh data folder. Create one per test function (in init()).
class TestPlatform
{
public:
    TestPlatform();
    ~TestPlatform();

    // Problems seen so far: unexpected dialogs and answers never asked for.
    QStringList problems() const;
    QString dataDir() const { return m_dir.path(); }
    QString path(const QString &relative) const { return m_dir.filePath(relative); }

    ScriptedMessages messages;
    ScriptedPrompt prompt;
    ScriptedFileDialogs fileDialogs;
    QtKeystrokes keystrokes;
    FixedClock clock;
    ScriptedPrinter printer;
    ScriptedChoice choice;
    ScriptedPrintPreview printPreview;

    static QDateTime fixedNow();

private:
    QTemporaryDir m_dir;
};

// Fails the running test when a dialog came that the test did not script, or
// a scripted answer was left over.
#define VERIFY_PLATFORM_CLEAN(platform) \
    QVERIFY2((platform).problems().isEmpty(), qPrintable((platform).problems().join(QLatin1Char('\n'))))
