#include "platform/ScriptedPrintPreview.h"

#include <QBuffer>
#include <QPdfWriter>

void ScriptedPrintPreview::show(const QPageLayout &sheet, const Paint &paint, const Print &print)
{
    ++shown;
    if (m_expected.isEmpty()) {
        problems << QStringLiteral("unexpected print preview");
        return;
    }
    const Then then = m_expected.takeFirst();
    lastPdf.clear();
    QBuffer buffer(&lastPdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageLayout(sheet);
    paint(writer);
    if (then == Then::Print)
        print();
}
