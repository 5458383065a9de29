#include "search/InfoMirror.h"

#include "platform/OwnFile.h"
#include "search/SearchResultText.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

QString InfoMirror::path()
{
    return QDir::current().filePath(QStringLiteral("Info.txt"));
}

bool InfoMirror::write(const QString &text)
{
    // Written aside and put in place whole, so a failed write never leaves a
    // half-written mirror behind.
    // QSaveFile writes at a link's target; a link here is replaced instead.
    if (!OwnFile::removeLink(path()))
        return false;
    QSaveFile file(path());
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = (text + SearchResultText::lineEnd).toLocal8Bit();
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

std::optional<QString> InfoMirror::pass(const QString &text)
{
    if (!write(text))
        return std::nullopt;
    QFile file(path());
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return QString::fromLocal8Bit(bytes);
}
