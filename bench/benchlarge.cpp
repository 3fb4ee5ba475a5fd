// bench-large [--min-size BYTES] [--threads N] FOLDER...
// Runs the large file scanner over the folders and prints one found path per line, sorted.
// The scan's elapsed milliseconds (from startScan to scanFinished) and peak memory go to stderr.
#include "cleaners/largefilescanner.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStringList>
#include <QTextStream>

#include <cstdio>

#include <sys/resource.h>

namespace {

void discardMessages(QtMsgType, const QMessageLogContext &, const QString &) { }

bool takeNumber(QStringList &args, const QString &option, qint64 *value)
{
    if (args.size() < 2 || args.first() != option)
        return true;
    bool ok = false;
    *value = args.at(1).toLongLong(&ok);
    args = args.mid(2);
    return ok && *value >= 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    qInstallMessageHandler(discardMessages);

    QStringList args = app.arguments().mid(1);
    qint64 minSize = LargeFileScanner::DefaultMinFileSize;
    qint64 threads = 0;
    for (int option = 0; option < 2; ++option) {
        if (!takeNumber(args, QStringLiteral("--min-size"), &minSize)
            || !takeNumber(args, QStringLiteral("--threads"), &threads)) {
            std::fprintf(stderr, "bench-large: --min-size and --threads need a positive number\n");
            return 2;
        }
    }
    if (args.isEmpty()) {
        std::fprintf(stderr, "usage: bench-large [--min-size BYTES] [--threads N] FOLDER...\n");
        return 2;
    }

    LargeFileScanner scanner;
    scanner.setMinFileSize(minSize);
    scanner.setDrives(args);
    if (threads > 0)
        scanner.setThreadCount(int(threads));
    QElapsedTimer timer;
    qint64 elapsedMs = 0;
    QObject::connect(&scanner, &LargeFileScanner::scanFinished, &app, [&] {
        elapsedMs = timer.elapsed();
        app.quit();
    });
    timer.start();
    scanner.startScan();
    app.exec();

    QStringList paths;
    for (const LargeFileInfo &file : scanner.getResults())
        paths.append(file.path);
    paths.sort();
    QTextStream out(stdout);
    for (const QString &path : std::as_const(paths))
        out << path << '\n';
    out.flush();

    struct rusage usage;
    getrusage(RUSAGE_SELF, &usage);
    std::fprintf(stderr, "%lld ms, %d found, %d files visited, peak RSS %ld KB\n", elapsedMs, int(paths.size()),
        scanner.visitedCount(), usage.ru_maxrss);
    return 0;
}
