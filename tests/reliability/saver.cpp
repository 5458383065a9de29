// Registers guests through the real guest register window, one after the
// other, and tells on its output which saves it has seen acknowledged:
//   ACK <name>          Simpan wrote the row and the window is browsing again
//   REFUSED <name> <m>  Simpan showed message <m>; the row is still pending
// A refused save is tried again. Used by the crash and two-program tests.

#include "data/DataFolder.h"
#include "platform/FixedClock.h"
#include "platform/Messages.h"
#include "platform/Platform.h"
#include "platform/QtKeystrokes.h"
#include "platform/WindowRegistry.h"
#include "records/frmtamu.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextStream>
#include <cstdio>

namespace {

class EchoMessages : public Messages
{
public:
    Answer show(const QString &text, const QString &, Icon, Buttons buttons) override
    {
        last = text;
        return buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
    }
    QString last;
};

void say(const QString &line)
{
    const QByteArray bytes = (line + QLatin1Char('\n')).toUtf8();
    fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    fflush(stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4) {
        say(QStringLiteral("usage: saver DATA-DIR PREFIX COUNT"));
        return 2;
    }
    DataFolder::setRoot(args.at(1));
    const QString prefix = args.at(2);
    const int count = args.at(3).toInt();

    EchoMessages messages;
    QtKeystrokes keystrokes;
    FixedClock clock(QDateTime(QDate(2004, 3, 1), QTime(10, 0)));
    Platform::setMessages(&messages);
    Platform::setKeystrokes(&keystrokes);
    Platform::setClock(&clock);
    WindowRegistry::instance().registerWindow(QStringLiteral("frmtamu"), [] { return new frmtamu; });

    auto *w = WindowRegistry::instance().window<frmtamu>(QStringLiteral("frmtamu"));
    if (!messages.last.isEmpty()) {
        say(QStringLiteral("OPEN-FAILED ") + messages.last);
        return 1;
    }
    w->show();
    auto *rooms = w->findChild<QComboBox *>(QStringLiteral("Combo1"));
    auto *add = w->findChild<QPushButton *>(QStringLiteral("cmdAdd"));
    auto *save = w->findChild<QPushButton *>(QStringLiteral("cmdUpdate"));

    for (int i = 0; i < count; ++i) {
        const QString name = QStringLiteral("%1-%2").arg(prefix).arg(i);
        QTest::mouseClick(add, Qt::LeftButton);
        QTest::keyClicks(w->box(2), name);
        QTest::keyClicks(w->box(1), QStringLiteral("KTP ") + name);
        QTest::keyClicks(w->box(3), QStringLiteral("Jl. Uji"));
        QTest::keyClicks(w->box(6), QStringLiteral("Kalisor"));
        QTest::keyClicks(w->box(5), QStringLiteral("0812"));
        // The room as a clerk chooses it: the arrow keys on the picker.
        rooms->setFocus();
        const int room = i % 20;
        if (rooms->currentIndex() < 0)
            QTest::keyClick(rooms, Qt::Key_Down);
        while (rooms->currentIndex() < room)
            QTest::keyClick(rooms, Qt::Key_Down);
        while (rooms->currentIndex() > room)
            QTest::keyClick(rooms, Qt::Key_Up);
        for (int attempt = 0;; ++attempt) {
            messages.last.clear();
            QTest::mouseClick(save, Qt::LeftButton);
            if (messages.last.isEmpty() && add->isEnabled()) {
                say(QStringLiteral("ACK ") + name);
                break;
            }
            say(QStringLiteral("REFUSED %1 %2").arg(name, QString(messages.last).replace(QLatin1Char('\n'), QLatin1Char(' '))));
            if (attempt == 20)
                return 1;
        }
    }
    say(QStringLiteral("DONE"));
    return 0;
}
