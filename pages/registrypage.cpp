#include "registrypage.h"

#include <QLabel>
#include <QVBoxLayout>

RegistryPage::RegistryPage(QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setAlignment(Qt::AlignTop);
    layout->setContentsMargins(40, 100, 40, 0);
    layout->setSpacing(16);

    auto *icon = new QLabel(QStringLiteral("📋"), this);
    icon->setFixedSize(120, 120);
    icon->setAlignment(Qt::AlignCenter);
    icon->setObjectName(QStringLiteral("registryIcon"));
    layout->addWidget(icon, 0, Qt::AlignHCenter);

    auto *title = new QLabel(tr("Registry cleaning is only available on Windows"), this);
    title->setObjectName(QStringLiteral("registryUnavailableLabel"));
    title->setAlignment(Qt::AlignCenter);
    title->setWordWrap(true);
    layout->addWidget(title);

    auto *explanation = new QLabel(tr("macOS keeps its settings in preference files, not in a registry, so there "
                                      "is nothing to clean here."),
        this);
    explanation->setAlignment(Qt::AlignCenter);
    explanation->setWordWrap(true);
    explanation->setObjectName(QStringLiteral("registryExplanation"));
    layout->addWidget(explanation);
}
