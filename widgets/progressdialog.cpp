#include "progressdialog.h"

#include "core/cleanitem.h"
#include "core/languages.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

QLabel *centredLabel(const QString &text, const QString &objectName)
{
    auto *label = new QLabel(text);
    // The current item is a path from the disk: never read as markup.
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignCenter);
    label->setObjectName(objectName);
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
    m_iconLabel = centredLabel(scan ? QStringLiteral("🔍") : QStringLiteral("🧹"), QStringLiteral("progressIcon"));
    m_iconLabel->setFixedSize(64, 64);
    m_titleLabel = centredLabel(scan ? tr("Scanning...") : tr("Cleaning..."), QStringLiteral("progressTitle"));
    m_statusLabel = centredLabel(scan ? tr("正在分析系统...") : tr("正在删除文件..."), QStringLiteral("progressStatus"));
    m_currentItemLabel = centredLabel(QString(), QStringLiteral("progressItem"));
    m_currentItemLabel->setWordWrap(true);
    m_currentItemLabel->setMaximumWidth(350);

    m_progressBar = new QProgressBar;
    m_progressBar->setObjectName(QStringLiteral("progressBar"));
    m_progressBar->setFixedHeight(8);
    m_progressBar->setTextVisible(false);
    m_progressBar->setRange(0, 100);
    m_progressBar->setValue(0);
    m_percentLabel = centredLabel(Languages::formatPercent(0), QStringLiteral("progressPercent"));

    m_cancelButton = new QPushButton(tr("Cancel"));
    m_cancelButton->setObjectName(QStringLiteral("cancelBtn"));
    m_cancelButton->setMinimumWidth(100);
    m_cancelButton->setFixedHeight(36);
    m_cancelButton->setCursor(Qt::PointingHandCursor);
    connect(m_cancelButton, &QPushButton::clicked, this, &ProgressDialog::cancelRequested);

    m_closeButton = new QPushButton(tr("完成"));
    m_closeButton->setObjectName(QStringLiteral("closeBtn"));
    m_closeButton->setMinimumWidth(100);
    m_closeButton->setFixedHeight(36);
    m_closeButton->setCursor(Qt::PointingHandCursor);
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
    m_percentLabel->setText(Languages::formatPercent(percent));
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
    const QString tone = outcome == Succeeded ? QStringLiteral("success")
        : outcome == PartlyDone               ? QStringLiteral("partly")
                                              : QStringLiteral("failure");
    m_titleLabel->setText(outcome == Succeeded ? tr("完成!")
            : outcome == PartlyDone            ? tr("Partly done")
                                               : tr("操作失败"));
    m_iconLabel->setText(outcome == Succeeded ? QStringLiteral("✓")
            : outcome == PartlyDone           ? QStringLiteral("!")
                                              : QStringLiteral("✗"));
    // The icon's tint and the bar's colour follow the outcome in the style sheet.
    for (QWidget *toned : { static_cast<QWidget *>(m_iconLabel), static_cast<QWidget *>(m_progressBar) }) {
        toned->setProperty("outcome", tone);
        toned->style()->unpolish(toned);
        toned->style()->polish(toned);
    }
    if (outcome != Succeeded)
        m_closeButton->setText(tr("Close"));
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
    // The fonts come from the style sheet: measure with them even before the card is shown.
    ensurePolished();
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
