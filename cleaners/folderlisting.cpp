#include "folderlisting.h"

#include <cerrno>

#include "core/fileutils.h"
#include "core/logger.h"
#include "core/pinnedroot.h"
#include "core/treewalker.h"

#include <QFile>
#include <QThreadPool>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <vector>

#include <dirent.h>
#include <fnmatch.h>
#include <sys/stat.h>

namespace {

bool isHiddenEntry(const char *name, const struct stat &info)
{
#ifdef UF_HIDDEN
    if (info.st_flags & UF_HIDDEN)
        return true;
#else
    Q_UNUSED(info)
#endif
    return name[0] == '.';
}

// Into an empty list the items are shared, not copied one by one.
void appendAll(QList<CleanItem> &items, const QList<CleanItem> &more)
{
    if (items.isEmpty())
        items = more;
    else
        items.append(more);
}

} // namespace

class FolderListing::NameFilter
{
public:
    explicit NameFilter(const QStringList &patterns)
    {
        for (const QString &pattern : patterns) {
            if (pattern == QLatin1String("*"))
                m_matchAll = true;
            else if (isAsciiSuffixPattern(pattern))
                m_suffixes.append(pattern.mid(1).toLatin1().toLower());
            else
                m_patterns.append(QFile::encodeName(pattern));
        }
    }

    bool matchesAll() const
    {
        return m_matchAll;
    }

    bool matches(const char *name) const
    {
        if (m_matchAll)
            return true;
        const size_t nameLength = std::strlen(name);
        for (const QByteArray &suffix : m_suffixes) {
            if (nameLength >= size_t(suffix.size())
                && qstrnicmp(name + nameLength - suffix.size(), suffix.constData(), suffix.size()) == 0)
                return true;
        }
        for (const QByteArray &pattern : m_patterns) {
            if (::fnmatch(pattern.constData(), name, FNM_CASEFOLD) == 0)
                return true;
        }
        return false;
    }

private:
    // "*.log" and the like: a case-insensitive comparison of the name's end does what fnmatch
    // does, without its conversion of every name to wide characters.
    static bool isAsciiSuffixPattern(const QString &pattern)
    {
        if (pattern.size() < 2 || pattern.front() != QLatin1Char('*'))
            return false;
        for (const QChar c : QStringView(pattern).mid(1)) {
            if (c.unicode() > 127 || c == QLatin1Char('*') || c == QLatin1Char('?') || c == QLatin1Char('[')
                || c == QLatin1Char('\\'))
                return false;
        }
        return true;
    }

    QList<QByteArray> m_suffixes;
    QList<QByteArray> m_patterns;
    bool m_matchAll = false;
};

// Collects the listing of one root. The folders entered form a stack mirroring the walk's, so
// the files visited belong to the folder on top, and a folder's range of items is known when it
// is left.
class FolderListing::Walk final : public TreeWalker::Visitor
{
public:
    Walk(const NameFilter &filter, bool recursive, const QString &rootPath, const std::function<bool()> &stop,
        Listing &listing)
        : m_filter(filter)
        , m_recursive(recursive)
        , m_stop(stop)
        , m_listing(listing)
    {
        m_open.append({ rootPath, listing.items.size() });
    }

    void visitFile(const TreeWalker::Entry &entry) override
    {
        const QByteArray &name = entry.name();
        if (entry.type() != DT_REG || name.startsWith('.') || !m_filter.matches(name.constData()))
            return;
        struct stat info;
        if (!entry.stat(&info) || !S_ISREG(info.st_mode) || isHiddenEntry(name.constData(), info))
            return;
        QString path;
        if (!childPath(entry, &path))
            return;
        m_listing.items.append(CleanItem(path, firstName(info) ? FileUtils::allocatedSize(info) : 0));
    }

    bool enterFolder(const TreeWalker::Entry &entry) override
    {
        if (!m_recursive || entry.name().startsWith('.'))
            return false;
#ifdef UF_HIDDEN
        // Only where folders carry a hidden flag is there more to check than the name.
        struct stat info;
        if (!entry.stat(&info) || isHiddenEntry(entry.name().constData(), info))
            return false;
#endif
        QString path;
        if (!childPath(entry, &path))
            return false;
        m_open.append({ path, m_listing.items.size() });
        return true;
    }

    void leaveFolder(const TreeWalker::Entry &) override
    {
        close();
    }

    void otherDevice(const TreeWalker::Entry &) override
    {
        Logger::instance()->info(
            QStringLiteral("Skipping %1: another volume is mounted there").arg(m_open.last().path));
        m_open.removeLast();
    }

    void failed(const TreeWalker::Entry &, int error) override
    {
        if (error == EACCES || error == EPERM)
            m_listing.unreadable.append(m_open.last().path);
        m_open.removeLast();
    }

    bool stopRequested() override
    {
        return m_stop();
    }

    // False for a file already listed under another name of this walk (a hard link): its space
    // is counted once.
    bool firstName(const struct stat &info)
    {
        if (info.st_nlink < 2)
            return true;
        const QPair<quint64, quint64> key { quint64(info.st_dev), quint64(info.st_ino) };
        if (m_linkedSeen.contains(key))
            return false;
        m_linkedSeen.insert(key);
        return true;
    }

