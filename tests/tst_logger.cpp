#include "core/logger.h"
#include "testhome.h"

#include <QtTest>

class TestLogger : public QObject
{
    Q_OBJECT

private slots:
    void runsOfOneDayAppendWithHeaders();
    void levelTexts();
    void linkAtTheLogPathIsNotFollowed();
    void controlCharactersInNamesAreEscaped();
};

namespace {

QStringList linesOf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
}

} // namespace

void TestLogger::runsOfOneDayAppendWithHeaders()
{
    TestHome home;
    const QString folder = home.filePath(QStringLiteral("logs/deep"));
    Logger *logger = Logger::instance();
    logger->initialize(folder);
    logger->info(QStringLiteral("first run %1 stays"));
    logger->debug(QStringLiteral("never written"));
    logger->initialize(folder);
    logger->warning(QStringLiteral("second run"));
    logger->error(QStringLiteral("bad"));

    const QString file = Logger::logFileName(folder);
    QVERIFY(file.endsWith(QStringLiteral("/sweepnook_") + QDate::currentDate().toString(QStringLiteral("yyyyMMdd"))
                          + QStringLiteral(".log")));
    const QStringList lines = linesOf(file);
    const QString rule(40, QLatin1Char('='));
    QCOMPARE(lines.count(rule), 4);
    QCOMPARE(lines.at(0), QString());
    QCOMPARE(lines.at(1), rule);
    QVERIFY(lines.at(2).startsWith(QStringLiteral("Sweepnook Log Started: ")));
    QCOMPARE(lines.at(3), rule);
    const QRegularExpression format(QStringLiteral(R"(^\[\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{3}\] \[(INFO|WARN|ERROR)\] )"));
    QVERIFY(format.match(lines.at(4)).hasMatch());
    QVERIFY(lines.at(4).endsWith(QStringLiteral("[INFO] first run %1 stays")));
    QCOMPARE(lines.at(5), QString());
    QCOMPARE(lines.at(6), rule);
    QVERIFY(lines.at(9).endsWith(QStringLiteral("[WARN] second run")));
    QVERIFY(lines.at(10).endsWith(QStringLiteral("[ERROR] bad")));
    QVERIFY(!lines.join(QLatin1Char('\n')).contains(QStringLiteral("never written")));
}

void TestLogger::levelTexts()
{
    QCOMPARE(Logger::levelToString(Logger::Debug), QStringLiteral("DEBUG"));
    QCOMPARE(Logger::levelToString(Logger::Warning), QStringLiteral("WARN"));
    QCOMPARE(Logger::levelToString(static_cast<Logger::Level>(7)), QStringLiteral("UNKNOWN"));
}

void TestLogger::linkAtTheLogPathIsNotFollowed()
{
    TestHome home;
    const QString folder = home.filePath(QStringLiteral("logs"));
    const QString victim = home.makeFileWithContent(QStringLiteral("Documents/victim.txt"), "untouched\n");
    QDir().mkpath(folder);
    QVERIFY(QFile::link(victim, Logger::logFileName(folder)));

    Logger::instance()->initialize(folder);
    Logger::instance()->info(QStringLiteral("written somewhere"));

    QCOMPARE(linesOf(victim), QStringList({ QStringLiteral("untouched"), QString() }));
    QVERIFY(QFileInfo(Logger::logFileName(folder)).isSymLink());
}

// A file may be named with a line break: logged, it must not forge a line of its own.
void TestLogger::controlCharactersInNamesAreEscaped()
{
    TestHome home;
    const QString folder = home.filePath(QStringLiteral("logs"));
    Logger::instance()->initialize(folder);
    Logger::instance()->warning(QStringLiteral("Failed to remove file: a\n[2026-01-01 00:00:00.000] [INFO] forged\tb\x1b"));

    const QStringList lines = linesOf(Logger::logFileName(folder));
    QCOMPARE(lines.filter(QStringLiteral("forged")).size(), 1);
    QVERIFY(lines.filter(QStringLiteral("forged")).first().endsWith(
        QStringLiteral("[WARN] Failed to remove file: a\\n[2026-01-01 00:00:00.000] [INFO] forged\\tb\\x1b")));
}

QTEST_GUILESS_MAIN(TestLogger)
#include "tst_logger.moc"
