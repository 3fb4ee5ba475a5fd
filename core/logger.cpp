#include "logger.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QTextStream>

Logger *Logger::s_instance = nullptr;

Logger *Logger::instance()
{
    if (!s_instance)
        s_instance = new Logger;
    return s_instance;
}

QString Logger::logFileName(const QString &logFolder)
{
    return logFolder + QStringLiteral("/sweepnook_") + QDate::currentDate().toString(QStringLiteral("yyyyMMdd"))
        + QStringLiteral(".log");
}

void Logger::initialize(const QString &logFolder)
{
    QMutexLocker locker(&m_mutex);
    QDir().mkpath(logFolder);
    if (m_file.isOpen())
        m_file.close();
    m_fileOpen = false;
    m_file.setFileName(logFileName(logFolder));
    if (!m_file.open(QIODevice::Append | QIODevice::Text))
        return;
    m_fileOpen = true;
    const QString rule(40, QLatin1Char('='));
    QTextStream out(&m_file);
    out << '\n' << rule << '\n'
        << "Sweepnook Log Started: " << QDateTime::currentDateTime().toString(Qt::TextDate) << '\n'
        << rule << '\n';
    out.flush();
}

void Logger::log(Level level, const QString &message)
{
    if (level < m_minimumLevel)
        return;
    const QString timestamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz"));
    // The message is substituted last, so a "%1" inside it stays as written.
    const QString line = QStringLiteral("[%1] [%2] %3").arg(timestamp).arg(levelToString(level)).arg(message);
    qDebug().noquote() << line;
    if (m_fileOpen)
        writeToFile(line);
}

void Logger::debug(const QString &message)
{
    log(Debug, message);
}

void Logger::info(const QString &message)
{
    log(Info, message);
}

void Logger::warning(const QString &message)
{
    log(Warning, message);
}

void Logger::error(const QString &message)
{
    log(Error, message);
}

QString Logger::levelToString(Level level)
{
    switch (level) {
    case Debug:
        return QStringLiteral("DEBUG");
    case Info:
        return QStringLiteral("INFO");
    case Warning:
        return QStringLiteral("WARN");
    case Error:
        return QStringLiteral("ERROR");
    }
    return QStringLiteral("UNKNOWN");
}

void Logger::writeToFile(const QString &line)
{
    QMutexLocker locker(&m_mutex);
    if (!m_file.isOpen())
        return;
    QTextStream out(&m_file);
    out << line << '\n';
    out.flush();
    m_file.flush();
}
