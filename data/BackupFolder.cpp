#include "data/BackupFolder.h"

#include "data/DataError.h"
#include "data/DataFolder.h"
#include "data/RetentionPlan.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSysInfo>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

const QString prefix = QStringLiteral("Zavav-");
const QString suffix = QStringLiteral(".mdb");
const QString temporaryMark = QStringLiteral(".sementara");

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// This computer's name as it may stand in a file name: a second folder on a
// network share may hold copies that programs on other computers are making.
QString hostTag()
{
    QString host = QSysInfo::machineHostName();
    host.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9_]")), QStringLiteral("_"));
    return host.isEmpty() ? QStringLiteral("pc") : host;
}

} // namespace

BackupFolder BackupFolder::primary()
{
    return BackupFolder(DataFolder::root() + QStringLiteral("/Cadangan"));
}

QString BackupFolder::fileName(const QDateTime &stamp)
{
    return prefix + stamp.toString(QStringLiteral("yyyyMMdd-HHmmss")) + suffix;
}

QDateTime BackupFolder::stampOf(const QString &fileName)
{
    static const QRegularExpression pattern(QStringLiteral("^Zavav-(\\d{8}-\\d{6})\\.mdb$"));
    const QRegularExpressionMatch m = pattern.match(fileName);
    if (!m.hasMatch())
        return QDateTime();
    return QDateTime::fromString(m.captured(1), QStringLiteral("yyyyMMdd-HHmmss"));
}

QStringList BackupFolder::backups() const
{
    const QStringList names = QDir(m_path).entryList({prefix + QStringLiteral("*") + suffix}, QDir::Files, QDir::Name | QDir::Reversed);
    QStringList paths;
    for (const QString &name : names)
        if (stampOf(name).isValid())
            paths << m_path + QLatin1Char('/') + name;
    return paths;
}

void BackupFolder::make() const
{
    if (!QDir().mkpath(m_path))
        throw DataError(DataError::CannotOpen, QStringLiteral("Folder cadangan %1 tidak dapat dibuat.").arg(native(m_path)));
}

QString BackupFolder::temporaryName(const QDateTime &stamp) const
{
    return QStringLiteral("%1/.%2.%3-%4%5").arg(m_path, fileName(stamp), hostTag()).arg(QCoreApplication::applicationPid()).arg(temporaryMark);
}

void BackupFolder::removeLeftovers() const
{
    static const QRegularExpression pattern(QStringLiteral("^\\.Zavav-\\d{8}-\\d{6}\\.mdb\\.(\\w+)-(\\d+)\\.sementara$"));
    const QStringList names = QDir(m_path).entryList({QStringLiteral(".Zavav-*") + temporaryMark}, QDir::Files | QDir::Hidden);
    for (const QString &name : names) {
        const QRegularExpressionMatch m = pattern.match(name);
        if (!m.hasMatch() || m.captured(1) != hostTag())
            continue;
        const pid_t pid = pid_t(m.captured(2).toLongLong());
        // A copy still being made by a running program is left alone.
        if (pid == pid_t(QCoreApplication::applicationPid()) || (::kill(pid, 0) != 0 && errno == ESRCH))
            QFile::remove(m_path + QLatin1Char('/') + name);
    }
}

QString BackupFolder::place(const QString &temporary, const QDateTime &stamp) const
{
    const QByteArray from = QFile::encodeName(temporary);
    for (int step = 0; step < 60; ++step) {
        const QString target = m_path + QLatin1Char('/') + fileName(stamp.addSecs(step));
        const QByteArray to = QFile::encodeName(target);
        // A hard link never replaces an existing file, where a rename would.
        if (::link(from.constData(), to.constData()) == 0) {
            ::unlink(from.constData());
            sync(m_path);
            return target;
        }
        if (errno == EEXIST)
            continue;
        // Folders without hard links (a USB stick's FAT): look, then rename.
        if (QFile::exists(target))
            continue;
        if (::rename(from.constData(), to.constData()) != 0)
            break;
        sync(m_path);
        return target;
    }
    const int error = errno;
    throw DataError(DataError::WriteFailed, QStringLiteral("Cadangan tidak dapat diberi nama akhir di folder %1 (%2).")
                                                .arg(native(m_path), DataError::systemErrorText(error)));
}

QStringList BackupFolder::prune(const QDateTime &now) const
{
    QHash<QDateTime, QString> byStamp;
    QList<QDateTime> stamps;
    for (const QString &path : backups()) {
        const QDateTime stamp = stampOf(QFileInfo(path).fileName());
        byStamp.insert(stamp, path);
        stamps << stamp;
    }
    QStringList deleted;
    for (const QDateTime &stamp : RetentionPlan::toDelete(stamps, now))
        if (QFile::remove(byStamp.value(stamp)))
            deleted << byStamp.value(stamp);
    return deleted;
}

void BackupFolder::sync(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0 || ::fsync(fd) != 0) {
        const int error = errno;
        if (fd >= 0)
            ::close(fd);
        throw DataError(DataError::WriteFailed, QStringLiteral("%1 tidak dapat disimpan ke disk (%2).")
                                                    .arg(native(path), DataError::systemErrorText(error)));
    }
    ::close(fd);
}

void BackupFolder::copyFile(const QString &from, const QString &to)
{
    const int in = ::open(QFile::encodeName(from).constData(), O_RDONLY | O_CLOEXEC);
    if (in < 0)
        throw DataError(DataError::CannotOpen, QStringLiteral("Berkas cadangan %1 tidak dapat dibaca (%2).")
                                                   .arg(native(from), DataError::systemErrorText(errno)));
    const int out = ::open(QFile::encodeName(to).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (out < 0) {
        const int error = errno;
        ::close(in);
        throw DataError(DataError::CannotOpen, QStringLiteral("Salinan cadangan %1 tidak dapat dibuat (%2).")
                                                   .arg(native(to), DataError::systemErrorText(error)));
    }
    QByteArray buffer(1 << 20, Qt::Uninitialized);
    int error = 0;
    for (;;) {
        const ssize_t got = ::read(in, buffer.data(), size_t(buffer.size()));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            if (got < 0)
                error = errno;
            break;
        }
        for (ssize_t done = 0; done < got && !error;) {
            const ssize_t put = ::write(out, buffer.constData() + done, size_t(got - done));
            if (put < 0 && errno != EINTR)
                error = errno;
            else if (put > 0)
                done += put;
        }
        if (error)
            break;
    }
    if (!error && ::fsync(out) != 0)
        error = errno;
    if (::close(out) != 0 && !error)
        error = errno;
    ::close(in);
    if (error)
        throw DataError(DataError::WriteFailed, QStringLiteral("Salinan cadangan %1 tidak dapat ditulis (%2).")
                                                    .arg(native(to), DataError::systemErrorText(error)));
}

