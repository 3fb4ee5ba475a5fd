#include "progressdialog.h"

#include "core/cleanitem.h"
#include "widgets/palette.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// A translucent tint of a colour; style sheets read "#RRGGBBAA" as "#AARRGGBB", so the tint
// is given as rgba().
QString tint(const QString &color)
{
    const QColor base(color);
    return QStringLiteral("rgba(%1, %2, %3, 0.125)").arg(base.red()).arg(base.green()).arg(base.blue());
}

QString iconStyle(const QString &color)
{
    return QStringLiteral("background-color: %1; border-radius: 32px; font-size: 28px; color: %2;")
        .arg(tint(color), color);
}

QString barStyle(const QString &color)
{
    return QStringLiteral("QProgressBar { background-color: %1; border-radius: 4px; }"
                          "QProgressBar::chunk { background-color: %2; border-radius: 4px; }")
        .arg(Palette::Border.name(), color);
}

QLabel *centredLabel(const QString &text, const QString &style)
{
    auto *label = new QLabel(text);
    // The current item is a path from the disk: never read as markup.
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignCenter);
    label->setStyleSheet(style);
    return label;
}

} // namespace

ProgressDialog::ProgressDialog(Mode mode, QWidget *parent)
    : CardDialog(parent)
    , m_mode(mode)
{
    setFixedSize(cardWidth, cardHeight);
    setupUi();
}

void ProgressDialog::setupUi()
{
    const bool scan = m_mode == Scan;
    m_iconLabel = centredLabel(scan ? QStringLiteral("🔍") : QStringLiteral("🧹"),
        QStringLiteral("background-color: %1; border-radius: 32px; font-size: 28px;")
            .arg(tint(QStringLiteral("#10B981"))));
    m_iconLabel->setFixedSize(64, 64);
    m_titleLabel = centredLabel(scan ? tr("Scanning...") : tr("Cleaning..."),
        QStringLiteral("color: %1; font-size: 18px; font-weight: 600;").arg(QStringLiteral("#111827")));
    m_statusLabel = centredLabel(scan ? tr("正在分析系统...") : tr("正在删除文件..."),
        QStringLiteral("color: %1; font-size: 13px;").arg(QStringLiteral("#6B7280")));
    m_currentItemLabel
        = centredLabel(QString(), QStringLiteral("color: %1; font-size: 12px;").arg(QStringLiteral("#9CA3AF")));
    m_currentItemLabel->setWordWrap(true);
    m_currentItemLabel->setMaximumWidth(350);

    m_progressBar = new QProgressBar;
    m_progressBar->setObjectName(QStringLiteral("progressBar"));
    m_progressBar->setFixedHeight(8);
    m_progressBar->setTextVisible(false);
    m_progressBar->setRange(0, 100);
    m_progressBar->setValue(0);
    m_progressBar->setStyleSheet(barStyle(Palette::Accent.name()));
    m_percentLabel = centredLabel(
        QStringLiteral("0%"), QStringLiteral("color: %1; font-size: 12px;").arg(QStringLiteral("#9CA3AF")));

    m_cancelButton = new QPushButton(tr("Cancel"));
    m_cancelButton->setObjectName(QStringLiteral("cancelBtn"));
    m_cancelButton->setMinimumWidth(100);
    m_cancelButton->setFixedHeight(36);
    m_cancelButton->setCursor(Qt::PointingHandCursor);
    m_cancelButton->setStyleSheet(
        QStringLiteral("QPushButton { background-color: %1; color: %2; border: none; border-radius: 8px;"
                       " font-size: 14px; }QPushButton:hover { background-color: %3; }")
            .arg(QStringLiteral("#F3F4F6"), QStringLiteral("#111827"), QStringLiteral("#E5E7EB")));
    connect(m_cancelButton, &QPushButton::clicked, this, &ProgressDialog::cancelRequested);

    m_closeButton = new QPushButton(tr("完成"));
    m_closeButton->setObjectName(QStringLiteral("closeBtn"));
    m_closeButton->setMinimumWidth(100);
    m_closeButton->setFixedHeight(36);
    m_closeButton->setCursor(Qt::PointingHandCursor);
    m_closeButton->setStyleSheet(
        QStringLiteral("QPushButton { background-color: %1; color: white; border: none; border-radius: 8px;"
                       " font-size: 14px; }QPushButton:hover { background-color: %2; }")
            .arg(QStringLiteral("#10B981"), QStringLiteral("#059669")));
    m_closeButton->hide();
    connect(m_closeButton, &QPushButton::clicked, this, &QDialog::accept);

    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(12);
    buttons->addStretch();
    buttons->addWidget(m_cancelButton);
    buttons->addWidget(m_closeButton);
    buttons->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    // Spaced a little tighter than the other cards: icon, texts, bar and buttons must all fit
    // the fixed 280 px height without overlapping.
    layout->setSpacing(8);
    layout->addWidget(m_iconLabel, 0, Qt::AlignHCenter);
    layout->addWidget(m_titleLabel);
    layout->addWidget(m_statusLabel);
    layout->addWidget(m_currentItemLabel);
    layout->addWidget(m_progressBar);
    layout->addWidget(m_percentLabel);
    layout->addStretch();
    layout->addLayout(buttons);
}

void ProgressDialog::setProgress(int current, int total)
{
    if (total < 1)
        return;
    const int percent = static_cast<int>(qint64(current) * 100 / total);
    m_progressBar->setValue(percent);
    m_percentLabel->setText(QStringLiteral("%1%").arg(percent));
}

void ProgressDialog::setCurrentItem(const QString &text)
{
    m_currentItemLabel->setText(text);
}

void ProgressDialog::setCleanedSize(qint64 bytes)
{
    m_statusLabel->setText(tr("已清理: %1").arg(CleanItem::formatSize(bytes)));
}

void ProgressDialog::setFinished(bool success, const QString &message)
{
    setFinished(success ? Succeeded : Failed, message);
}

void ProgressDialog::setFinished(Outcome outcome, const QString &message)
{
    m_finished = true;
    const QString tone = outcome == Succeeded ? Palette::Accent.name()
        : outcome == PartlyDone               ? Palette::Warning.name()
                                              : Palette::Danger.name();
    m_titleLabel->setText(outcome == Succeeded ? tr("完成!")
            : outcome == PartlyDone            ? tr("Partly done")
                                               : tr("操作失败"));
    m_iconLabel->setText(outcome == Succeeded ? QStringLiteral("✓")
            : outcome == PartlyDone           ? QStringLiteral("!")
                                              : QStringLiteral("✗"));
    m_iconLabel->setStyleSheet(iconStyle(tone));
    m_progressBar->setStyleSheet(barStyle(tone));
    if (!message.isEmpty())
        m_statusLabel->setText(message);
    m_currentItemLabel->hide();
    m_progressBar->setValue(100);
    m_percentLabel->hide();
    m_cancelButton->hide();
    m_closeButton->show();
    fitSummary();
}

// A summary can run to several lines (failures, a refusal naming each running browser): it
// wraps, and the card grows downwards rather than cutting it off.
void ProgressDialog::fitSummary()
{
    m_statusLabel->setWordWrap(true);
    layout()->activate();
    setFixedHeight(qMax(cardHeight, layout()->totalHeightForWidth(width())));
}

bool ProgressDialog::isFinished() const
{
    return m_finished;
}

void ProgressDialog::reject()
{
    if (m_finished)
        accept();
    else
        emit cancelRequested();
}
