#pragma once

#include <QString>
#include <QVariant>
#include <optional>

// The fixed-width field helpers the report layouts rest on, and the
// printer-present test.
class Module1
{
public:
    // The value left-aligned in a field as wide as the pattern ("##",
    // "#,###,###"); blanks only when the value is not above zero. Throws
    // ReportError::invalidArgument() when the value is wider than the field.
    static QString RataKiri(const QVariant &value, const QString &pattern);
    // The value right-aligned in a field as wide as the pattern; "0" in the
    // last place when the value is not above zero. Throws like RataKiri.
    static QString RataKanan(const QVariant &value, const QString &pattern);
    // Whether the system has a default printer.
    static bool AdaPrinter();

private:
    // The value as the pattern shows it, or nothing when it is not above zero.
    static std::optional<QString> formatted(const QVariant &value, const QString &pattern);
    static int padding(const QString &text, const QString &pattern);
};