    // Records the root's range once the walk is over.
    void finish()
    {
        while (!m_open.isEmpty())
            close();
    }

private:
    struct OpenFolder
    {
        QString path;
        qsizetype first;
    };

    void close()
    {
        const OpenFolder folder = m_open.takeLast();
        m_listing.folders.insert(folder.path, { folder.first, m_listing.items.size() });
    }

    // The path of an entry of the folder on top. A plain ASCII name (most are) is widened straight
    // into the path, without a string of its own.
    bool childPath(const TreeWalker::Entry &entry, QString *path) const
    {
        const QByteArray &name = entry.name();
        const QString &folder = m_open.last().path;
        if (std::all_of(name.cbegin(), name.cend(), [](char c) { return uchar(c) < 0x80; })) {
            *path = folder + QLatin1Char('/') + QLatin1String(name);
            return true;
        }
        QString decoded;
        if (!textName(entry, &decoded))
            return false;
        *path = folder + QLatin1Char('/') + decoded;
        return true;
    }

    bool textName(const TreeWalker::Entry &entry, QString *name) const
    {
        if (FileUtils::decodeName(entry.name(), name))
            return true;
        Logger::instance()->warning(
            QStringLiteral("Skipping %1/%2: the name is not valid text")
                .arg(m_open.last().path, QString::fromLatin1(entry.name().toPercentEncoding("/"))));
        return false;
    }

    const NameFilter &m_filter;
    const bool m_recursive;
    const std::function<bool()> &m_stop;
    Listing &m_listing;
    QList<OpenFolder> m_open;
    QSet<QPair<quint64, quint64>> m_linkedSeen;
};

FolderListing::FolderListing(std::function<bool()> stopRequested)
    : m_stopRequested(std::move(stopRequested))
{
}

void FolderListing::clear()
{
    m_listings.clear();
    const QMutexLocker locker(&m_unreadableMutex);
    m_unreadable.clear();
}

QStringList FolderListing::unreadableFolders() const
{
    const QMutexLocker locker(&m_unreadableMutex);
    QStringList folders(m_unreadable.cbegin(), m_unreadable.cend());
    folders.sort();
    return folders;
}

void FolderListing::list(const PinnedRoot &root, const QStringList &patterns, bool recursive, QList<CleanItem> &items)
{
    const NameFilter filter(patterns);
    if (listFromMemory(root.path(), filter, recursive, items))
        return;
    Listing listing;
    const bool complete = walk(root, filter, recursive, listing);
    appendAll(items, listing.items);
    // Only a complete listing of every file answers later questions.
    if (complete && filter.matchesAll() && recursive)
        m_listings.append(listing);
}

void FolderListing::listAhead(const QList<PinnedRoot> &roots, int threads)
{
    struct Ahead
    {
        Listing listing;
        bool complete = false;
    };
    const NameFilter everything({ QStringLiteral("*") });
    // One slot per root, written only by the thread that took the root.
    std::vector<Ahead> ahead(roots.size());
    std::atomic<qsizetype> next { 0 };
    const auto work = [&] {
        for (qsizetype index = next++; index < roots.size(); index = next++)
            ahead[index].complete = walk(roots.at(index), everything, true, ahead[index].listing);
    };
    QThreadPool helpers;
    helpers.setMaxThreadCount(std::max(1, threads - 1));
    for (qsizetype helper = 1; helper < std::min<qsizetype>(threads, roots.size()); ++helper)
        helpers.start(work);
    work();
    helpers.waitForDone();
    for (const Ahead &root : ahead) {
        if (root.complete)
            m_listings.append(root.listing);
    }
}

bool FolderListing::walk(const PinnedRoot &root, const NameFilter &filter, bool recursive, Listing &listing) const
{
    if (!root.isOpen())
        return false;
    Walk walk(filter, recursive, root.path(), m_stopRequested, listing);
    const TreeWalker::Outcome outcome = TreeWalker::walk(root.fd(), QFile::encodeName(root.path()), walk);
    walk.finish();
    if (!listing.unreadable.isEmpty()) {
        const QMutexLocker locker(&m_unreadableMutex);
        for (const QString &folder : std::as_const(listing.unreadable))
            m_unreadable.insert(folder);
    }
    return outcome != TreeWalker::Outcome::Stopped && outcome != TreeWalker::Outcome::Aborted;
}

bool FolderListing::listFromMemory(
    const QString &folder, const NameFilter &filter, bool recursive, QList<CleanItem> &items) const
{
    for (const Listing &listing : m_listings) {
        const auto range = listing.folders.constFind(folder);
        if (range == listing.folders.cend())
            continue;
        // The whole listing asked again (an enclosing folder listed ahead of its rule): shared,
        // not copied item by item.
        if (recursive && filter.matchesAll() && range->first == 0 && range->second == listing.items.size()) {
            appendAll(items, listing.items);
            return true;
        }
        const qsizetype directChildSlash = folder.size();
        for (qsizetype i = range->first; i < range->second; ++i) {
            const CleanItem &item = listing.items.at(i);
            if (!recursive && item.path.lastIndexOf(QLatin1Char('/')) != directChildSlash)
                continue;
            if (filter.matchesAll() || filter.matches(QFile::encodeName(item.name()).constData()))
                items.append(item);
        }
        return true;
    }
    return false;
}
