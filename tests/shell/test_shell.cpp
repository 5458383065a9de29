#include "TestPlatform.h"

#include "platform/WindowRegistry.h"
#include "shell/WindowCatalog.h"
#include "shell/frmmenu.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <memory>

class TestShell : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestPlatform> platform;

    static QAction *item(QWidget *menuWindow, const char *name)
    {
        return menuWindow->findChild<QAction *>(QLatin1String(name));
    }

private slots:
    void initTestCase() { WindowCatalog::registerAll(); }
    void init() { platform = std::make_unique<TestPlatform>(); }
    void cleanup()
    {
        VERIFY_PLATFORM_CLEAN(*platform);
        platform.reset();
    }

    void menuBarIsAsDesigned()
    {
        auto *menu = qobject_cast<frmmenu *>(WindowRegistry::instance().show(QStringLiteral("frmmenu")));
        QVERIFY(menu);
        QCOMPARE(menu->windowTitle(), QStringLiteral("PENGINAPAN RERAR MERBALUNTA KALISOR"));

        struct Entry { const char *menu; const char *caption; QStringList items; };
        const QList<Entry> expected = {
            {"mnfile", "&File", {"mnDataTamu|Data &Tamu"}},
            {"mntransaksi", "&Transaksi", {"mnPembelian|Transaksi Pembelian", "mnZavav|Transaksi Penginapan"}},
            {"mnlaporan", "&Laporan", {"mncetaktrans|Cetak Transaksi", "mnRekapitulasi|Cetak Rekapitulasi"}},
            {"mnUtilitas", "&Utilitas", {"mnCadangkan|Cadangkan Sekarang", "mnPulihkan|Pulihkan dari Cadangan...",
                                         "mnFolderKedua|Folder Cadangan Kedua...", "mnFolderData|Buka Folder Data", "mnEksporExcel|Ekspor ke Excel..."}},
            {"mnabout", "&About", {"mna|Programmer"}},
            {"", "&Close", {}},
        };
        const QList<QAction *> bar = menu->menuBar()->actions();
        QCOMPARE(bar.size(), expected.size());
        for (int i = 0; i < bar.size(); ++i) {
            QCOMPARE(bar.at(i)->text(), QString::fromLatin1(expected.at(i).caption));
            QMenu *sub = bar.at(i)->menu();
            if (expected.at(i).items.isEmpty()) {
                QVERIFY(!sub);
                QCOMPARE(bar.at(i)->objectName(), QStringLiteral("mnClose"));
                continue;
            }
            QVERIFY(sub);
            QCOMPARE(sub->objectName(), QString::fromLatin1(expected.at(i).menu));
            QStringList items;
            for (QAction *a : sub->actions()) {
                QVERIFY(a->isEnabled() && !a->isCheckable() && !a->isSeparator() && a->shortcut().isEmpty());
                items << a->objectName() + QLatin1Char('|') + a->text();
            }
            QCOMPARE(items, expected.at(i).items);
        }

        // Both title lines show whole.
        for (const char *name : {"Label1_0", "Label1_1"}) {
            auto *label = menu->findChild<QLabel *>(QLatin1String(name));
            QVERIFY(label);
            QVERIFY(label->geometry().right() < menu->centralWidget()->width());
            QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width());
        }
    }

    // The two title lines show whole in whatever face draws them: wide
    // enough for the text and tall enough for its descenders (the J of "JL.").
    void titleLinesShowWhole()
    {
        auto *menu = qobject_cast<frmmenu *>(WindowRegistry::instance().show(QStringLiteral("frmmenu")));
        QVERIFY(menu);
        for (const char *name : {"Label1_0", "Label1_1"}) {
            const QLabel *line = menu->findChild<QLabel *>(QLatin1String(name));
            QVERIFY(line);
            const QFontMetrics metrics(line->font());
            QVERIFY2(line->height() >= metrics.height(), name);
            QVERIFY2(line->width() >= metrics.horizontalAdvance(line->text()), name);
            QVERIFY2(line->geometry().right() < menu->centralWidget()->width(), name);
            QVERIFY2(line->geometry().bottom() < menu->centralWidget()->height(), name);
        }
    }

    void windowsExistOnceAndUnloadToAFreshOne()
    {
        WindowRegistry &r = WindowRegistry::instance();
        QWidget *menu = r.show(QStringLiteral("frmmenu"));
        item(menu, "mna")->trigger();
        QWidget *about = r.existing(QStringLiteral("frmabout"));
        QVERIFY(about && about->isVisible());
        about->setProperty("marker", 1);
        item(menu, "mna")->trigger();
        QCOMPARE(r.existing(QStringLiteral("frmabout")), about);
        QCOMPARE(about->property("marker").toInt(), 1);

        QTest::mouseClick(about->findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);
        QTRY_VERIFY(!r.existing(QStringLiteral("frmabout")));
        item(menu, "mna")->trigger();
        QVERIFY(r.existing(QStringLiteral("frmabout")));
        QVERIFY(!r.existing(QStringLiteral("frmabout"))->property("marker").isValid());
    }

    void closeUnloadsOnlyTheMainWindow()
    {
        WindowRegistry &r = WindowRegistry::instance();
        QWidget *menu = r.show(QStringLiteral("frmmenu"));
        item(menu, "mna")->trigger();
        item(menu, "mnClose")->trigger();
        QTRY_VERIFY(!r.existing(QStringLiteral("frmmenu")));
        QVERIFY(r.existing(QStringLiteral("frmabout"))->isVisible());
    }

    // "--data" with an empty name would make the current directory the data
    // folder without a word: the program refuses it and says why.
    void emptyDataFolderNameIsRefused()
    {
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        program.setProcessEnvironment(env);
        program.setWorkingDirectory(platform->dataDir());
        program.start(QCoreApplication::applicationDirPath() + QStringLiteral("/../../shell/penginapan"),
                      {QStringLiteral("--data"), QString()});
        QVERIFY(program.waitForFinished(20000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 2);
        const QString said = QString::fromUtf8(program.readAllStandardError());
        QVERIFY2(said.contains(QLatin1String("--data")) && said.contains(QLatin1String("kosong")), qPrintable(said));
        QVERIFY(QDir(platform->dataDir()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
    }
};

QTEST_MAIN(TestShell)
#include "test_shell.moc"
