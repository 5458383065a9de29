#include "shell/WindowCatalog.h"

#include "platform/WindowRegistry.h"
#include "shell/frmabout.h"
#include "shell/frmmenu.h"

void WindowCatalog::registerAll()
{
    WindowRegistry &r = WindowRegistry::instance();
    r.registerWindow(QStringLiteral("frmmenu"), [] { return new frmmenu; });
    r.registerWindow(QStringLiteral("frmabout"), [] { return new frmabout; });
}
