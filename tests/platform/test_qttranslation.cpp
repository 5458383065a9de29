#include "platform/QtChoice.h"
#include "platform/QtFileDialogs.h"
#include "platform/QtMessages.h"
#include "platform/QtPrintPreview.h"
#include "platform/QtPrompt.h"
#include "platform/QtTranslation.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QToolButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

// Qt's own dialogs, opened for real (offscreen), speak Indonesian whatever
// the locale the test runs under.
class TestQtTranslation : public QObject
{
    Q_OBJECT

    // Runs look on the next modal dialog once it is up; look closes it.
    static void whenModal(const std::function<void(QWidget *)> &look)
    {
        auto *timer = new QTimer;
        timer->setInterval(10);
        QObject::connect(timer, &QTimer::timeout, timer, [timer, look] {
            QWidget *dialog = QApplication::activeModalWidget();
            if (!dialog)
                return;
            timer->stop();
            timer->deleteLater();
            look(dialog);
        });
        timer->start();
    }

    // Collects the texts of the next modal dialog's buttons and labels, then
    // closes it with the button whose text is closeWith (mnemonic marks ignored).
    static void whenModal(QStringList *texts, const QString &closeWith)
    {
        whenModal([texts, closeWith](QWidget *dialog) {
            QAbstractButton *close = nullptr;
            const QList<QAbstractButton *> buttons =
                dialog->findChild<QDialogButtonBox *>()->findChildren<QAbstractButton *>();
            for (QAbstractButton *b : buttons) {
                if (!b->isVisible())
                    continue;
                *texts << b->text();
                if (QString(b->text()).remove(QLatin1Char('&')) == closeWith)
                    close = b;
            }
            for (const QLabel *l : dialog->findChildren<QLabel *>())
                if (l->isVisible() && !l->text().isEmpty())
                    *texts << l->text();
            if (close)
                close->click();
            else
                dialog->close();
        });
    }

    // Every text a shown window puts on screen: its title, labels, buttons,
    // frames' titles and the entries of its drop-down lists.
    static QStringList shownTexts(const QWidget *window)
    {
        QStringList texts{window->windowTitle()};
        for (const QLabel *l : window->findChildren<QLabel *>())
            if (l->isVisible())
                texts << l->text();
        for (const QAbstractButton *b : window->findChildren<QAbstractButton *>())
            if (b->isVisible())
                texts << b->text() << b->toolTip();
        for (const QGroupBox *g : window->findChildren<QGroupBox *>())
            if (g->isVisible())
                texts << g->title();
        for (const QComboBox *c : window->findChildren<QComboBox *>())
            if (c->isVisible())
                for (int i = 0; i < c->count(); ++i)
                    texts << c->itemText(i);
        texts.removeAll(QString());
        return texts;
    }

    static void expectAll(const QStringList &texts, const QStringList &expected)
    {
        for (const QString &e : expected)
            QVERIFY2(texts.contains(e), qPrintable(e + QStringLiteral(" missing in ") + texts.join(QLatin1Char('|'))));
    }

    static QStringList menuTexts(QMenu *menu)
    {
        QStringList texts;
        for (const QAction *a : menu->actions())
            if (!a->isSeparator())
                texts << a->text().section(QLatin1Char('\t'), 0, 0);
        return texts;
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(QtTranslation::install(), "penginapan_id.qm not found beside the program");
    }

    void messageBoxYesNo()
    {
        QtMessages messages;
        QStringList texts;
        whenModal(&texts, QStringLiteral("Tidak"));
        QCOMPARE(messages.show(QStringLiteral("Yakin record ini mau dihapus"), QStringLiteral("Hapus Record"),
                               Messages::Icon::Question, Messages::Buttons::YesNo),
                 Messages::Answer::No);
        QVERIFY2(texts.contains(QStringLiteral("&Ya")), qPrintable(texts.join(QLatin1Char('|'))));
        QVERIFY2(texts.contains(QStringLiteral("&Tidak")), qPrintable(texts.join(QLatin1Char('|'))));
    }

    void messageBoxOk()
    {
        QtMessages messages;
        QStringList texts;
        whenModal(&texts, QStringLiteral("OK"));
        QCOMPARE(messages.show(QStringLiteral("Semua data harus diisi!"), QStringLiteral("Isi Semua Data"),
                               Messages::Icon::Critical, Messages::Buttons::Ok),
                 Messages::Answer::Ok);
        QVERIFY2(texts.contains(QStringLiteral("OK")), qPrintable(texts.join(QLatin1Char('|'))));
    }

