#include "reports/Module1.h"

#include "data/TextForms.h"
#include "platform/Platform.h"
#include "platform/Printer.h"
#include "reports/ReportError.h"

#include <QLocale>
#include <cmath>

namespace {
bool isNumber(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::Short:
    case QMetaType::UShort:
        return true;
    default:
        return false;
    }
}

// Whole digits, grouped in threes when the pattern groups.
QString digits(double number, const QString &pattern)
{
    QLocale locale;
    if (!pattern.contains(QLatin1Char(',')))
        locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(std::round(number), 'f', 0);
}
} // namespace

std::optional<QString> Module1::formatted(const QVariant &value, const QString &pattern)
{
    if (value.isNull() || !value.isValid())
        return std::nullopt;
    if (isNumber(value)) {
        const double number = value.toDouble();
        if (!(number > 0))
            return std::nullopt;
        return digits(number, pattern);
    }
    const QString text = value.toString();
    if (text.isEmpty())
        return std::nullopt;
    if (const std::optional<double> number = TextForms::parseNumber(text)) {
        if (!(*number > 0))
            return std::nullopt;
        return digits(*number, pattern);
    }
    return text;
}

int Module1::padding(const QString &text, const QString &pattern)
{
    const int count = int(pattern.size() - text.size());
    if (count < 0)
        throw ReportError::invalidArgument();
    return count;
}

QString Module1::RataKiri(const QVariant &value, const QString &pattern)
{
    const std::optional<QString> text = formatted(value, pattern);
    if (!text)
        return QString(pattern.size(), QLatin1Char(' '));
    return *text + QString(padding(*text, pattern), QLatin1Char(' '));
}

QString Module1::RataKanan(const QVariant &value, const QString &pattern)
{
    const QString text = formatted(value, pattern).value_or(QStringLiteral("0"));
    return QString(padding(text, pattern), QLatin1Char(' ')) + text;
}

bool Module1::AdaPrinter()
{
    return !Platform::printer().defaultPrinterName().isEmpty();
}
