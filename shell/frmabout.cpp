#include "shell/frmabout.h"

#include "platform/Messages.h"
#include "platform/Twips.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace {
void setBackground(QWidget *w, const QColor &colour)
{
    w->setAutoFillBackground(true);
    QPalette p = w->palette();
    p.setColor(QPalette::Window, colour);
    p.setColor(QPalette::Button, colour);
    w->setPalette(p);
}

QLabel *label(QWidget *parent, const QString &name, const QString &text, const QRect &geometry,
              const QColor &background, const QColor &foreground)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QFont font(QStringLiteral("Comic Sans MS"), 12);
    font.setStyleHint(QFont::SansSerif); // a regular face where the designed one is missing
    l->setFont(font);
    l->setGeometry(geometry);
    setBackground(l, background);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, foreground);
    l->setPalette(p);
    return l;
}
} // namespace

frmabout::frmabout(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmabout"));
    setWindowTitle(Messages::defaultTitle());
    setAttribute(Qt::WA_DeleteOnClose);
    setBackground(this, QColor(192, 192, 255));
    setFixedSize(Twips::toPixels(7590), Twips::toPixels(7260));

    QFont frameFont(QStringLiteral("Comic Sans MS"), 12);
    frameFont.setStyleHint(QFont::SansSerif);
    frameFont.setBold(true);

    auto *frame1 = new QGroupBox(this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    frame1->setGeometry(Twips::rect(480, 120, 6615, 6855));
    frame1->setFont(frameFont);
    setBackground(frame1, QColor(255, 192, 255));

    label(frame1, QStringLiteral("Label8"), QStringLiteral("Program Aplikasi Laporan Administrasi Keuangan"),
          Twips::rect(480, 240, 5655, 375), QColor(255, 255, 192), Qt::black);
    label(frame1, QStringLiteral("Label9"), QStringLiteral("Penginapan Ruriv Merbalunta"),
          Twips::rect(1560, 720, 3615, 375), QColor(255, 255, 192), Qt::black);

    auto *frame2 = new QGroupBox(QStringLiteral("Created By"), frame1);
    frame2->setObjectName(QStringLiteral("Frame2"));
    frame2->setGeometry(Twips::rect(1200, 1320, 4335, 3975));
    frame2->setFont(frameFont);
    setBackground(frame2, QColor(128, 128, 255));
    QPalette captionPalette = frame2->palette();
    captionPalette.setColor(QPalette::WindowText, frame2->palette().color(QPalette::Inactive, QPalette::Mid));
    frame2->setPalette(captionPalette);

    const QStringList credits = {
        QStringLiteral("Pembukuan Penginapan"),
        QStringLiteral("Data Tamu"),
        QStringLiteral("Transaksi Penginapan"),
        QStringLiteral("Transaksi Pembelian"),
        QStringLiteral("Laporan Penerimaan"),
        QStringLiteral("Laporan Rekapitulasi"),
        QStringLiteral("Versi " PENGINAPAN_VERSION),
    };
    for (int i = 0; i < credits.size(); ++i) {
        const int top = 480 + i * (3600 - 480) / (int(credits.size()) - 1);
        label(frame2, QStringLiteral("Label%1").arg(i + 1), credits.at(i), Twips::rect(240, top, 3855, 300),
              QColor(255, 192, 255), QColor(255, 128, 128));
    }

    // The button lies on the window, over the frame.
    auto *ok = new QPushButton(QStringLiteral("Ok"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setGeometry(Twips::rect(5760, 6360, 1215, 495));
    QFont okFont(QStringLiteral("Verdana"));
    okFont.setStyleHint(QFont::SansSerif);
    okFont.setPointSizeF(9.75);
    ok->setFont(okFont);
    setBackground(ok, QColor(255, 255, 192));
    ok->raise();
    connect(ok, &QPushButton::clicked, this, &QWidget::close);

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}
