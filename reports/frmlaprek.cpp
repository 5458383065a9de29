#include "reports/frmlaprek.h"

#include "data/DataFolder.h"
#include "data/ReportQuery.h"
#include "data/TransaksiTotals.h"
#include "platform/Clock.h"
#include "platform/Platform.h"
#include "reports/Recapitulation.h"
#include "reports/ReportFile.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

frmlaprek::frmlaprek() : ReportWindow(QStringLiteral("frmlaprek"), QSize(7425, 7095), 9)
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("File"));
    file->setObjectName(QStringLiteral("mnfile"));
    QAction *build = file->addAction(QStringLiteral("Cetak"));
    build->setObjectName(QStringLiteral("mncetak"));
    connect(build, &QAction::triggered, this, [this] { TampilData(QStringLiteral("SEMUA DATA")); });
    addPrintoutItems(file, QStringLiteral("Rekapitulasi.pdf"));
    resizeToDesign();
}

void frmlaprek::TampilData(const QString &category)
{
    if (category != QLatin1String("SEMUA DATA"))
        return;
    runBuild([&] {
        // The store sums a table whose every row reads cleanly in one pass;
        // only a table with a row that fails is read row by row, to report
        // the first failing row as the report does.
        const TransaksiTotals totals = TransaksiTotals::read(connection());
        if (totals.rows == 0) {
            nothingFound();
            return;
        }
        setCriterion(QString());
        const QDate today = Platform::clock().today();
        startBuild(int(totals.rows));
        // The recapitulation is never mirrored: the report file is left empty.
        { ReportFile emptied(DataFolder::reportFilePath()); }
        Recapitulation recap;
        if (totals.clean) {
            recap.addSums(totals.income, totals.expenses, totals.balance);
            stepProgress(int(totals.rows));
        } else {
            ReportQuery query(connection(), ReportQuery::Category::All);
            while (query.next()) {
                recap.add(BarisLaporan::fromRecord([&](const QString &f) { return query.value(f); },
                                                   BarisLaporan::CheckoutField::NotRead));
                stepProgress();
            }
        }
        setPaneText(recap.text(today));
    });
}
