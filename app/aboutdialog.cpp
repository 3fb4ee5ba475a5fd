#include "aboutdialog.h"

#include "core/version.h"
#include "widgets/cardpainter.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel *createLabel(const QString &text, const QString &styleSheet, Qt::Alignment alignment, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setStyleSheet(styleSheet);
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
    QStringList lines = {tr("Your Personal System Butler"), QString(),
        tr("🧹 Junk Cleaner - Free up valuable disk space"), tr("🌐 Browser Cleaner - Protect your privacy")};
#ifdef Q_OS_WIN
    lines.append(tr("🔧 Registry Cleaner - Boost system performance"));
#endif
    lines.append(tr("⚡ Startup Manager - Speed up boot time"));
    return lines.join(QLatin1Char('\n'));
}

void AboutDialog::setupUi()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(32, 32, 32, 32);
    layout->setSpacing(16);
    layout->setAlignment(Qt::AlignCenter);

    QLabel *icon = createLabel(QStringLiteral("🧹"),
        QStringLiteral("background-color: #10B98120; border-radius: 16px; font-size: 36px;"), Qt::AlignCenter, this);
    icon->setFixedSize(72, 72);
    layout->addWidget(icon, 0, Qt::AlignCenter);
    layout->addWidget(createLabel(QStringLiteral("Sweepnook"),
        QStringLiteral("color: #111827; font-size: 24px; font-weight: 700;"), Qt::AlignCenter, this));
    layout->addWidget(createLabel(tr("Version %1").arg(QLatin1String(Version::full)),
        QStringLiteral("color: #6B7280; font-size: 13px;"), Qt::AlignCenter, this));

    QLabel *summary = createLabel(featureSummary(),
        QStringLiteral("color: #9CA3AF; font-size: 13px; line-height: 1.5;"), Qt::AlignLeft, this);
    summary->setWordWrap(true);
    layout->addWidget(summary);
    layout->addSpacing(12);
    layout->addWidget(
        createLabel(tr("Made by Quelmo"), QStringLiteral("color: #9CA3AF; font-size: 11px;"), Qt::AlignCenter, this));
    layout->addStretch();

    auto *ok = new QPushButton(tr("OK"), this);
    ok->setMinimumWidth(100);
    ok->setFixedHeight(36);
    ok->setCursor(Qt::PointingHandCursor);
    ok->setStyleSheet(QStringLiteral("QPushButton { background-color: #10B981; color: white; border: none;"
                                     " border-radius: 8px; font-size: 14px; }"
                                     "QPushButton:hover { background-color: #059669; }"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(ok, 0, Qt::AlignCenter);
}

void AboutDialog::paintEvent(QPaintEvent *)
{
    CardPainter::paint(this, 20);
}
