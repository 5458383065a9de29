#pragma once

#include "platform/Printer.h"

#include <QList>

// A printer that keeps every job. Tests set the printers it reports and the
// failure its next job gives.
class ScriptedPrinter : public Printer
{
public:
    struct Job
    {
        QString text;
        QString fontFamily;
        qreal pointSize;
    };

    QString defaultPrinterName() override { return defaultName; }
    QStringList printerNames() override { return names; }
    std::optional<Failure> printText(const QString &text, const QString &fontFamily,
                                     qreal pointSize) override;

    QString defaultName = QStringLiteral("Printer Uji");
    QStringList names = {QStringLiteral("Printer Uji")};
    std::optional<Failure> nextFailure;
    QList<Job> jobs;
};
