#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The system's printers. A text is printed as one document in one font; a
// new sheet starts when one is full.
class Printer
{
public:
    struct Failure
    {
        int number = 0;
        QString description;
    };

    virtual ~Printer() = default;
    // Empty when there is no default printer.
    virtual QString defaultPrinterName() = 0;
    virtual QStringList printerNames() = 0;
    // Lines are separated by CR LF. Returns the failure, if any.
    virtual std::optional<Failure> printText(const QString &text, const QString &fontFamily,
                                             qreal pointSize) = 0;

    // Error number and description of a printer that fails.
    static Failure printerFailure(const QString &detail);

    // The messages shown when there is no printer ("Printer Belum Diinstall")
    // and when a print fails ("Printer Error"); lines are joined by a lone CR.
    static QString noPrinterText();
    static QString noPrinterTitle();
    static QString failureText(const Failure &failure);
    static QString failureTitle();
};