    void promptOkBatal()
    {
        QtPrompt prompt;
        QStringList texts;
        whenModal(&texts, QStringLiteral("Batal"));
        QCOMPARE(prompt.ask(QStringLiteral("Masukkan harga satuan:"), QStringLiteral("Harga"), QStringLiteral("3000000")),
                 std::nullopt);
        QVERIFY2(texts.contains(QStringLiteral("OK")), qPrintable(texts.join(QLatin1Char('|'))));
        QVERIFY2(texts.contains(QStringLiteral("Batal")), qPrintable(texts.join(QLatin1Char('|'))));
    }

    void fileDialogs_data()
    {
        QTest::addColumn<bool>("save");
        QTest::addColumn<QString>("accept");
        QTest::newRow("simpan") << true << QStringLiteral("&Simpan");
        QTest::newRow("buka") << false << QStringLiteral("&Buka");
    }

    void fileDialogs()
    {
        QFETCH(bool, save);
        QFETCH(QString, accept);
        QtFileDialogs dialogs;
        QStringList texts;
        whenModal(&texts, QStringLiteral("Batal"));
        const QString name = save ? dialogs.saveFileName(QStringLiteral("Simpan sebagai file..."),
                                                         QStringLiteral("*.txt|*.txt"), QStringLiteral("HasilCari"))
                                  : dialogs.openFileName(QString(), QStringLiteral("*.txt|*.txt"));
        QVERIFY(name.isEmpty());
        const QString all = texts.join(QLatin1Char('|'));
        for (const QString &expected : {accept, QStringLiteral("Batal"), QStringLiteral("Lihat di:"),
                                        QStringLiteral("&Nama berkas:"), QStringLiteral("Jenis berkas:")})
            QVERIFY2(texts.contains(expected), qPrintable(expected + QStringLiteral(" missing in ") + all));
    }

    void contextMenus()
    {
        QLineEdit box(QStringLiteral("PM 01"));
        QPlainTextEdit pane(QStringLiteral("Data tidak ditemukan!"));
        pane.setReadOnly(true);
        QPlainTextEdit editable(QStringLiteral("x"));
        const std::unique_ptr<QMenu> boxMenu(box.createStandardContextMenu());
        const std::unique_ptr<QMenu> paneMenu(pane.createStandardContextMenu());
        const std::unique_ptr<QMenu> editableMenu(editable.createStandardContextMenu());
        QCOMPARE(menuTexts(boxMenu.get()),
                 QStringList({QStringLiteral("&Batalkan"), QStringLiteral("&Ulangi"), QStringLiteral("Po&tong"),
                              QStringLiteral("&Salin"), QStringLiteral("&Tempel"), QStringLiteral("Hapus"),
                              QStringLiteral("Pilih Semua")}));
        QCOMPARE(menuTexts(paneMenu.get()), QStringList({QStringLiteral("&Salin"), QStringLiteral("Pilih Semua")}));
        QCOMPARE(menuTexts(editableMenu.get()),
                 QStringList({QStringLiteral("&Batalkan"), QStringLiteral("&Ulangi"), QStringLiteral("Po&tong"),
                              QStringLiteral("&Salin"), QStringLiteral("&Tempel"), QStringLiteral("Hapus"),
                              QStringLiteral("Pilih Semua")}));
    }

    void choiceDialog()
    {
        QtChoice choice;
        QStringList texts;
        whenModal(&texts, QStringLiteral("Batal"));
        QCOMPARE(choice.choose(QStringLiteral("Pilih cadangan yang akan dikembalikan:"), QStringLiteral("Kembalikan Data"),
                               {QStringLiteral("2026-12-11 09.00"), QStringLiteral("2026-12-10 17.30")}),
                 -1);
        expectAll(texts, {QStringLiteral("OK"), QStringLiteral("Batal"),
                          QStringLiteral("Pilih cadangan yang akan dikembalikan:")});
    }

