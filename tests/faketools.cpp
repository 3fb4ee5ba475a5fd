#include "faketools.h"

#include <QDir>
#include <QFile>

FakeTools::FakeTools()
    : m_savedPath(qgetenv("PATH"))
    , m_savedLogVariable(qgetenv("SWEEPNOOK_FAKE_LOG"))
{
    const QDir shipped(QStringLiteral(SWEEPNOOK_FAKEBIN_DIR));
    const QStringList tools = shipped.entryList(QDir::Files | QDir::Executable);
    for (const QString &tool : tools) {
        QFile::copy(shipped.filePath(tool), m_dir.filePath(tool));
        QFile::setPermissions(m_dir.filePath(tool), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    qputenv("PATH", QFile::encodeName(m_dir.path()) + ':' + m_savedPath);
    qputenv("SWEEPNOOK_FAKE_LOG", QFile::encodeName(callLogPath()));
}

FakeTools::~FakeTools()
{
    qputenv("PATH", m_savedPath);
    qputenv("SWEEPNOOK_FAKE_LOG", m_savedLogVariable);
}

QString FakeTools::binPath() const
{
    return m_dir.path();
}

void FakeTools::addTool(const QString &name, const QByteArray &script) const
{
    QFile file(m_dir.filePath(name));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(script);
    file.close();
    QFile::setPermissions(file.fileName(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QString FakeTools::callLogPath() const
{
    return m_dir.filePath(QStringLiteral("calls.log"));
}

QString FakeTools::callLog() const
{
    QFile file(callLogPath());
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}
