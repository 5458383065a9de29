#include "records/frmtransaksi.h"

#include "data/DataError.h"
#include "data/Schema.h"
#include "data/TextForms.h"
#include "platform/Clock.h"
#include "platform/FileDialogs.h"
#include "platform/Messages.h"
#include "platform/Platform.h"
#include "platform/Printer.h"
#include "records/DataControl.h"
#include "records/DataNavigator.h"
#include "records/Receipt.h"
#include "records/StayComputation.h"
#include "reports/PdfFile.h"
#include "reports/PrintLayout.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {

RecordWindow::Settings settings()
{
    RecordWindow::Settings s;
    s.boxArray = QStringLiteral("txtFields");
    s.lock = {1, 4};
    s.check = {1, 4};
    s.enter = {1, 4};
    s.focusAfterTambah = 1;
    s.focusAfterEdit = 1;
    s.duplicateSubject = QStringLiteral("No Transaksi");
    s.focusAfterDuplicate = 1;
    s.searchBarBeforeWrite = false;
    return s;
}

// Transfer box, field of Transaksi, and the guest box it copies.
struct Transfer
{
    const char *field;
    int from;
};
const Transfer transfers[] = {
    {"No ID", 1}, {"No KTP/KTA", 2}, {"Nama", 3}, {"Alamat", 4}, {"Kota", 5},
    {"No Telpon", 6}, {"Checkin", 7}, {"No Kamar", 9}, {"HargaSewa", 11},
};

} // namespace

frmtransaksi::frmtransaksi(QWidget *parent)
    : RecordWindow(settings(), QStringLiteral("adotransaksi"), Schema::transaksi(), parent),
      m_guests(new DataControl(QStringLiteral("adoidentitas"), Schema::tamu(), this))
{
    setObjectName(QStringLiteral("frmtransaksi"));
    setWindowTitle(QStringLiteral("PENGINAPAN RERAR MERBALUNTA KALISOR"));
    fill(this, QColor(192, 192, 255));

    auto *frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setFrameShape(QFrame::Box);
    fill(frame, QColor(255, 224, 192));
    auto *fields = new QGridLayout(frame);

    QFont boxFont(QStringLiteral("Verdana"));
    boxFont.setStyleHint(QFont::SansSerif);
    boxFont.setPointSizeF(8.25);
    struct Row { int index; const char *label; bool guest; const char *field; };
    const Row rows[] = {
        {1, "ID Tamu", true, "NoID"},
        {2, "No KTP/KTA", true, "No KTP/KTA"},
        {3, "Nama", true, "Nama"},
        {4, "Alamat", true, "Alamat"},
        {5, "Kota", true, "Kota"},
        {6, "No Telpon", true, "No Telpon"},
        {7, "Checkin", true, "Checkin"},
        {9, "No Kamar", true, "NoKamar"},
        {11, "Harga Sewa", true, "Harga"},
        {8, "Checkout", false, "Checkout"},
        {10, "Lama", false, "Lama"},
        {12, "Jumlah Orang", false, "JumlahOrang"},
        {13, "Total Bayar", false, "TotalBayar"},
        {14, "Total Pengeluaran", false, "Pengeluaran"},
    };
    int guestLine = 0;
    int stayLine = 0;
    for (const Row &r : rows) {
        auto *label = new QLabel(QString::fromUtf8(r.label), frame);
        label->setObjectName(QStringLiteral("lblLabels_%1").arg(r.index));
        QLineEdit *b = addBox(r.index, frame);
        b->setFont(boxFont);
        (r.guest ? m_guests : &mainData())->bind(b, QString::fromUtf8(r.field));
        const int line = r.guest ? guestLine++ : stayLine++;
        const int column = r.guest ? 0 : 2;
        fields->addWidget(label, line, column);
        fields->addWidget(b, line, column + 1);
    }
    fields->setColumnStretch(1, 1);
    fields->setColumnStretch(3, 1);
    fields->setColumnMinimumWidth(2, 120);

    // The transaction's own copy of the guest, never shown.
    for (int i = 0; i < 9; ++i) {
        auto *t = new QLineEdit(frame);
        t->setObjectName(QStringLiteral("Text%1").arg(i + 1));
        t->hide();
        mainData().bind(t, QString::fromUtf8(transfers[i].field));
        m_transfer << t;
    }

    auto *print = new QPushButton(QStringLiteral("Cetak"));
    print->setObjectName(QStringLiteral("Command1"));
    addToButtonBar(print, 6); // between Refresh and Keluar
    connect(print, &QPushButton::clicked, this, &frmtransaksi::Cetak);
    auto *pdf = new QPushButton(QStringLiteral("Simpan sebagai PDF"));
    pdf->setObjectName(QStringLiteral("cmdSimpanPdf"));
    addToButtonBar(pdf, 8); // after Keluar
    connect(pdf, &QPushButton::clicked, this, &frmtransaksi::SimpanPdf);

    QTableView *grid = addGrid(QStringLiteral("DataGrid1"), this);
    grid->setMinimumHeight(160);

    m_navigator = new DataNavigator(m_guests, QStringLiteral("DATABASE IDENTITAS"), this);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(picUtility(), 1);
    bottom->addWidget(m_navigator);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addWidget(picButtons());
    layout->addWidget(grid, 1);
    layout->addLayout(bottom);

    QList<QWidget *> chain;
    for (int i : {13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1})
        chain << box(i);
    for (const char *name : {"cmdAdd", "cmdEdit", "cmdDelete", "cmdRefresh", "cmdClose", "cmdUpdate", "cmdCancel",
                             "cmdFindNext", "cmdFindFirst", "cmdView", "cmdClearSearch"})
        chain << button(QString::fromLatin1(name));
    chain << m_navigator->buttons() << grid << box(14) << print << pdf;
    setTabChain(chain);

    resize(qMax(720, sizeHint().width()), sizeHint().height() + 120);

    // Load: check-out today and the total, then the transactions read, which
    // drops what the two boxes got and shows the first transaction. Reading
    // the transactions only once, after the boxes are set, leaves the window
    // as reading them before and again after would, at half the cost. The
    // lock range stays editable.
    try {
        m_guests->refresh();
    } catch (const DataError &e) {
        m_guests->raiseError(e);
    }
    box(8)->setText(TextForms::dateText(Platform::clock().today()));
    box(13)->setText(TextForms::numberText(TextForms::leadingNumber(box(10)->text())
                                           * TextForms::leadingNumber(box(11)->text())
                                           * TextForms::leadingNumber(box(12)->text())));
    loadMainData();
}

