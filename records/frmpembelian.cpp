#include "records/frmpembelian.h"

#include "data/Schema.h"
#include "data/TextForms.h"
#include "platform/Clock.h"
#include "platform/Platform.h"
#include "records/DataControl.h"
#include "records/ListPicker.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {

RecordWindow::Settings settings()
{
    RecordWindow::Settings s;
    s.boxArray = QStringLiteral("Text1");
    s.lock = {1, 4};
    s.check = {1, 4};
    s.enter = {1, 4};
    s.focusAfterTambah = 2;
    s.focusAfterEdit = 1;
    s.duplicateSubject = QStringLiteral("No Transaksi");
    s.focusAfterDuplicate = 1;
    s.searchBarBeforeWrite = false;
    return s;
}

} // namespace

frmpembelian::frmpembelian(QWidget *parent)
    : RecordWindow(settings(), QStringLiteral("adopembelian"), Schema::pembelian(), parent)
{
    setObjectName(QStringLiteral("frmpembelian"));
    setWindowTitle(QStringLiteral(" "));
    fill(this, QColor(255, 224, 192));

    auto *frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setFrameShape(QFrame::Box);
    fill(frame, QColor(192, 255, 192));
    auto *frameLayout = new QVBoxLayout(frame);
    auto *fields = new QGridLayout;
    frameLayout->addLayout(fields);

    struct Row { int index; const char *label; const char *field; };
    const Row rows[] = {
        {1, "Tanggal", "Tanggal"},
        {3, "Jenis ", "Jenis"},
        {2, "Nama ", "Nama"},
        {4, "Jumlah", "Jumlah"},
        {5, "Harga ", "Harga"},
        {6, "Total ", "Total"},
    };
    int line = 0;
    for (const Row &r : rows) {
        auto *label = new QLabel(QString::fromUtf8(r.label), frame);
        label->setObjectName(QStringLiteral("Label1_%1").arg(r.index));
        fields->addWidget(label, line, 0);
        QLineEdit *b = addBox(r.index, frame);
        mainData().bind(b, QString::fromUtf8(r.field));
        if (r.index == 1)
            makeGrey(b);
        if (r.index == 3) {
            // The kind box is filled by the picker that takes its place.
            b->hide();
            m_kinds = new ListPicker(frame);
            m_kinds->setObjectName(QStringLiteral("Combo1"));
            makeGrey(m_kinds);
            makeGrey(m_kinds->lineEdit());
            m_kinds->addItems({QStringLiteral("001 PERLENGKAPAN"), QStringLiteral("002 PERAWTAN"),
                               QStringLiteral("003 SERVICE MAKAN")});
            m_kinds->setCurrentIndex(-1);
            connect(m_kinds, &ListPicker::chosen, this, &frmpembelian::kindChosen);
            fields->addWidget(m_kinds, line, 1);
        } else {
            fields->addWidget(b, line, 1);
        }
        ++line;
    }
    fields->setColumnStretch(1, 1);
    // Bound first, so that the total rule sees the record's new texts.
    for (int i = 1; i <= 6; ++i)
        connect(box(i), &QLineEdit::textChanged, this, &frmpembelian::totalRule);
    frameLayout->addWidget(picButtons());

    QTableView *grid = addGrid(QStringLiteral("DataGrid1"), this);
    grid->setMinimumHeight(160);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addWidget(grid, 1);
    layout->addWidget(picUtility());

    QList<QWidget *> chain;
    for (const char *name : {"cmdClearSearch", "cmdView", "cmdFindFirst", "cmdFindNext"})
        chain << button(QString::fromLatin1(name));
    chain << grid << box(1) << box(2) << box(4) << box(5) << box(6);
    for (const char *name : {"cmdUpdate", "cmdAdd", "cmdEdit", "cmdDelete", "cmdRefresh", "cmdClose", "cmdCancel"})
        chain << button(QString::fromLatin1(name));
    chain << m_kinds;
    setTabChain(chain);

    resize(qMax(560, sizeHint().width()), sizeHint().height() + 120);

    loadMainData();
}

RecordWindow::SearchSetup frmpembelian::searchSetup()
{
    return {&mainData().records(),
            {{1, QStringLiteral("Tanggal")},
             {2, QStringLiteral("Nama")},
             {3, QStringLiteral("Jenis")},
             {4, QStringLiteral("Jumlah")}},
            QStringLiteral("frminfo2")};
}

void frmpembelian::extraTambah()
{
    box(1)->setText(TextForms::dateText(Platform::clock().today()));
}

QWidget *frmpembelian::focusTarget(int index) const
{
    return index == 3 ? m_kinds : RecordWindow::focusTarget(index);
}

void frmpembelian::kindChosen()
{
    if (isBrowsing())
        return;
    box(3)->setText(m_kinds->currentText());
}

void frmpembelian::totalRule()
{
    // While browsing, and whenever the binding shows a row (another one, or
    // the one just saved), the stored total is shown as it is.
    if (isBrowsing() || mainData().isShowingRow())
        return;
    box(6)->setText(TextForms::numberText(TextForms::leadingNumber(box(4)->text())
                                          * TextForms::leadingNumber(box(5)->text())));
}
