#include "duplicatefinder.h"

#include "fileidentity.h"

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
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

#include <xxhash.h>
#ifdef SWEEPNOOK_XXH_DISPATCH
#include <xxh_x86dispatch.h>
#endif

namespace {

constexpr qint64 QuickHashBytes = 65536;
constexpr qint64 FullHashChunkBytes = 1048576;
constexpr int MaxHashThreads = 4;
constexpr int LookAheadClasses = 64;

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

} // namespace

// What the analysis of one size class found, in the order it is to be reported.
struct DuplicateFinder::SizeClassResult
{
    QList<QPair<QByteArray, QStringList>> groups; // MD5 of the content, paths
    bool stopped = false; // the scan was stopped inside a per-file loop
};

namespace {

// Analyses size classes on a pool of threads, at most LookAheadClasses ahead of the reader,
// and hands the results over in class order.
class SizeClassPipeline
{
public:
    using Result = DuplicateFinder::SizeClassResult;

    SizeClassPipeline(int count, std::function<Result(int)> analyze)
        : m_analyze(std::move(analyze))
        , m_results(size_t(count))
        , m_done(size_t(count), false)
    {
        const int threads = qMin(count, qBound(2, QThread::idealThreadCount(), MaxHashThreads));
        m_pool.setMaxThreadCount(qMax(threads, 1));
        for (int i = 0; i < threads; ++i)
            m_pool.start([this] { work(); });
    }

    ~SizeClassPipeline()
    {
        {
            const std::lock_guard<std::mutex> lock(m_mutex);
            m_abandoned = true;
        }
        m_changed.notify_all();
        m_pool.waitForDone();
    }

    Result take(int index)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_changed.wait(lock, [&] { return bool(m_done[size_t(index)]); });
        m_taken = index + 1;
        m_changed.notify_all();
        return std::move(m_results[size_t(index)]);
    }

private:
    void work()
    {
        const int count = int(m_results.size());
        for (;;) {
            int index = 0;
            {
                std::unique_lock<std::mutex> lock(m_mutex);
                m_changed.wait(
                    lock, [&] { return m_abandoned || m_next >= count || m_next < m_taken + LookAheadClasses; });
                if (m_abandoned || m_next >= count)
                    return;
                index = m_next++;
            }
            Result result = m_analyze(index);
            {
                const std::lock_guard<std::mutex> lock(m_mutex);
                m_results[size_t(index)] = std::move(result);
                m_done[size_t(index)] = true;
            }
            m_changed.notify_all();
        }
    }

    std::function<Result(int)> m_analyze;
    std::vector<Result> m_results;
    std::vector<bool> m_done;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    int m_next = 0;
    int m_taken = 0;
    bool m_abandoned = false;
    QThreadPool m_pool;
};

} // namespace

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
            const std::optional<FileIdentity> identity = FileIdentity::ofRegularFile(path);
            if (!identity || identity->size < minSize || seen.contains(*identity))
                continue;
            seen.insert(*identity);
            bySize[identity->size].append(path);
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

    // The classes are analysed ahead on other threads; progress and groups are reported here,
    // class by class, in the order a one-by-one scan would report them.
    SizeClassPipeline pipeline(int(sizes.size()),
        [&](int index) { return analyzeSizeClass(sizes.at(index), candidates.value(sizes.at(index))); });
    for (int index = 0; index < sizes.size(); ++index) {
        if (cancelled)
            break;
        const qint64 size = sizes.at(index);
        const SizeClassResult result = pipeline.take(index);
        for (const QString &path : candidates.value(size)) {
            if (cancelled)
                return;
            ++scannedCount;
            emit progress(scannedCount, totalCount, path);
        }
        if (result.stopped)
            return;
        for (const auto &[md5, paths] : result.groups) {
            if (cancelled)
                break;
            emitGroup(size, md5, paths);
        }
    }

    if (!cancelled)
        emit scanFinished(m_groupCount, m_wasteTotal);
    Logger::instance()->info(
        QStringLiteral("DuplicateFinder: %1 groups, wasted %2 bytes").arg(m_groupCount).arg(m_wasteTotal));
}

DuplicateFinder::SizeClassResult DuplicateFinder::analyzeSizeClass(qint64 size, const QStringList &paths) const
{
    SizeClassResult result;
    QMap<QByteArray, QStringList> byHead;
    for (const QString &path : paths) {
        if (cancelled) {
            result.stopped = true;
            return result;
        }
        const QByteArray digest = fastHeadDigest(path);
        if (!digest.isEmpty())
            byHead[digest].append(path);
    }

    QList<QStringList> shared;
    for (const QStringList &bucket : std::as_const(byHead)) {
        if (bucket.size() >= 2)
            shared.append(bucket);
    }
    if (size <= QuickHashBytes) {
        // The head of a file this small is its whole content: each bucket is a group.
        for (const auto &[md5, bucket] : orderByHeadMd5(shared))
            result.groups.append({ md5, bucket });
        return result;
    }
    // Only the order of several buckets needs their heads' MD5; groups get theirs from the content.
    const QList<QPair<QByteArray, QStringList>> buckets = shared.size() == 1
        ? QList<QPair<QByteArray, QStringList>> { { QByteArray(), shared.first() } }
        : orderByHeadMd5(shared);
    for (const auto &bucket : buckets) {
        if (cancelled)
            return result;
        result.stopped = !appendFullDigestGroups(bucket.second, result.groups);
        if (result.stopped)
            return result;
    }
    return result;
}

QList<QPair<QByteArray, QStringList>> DuplicateFinder::orderByHeadMd5(const QList<QStringList> &buckets) const
{
    // The heads of one bucket are identical, so one readable member gives the bucket's MD5.
    QMap<QByteArray, QStringList> byMd5;
    for (const QStringList &bucket : buckets) {
        for (const QString &path : bucket) {
            const QByteArray md5 = quickHash(path);
            if (!md5.isEmpty()) {
                byMd5.insert(md5, bucket);
                break;
            }
        }
    }
    QList<QPair<QByteArray, QStringList>> ordered;
    for (auto it = byMd5.cbegin(); it != byMd5.cend(); ++it)
        ordered.append({ it.key(), it.value() });
    return ordered;
}

bool DuplicateFinder::appendFullDigestGroups(
    const QStringList &bucket, QList<QPair<QByteArray, QStringList>> &groups) const
{
    // Every member is read once for its fast digest; the first also gets its MD5 in the same
    // pass, which is the group's hash whenever the bucket holds true copies.
    QMap<QByteArray, QStringList> byContent;
    QByteArray firstMd5;
    for (int i = 0; i < bucket.size(); ++i) {
        ContentDigest digest { bucket.at(i), i == 0, {}, {} };
        digestContent(digest, cancelled);
        if (cancelled)
            return false;
        if (!digest.fast.isEmpty())
            byContent[digest.fast].append(digest.path);
        if (i == 0)
            firstMd5 = digest.md5;
    }

    QMap<QByteArray, QStringList> byMd5;
    for (const QStringList &paths : std::as_const(byContent)) {
        if (paths.size() < 2)
            continue;
        QByteArray md5 = paths.first() == bucket.first() ? firstMd5 : QByteArray();
        for (int i = 0; md5.isEmpty() && i < paths.size(); ++i)
            md5 = fullHash(paths.at(i));
        if (cancelled)
            return false;
        if (!md5.isEmpty())
            byMd5.insert(md5, paths);
    }
    for (auto it = byMd5.cbegin(); it != byMd5.cend(); ++it)
        groups.append({ it.key(), it.value() });
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
