#pragma once

#include "platform/Printer.h"

class QtPrinter : public Printer
{
public:
    QString defaultPrinterName() override;
    QStringList printerNames() override;
    std::optional<Failure> printText(const QString &text, const QString &fontFamily,
                                     qreal pointSize) override;
};
