#include "hostiletree.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <fcntl.h>
#include <pthread.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#ifdef __linux__
#include <sys/mount.h>
#endif

namespace {

const char mountNamespaceVariable[] = "HOSTILE_TREE_MOUNT_NAMESPACE";

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

} // namespace

SentinelTree::SentinelTree()
    : m_dir(QDir::rootPath() + QStringLiteral("tmp/sweepnook-sentinel-XXXXXX"))
{
    writeFile(filePath(QStringLiteral("secret.txt")), "never delete me\n");
    writeFile(filePath(QStringLiteral("Cache/data_0")), QByteArray(3000, 'c'));
    writeFile(filePath(QStringLiteral("Cache/index")), "index\n");
    writeFile(filePath(QStringLiteral("deeper/a/b/notes.md")), "# notes\n");
    writeFile(filePath(QStringLiteral("places.sqlite")), QByteArray(4096, 's'));
    QFile::link(filePath(QStringLiteral("secret.txt")), filePath(QStringLiteral("deeper/link-to-secret")));
    m_made = snapshot();
}

QString SentinelTree::path() const
{
    return m_dir.path();
}

QString SentinelTree::filePath(const QString &relativePath) const
{
    return m_dir.filePath(relativePath);
}

bool SentinelTree::unchanged() const
{
    return snapshot() == m_made;
}

QString SentinelTree::differences() const
{
    const QMap<QString, QByteArray> now = snapshot();
    QStringList lines;
    for (auto it = m_made.cbegin(); it != m_made.cend(); ++it) {
        if (!now.contains(it.key()))
            lines.append(QStringLiteral("gone: ") + it.key());
        else if (now.value(it.key()) != it.value())
            lines.append(QStringLiteral("changed: ") + it.key());
    }
    for (auto it = now.cbegin(); it != now.cend(); ++it) {
        if (!m_made.contains(it.key()))
            lines.append(QStringLiteral("new: ") + it.key());
    }
    return lines.join(QLatin1String(", "));
}

QMap<QString, QByteArray> SentinelTree::snapshot() const
{
    QMap<QString, QByteArray> entries;
    QDirIterator it(m_dir.path(), QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
        QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info = it.fileInfo();
        const QString key = path.mid(m_dir.path().size());
        if (info.isSymLink()) {
            entries.insert(key, QByteArray("link:" + QFile::encodeName(info.symLinkTarget())));
        } else if (info.isDir()) {
            entries.insert(key, "folder");
        } else {
            QFile file(path);
            entries.insert(
                key, file.open(QIODevice::ReadOnly) ? QByteArray("file:" + file.readAll()) : QByteArray("unreadable"));
        }
    }
    return entries;
}

