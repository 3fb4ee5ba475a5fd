#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The executables of the programs running now, as full paths: never the kernel's short process
// name (15 characters on Linux, 16 on macOS), never a pattern.
//
// Where /proc lists them (Linux) each /proc/<pid>/exe link is read; processes whose link cannot
// be read (other users', the kernel's) are left out. Elsewhere (macOS) `ps -axo comm=` prints
// each process's executable path, untruncated; it is started through ProcessRunner.
class RunningPrograms final
{
public:
    enum class Source { Automatic, ProcFolder, PsTool };

    // False when no list could be made: then nothing can be said about what runs.
    static bool executablePaths(QStringList *paths, Source source = Source::Automatic);
    // The paths in `ps -axo comm=` output: one a line, absolute paths only.
    static QStringList parsePsOutput(const QByteArray &output);
    // Whether a running program's executable lies inside the bundle folder (its main
    // executable or a helper within it); letter case is not told apart. Unknown when no list.
    enum class Answer { No, Yes, Unknown };
    static Answer runsFromBundle(const QString &bundlePath, Source source = Source::Automatic);
};
