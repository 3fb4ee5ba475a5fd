#include "aboutdialog.h"

#include "core/version.h"
#include "widgets/cardpainter.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel *createLabel(const QString &text, const QString &objectName, Qt::Alignment alignment, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(objectName);
    label->setAlignment(alignment);
    return label;
}

} // namespace

AboutDialog::AboutDialog(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setModal(true);
    setupUi();
    // 400 x 380 unless the summary, wrapped at that width, needs more height.
    constexpr int width = 400;
    setFixedSize(width, qMax(380, layout()->totalHeightForWidth(width)));
}

QString AboutDialog::featureSummary()
{
    // Every feature of the side bar, in its order.
    QStringList lines = { tr("Your Personal System Butler"), QString(),
        tr("📊 Dashboard - Scan everything at once and clean in one click"),
        tr("🧹 Junk Cleaner - Free up valuable disk space"), tr("🌐 Browser Cleaner - Protect your privacy") };
#ifdef Q_OS_WIN
    lines.append(tr("🔧 Registry Cleaner - Boost system performance"));
#endif
    lines.append(tr("⚡ Startup Manager - Speed up boot time"));
    lines.append(tr("📁 Large Files - Find what takes up your disk"));
    lines.append(tr("📦 App Uninstaller - Remove apps with their leftovers"));
    lines.append(tr("📑 Duplicate Files - Remove identical copies"));
    lines.append(tr("🛡️ Privacy Cleaner - Clear recent-files lists and other traces"));
    return lines.join(QLatin1Char('\n'));
}

void AboutDialog::setupUi()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(32, 32, 32, 32);
    layout->setSpacing(16);
    layout->setAlignment(Qt::AlignCenter);

    QLabel *icon = createLabel(QStringLiteral("🧹"), QStringLiteral("aboutIcon"), Qt::AlignCenter, this);
    icon->setFixedSize(72, 72);
    layout->addWidget(icon, 0, Qt::AlignCenter);
    layout->addWidget(createLabel(QStringLiteral("Sweepnook"), QStringLiteral("aboutName"), Qt::AlignCenter, this));
    layout->addWidget(createLabel(
        tr("Version %1").arg(QLatin1String(Version::full)), QStringLiteral("aboutVersion"), Qt::AlignCenter, this));

    QLabel *summary = createLabel(featureSummary(), QStringLiteral("aboutSummary"), Qt::AlignLeft, this);
    summary->setWordWrap(true);
    layout->addWidget(summary);
    layout->addSpacing(12);
    layout->addWidget(createLabel(tr("Made by Quelmo"), QStringLiteral("aboutMaker"), Qt::AlignCenter, this));
    layout->addStretch();

    auto *ok = new QPushButton(tr("OK"), this);
    ok->setMinimumWidth(100);
    ok->setFixedHeight(36);
    ok->setCursor(Qt::PointingHandCursor);
    ok->setObjectName(QStringLiteral("aboutOkBtn"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(ok, 0, Qt::AlignCenter);
}

void AboutDialog::paintEvent(QPaintEvent *)
{
    CardPainter::paint(this, 20);
}
