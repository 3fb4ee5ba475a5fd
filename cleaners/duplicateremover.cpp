#include "duplicateremover.h"

#include "fileidentity.h"

#include "core/fileutils.h"
#include "core/hometrash.h"
#include "core/logger.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstring>
#include <optional>
#include <utility>

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr size_t CompareChunkBytes = 1048576;

// The deepest root whose folder path holds path (compared as text at a "/" boundary), or null.
const PinnedRoot *rootOf(const QString &path, const QList<PinnedRoot> &roots)
{
    const PinnedRoot *best = nullptr;
    for (const PinnedRoot &root : roots) {
        const QString folder = root.path();
        const bool inside = folder == QLatin1String("/")
            ? path.startsWith(QLatin1Char('/'))
            : path.startsWith(folder) && path.size() > folder.size() && path.at(folder.size()) == QLatin1Char('/');
        if (inside && (!best || folder.size() > best->path().size()))
            best = &root;
    }
    return best;
}

// Reads up to size bytes at offset, retrying short reads; the count read.
qint64 readAt(int fd, char *buffer, size_t size, qint64 offset)
{
    size_t done = 0;
    while (done < size) {
        const ssize_t got = ::pread(fd, buffer + done, size - done, off_t(offset + qint64(done)));
        if (got <= 0)
            break;
        done += size_t(got);
    }
    return qint64(done);
}

// True when both descriptors read the same bytes from start to end.
bool sameBytes(int first, int second)
{
    QByteArray a(qsizetype(CompareChunkBytes), Qt::Uninitialized);
    QByteArray b(qsizetype(CompareChunkBytes), Qt::Uninitialized);
    for (qint64 offset = 0;; offset += qint64(CompareChunkBytes)) {
        const qint64 gotA = readAt(first, a.data(), CompareChunkBytes, offset);
        const qint64 gotB = readAt(second, b.data(), CompareChunkBytes, offset);
        if (gotA != gotB || std::memcmp(a.constData(), b.constData(), size_t(gotA)) != 0)
            return false;
        if (gotA < qint64(CompareChunkBytes))
            return true;
    }
}

void refuse(QStringList &failed, const QString &path, const QString &reason)
{
    Logger::instance()->warning(QStringLiteral("Not deleted, ") + reason + QStringLiteral(": ") + path);
    failed.append(path);
}

} // namespace

// One kept copy of a group, held open while the group's other copies are deleted.
class DuplicateRemover::KeptCopy
{
public:
    // The first of keep that is unchanged since the scan, opened; empty if there is none.
    static std::optional<KeptCopy> hold(const QList<DuplicateFile> &keep)
    {
        for (const DuplicateFile &file : keep) {
            struct stat info;
            const int fd = FileUtils::openRegularFile(file.path);
            if (fd < 0)
                continue;
            if (::fstat(fd, &info) != 0) {
                ::close(fd);
                continue;
            }
            KeptCopy kept(file, fd);
            if (FileIdentity::fromStat(info).isUnchangedSince(file.identity))
                return kept;
        }
        return std::nullopt;
    }

    KeptCopy(KeptCopy &&other) noexcept
        : m_file(other.m_file)
        , m_fd(std::exchange(other.m_fd, -1))
    {
    }
    KeptCopy(const KeptCopy &) = delete;
    KeptCopy &operator=(const KeptCopy &) = delete;
    ~KeptCopy()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }

    const QString &path() const
    {
        return m_file.path;
    }
    int descriptor() const
    {
        return m_fd;
    }
    const FileIdentity &identity() const
    {
        return m_file.identity;
    }

    // The path still names the held file, and the file is unchanged since the scan.
    bool isIntact() const
    {
        struct stat held;
        const std::optional<FileIdentity> named = FileIdentity::ofRegularFile(m_file.path);
        return named && ::fstat(m_fd, &held) == 0 && FileIdentity::fromStat(held).isUnchangedSince(m_file.identity)
            && *named == FileIdentity::fromStat(held);
    }

    bool hasLinks() const
    {
        struct stat held;
        return ::fstat(m_fd, &held) == 0 && held.st_nlink > 0;
    }

    // Writes the held content, with its mode and times, to path below root: the path of the
    // copy just removed, which is free now (the kept path may still show the vanished file, as
    // an overlay of the removed file's folder does).
    bool writeBack(const PinnedRoot &root, const QString &path) const
    {
        struct stat held;
        if (::fstat(m_fd, &held) != 0)
            return false;
        QByteArray name;
        FileUtils::Removal refusal;
        const int parentFd = FileUtils::openParentUnder(root, QFile::encodeName(path), &name, &refusal);
        if (parentFd < 0)
            return false;
        const int out = ::openat(
            parentFd, name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, held.st_mode & 07777);
        ::close(parentFd);
        if (out < 0)
            return false;
        QByteArray chunk(qsizetype(CompareChunkBytes), Qt::Uninitialized);
        bool ok = true;
        for (qint64 offset = 0; ok;) {
            const qint64 got = readAt(m_fd, chunk.data(), CompareChunkBytes, offset);
            ok = ::write(out, chunk.constData(), size_t(got)) == got;
            offset += got;
            if (got < qint64(CompareChunkBytes))
                break;
        }
#ifdef __APPLE__
        const struct timespec times[2] = { held.st_atimespec, held.st_mtimespec };
#else
        const struct timespec times[2] = { held.st_atim, held.st_mtim };
#endif
        ::futimens(out, times);
        return ::close(out) == 0 && ok;
    }

