#pragma once

#include "cleaners/folderlisting.h"
#include "cleaners/junkrule.h"
#include "core/cleanengine.h"

#include <QList>

class QJsonObject;

// The rule-driven engine behind the junk page. Each rule becomes at most one category whose
// items are the regular, non-hidden files its folders and name patterns select; a file is listed
// once, under the rule whose folder holds it most closely, and items go largest first.
class JunkCleaner final : public CleanEngine
{
    Q_OBJECT

public:
    explicit JunkCleaner(QObject *parent = nullptr);
    ~JunkCleaner() override;

    void loadRules(const QString &path) override;
    QList<JunkRule> rules() const;

protected:
    void doScan() override;
    CleanOutcome doClean() override;

private:
    // A rule's path with its folder variables expanded, and the folder it must lie in: the
    // temporary folder for %TEMP%, the machine's shared data folder for %PROGRAMDATA%, the home
    // folder otherwise.
    struct RulePath
    {
        QString path;
        QString base;
    };

    // A folder of a rule, and the index of its category in the result.
    struct RootOfRule
    {
        QString root;
        qsizetype category;
    };

    static JunkRule ruleFromJson(const QJsonObject &object);
    static QList<RootOfRule> rootsInside(const QList<QStringList> &roots, qsizetype category, bool all = false);
    void listWholeFoldersAhead();
    void scanCategory(const JunkRule &rule);
    void keepEachFileInItsClosestRule();
    static QString expandPath(const QString &path);
    // Whether the rule is for the running system and one of its paths is a place on it (not a
    // Windows path).
    static bool appliesHere(const JunkRule &rule);
    static RulePath expandRulePath(const QString &path);
    void listTopLevelEntries(const QString &dir, QList<CleanItem> &items);
    static bool isSharedFolder(const QString &dir);
    static void keepOwnFiles(QList<CleanItem> &items, qsizetype first);
    void scanFolder(const RulePath &folder, const QStringList &patterns, QList<CleanItem> &items, bool recursive);
    // The folders and files the rules with this id expand to: a clean never leaves them.
    QList<RulePath> allowedRoots(const QString &categoryId) const;

    QList<JunkRule> m_rules;
    // Used only by the scan, on the worker thread (which lends walks to helper threads).
    FolderListing m_listing;
};
