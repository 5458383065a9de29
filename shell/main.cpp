#include "data/DataError.h"
#include "data/DataFolder.h"
#include "data/Database.h"
#include "platform/Messages.h"
#include "platform/Platform.h"
#include "platform/QtFileDialogs.h"
#include "platform/QtKeystrokes.h"
#include "platform/QtMessages.h"
#include "platform/QtPrinter.h"
#include "platform/QtPrompt.h"
#include "platform/SystemClock.h"
#include "platform/WindowRegistry.h"
#include "shell/WindowCatalog.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("penginapan"));
    QApplication::setApplicationVersion(QStringLiteral(PENGINAPAN_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Pembukuan PENGINAPAN RERAR MERBALUNTA KALISOR: data tamu, transaksi, pembelian dan laporan."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption dataOption(QStringLiteral("data"),
                                        QStringLiteral("Folder data (default: %1).").arg(DataFolder::defaultRoot()),
                                        QStringLiteral("DIR"));
    parser.addOption(dataOption);
    parser.process(app);
    if (parser.isSet(dataOption))
        DataFolder::setRoot(parser.value(dataOption));

    QtMessages messages;
    QtPrompt prompt;
    QtFileDialogs fileDialogs;
    QtKeystrokes keystrokes;
    SystemClock clock;
    QtPrinter printer;
    Platform::setMessages(&messages);
    Platform::setPrompt(&prompt);
    Platform::setFileDialogs(&fileDialogs);
    Platform::setKeystrokes(&keystrokes);
    Platform::setClock(&clock);
    Platform::setPrinter(&printer);

    WindowCatalog::registerAll();
    WindowRegistry::instance().show(QStringLiteral("frmmenu"));

    // Make the database now when it is missing; a file that is not ours is
    // reported and left as it is, and the windows that need it say so again.
    try {
        Database::ensure(DataFolder::databasePath());
    } catch (const DataError &e) {
        Platform::messages().show(e.description(), QString(), Messages::Icon::Critical);
    }

    const int result = app.exec();
    WindowRegistry::instance().unloadAll();
    return result;
}
