#include "platform/Appearance.h"

#include <QApplication>
#include <QFont>
#include <QStyle>
#include <QStyleFactory>

const QList<Appearance::StandIn> &Appearance::fontStandIns()
{
    static const QList<StandIn> standIns = {
        {QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue")},
        {QStringLiteral("Franklin Gothic Medium"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")},
        {QStringLiteral("Courier New"), QStringLiteral("Liberation Mono")},
    };
    return standIns;
}

void Appearance::install()
{
    // A face that is installed is used as it is; only a missing one is
    // drawn by its stand-in. The windows set a style hint as well, for a
    // machine without the stand-in.
    for (const StandIn &s : fontStandIns())
        QFont::insertSubstitution(s.designed, s.standIn);

    // The classic style paints a button face in the palette's button colour
    // and a frame as a line around the colour its widget fills, where the
    // default style draws gradients and tinted panels.
    if (QStyle *flat = QStyleFactory::create(QStringLiteral("Windows")))
        QApplication::setStyle(flat);
}
