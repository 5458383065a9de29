#pragma once

#include <QFile>
#include <QString>

// The report file that mirrors a report as it is built. After every step it
// holds the text so far followed by one CR LF; each step only adds its own
// text, so building stays linear however long the report grows.
class ReportFile
{
public:
    // Opens the file, emptying it; a symbolic link there is replaced by a
    // file of its own. Throws ReportError when it cannot be written.
    explicit ReportFile(const QString &path);
    ReportFile(const ReportFile &) = delete;
    ReportFile &operator=(const ReportFile &) = delete;

    // Adds the text in place of the closing CR LF and writes the CR LF after
    // it again. Throws ReportError when the write fails.
    void append(const QString &text);

private:
    [[noreturn]] void fail(int error) const;

    QString m_path;
    QFile m_file;
    qint64 m_length = 0;
};
