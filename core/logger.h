#pragma once

#include <QFile>
#include <QMutex>
#include <QObject>

// The process-wide log: every line goes to the console and, once initialize() has opened it,
// to the day's log file. Lines from several threads never interleave within the file.
class Logger final : public QObject
{
    Q_OBJECT

public:
    enum Level { Debug, Info, Warning, Error };

    static Logger *instance();

    void initialize(const QString &logFolder);
    void log(Level level, const QString &message);
    void debug(const QString &message);
    void info(const QString &message);
    void warning(const QString &message);
    void error(const QString &message);

    static QString levelToString(Level level);
    // The log file of today in logFolder.
    static QString logFileName(const QString &logFolder);

private:
    Logger() = default;
    void writeToFile(const QString &line);

    static Logger *s_instance;
    QFile m_file;
    QMutex m_mutex;
    Level m_minimumLevel = Info;
    bool m_fileOpen = false;
};
