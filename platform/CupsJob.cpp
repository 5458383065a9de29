#include "platform/CupsJob.h"

#include <QFile>

#include <cups/cups.h>

namespace {

// The Indonesian description of a status the print service answered.
QString describe(int ippStatus)
{
    switch (ipp_status_t(ippStatus)) {
    case IPP_STATUS_ERROR_NOT_ACCEPTING_JOBS:
        return QStringLiteral("Printer menolak pekerjaan cetak (antrean printer tidak menerima pekerjaan baru)");
    case IPP_STATUS_ERROR_PRINTER_IS_DEACTIVATED:
        return QStringLiteral("Printer dinonaktifkan");
    case IPP_STATUS_ERROR_BUSY:
        return QStringLiteral("Printer sedang sibuk");
    case IPP_STATUS_ERROR_NOT_FOUND:
        return QStringLiteral("Printer tidak ditemukan di layanan cetak");
    case IPP_STATUS_ERROR_FORBIDDEN:
    case IPP_STATUS_ERROR_NOT_AUTHENTICATED:
    case IPP_STATUS_ERROR_NOT_AUTHORIZED:
        return QStringLiteral("Tidak ada izin untuk mencetak di printer ini");
    case IPP_STATUS_ERROR_DOCUMENT_FORMAT_NOT_SUPPORTED:
        return QStringLiteral("Printer tidak dapat mencetak dokumen ini");
    case IPP_STATUS_ERROR_REQUEST_ENTITY:
        return QStringLiteral("Dokumen terlalu besar untuk printer");
    case IPP_STATUS_ERROR_DEVICE:
        return QStringLiteral("Kesalahan pada perangkat printer");
    case IPP_STATUS_ERROR_TIMEOUT:
        return QStringLiteral("Layanan cetak tidak menjawab tepat waktu");
    case IPP_STATUS_ERROR_INTERNAL:
    case IPP_STATUS_ERROR_SERVICE_UNAVAILABLE:
    case IPP_STATUS_ERROR_TEMPORARY:
        return QStringLiteral("Layanan cetak tidak tersedia");
    default:
        return QStringLiteral("Layanan cetak menolak pekerjaan cetak");
    }
}

} // namespace

std::optional<Printer::Failure> CupsJob::submit(const QString &printer, const QString &pdfFile, const QString &title)
{
    const int job = cupsPrintFile2(CUPS_HTTP_DEFAULT, printer.toUtf8().constData(), QFile::encodeName(pdfFile).constData(),
                                   title.toUtf8().constData(), 0, nullptr);
    if (job > 0)
        return std::nullopt;
    const int status = int(cupsLastError());
    return Printer::Failure{status, describe(status)};
}
