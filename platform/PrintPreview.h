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
    using Print = std::function<void()>;

    virtual ~PrintPreview() = default;
    // The preview's own "Cetak" closes it and then calls print: a job from
    // the preview goes out the way the window prints, with its check that
    // the printer took the job and its question afterwards.
    virtual void show(const QPageLayout &sheet, const Paint &paint, const Print &print) = 0;
};
