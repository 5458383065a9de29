// Saves records through the real record windows and tells on its output
// which saves it has seen acknowledged:
//   ACK <name>          Simpan wrote the row and the window is browsing again
//   REFUSED <name> <m>  Simpan showed message <m>; the row is still pending
// A refused save is tried again. Used by the crash and two-program tests.
//
// Two ways to run it:
//   saver DATA-DIR PREFIX COUNT [WINDOW,...]
//       registers COUNT guests one after the other, with the given windows
//       open as well (each holds its own connection to the database)
//   saver DATA-DIR -
//       reads commands, one a line, from its input and answers each:
//       show WINDOW        SHOWN WINDOW, or OPEN-FAILED WINDOW <message>
//       close WINDOW       the window's close box; a record window ends the
//                          program
//       guest NAME         a guest saved in frmtamu
//       purchase NAME      a purchase saved in frmpembelian
//       stay               a stay of the first guest saved in frmtransaksi;
//                          ACK carries its NoTransaksi
//       delete-newest      the newest stay in frmtransaksi, read again
//                          first, deleted (Hapus, confirmed); DELETED <number>

#include "data/DataFolder.h"
#include "platform/FixedClock.h"
#include "platform/Messages.h"
#include "platform/Platform.h"
#include "platform/QtKeystrokes.h"
#include "platform/ScriptedPrinter.h"
#include "platform/WindowRegistry.h"
#include "data/RecordSet.h"
#include "records/DataControl.h"
#include "records/DataNavigator.h"
#include "records/frmpembelian.h"
#include "records/frmtamu.h"
#include "records/frmtransaksi.h"
#include "shell/WindowCatalog.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSocketNotifier>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <cstdio>
#include <functional>
#include <unistd.h>

