#include "TestPlatform.h"

#include "platform/Appearance.h"
#include "platform/WindowRegistry.h"
#include "shell/WindowCatalog.h"

#include <QFontInfo>
#include <QGroupBox>
#include <QPushButton>
#include <QTest>
#include <memory>

// The designed faces and colours as the program installs them.
class TestAppearance : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestPlatform> platform;

private slots:
    void initTestCase()
    {
        Appearance::install();
        WindowCatalog::registerAll();
    }
    void init() { platform = std::make_unique<TestPlatform>(); }
    void cleanup()
    {
        VERIFY_PLATFORM_CLEAN(*platform);
        platform.reset();
    }

    void designedFacesHaveTheirStandIns_data()
    {
        QTest::addColumn<QString>("designed");
        QTest::addColumn<QString>("standIn");
        for (const Appearance::StandIn &s : Appearance::fontStandIns())
            QTest::newRow(qPrintable(s.designed)) << s.designed << s.standIn;
    }

    // Each designed face is drawn by its regular stand-in (the packages
    // scripts/install-deps installs), never by whatever the font system
    // picks, such as an italic script face for "Comic Sans MS".
    void designedFacesHaveTheirStandIns()
    {
        QFETCH(QString, designed);
        QFETCH(QString, standIn);
        const QFontInfo info{QFont(designed, 12)};
        QCOMPARE(info.family(), standIn);
        QCOMPARE(info.style(), QFont::StyleNormal);
    }

    // The about window paints its designed RGB colours flat: the "Ok" face
    // and Frame1, with no gradient or tint.
    void designedColoursPaintFlat()
    {
        QWidget *about = WindowRegistry::instance().show(QStringLiteral("frmabout"));
        QVERIFY(QTest::qWaitForWindowExposed(about));
        const QImage image = about->grab().toImage();
        const QRect ok = about->findChild<QPushButton *>(QStringLiteral("Command1"))->geometry();
        const QRect frame = about->findChild<QGroupBox *>(QStringLiteral("Frame1"))->geometry();
        for (const QPoint &p : {QPoint(ok.left() + 6, ok.center().y()), QPoint(ok.left() + 6, ok.top() + 5),
                                QPoint(ok.left() + 6, ok.bottom() - 5)})
            QCOMPARE(image.pixelColor(p), QColor(255, 255, 192));
        for (const QPoint &p : {QPoint(frame.left() + 10, frame.bottom() - 60), frame.center() + QPoint(0, 150)})
            QCOMPARE(image.pixelColor(p), QColor(255, 192, 255));
    }
};

QTEST_MAIN(TestAppearance)
#include "test_appearance.moc"
