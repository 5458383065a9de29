#include "shell/BackupCommand.h"

#include "data/Backups.h"
#include "data/DataError.h"
#include "data/DataFolder.h"
#include "data/Restorer.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QTextStream>

#include <cstdio>

namespace {

const QCommandLineOption &backupOption()
{
    static const QCommandLineOption option(QStringLiteral("backup"),
                                           QStringLiteral("Buat cadangan database sekarang di DIR/Cadangan dan tampilkan namanya."));
    return option;
}

const QCommandLineOption &restoreOption()
{
    static const QCommandLineOption option(QStringLiteral("restore"),
                                           QStringLiteral("Pulihkan database dari berkas cadangan FILE (database sekarang dicadangkan dulu)."),
                                           QStringLiteral("FILE"));
    return option;
}

void say(FILE *stream, const QString &text)
{
    const QByteArray bytes = (text + QLatin1Char('\n')).toLocal8Bit();
    fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    fflush(stream);
}

} // namespace

void BackupCommand::addOptions(QCommandLineParser &parser)
{
    parser.addOption(backupOption());
    parser.addOption(restoreOption());
}

bool BackupCommand::wanted(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "--backup" || arg == "--restore" || arg.startsWith("--restore="))
            return true;
    }
    return false;
}

int BackupCommand::main(int argc, char *argv[], void (*parse)(QCommandLineParser &, const QCoreApplication &))
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parse(parser, app);
    return run(parser);
}

int BackupCommand::run(const QCommandLineParser &parser)
{
    const QString data = parser.value(QStringLiteral("data"));
    if (parser.isSet(QStringLiteral("data"))) {
        if (data.isEmpty()) {
            say(stderr, QStringLiteral("Folder data kosong: berikan folder setelah --data."));
            return 2;
        }
        DataFolder::setRoot(data);
    }
    if (parser.isSet(backupOption()) && parser.isSet(restoreOption())) {
        say(stderr, QStringLiteral("--backup dan --restore tidak dapat dipakai bersama."));
        return 2;
    }
    try {
        if (parser.isSet(backupOption())) {
            const Backups::Outcome outcome = Backups::run(QDateTime::currentDateTime(), false);
            say(stdout, QDir::toNativeSeparators(outcome.written));
            if (!outcome.secondProblem.isEmpty())
                say(stderr, QStringLiteral("Salinan ke folder cadangan kedua gagal: %1").arg(outcome.secondProblem));
            return 0;
        }
        const QString file = parser.value(restoreOption());
        if (file.isEmpty()) {
            say(stderr, QStringLiteral("Berikan berkas cadangan setelah --restore."));
            return 2;
        }
        Restorer::restore(file, QDateTime::currentDateTime(), [] {});
        say(stdout, QStringLiteral("Data sudah dipulihkan dari %1.").arg(QDir::toNativeSeparators(file)));
        return 0;
    } catch (const DataError &e) {
        say(stderr, e.description());
        return 1;
    }
}
