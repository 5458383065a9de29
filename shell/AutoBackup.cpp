#include "shell/AutoBackup.h"

#include "data/Backups.h"
#include "data/DataError.h"
#include "platform/Clock.h"
#include "platform/Messages.h"
#include "platform/Platform.h"

#include <QCoreApplication>
#include <QPointer>
#include <QThread>

namespace {
// The clerk hears of a failing second folder once per start.
bool g_secondFolderTold = false;
QPointer<QThread> g_startBackup;

// What the backup of the start found, told on the windows' thread.
void tell(const QString &failure, const QString &secondProblem)
{
    if (!failure.isEmpty())
        Platform::messages().show(QStringLiteral("Cadangan otomatis gagal dibuat.\r%1").arg(failure), QString(),
                                  Messages::Icon::Critical);
    if (!secondProblem.isEmpty()) {
        g_secondFolderTold = true;
        Platform::messages().show(Backups::secondProblemText(secondProblem),
                                  QString(), Messages::Icon::Information);
    }
}
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
    waitForStart();
    const QDateTime now = Platform::clock().now();
    QThread *thread = QThread::create([now] {
        QString failure;
        QString secondProblem;
        try {
            secondProblem = Backups::run(now, true).secondProblem;
        } catch (const DataError &e) {
            failure = e.description();
        }
        if (!failure.isEmpty() || !secondProblem.isEmpty())
            QMetaObject::invokeMethod(qApp, [failure, secondProblem] { tell(failure, secondProblem); }, Qt::QueuedConnection);
    });
    QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    g_startBackup = thread;
    thread->start(QThread::LowPriority);
}

void AutoBackup::waitForStart()
{
    if (g_startBackup)
        g_startBackup->wait();
}

void AutoBackup::atEnd()
{
    waitForStart();
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
