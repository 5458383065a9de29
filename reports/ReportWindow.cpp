#include "reports/ReportWindow.h"

#include "data/Connection.h"
#include "data/DataError.h"
#include "data/DataFolder.h"
#include "platform/Clock.h"
#include "platform/FileDialogs.h"
#include "platform/Messages.h"
#include "platform/Platform.h"
#include "platform/PrintPreview.h"
#include "platform/Printer.h"
#include "platform/Twips.h"
#include "platform/WorkProgress.h"
#include "reports/Module1.h"
#include "reports/PdfFile.h"
#include "reports/PrintLayout.h"
#include "reports/ReportError.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSaveFile>
#include <QStatusBar>
#include <QTextCursor>
#include <QTimer>
#include <optional>

namespace {
constexpr int kTwipsPerPixel = 15;
// The pane's face, and the one its text prints in.
const QString kFace = QStringLiteral("Courier New");

QString timeText()
{
    return Platform::clock().now().toString(QStringLiteral("hh:mm:ss"));
}

// Indonesian weekday names, Sunday first.
QString dayName(const QDate &date)
{
    static const QString names[] = {QStringLiteral("Minggu"), QStringLiteral("Senin"), QStringLiteral("Selasa"),
                                    QStringLiteral("Rabu"),   QStringLiteral("Kamis"), QStringLiteral("Jumat"),
                                    QStringLiteral("Sabtu")};
    return names[date.dayOfWeek() % 7];
}

QPushButton *button(QWidget *parent, const char *name, const QString &caption)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->resize(Twips::toPixels(955), Twips::toPixels(375));
    return b;
}
} // namespace

ReportWindow::ReportWindow(const QString &name, QSize designSize, qreal printPointSize)
    : m_designSize(designSize), m_printPointSize(printPointSize)
{
    setObjectName(name);
    setWindowTitle(Messages::defaultTitle());
    setAttribute(Qt::WA_DeleteOnClose);

    m_client = new QWidget(this);
    setCentralWidget(m_client);

    m_pane = new QPlainTextEdit(m_client);
    m_pane->setObjectName(QStringLiteral("rtfLap1"));
    QFont font(kFace);
    font.setPointSizeF(8.25);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    m_pane->setFont(font);
    m_pane->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_pane->setUndoRedoEnabled(false);

    m_progress = new QProgressBar(m_client);
    m_progress->setObjectName(QStringLiteral("prgBar1"));
    m_progress->setTextVisible(false);
    m_progress->setValue(0);
    m_progress->resize(m_progress->width(), Twips::toPixels(225));

    m_printerCaption = new QLabel(QStringLiteral("Nama printer:"), m_client);
    m_printerCaption->setObjectName(QStringLiteral("lblPrinter"));
    // As designed, or wide enough for its caption where a wider face stands in.
    m_printerCaption->resize(qMax(Twips::toPixels(1095), m_printerCaption->sizeHint().width()), Twips::toPixels(255));

    m_printers = new QComboBox(m_client);
    m_printers->setObjectName(QStringLiteral("cmbPrinter"));
    m_printers->resize(Twips::toPixels(2175), m_printers->sizeHint().height());

    m_save = button(m_client, "cmdSimpan", QStringLiteral("&Simpan"));
    m_print = button(m_client, "cmdCetak", QStringLiteral("&Cetak"));
    m_close = button(m_client, "cmdKeluar", QStringLiteral("&Keluar"));
    connect(m_save, &QPushButton::clicked, this, &ReportWindow::SimpanLaporan);
    connect(m_print, &QPushButton::clicked, this, &ReportWindow::CetakKePrinter);
    connect(m_close, &QPushButton::clicked, this, &QWidget::close);

    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    statusBar()->setSizeGripEnabled(false);
    m_panels[0] = addPanel(1, 6350, QString(), QString());
    m_panels[1] = addPanel(2, 1870, QStringLiteral("F1=Bantuan"), QStringLiteral("Tekan F1 untuk menampilkan bantuan"));
    m_panels[2] = addPanel(3, 1817, QString(), QStringLiteral("Kategori yang dipilih"));
    m_panels[3] = addPanel(4, 2822, QString(), QStringLiteral("Hari dan tanggal setempat saat ini"));
    m_panels[4] = addPanel(5, 1587, QString(), QStringLiteral("Pukul setempat saat ini"));

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(500);
    connect(m_timer, &QTimer::timeout, this, &ReportWindow::tick);

    // Load.
    const QDate today = Platform::clock().today();
    m_dayName = dayName(today);
    m_panels[0]->setText(QStringLiteral("Pilih kategori laporan dari menu di atas..."));
    m_panels[2]->clear();
    m_panels[3]->setText(m_dayName + QStringLiteral(", ") + today.toString(QStringLiteral("dd/MM/yyyy")));
    m_panels[4]->setText(timeText());
    m_printers->addItems(Platform::printer().printerNames());
    m_printers->setCurrentText(Platform::printer().defaultPrinterName());
    try {
        m_connection = std::make_unique<Connection>(DataFolder::databaseLocation());
    } catch (const DataError &e) {
        // The window stays usable: saving, opening and printing need no
        // database, and a build tries again.
        Platform::messages().show(e.description(), QString(), Messages::Icon::Critical);
    }
    m_timer->start();
    m_client->installEventFilter(this);
}

