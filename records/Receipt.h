#pragma once

#include <QString>

// The receipt of a stay: seven lines of a label followed directly by a box's
// text, each starting at character column 22.
class Receipt
{
public:
    struct Texts
    {
        QString idTamu;
        QString nama;
        QString alamat;
        QString checkin;
        QString checkout;
        QString lama;
        QString totalBayar;
    };

    // Lines joined by CR LF.
    static QString text(const Texts &texts);

    static QString fontFamily() { return QStringLiteral("Courier New"); }
    static int pointSize() { return 18; }
};
