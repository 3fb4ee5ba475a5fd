#pragma once

#include "browsercleanrule.h"
#include "browserinfo.h"
#include "core/cleanengine.h"
#include "core/constants.h"

#include <QList>
#include <QMap>
#include <QMutex>
#include <QSet>
#include <QStringList>

class PinnedRoot;

// Finds and removes per-profile data of the supported browsers, driven by the browser rules
// file. Reads and deletes only inside the browsers' own folders; a clean leaves out the browsers
// that are unticked or running (and names the running ones) and cleans the others.
class BrowserCleaner final : public CleanEngine
{
    Q_OBJECT

public:
    explicit BrowserCleaner(QObject *parent = nullptr);
    ~BrowserCleaner() override;

    // Rebuilds the browser list (installed or not) and the folders the cleaner may touch.
    void detectBrowsers();
    void loadRules(const QString &path) override;

    // Safe to call from the interface thread at any time. While no scan or clean runs, result()
    // follows at once: an unticked browser's categories leave it (keeping their selection) and
    // come back when it is ticked again; the end of a scan applies the boxes as they are then.
    // A clean leaves out the browsers unticked when it starts.
    void setBrowserEnabled(Constants::BrowserType type, bool enabled);
    bool isBrowserEnabled(Constants::BrowserType type) const;
    QSet<QString> foundPaths() const override;

    const QList<BrowserInfo> &browsers() const;
    const QList<BrowserCleanRule> &rules() const;
    const QStringList &allowedRoots() const;
    // True when path, with ".." and symbolic links resolved, is an allowed root or lies below one.
    bool isPathSafe(const QString &path) const;
    // Firefox's profile folders: those listed in profiles.ini that exist, or else every folder
    // of the Profiles folders of Firefox's data and cache folders.
    static QStringList firefoxProfiles();
    // The browser's own lock on its profile, then pgrep; a check that cannot give an answer
    // counts as running.
    static bool isBrowserRunning(const BrowserInfo &info);
    // Where a supported browser keeps its data for this user (not whether it is installed).
    static BrowserInfo infoFor(Constants::BrowserType type);
    // Chrome, Edge, Opera and Brave: they keep their HTTP caches below ~/Library/Caches, where the
    // junk rules reach them too.
    static QList<BrowserInfo> chromiumStyleBrowsers();

    static QString stableIdForType(Constants::BrowserType type);
    static BrowserScanMode scanModeForRule(const QString &ruleId);

protected:
    void doScan() override;
    CleanOutcome doClean() override;

private:
    void scanBrowser(const BrowserInfo &info);
    void scanBesideProfiles(
        const BrowserInfo &info, const QStringList &profiles, const BrowserCleanRule &rule, CleanCategory &category);
    void addRuleRoots();
    void addChromiumRecords(const QStringList &profiles, const BrowserCleanRule &rule, CleanCategory &category);
    void addFirefoxDownloads(const QStringList &profiles, CleanCategory &category);
    CleanCategory categoryFor(const BrowserInfo &info, const BrowserCleanRule &rule) const;
    void scanChromiumProfile(const QString &profileDir, const BrowserCleanRule &rule, CleanCategory &category);
    void scanOperaProfile(const BrowserInfo &info, const BrowserCleanRule &rule, CleanCategory &category);
    void scanChromiumFolder(
        const QString &profileDir, const BrowserCleanRule &rule, CleanCategory &category, const QString &family);
    void scanSafariProfile(const BrowserInfo &info, const BrowserCleanRule &rule, CleanCategory &category);
    void scanFirefoxProfiles(const QStringList &profileDirs, const BrowserCleanRule &rule, CleanCategory &category);
    void scanFirefoxProfile(const QString &profileDir, const BrowserCleanRule &rule, CleanCategory &category);
    void scanFirefoxHistory(const QString &profileDir, CleanCategory &category);
    void scanFirefoxSiteStorage(
        const QString &profileDir, const BrowserCleanRule &rule, const QString &client, CleanCategory &category);
    void scanFirefoxTarget(
        const QString &target, const BrowserCleanRule &rule, CleanCategory &category, const QStringList &patterns);
    void scanFirefoxPath(
        const QString &path, const BrowserCleanRule &rule, CleanCategory &category, const QStringList &patterns);
    void scanPath(const QString &path, CleanCategory &category, BrowserScanMode mode, const QStringList &nameFilters);
    // Scans a rule's path with the rule's own scan mode and patterns, or logs it as blocked.
    void scanGuardedPath(
        const QString &path, const BrowserCleanRule &rule, CleanCategory &category, const QString &family);

    QStringList chromiumProfiles(const BrowserInfo &info) const;
    QStringList firefoxScanFolders() const;
    // Stable ids of the enabled browsers that are not running; the message naming the running
    // ones goes to *skipped.
    QSet<QString> browsersToClean(QString *skipped) const;
    static bool categoryOfBrowserIn(const CleanCategory &category, const QSet<QString> &browsers);
    void showOnlyEnabledBrowsers();
    QList<PinnedRoot> pinnedRoots() const;
    // On failure, *failure tells why, for the item's row. A folder holding files another page
    // shows unticked is emptied around them: it stays, and *removedBelow names what went.
    bool removeItem(const QList<PinnedRoot> &roots, const CleanCategory &category, const CleanItem &item, qint64 *freed,
        QString *failure, QSet<QString> *removedBelow) const;

    QList<BrowserInfo> m_browsers;
    QList<BrowserCleanRule> m_rules;
    QStringList m_allowedRoots;
    // The last scan's categories of the browsers unticked since; on the worker during a run.
    QList<CleanCategory> m_withheld;
    QMap<Constants::BrowserType, bool> m_enabledBrowsers;
    mutable QMutex m_enabledMutex;
};
