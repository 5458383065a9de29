#include "shell/WorkbookExportAction.h"

#include "data/Connection.h"
#include "data/DataError.h"
#include "data/DataFolder.h"
#include "data/TableDef.h"
#include "data/Schema.h"
#include "data/WorkbookExport.h"
#include "platform/Clock.h"
#include "platform/FileDialogs.h"
#include "platform/Messages.h"
#include "platform/Platform.h"
#include "platform/WorkProgress.h"

#include <QDir>
#include <QFileInfo>
#include <QMainWindow>
#include <QProgressBar>
#include <QStatusBar>
#include <memory>

void WorkbookExportAction::run(QMainWindow *window)
{
    QString name = Platform::fileDialogs().saveFileName(
        QStringLiteral("Ekspor ke Excel..."), QStringLiteral("Buku kerja Excel (*.xlsx)|*.xlsx"),
        QStringLiteral("Penginapan %1.xlsx").arg(Platform::clock().today().toString(QStringLiteral("yyyy-MM-dd"))));
    if (name.isEmpty())
        return;
    if (QFileInfo(name).suffix().isEmpty())
        name += QStringLiteral(".xlsx");

    // The bar stands in the window's status bar while the export runs.
    const bool hadStatusBar = window->findChild<QStatusBar *>(QString(), Qt::FindDirectChildrenOnly);
    auto bar = std::make_unique<QProgressBar>();
    bar->setObjectName(QStringLiteral("prgEkspor"));
    window->statusBar()->addPermanentWidget(bar.get(), 1);
    QList<qint64> counts;
    std::optional<DataError> failure;
    try {
        Connection connection(DataFolder::databaseLocation());
        WorkProgress progress(bar.get(), window);
        counts = WorkbookExport::write(connection, name, [&](qint64 done, qint64 total) { progress.step(done, total); });
    } catch (const DataError &e) {
        failure = e;
    }
    bar.reset();
    if (!hadStatusBar)
        window->setStatusBar(nullptr);

    const QString file = QDir::toNativeSeparators(name);
    if (failure) {
        Platform::messages().show(QStringLiteral("Data tidak dapat diekspor ke\r%1\r\r%2").arg(file, failure->description()),
                                  QStringLiteral("Ekspor Gagal"), Messages::Icon::Critical);
        return;
    }
    QString text = QStringLiteral("Data sudah diekspor ke\r%1\r").arg(file);
    const QList<const TableDef *> tables = Schema::tables();
    for (int i = 0; i < tables.size(); ++i)
        text += QStringLiteral("\r%1: %2 baris").arg(tables.at(i)->name).arg(counts.at(i));
    Platform::messages().show(text, QStringLiteral("Ekspor ke Excel"), Messages::Icon::Information);
}
