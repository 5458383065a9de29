#pragma once

#include <QString>
#include <functional>
#include <optional>

class PrintLayout;

// A PDF of a laid-out text, on the sheet the printer would use. The file is
// written under a temporary name and takes the chosen name only when it is
// whole, so a failed save leaves nothing behind under that name.
class PdfFile
{
public:
    // Nothing when written, else what went wrong, in Indonesian.
    static std::optional<QString> write(const QString &fileName, const PrintLayout &layout, const QString &title,
                                        const std::function<void(int done, int total)> &sheetDone = {});

    // The save dialog's title and filter.
    static QString dialogTitle() { return QStringLiteral("Simpan sebagai PDF..."); }
    static QString dialogFilter() { return QStringLiteral("Dokumen PDF (*.pdf)|*.pdf"); }
    // A chosen name without an extension gets ".pdf".
    static QString withExtension(const QString &fileName);

    // The message of a failed save: the file and what went wrong.
    static QString failureText(const QString &fileName, const QString &detail);
    static QString failureTitle() { return QStringLiteral("PDF Gagal Disimpan"); }
};
