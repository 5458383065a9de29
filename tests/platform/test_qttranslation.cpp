#include "platform/QtFileDialogs.h"
#include "platform/QtMessages.h"
#include "platform/QtPrompt.h"
#include "platform/QtTranslation.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

// Qt's own dialogs, opened for real (offscreen), speak Indonesian whatever
// the locale the test runs under.
class TestQtTranslation : public QObject
{
    Q_OBJECT

    // Runs look on the next modal dialog once it is up, then closes it with
    // the button whose text is closeWith (mnemonic marks ignored).
    static void whenModal(QStringList *texts, const QString &closeWith)
    {
        auto *timer = new QTimer;
        timer->setInterval(10);
        QObject::connect(timer, &QTimer::timeout, timer, [timer, texts, closeWith] {
            QWidget *dialog = QApplication::activeModalWidget();
            if (!dialog)
                return;
            timer->stop();
            timer->deleteLater();
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
        timer->start();
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
};

QTEST_MAIN(TestQtTranslation)
#include "test_qttranslation.moc"
