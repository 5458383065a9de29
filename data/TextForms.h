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
    // Reads a date in the default locale's short date order (day, month and
    // year in the order the locale writes them; a text that starts with a
    // four-digit year is year, month, day, and a year-first locale reads any
    // other text day first, as dates are shown). One- or two-digit day and
    // month, a two- or four-digit year (a two-digit year is 20xx), "/", "-"
    // or "." between them. Invalid days give nothing.
    static std::optional<QDate> parseDate(const QString &text);

    // General number format: no grouping, up to 15 significant digits, the
    // default locale's decimal separator. leadingNumber() and parseNumber()
    // read it back as the same value.
    static QString numberText(double value);
    // The number at the start of a text, read under the default locale:
    // blanks anywhere are ignored, an optional sign, digits (the locale's
    // grouping separator allowed between groups of three digits), the
    // locale's decimal separator and more digits, an optional exponent;
    // reading stops at the first other character and no number at all gives
    // 0. Under id_ID "25.000" is 25000 and "18750,25" is 18750.25; under
    // en_GB "1,200" is 1200 and "2.5" is 2.5; "2 buah" is 2 in both.
    static double leadingNumber(const QString &text);
    // The same reading, for a text that is a number and nothing else (blanks
    // aside); nothing for any other text.
    static std::optional<double> parseNumber(const QString &text);

    // How a stored value shows in a box and how a box's text is stored.
    static QString displayText(FieldType type, const QVariant &stored);
    // Nothing when the text cannot be stored in a field of that type. An
    // empty text stores as null.
    static std::optional<QVariant> storedValue(FieldType type, const QString &text);

    static QString isoDate(const QDate &date) { return date.toString(Qt::ISODate); }
};
