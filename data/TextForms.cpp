#include "data/TextForms.h"

#include <QLocale>
#include <QRegularExpression>
#include <cmath>
#include <limits>

QString TextForms::dateText(const QDate &date)
{
    return date.isValid() ? date.toString(QStringLiteral("dd/MM/yyyy")) : QString();
}

namespace {

// The order in which the default locale's short date form writes day, month
// and year.
struct DateOrder
{
    int day, month, year; // positions 0, 1, 2
};

DateOrder localeDateOrder()
{
    const QString format = QLocale().dateFormat(QLocale::ShortFormat);
    const qsizetype d = format.indexOf(QLatin1Char('d'));
    const qsizetype m = format.indexOf(QLatin1Char('M'));
    const qsizetype y = format.indexOf(QLatin1Char('y'));
    if (d < 0 || m < 0 || y < 0)
        return {0, 1, 2};
    const auto rank = [&](qsizetype p) { return int(p > d) + int(p > m) + int(p > y); };
    return {rank(d), rank(m), rank(y)};
}

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r');
}

bool isDigit(QStringView s, qsizetype i)
{
    return i < s.size() && s[i] >= QLatin1Char('0') && s[i] <= QLatin1Char('9');
}

// The number at the start of a text, as leadingNumber() describes it.
struct Reading
{
    double value = 0.0;
    bool whole = false;    // the text is a number and nothing after it
};

Reading readNumber(const QString &text)
{
    QString s;
    s.reserve(text.size());
    for (const QChar c : text)
        if (!isBlank(c))
            s.append(c);

    const QLocale locale;
    const QString point = locale.decimalPoint();
    const QString group = locale.groupSeparator();
    const auto at = [&](qsizetype i, const QString &what) {
        return !what.isEmpty() && QStringView(s).mid(i).startsWith(what);
    };

    qsizetype i = 0;
    const qsizetype n = s.size();
    QByteArray number;
    // "+" and "-", or the locale's own signs.
    for (const QString &sign : {QStringLiteral("+"), locale.positiveSign(), QStringLiteral("-"), locale.negativeSign()}) {
        if (at(i, sign)) {
            if (sign == QLatin1String("-") || sign == locale.negativeSign())
                number.append('-');
            i += sign.size();
            break;
        }
    }

    qsizetype run = 0;
    while (isDigit(s, i)) {
        number.append(char(s[i++].unicode()));
        ++run;
    }
    // Grouping counts only after a first group of one to three digits and
    // before groups of exactly three.
    if (run >= 1 && run <= 3) {
        while (at(i, group)) {
            const qsizetype g = i + group.size();
            if (!(isDigit(s, g) && isDigit(s, g + 1) && isDigit(s, g + 2)) || isDigit(s, g + 3))
                break;
            for (qsizetype k = g; k < g + 3; ++k)
                number.append(char(s[k].unicode()));
            i = g + 3;
        }
    }
    bool digits = run > 0;
    if (at(i, point)) {
        const qsizetype start = i;
        i += point.size();
        QByteArray fraction(".");
        while (isDigit(s, i)) {
            fraction.append(char(s[i++].unicode()));
            digits = true;
        }
        if (fraction.size() > 1)
            number.append(fraction);
        else if (run == 0)
            i = start; // a separator alone is no number
    }
    if (!digits)
        return {};
    if (i < n && (s[i] == QLatin1Char('e') || s[i] == QLatin1Char('E') || s[i] == QLatin1Char('d')
                  || s[i] == QLatin1Char('D'))) {
        qsizetype j = i + 1;
        QByteArray exponent("e");
        if (j < n && (s[j] == QLatin1Char('+') || s[j] == QLatin1Char('-')))
            exponent.append(char(s[j++].unicode()));
        const qsizetype first = j;
        while (isDigit(s, j))
            exponent.append(char(s[j++].unicode()));
        if (j > first) {
            number.append(exponent);
            i = j;
        }
    }

    Reading r;
    r.whole = i == n;
    bool ok = false;
    const double v = QLocale::c().toDouble(QString::fromLatin1(number), &ok);
    if (!ok || std::isinf(v)) {
        // An exponent beyond the range of a double reads as the largest
        // value; such a text is no number a field can hold.
        r.whole = false;
        r.value = number.contains('e') ? (number.startsWith('-') ? -std::numeric_limits<double>::max()
                                                                 : std::numeric_limits<double>::max())
                                       : 0.0;
        return r;
    }
    r.value = v == 0.0 ? 0.0 : v; // no -0
    return r;
}

} // namespace

std::optional<QDate> TextForms::parseDate(const QString &text)
{
    static const QRegularExpression form(
        QStringLiteral("^\\s*(\\d{1,4})\\s*([/.-])\\s*(\\d{1,4})\\s*\\2\\s*(\\d{1,4})\\s*$"));
    const QRegularExpressionMatch m = form.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const QString parts[] = {m.captured(1), m.captured(3), m.captured(4)};
    // A four-digit first part is a year. Otherwise the locale's order holds,
    // except that a year-first locale reads the day first, as dates are
    // shown.
    DateOrder order{2, 1, 0};
    if (parts[0].size() != 4) {
        order = localeDateOrder();
        if (order.year == 0)
            order = {0, 1, 2};
    }
    const QString &day = parts[order.day];
    const QString &month = parts[order.month];
    const QString &year = parts[order.year];
    if (day.size() > 2 || month.size() > 2 || (year.size() != 2 && year.size() != 4))
        return std::nullopt;
    const int y = year.size() == 2 ? 2000 + year.toInt() : year.toInt();
    const QDate date(y, month.toInt(), day.toInt());
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

double TextForms::leadingNumber(const QString &text)
{
    return readNumber(text).value;
}

std::optional<double> TextForms::parseNumber(const QString &text)
{
    const Reading r = readNumber(text);
    if (!r.whole)
        return std::nullopt;
    return r.value;
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
