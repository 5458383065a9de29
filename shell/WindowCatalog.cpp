#include "shell/WindowCatalog.h"

#include "platform/WindowRegistry.h"
#include "records/frmpembelian.h"
#include "records/frmtamu.h"
#include "records/frmtransaksi.h"
#include "reports/frmcetaklap.h"
#include "reports/frmlaprek.h"
#include "search/frminfo.h"
#include "search/frminfo2.h"
#include "shell/frmabout.h"
#include "shell/frmmenu.h"

void WindowCatalog::registerAll()
{
    WindowRegistry &r = WindowRegistry::instance();
    r.registerWindow(QStringLiteral("frmmenu"), [] { return new frmmenu; });
    r.registerWindow(QStringLiteral("frmabout"), [] { return new frmabout; });
    r.registerWindow(QStringLiteral("frmtamu"), [] { return new frmtamu; });
    r.registerWindow(QStringLiteral("frmtransaksi"), [] { return new frmtransaksi; });
    r.registerWindow(QStringLiteral("frmpembelian"), [] { return new frmpembelian; });
    r.registerWindow(QStringLiteral("frminfo"), [] { return new frminfo; });
    r.registerWindow(QStringLiteral("frminfo2"), [] { return new frminfo2; });
    r.registerWindow(QStringLiteral("frmcetaklap"), [] { return new frmcetaklap; });
    r.registerWindow(QStringLiteral("frmlaprek"), [] { return new frmlaprek; });
}
