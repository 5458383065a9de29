#include "data/TextForms.h"

#include <QLocale>
#include <QRegularExpression>
#include <cmath>
#include <limits>

QString TextForms::dateText(const QDate &date)
{
    return date.isValid() ? date.toString(QStringLiteral("dd/MM/yyyy")) : QString();
}

std::optional<QDate> TextForms::parseDate(const QString &text)
{
    static const QRegularExpression form(
        QStringLiteral("^\\s*(\\d{1,2})\\s*([/.-])\\s*(\\d{1,2})\\s*\\2\\s*(\\d{4})\\s*$"));
    const QRegularExpressionMatch m = form.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const QDate date(m.captured(4).toInt(), m.captured(3).toInt(), m.captured(1).toInt());
    if (!date.isValid())
        return std::nullopt;
    return date;
}

QString TextForms::numberText(double value)
{
    if (value == 0.0)
        return QStringLiteral("0"); // also for -0
    QString text = QString::number(value, 'g', 15);
    text.replace(QLatin1String("e+"), QLatin1String("E+")).replace(QLatin1String("e-"), QLatin1String("E-"));
    const QString point = QLocale().decimalPoint();
    if (point != QLatin1String("."))
        text.replace(QLatin1Char('.'), point);
    return text;
}

std::optional<double> TextForms::parseNumber(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    bool ok = false;
    QLocale locale;
    locale.setNumberOptions(QLocale::RejectGroupSeparator);
    double v = locale.toDouble(trimmed, &ok);
    if (!ok)
        v = QLocale::c().toDouble(trimmed, &ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v == 0.0 ? 0.0 : v;
}

double TextForms::leadingNumber(const QString &text)
{
    QString s;
    s.reserve(text.size());
    for (const QChar c : text)
        if (c != QLatin1Char(' ') && c != QLatin1Char('\t') && c != QLatin1Char('\n') && c != QLatin1Char('\r'))
            s.append(c);

    int i = 0;
    const int n = int(s.size());
    QByteArray number;
    if (i < n && (s[i] == QLatin1Char('+') || s[i] == QLatin1Char('-')))
        number.append(char(s[i++].unicode()));
    bool digits = false;
    while (i < n && s[i].isDigit() && s[i].unicode() < 128) {
        number.append(char(s[i++].unicode()));
        digits = true;
    }
    if (i < n && s[i] == QLatin1Char('.')) {
        number.append('.');
        ++i;
        while (i < n && s[i].isDigit() && s[i].unicode() < 128) {
            number.append(char(s[i++].unicode()));
            digits = true;
        }
    }
    if (!digits)
        return 0.0;
    if (i < n && (s[i] == QLatin1Char('e') || s[i] == QLatin1Char('E') || s[i] == QLatin1Char('d')
                  || s[i] == QLatin1Char('D'))) {
        int j = i + 1;
        QByteArray exponent("e");
        if (j < n && (s[j] == QLatin1Char('+') || s[j] == QLatin1Char('-')))
            exponent.append(char(s[j++].unicode()));
        bool expDigits = false;
        while (j < n && s[j].isDigit() && s[j].unicode() < 128) {
            exponent.append(char(s[j++].unicode()));
            expDigits = true;
        }
        if (expDigits)
            number.append(exponent);
    }
    bool ok = false;
    const double v = QLocale::c().toDouble(QString::fromLatin1(number), &ok);
    // An exponent beyond the range of a double reads as the largest value.
    if (!ok || std::isinf(v)) {
        if (number.contains('e'))
            return number.startsWith('-') ? -std::numeric_limits<double>::max()
                                          : std::numeric_limits<double>::max();
        return 0.0;
    }
    return v == 0.0 ? 0.0 : v;
}

QString TextForms::displayText(FieldType type, const QVariant &stored)
{
    if (stored.isNull())
        return QString();
    switch (type) {
    case FieldType::Date: {
        // yyyy-MM-dd to dd/MM/yyyy by moving characters: grids and the search
        // show every row this way, so no calendar arithmetic here.
        const QString iso = stored.toString();
        const auto digit = [&](int i) { return iso.at(i).unicode() >= '0' && iso.at(i).unicode() <= '9'; };
        if (iso.size() != 10 || iso.at(4) != QLatin1Char('-') || iso.at(7) != QLatin1Char('-')
            || !(digit(0) && digit(1) && digit(2) && digit(3) && digit(5) && digit(6) && digit(8) && digit(9)))
            return iso;
        QString text(10, QLatin1Char('/'));
        QChar *out = text.data();
        const QChar *in = iso.constData();
        out[0] = in[8]; out[1] = in[9];
        out[3] = in[5]; out[4] = in[6];
        out[6] = in[0]; out[7] = in[1]; out[8] = in[2]; out[9] = in[3];
        return text;
    }
    case FieldType::WholeNumber:
    case FieldType::Counter:
        return QString::number(stored.toLongLong());
    case FieldType::Number:
        return numberText(stored.toDouble());
    case FieldType::Text:
    case FieldType::Serial:
        return stored.toString();
    }
    return stored.toString();
}

std::optional<QVariant> TextForms::storedValue(FieldType type, const QString &text)
{
    if (text.isEmpty())
        return QVariant();
    switch (type) {
    case FieldType::Text:
    case FieldType::Serial:
        return QVariant(text);
    case FieldType::Date: {
        const auto d = parseDate(text);
        if (!d)
            return std::nullopt;
        return QVariant(isoDate(*d));
    }
    case FieldType::WholeNumber:
    case FieldType::Counter: {
        const auto v = parseNumber(text);
        if (!v || std::floor(*v) != *v || *v < std::numeric_limits<qint32>::min()
            || *v > std::numeric_limits<qint32>::max())
            return std::nullopt;
        return QVariant(qlonglong(*v));
    }
    case FieldType::Number: {
        const auto v = parseNumber(text);
        if (!v)
            return std::nullopt;
        return QVariant(*v);
    }
    }
    return std::nullopt;
}
