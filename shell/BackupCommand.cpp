#include "shell/BackupCommand.h"

#include "data/Backups.h"
#include "data/DataError.h"
#include "data/Restorer.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QDateTime>
#include <QDir>

#include <cstdio>

const QCommandLineOption &BackupCommand::backupOption()
{
    static const QCommandLineOption option(QStringLiteral("backup"),
                                           QStringLiteral("Buat cadangan database sekarang di DIR/Cadangan dan tampilkan namanya."));
    return option;
}

const QCommandLineOption &BackupCommand::restoreOption()
{
    static const QCommandLineOption option(QStringLiteral("restore"),
                                           QStringLiteral("Pulihkan database dari berkas cadangan FILE (database sekarang dicadangkan dulu)."),
                                           QStringLiteral("FILE"));
    return option;
}

namespace {

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

int BackupCommand::run(const QCommandLineParser &parser)
{
    if (parser.isSet(backupOption()) && parser.isSet(restoreOption())) {
        say(stderr, QStringLiteral("--backup dan --restore tidak dapat dipakai bersama."));
        return 2;
    }
    try {
        if (parser.isSet(backupOption())) {
            const Backups::Outcome outcome = Backups::run(QDateTime::currentDateTime(), false);
            say(stdout, QDir::toNativeSeparators(outcome.written));
            if (!outcome.secondProblem.isEmpty())
                say(stderr, Backups::secondProblemText(outcome.secondProblem));
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
