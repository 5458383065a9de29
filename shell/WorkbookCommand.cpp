#include "shell/WorkbookCommand.h"

#include "data/Connection.h"
#include "data/DataError.h"
#include "data/DataFolder.h"
#include "data/TableDef.h"
#include "data/Schema.h"
#include "data/WorkbookExport.h"

#include <QCommandLineOption>
#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <QTextStream>

const QCommandLineOption &WorkbookCommand::option()
{
    static const QCommandLineOption option(QStringLiteral("export-xlsx"),
                                           QStringLiteral("Ekspor data tamu, transaksi dan pembelian ke buku kerja "
                                                          "Excel FILE (.xlsx), lalu selesai."),
                                           QStringLiteral("FILE"));
    return option;
}

int WorkbookCommand::run(const QString &fileName)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (fileName.isEmpty()) {
        err << QStringLiteral("Nama berkas buku kerja kosong.") << Qt::endl;
        return 1;
    }
    const QString books = DataFolder::databaseLocation();
    if (DataFolder::server().isEmpty() && !QFileInfo::exists(books)) {
        err << QStringLiteral("Database tidak ada: %1").arg(QDir::toNativeSeparators(books)) << Qt::endl;
        return 1;
    }
    try {
        Connection connection(books);
        const QList<qint64> counts = WorkbookExport::write(connection, fileName);
        QStringList sheets;
        const QList<const TableDef *> tables = Schema::tables();
        for (int i = 0; i < tables.size(); ++i)
            sheets << QStringLiteral("%1 %2 baris").arg(tables.at(i)->name).arg(counts.at(i));
        out << QStringLiteral("Diekspor ke %1: %2.").arg(QDir::toNativeSeparators(fileName), sheets.join(QStringLiteral(", ")))
            << Qt::endl;
        return 0;
    } catch (const DataError &e) {
        err << e.description() << Qt::endl;
        return 1;
    }
}
