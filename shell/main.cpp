#include "data/Connection.h"
#include "data/DataError.h"
#include "data/DataFolder.h"
#include "platform/Appearance.h"
#include "platform/Messages.h"
#include "platform/Platform.h"
#include "platform/QtChoice.h"
#include "platform/QtFileDialogs.h"
#include "platform/QtKeystrokes.h"
#include "platform/QtMessages.h"
#include "platform/QtPrintPreview.h"
#include "platform/QtPrinter.h"
#include "platform/QtPrompt.h"
#include "platform/QtTranslation.h"
#include "platform/SystemClock.h"
#include "platform/WindowRegistry.h"
#include "shell/AutoBackup.h"
#include "shell/BackupCommand.h"
#include "shell/StoreCommands.h"
#include "shell/WindowCatalog.h"
#include "shell/WorkbookCommand.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>

#include <cstdio>

namespace {

const QCommandLineOption &dataOption()
{
    static const QCommandLineOption option(QStringLiteral("data"),
                                           QStringLiteral("Folder data (bawaan: %1).").arg(DataFolder::defaultRoot()),
                                           QStringLiteral("DIR"));
    return option;
}

void parseArguments(QCommandLineParser &parser, const QCoreApplication &app)
{
    QCoreApplication::setApplicationName(QStringLiteral("penginapan"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PENGINAPAN_VERSION));
    parser.setApplicationDescription(
        QStringLiteral("Pembukuan PENGINAPAN RERAR MERBALUNTA KALISOR: data tamu, transaksi, pembelian dan laporan."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(dataOption());
    BackupCommand::addOptions(parser);
    parser.addOption(WorkbookCommand::option());
    StoreCommands::addOptions(parser);
    parser.process(app);
}

// --help and --version answer without a screen.
bool asksForInformationOnly(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "-h" || arg == "--help" || arg == "--help-all" || arg == "-v" || arg == "--version")
            return true;
    }
    return false;
}

// Whether the arguments name the option (before any application exists to
// parse them): --name, or --name=VALUE for one that takes a value.
bool mentions(int argc, char *argv[], const QCommandLineOption &option)
{
    const QByteArray dashed = "--" + option.names().constFirst().toLatin1();
    const bool takesValue = !option.valueName().isEmpty();
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == dashed || (takesValue && arg.startsWith(dashed + '=')))
            return true;
    }
    return false;
}

// Takes the data folder given with --data. An empty name would silently
// mean the current directory, so it is refused.
bool takeDataFolder(const QCommandLineParser &parser)
{
    if (!parser.isSet(dataOption()))
        return true;
    if (parser.value(dataOption()).trimmed().isEmpty()) {
        fputs("penginapan: --data memerlukan nama folder data; nama kosong tidak diterima.\n", stderr);
        return false;
    }
    DataFolder::setRoot(parser.value(dataOption()));
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    const bool exports = mentions(argc, argv, WorkbookCommand::option());
    const bool backs = mentions(argc, argv, BackupCommand::backupOption())
                       || mentions(argc, argv, BackupCommand::restoreOption());
    const bool copies = mentions(argc, argv, StoreCommands::copyOption());
    if (asksForInformationOnly(argc, argv) || exports || backs || copies) {
        QCoreApplication app(argc, argv);
        QtTranslation::install();
        QCommandLineParser parser;
        parseArguments(parser, app); // --help and --version end here
        if (!takeDataFolder(parser))
            return 2;
        if (exports) {
            // The books the windows would show: the file, or the server chosen.
            StoreCommands::chooseStore(parser);
            return WorkbookCommand::run(parser.value(WorkbookCommand::option()));
        }
        if (backs)
            return BackupCommand::run(parser);
        return StoreCommands::run(parser);
    }

    QApplication app(argc, argv);
    QtTranslation::install();
    Appearance::install();
    // The desktop entry and the icon the package installs.
    QGuiApplication::setDesktopFileName(QStringLiteral("id.merbalunta.penginapan"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("penginapan")));
    QCommandLineParser parser;
    parseArguments(parser, app);
    if (!takeDataFolder(parser))
        return 2;
    StoreCommands::chooseStore(parser);

    QtMessages messages;
    QtPrompt prompt;
    QtFileDialogs fileDialogs;
    QtKeystrokes keystrokes;
    SystemClock clock;
    QtPrinter printer;
    QtChoice choice;
    QtPrintPreview printPreview;
    Platform::setMessages(&messages);
    Platform::setPrompt(&prompt);
    Platform::setFileDialogs(&fileDialogs);
    Platform::setKeystrokes(&keystrokes);
    Platform::setClock(&clock);
    Platform::setPrinter(&printer);
    Platform::setChoice(&choice);
    Platform::setPrintPreview(&printPreview);

    WindowCatalog::registerAll();
    WindowRegistry::instance().show(QStringLiteral("frmmenu"));

    // Make the database now when it is missing; a file (or a server
    // database) that is not ours is reported and left as it is, and the
    // windows that need it say so again.
    try {
        Connection check(DataFolder::databaseLocation());
        // Backups copy the file; a server's books are the server's to back up.
        if (DataFolder::server().isEmpty())
            AutoBackup::atStart();
    } catch (const DataError &e) {
        Platform::messages().show(e.description(), QString(), Messages::Icon::Critical);
    }

    const int result = app.exec();
    WindowRegistry::instance().unloadAll();
    if (DataFolder::server().isEmpty())
        AutoBackup::atEnd();
    return result;
}
