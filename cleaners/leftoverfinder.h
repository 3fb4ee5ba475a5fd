#pragma once

#include "appinfo.h"

#include <QHash>
#include <QString>
#include <QStringList>

// Finds the files an application left in the user's Library folders: preferences, support
// files, caches, logs, containers, group containers, saved state, cookies, web data and its
// LaunchAgents.
//
// Identifiers and names are data, compared literally and without regard to letter case, never
// used as wildcard patterns. A key matches an entry's name only at a word boundary: "X" followed
// by nothing or by a character that is not a letter or digit ("com.foo.app.plist" and
// "Notes 2" match "com.foo.app" and "Notes"; "com.foo.apphelper" and "NotesPlus" do not); group
// containers match the identifier with such a boundary on both sides.
//
// What is offered and what is pre-selected:
// - an identifier with characters other than letters, digits, "." and "-", or with fewer than
//   three dot-separated parts, finds nothing;
// - nothing under "com.apple." is offered unless the application's own identifier is one;
// - an entry that another installed application's identifier or name matches with a longer key
//   belongs to that application and is not offered;
// - identifier matches are pre-selected, name matches are not, and nothing is pre-selected when
//   another installed bundle carries the same identifier;
// - nothing is pre-selected for an application whose identifier is Apple's ("com.apple.") or is
//   carried by an application of the system's own folders (a copy of Notes in ~/Applications
//   would otherwise take the system's Notes database): those entries are marked
//   sharedWithSystem;
// - the bundle itself (also through a link) is never a leftover; an entry appears once;
// - a LaunchAgent this program wrote (StartupManager::OwnLabelPrefix) that starts the
//   application's bundle is offered and pre-selected, whatever its label and identifier: it
//   starts this very copy by its path.
//
// Sizes are left at 0; the caller measures what it keeps. Folder listings are remembered for
// the object's life, so one finder serves a whole scan.
class LeftoverFinder final
{
public:
    // The applications installed beside the one examined, by bundle path.
    struct Installed
    {
        QString path;
        QString bundleId;
        QString name;
        // In the system's own application folders, or part of the system where it stands.
        bool system = false;
    };

    enum class Match { Exact, Prefix, Within, SavedState };

    explicit LeftoverFinder(const QString &homePath, const QList<Installed> &installed = {});

    QList<LeftoverItem> find(const QString &bundlePath, const QString &bundleId, const QString &name);

    // Whether the entry name matches key in the given way, by the rules above.
    static bool matches(const QString &entryName, const QString &key, Match match);
    static bool isUsableIdentifier(const QString &bundleId);
    // The Library folders searched, in search order, relative to the home folder.
    static QStringList locationFolders();
    static QString launchAgentsFolder();

private:
    const QStringList &entriesOf(const QString &folder);
    bool claimedByAnother(const QString &entryName, int location, const QString &bundlePath, int ownKeyLength) const;

    QString m_home;
    QList<Installed> m_installed;
    QHash<QString, QStringList> m_listings;
};
