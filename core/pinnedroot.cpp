#include "pinnedroot.h"

#include "fileutils.h"

#include <QFile>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

struct PinnedRoot::Data
{
    ~Data()
    {
        if (fd >= 0)
            ::close(fd);
    }

    Status status = Missing;
    QString reason;
    QString path;
    QString realPath;
    int fd = -1;
    dev_t device = 0;
};

namespace {

// The real location of an existing path, every link resolved; empty with errno set otherwise.
QByteArray realLocation(const QByteArray &path)
{
    char *resolved = ::realpath(path.constData(), nullptr);
    if (!resolved)
        return QByteArray();
    QByteArray result(resolved);
    std::free(resolved);
    return result;
}

bool liesIn(const QByteArray &path, const QByteArray &base)
{
    if (path == base)
        return true;
    if (base == "/")
        return path.startsWith('/');
    return path.startsWith(base) && path.at(base.size()) == '/';
}

} // namespace

PinnedRoot::PinnedRoot()
    : m_data(std::make_shared<Data>())
{
}

PinnedRoot PinnedRoot::open(const QString &folder, const QString &base)
{
    auto data = std::make_shared<Data>();
    data->path = FileUtils::withoutRepeatedSlashes(folder);
    PinnedRoot root;
    root.m_data = data;
    auto refuse = [&](const QString &reason) {
        data->status = Refused;
        data->reason = reason;
        return root;
    };
    if (!folder.startsWith(QLatin1Char('/')) || !base.startsWith(QLatin1Char('/')))
        return refuse(QStringLiteral("not an absolute path"));
    if (FileUtils::hasDotComponent(folder) || FileUtils::hasDotComponent(base))
        return refuse(QStringLiteral("\".\" or \"..\" in the path"));

    const QByteArray realBase = realLocation(QFile::encodeName(base));
    if (realBase.isEmpty()) {
        data->status = Missing;
        data->reason = QStringLiteral("%1 does not exist").arg(base);
        return root;
    }
    const QByteArray realFolder = realLocation(QFile::encodeName(data->path));
    if (realFolder.isEmpty()) {
        data->status = Missing;
        data->reason = QStringLiteral("does not exist");
        return root;
    }
    data->realPath = QFile::decodeName(realFolder);
    if (!liesIn(realFolder, realBase))
        return refuse(QStringLiteral("it leads to %1, outside %2").arg(data->realPath, base));

    struct stat info;
    if (::stat(realFolder.constData(), &info) != 0 || !S_ISDIR(info.st_mode))
        return refuse(QStringLiteral("not a folder"));

    int fd = ::open(realBase.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return refuse(QStringLiteral("%1 cannot be opened").arg(base));
    if (::fstat(fd, &info) != 0) {
        ::close(fd);
        return refuse(QStringLiteral("%1 cannot be read").arg(base));
    }
    const dev_t baseDevice = info.st_dev;
    const QList<QByteArray> below = realFolder.mid(realBase == "/" ? 1 : realBase.size() + 1).split('/');
    for (const QByteArray &name : below) {
        if (name.isEmpty())
            continue;
        const int child = ::openat(fd, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        const int error = errno;
        ::close(fd);
        fd = child;
        if (fd < 0) {
            return error == ENOENT ? (data->status = Missing, root)
                                   : refuse(QStringLiteral("it changed while being opened (%1)")
                                                .arg(QString::fromLocal8Bit(std::strerror(error))));
        }
        if (::fstat(fd, &info) != 0 || info.st_dev != baseDevice) {
            ::close(fd);
            return refuse(QStringLiteral("it lies on another volume than %1").arg(base));
        }
    }
    if (!S_ISDIR(info.st_mode)) {
        ::close(fd);
        return refuse(QStringLiteral("not a folder"));
    }
    data->fd = fd;
    data->device = info.st_dev;
    data->status = Open;
    return root;
}

PinnedRoot::Status PinnedRoot::status() const
{
    return m_data->status;
}

bool PinnedRoot::isOpen() const
{
    return m_data->status == Open;
}

QString PinnedRoot::reason() const
{
    return m_data->reason;
}

QString PinnedRoot::path() const
{
    return m_data->path;
}

QString PinnedRoot::realPath() const
{
    return m_data->realPath;
}

int PinnedRoot::fd() const
{
    return m_data->fd;
}

dev_t PinnedRoot::device() const
{
    return m_data->device;
}