private:
    KeptCopy(const DuplicateFile &file, int fd)
        : m_file(file)
        , m_fd(fd)
    {
    }

    DuplicateFile m_file;
    int m_fd = -1;
};

DuplicateRemover::DuplicateRemover(QObject *parent)
    : QObject(parent)
{
    qRegisterMetaType<DuplicateRemoval>();
}

DuplicateRemover::~DuplicateRemover()
{
    m_job.cancel();
    m_job.waitForIdle();
}

bool DuplicateRemover::start(
    const QList<DuplicateRemoval> &removals, const QStringList &allowedRoots, Disposal disposal)
{
    if (m_job.isBusy())
        return false;
    m_job.start(
        [this, removals, allowedRoots, disposal](LongJob::Run &job) {
            run(
                removals, allowedRoots, disposal, [&job] { return job.isCancelled(); },
                [this, &job](int done, int total) {
                    job.report([this, done, total] { emit progress(done, total); }, done == total);
                });
        },
        [this](bool) { announce(); });
    return true;
}

bool DuplicateRemover::isRunning() const
{
    return m_job.isBusy();
}

void DuplicateRemover::remove(
    const QList<DuplicateRemoval> &removals, const QStringList &allowedRoots, Disposal disposal)
{
    ProgressThrottle throttle;
    run(
        removals, allowedRoots, disposal, [] { return false; },
        [&](int done, int total) {
            if (throttle.due() || done == total)
                emit progress(done, total);
        });
    announce();
}

void DuplicateRemover::announce()
{
    if (!m_removed.isEmpty())
        emit pathsRemoved(QSet<QString>(m_removed.cbegin(), m_removed.cend()));
    emit finished(m_removed, m_failed);
}

void DuplicateRemover::forgetRemoved(const QSet<QString> &paths)
{
    emit removedElsewhere(paths);
}

void DuplicateRemover::run(const QList<DuplicateRemoval> &removals, const QStringList &allowedRoots, Disposal disposal,
    const std::function<bool()> &isCancelled, const std::function<void(int, int)> &report)
{
    m_removed.clear();
    m_failed.clear();
    m_trashed.clear();
    QList<PinnedRoot> roots;
    for (const QString &folder : allowedRoots) {
        const QString cleaned = QDir::cleanPath(folder);
        const PinnedRoot root = PinnedRoot::open(cleaned, cleaned);
        if (root.isOpen())
            roots.append(root);
        else if (root.status() == PinnedRoot::Refused)
            Logger::instance()->warning(QStringLiteral("Duplicates: scanned folder refused as a root (") + root.reason()
                + QStringLiteral("): ") + cleaned);
    }
    int total = 0;
    for (const DuplicateRemoval &removal : removals)
        total += int(removal.remove.size());
    int done = 0;
    for (const DuplicateRemoval &removal : removals) {
        if (isCancelled())
            break;
        removeGroup(removal, roots, disposal, isCancelled, [&] { report(++done, total); });
    }
}

