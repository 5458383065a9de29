#include "shell/frmmenu.h"

#include "platform/Messages.h"
#include "platform/Twips.h"
#include "platform/WindowRegistry.h"
#include "shell/UtilitasMenu.h"
#include "shell/WorkbookExportAction.h"

#include <QAction>
#include <QFontMetrics>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

namespace {
QLabel *titleLine(QWidget *parent, int index, const QString &text, const QRect &geometry)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QStringLiteral("Label1_%1").arg(index));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QFont font(QStringLiteral("Franklin Gothic Medium"), 24);
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    label->setFont(font);
    // Where the designed face is missing a wider or taller one stands in:
    // the label grows to the right and downwards so the whole line shows,
    // descenders included.
    const QFontMetrics metrics(font);
    QRect shown = geometry;
    shown.setWidth(qMax(geometry.width(), metrics.horizontalAdvance(text) + 8));
    shown.setHeight(qMax(geometry.height(), metrics.height()));
    label->setGeometry(shown);
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(p);
    return label;
}
} // namespace

frmmenu::frmmenu(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmmenu"));
    setWindowTitle(Messages::defaultTitle());
    setAttribute(Qt::WA_DeleteOnClose);

    auto *client = new QWidget(this);
    client->setAutoFillBackground(true);
    QPalette p = client->palette();
    p.setColor(QPalette::Window, QColor(255, 192, 255));
    client->setPalette(p);
    setCentralWidget(client);

    QLabel *line1 = titleLine(client, 0, QStringLiteral("PENGINAPAN RERAR MERBALUNTA"), Twips::rect(720, 2400, 9495, 495));
    QLabel *line2 = titleLine(client, 1, QStringLiteral("JL. LEMBURSARI NO. 139 KALISOR"), Twips::rect(1080, 3240, 8895, 495));

    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnfile"));
    addShowItem(file, QStringLiteral("mnDataTamu"), QStringLiteral("Data &Tamu"), QStringLiteral("frmtamu"));

    QMenu *transaksi = menuBar()->addMenu(QStringLiteral("&Transaksi"));
    transaksi->setObjectName(QStringLiteral("mntransaksi"));
    addShowItem(transaksi, QStringLiteral("mnPembelian"), QStringLiteral("Transaksi Pembelian"), QStringLiteral("frmpembelian"));
    addShowItem(transaksi, QStringLiteral("mnZavav"), QStringLiteral("Transaksi Penginapan"), QStringLiteral("frmtransaksi"));

    QMenu *laporan = menuBar()->addMenu(QStringLiteral("&Laporan"));
    laporan->setObjectName(QStringLiteral("mnlaporan"));
    addShowItem(laporan, QStringLiteral("mncetaktrans"), QStringLiteral("Cetak Transaksi"), QStringLiteral("frmcetaklap"));
    addShowItem(laporan, QStringLiteral("mnRekapitulasi"), QStringLiteral("Cetak Rekapitulasi"), QStringLiteral("frmlaprek"));

    QMenu *utilitas = UtilitasMenu::addTo(menuBar());
    QAction *export_ = utilitas->addAction(QStringLiteral("Ekspor ke Excel..."));
    export_->setObjectName(QStringLiteral("mnEksporExcel"));
    connect(export_, &QAction::triggered, this, [this] { WorkbookExportAction::run(this); });

    QMenu *about = menuBar()->addMenu(QStringLiteral("&About"));
    about->setObjectName(QStringLiteral("mnabout"));
    addShowItem(about, QStringLiteral("mna"), QStringLiteral("Programmer"), QStringLiteral("frmabout"));

    QAction *close = menuBar()->addAction(QStringLiteral("&Close"));
    close->setObjectName(QStringLiteral("mnClose"));
    connect(close, &QAction::triggered, this, &QWidget::close);

    // The title lines reach beyond the designed client width: open wide
    // enough to show them whole.
    const int width = qMax(Twips::toPixels(7590), qMax(line1->geometry().right(), line2->geometry().right()) + 16);
    client->setMinimumSize(width, Twips::toPixels(6180));
    resize(width, Twips::toPixels(6180) + menuBar()->sizeHint().height());
}

void frmmenu::addShowItem(QMenu *menu, const QString &name, const QString &caption, const QString &window)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, [window] { WindowRegistry::instance().show(window); });
}
