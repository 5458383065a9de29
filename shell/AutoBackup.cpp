#include "shell/AutoBackup.h"

#include "data/Backups.h"
#include "data/DataError.h"
#include "platform/Clock.h"
#include "platform/Messages.h"
#include "platform/Platform.h"

namespace {
// The clerk hears of a failing second folder once per start.
bool g_secondFolderTold = false;
} // namespace

void AutoBackup::atStart()
{
    g_secondFolderTold = false;
    QString notice;
    try {
        notice = Backups::takeNotice();
    } catch (const DataError &e) {
        notice = e.description();
    }
    if (!notice.isEmpty())
        Platform::messages().show(notice, QString(), Messages::Icon::Critical);
    try {
        const Backups::Outcome outcome = Backups::run(Platform::clock().now(), true);
        if (!outcome.secondProblem.isEmpty()) {
            g_secondFolderTold = true;
            Platform::messages().show(QStringLiteral("Salinan ke folder cadangan kedua gagal: %1").arg(outcome.secondProblem),
                                      QString(), Messages::Icon::Information);
        }
    } catch (const DataError &e) {
        Platform::messages().show(QStringLiteral("Cadangan otomatis gagal dibuat.\r%1").arg(e.description()), QString(),
                                  Messages::Icon::Critical);
    }
}

void AutoBackup::atEnd()
{
    const QDateTime now = Platform::clock().now();
    QString notice;
    try {
        const Backups::Outcome outcome = Backups::run(now, true);
        if (!outcome.secondProblem.isEmpty() && !g_secondFolderTold)
            notice = QStringLiteral("Saat program ditutup %1, salinan ke folder cadangan kedua gagal: %2")
                         .arg(now.toString(QStringLiteral("dd/MM/yyyy HH:mm")), outcome.secondProblem);
    } catch (const DataError &e) {
        // A file that is not a database of ours is told at every start anyway.
        if (e.number() == DataError::NotOurDatabase)
            return;
        notice = QStringLiteral("Saat program ditutup %1, cadangan otomatis gagal dibuat.\r%2")
                     .arg(now.toString(QStringLiteral("dd/MM/yyyy HH:mm")), e.description());
    }
    if (notice.isEmpty())
        return;
    try {
        Backups::leaveNotice(notice);
    } catch (const DataError &) {
        // Nowhere left to keep it: the next start's own backup tells again.
    }
}
