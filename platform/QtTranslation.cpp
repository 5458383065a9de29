#include "platform/QtTranslation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTranslator>

namespace {

// Folders looked in, first found wins: beside an installed program
// (PREFIX/share/penginapan/translations) and in the build folder.
QStringList searchDirs()
{
    const QDir program(QCoreApplication::applicationDirPath());
    // Installed: PREFIX/bin/penginapan. Built: build/shell/penginapan, and
    // the tests one folder deeper; the build puts the file in build/translations.
    return {QDir::cleanPath(program.filePath(QStringLiteral("../share/penginapan/translations"))),
            QDir::cleanPath(program.filePath(QStringLiteral("../translations"))),
            QDir::cleanPath(program.filePath(QStringLiteral("../../translations")))};
}

} // namespace

bool QtTranslation::install()
{
    for (const QString &dir : searchDirs()) {
        const QString path = QDir(dir).filePath(QStringLiteral("penginapan_id.qm"));
        if (!QFileInfo::exists(path))
            continue;
        auto *translator = new QTranslator(QCoreApplication::instance());
        if (translator->load(path) && QCoreApplication::installTranslator(translator))
            return true;
        delete translator;
        return false;
    }
    return false;
}
