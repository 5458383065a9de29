#pragma once

#include "platform/PrintPreview.h"

class QtPrintPreview : public PrintPreview
{
public:
    void show(const QPageLayout &sheet, const Paint &paint, const Print &print) override;
};
