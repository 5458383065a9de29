#include "search/frminfo2.h"

namespace {
const SearchResultWindow::Design design{
    QRect(480, 960, 6495, 2535),
    QRect(480, 3600, 1095, 495),
    QRect(1680, 3600, 1125, 495),
    QRect(3000, 3600, 1125, 495),
    QRect(4320, 3600, 1125, 495),
    QRect(5640, 3600, 1215, 495),
    7590, 7470,
};
} // namespace

frminfo2::frminfo2(QWidget *parent) : SearchResultWindow(design, QStringLiteral("frmtransaksi"), parent)
{
    setObjectName(QStringLiteral("frminfo2"));
}
