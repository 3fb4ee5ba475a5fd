#include "hometrash.h"

#include "logger.h"
#include "pinnedroot.h"
#include "processrunner.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLocale>

#include <cerrno>
#include <cstring>

#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using Outcome = HomeTrash::Outcome;

constexpr int MaxFreeNames = 10000;
// The Finder may first ask the user for consent to be controlled, or for a password for an
// item owned by another user: give the user time to answer.
constexpr int FinderWaitMs = 60000;

Outcome notMoved(Outcome::Status status, const QString &reason, const QString &shownReason)
{
    Outcome outcome;
    outcome.status = status;
    outcome.reason = reason;
    outcome.shownReason = shownReason;
    return outcome;
}

// A reason of our own under context (listed for the catalogues with QT_TRANSLATE_NOOP); a %1
// in it takes arg.
Outcome ownReason(Outcome::Status status, const char *context, const char *text, const QString &arg = QString())
{
    QString english = QString::fromLatin1(text);
    QString shown = QCoreApplication::translate(context, text);
    if (english.contains(QLatin1String("%1"))) {
        english = english.arg(arg);
        shown = shown.arg(arg);
    }
    return notMoved(status, english, shown);
}

Outcome ownReason(Outcome::Status status, const char *text, const QString &arg = QString())
{
    return ownReason(status, "HomeTrash", text, arg);
}

Outcome systemFailure(int error)
{
    return notMoved(Outcome::Failed, QString::fromLocal8Bit(std::strerror(error)), FileUtils::shownError(error));
}

Outcome gone()
{
    return ownReason(Outcome::Missing, QT_TRANSLATE_NOOP("HomeTrash", "it is no longer there"));
}

