#pragma once

#include <QMap>
#include <QProcess>
#include <QString>

class TestHome;

// Application bundles for the uninstaller's tests and the gallery: a folder with
// Contents/Info.plist holding the given string keys, in XML or in binary form (binary is
// written by python3's plistlib), and a file in Contents/MacOS of the given size.
namespace AppFixture {

enum class Format { Xml, Binary };

// A real program running from path while the object lives: a copy of sleep put there (replacing
// what was), started and waited for without a time limit, killed at the end.
class RunningCopy final
{
public:
    explicit RunningCopy(const QString &path);
    ~RunningCopy();
    RunningCopy(const RunningCopy &) = delete;
    RunningCopy &operator=(const RunningCopy &) = delete;
    bool isRunning() const;

private:
    QProcess *m_process;
};

QString makeBundle(const TestHome &home, const QString &relativePath, const QMap<QString, QString> &keys,
    qint64 executableSize = 1000, Format format = Format::Xml);

} // namespace AppFixture
