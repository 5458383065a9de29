#pragma once

#include "data/FieldType.h"

#include <QDate>
#include <QString>
#include <QVariant>
#include <optional>

// The text forms in which dates and numbers travel between boxes and the
// store.
class TextForms
{
public:
    // dd/MM/yyyy, always ten characters.
    static QString dateText(const QDate &date);
    // Reads a day/month/year text (one- or two-digit day and month, four-digit
    // year, "/", "-" or "." between them). Invalid days give nothing.
    static std::optional<QDate> parseDate(const QString &text);

    // General number format: no grouping, up to 15 significant digits, the
    // default locale's decimal separator.
    static QString numberText(double value);
    // A whole number or decimal text in the default locale's form or in the
    // plain "." form; blanks around it are allowed.
    static std::optional<double> parseNumber(const QString &text);
    // The number at the start of a text: blanks anywhere are ignored, an
    // optional sign, digits, at most one "." and an optional exponent; reading
    // stops at the first other character and no number at all gives 0.
    static double leadingNumber(const QString &text);

    // How a stored value shows in a box and how a box's text is stored.
    static QString displayText(FieldType type, const QVariant &stored);
    // Nothing when the text cannot be stored in a field of that type. An
    // empty text stores as null.
    static std::optional<QVariant> storedValue(FieldType type, const QString &text);

    static QString isoDate(const QDate &date) { return date.toString(Qt::ISODate); }
};
