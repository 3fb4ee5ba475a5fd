#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QString>
#include <QTemporaryDir>

// A temporary home folder for one test: HOME, TMPDIR, the XDG folders and both settings
// stores point into it while the object lives, and are put back afterwards. Create it before
// anything reads a settings store or a standard location. The program takes the Mac's folders
// in it (the layout the fixtures build) until a test makes it Linux.
class TestHome final
{
public:
    TestHome();
    ~TestHome();
    TestHome(const TestHome &) = delete;
    TestHome &operator=(const TestHome &) = delete;

    bool isValid() const;
    QString path() const;
    QString tempPath() const;
    // Absolute path of relativePath inside the home.
    QString filePath(const QString &relativePath) const;

    // Fixture builders; relative paths are inside the home, parents are created.
    QString makeDir(const QString &relativePath) const;
    QString makeFile(const QString &relativePath, qint64 size, char fill = 'x') const;
    QString makeFileWithContent(const QString &relativePath, const QByteArray &content) const;
    // A sparse file of length bytes: content at its start, a hole (no space taken) after it.
    QString makeSparseFile(const QString &relativePath, qint64 length, const QByteArray &content) const;
    QString makeLink(const QString &relativePath, const QString &target) const;
    static void setModified(const QString &path, const QDateTime &time);

private:
    QTemporaryDir m_dir;
    QHash<QByteArray, QByteArray> m_savedEnvironment;
    QHash<QByteArray, bool> m_wasSet;
};
