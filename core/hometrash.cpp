#include "hometrash.h"

#include "pinnedroot.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int MaxNumberedNames = 10000;

} // namespace

QString HomeTrash::folder()
{
    return QDir::homePath() + QStringLiteral("/.Trash");
}

QString HomeTrash::numberedName(const QString &name, int n)
{
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot <= 0)
        return QStringLiteral("%1 %2").arg(name).arg(n);
    return QStringLiteral("%1 %2%3").arg(name.left(dot)).arg(n).arg(name.mid(dot));
}

HomeTrash::Outcome HomeTrash::moveUnder(const PinnedRoot &root, const QString &path, const FileUtils::EntryCheck &check)
{
    Outcome outcome;
    QByteArray name;
    FileUtils::Removal refusal;
    const int parentFd = FileUtils::openParentUnder(root, QFile::encodeName(path), &name, &refusal);
    if (parentFd < 0) {
        // Gone, or reached only through a link or another volume now: not the entry that was seen.
        outcome.changed
            = refusal.status == FileUtils::Removal::Missing || refusal.status == FileUtils::Removal::Refused;
        outcome.error = refusal.status == FileUtils::Removal::Missing ? QString::fromLocal8Bit(std::strerror(ENOENT))
                                                                      : refusal.reason;
        return outcome;
    }
    struct stat info;
    if (::fstatat(parentFd, name.constData(), &info, AT_SYMLINK_NOFOLLOW) != 0) {
        outcome.changed = errno == ENOENT;
        outcome.error = QString::fromLocal8Bit(std::strerror(errno));
    } else if (check && !check(info)) {
        outcome.changed = true;
        outcome.error = QStringLiteral("it changed since it was chosen");
    } else {
        const QString trash = folder();
        const QByteArray trashName = QFile::encodeName(trash);
        const int trashFd = ::mkdir(trashName.constData(), 0700) != 0 && errno != EEXIST
            ? -1
            : ::open(trashName.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (trashFd < 0) {
            outcome.error = QString::fromLocal8Bit(std::strerror(errno));
        } else {
            const QString shown = QFile::decodeName(name);
            QString free = shown;
            struct stat taken;
            for (int n = 2; ::fstatat(trashFd, QFile::encodeName(free).constData(), &taken, AT_SYMLINK_NOFOLLOW) == 0;
                 ++n) {
                if (n > MaxNumberedNames) {
                    free.clear();
                    break;
                }
                free = numberedName(shown, n);
            }
            if (free.isEmpty()) {
                outcome.error = QStringLiteral("too many items of that name in the Trash");
            } else if (::renameat(parentFd, name.constData(), trashFd, QFile::encodeName(free).constData()) != 0) {
                outcome.error = errno == EXDEV ? QStringLiteral("on another volume than the Trash")
                                               : QString::fromLocal8Bit(std::strerror(errno));
            } else {
                outcome.moved = true;
                outcome.trashedPath = trash + QLatin1Char('/') + free;
            }
            ::close(trashFd);
        }
    }
    ::close(parentFd);
    return outcome;
}
