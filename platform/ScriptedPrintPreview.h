#pragma once

#include "platform/PrintPreview.h"

#include <QByteArray>
#include <QStringList>

// Stands in for the preview dialog: paints the sheets into a PDF in memory,
// which the test can read as the clerk would see the preview.
class ScriptedPrintPreview : public PrintPreview
{
public:
    void expect() { ++m_expected; }
    void show(const QPageLayout &sheet, const Paint &paint) override;

    int shown = 0;
    QByteArray lastPdf;
    QPageLayout lastSheet;
    QStringList problems;
    int pending() const { return m_expected; }

private:
    int m_expected = 0;
};
