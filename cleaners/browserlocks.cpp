#include "browserlocks.h"

#include "core/fileutils.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

namespace {

// The target of a symbolic link, not followed; empty when path is no link.
QByteArray linkTarget(const QString &path)
{
    char buffer[PATH_MAX];
    const ssize_t length = ::readlink(QFile::encodeName(path).constData(), buffer, sizeof buffer);
    return length > 0 ? QByteArray(buffer, int(length)) : QByteArray();
}

QByteArray hostName()
{
    char buffer[256] = {};
    if (::gethostname(buffer, sizeof buffer - 1) != 0)
        return QByteArray();
    return QByteArray(buffer);
}

// The digits after the last separator of a lock's target; 0 when there are none.
qint64 trailingPid(const QByteArray &target, char separator)
{
    const int at = target.lastIndexOf(separator);
    if (at < 0)
        return 0;
    bool ok = false;
    const qint64 pid = target.mid(at + 1).toLongLong(&ok);
    return ok && pid > 0 ? pid : 0;
}

// True while some process holds an fcntl lock on the file. The file is opened without following
// a link and only when it is a regular file.
bool fileLockHeld(const QString &path)
{
    const int fd = FileUtils::openRegularFile(path);
    if (fd < 0)
        return false;
    struct flock probe = {};
    probe.l_type = F_WRLCK;
    probe.l_whence = SEEK_SET;
    probe.l_start = 0;
    probe.l_len = 0;
    const bool held = ::fcntl(fd, F_GETLK, &probe) == 0 && probe.l_type != F_UNLCK;
    ::close(fd);
    return held;
}

} // namespace

bool BrowserLocks::processExists(qint64 pid)
{
    if (pid <= 0 || pid > INT_MAX)
        return false;
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
}

bool BrowserLocks::chromiumInUse(const QString &userDataFolder)
{
    const QByteArray target = linkTarget(userDataFolder + QStringLiteral("/SingletonLock"));
    const int dash = target.lastIndexOf('-');
    if (dash <= 0)
        return false;
    // A lock taken on another computer (a profile on a shared volume) cannot be checked from here;
    // the process names still can.
    if (target.left(dash) != hostName())
        return false;
    return processExists(trailingPid(target, '-'));
}

bool BrowserLocks::firefoxInUse(const QString &profileFolder)
{
    if (fileLockHeld(profileFolder + QStringLiteral("/.parentlock")))
        return true;
    return processExists(trailingPid(linkTarget(profileFolder + QStringLiteral("/lock")), '+'));
}
