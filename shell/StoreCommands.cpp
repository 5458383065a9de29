#include "shell/StoreCommands.h"

#include "data/DataError.h"
#include "data/DataFolder.h"
#include "data/ServerCopy.h"
#include "data/ServerStore.h"
#include "data/Settings.h"

#include <QCommandLineParser>
#include <QTextStream>
#include <cstdio>

namespace {
const QString kServer = QStringLiteral("server");
}

void StoreCommands::addOptions(QCommandLineParser &parser)
{
    parser.addOption(QCommandLineOption(
        kServer,
        QStringLiteral("Pakai buku di server PostgreSQL, bukan berkas Zavav.mdb; URI contohnya "
                       "postgresql://kasir@kantor/penginapan (kata sandi lewat PGPASSWORD atau ~/.pgpass). "
                       "Tanpa pilihan ini dipakai Server di bagian [Database] berkas DIR/penginapan.ini, bila ada."),
        QStringLiteral("URI")));
    parser.addOption(copyOption());
}

const QCommandLineOption &StoreCommands::copyOption()
{
    static const QCommandLineOption option(
        QStringLiteral("copy-to-server"),
        QStringLiteral("Salin buku dari DIR/Database/Zavav.mdb ke database server yang masih kosong, dalam satu "
                       "transaksi, lalu laporkan jumlah baris dan jumlah setiap field angka di kedua sisi."),
        QStringLiteral("URI"));
    return option;
}

void StoreCommands::chooseStore(const QCommandLineParser &parser)
{
    if (parser.isSet(kServer)) {
        DataFolder::setServer(parser.value(kServer));
        return;
    }
    DataFolder::setServer(Settings::value(QStringLiteral("Database/Server")).toString().trimmed());
}

int StoreCommands::run(const QCommandLineParser &parser)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QString uri = parser.value(copyOption());
    try {
        const QStringList report = ServerCopy::copy(DataFolder::databasePath(), uri);
        out << QStringLiteral("Buku dari %1 sudah disalin ke %2 (baris dan jumlah field angka sama di kedua sisi):")
                   .arg(DataFolder::databasePath(), ServerStore(uri).describe())
            << Qt::endl;
        for (const QString &line : report)
            out << QStringLiteral("  ") << line << Qt::endl;
        return 0;
    } catch (const DataError &e) {
        err << QStringLiteral("Penyalinan ke server gagal (%1): %2").arg(e.number()).arg(e.description()) << Qt::endl;
        return 1;
    }
}