namespace HostileTree {

bool makeDeepChain(const QString &parent, const QByteArray &name, int depth, int fileSize)
{
    if (!QDir().mkpath(parent))
        return false;
    int fd = ::open(QFile::encodeName(parent).constData(), O_RDONLY | O_DIRECTORY);
    for (int level = 0; level < depth && fd >= 0; ++level) {
        ::mkdirat(fd, name.constData(), 0755);
        const int child = ::openat(fd, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW);
        ::close(fd);
        fd = child;
    }
    if (fd < 0)
        return false;
    const int file = ::openat(fd, "bottom.bin", O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const QByteArray bytes(fileSize, 'b');
    const bool written = file >= 0 && ::write(file, bytes.constData(), bytes.size()) == bytes.size();
    if (file >= 0)
        ::close(file);
    ::close(fd);
    return written;
}

int chainDepth(const QString &parent, const QByteArray &name)
{
    int fd = ::open(QFile::encodeName(parent).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return 0;
    int depth = 0;
    while (true) {
        const int child = ::openat(fd, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW);
        ::close(fd);
        if (child < 0)
            return depth;
        fd = child;
        ++depth;
    }
}

bool chainEndsInFile(const QString &parent, const QByteArray &name)
{
    int fd = ::open(QFile::encodeName(parent).constData(), O_RDONLY | O_DIRECTORY);
    while (fd >= 0) {
        const int child = ::openat(fd, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW);
        if (child < 0)
            break;
        ::close(fd);
        fd = child;
    }
    if (fd < 0)
        return false;
    struct stat info;
    const bool found = ::fstatat(fd, "bottom.bin", &info, AT_SYMLINK_NOFOLLOW) == 0;
    ::close(fd);
    return found;
}

bool makeFifo(const QString &path)
{
    return ::mkfifo(QFile::encodeName(path).constData(), 0644) == 0;
}

void runWithStack(size_t stackBytes, const std::function<void()> &work)
{
    pthread_attr_t attributes;
    pthread_attr_init(&attributes);
    pthread_attr_setstacksize(&attributes, stackBytes);
    pthread_t thread;
    auto run = [](void *argument) -> void * {
        (*static_cast<const std::function<void()> *>(argument))();
        return nullptr;
    };
    if (pthread_create(&thread, &attributes, run, const_cast<std::function<void()> *>(&work)) == 0)
        pthread_join(thread, nullptr);
    pthread_attr_destroy(&attributes);
}

DescriptorLimit::DescriptorLimit(unsigned long limit)
{
    struct rlimit current;
    if (::getrlimit(RLIMIT_NOFILE, &current) != 0)
        return;
    m_saved = current.rlim_cur;
    current.rlim_cur = limit;
    m_set = ::setrlimit(RLIMIT_NOFILE, &current) == 0;
}

DescriptorLimit::~DescriptorLimit()
{
    if (!m_set)
        return;
    struct rlimit current;
    ::getrlimit(RLIMIT_NOFILE, &current);
    current.rlim_cur = m_saved;
    ::setrlimit(RLIMIT_NOFILE, &current);
}

bool inMountNamespace()
{
    return qEnvironmentVariableIsSet(mountNamespaceVariable);
}

TmpfsMount::TmpfsMount(const QString &folder)
    : m_folder(QFile::encodeName(folder))
{
#ifdef __linux__
    QDir().mkpath(folder);
    m_mounted = ::mount("sweepnook-test", m_folder.constData(), "tmpfs", 0, "size=4m") == 0;
#endif
}

TmpfsMount::~TmpfsMount()
{
#ifdef __linux__
    if (m_mounted)
        ::umount2(m_folder.constData(), MNT_DETACH);
#endif
}

bool TmpfsMount::isMounted() const
{
    return m_mounted;
}

BindMount::BindMount(const QString &source, const QString &folder)
    : m_folder(QFile::encodeName(folder))
{
#ifdef __linux__
    QDir().mkpath(folder);
    m_mounted = ::mount(QFile::encodeName(source).constData(), m_folder.constData(), nullptr, MS_BIND, nullptr) == 0;
#else
    Q_UNUSED(source);
#endif
}

BindMount::~BindMount()
{
#ifdef __linux__
    if (m_mounted)
        ::umount2(m_folder.constData(), MNT_DETACH);
#endif
}

bool BindMount::isMounted() const
{
    return m_mounted;
}

bool runInMountNamespace(const QString &testFunction, QString *skipReason, QString *output)
{
    const QString unshare = QStandardPaths::findExecutable(QStringLiteral("unshare"));
    if (unshare.isEmpty()) {
        *skipReason = QStringLiteral("unshare is not available");
        return false;
    }
    QProcess probe;
    probe.start(unshare,
        { QStringLiteral("-m"), QStringLiteral("--propagation"), QStringLiteral("private"), QStringLiteral("true") });
    if (!probe.waitForFinished(120000) || probe.exitStatus() != QProcess::NormalExit || probe.exitCode() != 0) {
        *skipReason = QStringLiteral("no rights for a private mount namespace here");
        return false;
    }
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QLatin1String(mountNamespaceVariable), QStringLiteral("1"));
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(unshare,
        { QStringLiteral("-m"), QStringLiteral("--propagation"), QStringLiteral("private"),
            QCoreApplication::applicationFilePath(), testFunction });
    const bool finished = child.waitForFinished(120000);
    *output = QString::fromLocal8Bit(child.readAll());
    return finished && child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0;
}

} // namespace HostileTree
