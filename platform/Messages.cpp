#include "platform/Messages.h"

QString Messages::defaultTitle()
{
    return QStringLiteral("PENGINAPAN RERAR MERBALUNTA KALISOR");
}
