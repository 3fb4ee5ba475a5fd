#include "testhome.h"

#include "core/platform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

const QList<QByteArray> &isolatedVariables()
{
    static const QList<QByteArray> names = { "HOME", "TMPDIR", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME",
        "XDG_STATE_HOME", "XDG_RUNTIME_DIR" };
    return names;
}

} // namespace

TestHome::TestHome()
    : m_dir(QDir::tempPath() + QStringLiteral("/sweepnook-test-XXXXXX"))
{
    QStandardPaths::setTestModeEnabled(true);
    Platform::setCurrentForTesting(Platform::System::Mac);
    for (const QByteArray &name : isolatedVariables()) {
        m_wasSet.insert(name, qEnvironmentVariableIsSet(name.constData()));
        m_savedEnvironment.insert(name, qgetenv(name.constData()));
    }
    const QString home = m_dir.path();
    QDir(home).mkpath(QStringLiteral("tmp"));
    QDir(home).mkpath(QStringLiteral(".config"));
    QDir(home).mkpath(QStringLiteral(".local/share"));
    QDir(home).mkpath(QStringLiteral(".cache"));
    QDir(home).mkpath(QStringLiteral("runtime"));
    QFile::setPermissions(home + QStringLiteral("/runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("HOME", QFile::encodeName(home));
    qputenv("TMPDIR", QFile::encodeName(home + QStringLiteral("/tmp")));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home + QStringLiteral("/.config")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home + QStringLiteral("/.local/share")));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(home + QStringLiteral("/.cache")));
    qputenv("XDG_STATE_HOME", QFile::encodeName(home + QStringLiteral("/.local/state")));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(home + QStringLiteral("/runtime")));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home + QStringLiteral("/.config"));
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, home + QStringLiteral("/.config"));
}

TestHome::~TestHome()
{
    for (const QByteArray &name : isolatedVariables()) {
        if (m_wasSet.value(name))
            qputenv(name.constData(), m_savedEnvironment.value(name));
        else
            qunsetenv(name.constData());
    }
}

bool TestHome::isValid() const
{
    return m_dir.isValid();
}

QString TestHome::path() const
{
    return m_dir.path();
}

QString TestHome::tempPath() const
{
    return m_dir.path() + QStringLiteral("/tmp");
}

QString TestHome::filePath(const QString &relativePath) const
{
    return m_dir.filePath(relativePath);
}

QString TestHome::makeDir(const QString &relativePath) const
{
    const QString path = filePath(relativePath);
    QDir().mkpath(path);
    return path;
}

QString TestHome::makeFile(const QString &relativePath, qint64 size, char fill) const
{
    return makeFileWithContent(relativePath, QByteArray(size, fill));
}

QString TestHome::makeFileWithContent(const QString &relativePath, const QByteArray &content) const
{
    const QString path = filePath(relativePath);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(content);
    return path;
}

QString TestHome::makeSparseFile(const QString &relativePath, qint64 length, const QByteArray &content) const
{
    const QString path = makeFileWithContent(relativePath, content);
    QFile(path).resize(length);
    return path;
}

QString TestHome::makeLink(const QString &relativePath, const QString &target) const
{
    const QString path = filePath(relativePath);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile::link(target, path);
    return path;
}

void TestHome::setModified(const QString &path, const QDateTime &time)
{
    QFile file(path);
    if (file.open(QIODevice::ReadWrite))
        file.setFileTime(time, QFileDevice::FileModificationTime);
}
