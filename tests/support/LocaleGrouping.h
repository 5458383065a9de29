#pragma once

#include <QLocale>
#include <QRegularExpression>
#include <QString>

// The golden report texts are written as under en_GB, with "," grouping the
// thousands of every amount. Under a locale that groups with another sign
// (id_ID: ".") the reports show that sign in those places and stay the same
// everywhere else, widths included.
inline QString withLocaleGrouping(const QString &enGbText)
{
    static const QRegularExpression grouping(QStringLiteral("(?<=\\d),(?=\\d\\d\\d(?!\\d))"));
    QString text = enGbText;
    return text.replace(grouping, QLocale().groupSeparator());
}
