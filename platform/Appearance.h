#pragma once

#include <QList>
#include <QString>

// How the windows look here as designed: the designed font faces, where
// they are missing, drawn by free faces of the same feel, and colours
// painted flat, as the designed RGB values, with no gradients or tints.
class Appearance
{
public:
    struct StandIn
    {
        QString designed; // the face the windows ask for
        QString standIn;  // the free face that draws it when it is missing
    };

    // The designed faces and their stand-ins (Debian: fonts-comic-neue,
    // fonts-liberation, fonts-dejavu-core).
    static const QList<StandIn> &fontStandIns();

    // Installs the stand-ins and a style that paints button faces, frames and
    // backgrounds in their palette colours, flat.
    static void install();
};
