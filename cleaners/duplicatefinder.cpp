#include "duplicatefinder.h"

#include "app/logger.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QThread>
#include <QThreadPool>

#include <algorithm>
#include <functional>
#include <memory>

#include <xxhash.h>

#include <sys/stat.h>

namespace {

constexpr qint64 QuickHashBytes = 65536;
constexpr qint64 FullHashChunkBytes = 1048576;
constexpr int MaxHelperThreads = 3;
constexpr int HeadBatchFiles = 256;

const QStringList &skippedPrefixes()
{
    static const QStringList prefixes {
        QStringLiteral("/proc"),
        QStringLiteral("/sys"),
        QStringLiteral("/dev"),
        QStringLiteral("/.Trash"),
        QStringLiteral("/.Spotlight-V100"),
        QStringLiteral("/System/Volumes/Data/.Spotlight-V100"),
    };
    return prefixes;
}

bool isSkipped(const QString &path)
{
    const QStringList &prefixes = skippedPrefixes();
    return std::any_of(
        prefixes.cbegin(), prefixes.cend(), [&](const QString &prefix) { return path.startsWith(prefix); });
}

// Identity of a file on disk: two paths with the same identity are the same file.
struct FileIdentity
{
    dev_t device;
    ino_t inode;
    bool operator==(const FileIdentity &other) const
    {
        return device == other.device && inode == other.inode;
    }
};

size_t qHash(const FileIdentity &id, size_t seed = 0)
{
    return qHashMulti(seed, quint64(id.device), quint64(id.inode));
}

QByteArray readHead(const QString &path, bool *readable)
{
    QFile file(path);
    *readable = file.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    return *readable ? file.read(QuickHashBytes) : QByteArray();
}

QByteArray canonicalDigest(XXH128_hash_t hash)
{
    XXH128_canonical_t canonical;
    XXH128_canonicalFromHash(&canonical, hash);
    return QByteArray(reinterpret_cast<const char *>(canonical.digest), sizeof canonical.digest);
}

// Fast non-cryptographic digest of the first 64 KiB; empty when the file cannot be read.
QByteArray fastHeadDigest(const QString &path)
{
    bool readable = false;
    const QByteArray head = readHead(path, &readable);
    return readable ? canonicalDigest(XXH3_128bits(head.constData(), size_t(head.size()))) : QByteArray();
}

// Reads a file once in 1 MiB chunks into the digests given (either may be null). False when the
// file cannot be opened or the scan is stopped.
bool streamContent(const QString &path, XXH3_state_t *fast, QCryptographicHash *md5, const std::atomic<bool> &cancelled)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return false;
    thread_local QByteArray chunk(FullHashChunkBytes, Qt::Uninitialized);
    for (;;) {
        if (cancelled)
            return false;
        const qint64 got = file.read(chunk.data(), chunk.size());
        if (got <= 0)
            break;
        if (fast)
            XXH3_128bits_update(fast, chunk.constData(), size_t(got));
        if (md5)
            md5->addData(QByteArrayView(chunk.constData(), got));
    }
    return !cancelled;
}

// Whole-content digests of one file: always the fast one, the MD5 only when asked for.
struct ContentDigest
{
    QString path;
    bool withMd5 = false;
    QByteArray fast;
    QByteArray md5;
};

void digestContent(ContentDigest &digest, const std::atomic<bool> &cancelled)
{
    const std::unique_ptr<XXH3_state_t, decltype(&XXH3_freeState)> state(XXH3_createState(), &XXH3_freeState);
    XXH3_128bits_reset(state.get());
    QCryptographicHash md5(QCryptographicHash::Md5);
    if (!streamContent(digest.path, state.get(), digest.withMd5 ? &md5 : nullptr, cancelled))
        return;
    digest.fast = canonicalDigest(XXH3_128bits_digest(state.get()));
    if (digest.withMd5)
        digest.md5 = md5.result();
}

// Runs job(0) .. job(count - 1) on the calling thread and the pool's threads together.
void runInParallel(QThreadPool &pool, int count, const std::function<void(int)> &job)
{
    std::atomic<int> next { 0 };
    const auto work = [&] {
        for (int i = next++; i < count; i = next++)
            job(i);
    };
    const int helpers = qMin(pool.maxThreadCount(), count - 1);
    for (int i = 0; i < helpers; ++i)
        pool.start(work);
    work();
    pool.waitForDone();
}

} // namespace

