#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QTemporaryDir>

#include <functional>

// Fixtures for trees that try to make a clean delete what it must not: a sentinel tree outside
// the home, deep and long-named trees, FIFOs, and mount points in a private mount namespace.

// A small tree outside the test's home (files, a subfolder, a link) whose every byte is recorded
// when it is made: unchanged() tells whether a clean touched anything in it.
class SentinelTree final
{
public:
    SentinelTree();

    QString path() const;
    // Absolute path of relativePath inside the tree.
    QString filePath(const QString &relativePath) const;
    // True when every entry, its kind and its bytes (a link's target) are as made.
    bool unchanged() const;
    // The differences for a failure message.
    QString differences() const;

private:
    QMap<QString, QByteArray> snapshot() const;

    QTemporaryDir m_dir;
    QMap<QString, QByteArray> m_made;
};

namespace HostileTree {

// Creates depth nested folders named name below parent (created when missing), without paths
// longer than one name, and a file "bottom.bin" of fileSize bytes in the deepest. Returns true
// when all was made.
bool makeDeepChain(const QString &parent, const QByteArray &name, int depth, int fileSize);
// Counts the levels of such a chain that still exist below parent (0 when parent is gone).
int chainDepth(const QString &parent, const QByteArray &name);
// True when the deepest folder of such a chain still holds "bottom.bin".
bool chainEndsInFile(const QString &parent, const QByteArray &name);
// Makes a FIFO at path (its folder must exist).
bool makeFifo(const QString &path);
// Runs work on a new thread with a stack of stackBytes and waits for it.
void runWithStack(size_t stackBytes, const std::function<void()> &work);
// The macOS default for a secondary thread's stack.
constexpr size_t secondaryThreadStack = 512 * 1024;
// Lowers the soft limit of open descriptors to limit for the object's life.
class DescriptorLimit final
{
public:
    explicit DescriptorLimit(unsigned long limit);
    ~DescriptorLimit();
    DescriptorLimit(const DescriptorLimit &) = delete;
    DescriptorLimit &operator=(const DescriptorLimit &) = delete;

private:
    unsigned long m_saved = 0;
    bool m_set = false;
};

// Mount cases need a private mount namespace. From the parent process a test function calls
// runInMountNamespace(name): the test executable runs again for that one function (and data
// row) under "unshare -m --propagation private" with HOSTILE_TREE_MOUNT_NAMESPACE set, where
// inMountNamespace() is true and TmpfsMount may mount. The answer tells whether the child
// passed; skipReason is set instead when this machine gives no rights for a namespace. The
// macro below does it all at the start of a test function.
bool inMountNamespace();
bool runInMountNamespace(const QString &testFunction, QString *skipReason, QString *output);

// A small tmpfs mounted at folder (created when missing) for the object's life; Linux only.
class TmpfsMount final
{
public:
    explicit TmpfsMount(const QString &folder);
    ~TmpfsMount();
    TmpfsMount(const TmpfsMount &) = delete;
    TmpfsMount &operator=(const TmpfsMount &) = delete;
    bool isMounted() const;

private:
    QByteArray m_folder;
    bool m_mounted = false;
};

// The folder source mounted again at folder (created when missing) for the object's life, a
// bind mount: the same volume, so only the system's mount list tells it is a mount; Linux only.
class BindMount final
{
public:
    BindMount(const QString &source, const QString &folder);
    ~BindMount();
    BindMount(const BindMount &) = delete;
    BindMount &operator=(const BindMount &) = delete;
    bool isMounted() const;

private:
    QByteArray m_folder;
    bool m_mounted = false;
};

} // namespace HostileTree

// Runs the current test function (and data row) again in a private mount namespace and returns
// its verdict, unless this already is that run.
#define HOSTILE_TREE_RUN_IN_MOUNT_NAMESPACE()                                                                          \
    do {                                                                                                               \
        if (!HostileTree::inMountNamespace()) {                                                                        \
            QString function = QString::fromLatin1(QTest::currentTestFunction());                                      \
            if (QTest::currentDataTag())                                                                               \
                function += QLatin1Char(':') + QString::fromLocal8Bit(QTest::currentDataTag());                        \
            QString skipReason;                                                                                        \
            QString output;                                                                                            \
            if (HostileTree::runInMountNamespace(function, &skipReason, &output))                                      \
                return;                                                                                                \
            if (!skipReason.isEmpty())                                                                                 \
                QSKIP(qPrintable(skipReason));                                                                         \
            QFAIL(qPrintable(output));                                                                                 \
        }                                                                                                              \
    } while (false)
