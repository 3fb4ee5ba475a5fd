#include "scanprogressdialog.h"

#include "core/cleanitem.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

constexpr int longestWholePath = 50;

} // namespace

ScanProgressDialog::ScanProgressDialog(QWidget *parent)
    : CardDialog(parent)
{
    setFixedSize(420, 220);
    setupUi();
}

void ScanProgressDialog::setupUi()
{
    m_iconLabel = new QLabel(QStringLiteral("🔍"));
    m_iconLabel->setObjectName(QStringLiteral("scanCardIcon"));
    m_titleLabel = new QLabel(tr("Scanning for large files..."));
    m_titleLabel->setObjectName(QStringLiteral("scanCardTitle"));
    auto *titleRow = new QHBoxLayout;
    titleRow->addWidget(m_iconLabel);
    titleRow->addWidget(m_titleLabel);
    titleRow->addStretch();

    m_progressBar = new QProgressBar;
    m_progressBar->setRange(0, 0);
    m_progressBar->setFixedHeight(6);
    m_progressBar->setTextVisible(false);

    m_pathLabel = new QLabel(tr("Preparing..."));
    m_pathLabel->setTextFormat(Qt::PlainText);
    m_pathLabel->setWordWrap(true);
    m_pathLabel->setObjectName(QStringLiteral("scanCardPath"));
    m_countLabel = new QLabel(countText(0, 0));
    m_countLabel->setObjectName(QStringLiteral("scanCardCount"));

    m_button = new QPushButton(tr("Cancel"));
    m_button->setMinimumWidth(100);
    m_button->setFixedHeight(36);
    m_button->setCursor(Qt::PointingHandCursor);
    m_button->setObjectName(QStringLiteral("scanCardBtn"));
    connect(m_button, &QPushButton::clicked, this, [this] {
        emit cancelRequested();
        close();
    });
    auto *buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(m_button);
    buttonRow->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 20);
    layout->setSpacing(16);
    layout->addLayout(titleRow);
    layout->addWidget(m_progressBar);
    layout->addWidget(m_pathLabel);
    layout->addWidget(m_countLabel);
    layout->addStretch();
    layout->addLayout(buttonRow);
}

void ScanProgressDialog::setProgress(const QString &path, int foundCount, qint64 totalSize)
{
    const QString shown
        = path.size() > longestWholePath ? path.left(25) + QStringLiteral("...") + path.right(22) : path;
    m_pathLabel->setText(tr("Scanning: %1").arg(shown));
    m_countLabel->setText(countText(foundCount, totalSize));
}

void ScanProgressDialog::setFinished(int foundCount, qint64 totalSize)
{
    m_iconLabel->setText(QStringLiteral("✅"));
    m_titleLabel->setText(tr("Scan Complete"));
    m_progressBar->setRange(0, 100);
    m_progressBar->setValue(100);
    m_pathLabel->setText(tr("Scan completed"));
    m_countLabel->setText(countText(foundCount, totalSize));
    m_button->setText(tr("View Results"));
    // The way on is the primary action, no longer the red Cancel.
    m_button->setProperty("finished", true);
    m_button->style()->unpolish(m_button);
    m_button->style()->polish(m_button);
    m_button->disconnect();
    connect(m_button, &QPushButton::clicked, this, &QDialog::accept);
}

QString ScanProgressDialog::countText(int foundCount, qint64 totalSize)
{
    return tr("Found %Ln large files (%1)", nullptr, foundCount).arg(CleanItem::formatSize(totalSize));
}

