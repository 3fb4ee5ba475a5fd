#include "hometrash.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

#include <stdio.h>
#include <sys/stat.h>

namespace {

constexpr int MaxNumberedNames = 10000;

bool exists(const QString &path)
{
    struct stat info;
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0;
}

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

HomeTrash::Outcome HomeTrash::moveToTrash(const QString &path)
{
    Outcome outcome;
    const QString name = QFileInfo(path).fileName();
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..")) {
        outcome.error = QStringLiteral("not a file name");
        return outcome;
    }
    if (!exists(path)) {
        outcome.error = QString::fromLocal8Bit(std::strerror(ENOENT));
        return outcome;
    }
    const QString trash = folder();
    if (::mkdir(QFile::encodeName(trash).constData(), 0700) != 0 && errno != EEXIST) {
        outcome.error = QString::fromLocal8Bit(std::strerror(errno));
        return outcome;
    }
    QString target = trash + QLatin1Char('/') + name;
    for (int n = 2; exists(target); ++n) {
        if (n > MaxNumberedNames) {
            outcome.error = QStringLiteral("too many items of that name in the Trash");
            return outcome;
        }
        target = trash + QLatin1Char('/') + numberedName(name, n);
    }
    if (::rename(QFile::encodeName(path).constData(), QFile::encodeName(target).constData()) != 0) {
        outcome.error = errno == EXDEV ? QStringLiteral("on another volume than the Trash")
                                       : QString::fromLocal8Bit(std::strerror(errno));
        return outcome;
    }
    outcome.moved = true;
    outcome.trashedPath = target;
    return outcome;
}
