#include "runningprograms.h"

#include "logger.h"
#include "processrunner.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <climits>
#include <dirent.h>
#include <unistd.h>

namespace {

constexpr int kPsWaitMs = 30000;

bool procFolderWorks()
{
    char target[PATH_MAX];
    return ::readlink("/proc/self/exe", target, sizeof target) > 0;
}

bool fromProcFolder(QStringList *paths)
{
    DIR *proc = ::opendir("/proc");
    if (!proc)
        return false;
    while (const dirent *entry = ::readdir(proc)) {
        const QByteArray name(entry->d_name);
        bool isNumber = false;
        name.toLongLong(&isNumber);
        if (!isNumber)
            continue;
        char target[PATH_MAX];
        const QByteArray link = QByteArray("/proc/") + name + QByteArray("/exe");
        const ssize_t length = ::readlink(link.constData(), target, sizeof target - 1);
        if (length <= 0)
            continue;
        QByteArray path(target, int(length));
        // A program whose file was replaced or removed since it started still runs.
        if (path.endsWith(" (deleted)"))
            path.chop(10);
        paths->append(QFile::decodeName(path));
    }
    ::closedir(proc);
    return true;
}

bool fromPsTool(QStringList *paths)
{
    const ProcessRunner::Result ps
        = ProcessRunner::run(QStringLiteral("ps"), { QStringLiteral("-axo"), QStringLiteral("comm=") }, kPsWaitMs);
    if (!ps.succeeded()) {
        Logger::instance()->warning(QStringLiteral("[RunningPrograms] ps did not list the running programs"));
        return false;
    }
    *paths = RunningPrograms::parsePsOutput(ps.output);
    return true;
}

bool isInside(const QString &path, const QString &folder)
{
    return !folder.isEmpty() && path.size() > folder.size() && path.at(folder.size()) == QLatin1Char('/')
        && path.startsWith(folder, Qt::CaseInsensitive);
}

} // namespace

bool RunningPrograms::executablePaths(QStringList *paths, Source source)
{
    paths->clear();
    if (source == Source::Automatic)
        source = procFolderWorks() ? Source::ProcFolder : Source::PsTool;
    return source == Source::ProcFolder ? fromProcFolder(paths) : fromPsTool(paths);
}

QStringList RunningPrograms::parsePsOutput(const QByteArray &output)
{
    QStringList paths;
    for (const QByteArray &line : output.split('\n')) {
        // Only a line's end is trimmed: a path may begin or end with a space in a folder name.
        QByteArray path = line;
        while (path.endsWith('\r'))
            path.chop(1);
        if (path.startsWith('/'))
            paths.append(QString::fromUtf8(path));
    }
    return paths;
}

RunningPrograms::Answer RunningPrograms::runsFromBundle(const QString &bundlePath, Source source)
{
    QStringList running;
    if (!executablePaths(&running, source))
        return Answer::Unknown;
    const QString given = QDir::cleanPath(bundlePath);
    const QString canonical = QFileInfo(bundlePath).canonicalFilePath();
    const QString bundleName = QLatin1Char('/') + QFileInfo(given).fileName() + QLatin1Char('/');
    for (const QString &path : std::as_const(running)) {
        if (isInside(path, given) || isInside(path, canonical))
            return Answer::Yes;
        // Started through a link to the folder holding the bundle.
        if (path.contains(bundleName, Qt::CaseInsensitive) && isInside(QFileInfo(path).canonicalFilePath(), canonical))
            return Answer::Yes;
    }
    return Answer::No;
}
