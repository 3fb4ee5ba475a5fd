#include "keepingremoval.h"

#include "pinnedroot.h"

#include <QByteArray>
#include <QFile>
#include <QList>

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

// The names in the folder open at fd (not followed), without "." and "..".
QList<QByteArray> listNames(int fd, bool *ok)
{
    QList<QByteArray> names;
    const int listFd = ::openat(fd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NOFOLLOW);
    DIR *dir = listFd >= 0 ? ::fdopendir(listFd) : nullptr;
    if (!dir) {
        if (listFd >= 0)
            ::close(listFd);
        *ok = false;
        return names;
    }
    while (const dirent *entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (name != "." && name != "..")
            names.append(name);
    }
    ::closedir(dir);
    *ok = true;
    return names;
}

} // namespace

KeepingRemoval::Outcome KeepingRemoval::removeKeeping(
    const PinnedRoot &root, const QString &folder, const QSet<QString> &keep)
{
    Outcome outcome;
    const auto fail = [&outcome](const QString &reason, const QString &shownReason) {
        if (outcome.complete) {
            outcome.reason = reason;
            outcome.shownReason = shownReason;
        }
        outcome.complete = false;
    };
    // The folder and every folder between it and a kept entry.
    QSet<QString> onTheWay { folder };
    for (const QString &kept : keep) {
        if (!kept.startsWith(folder + QLatin1Char('/')))
            continue;
        for (qsizetype end = kept.lastIndexOf(QLatin1Char('/')); end > folder.size();
             end = kept.lastIndexOf(QLatin1Char('/'), end - 1))
            onTheWay.insert(kept.left(end));
    }
    for (const QString &dirPath : std::as_const(onTheWay)) {
        const PinnedRoot dir = PinnedRoot::open(dirPath, root.path());
        if (dir.status() == PinnedRoot::Missing)
            continue;
        if (!dir.isOpen()) {
            fail(dirPath + QStringLiteral(": ") + dir.reason(), QString());
            continue;
        }
        bool listed = false;
        const QList<QByteArray> names = listNames(dir.fd(), &listed);
        if (!listed) {
            fail(dirPath + QStringLiteral(": cannot be listed"), FileUtils::shownError(errno));
            continue;
        }
        const QByteArray dirBytes = QFile::encodeName(dir.path());
        for (const QByteArray &name : names) {
            QString shownName;
            const bool named = FileUtils::decodeName(name, &shownName);
            const QString path = dir.path() + QLatin1Char('/') + shownName;
            if (named && (keep.contains(path) || onTheWay.contains(path)))
                continue;
            const QByteArray childBytes = QByteArray(dirBytes).append('/').append(name);
            const FileUtils::Removal removal = FileUtils::removeUnder(dir, childBytes, FileUtils::Expect::Any);
            if (removal.removed()) {
                if (named)
                    outcome.removed.insert(path);
            } else if (removal.status != FileUtils::Removal::Missing) {
                fail(path + QStringLiteral(": ") + removal.reason, removal.shownReason);
            }
        }
    }
    return outcome;
}
