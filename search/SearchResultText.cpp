#include "search/SearchResultText.h"

const QString SearchResultText::lineEnd = QStringLiteral("\r\n");

QString SearchResultText::header(const QString &criterion)
{
    const QString line = QStringLiteral("Ditemukan data '") + criterion + QStringLiteral("' pada:");
    return line + lineEnd + QString(line.size(), QLatin1Char('-')) + lineEnd;
}

QString SearchResultText::entry(int position, const QString &field, const QString &text, int column)
{
    return lineEnd + QStringLiteral("  Record ke-") + QString::number(position) + lineEnd
        + QStringLiteral("  - Nama field: ") + field + lineEnd
        + QStringLiteral("  - Isi field : ") + text + lineEnd
        + QStringLiteral("  - Kolom ke  : ") + QString::number(column) + QStringLiteral(" di tabel.");
}

QString SearchResultText::notFound(const QString &criterion)
{
    return QStringLiteral("Data ") + criterion + QStringLiteral(" tidak ditemukan!");
}
