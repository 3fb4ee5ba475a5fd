#include "tweakspage.h"

#include "cleaners/tweakmanager.h"
#include "widgets/toggleswitch.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QLabel *plainLabel(const QString &text, const QString &objectName, bool wrap = false)
{
    auto *label = new QLabel(text);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(wrap);
    return label;
}

} // namespace

TweaksPage::TweaksPage(TweakManager *manager, QWidget *parent)
    : QWidget(parent)
    , m_manager(manager)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(32, 28, 32, 20);
    layout->setSpacing(12);
    layout->addWidget(buildHeader());

    const QList<TweakDef> &tweaks = m_manager->tweaks();
    const bool changeable = std::all_of(
        tweaks.begin(), tweaks.end(), [this](const TweakDef &tweak) { return m_manager->canChange(tweak); });
    if (tweaks.isEmpty() || !changeable) {
        auto *banner = new QFrame;
        banner->setObjectName(QStringLiteral("tweaksPlatformBanner"));
        auto *bannerLayout = new QHBoxLayout(banner);
        bannerLayout->setContentsMargins(14, 10, 14, 10);
        bannerLayout->addWidget(plainLabel(tr("These tweaks change Windows settings and act only on Windows. "
                                              "Nothing on this Mac is changed."),
                                    QStringLiteral("tweaksPlatformText"), true),
            1);
        layout->addWidget(banner);
    }

    m_statusLabel = plainLabel(QString(), QStringLiteral("tweakStatusLabel"), true);
    m_statusLabel->hide();
    layout->addWidget(m_statusLabel);
    layout->addWidget(buildList(), 1);

    connect(m_manager, &TweakManager::tweakApplied, this, &TweaksPage::onTweakFinished);
    connect(m_manager, &TweakManager::tweakReverted, this, &TweaksPage::onTweakFinished);
    refresh();
}

QWidget *TweaksPage::buildHeader()
{
    auto *header = new QWidget;
    auto *layout = new QHBoxLayout(header);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(12);

    auto *titles = new QVBoxLayout;
    titles->setSpacing(4);
    titles->addWidget(plainLabel(tr("System Tweaks"), QStringLiteral("tweaksTitle")));
    titles->addWidget(plainLabel(tr("Fine-tune privacy, performance and interface settings of Windows"),
        QStringLiteral("tweaksSubtitle"), true));
    layout->addLayout(titles, 1);

    m_summaryLabel = plainLabel(QString(), QStringLiteral("tweaksSummary"));
    layout->addWidget(m_summaryLabel, 0, Qt::AlignVCenter);
    m_applyRecommendedButton = new QPushButton(tr("Apply recommended"));
    m_applyRecommendedButton->setObjectName(QStringLiteral("applyRecommendedBtn"));
    m_applyRecommendedButton->setCursor(Qt::PointingHandCursor);
    connect(m_applyRecommendedButton, &QPushButton::clicked, this, &TweaksPage::onApplyRecommendedClicked);
    layout->addWidget(m_applyRecommendedButton, 0, Qt::AlignVCenter);
    return header;
}

QWidget *TweaksPage::buildList()
{
    auto *scrollArea = new QScrollArea;
    scrollArea->setObjectName(QStringLiteral("tweaksScrollArea"));
    scrollArea->setWidgetResizable(true);
    scrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto *container = new QWidget;
    auto *layout = new QVBoxLayout(container);
    layout->setContentsMargins(0, 0, 8, 0);
    layout->setSpacing(8);

    const QList<TweakDef> &tweaks = m_manager->tweaks();
    if (tweaks.isEmpty())
        layout->addWidget(plainLabel(tr("No tweaks are available."), QStringLiteral("tweaksEmptyLabel")));
    // Categories in the order the catalogue first names them.
    QStringList categories;
    for (const TweakDef &tweak : tweaks) {
        if (!categories.contains(tweak.category))
            categories.append(tweak.category);
    }
    for (const QString &category : std::as_const(categories)) {
        QLabel *title = plainLabel(categoryTitle(category), QStringLiteral("tweakCategoryHeader"));
        if (category != categories.first())
            layout->addSpacing(10);
        layout->addWidget(title);
        for (const TweakDef &tweak : tweaks) {
            if (tweak.category == category)
                layout->addWidget(buildCard(tweak));
        }
    }
    layout->addStretch(1);
    scrollArea->setWidget(container);
    return scrollArea;
}

