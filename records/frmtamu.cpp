#include "records/frmtamu.h"

#include "data/Schema.h"
#include "data/TextForms.h"
#include "platform/Clock.h"
#include "platform/Messages.h"
#include "platform/Platform.h"
#include "records/DataControl.h"
#include "records/ListPicker.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QVBoxLayout>

namespace {

RecordWindow::Settings settings()
{
    RecordWindow::Settings s;
    s.boxArray = QStringLiteral("txtFields");
    s.lock = {1, 7};
    s.check = {0, 7};
    s.enter = {0, 4};
    s.focusAfterTambah = 2;
    s.focusAfterEdit = 1;
    s.duplicateSubject = QStringLiteral("ID Tamu");
    s.focusAfterDuplicate = 0;
    s.searchBarBeforeWrite = true;
    return s;
}

} // namespace

frmtamu::frmtamu(QWidget *parent)
    : RecordWindow(settings(), QStringLiteral("adoprimaryRS"), Schema::tamu(), parent)
{
    setObjectName(QStringLiteral("frmtamu"));
    setWindowTitle(QStringLiteral("PENGINAPAN RERAR MERBALUNTA KALISOR"));
    fill(this, QColor(255, 192, 192));

    auto *frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setFrameShape(QFrame::Box);
    fill(frame, QColor(255, 255, 192));
    auto *fields = new QGridLayout(frame);

    QFont boxFont(QStringLiteral("Verdana"));
    boxFont.setStyleHint(QFont::SansSerif);
    boxFont.setPointSizeF(8.25);
    struct Row { int index; const char *label; const char *field; int maxLength; bool grey; };
    const Row rows[] = {
        {2, "Nama", "Nama", 50, false},
        {1, "No KTP/KTA", "No KTP/KTA", 30, false},
        {3, "Alamat", "Alamat", 50, false},
        {6, "Kota", "Kota", 8, false},
        {5, "No Telpon", "No Telpon", 30, false},
        {4, "Checkin", "Checkin", 10, true},
        {0, "No Kamar", "NoKamar", 50, false},
        {7, "Harga", "Harga", 10, true},
    };
    int line = 0;
    for (const Row &r : rows) {
        auto *label = new QLabel(QString::fromUtf8(r.label), frame);
        label->setObjectName(QStringLiteral("lblLabels_%1").arg(r.index));
        fields->addWidget(label, line, 0);
        QLineEdit *b = addBox(r.index, frame);
        b->setFont(boxFont);
        b->setMaxLength(r.maxLength);
        if (r.grey)
            makeGrey(b);
        mainData().bind(b, QString::fromUtf8(r.field));
        if (r.index == 0) {
            // The room box is filled by the picker that takes its place.
            b->hide();
            m_rooms = new ListPicker(frame);
            m_rooms->setObjectName(QStringLiteral("Combo1"));
            makeGrey(m_rooms);
            makeGrey(m_rooms->lineEdit());
            for (int room = 1; room <= 20; ++room)
                m_rooms->addItem(QStringLiteral("%1 %2").arg(room <= 10 ? QStringLiteral("PM") : QStringLiteral("PT"))
                                     .arg(room, 2, 10, QLatin1Char('0')));
            m_rooms->setCurrentIndex(-1);
            connect(m_rooms, &ListPicker::chosen, this, &frmtamu::roomChosen);
            fields->addWidget(m_rooms, line, 1);
        } else {
            fields->addWidget(b, line, 1);
        }
        ++line;
    }
    fields->setColumnStretch(1, 1);

    // Refresh takes part in the edit cycle but lies outside the visible bar.
    button(QStringLiteral("cmdRefresh"))->hide();

    QTableView *grid = addGrid(QStringLiteral("grdDataGrid"), this);
    grid->setMinimumHeight(160);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addWidget(picButtons());
    layout->addWidget(grid, 1);
    layout->addWidget(picUtility());

    setTabChain({grid, button(QStringLiteral("cmdClearSearch")), button(QStringLiteral("cmdView")),
                 button(QStringLiteral("cmdFindFirst")), button(QStringLiteral("cmdFindNext")),
                 button(QStringLiteral("cmdCancel")), button(QStringLiteral("cmdUpdate")),
                 button(QStringLiteral("cmdClose")), button(QStringLiteral("cmdRefresh")),
                 button(QStringLiteral("cmdDelete")), button(QStringLiteral("cmdEdit")),
                 button(QStringLiteral("cmdAdd")), box(2), box(6), box(4), box(3), box(1), box(5), m_rooms,
                 box(7)});

    resize(qMax(560, sizeHint().width()), sizeHint().height() + 120);

    // Load: boxes 1 to 7 read-only, then the table is read.
    Kunci();
    loadMainData();

    // Centred at the size the grid's columns asked for.
    if (const QScreen *screen = this->screen()) {
        QRect r = rect();
        r.moveCenter(screen->availableGeometry().center());
        move(r.topLeft());
    }
}

RecordWindow::SearchSetup frmtamu::searchSetup()
{
    return {&mainData().records(),
            {{0, QStringLiteral("NoKamar")},
             {1, QStringLiteral("No KTP/KTA")},
             {2, QStringLiteral("Nama")},
             {3, QStringLiteral("Alamat")},
             {4, QStringLiteral("Checkin")}},
            QStringLiteral("frminfo")};
}

void frmtamu::beforeWrite()
{
    mainData().records().setValue(QStringLiteral("Status"), QStringLiteral("Isi"));
}

void frmtamu::keyPressed(int index)
{
    Q_UNUSED(index)
    // While browsing a key press leaves the stored check-in date alone.
    if (isBrowsing())
        return;
    box(4)->setText(TextForms::dateText(Platform::clock().today()));
}

QWidget *frmtamu::focusTarget(int index) const
{
    return index == 0 ? m_rooms : RecordWindow::focusTarget(index);
}

void frmtamu::roomChosen()
{
    if (isBrowsing())
        return;
    const QString room = m_rooms->currentText();
    for (int i = 1; i <= 20; ++i) {
        const QString entry = m_rooms->itemText(i - 1);
        if (room == entry) {
            box(7)->setText(i <= 10 ? QStringLiteral("60000") : QStringLiteral("75000"));
            box(0)->setText(room);
            return;
        }
    }
}