void DuplicateRemover::removeGroup(const DuplicateRemoval &removal, const QList<PinnedRoot> &roots, Disposal disposal,
    const std::function<bool()> &isCancelled, const std::function<void()> &step)
{
    const std::optional<KeptCopy> kept = KeptCopy::hold(removal.keep);
    for (int i = 0; i < removal.remove.size(); ++i) {
        const DuplicateFile &copy = removal.remove.at(i);
        if (isCancelled())
            return;
        if (!kept || !kept->isIntact()) {
            // Without a trusted original nothing more of this group is deleted.
            for (int j = i; j < removal.remove.size(); ++j, step())
                refuse(m_failed, removal.remove.at(j).path,
                    QStringLiteral("no kept copy of its group is unchanged since the scan"));
            return;
        }
        step();
        if (!rootOf(copy.path, roots)) {
            refuse(m_failed, copy.path, QStringLiteral("outside the scanned folders"));
            continue;
        }
        struct stat info;
        int fd = FileUtils::openRegularFile(copy.path);
        if (fd >= 0 && ::fstat(fd, &info) != 0) {
            ::close(fd);
            fd = -1;
        }
        const FileIdentity now = fd >= 0 ? FileIdentity::fromStat(info) : FileIdentity();
        bool identical = fd >= 0 && now.size == removal.fileSize && !(now == kept->identity());
        if (identical && !now.isUnchangedSince(copy.identity))
            identical = sameBytes(fd, kept->descriptor());
        if (fd >= 0)
            ::close(fd);
        if (!identical) {
            refuse(m_failed, copy.path, QStringLiteral("no longer a duplicate of a kept file"));
            continue;
        }
        if (beforeDelete)
            beforeDelete(copy.path);
        QString reason;
        if (!dispose(copy.path, roots, disposal, now, kept->identity(), &reason)) {
            Logger::instance()->warning(
                (disposal == Disposal::MoveToTrash ? QStringLiteral("Not moved to the Trash, left in place (")
                                                   : QStringLiteral("Failed to delete ("))
                + reason + QStringLiteral("): ") + copy.path);
            m_failed.append(copy.path);
            continue;
        }
        Logger::instance()->info(disposal == Disposal::MoveToTrash
                ? QString(QStringLiteral("Moved duplicate to the Trash: ") + copy.path + QStringLiteral(" (now ")
                    + m_trashed.value(copy.path) + QLatin1Char(')'))
                : QString(QStringLiteral("Deleted duplicate: ") + copy.path));
        if (kept->hasLinks()) {
            m_removed.append(copy.path);
        } else {
            // The kept file lost its last name (the copy was the kept file under another name or
            // seen through another mount, or it went meanwhile): its content goes back where the
            // copy was, and the group stops here.
            const bool restored = kept->writeBack(*rootOf(copy.path, roots), copy.path);
            Logger::instance()->error(restored
                    ? QString(QStringLiteral("The kept copy ") + kept->path()
                        + QStringLiteral(" lost its last link; written back to ") + copy.path)
                    : QString(QStringLiteral("The kept copy ") + kept->path()
                        + QStringLiteral(" lost its last link and could not be written back to ") + copy.path));
            if (restored)
                m_failed.append(copy.path);
            else
                m_removed.append(copy.path);
            for (int j = i + 1; j < removal.remove.size(); ++j, step())
                refuse(m_failed, removal.remove.at(j).path, QStringLiteral("its group was stopped"));
            return;
        }
    }
}

QString DuplicateRemover::trashedPath(const QString &path) const
{
    return m_trashed.value(path);
}

bool DuplicateRemover::dispose(const QString &path, const QList<PinnedRoot> &roots, Disposal disposal,
    const FileIdentity &checked, const FileIdentity &kept, QString *reason)
{
    const PinnedRoot &root = *rootOf(path, roots);
    if (disposal == Disposal::MoveToTrash) {
        // Moved only while the entry is still the file just compared.
        const HomeTrash::Outcome moved = HomeTrash::moveUnder(root, path, [checked](const struct stat &entry) {
            return S_ISREG(entry.st_mode) && FileIdentity::fromStat(entry).isUnchangedSince(checked);
        });
        if (!moved.moved()) {
            *reason = moved.reason;
            return false;
        }
        m_trashed.insert(path, moved.trashedPath);
        return true;
    }
    // Removed only while the entry is still the file just compared, or the kept copy itself
    // renamed onto this name, whose held descriptor writes it back afterwards.
    const FileUtils::Removal removal
        = FileUtils::removeUnder(root, path, FileUtils::Expect::File, [checked, kept](const struct stat &entry) {
              const FileIdentity found = FileIdentity::fromStat(entry);
              return S_ISREG(entry.st_mode) && (found.isUnchangedSince(checked) || found == kept);
          });
    *reason = removal.reason;
    return removal.removed();
}
