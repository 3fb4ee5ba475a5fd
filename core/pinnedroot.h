#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

#include <sys/types.h>

// A folder a clean may delete inside, resolved once and held open for the whole clean.
//
// PinnedRoot::open(folder, base) checks that the folder's real location (every link resolved)
// is the base or lies below it: the home folder for a home rule, the temporary folder for a
// temporary rule, a browser profile for a profile rule. Links in the base's own path are simply
// resolved (on macOS /var and /tmp are links into /private, and a home may be one). A folder
// that leads elsewhere (a link in the home pointing outside it) is refused with a reason for the
// log. The folder is then opened component by component from the base without following links
// and must lie on the base's device, so what is held is exactly what was checked: a folder
// swapped for a link at any moment is refused, and once open the descriptor keeps pointing at the
// checked folder even if its path is changed later.
//
// FileUtils::removeUnder(root, path, kind) removes paths below a pinned root relative to this
// descriptor; TreeWalker::walk(root.fd(), ...) walks below it.
//
// The object is cheap to copy (copies share one descriptor, closed with the last copy); a root
// that is not open has fd() -1. Paths with "." or ".." components are refused.
class PinnedRoot final
{
public:
    enum Status {
        Open,
        Missing, // the folder or the base does not exist: nothing to do, nothing to report
        Refused, // outside its base, not a folder, on another device, or changed while opening
    };

    PinnedRoot();

    static PinnedRoot open(const QString &folder, const QString &base);

    Status status() const;
    bool isOpen() const;
    // Why the root is not open, for a log line ("outside the home folder ...").
    QString reason() const;
    // The folder as given, cleaned of repeated and trailing "/": paths removed under this root
    // begin with it.
    QString path() const;
    // Where the folder really is, every link resolved.
    QString realPath() const;
    int fd() const;
    dev_t device() const;

private:
    struct Data;
    std::shared_ptr<const Data> m_data;
};
