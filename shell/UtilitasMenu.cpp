#include "shell/UtilitasMenu.h"

#include "data/BackupCheck.h"
#include "data/BackupFolder.h"
#include "data/Backups.h"
#include "data/DataError.h"
#include "data/DataFolder.h"
#include "data/Restorer.h"
#include "platform/Choice.h"
#include "platform/Clock.h"
#include "platform/FileDialogs.h"
#include "platform/Messages.h"
#include "platform/Platform.h"
#include "platform/WindowRegistry.h"
#include "shell/AutoBackup.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QUrl>

namespace {

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

void addItem(QMenu *menu, const QString &name, const QString &caption, void (*command)())
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(name);
    QObject::connect(action, &QAction::triggered, menu, [command] { command(); });
}

QString secondFolderLine(const Backups::Outcome &outcome)
{
    if (!outcome.secondProblem.isEmpty())
        return QStringLiteral("\r\r") + Backups::secondProblemText(outcome.secondProblem);
    if (!Backups::secondFolder().isEmpty())
        return QStringLiteral("\r\rSalinannya juga ada di folder %1.").arg(native(Backups::secondFolder()));
    return QString();
}

} // namespace

QMenu *UtilitasMenu::addTo(QMenuBar *bar)
{
    QMenu *menu = bar->addMenu(QStringLiteral("&Utilitas"));
    menu->setObjectName(QStringLiteral("mnUtilitas"));
    addItem(menu, QStringLiteral("mnCadangkan"), QStringLiteral("Cadangkan Sekarang"), &backUpNow);
    addItem(menu, QStringLiteral("mnPulihkan"), QStringLiteral("Pulihkan dari Cadangan..."), &chooseAndRestore);
    addItem(menu, QStringLiteral("mnFolderKedua"), QStringLiteral("Folder Cadangan Kedua..."), &chooseSecondFolder);
    addItem(menu, QStringLiteral("mnFolderData"), QStringLiteral("Buka Folder Data"), &openDataFolder);
    return menu;
}

void UtilitasMenu::backUpNow()
{
    AutoBackup::waitForStart();
    try {
        const Backups::Outcome outcome = Backups::run(Platform::clock().now(), false);
        Platform::messages().show(QStringLiteral("Cadangan tersimpan di %1.").arg(native(outcome.written)) + secondFolderLine(outcome),
                                  QString(), outcome.secondProblem.isEmpty() ? Messages::Icon::Information : Messages::Icon::Critical);
    } catch (const DataError &e) {
        Platform::messages().show(QStringLiteral("Cadangan gagal dibuat.\r%1").arg(e.description()), QString(), Messages::Icon::Critical);
    }
}

void UtilitasMenu::chooseAndRestore()
{
    const QStringList backups = BackupFolder::primary().backups();
    const QLocale locale;
    QStringList items;
    for (const QString &path : backups) {
        QString line = BackupFolder::stampOf(QFileInfo(path).fileName()).toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"));
        try {
            const BackupCheck::Contents c = BackupCheck::count(path);
            line += QStringLiteral("   %1 tamu, %2 transaksi, %3 pembelian")
                        .arg(locale.toString(c.guests), locale.toString(c.stays), locale.toString(c.purchases));
        } catch (const DataError &) {
            line += QStringLiteral("   (tidak dapat dibaca)");
        }
        items << line;
    }
    items << QStringLiteral("Berkas lain...");
    const int index = Platform::choice().choose(QStringLiteral("Pilih cadangan yang akan dipulihkan (terbaru di atas):"),
                                                QStringLiteral("Pulihkan dari Cadangan"), items);
    if (index < 0)
        return;
    const QString chosen = index < backups.size()
                               ? backups.at(index)
                               : Platform::fileDialogs().openFileName(QStringLiteral("Pilih Berkas Cadangan"),
                                                                      QStringLiteral("Database Penginapan (*.mdb)|*.mdb"));
    if (chosen.isEmpty())
        return;
    const QString question = QStringLiteral("Pulihkan data dari %1?\r\rDatabase sekarang dicadangkan dulu. Semua jendela "
                                            "ditutup, lalu jendela utama dibuka lagi dengan data dari cadangan itu.")
                                 .arg(native(chosen));
    if (Platform::messages().show(question, QStringLiteral("Pulihkan dari Cadangan"), Messages::Icon::Question,
                                  Messages::Buttons::YesNo)
        != Messages::Answer::Yes)
        return;
    // The menu that asked belongs to a window the restore closes: run it
    // once the menu's command has returned.
    QTimer::singleShot(0, qApp, [chosen] { restore(chosen); });
}