// Fast head digests of every candidate in examination order, computed ahead in parallel
// batches while the scan reports the files one by one.
class DuplicateFinder::HeadDigests
{
public:
    HeadDigests(const QStringList &paths, QThreadPool &pool, const std::atomic<bool> &cancelled)
        : m_paths(paths)
        , m_digests(paths.size())
        , m_pool(pool)
        , m_cancelled(cancelled)
    {
    }

    QByteArray at(int index)
    {
        while (index >= m_computed) {
            const int begin = m_computed;
            const int end = qMin<int>(begin + HeadBatchFiles, int(m_paths.size()));
            runInParallel(m_pool, end - begin, [&](int i) {
                if (!m_cancelled)
                    m_digests[begin + i] = fastHeadDigest(m_paths.at(begin + i));
            });
            m_computed = end;
        }
        return m_digests.at(index);
    }

private:
    const QStringList &m_paths;
    QList<QByteArray> m_digests;
    QThreadPool &m_pool;
    const std::atomic<bool> &m_cancelled;
    int m_computed = 0;
};

DuplicateFinder::DuplicateFinder(QObject *parent)
    : QObject(parent)
{
    qRegisterMetaType<DuplicateGroup>();
}

void DuplicateFinder::startScan()
{
    cancelled = false;
    scannedCount = 0;
    totalCount = 0;
    Logger::instance()->info(
        QStringLiteral("DuplicateFinder: scan start, dirs=") + directories.join(QStringLiteral(", ")));

    const QMap<qint64, QStringList> bySize = collectBySize();
    QMap<qint64, QStringList> candidates;
    for (auto it = bySize.cbegin(); it != bySize.cend(); ++it) {
        if (it.value().size() >= 2) {
            candidates.insert(it.key(), it.value());
            totalCount += int(it.value().size());
        }
    }
    emit scanStarted(totalCount);
    hashAndEmit(candidates);
}

