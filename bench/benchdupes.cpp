// bench-dupes [--min-size BYTES] FOLDER...
// Runs the duplicate finder over the folders and prints each group as one line of its paths,
// sorted and tab-separated, the lines sorted. Elapsed time, peak memory and (on Linux) the bytes
// read go to stderr.
#include "cleaners/duplicatefinder.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QStringList>
#include <QTextStream>

#include <cstdio>

#include <sys/resource.h>

namespace {

void discardMessages(QtMsgType, const QMessageLogContext &, const QString &) { }

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    qInstallMessageHandler(discardMessages);

    DuplicateFinder finder;
    finder.minSize = 1;
    QStringList args = app.arguments().mid(1);
    if (args.size() >= 2 && args.first() == QLatin1String("--min-size")) {
        bool ok = false;
        finder.minSize = args.at(1).toLongLong(&ok);
        if (!ok || finder.minSize < 1) {
            std::fprintf(stderr, "bench-dupes: --min-size needs a positive byte count\n");
            return 2;
        }
        args = args.mid(2);
    }
    if (args.isEmpty()) {
        std::fprintf(stderr, "usage: bench-dupes [--min-size BYTES] FOLDER...\n");
        return 2;
    }
    finder.directories = args;

    QStringList lines;
    QObject::connect(&finder, &DuplicateFinder::duplicateGroupFound, [&lines](const DuplicateGroup &group) {
        QStringList paths;
        for (const DuplicateFile &file : group.files)
            paths.append(file.path);
        paths.sort();
        lines.append(paths.join(QLatin1Char('\t')));
    });

    QElapsedTimer timer;
    timer.start();
    finder.startScan();
    const qint64 elapsedMs = timer.elapsed();

    lines.sort();
    QTextStream out(stdout);
    for (const QString &line : std::as_const(lines))
        out << line << '\n';
    out.flush();

    struct rusage usage;
    getrusage(RUSAGE_SELF, &usage);
    std::fprintf(stderr, "elapsed_ms %lld\npeak_rss_kib %ld\n", static_cast<long long>(elapsedMs), usage.ru_maxrss);
    // Bytes returned by read calls, page cache included, where the system counts them (Linux).
    QFile io(QStringLiteral("/proc/self/io"));
    if (io.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : io.readAll().split('\n')) {
            if (line.startsWith("rchar:"))
                std::fprintf(stderr, "read_bytes %s\n", line.mid(6).trimmed().constData());
        }
    }
    return 0;
}
