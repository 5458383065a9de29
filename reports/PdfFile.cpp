#include "reports/PdfFile.h"

#include "reports/PrintLayout.h"

#include <QDir>
#include <QFileInfo>
#include <QPdfWriter>
#include <QSaveFile>

std::optional<QString> PdfFile::write(const QString &fileName, const PrintLayout &layout, const QString &title,
                                      const std::function<void(int, int)> &sheetDone)
{
    const QFileInfo target(fileName);
    if (target.isDir())
        return QStringLiteral("Nama itu sudah dipakai sebuah folder.");
    if (!target.dir().exists())
        return QStringLiteral("Folder %1 tidak ada.").arg(QDir::toNativeSeparators(target.absolutePath()));
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("Berkas tidak dapat dibuat di folder itu (tidak boleh ditulisi?).");
    {
        QPdfWriter writer(&file);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Penginapan"));
        writer.setPageLayout(PrintLayout::defaultSheet());
        layout.orient(writer);
        if (layout.paint(writer, sheetDone)) {
            file.cancelWriting();
            return QStringLiteral("PDF tidak dapat dibuat.");
        }
    }
    if (!file.commit())
        return QStringLiteral("Berkas tidak dapat ditulis sampai selesai (disk penuh?).");
    return std::nullopt;
}

QString PdfFile::withExtension(const QString &fileName)
{
    if (fileName.isEmpty() || !QFileInfo(fileName).suffix().isEmpty())
        return fileName;
    return fileName + QStringLiteral(".pdf");
}

QString PdfFile::failureText(const QString &fileName, const QString &detail)
{
    return QStringLiteral("PDF tidak dapat disimpan ke\r%1\r\r%2").arg(QDir::toNativeSeparators(fileName), detail);
}
