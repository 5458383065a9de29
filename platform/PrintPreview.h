#pragma once

#include <QPageLayout>
#include <functional>

class QPagedPaintDevice;

// The print preview: shows the sheets a paint function lays on a sheet of
// paper, modal, until the clerk closes it.
class PrintPreview
{
public:
    using Paint = std::function<void(QPagedPaintDevice &)>;

    virtual ~PrintPreview() = default;
    virtual void show(const QPageLayout &sheet, const Paint &paint) = 0;
};
