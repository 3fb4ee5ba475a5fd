#include "startuppage.h"

#include "cleaners/startupmanager.h"
#include "core/logger.h"
#include "core/processrunner.h"
#include "startupcarddelegate.h"
#include "startuplistmodel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int SpinnerIntervalMs = 400;

const QStringList &spinnerFrames()
{
    static const QStringList frames
        = { QStringLiteral("●"), QStringLiteral("◐"), QStringLiteral("◑"), QStringLiteral("◒") };
    return frames;
}

QLabel *namedLabel(const QString &text, const char *objectName, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(objectName));
    return label;
}

} // namespace

StartupPage::StartupPage(StartupManager *manager, QWidget *parent)
    : QWidget(parent)
    , m_manager(manager)
{
    setObjectName(QStringLiteral("startupPage"));
    setupUi();
    connect(m_manager, &StartupManager::progressChanged, m_statusLabel, &QLabel::setText);
    connect(m_manager, &StartupManager::refreshFinished, this, &StartupPage::onRefreshFinished);
    connect(m_manager, &StartupManager::listsChanged, this, &StartupPage::reloadList);
    connect(m_manager, &StartupManager::changeFinished, this, &StartupPage::onChangeFinished);
    reloadList();
}

StartupPage::~StartupPage()
{
    m_spinnerTimer->stop();
}

StartupListModel *StartupPage::model() const
{
    return m_model;
}

bool StartupPage::isLoading() const
{
    return m_body->currentWidget() == m_loadingView;
}

QString StartupPage::emptyText() const
{
    return m_body->currentWidget() == m_emptyLabel ? m_emptyLabel->text() : QString();
}

void StartupPage::setupUi()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->setSpacing(16);

    auto *header = new QHBoxLayout;
    header->setContentsMargins(0, 0, 0, 0);
    auto *titles = new QVBoxLayout;
    titles->setSpacing(4);
    titles->addWidget(namedLabel(tr("Startup Manager"), "startupTitle", this));
    QLabel *subtitle = namedLabel(tr("Manage programs that run automatically at startup"), "startupSubtitle", this);
    subtitle->setWordWrap(true);
    titles->addWidget(subtitle);
    header->addLayout(titles, 1);
    m_countBadge = namedLabel(QStringLiteral("--"), "startupCountBadge", this);
    header->addWidget(m_countBadge, 0, Qt::AlignVCenter);
    layout->addLayout(header);

    auto *tools = new QHBoxLayout;
    tools->setContentsMargins(0, 0, 0, 0);
    tools->setSpacing(12);
    m_searchEdit = new QLineEdit(this);
    m_searchEdit->setObjectName(QStringLiteral("startupSearch"));
    m_searchEdit->setPlaceholderText(tr("Search programs..."));
    m_searchEdit->setFixedSize(250, 36);
    m_searchEdit->setClearButtonEnabled(true);
    connect(m_searchEdit, &QLineEdit::textChanged, this, &StartupPage::onSearchChanged);
    tools->addWidget(m_searchEdit);
    m_refreshButton = new QPushButton(tr("Refresh"), this);
    m_refreshButton->setObjectName(QStringLiteral("startupRefreshBtn"));
    m_refreshButton->setMinimumWidth(90);
    m_refreshButton->setFixedHeight(36);
    m_refreshButton->setCursor(Qt::PointingHandCursor);
    connect(m_refreshButton, &QPushButton::clicked, this, &StartupPage::onRefreshClicked);
    tools->addWidget(m_refreshButton);
    // The hint takes the rest of the row and wraps there (a translation may be longer still)
    // rather than pushing the row wider than the page.
    QLabel *hint = namedLabel(tr("⚠️ Only your own startup items can be removed"), "startupHint", this);
    hint->setWordWrap(true);
    hint->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QSizePolicy wrapping(QSizePolicy::Ignored, QSizePolicy::Preferred);
    wrapping.setHeightForWidth(true);
    hint->setSizePolicy(wrapping);
    tools->addWidget(hint, 1);
    layout->addLayout(tools);

    m_body = new QStackedWidget(this);
    m_loadingView = createLoadingView();
    m_body->addWidget(m_loadingView);
    m_model = new StartupListModel(this);
    m_delegate = new StartupCardDelegate(this);
    m_listView = new QListView(this);
    m_listView->setObjectName(QStringLiteral("startupList"));
    m_listView->setModel(m_model);
    m_listView->setItemDelegate(m_delegate);
    m_listView->setFrameShape(QFrame::NoFrame);
    m_listView->setSelectionMode(QAbstractItemView::NoSelection);
    m_listView->setFocusPolicy(Qt::NoFocus);
    m_listView->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_listView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_listView->setMouseTracking(true);
    m_listView->setUniformItemSizes(false);
    m_body->addWidget(m_listView);
    // The search text the user typed comes back in this line.
    m_emptyLabel = namedLabel(QString(), "startupEmpty", this);
    m_emptyLabel->setTextFormat(Qt::PlainText);
    m_emptyLabel->setWordWrap(true);
    m_emptyLabel->setAlignment(Qt::AlignCenter);
    m_body->addWidget(m_emptyLabel);
    m_body->setCurrentWidget(m_listView);
    layout->addWidget(m_body, 1);

    connect(m_model, &StartupListModel::removeRequested, this, &StartupPage::onRemoveRequested);
    connect(m_model, &StartupListModel::addRequested, this, &StartupPage::onAddRequested);
    connect(m_model, &StartupListModel::enableRequested, this, &StartupPage::onEnableRequested);
    connect(m_delegate, &StartupCardDelegate::revealRequested, this, &StartupPage::onRevealRequested);

    m_spinnerTimer = new QTimer(this);
    connect(m_spinnerTimer, &QTimer::timeout, this, &StartupPage::updateLoadingAnimation);
}

