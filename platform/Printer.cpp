#include "platform/Printer.h"

Printer::Failure Printer::printerFailure(const QString &detail)
{
    Failure f;
    f.number = 482;
    f.description = QStringLiteral("Kesalahan printer");
    if (!detail.isEmpty())
        f.description += QStringLiteral(" (") + detail + QLatin1Char(')');
    return f;
}
