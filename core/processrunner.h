#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Starts the platform's command-line tools by program name, found through the search path.
// Every use of an outside tool goes through here, so tests can put fakes first on PATH.
class ProcessRunner final
{
public:
    struct Result
    {
        bool started = false;
        bool finished = false;
        int exitCode = -1;
        QByteArray output;
        QByteArray errorOutput;

        // Started, finished within the time limit, and exited with code 0.
        bool succeeded() const;
    };

    // Runs program and waits at most timeoutMs; a program still running then is killed.
    static Result run(const QString &program, const QStringList &arguments, int timeoutMs,
                      const QByteArray &input = QByteArray());
    // Starts program without waiting for it; it outlives this process.
    static bool startDetached(const QString &program, const QStringList &arguments);
};
