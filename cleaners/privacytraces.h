#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// Where the five privacy traces of the logged-in user live, how each is measured and how each is
// cleared. Runs on the privacy cleaner's worker; macOS tools are started through ProcessRunner.
//
// Files inside the traces' folders are reached relative to the opened folder and never through a
// symbolic link: a link in place of a folder or a file is left alone.
class PrivacyTraces final
{
public:
    struct Measurement
    {
        qint64 size = 0;
        int count = 0;
        bool sizeKnown = true;
    };

    struct Outcome
    {
        bool ok = false;
        qint64 freed = 0;
        // Stopped by the cancel check before it was done: neither cleaned nor failed.
        bool stopped = false;
        // The files and folders that left the disk (an emptied file stays and is not named).
        QStringList removed;
    };

    using CancelCheck = std::function<bool()>;

    // An unknown id measures nothing.
    static Measurement measure(const QString &id, const CancelCheck &cancelled);
    // An unknown id fails with nothing freed. The cancel check can stop the one step that waits
    // for the user, the DNS cache's administrator prompt: the prompt is closed and the trace stopped.
    static Outcome clean(const QString &id, const CancelCheck &cancelled);

    // The folders QuickLook used for its cache before macOS moved it out of reach.
    static QStringList quickLookFolders();
    // The shared-file-list folder holding the recent-items lists.
    static QString sharedFileListFolder();
    // A folder and the folder it must lie in (every link on the way from there refused).
    struct Location
    {
        QString folder;
        QString base;
    };

    // The folders where macOS has kept the notification database, newest first.
    static QList<Location> notificationFolders();
    // The folders a trace's files lie in; none for the clipboard and the DNS cache.
    static QStringList foldersOf(const QString &id);

    // True for a recent-items list (recent applications, documents, servers, hosts), never for
    // the other lists of that folder (Finder favourites, volumes, servers, iCloud items, tags).
    static bool isRecentListName(const QString &name);
    static bool isNotificationDatabaseName(const QString &name);
};