bool sameEntry(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// osascript's arguments: the script, one line per "-e", then the path as the script's argument,
// so no file name can change the script's text. The script prints where the item went.
QStringList finderArguments(const QString &path)
{
    return { QStringLiteral("-e"), QStringLiteral("on run argv"), QStringLiteral("-e"),
        QStringLiteral("set target to (POSIX file (item 1 of argv)) as alias"), QStringLiteral("-e"),
        QStringLiteral("tell application \"Finder\" to set trashed to (delete target) as alias"), QStringLiteral("-e"),
        QStringLiteral("return POSIX path of trashed"), QStringLiteral("-e"), QStringLiteral("end run"), path };
}

// Why the Finder did not move the item.
Outcome finderFailure(const ProcessRunner::Result &run)
{
    if (!run.started)
        return ownReason(
            Outcome::Failed, QT_TRANSLATE_NOOP("HomeTrash", "the Finder could not be asked (osascript did not start)"));
    if (!run.finished)
        return ownReason(Outcome::Failed,
            QT_TRANSLATE_NOOP("HomeTrash",
                "the Finder did not answer within %1 seconds; it may be waiting for your permission or password"),
            QLocale().toString(FinderWaitMs / 1000));
    if (run.exitCode == 0)
        return ownReason(Outcome::Failed, QT_TRANSLATE_NOOP("HomeTrash", "the Finder left it where it was"));
    const QString said = QString::fromUtf8(run.errorOutput).trimmed();
    if (said.contains(QLatin1String("-1743")))
        return ownReason(Outcome::Failed,
            QT_TRANSLATE_NOOP("HomeTrash",
                "Sweepnook is not allowed to control the Finder (System Settings > Privacy & Security > Automation)"));
    if (said.isEmpty())
        return ownReason(Outcome::Failed, QT_TRANSLATE_NOOP("HomeTrash", "the Finder refused (exit code %1)"),
            QString::number(run.exitCode));
    return ownReason(Outcome::Failed, QT_TRANSLATE_NOOP("HomeTrash", "the Finder refused: %1"), said);
}

// name with addition before its extension ("Movie.mov" and "2" give "Movie 2.mov"), or at its
// end when it has none. A leading dot is no extension.
QByteArray withAddition(const QByteArray &name, const QByteArray &addition, bool keepExtension = true)
{
    const qsizetype dot = name.lastIndexOf('.');
    if (dot <= 0 || !keepExtension)
        return name + ' ' + addition;
    return name.left(dot) + ' ' + addition + name.mid(dot);
}

// One move of an entry, reached as name inside the open folder parentFd, into the Trash.
class TrashMove final
{
public:
    TrashMove(const PinnedRoot &root, const QString &path, int parentFd, const QByteArray &name)
        : m_root(root)
        , m_path(path)
        , m_parentFd(parentFd)
        , m_name(name)
    {
    }
    ~TrashMove()
    {
        ::close(m_parentFd);
        if (m_trashFd >= 0)
            ::close(m_trashFd);
    }
    TrashMove(const TrashMove &) = delete;
    TrashMove &operator=(const TrashMove &) = delete;

    Outcome run(const FileUtils::EntryCheck &check, const HomeTrash::Options &options)
    {
        struct stat entry;
        if (::fstatat(m_parentFd, m_name.constData(), &entry, AT_SYMLINK_NOFOLLOW) != 0)
            return errno == ENOENT ? gone() : systemFailure(errno);
        if (check && !check(entry))
            return changed();
        // Not even the Finder may take a mounted volume's folder (it would eject the volume).
        if (entry.st_dev != m_root.device())
            return ownReason(
                Outcome::Refused, "FileUtils", QT_TRANSLATE_NOOP("FileUtils", "another volume is mounted there"));
        if (!options.askFinder || S_ISLNK(entry.st_mode))
            return renamed(entry, options.naming);

        Outcome finder = askFinder(entry);
        if (finder.moved() || finder.status != Outcome::Failed)
            return finder;
        Logger::instance()->warning(
            QStringLiteral("[HomeTrash] The Finder did not move %1 to the Trash: %2").arg(m_path, finder.reason));
        // Left where it was: the entry is checked again before the rename.
        struct stat now;
        if (::fstatat(m_parentFd, m_name.constData(), &now, AT_SYMLINK_NOFOLLOW) != 0)
            return errno == ENOENT ? gone() : systemFailure(errno);
        if (!sameEntry(now, entry) || (check && !check(now)))
            return changed();
        Outcome outcome = renamed(now, options.naming);
        if (!outcome.moved()) {
            outcome.reason = finder.reason + QStringLiteral("; ") + outcome.reason;
            outcome.shownReason = finder.shownReason + QStringLiteral("; ") + outcome.shownReason;
        }
        return outcome;
    }

private:
    static Outcome changed()
    {
        return ownReason(
            Outcome::Refused, "FileUtils", QT_TRANSLATE_NOOP("FileUtils", "it changed since it was chosen"));
    }

    // Moved when the entry left its folder for a Trash; Failed when the Finder left it there.
    Outcome askFinder(const struct stat &entry)
    {
        // The Finder goes by the path: it must lead to the checked entry now.
        struct stat byPath;
        if (::lstat(QFile::encodeName(m_path).constData(), &byPath) != 0 || !sameEntry(byPath, entry)) {
            Logger::instance()->warning(
                QStringLiteral("[HomeTrash] %1 leads elsewhere now; the Finder is not asked").arg(m_path));
            return changed();
        }
        const ProcessRunner::Result finder
            = ProcessRunner::run(QStringLiteral("osascript"), finderArguments(m_path), FinderWaitMs);
        struct stat after;
        const bool stayed
            = ::fstatat(m_parentFd, m_name.constData(), &after, AT_SYMLINK_NOFOLLOW) == 0 && sameEntry(after, entry);
        if (stayed)
            return finderFailure(finder);
        // Gone from its folder (a late answer may still have done the work): only where the
        // Finder put it counts as moved.
        const QString where = foundInTrash(entry, QString::fromUtf8(finder.output));
        if (where.isEmpty()) {
            Logger::instance()->warning(
                QStringLiteral("[HomeTrash] %1 left its folder, but is not in the Trash").arg(m_path));
            return gone();
        }
        Outcome outcome;
        outcome.status = Outcome::Moved;
        outcome.trashedPath = where;
        outcome.byFinder = true;
        return outcome;
    }

    // Where the Finder put entry: the path it printed when that is the entry, else the entry
    // among the items of the home's Trash folder; empty when it is in neither.
    QString foundInTrash(const struct stat &entry, QString printed)
    {
        printed = printed.trimmed();
        while (printed.size() > 1 && printed.endsWith(QLatin1Char('/')))
            printed.chop(1);
        struct stat there;
        if (printed.startsWith(QLatin1Char('/')) && ::lstat(QFile::encodeName(printed).constData(), &there) == 0
            && sameEntry(there, entry))
            return printed;
        const int fd = trashFd() < 0 ? -1 : ::fcntl(m_trashFd, F_DUPFD_CLOEXEC, 0);
        DIR *folder = fd < 0 ? nullptr : ::fdopendir(fd);
        if (!folder) {
            if (fd >= 0)
                ::close(fd);
            return QString();
        }
        QString found;
        while (const dirent *item = ::readdir(folder)) {
            if (::fstatat(m_trashFd, item->d_name, &there, AT_SYMLINK_NOFOLLOW) == 0 && sameEntry(there, entry)
                && qstrcmp(item->d_name, ".") != 0 && qstrcmp(item->d_name, "..") != 0) {
                found = HomeTrash::folder() + QLatin1Char('/') + QFile::decodeName(item->d_name);
                break;
            }
        }
        ::closedir(folder);
        return found;
    }

    Outcome renamed(const struct stat &entry, HomeTrash::Naming naming)
    {
        if (trashFd() < 0)
            return ownReason(Outcome::Failed, QT_TRANSLATE_NOOP("HomeTrash", "the Trash folder cannot be used: %1"),
                FileUtils::shownError(m_trashError));
        struct stat trash;
        struct stat parent;
        if (::fstat(m_trashFd, &trash) != 0 || ::fstat(m_parentFd, &parent) != 0)
            return systemFailure(errno);
        if (trash.st_dev != entry.st_dev)
            return ownReason(
                Outcome::Failed, QT_TRANSLATE_NOOP("HomeTrash", "it is on another volume than your Trash"));
        if (sameEntry(trash, parent))
            return ownReason(Outcome::Failed, QT_TRANSLATE_NOOP("HomeTrash", "it is in the Trash already"));
        const QByteArray free = freeName(naming, hasExtension(entry));
        if (free.isEmpty())
            return ownReason(
                Outcome::Failed, QT_TRANSLATE_NOOP("HomeTrash", "too many items of that name in the Trash"));
        if (::renameat(m_parentFd, m_name.constData(), m_trashFd, free.constData()) != 0) {
            if (errno == ENOENT)
                return gone();
            if (errno == EXDEV)
                return ownReason(
                    Outcome::Failed, QT_TRANSLATE_NOOP("HomeTrash", "it is on another volume than your Trash"));
            return systemFailure(errno);
        }
        Outcome outcome;
        outcome.status = Outcome::Moved;
        outcome.trashedPath = HomeTrash::folder() + QLatin1Char('/') + QFile::decodeName(free);
        return outcome;
    }

    // Whether the entry's name ends in an extension that must stay last: a file's always; a
    // folder's only when the folder is a package ("Foo.app", "Photos Library.photoslibrary", or
    // any bundle holding Contents), not a folder named after an identifier ("com.foo.app" in
    // Caches or Containers, which would otherwise arrive as "com.foo 2.app").
    bool hasExtension(const struct stat &entry) const
    {
        if (!S_ISDIR(entry.st_mode) || m_name.count('.') == 1)
            return true;
        const int folder = ::openat(m_parentFd, m_name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (folder < 0)
            return false;
        struct stat contents;
        const bool bundle
            = ::fstatat(folder, "Contents", &contents, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(contents.st_mode);
        ::close(folder);
        return bundle;
    }

    // The first name of the naming's series that nothing in the Trash has; empty when the first
    // MaxFreeNames are all taken.
    QByteArray freeName(HomeTrash::Naming naming, bool keepExtension) const
    {
        const QByteArray stamp = QByteArray::number(QDateTime::currentSecsSinceEpoch());
        for (int n = 1; n <= MaxFreeNames; ++n) {
            QByteArray candidate = m_name;
            if (n > 1 && naming == HomeTrash::Naming::Numbered)
                candidate = withAddition(m_name, QByteArray::number(n), keepExtension);
            else if (n > 1)
                candidate
                    = withAddition(m_name, n == 2 ? stamp : stamp + ' ' + QByteArray::number(n - 1), keepExtension);
            struct stat taken;
            if (::fstatat(m_trashFd, candidate.constData(), &taken, AT_SYMLINK_NOFOLLOW) != 0 && errno == ENOENT)
                return candidate;
        }
        return QByteArray();
    }

    // The home's Trash folder, made if missing, opened once; -1 (with m_trashError) when it
    // cannot be (a link or a file there).
    int trashFd()
    {
        if (m_trashFd >= 0 || m_trashError != 0)
            return m_trashFd;
        const QByteArray trash = QFile::encodeName(HomeTrash::folder());
        if (::mkdir(trash.constData(), 0700) != 0 && errno != EEXIST)
            m_trashError = errno;
        else
            m_trashFd = ::open(trash.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (m_trashFd < 0 && m_trashError == 0)
            m_trashError = errno;
        return m_trashFd;
    }

    const PinnedRoot &m_root;
    const QString m_path;
    const int m_parentFd;
    const QByteArray m_name;
    int m_trashFd = -1;
    int m_trashError = 0;
};

} // namespace

QString HomeTrash::folder()
{
    return QDir::homePath() + QStringLiteral("/.Trash");
}

QString HomeTrash::numberedName(const QString &name, int n)
{
    return QFile::decodeName(withAddition(QFile::encodeName(name), QByteArray::number(n)));
}

HomeTrash::Outcome HomeTrash::moveUnder(
    const PinnedRoot &root, const QString &path, const FileUtils::EntryCheck &check, const Options &options)
{
    return moveUnder(root, QFile::encodeName(path), check, options);
}

HomeTrash::Outcome HomeTrash::moveUnder(
    const PinnedRoot &root, const QByteArray &nativePath, const FileUtils::EntryCheck &check, const Options &options)
{
    if (root.status() == PinnedRoot::Missing)
        return gone();
    // The Finder goes by the text: it is asked only when the text names these bytes.
    const QString path = QFile::decodeName(nativePath);
    QByteArray name;
    FileUtils::Removal refusal;
    const int parentFd = FileUtils::openParentUnder(root, nativePath, &name, &refusal);
    if (parentFd < 0) {
        if (refusal.status == FileUtils::Removal::Missing)
            return gone();
        return notMoved(refusal.status == FileUtils::Removal::Refused ? Outcome::Refused : Outcome::Failed,
            refusal.reason, refusal.shownReason);
    }
    return TrashMove(root, path, parentFd, name).run(check, options);
}

HomeTrash::Outcome HomeTrash::moveUnder(const PinnedRoot &root, const QString &path, const FileUtils::EntryCheck &check)
{
    return moveUnder(root, path, check, Options());
}

HomeTrash::Outcome HomeTrash::moveUnder(
    const PinnedRoot &root, const QByteArray &path, const FileUtils::EntryCheck &check)
{
    return moveUnder(root, path, check, Options());
}
