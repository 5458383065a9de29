#include "platform/OwnFile.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

bool OwnFile::openEmptied(QFile &file, const QString &path, int *error)
{
    const QByteArray name = QFile::encodeName(path);
    const int flags = O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC;
    int fd = ::open(name.constData(), flags, 0666);
    if (fd < 0 && errno == ELOOP) {
        // A link: take it away and make the file anew where it was.
        if (::unlink(name.constData()) == 0)
            fd = ::open(name.constData(), flags | O_EXCL, 0666);
    }
    if (fd < 0) {
        *error = errno;
        return false;
    }
    if (!file.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        *error = EIO;
        return false;
    }
    return true;
}

bool OwnFile::removeLink(const QString &path)
{
    if (!QFileInfo(path).isSymLink())
        return true;
    return ::unlink(QFile::encodeName(path).constData()) == 0;
}
