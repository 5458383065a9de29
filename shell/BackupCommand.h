#pragma once

class QCommandLineParser;
class QCoreApplication;

// --backup and --restore FILE: backups from a shell, without a screen.
class BackupCommand
{
public:
    static void addOptions(QCommandLineParser &parser);
    // Whether the arguments ask for one of them (before any application exists).
    static bool wanted(int argc, char *argv[]);
    // Runs the command without a screen, the arguments parsed by `parse`;
    // gives the exit code.
    static int main(int argc, char *argv[], void (*parse)(QCommandLineParser &, const QCoreApplication &));
    // Runs the command the parsed arguments ask for; gives the exit code.
    static int run(const QCommandLineParser &parser);
};
