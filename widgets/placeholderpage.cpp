#include "placeholderpage.h"

#include <QLabel>
#include <QVBoxLayout>

PlaceholderPage::PlaceholderPage(const QString &featureName, QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(32, 32, 32, 32);
    layout->setSpacing(8);
    layout->addStretch();

    auto *title = new QLabel(featureName, this);
    title->setAlignment(Qt::AlignCenter);
    title->setStyleSheet(QStringLiteral("color: #111827; font-size: 20px; font-weight: 600;"));
    layout->addWidget(title);

    auto *note = new QLabel(tr("This feature is coming soon."), this);
    note->setAlignment(Qt::AlignCenter);
    note->setStyleSheet(QStringLiteral("color: #6B7280; font-size: 13px;"));
    layout->addWidget(note);
    layout->addStretch();
}
