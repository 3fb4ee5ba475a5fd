// bench-junk HOME_DIR: one full junk scan with HOME_DIR as the home folder and HOME_DIR/tmp as
// the temporary folder. Prints the item count and the total size on standard output and the
// elapsed milliseconds on standard error.
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
    if (argc != 2) {
        std::fprintf(stderr, "usage: bench-junk HOME_DIR\n");
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
        app.quit();
    });
    timer.start();
    cleaner.startScan();
    return app.exec();
}