namespace {

class EchoMessages : public Messages
{
public:
    Answer show(const QString &text, const QString &, Icon, Buttons buttons) override
    {
        last = text;
        return buttons == Buttons::YesNo ? yesNo : Answer::Ok;
    }
    QString last;
    Answer yesNo = Answer::No;
};

EchoMessages *g_messages = nullptr;

void say(const QString &line)
{
    const QByteArray bytes = (line + QLatin1Char('\n')).toUtf8();
    fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    fflush(stdout);
}

QPushButton *button(QWidget *w, const char *name)
{
    return w->findChild<QPushButton *>(QLatin1String(name));
}

// Presses Simpan until the window takes the row; false when it gives up.
bool saveAndTell(RecordWindow *w, const QString &name, const std::function<QString()> &acknowledged = {})
{
    for (int attempt = 0;; ++attempt) {
        g_messages->last.clear();
        QTest::mouseClick(button(w, "cmdUpdate"), Qt::LeftButton);
        if (g_messages->last.isEmpty() && button(w, "cmdAdd")->isEnabled()) {
            say(QStringLiteral("ACK ") + (acknowledged ? acknowledged() : name));
            return true;
        }
        say(QStringLiteral("REFUSED %1 %2").arg(name, QString(g_messages->last).replace(QLatin1Char('\n'), QLatin1Char(' '))));
        if (attempt == 20)
            return false;
    }
}

RecordWindow *recordWindow(const QString &name)
{
    return qobject_cast<RecordWindow *>(WindowRegistry::instance().show(name));
}

// Chooses an entry of a picker as a clerk does: the arrow keys on it. An
// entry still shown from the last save is stepped off and back to.
void choose(QComboBox *picker, int entry)
{
    picker->setFocus();
    if (picker->currentIndex() == entry)
        QTest::keyClick(picker, entry + 1 < picker->count() ? Qt::Key_Down : Qt::Key_Up);
    if (picker->currentIndex() < 0)
        QTest::keyClick(picker, Qt::Key_Down);
    while (picker->currentIndex() < entry)
        QTest::keyClick(picker, Qt::Key_Down);
    while (picker->currentIndex() > entry)
        QTest::keyClick(picker, Qt::Key_Up);
}

bool saveGuest(const QString &name, int room)
{
    auto *w = recordWindow(QStringLiteral("frmtamu"));
    auto *rooms = w->findChild<QComboBox *>(QStringLiteral("Combo1"));
    QTest::mouseClick(button(w, "cmdAdd"), Qt::LeftButton);
    QTest::keyClicks(w->box(2), name);
    QTest::keyClicks(w->box(1), QStringLiteral("KTP ") + name);
    QTest::keyClicks(w->box(3), QStringLiteral("Jl. Uji"));
    QTest::keyClicks(w->box(6), QStringLiteral("Kalisor"));
    QTest::keyClicks(w->box(5), QStringLiteral("0812"));
    choose(rooms, room % 20);
    return saveAndTell(w, name);
}

bool savePurchase(const QString &name)
{
    auto *w = recordWindow(QStringLiteral("frmpembelian"));
    auto *kinds = w->findChild<QComboBox *>(QStringLiteral("Combo1"));
    QTest::mouseClick(button(w, "cmdAdd"), Qt::LeftButton);
    QTest::keyClicks(w->box(2), name);
    choose(kinds, 0);
    QTest::keyClicks(w->box(4), QStringLiteral("1"));
    QTest::keyClicks(w->box(5), QStringLiteral("2500"));
    return saveAndTell(w, name);
}

bool saveStay()
{
    auto *w = qobject_cast<frmtransaksi *>(recordWindow(QStringLiteral("frmtransaksi")));
    QTest::mouseClick(button(w, "cmdAdd"), Qt::LeftButton);
    QTest::mouseClick(w->guestNavigator()->findChild<QToolButton *>(QStringLiteral("cmdFirst")), Qt::LeftButton);
    w->box(12)->setFocus();
    QTest::keyClicks(w->box(12), QStringLiteral("1"));
    QTest::keyClick(w->box(12), Qt::Key_Return);
    return saveAndTell(w, QStringLiteral("stay"), [w] {
        return w->mainData().records().value(QStringLiteral("NoTransaksi")).toString();
    });
}

// One command line; false when the program should end with a failure.
bool perform(const QString &line)
{
    const QString command = line.section(QLatin1Char(' '), 0, 0);
    const QString argument = line.section(QLatin1Char(' '), 1);
    if (command == QLatin1String("show")) {
        g_messages->last.clear();
        WindowRegistry::instance().show(argument);
        if (!g_messages->last.isEmpty())
            say(QStringLiteral("OPEN-FAILED %1 %2").arg(argument, g_messages->last));
        else
            say(QStringLiteral("SHOWN ") + argument);
        return true;
    }
    if (command == QLatin1String("close")) {
        QWidget *w = WindowRegistry::instance().existing(argument);
        say(QStringLiteral("CLOSING ") + argument);
        if (w)
            w->close();
        return true;
    }
    if (command == QLatin1String("guest"))
        return saveGuest(argument, 0);
    if (command == QLatin1String("purchase"))
        return savePurchase(argument);
    if (command == QLatin1String("stay"))
        return saveStay();
    if (command == QLatin1String("delete-newest")) {
        RecordWindow *w = recordWindow(QStringLiteral("frmtransaksi"));
        QTest::mouseClick(button(w, "cmdRefresh"), Qt::LeftButton);
        RecordSet &stays = w->mainData().records();
        QString newest;
        int row = -1;
        for (int i = 0; i < stays.count(); ++i) {
            const QString number = stays.textAt(i, stays.columnOf(QStringLiteral("NoTransaksi")));
            if (number.toInt() > newest.toInt()) {
                newest = number;
                row = i;
            }
        }
        if (row < 0)
            return false;
        w->grid()->selectRow(row);
        g_messages->yesNo = Messages::Answer::Yes;
        QTest::mouseClick(button(w, "cmdDelete"), Qt::LeftButton);
        g_messages->yesNo = Messages::Answer::No;
        say(QStringLiteral("DELETED ") + newest);
        return true;
    }
    say(QStringLiteral("UNKNOWN ") + line);
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const bool commands = args.size() == 3 && args.at(2) == QLatin1String("-");
    if (!commands && args.size() != 4 && args.size() != 5) {
        say(QStringLiteral("usage: saver DATA-DIR PREFIX COUNT [WINDOW,...] | saver DATA-DIR -"));
        return 2;
    }
    DataFolder::setRoot(args.at(1));

    EchoMessages messages;
    g_messages = &messages;
    QtKeystrokes keystrokes;
    FixedClock clock(QDateTime(QDate(2004, 3, 1), QTime(10, 0)));
    ScriptedPrinter printer; // the report windows list the printers
    Platform::setPrinter(&printer);
    Platform::setMessages(&messages);
    Platform::setKeystrokes(&keystrokes);
    Platform::setClock(&clock);
    WindowCatalog::registerAll();

    if (commands) {
        QByteArray pending;
        QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
        QObject::connect(&input, &QSocketNotifier::activated, [&] {
            char chunk[4096];
            const ssize_t n = ::read(STDIN_FILENO, chunk, sizeof chunk);
            if (n <= 0) {
                QApplication::exit(0);
                return;
            }
            pending.append(chunk, n);
            int nl;
            while ((nl = int(pending.indexOf('\n'))) >= 0) {
                const QString line = QString::fromUtf8(pending.left(nl)).trimmed();
                pending.remove(0, nl + 1);
                if (!line.isEmpty() && !perform(line))
                    QApplication::exit(1);
            }
        });
        return QApplication::exec();
    }

    const QString prefix = args.at(2);
    const int count = args.at(3).toInt();
    const QStringList others = args.size() == 5 ? args.at(4).split(QLatin1Char(','), Qt::SkipEmptyParts) : QStringList();
    for (const QString &name : others) {
        WindowRegistry::instance().show(name);
        if (!messages.last.isEmpty()) {
            say(QStringLiteral("OPEN-FAILED ") + messages.last);
            return 1;
        }
    }
    recordWindow(QStringLiteral("frmtamu"));
    if (!messages.last.isEmpty()) {
        say(QStringLiteral("OPEN-FAILED ") + messages.last);
        return 1;
    }
    for (int i = 0; i < count; ++i)
        if (!saveGuest(QStringLiteral("%1-%2").arg(prefix).arg(i), i))
            return 1;
    say(QStringLiteral("DONE"));
    return 0;
}
