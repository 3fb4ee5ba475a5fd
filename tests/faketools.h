#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// Puts fake platform tools first on PATH while the object lives. The scripts of tests/fakebin
// are always there; a test adds its own with addTool. A fake that records its calls appends
// its arguments, one call a line, to the file named by SWEEPNOOK_FAKE_LOG.
// The folder is made in the temporary folder of the moment: create FakeTools before a TestHome
// whose temporary folder a junk clean under test may empty.
class FakeTools final
{
public:
    FakeTools();
    ~FakeTools();
    FakeTools(const FakeTools &) = delete;
    FakeTools &operator=(const FakeTools &) = delete;

    QString binPath() const;
    // Writes an executable script named name into the fake folder.
    void addTool(const QString &name, const QByteArray &script) const;
    QString callLogPath() const;
    QString callLog() const;

private:
    QTemporaryDir m_dir;
    QByteArray m_savedPath;
    QByteArray m_savedLogVariable;
};
