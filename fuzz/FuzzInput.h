#pragma once

#include <QLocale>
#include <QString>
#include <cstddef>
#include <cstdint>

// Turns fuzzer bytes into a text (as UTF-8, so any code point can appear) and
// picks the locale the text forms are read in from the first byte.
inline QString fuzzText(const uint8_t *data, size_t size)
{
    if (size == 0) {
        QLocale::setDefault(QLocale::c());
        return QString();
    }
    static const QLocale locales[] = {QLocale(QLocale::English, QLocale::UnitedKingdom),
                                      QLocale(QLocale::Indonesian, QLocale::Indonesia),
                                      QLocale(QLocale::German, QLocale::Germany), QLocale::c()};
    QLocale::setDefault(locales[data[0] % 4]);
    return QString::fromUtf8(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
}