void ReportWindow::resizeToDesign()
{
    settleAccessKeys();

    // The status bar's five panels are wider than the designed client area:
    // open wide enough to show them side by side, each whole with its frame,
    // and never narrower, where they would be drawn over each other.
    const int panels = statusBar()->minimumSizeHint().width() + 4;
    statusBar()->setMinimumWidth(panels);
    resize(qMax(Twips::toPixels(m_designSize.width()), panels),
           Twips::toPixels(m_designSize.height()) + menuBar()->sizeHint().height() + statusBar()->sizeHint().height());
}

void ReportWindow::settleAccessKeys()
{
    // A button whose access key a menu-bar title shares ("&Keluar" beside
    // "&Kategori") gives the key up: Alt+K would otherwise only move the
    // focus to the button first. The menus are the way in that the status
    // bar points to. The button keeps its caption and stays reachable by
    // mouse, Tab and its menu twin.
    for (QAction *title : menuBar()->actions()) {
        const QKeySequence key = QKeySequence::mnemonic(title->text());
        if (key.isEmpty())
            continue;
        for (QPushButton *b : {m_save, m_print, m_close})
            if (b->shortcut() == key)
                b->setShortcut(QKeySequence());
    }
}

ReportWindow::~ReportWindow() = default;

QLabel *ReportWindow::addPanel(int index, int width, const QString &text, const QString &toolTip)
{
    auto *label = new QLabel(text, statusBar());
    label->setObjectName(QStringLiteral("Panels_%1").arg(index));
    label->setFixedWidth(Twips::toPixels(width));
    label->setToolTip(toolTip);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    statusBar()->addWidget(label);
    return label;
}

void ReportWindow::tick()
{
    m_panels[4]->setText(timeText());
}

bool ReportWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_client && event->type() == QEvent::Resize)
        placeControls();
    return QMainWindow::eventFilter(watched, event);
}

void ReportWindow::placeControls()
{
    // In twips, from the client area's width and height and the window's
    // outer width. A placement with a negative size is skipped; the others
    // are still made.
    const auto tw = [](int pixels) { return pixels * kTwipsPerPixel; };
    const auto place = [](QWidget *w, int left, int top, int width, int height) {
        if (width < 0 || height < 0)
            return;
        w->setGeometry(Twips::rect(left, top, width, height));
    };
    const int sw = tw(m_client->width());
    const int sh = tw(m_client->height());
    const int outer = tw(frameGeometry().width());
    const auto width = [&](QWidget *w) { return tw(w->width()); };
    const auto height = [&](QWidget *w) { return tw(w->height()); };

    place(m_pane, 50, 50, sw - 50, sh - 1100);
    place(m_printerCaption, 100, sh - 700, width(m_printerCaption), height(m_printerCaption));
    place(m_printers, width(m_printerCaption) + 100, sh - 700, width(m_printers), height(m_printers));
    place(m_close, sw - (width(m_close) + 250), sh - 700, width(m_close), height(m_close));
    place(m_print, sw - (width(m_print) + width(m_close) + 250), sh - 700, width(m_print), height(m_print));
    place(m_save, sw - (width(m_save) + width(m_print) + width(m_close) + 250), sh - 700, width(m_save),
          height(m_save));
    place(m_progress, 100, sh - 1000, outer - 500, height(m_progress));
}

void ReportWindow::closeEvent(QCloseEvent *event)
{
    m_timer->stop();
    m_connection.reset();
    event->accept();
}

QString ReportWindow::paneText() const
{
    QString text = m_pane->toPlainText();
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return text;
}

void ReportWindow::setPaneText(const QString &text)
{
    QString plain = text;
    plain.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    m_pane->setPlainText(plain);
}