QWidget *TweaksPage::buildCard(const TweakDef &tweak)
{
    auto *card = new QFrame;
    card->setObjectName(QStringLiteral("tweakCard"));
    card->setProperty("tweakId", tweak.id);
    auto *layout = new QHBoxLayout(card);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->setSpacing(16);

    auto *texts = new QVBoxLayout;
    texts->setSpacing(4);
    auto *titleRow = new QHBoxLayout;
    titleRow->setSpacing(8);
    titleRow->addWidget(plainLabel(tweak.name, QStringLiteral("tweakName"), true), 1);
    if (tweak.risk == QLatin1String("caution"))
        titleRow->addWidget(plainLabel(tr("Caution"), QStringLiteral("cautionBadge")), 0, Qt::AlignTop);
    texts->addLayout(titleRow);
    texts->addWidget(plainLabel(tweak.desc, QStringLiteral("tweakDesc"), true));
    if (tweak.requiresTamperOff) {
        texts->addWidget(plainLabel(tr("Works only with Tamper Protection switched off in Windows Security."),
            QStringLiteral("tamperNote"), true));
    }
    layout->addLayout(texts, 1);

    auto *toggle = new ToggleSwitch;
    toggle->setObjectName(QStringLiteral("tweakToggle"));
    toggle->setAccessibleName(tweak.name);
    if (!m_manager->canChange(tweak))
        toggle->setToolTip(tr("Only available on Windows"));
    connect(toggle, &ToggleSwitch::clicked, this, [this, id = tweak.id](bool on) { onToggleClicked(id, on); });
    layout->addWidget(toggle, 0, Qt::AlignVCenter);
    m_rows.insert(tweak.id, Row { tweak, toggle });
    return card;
}

QString TweaksPage::categoryTitle(const QString &category)
{
    if (category == QLatin1String("Privacy"))
        return tr("Privacy");
    if (category == QLatin1String("Performance"))
        return tr("Performance");
    if (category == QLatin1String("UI"))
        return tr("Interface");
    if (category == QLatin1String("Security"))
        return tr("Security");
    return category;
}

void TweaksPage::onToggleClicked(const QString &id, bool on)
{
    const auto row = m_rows.constFind(id);
    if (row == m_rows.constEnd() || m_pending.contains(id))
        return;
    if (m_pending.isEmpty())
        m_statusLabel->clear();
    m_pending.insert(id);
    if (on)
        m_manager->applyTweak(row->tweak);
    else
        m_manager->revertTweak(row->tweak);
    refresh();
}

void TweaksPage::onApplyRecommendedClicked()
{
    const QList<TweakDef> tweaks = recommendedToApply();
    if (m_pending.isEmpty())
        m_statusLabel->clear();
    for (const TweakDef &tweak : tweaks) {
        m_pending.insert(tweak.id);
        m_rows.value(tweak.id).toggle->setChecked(true);
        m_manager->applyTweak(tweak);
    }
    refresh();
}

void TweaksPage::onTweakFinished(const QString &id, bool ok, const QString &error)
{
    const auto row = m_rows.constFind(id);
    if (row == m_rows.constEnd())
        return;
    m_pending.remove(id);
    if (!ok) {
        // The error says what could not be done, the name to which tweak.
        const QString line = tr("%1: %2").arg(row->tweak.name, error);
        const QString shown = m_statusLabel->text();
        m_statusLabel->setText(shown.isEmpty() ? line : shown + u'\n' + line);
    }
    refresh();
}

void TweaksPage::refresh()
{
    int on = 0;
    for (const Row &row : std::as_const(m_rows)) {
        const bool pending = m_pending.contains(row.tweak.id);
        // A switch whose work runs keeps the position the user gave it.
        if (!pending)
            row.toggle->setChecked(m_manager->readCurrentState(row.tweak));
        row.toggle->setEnabled(!pending && m_manager->canChange(row.tweak));
        on += row.toggle->isChecked() && !pending ? 1 : 0;
    }
    m_summaryLabel->setText(tr("%1 of %2 on").arg(QLocale().toString(on), QLocale().toString(m_rows.size())));
    m_summaryLabel->setVisible(!m_rows.isEmpty());
    m_applyRecommendedButton->setEnabled(!recommendedToApply().isEmpty());
    m_statusLabel->setVisible(!m_statusLabel->text().isEmpty());
}

QList<TweakDef> TweaksPage::recommendedToApply() const
{
    QList<TweakDef> tweaks;
    for (const TweakDef &tweak : m_manager->tweaks()) {
        if (m_rows.contains(tweak.id) && tweak.defaultOn && m_manager->canChange(tweak) && !m_pending.contains(tweak.id)
            && !m_manager->readCurrentState(tweak))
            tweaks.append(tweak);
    }
    return tweaks;
}