QWidget *StartupPage::createLoadingView()
{
    auto *view = new QWidget(this);
    view->setObjectName(QStringLiteral("startupLoading"));
    auto *column = new QVBoxLayout(view);
    column->setAlignment(Qt::AlignCenter);
    column->setSpacing(20);
    m_spinnerLabel = namedLabel(spinnerFrames().first(), "startupSpinner", view);
    m_spinnerLabel->setAlignment(Qt::AlignCenter);
    column->addWidget(m_spinnerLabel);
    // Progress texts carry folder names read from the disk.
    m_statusLabel = namedLabel(tr("Scanning installed programs..."), "startupStatus", view);
    m_statusLabel->setTextFormat(Qt::PlainText);
    m_statusLabel->setAlignment(Qt::AlignCenter);
    column->addWidget(m_statusLabel);
    auto *hint = namedLabel(tr("First load may take a few seconds"), "startupLoadingHint", view);
    hint->setAlignment(Qt::AlignCenter);
    column->addWidget(hint);
    return view;
}

void StartupPage::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_shownOnce)
        return;
    m_shownOnce = true;
    startBackgroundScan();
}

void StartupPage::showLoading(bool on)
{
    m_refreshButton->setEnabled(!on);
    if (on) {
        m_body->setCurrentWidget(m_loadingView);
        m_frameIndex = 0;
        m_spinnerLabel->setText(spinnerFrames().first());
        m_spinnerTimer->start(SpinnerIntervalMs);
    } else {
        m_spinnerTimer->stop();
        m_body->setCurrentWidget(m_listView);
        showListOrEmptyText();
    }
}

void StartupPage::showListOrEmptyText()
{
    if (isLoading())
        return;
    if (m_model->rowCount() > 0) {
        m_body->setCurrentWidget(m_listView);
        return;
    }
    const QString filter = m_searchEdit->text().trimmed();
    m_emptyLabel->setText(
        filter.isEmpty() ? tr("No startup items or apps found") : tr("No startup items match \"%1\"").arg(filter));
    m_body->setCurrentWidget(m_emptyLabel);
}

void StartupPage::updateLoadingAnimation()
{
    m_frameIndex = (m_frameIndex + 1) % spinnerFrames().size();
    m_spinnerLabel->setText(spinnerFrames().at(m_frameIndex));
}

void StartupPage::startBackgroundScan()
{
    if (m_manager->isScanning())
        return;
    showLoading(true);
    m_manager->refresh();
}

void StartupPage::onRefreshClicked()
{
    startBackgroundScan();
}

void StartupPage::onRefreshFinished()
{
    showLoading(false);
    reloadList();
}

void StartupPage::onSearchChanged(const QString &text)
{
    m_model->setFilter(text);
    m_countBadge->setText(tr("%Ln startup items", nullptr, m_model->shownItemCount()) + QStringLiteral(" · ")
        + tr("%Ln apps", nullptr, m_model->shownAppCount()));
    showListOrEmptyText();
}

void StartupPage::reloadList()
{
    m_model->setContents(m_manager->items(), m_manager->apps());
    onSearchChanged(m_searchEdit->text());
}

void StartupPage::onRemoveRequested(const StartupItem &requested)
{
    if (!StartupManager::isModifiable(requested)) {
        showMessage(false, tr("Cannot Modify"),
            tr("This startup item was not created by Sweepnook and cannot be removed here."));
        return;
    }
    m_manager->startSetStartupEnabled(requested, false);
}

void StartupPage::onAddRequested(const InstalledApp &app)
{
    m_manager->startAddApp(app);
}

void StartupPage::onEnableRequested(const StartupItem &requested)
{
    if (!StartupManager::isModifiable(requested)) {
        showMessage(false, tr("Cannot Modify"),
            tr("This startup item was not created by Sweepnook and cannot be removed here."));
        return;
    }
    m_manager->startSetStartupEnabled(requested, true);
}

void StartupPage::onChangeFinished(StartupManager::ChangeKind kind, const QString &name, bool ok)
{
    using Kind = StartupManager::ChangeKind;
    if (kind != Kind::Add && kind != Kind::Enable && kind != Kind::Remove)
        return;
    if (ok) {
        Logger::instance()->info((kind == Kind::Remove          ? QStringLiteral("Removed startup: ")
                                         : kind == Kind::Enable ? QStringLiteral("Enabled startup: ")
                                                                : QStringLiteral("Added startup: "))
            + name);
        return;
    }
    showMessage(true, tr("Operation Failed"),
        kind == Kind::Remove ? tr("Failed to remove \"%1\" from startup.").arg(name)
                             : tr("Failed to add \"%1\" to startup.").arg(name));
}

void StartupPage::onRevealRequested(const QString &path)
{
    if (!ProcessRunner::startDetached(QStringLiteral("open"), { QStringLiteral("-R"), path }))
        Logger::instance()->warning(QStringLiteral("Cannot reveal in Finder: ") + path);
}

void StartupPage::showMessage(bool warning, const QString &title, const QString &text)
{
    // The text may carry an application's name: never read it as markup.
    QMessageBox box(warning ? QMessageBox::Warning : QMessageBox::Information, title, text, QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}
