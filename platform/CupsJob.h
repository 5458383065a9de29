#pragma once

#include "platform/Printer.h"

#include <QString>
#include <optional>

// Hands a finished PDF document to the system's print service (CUPS) and
// learns whether the service took the job. A queue that refuses jobs, a
// printer that is gone or a service that does not answer is a failure with
// the service's status number and an Indonesian description.
class CupsJob
{
public:
    static std::optional<Printer::Failure> submit(const QString &printer, const QString &pdfFile, const QString &title);
};
