#pragma once

#include "platform/PrintPreview.h"

#include <QByteArray>
#include <QStringList>

// Stands in for the preview dialog: paints the sheets into a PDF in memory,
// which the test can read as the clerk would see the preview, then closes
// it, or chooses its "Cetak" when the script says so.
class ScriptedPrintPreview : public PrintPreview
{
public:
    enum class Then { Close, Print };
    void expect(Then then = Then::Close) { m_expected << then; }
    void show(const QPageLayout &sheet, const Paint &paint, const Print &print) override;

    int shown = 0;
    QByteArray lastPdf;
    QStringList problems;
    int pending() const { return int(m_expected.size()); }

private:
    QList<Then> m_expected;
};
