#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

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
        // Stopped because the caller's cancel check said so; never finished then.
        bool cancelled = false;

        // Started, finished within the time limit, and exited with code 0.
        bool succeeded() const;
    };

    // Runs program and waits at most timeoutMs for it to end once it has started (the start
    // itself is waited for on its own); a program still running then is killed.
    static Result run(
        const QString &program, const QStringList &arguments, int timeoutMs, const QByteArray &input = QByteArray());

    using CancelCheck = std::function<bool()>;
    // As run(), for a program that waits for the user (an administrator prompt): cancelled is
    // asked every few milliseconds while it runs, and once it says so the program is asked to
    // quit, killed if it does not, and the result comes back cancelled. For worker threads only.
    static Result runCancellable(
        const QString &program, const QStringList &arguments, int timeoutMs, const CancelCheck &cancelled);
    // Starts program without waiting for it; it outlives this process.
    static bool startDetached(const QString &program, const QStringList &arguments);
};