    // The preview's toolbar shows its actions as icons; their names show as
    // tooltips, and the window's own title stays the program's.
    void printPreview()
    {
        QtPrintPreview preview;
        QString title;
        QStringList actions;
        QStringList tips;
        whenModal([&](QWidget *dialog) {
            title = dialog->windowTitle();
            for (const QAction *a : dialog->findChildren<QAction *>())
                if (!a->text().isEmpty())
                    actions << a->text();
            for (const QToolButton *b : dialog->findChildren<QToolButton *>())
                if (!b->toolTip().isEmpty())
                    tips << b->toolTip();
            dialog->close();
        });
        preview.show(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()),
                     [](QPagedPaintDevice &sheet) {
                         QPainter painter(&sheet);
                         painter.drawText(QPointF(100, 100), QStringLiteral("KALISOR"));
                     },
                     [] { QFAIL("closing the preview printed"); });
        QCOMPARE(title, QStringLiteral("Pratinjau Cetak"));
        const QStringList expected{QStringLiteral("Halaman berikutnya"), QStringLiteral("Halaman sebelumnya"),
                                   QStringLiteral("Halaman pertama"), QStringLiteral("Halaman terakhir"),
                                   QStringLiteral("Sesuaikan lebar"), QStringLiteral("Sesuaikan halaman"),
                                   QStringLiteral("Perbesar"), QStringLiteral("Perkecil"),
                                   QStringLiteral("Tegak"), QStringLiteral("Mendatar"),
                                   QStringLiteral("Tampilkan satu halaman"),
                                   QStringLiteral("Tampilkan halaman berhadapan"),
                                   QStringLiteral("Tampilkan ikhtisar semua halaman"),
                                   QStringLiteral("Pengaturan halaman"), QStringLiteral("Cetak")};
        expectAll(actions, expected);
        expectAll(tips, expected);
    }

    // The preview's "Cetak" does not open Qt's print dialog, which would
    // report a refused job as printed: it closes the preview, and then the
    // window prints the way it always does.
    void printPreviewLeavesPrintingToTheWindow()
    {
        QtPrintPreview preview;
        bool clicked = false;
        // Whatever stays open after the click is closed, and noted.
        QStringList leftOpen;
        QTimer closer;
        closer.setInterval(500);
        QObject::connect(&closer, &QTimer::timeout, &closer, [&] {
            if (QWidget *open = QApplication::activeModalWidget()) {
                leftOpen << open->windowTitle();
                open->close();
            }
        });
        whenModal([&](QWidget *dialog) {
            closer.start();
            for (QAction *a : dialog->findChildren<QAction *>())
                if (a->text() == QLatin1String("Cetak")) {
                    clicked = true;
                    a->trigger();
                }
        });
        int printed = 0;
        QWidget *openWhenPrinting = nullptr;
        preview.show(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()),
                     [](QPagedPaintDevice &sheet) {
                         QPainter painter(&sheet);
                         painter.drawText(QPointF(100, 100), QStringLiteral("KALISOR"));
                     },
                     [&] {
                         ++printed;
                         openWhenPrinting = QApplication::activeModalWidget();
                     });
        QVERIFY(clicked);
        QCOMPARE(leftOpen, QStringList());
        QCOMPARE(printed, 1);
        QCOMPARE(openWhenPrinting, nullptr);
    }

    // The dialogs the preview's "Pengaturan halaman" and "Cetak" open.
    void printerDialogs()
    {
        QPrinter printer(QPrinter::HighResolution);
        QPageSetupDialog pageSetup(&printer);
        pageSetup.show();
        expectAll(shownTexts(&pageSetup),
                  {QStringLiteral("Pengaturan Halaman"), QStringLiteral("Kertas"), QStringLiteral("Ukuran halaman:"),
                   QStringLiteral("Orientasi"), QStringLiteral("Tegak"), QStringLiteral("Mendatar"),
                   QStringLiteral("Margin"), QStringLiteral("Milimeter (mm)"), QStringLiteral("OK"),
                   QStringLiteral("Batal")});
        pageSetup.close();

        QPrintDialog print(&printer);
        print.show();
        expectAll(shownTexts(&print), {QStringLiteral("Cetak"), QStringLiteral("&Nama:"), QStringLiteral("&Opsi >>"),
                                       QStringLiteral("&Cetak"), QStringLiteral("Batal")});
        print.close();
    }
};

QTEST_MAIN(TestQtTranslation)
#include "test_qttranslation.moc"
