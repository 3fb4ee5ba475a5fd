#pragma once

#include "fileidentity.h"

#include <QList>
#include <QMetaType>
#include <QString>

#include <utility>

// One file or folder an application left in the user's Library. The path is as listed, never
// resolved: a link is the link itself.
struct LeftoverItem
{
    // What the entry's name matched: the bundle identifier (a reliable owner) or only the
    // application's name (a guess, offered but not pre-selected).
    enum class Reason { BundleIdentifier, Name };

    LeftoverItem(
        QString path = QString(), qint64 size = 0, bool selected = false, Reason reason = Reason::BundleIdentifier)
        : path(std::move(path))
        , size(size)
        , selected(selected)
        , reason(reason)
    {
    }

    QString path;
    qint64 size = 0;
    // Moved to the Trash with the application when true.
    bool selected = false;
    Reason reason = Reason::BundleIdentifier;
    // The application's identifier is Apple's, or an application in the system's own folders
    // carries it too: the entry may be the system's, so it is offered but never pre-selected.
    bool sharedWithSystem = false;
    // The entry the scan saw (device and inode): only that entry is moved. Empty (inode 0) in
    // a record the scan did not make, which is then not checked.
    FileIdentity identity;
};

// An installed application as the uninstaller found it. Copied through queued signals.
struct AppInfo
{
    // The bundle's folder name without ".app".
    QString name;
    // Absolute path of the ".app" bundle; the key by which an application is chosen.
    QString path;
    QString bundleId;
    // CFBundleShortVersionString, or CFBundleVersion when that is empty.
    QString version;
    // NSHumanReadableCopyright; may be empty.
    QString publisher;
    qint64 size = 0;
    // Sum of the sizes of all leftovers, selected or not.
    qint64 leftoverSize = 0;
    QList<LeftoverItem> leftovers;
    // Part of the operating system (an Apple application on the read-only system volume):
    // listed, never removed.
    bool systemProtected = false;
    // The bundle the scan saw, as for a leftover.
    FileIdentity identity;

    qint64 selectedLeftoverSize() const;
    int selectedLeftoverCount() const;
};

Q_DECLARE_METATYPE(AppInfo)
