#pragma once

class QCommandLineOption;
class QCommandLineParser;

// --backup and --restore FILE: backups from a shell, without a screen.
class BackupCommand
{
public:
    static const QCommandLineOption &backupOption();
    static const QCommandLineOption &restoreOption();
    static void addOptions(QCommandLineParser &parser);
    // Runs the command the parsed arguments ask for (the data folder already
    // taken); gives the exit code.
    static int run(const QCommandLineParser &parser);
};
