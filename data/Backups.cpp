#include "data/Backups.h"

#include "data/BackupFolder.h"
#include "data/BackupWriter.h"
#include "data/DataError.h"
#include "data/DataFolder.h"
#include "data/Settings.h"

#include <QFileInfo>

namespace {
const QString secondFolderKey = QStringLiteral("Cadangan/FolderKedua");
const QString noticeKey = QStringLiteral("Cadangan/PesanTertunda");
} // namespace

Backups::Outcome Backups::run(const QDateTime &now, bool onlyIfChanged)
{
    const BackupFolder primary = BackupFolder::primary();
    Outcome outcome;
    outcome.written = BackupWriter::backUp(DataFolder::databasePath(), primary, now, onlyIfChanged);
    primary.prune(now);
    outcome.newest = primary.backups().value(0);

    const QString second = secondFolder();
    if (second.isEmpty() || outcome.newest.isEmpty())
        return outcome;
    const BackupFolder copies(second);
    // The second folder gets the newest backup whenever it lacks it, so a
    // stick that was away catches up with the books as soon as it is back.
    if (!QFileInfo::exists(copies.path() + QLatin1Char('/') + QFileInfo(outcome.newest).fileName())) {
        try {
            BackupWriter::copy(outcome.newest, copies);
        } catch (const DataError &e) {
            outcome.secondProblem = e.description();
            return outcome;
        }
    }
    copies.prune(now);
    return outcome;
}

QString Backups::secondProblemText(const QString &problem)
{
    return QStringLiteral("Salinan ke folder cadangan kedua gagal: %1").arg(problem);
}

QString Backups::secondFolder()
{
    return Settings::value(secondFolderKey).toString();
}

void Backups::setSecondFolder(const QString &folder)
{
    if (folder.isEmpty())
        Settings::remove(secondFolderKey);
    else
        Settings::setValue(secondFolderKey, folder);
}

void Backups::leaveNotice(const QString &text)
{
    Settings::setValue(noticeKey, text);
}

QString Backups::takeNotice()
{
    const QString text = Settings::value(noticeKey).toString();
    if (!text.isEmpty())
        Settings::remove(noticeKey);
    return text;
}