RecordWindow::SearchSetup frmtransaksi::searchSetup()
{
    return {&mainData().records(),
            {{1, QStringLiteral("No ID")},
             {2, QStringLiteral("No KTP/KTA")},
             {3, QStringLiteral("Nama")},
             {4, QStringLiteral("Alamat")}},
            QStringLiteral("frminfo2")};
}

void frmtransaksi::keyPressed(int index)
{
    Q_UNUSED(index)
    // While browsing a key press leaves the stored transaction alone.
    if (isBrowsing())
        return;
    const QDate today = Platform::clock().today();
    const StayComputation::Result r = StayComputation::onKeyPress(
        {box(7)->text(), box(10)->text(), box(11)->text(), box(12)->text(), box(13)->text()}, today);
    box(8)->setText(r.checkout);
    if (r.lama)
        box(10)->setText(*r.lama);
    box(8)->setText(r.checkout);
    for (int i = 0; i < 9; ++i)
        m_transfer.at(i)->setText(box(transfers[i].from)->text());
    if (r.pengeluaran)
        box(14)->setText(*r.pengeluaran);
    if (r.total)
        box(13)->setText(*r.total);
}

void frmtransaksi::focusArrived(int index)
{
    Q_UNUSED(index)
    if (isBrowsing())
        return;
    box(14)->setText(StayComputation::expenseShare(box(10)->text(), box(13)->text()));
}

void frmtransaksi::Cetak()
{
    Printer &printer = Platform::printer();
    if (printer.defaultPrinterName().isEmpty()) {
        Platform::messages().show(Printer::noPrinterText(), Printer::noPrinterTitle(), Messages::Icon::Critical);
        return;
    }
    if (const auto failure = printer.printText(receiptText(), Receipt::fontFamily(), Receipt::pointSize()))
        Platform::messages().show(Printer::failureText(*failure), Printer::failureTitle(), Messages::Icon::Critical);
}

QString frmtransaksi::receiptText() const
{
    return Receipt::text({box(1)->text(), box(3)->text(), box(4)->text(), box(7)->text(), box(8)->text(),
                          box(10)->text(), box(13)->text()});
}

void frmtransaksi::SimpanPdf()
{
    const QString name = PdfFile::withExtension(Platform::fileDialogs().saveFileName(
        PdfFile::dialogTitle(), PdfFile::dialogFilter(), QStringLiteral("Kuitansi.pdf")));
    if (name.isEmpty())
        return;
    // One sheet: no progress to show.
    const PrintLayout layout(receiptText(), Receipt::fontFamily(), Receipt::pointSize());
    if (const auto failure = PdfFile::write(name, layout, QStringLiteral("Kuitansi")))
        Platform::messages().show(PdfFile::failureText(name, *failure), PdfFile::failureTitle(),
                                  Messages::Icon::Critical);
}
