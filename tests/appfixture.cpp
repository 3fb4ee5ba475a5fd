#include "appfixture.h"

#include "testhome.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace AppFixture {

namespace {

QByteArray xmlPlist(const QMap<QString, QString> &keys)
{
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                     "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
                     "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
                     "<plist version=\"1.0\">\n<dict>\n";
    for (auto key = keys.cbegin(); key != keys.cend(); ++key)
        xml += "\t<key>" + key.key().toHtmlEscaped().toUtf8() + "</key>\n\t<string>"
            + key.value().toHtmlEscaped().toUtf8() + "</string>\n";
    return xml + "</dict>\n</plist>\n";
}

bool writeBinaryPlist(const QString &path, const QMap<QString, QString> &keys)
{
    QJsonObject object;
    for (auto key = keys.cbegin(); key != keys.cend(); ++key)
        object.insert(key.key(), key.value());
    QProcess python;
    python.start(QStringLiteral("python3"),
        { QStringLiteral("-c"),
            QStringLiteral("import json, plistlib, sys\n"
                           "plistlib.dump(json.load(sys.stdin), open(sys.argv[1], 'wb'), fmt=plistlib.FMT_BINARY)"),
            path });
    python.write(QJsonDocument(object).toJson());
    python.closeWriteChannel();
    return python.waitForFinished(30000) && python.exitCode() == 0;
}

} // namespace

RunningCopy::RunningCopy(const QString &path)
    : m_process(new QProcess)
{
    QFile::remove(path);
    QDir().mkpath(QFileInfo(path).path());
    QFile::copy(QStandardPaths::findExecutable(QStringLiteral("sleep")), path);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    m_process->start(path, { QStringLiteral("3600") });
    m_process->waitForStarted(-1);
}

RunningCopy::~RunningCopy()
{
    m_process->kill();
    m_process->waitForFinished(-1);
    delete m_process;
}

bool RunningCopy::isRunning() const
{
    return m_process->state() == QProcess::Running;
}

QString makeBundle(const TestHome &home, const QString &relativePath, const QMap<QString, QString> &keys,
    qint64 executableSize, Format format)
{
    const QString bundle = home.makeDir(relativePath);
    home.makeFile(relativePath + QStringLiteral("/Contents/MacOS/main"), executableSize);
    const QString plist = relativePath + QStringLiteral("/Contents/Info.plist");
    if (format == Format::Xml)
        home.makeFileWithContent(plist, xmlPlist(keys));
    else
        writeBinaryPlist(home.filePath(plist), keys);
    return bundle;
}

} // namespace AppFixture