QMap<qint64, QStringList> DuplicateFinder::collectBySize()
{
    QMap<qint64, QStringList> bySize;
    QSet<FileIdentity> seen;
    for (const QString &directory : std::as_const(directories)) {
        if (cancelled)
            break;
        const QString root = QDir::cleanPath(directory);
        if (!QFileInfo(root).isDir())
            continue;
        QDirIterator it(
            root, QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        while (!cancelled && it.hasNext()) {
            const QString path = it.next();
            if (isSkipped(path))
                continue;
            struct stat info;
            if (::lstat(QFile::encodeName(path).constData(), &info) != 0 || !S_ISREG(info.st_mode))
                continue;
            if (info.st_size < minSize)
                continue;
            const FileIdentity id { info.st_dev, info.st_ino };
            if (seen.contains(id))
                continue;
            seen.insert(id);
            bySize[info.st_size].append(path);
        }
    }
    return bySize;
}

void DuplicateFinder::hashAndEmit(const QMap<qint64, QStringList> &candidates)
{
    m_groupCount = 0;
    m_wasteTotal = 0;
    QList<qint64> sizes = candidates.keys();
    std::sort(sizes.begin(), sizes.end(), std::greater<qint64>());
    QStringList examinationOrder;
    for (const qint64 size : std::as_const(sizes))
        examinationOrder.append(candidates.value(size));

    QThreadPool pool;
    pool.setMaxThreadCount(qBound(1, QThread::idealThreadCount() - 1, MaxHelperThreads));
    HeadDigests heads(examinationOrder, pool, cancelled);
    int nextIndex = 0;
    for (const qint64 size : std::as_const(sizes)) {
        if (cancelled)
            break;
        bool stopped = false;
        const QMap<QByteArray, QStringList> buckets = headBuckets(candidates.value(size), heads, nextIndex, stopped);
        if (stopped || !emitSizeClass(size, buckets, pool))
            return;
    }

    if (!cancelled)
        emit scanFinished(m_groupCount, m_wasteTotal);
    Logger::instance()->info(
        QStringLiteral("DuplicateFinder: %1 groups, wasted %2 bytes").arg(m_groupCount).arg(m_wasteTotal));
}

QMap<QByteArray, QStringList> DuplicateFinder::headBuckets(
    const QStringList &paths, HeadDigests &heads, int &nextIndex, bool &stopped)
{
    QMap<QByteArray, QStringList> byHead;
    for (const QString &path : paths) {
        if (cancelled) {
            stopped = true;
            return {};
        }
        const QByteArray digest = heads.at(nextIndex++);
        if (!digest.isEmpty())
            byHead[digest].append(path);
        ++scannedCount;
        emit progress(scannedCount, totalCount, path);
    }

    // Buckets are ordered by the MD5 of the shared head; the heads of one bucket are identical,
    // so one readable member gives it.
    QMap<QByteArray, QStringList> byMd5;
    for (const QStringList &bucket : std::as_const(byHead)) {
        if (bucket.size() < 2)
            continue;
        for (const QString &path : bucket) {
            const QByteArray md5 = quickHash(path);
            if (!md5.isEmpty()) {
                byMd5.insert(md5, bucket);
                break;
            }
        }
    }
    return byMd5;
}

bool DuplicateFinder::emitSizeClass(qint64 size, const QMap<QByteArray, QStringList> &buckets, QThreadPool &pool)
{
    if (size > QuickHashBytes)
        return emitFullDigestGroups(size, buckets, pool);
    // The head of a file this small is its whole content.
    for (auto it = buckets.cbegin(); it != buckets.cend() && !cancelled; ++it)
        emitGroup(size, it.key(), it.value());
    return true;
}

bool DuplicateFinder::emitFullDigestGroups(qint64 size, const QMap<QByteArray, QStringList> &buckets, QThreadPool &pool)
{
    // Every member is read once for its fast digest; the first member of each bucket also gets
    // its MD5 in the same pass, which is the group's hash whenever the bucket holds true copies.
    QList<ContentDigest> digests;
    for (const QStringList &bucket : buckets) {
        for (int i = 0; i < bucket.size(); ++i)
            digests.append(ContentDigest { bucket.at(i), i == 0, {}, {} });
    }
    runInParallel(pool, int(digests.size()), [&](int i) { digestContent(digests[i], cancelled); });
    if (cancelled)
        return false;

    int first = 0;
    for (const QStringList &bucket : buckets) {
        if (cancelled)
            break;
        QMap<QByteArray, QList<int>> byContent;
        for (int i = first; i < first + bucket.size(); ++i) {
            if (!digests.at(i).fast.isEmpty())
                byContent[digests.at(i).fast].append(i);
        }
        first += int(bucket.size());

        QMap<QByteArray, QStringList> byMd5;
        for (const QList<int> &members : std::as_const(byContent)) {
            if (members.size() < 2)
                continue;
            QStringList paths;
            for (const int i : members)
                paths.append(digests.at(i).path);
            QByteArray md5 = digests.at(members.first()).md5;
            for (int i = 0; md5.isEmpty() && i < paths.size() && !cancelled; ++i)
                md5 = fullHash(paths.at(i));
            if (cancelled)
                return false;
            if (!md5.isEmpty())
                byMd5.insert(md5, paths);
        }
        for (auto it = byMd5.cbegin(); it != byMd5.cend() && !cancelled; ++it)
            emitGroup(size, it.key(), it.value());
    }
    return true;
}

void DuplicateFinder::emitGroup(qint64 size, const QByteArray &md5, const QStringList &paths)
{
    DuplicateGroup group;
    group.hash = QString::fromLatin1(md5.toHex());
    group.fileSize = size;
    for (const QString &path : paths)
        group.files.append(DuplicateFile { path, size, QFileInfo(path).lastModified() });
    emit duplicateGroupFound(group);
    ++m_groupCount;
    m_wasteTotal += qMax<qint64>(group.files.size() - 1, 0) * size;
}

QByteArray DuplicateFinder::quickHash(const QString &path) const
{
    bool readable = false;
    const QByteArray head = readHead(path, &readable);
    return readable ? QCryptographicHash::hash(head, QCryptographicHash::Md5) : QByteArray();
}

QByteArray DuplicateFinder::fullHash(const QString &path) const
{
    QCryptographicHash md5(QCryptographicHash::Md5);
    return streamContent(path, nullptr, &md5, cancelled) ? md5.result() : QByteArray();
}
