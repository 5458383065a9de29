#include "search/frminfo.h"

namespace {
const SearchResultWindow::Design design{
    QRect(720, 1800, 6495, 2535),
    QRect(720, 4440, 1095, 495),
    QRect(1920, 4440, 1125, 495),
    QRect(3240, 4440, 1125, 495),
    QRect(4560, 4440, 1125, 495),
    QRect(5880, 4440, 1215, 495),
    7560, 7320,
};
} // namespace

frminfo::frminfo(QWidget *parent) : SearchResultWindow(design, QStringLiteral("frmtamu"), parent)
{
    setObjectName(QStringLiteral("frminfo"));
}
