#pragma once

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>

// Reads a PDF as an outside reader does, with poppler's tools.
namespace PdfReader {

inline QString run(const QString &program, const QStringList &arguments, const QByteArray &input = {})
{
    QProcess p;
    p.start(program, arguments);
    if (!input.isEmpty())
        p.write(input);
    p.closeWriteChannel();
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return QStringLiteral("(%1 failed: %2)").arg(program, QString::fromUtf8(p.readAllStandardError()));
    return QString::fromUtf8(p.readAllStandardOutput());
}

namespace detail {
inline void trimEmptyEnds(QStringList &lines)
{
    while (!lines.isEmpty() && lines.first().isEmpty())
        lines.removeFirst();
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
}
inline QString withoutTrailingBlanks(QString line)
{
    return line.remove(QRegularExpression(QStringLiteral(" +$")));
}
// Takes away the blanks every line begins with (the sheet's margin, or the
// text's own).
inline void dedent(QStringList &lines)
{
    qsizetype indent = -1;
    for (const QString &line : lines) {
        if (line.isEmpty())
            continue;
        const qsizetype blanks = line.size() - QString(line).remove(QRegularExpression(QStringLiteral("^ +"))).size();
        indent = indent < 0 ? blanks : qMin(indent, blanks);
    }
    for (QString &line : lines)
        line = line.mid(qMax<qsizetype>(0, indent));
}
} // namespace detail

// The lines pdftotext -layout reads, one list per sheet, without the empty
// lines at a sheet's top and bottom. Told the pitch of the fixed-pitch face
// (0.6 of its size, in points), pdftotext places every character on its
// column; left to guess, it narrows or widens runs of blanks.
inline QList<QStringList> sheets(const QByteArray &pdf, qreal pointSize)
{
    const QString text = run(QStringLiteral("pdftotext"),
                             {QStringLiteral("-layout"), QStringLiteral("-fixed"), QString::number(0.6 * pointSize),
                              QStringLiteral("-"), QStringLiteral("-")},
                             pdf);
    QList<QStringList> sheets;
    for (const QString &page : text.split(QLatin1Char('\f'))) {
        QStringList lines = page.split(QLatin1Char('\n'));
        for (QString &line : lines)
            line = detail::withoutTrailingBlanks(line);
        detail::trimEmptyEnds(lines);
        detail::dedent(lines);
        if (!lines.isEmpty())
            sheets << lines;
    }
    return sheets;
}

inline QList<QStringList> sheetsOf(const QString &file, qreal pointSize)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? sheets(f.readAll(), pointSize)
                                       : QList<QStringList>{{QStringLiteral("(no file %1)").arg(file)}};
}

// A printed text's lines as pdftotext reads them back, sheet by sheet: a
// reader sees no blanks at the end of a line, nor the blanks every line of a
// sheet begins with, nor empty lines at a sheet's top and bottom. Where each
// sheet ends is taken from what was read (its count of lines with a mark on
// them); every other blank must stand as in the text.
inline QList<QStringList> expectedSheets(const QString &text, const QList<QStringList> &read)
{
    QStringList lines = text.split(QStringLiteral("\r\n"));
    for (QString &line : lines)
        line = detail::withoutTrailingBlanks(line);
    QList<QStringList> sheets;
    int next = 0;
    for (const QStringList &sheet : read) {
        const qsizetype marked = sheet.size() - sheet.count(QString());
        QStringList mine;
        qsizetype seen = 0;
        while (next < lines.size() && (seen < marked || lines.at(next).isEmpty())) {
            if (seen == marked && lines.at(next).isEmpty()) {
                // Empty lines after the sheet's last marked line: they belong to
                // this sheet's bottom or the next sheet's top; neither shows.
                ++next;
                continue;
            }
            if (!lines.at(next).isEmpty())
                ++seen;
            mine << lines.at(next++);
        }
        detail::trimEmptyEnds(mine);
        detail::dedent(mine);
        sheets << mine;
    }
    if (next < lines.size()) {
        QStringList rest = lines.mid(next);
        detail::trimEmptyEnds(rest);
        if (!rest.isEmpty())
            sheets << rest; // lines the PDF lost
    }
    return sheets;
}

// pdffonts' rows: one per font.
inline QStringList fonts(const QString &file)
{
    QStringList rows = run(QStringLiteral("pdffonts"), {file}).split(QLatin1Char('\n'));
    rows.removeAll(QString());
    return rows.mid(2);
}

inline int pageCount(const QString &file)
{
    const QString info = run(QStringLiteral("pdfinfo"), {file});
    return QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info).captured(1).toInt();
}

} // namespace PdfReader

// Compares sheets read from a PDF with the sheets expected, sheet by sheet.
#define COMPARE_SHEETS(read, expected)                                                                       \
    do {                                                                                                       \
        const QList<QStringList> read_ = (read);                                                               \
        const QList<QStringList> expected_ = (expected);                                                       \
        for (int i_ = 0; i_ < qMin(read_.size(), expected_.size()); ++i_)                                      \
            QCOMPARE(read_.at(i_), expected_.at(i_));                                                          \
        QCOMPARE(read_.size(), expected_.size());                                                              \
    } while (false)
