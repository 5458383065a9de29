#include "reports/frmcetaklap.h"

#include "data/DataFolder.h"
#include "data/ReportQuery.h"
#include "data/TextForms.h"
#include "platform/Clock.h"
#include "platform/FileDialogs.h"
#include "platform/Messages.h"
#include "platform/Platform.h"
#include "platform/Prompt.h"
#include "reports/ReceiptsReport.h"
#include "reports/ReportFile.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMenuBar>

namespace {
QAction *item(QMenu *menu, const char *name, const QString &caption)
{
    QAction *a = menu->addAction(caption);
    a->setObjectName(QLatin1String(name));
    return a;
}

// The selection a category's answer stands for.
struct Selection
{
    ReportQuery::Category category;
    QVariant argument;
    QString criterion;
};

// Asks for the category's criterion; nothing when the clerk cancels or the
// answer is refused.
std::optional<Selection> ask(const QString &category)
{
    Prompt &prompt = Platform::prompt();
    if (category == QLatin1String("SEMUA DATA"))
        return Selection{ReportQuery::Category::All, QVariant(), QString()};
    if (category == QLatin1String("TANGGAL")) {
        for (;;) {
            const std::optional<QString> answer = prompt.ask(QStringLiteral("Masukkan tanggal checkin:"),
                                                             QStringLiteral("Tanggal Terima"),
                                                             QStringLiteral("28/02/2004"));
            if (!answer)
                return std::nullopt;
            if (const std::optional<QDate> date = TextForms::parseDate(*answer))
                return Selection{ReportQuery::Category::CheckinDate, *date, *answer};
            Platform::messages().show(QStringLiteral("Tanggal atau formatnya salah!"), QStringLiteral("Tanggal Salah"),
                                      Messages::Icon::Critical);
        }
    }
    if (category == QLatin1String("NOTRANSAKSI") || category == QLatin1String("NAMA")) {
        const bool name = category == QLatin1String("NAMA");
        const std::optional<QString> answer =
            name ? prompt.ask(QStringLiteral("Masukkan nama tamu (boleh sebagian):"), QStringLiteral("Nama Tamu"),
                              QStringLiteral("Nuri"))
                 : prompt.ask(QStringLiteral("Masukkan NoTransaksi (boleh sebagian):"), QStringLiteral("NoTransaksi"),
                              QStringLiteral("001"));
        if (!answer)
            return std::nullopt;
        return Selection{name ? ReportQuery::Category::GuestName : ReportQuery::Category::TransactionNumber, *answer,
                         *answer};
    }
    if (category == QLatin1String("HARGA")) {
        const std::optional<QString> answer =
            prompt.ask(QStringLiteral("Masukkan harga satuan:"), QStringLiteral("Harga"), QStringLiteral("3000000"));
        if (!answer)
            return std::nullopt;
        if (!TextForms::parseNumber(*answer)) {
            Platform::messages().show(QStringLiteral("Harga satuan harus karakter angka!"),
                                      QStringLiteral("Tipe Data Salah"), Messages::Icon::Critical);
            return std::nullopt;
        }
        return Selection{ReportQuery::Category::RoomPrice, TextForms::leadingNumber(*answer), *answer};
    }
    return std::nullopt;
}
} // namespace

frmcetaklap::frmcetaklap() : ReportWindow(QStringLiteral("frmcetaklap"), QSize(7605, 7230), 8)
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    connect(item(file, "mnuBuka", QStringLiteral("&Buka")), &QAction::triggered, this, &frmcetaklap::BukaLaporan);
    connect(item(file, "mnuSimpan", QStringLiteral("&Simpan")), &QAction::triggered, this,
            &ReportWindow::SimpanLaporan);
    connect(item(file, "mnCetak", QStringLiteral("&Cetak")), &QAction::triggered, this,
            &ReportWindow::CetakKePrinter);
    file->addSeparator()->setObjectName(QStringLiteral("mngrs"));
    connect(item(file, "mnExit", QStringLiteral("Keluar")), &QAction::triggered, this, &QWidget::close);
    addPrintoutItems(file, QStringLiteral("Laporan Penerimaan.pdf"));

    QMenu *kategori = menuBar()->addMenu(QStringLiteral("&Kategori"));
    kategori->setObjectName(QStringLiteral("mnKategori"));
    const struct { const char *name; const char *caption; const char *category; } categories[] = {
        {"mnSemuadata", "Semua Data", "SEMUA DATA"}, {"mnTanggal", "Tanggal", "TANGGAL"},
        {"mnNoTrans", "No Transaksi", "NOTRANSAKSI"}, {"mnNama", "Nama", "NAMA"}, {"mnHarga", "Harga", "HARGA"}};
    for (const auto &c : categories) {
        const QString category = QString::fromLatin1(c.category);
        connect(item(kategori, c.name, QString::fromLatin1(c.caption)), &QAction::triggered, this,
                [this, category] { TampilData(category); });
    }
    resizeToDesign();
}

void frmcetaklap::TampilData(const QString &category)
{
    runBuild([&] {
        const std::optional<Selection> selection = ask(category);
        if (!selection)
            return;
        ReportQuery query(connection(), selection->category, selection->argument);
        if (query.count() == 0) {
            nothingFound();
            return;
        }
        setCriterion(selection->criterion);

        startBuild(query.count());
        ReceiptsReport report(selection->criterion, category, loadDayName(), Platform::clock().today());
        ReportFile file(DataFolder::reportFilePath());
        const auto step = [&](const QString &text) {
            appendPaneText(text);
            file.append(text);
        };
        step(report.header());
        while (query.next()) {
            const BarisLaporan row = BarisLaporan::fromRecord([&](const QString &f) { return query.value(f); });
            // The page-break block stands in the pane before the row is
            // made; the file gets it with the row, at the completed step.
            const QString pageBreak = report.startRow();
            appendPaneText(pageBreak);
            const QString line = report.row(row);
            appendPaneText(line);
            file.append(pageBreak + line);
            stepProgress();
        }
        step(report.closing());
    });
}

void frmcetaklap::BukaLaporan()
{
    const QString name = Platform::fileDialogs().openFileName(QString(), QStringLiteral("*.txt|*.txt"));
    if (name.isEmpty())
        return;
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        return;
    setPaneText(QString::fromUtf8(file.readAll()));
}
