#include "folderlisting.h"

#include <QFile>

#include <cstring>

#include <dirent.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <sys/stat.h>
#include <unistd.h>

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

FolderListing::FolderListing(std::function<bool()> stopRequested)
    : m_stopRequested(std::move(stopRequested))
{
}

void FolderListing::clear()
{
    m_listings.clear();
}

void FolderListing::list(const QString &folder, const QStringList &patterns, bool recursive, QList<CleanItem> &items)
{
    const NameFilter filter(patterns);
    if (listFromMemory(folder, filter, recursive, items))
        return;
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    Listing listing;
    walkFolder(fd, folder, filter, recursive, listing);
    if (items.isEmpty())
        items = listing.items;
    else
        items.append(listing.items);
    // Only a complete listing of every file answers later questions.
    if (filter.matchesAll() && recursive && !m_stopRequested())
        m_listings.append(listing);
}

bool FolderListing::listFromMemory(
    const QString &folder, const NameFilter &filter, bool recursive, QList<CleanItem> &items) const
{
    for (const Listing &listing : m_listings) {
        const auto range = listing.folders.constFind(folder);
        if (range == listing.folders.cend())
            continue;
        const qsizetype directChildSlash = folder.size();
        for (qsizetype i = range->first; i < range->second; ++i) {
            const CleanItem &item = listing.items.at(i);
            if (!recursive && item.path.lastIndexOf(QLatin1Char('/')) != directChildSlash)
                continue;
            if (filter.matchesAll() || filter.matches(QFile::encodeName(item.name).constData()))
                items.append(item);
        }
        return true;
    }
    return false;
}

// Takes ownership of dirFd. The files of a folder come first, then its subfolders in order, so
// the items below any folder form one contiguous range of the listing.
void FolderListing::walkFolder(
    int dirFd, const QString &folder, const NameFilter &filter, bool recursive, Listing &listing)
{
    DIR *dir = ::fdopendir(dirFd);
    if (!dir) {
        ::close(dirFd);
        return;
    }
    const qsizetype first = listing.items.size();
    QList<QByteArray> subfolders;
    while (const dirent *entry = ::readdir(dir)) {
        if (m_stopRequested())
            break;
        const char *name = entry->d_name;
        if (name[0] == '.')
            continue;
        unsigned char type = entry->d_type;
        struct stat info;
        bool haveInfo = false;
        if (type == DT_UNKNOWN) {
            if (::fstatat(dirFd, name, &info, AT_SYMLINK_NOFOLLOW) != 0)
                continue;
            type = S_ISDIR(info.st_mode) ? DT_DIR : S_ISREG(info.st_mode) ? DT_REG : DT_UNKNOWN;
            haveInfo = true;
        }
        if (type == DT_DIR) {
            if (recursive)
                subfolders.append(QByteArray(name));
            continue;
        }
        if (type != DT_REG || !filter.matches(name))
            continue;
        if (!haveInfo && ::fstatat(dirFd, name, &info, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        if (!S_ISREG(info.st_mode) || isHiddenEntry(name, info))
            continue;
        const QString fileName = QFile::decodeName(name);
        listing.items.append(CleanItem(fileName, folder + QLatin1Char('/') + fileName, info.st_size));
    }
    for (const QByteArray &name : std::as_const(subfolders)) {
        if (m_stopRequested())
            break;
        const int childFd = ::openat(dirFd, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (childFd < 0)
            continue;
#ifdef UF_HIDDEN
        // Only where folders carry a hidden flag is there more to check than the name.
        struct stat info;
        if (::fstat(childFd, &info) != 0 || isHiddenEntry(name.constData(), info)) {
            ::close(childFd);
            continue;
        }
#endif
        walkFolder(childFd, folder + QLatin1Char('/') + QFile::decodeName(name), filter, recursive, listing);
    }
    ::closedir(dir);
    listing.folders.insert(folder, { first, listing.items.size() });
}
