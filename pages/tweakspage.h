#pragma once

#include "cleaners/tweakdef.h"

#include <QHash>
#include <QSet>
#include <QWidget>

class QLabel;
class QPushButton;
class QVBoxLayout;
class ToggleSwitch;
class TweakManager;

// The system tweaks page: the manager's catalogue grouped by category, one card per tweak with
// its name, description, a "Caution" badge for risky ones, a note where Windows Tamper
// Protection must be off, and a switch showing the tweak's current state. Flipping a switch
// applies or reverts the tweak; "Apply recommended" applies every recommended tweak not on yet.
// A switch is disabled while its tweak's work runs and wherever this system cannot change the
// tweak, and a banner says that the tweaks act only on Windows. A failure is shown above the list.
class TweaksPage final : public QWidget
{
    Q_OBJECT

public:
    explicit TweaksPage(TweakManager *manager, QWidget *parent = nullptr);

private slots:
    void onToggleClicked(const QString &id, bool on);
    void onApplyRecommendedClicked();
    void onTweakFinished(const QString &id, bool ok, const QString &error);

private:
    struct Row
    {
        TweakDef tweak;
        ToggleSwitch *toggle = nullptr;
    };

    QWidget *buildHeader();
    QWidget *buildList();
    QWidget *buildCard(const TweakDef &tweak);
    static QString categoryTitle(const QString &category);
    void refresh();
    QList<TweakDef> recommendedToApply() const;

    TweakManager *m_manager;
    QHash<QString, Row> m_rows;
    QSet<QString> m_pending;
    QPushButton *m_applyRecommendedButton = nullptr;
    QLabel *m_summaryLabel = nullptr;
    QLabel *m_statusLabel = nullptr;
};
