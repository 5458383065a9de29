#include "platform/ScriptedPrintPreview.h"

#include <QBuffer>
#include <QPdfWriter>

void ScriptedPrintPreview::show(const QPageLayout &sheet, const Paint &paint)
{
    ++shown;
    if (m_expected == 0) {
        problems << QStringLiteral("unexpected print preview");
        return;
    }
    --m_expected;
    lastPdf.clear();
    QBuffer buffer(&lastPdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageLayout(sheet);
    paint(writer);
    lastSheet = writer.pageLayout();
}
