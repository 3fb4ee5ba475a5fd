#include "logger.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QTextStream>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

Logger *Logger::s_instance = nullptr;

namespace {

// One message is one line: a line break or other control character (a file may be named so)
// is written as an escape, so it can never forge a line of its own.
QString escapedControls(const QString &message)
{
    const auto isControl = [](QChar c) { return c.unicode() < 0x20 || (c.unicode() >= 0x7f && c.unicode() < 0xa0); };
    if (std::none_of(message.cbegin(), message.cend(), isControl))
        return message;
    QString escaped;
    escaped.reserve(message.size() + 8);
    for (const QChar c : message) {
        if (c == QLatin1Char('\n'))
            escaped += QLatin1String("\\n");
        else if (c == QLatin1Char('\r'))
            escaped += QLatin1String("\\r");
        else if (c == QLatin1Char('\t'))
            escaped += QLatin1String("\\t");
        else if (isControl(c))
            escaped += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            escaped += c;
    }
    return escaped;
}

} // namespace

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
    // Opened without following a link at its path: a link planted there must not make the log
    // append to another file.
    const int fd = ::open(QFile::encodeName(logFileName(logFolder)).constData(),
        O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644);
    if (fd < 0)
        return;
    struct stat info;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)
        || !m_file.open(fd, QIODevice::Append | QIODevice::Text, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return;
    }
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
    const QString line
        = QStringLiteral("[%1] [%2] %3").arg(timestamp).arg(levelToString(level)).arg(escapedControls(message));
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