void ReportWindow::appendPaneText(const QString &text)
{
    QString plain = text;
    plain.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QTextCursor cursor(m_pane->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(plain);
}

void ReportWindow::setCriterion(const QString &text)
{
    m_panels[2]->setText(text);
}

Connection &ReportWindow::connection()
{
    // A store that could not be opened when the window loaded, or a server
    // connection that broke, is opened again by the next build.
    if (!m_connection)
        m_connection = std::make_unique<Connection>(DataFolder::databaseLocation());
    else if (m_connection->isLost())
        m_connection->reconnect();
    return *m_connection;
}

void ReportWindow::runBuild(const std::function<void()> &build)
{
    const auto report = [](int number, const QString &description) {
        Platform::messages().show(QStringLiteral("%1 %2").arg(number).arg(description));
    };
    try {
        build();
    } catch (const ReportError &e) {
        report(e.number(), e.description());
    } catch (const DataError &e) {
        report(e.number(), e.description());
    }
    m_pane->show();
    m_pane->moveCursor(QTextCursor::End);
    m_progress->setValue(0);
}

void ReportWindow::startBuild(int count)
{
    m_progress->setMinimum(0);
    if (count > 0)
        m_progress->setMaximum(count);
    m_progress->setValue(0);
    m_progressCount = 0;
    // The bar is drawn anew at most a few hundred times a build.
    m_progressStep = qMax(1, count / 256);
    m_pane->clear();
    m_pane->hide();
}

void ReportWindow::stepProgress(int rows)
{
    m_progressCount += rows;
    if (m_progressCount - m_progress->value() >= m_progressStep || m_progressCount >= m_progress->maximum())
        m_progress->setValue(m_progressCount);
}

void ReportWindow::nothingFound()
{
    Platform::messages().show(QStringLiteral("Data tidak ditemukan!"), QStringLiteral("NIHIL"),
                              Messages::Icon::Critical);
}

void ReportWindow::nothingToPrint()
{
    Platform::messages().show(QStringLiteral("Belum ada informasi yang akan dicetak!\rPilih kategori laporan yang akan "
                                             "Anda\rcetak, lalu klik menu Cetak."),
                              QStringLiteral("Data Tidak Ada"), Messages::Icon::Critical);
}

void ReportWindow::addPrintoutItems(QMenu *file, const QString &pdfName)
{
    m_pdfName = pdfName;
    file->addSeparator();
    QAction *preview = file->addAction(QStringLiteral("Pratinjau Cetak..."));
    preview->setObjectName(QStringLiteral("mnPratinjau"));
    connect(preview, &QAction::triggered, this, &ReportWindow::PratinjauCetak);
    QAction *pdf = file->addAction(QStringLiteral("Simpan sebagai PDF..."));
    pdf->setObjectName(QStringLiteral("mnSimpanPdf"));
    connect(pdf, &QAction::triggered, this, &ReportWindow::SimpanPdf);
}

PrintLayout ReportWindow::printLayout() const
{
    return PrintLayout(printedText(), kFace, m_printPointSize);
}

QString ReportWindow::printedText() const
{
    return paneText() + QStringLiteral("\r\n");
}

void ReportWindow::PratinjauCetak()
{
    if (paneText().isEmpty()) {
        nothingToPrint();
        return;
    }
    const PrintLayout layout = printLayout();
    Platform::printPreview().show(
        PrintLayout::defaultSheet(),
        [&](QPagedPaintDevice &device) {
            WorkProgress progress(m_progress, this);
            layout.orient(device);
            layout.paint(device, [&](int done, int total) { progress.step(done, total); });
        },
        [this] { CetakKePrinter(); });
}

void ReportWindow::SimpanPdf()
{
    if (paneText().isEmpty()) {
        nothingToPrint();
        return;
    }
    const QString name = PdfFile::withExtension(
        Platform::fileDialogs().saveFileName(PdfFile::dialogTitle(), PdfFile::dialogFilter(), m_pdfName));
    if (name.isEmpty())
        return;
    const PrintLayout layout = printLayout();
    std::optional<QString> failure;
    {
        WorkProgress progress(m_progress, this);
        failure = PdfFile::write(name, layout, QFileInfo(m_pdfName).completeBaseName(),
                                 [&](int done, int total) { progress.step(done, total); });
    }
    if (failure)
        Platform::messages().show(PdfFile::failureText(name, *failure), PdfFile::failureTitle(),
                                  Messages::Icon::Critical);
}

void ReportWindow::SimpanLaporan()
{
    const QString name = Platform::fileDialogs().saveFileName(QStringLiteral("Simpan sebagai file..."),
                                                              QStringLiteral("*.txt|*.txt"));
    if (name.isEmpty())
        return;
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly))
        return;
    file.write(printedText().toUtf8());
    file.commit();
}

void ReportWindow::CetakKePrinter()
{
    Messages &messages = Platform::messages();
    if (!Module1::AdaPrinter()) {
        messages.show(Printer::noPrinterText(), Printer::noPrinterTitle(), Messages::Icon::Critical);
        return;
    }
    if (paneText().isEmpty()) {
        nothingToPrint();
        return;
    }
    if (const auto failure = Platform::printer().printText(printedText(), kFace, m_printPointSize)) {
        messages.show(Printer::failureText(*failure), Printer::failureTitle(), Messages::Icon::Critical);
        return;
    }
    if (messages.show(QStringLiteral("Hasil cetakan sudah benar?"), QStringLiteral("Cetak"),
                      Messages::Icon::Question, Messages::Buttons::YesNo)
        == Messages::Answer::Yes)
        m_pane->clear();
}
