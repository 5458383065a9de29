#include "platform/ScriptedPrinter.h"

std::optional<Printer::Failure> ScriptedPrinter::printText(const QString &text,
                                                           const QString &fontFamily,
                                                           qreal pointSize)
{
    if (nextFailure) {
        const Failure failure = *nextFailure;
        nextFailure.reset();
        return failure;
    }
    jobs.append({text, fontFamily, pointSize});
    return std::nullopt;
}