void UtilitasMenu::restore(const QString &chosen)
{
    AutoBackup::waitForStart();
    bool closed = false;
    const bool quitOnLast = QGuiApplication::quitOnLastWindowClosed();
    QGuiApplication::setQuitOnLastWindowClosed(false);
    QString error;
    try {
        Restorer::restore(chosen, Platform::clock().now(), [&closed] {
            closed = true;
            WindowRegistry::instance().unloadAll();
        });
    } catch (const DataError &e) {
        error = e.description();
    }
    if (closed)
        WindowRegistry::instance().show(QStringLiteral("frmmenu"));
    QGuiApplication::setQuitOnLastWindowClosed(quitOnLast);
    if (error.isEmpty())
        Platform::messages().show(QStringLiteral("Data sudah dipulihkan dari %1.").arg(native(chosen)), QString(),
                                  Messages::Icon::Information);
    else
        Platform::messages().show(error, QString(), Messages::Icon::Critical);
}

void UtilitasMenu::chooseSecondFolder()
{
    const QString current = Backups::secondFolder();
    const QString chosen = Platform::fileDialogs().folderName(QStringLiteral("Folder Cadangan Kedua"),
                                                              current.isEmpty() ? QDir::homePath() : current);
    try {
        if (chosen.isEmpty()) {
            if (!current.isEmpty()
                && Platform::messages().show(QStringLiteral("Berhenti menyalin cadangan ke folder %1?").arg(native(current)),
                                             QStringLiteral("Folder Cadangan Kedua"), Messages::Icon::Question,
                                             Messages::Buttons::YesNo)
                       == Messages::Answer::Yes)
                Backups::setSecondFolder(QString());
            return;
        }
        const QString own = QFileInfo(BackupFolder::primary().path()).canonicalFilePath();
        if (!own.isEmpty() && QFileInfo(chosen).canonicalFilePath() == own) {
            Platform::messages().show(QStringLiteral("Folder %1 sudah tempat cadangan utama. Pilih folder lain, sebaiknya "
                                                     "di disk lain (flashdisk atau folder jaringan).")
                                          .arg(native(chosen)),
                                      QString(), Messages::Icon::Critical);
            return;
        }
        Backups::setSecondFolder(chosen);
        AutoBackup::waitForStart();
        const Backups::Outcome outcome = Backups::run(Platform::clock().now(), true);
        if (outcome.secondProblem.isEmpty())
            Platform::messages().show(QStringLiteral("Folder cadangan kedua: %1.\rCadangan terbaru sudah disalin ke sana.").arg(native(chosen)),
                                      QString(), Messages::Icon::Information);
        else
            Platform::messages().show(QStringLiteral("Folder cadangan kedua: %1.\rSalinan belum dapat dibuat: %2")
                                          .arg(native(chosen), outcome.secondProblem),
                                      QString(), Messages::Icon::Critical);
    } catch (const DataError &e) {
        Platform::messages().show(e.description(), QString(), Messages::Icon::Critical);
    }
}

void UtilitasMenu::openDataFolder()
{
    const QString folder = DataFolder::root();
    QDir().mkpath(folder);
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(folder)))
        Platform::messages().show(QStringLiteral("Folder data %1 tidak dapat dibuka.").arg(native(folder)), QString(),
                                  Messages::Icon::Critical);
}
