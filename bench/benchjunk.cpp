// bench-junk HOME_DIR [--clean]: one full junk scan with HOME_DIR as the home folder and
// HOME_DIR/tmp as the temporary folder. Prints the item count and the total size on standard
// output and the elapsed milliseconds on standard error. With --clean it then cleans the
// default selection (deleting those files below HOME_DIR) and reports that the same way.
#include "cleaners/junkcleaner.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <cstdio>

namespace {

void quietHandler(QtMsgType, const QMessageLogContext &, const QString &) { }

} // namespace

int main(int argc, char *argv[])
{
    const bool clean = argc == 3 && qstrcmp(argv[2], "--clean") == 0;
    if (argc != 2 && !clean) {
        std::fprintf(stderr, "usage: bench-junk HOME_DIR [--clean]\n");
        return 2;
    }
    const QByteArray home = QDir(QFile::decodeName(argv[1])).absolutePath().toLocal8Bit();
    qputenv("HOME", home);
    qputenv("TMPDIR", home + "/tmp");
    QCoreApplication app(argc, argv);
    qInstallMessageHandler(quietHandler);

    JunkCleaner cleaner;
    cleaner.loadRules(QStringLiteral(":/rules/junk_rules.json"));
    QElapsedTimer timer;
    QObject::connect(&cleaner, &CleanEngine::scanFinished, &app, [&](const ScanResult &result) {
        const qint64 elapsed = timer.elapsed();
        const ScanResult::Totals totals = result.totals();
        std::printf("%d items, %lld bytes\n", totals.count, static_cast<long long>(totals.size));
        std::fprintf(stderr, "%lld ms\n", static_cast<long long>(elapsed));
        if (!clean) {
            app.quit();
            return;
        }
        timer.restart();
        cleaner.startClean();
    });
    QObject::connect(&cleaner, &CleanEngine::cleanFinished, &app, [&](qint64 bytes, int count) {
        const qint64 elapsed = timer.elapsed();
        std::printf("cleaned %d items, %lld bytes\n", count, static_cast<long long>(bytes));
        std::fprintf(stderr, "clean %lld ms\n", static_cast<long long>(elapsed));
        app.quit();
    });
    timer.start();
    cleaner.startScan();
    return app.exec();
}
