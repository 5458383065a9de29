// Saves stays into Transaksi through the data layer's record set, one after
// the other, as a desk does, and tells on its output what it saw:
//   ACK <name> <NoTransaksi>   the row is saved with that number
//   REFUSED <name> <number>    the save failed; it is tried again
// Used by the two-desk test:   staysaver LOCATION PREFIX COUNT

#include "data/DataError.h"
#include "data/RecordSet.h"
#include "data/Schema.h"

#include <QCoreApplication>
#include <cstdio>

namespace {
void say(const QString &line)
{
    const QByteArray bytes = (line + QLatin1Char('\n')).toUtf8();
    fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    fflush(stdout);
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4) {
        say(QStringLiteral("usage: staysaver LOCATION PREFIX COUNT"));
        return 2;
    }
    RecordSet stays(Schema::transaksi());
    try {
        stays.open(args.at(1));
    } catch (const DataError &e) {
        say(QStringLiteral("OPEN-FAILED %1").arg(e.description()));
        return 1;
    }
    const int count = args.at(3).toInt();
    for (int i = 0; i < count; ++i) {
        const QString name = QStringLiteral("%1-%2").arg(args.at(2)).arg(i);
        try {
            stays.addNew();
            stays.setText(QStringLiteral("Nama"), name);
            stays.setText(QStringLiteral("Checkin"), QStringLiteral("28/02/2004"));
            stays.setText(QStringLiteral("Checkout"), QStringLiteral("01/03/2004"));
            stays.setText(QStringLiteral("Lama"), QStringLiteral("2"));
            stays.setText(QStringLiteral("JumlahOrang"), QStringLiteral("1"));
            stays.setText(QStringLiteral("HargaSewa"), QStringLiteral("60000"));
            stays.setText(QStringLiteral("Pengeluaran"), QStringLiteral("0"));
        } catch (const DataError &e) {
            say(QStringLiteral("FAILED %1 %2").arg(name).arg(e.number()));
            return 1;
        }
        for (int attempt = 0;; ++attempt) {
            try {
                stays.update();
                say(QStringLiteral("ACK %1 %2").arg(name, stays.text(QStringLiteral("NoTransaksi"))));
                break;
            } catch (const DataError &e) {
                say(QStringLiteral("REFUSED %1 %2").arg(name).arg(e.number()));
                if (attempt == 50 || e.number() == DataError::KeyViolation)
                    return 1;
            }
        }
    }
    return 0;
}
