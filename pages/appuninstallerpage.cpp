#include "appuninstallerpage.h"

#include "core/cleanitem.h"
#include "widgets/appcarddelegate.h"
#include "widgets/applistmodel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStackedWidget>
#include <QStyle>
#include <QVBoxLayout>

namespace {

enum BodyPage { LoadingView, ListView, EmptyView };

const QString spinnerFrames[] = { QStringLiteral("●"), QStringLiteral("◐"), QStringLiteral("◑"), QStringLiteral("◒") };
constexpr int kNamesListed = 8;

// Names a message box's button for the style sheet; the box polished its buttons when it made
// them, so the new name needs a fresh polish to take effect.
void nameButton(QMessageBox *box, QMessageBox::StandardButton which, const QString &text, const char *objectName)
{
    QAbstractButton *button = box->button(which);
    button->setText(text);
    button->setObjectName(QLatin1String(objectName));
    button->style()->unpolish(button);
    button->style()->polish(button);
}

QLabel *plainLabel(const QString &text, const char *objectName, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(objectName));
    label->setTextFormat(Qt::PlainText);
    return label;
}

// The confirmation's last line: what goes to the Trash, worded for one app or several.
QString movedToTrashLine(int appCount, int leftoverCount, qint64 leftoverSize)
{
    if (leftoverCount == 0)
        return appCount == 1 ? AppUninstallerPage::tr("The app will be moved to the Trash.")
                             : AppUninstallerPage::tr("Apps will be moved to Trash.");
    const QString size = CleanItem::formatSize(leftoverSize);
    return appCount == 1 ? AppUninstallerPage::tr(
               "The app and %Ln selected leftover items (%1) will be moved to the Trash.", nullptr, leftoverCount)
                               .arg(size)
                         : AppUninstallerPage::tr("Apps and %Ln selected leftover items (%1) will be moved to Trash.",
                             nullptr, leftoverCount)
                               .arg(size);
}

// What an uninstall moved to the Trash, worded for one app or several, with or without leftovers.
QString movedLine(int appCount, const QString &appName, int leftoverCount, qint64 bytes)
{
    const QString size = CleanItem::formatSize(bytes);
    if (appCount == 1 && leftoverCount == 0)
        return AppUninstallerPage::tr("Moved %1 (%2) to the Trash.").arg(appName, size);
    if (appCount == 1)
        return AppUninstallerPage::tr("Moved %1 and %Ln leftover items (%2) to the Trash.", nullptr, leftoverCount)
            .arg(appName, size);
    if (leftoverCount == 0)
        return AppUninstallerPage::tr("Moved %Ln apps (%1) to the Trash.", nullptr, appCount).arg(size);
    return AppUninstallerPage::tr("Moved %Ln apps and %1 (%2) to the Trash.", nullptr, appCount)
        .arg(AppUninstallerPage::tr("%Ln leftover items", nullptr, leftoverCount), size);
}

} // namespace

AppUninstallerPage::AppUninstallerPage(AppUninstaller *uninstaller, QWidget *parent)
    : QWidget(parent)
    , m_uninstaller(uninstaller)
    , m_model(new AppListModel(this))
    , m_proxy(new QSortFilterProxyModel(this))
{
    m_proxy->setSourceModel(m_model);
    m_proxy->setFilterCaseSensitivity(Qt::CaseInsensitive);
    m_proxy->setFilterRole(Qt::DisplayRole);
    setupUi();
    m_spinnerTimer.setInterval(400);
    connect(&m_spinnerTimer, &QTimer::timeout, this, &AppUninstallerPage::updateLoadingAnimation);
    connect(m_model, &AppListModel::checkedCountChanged, this, &AppUninstallerPage::onCheckedCountChanged);
    connect(m_uninstaller, &AppUninstaller::appFound, this, &AppUninstallerPage::onAppFound);
    connect(m_uninstaller, &AppUninstaller::scanFinished, this, &AppUninstallerPage::onScanFinished);
    connect(m_uninstaller, &AppUninstaller::progressChanged, this, &AppUninstallerPage::onProgressChanged);
    connect(m_uninstaller, &AppUninstaller::uninstallFinished, this, &AppUninstallerPage::onUninstallFinished);
    connect(m_uninstaller, &AppUninstaller::removedElsewhere, this, &AppUninstallerPage::onRemovedElsewhere);
    connect(m_uninstaller, &AppUninstaller::leftoverMeasured, m_model, &AppListModel::setLeftoverSize);
}

AppUninstallerPage::~AppUninstallerPage()
{
    if (m_activity == Activity::Scanning)
        m_uninstaller->cancel();
}

void AppUninstallerPage::setupUi()
{
    setObjectName(QStringLiteral("appUninstallerPage"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->setSpacing(16);
    layout->addWidget(createHeader());
    layout->addWidget(createToolRow());
    m_resultLabel = plainLabel(QString(), "appResultLabel", this);
    m_resultLabel->setWordWrap(true);
    m_resultLabel->hide();
    layout->addWidget(m_resultLabel);

    m_body = new QStackedWidget(this);
    m_body->addWidget(createLoadingView());
    m_list = new QListView(m_body);
    m_list->setObjectName(QStringLiteral("appList"));
    m_list->setModel(m_proxy);
    m_list->setItemDelegate(new AppCardDelegate(m_model, m_list));
    m_list->setSelectionMode(QAbstractItemView::NoSelection);
    m_list->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setFrameShape(QFrame::NoFrame);
    m_list->setMouseTracking(true);
    m_list->viewport()->setAttribute(Qt::WA_Hover);
    m_body->addWidget(m_list);
    m_emptyLabel = plainLabel(QString(), "appEmptyLabel", m_body);
    m_emptyLabel->setAlignment(Qt::AlignCenter);
    m_emptyLabel->setWordWrap(true);
    m_body->addWidget(m_emptyLabel);
    layout->addWidget(m_body, 1);
    m_body->setCurrentIndex(ListView);
}

QWidget *AppUninstallerPage::createHeader()
{
    auto *header = new QWidget(this);
    auto *row = new QHBoxLayout(header);
    row->setContentsMargins(0, 0, 0, 0);
    auto *titles = new QVBoxLayout;
    titles->setSpacing(4);
    titles->addWidget(plainLabel(tr("App Uninstaller"), "appUninstallerTitle", header));
    titles->addWidget(
        plainLabel(tr("Completely remove apps and their leftover files"), "appUninstallerSubtitle", header));
    row->addLayout(titles);
    row->addStretch();
    m_countBadge = plainLabel(QStringLiteral("--"), "appCountBadge", header);
    row->addWidget(m_countBadge, 0, Qt::AlignVCenter);
    return header;
}

QWidget *AppUninstallerPage::createToolRow()
{
    auto *tools = new QWidget(this);
    auto *row = new QHBoxLayout(tools);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(12);
    m_search = new QLineEdit(tools);
    m_search->setObjectName(QStringLiteral("appSearch"));
    m_search->setPlaceholderText(tr("Search apps..."));
    m_search->setFixedSize(250, 36);
    m_search->setClearButtonEnabled(true);
    connect(m_search, &QLineEdit::textChanged, this, &AppUninstallerPage::onSearchChanged);
    m_refreshBtn = new QPushButton(tr("Refresh"), tools);
    m_refreshBtn->setObjectName(QStringLiteral("appRefreshBtn"));
    m_refreshBtn->setMinimumWidth(90);
    m_refreshBtn->setFixedHeight(36);
    m_refreshBtn->setCursor(Qt::PointingHandCursor);
    connect(m_refreshBtn, &QPushButton::clicked, this, &AppUninstallerPage::onRefreshClicked);
    m_selectionLabel = plainLabel(tr("No apps selected"), "appSelectionLabel", tools);
    m_uninstallBtn = new QPushButton(tr("Uninstall"), tools);
    m_uninstallBtn->setObjectName(QStringLiteral("appUninstallBtn"));
    // No fixed minimum: the style sheet's padding makes the size hint, below which no layout
    // squeezes it, so a long translation is never cut.
    m_uninstallBtn->setFixedHeight(36);
    m_uninstallBtn->setCursor(Qt::PointingHandCursor);
    m_uninstallBtn->setEnabled(false);
    connect(m_uninstallBtn, &QPushButton::clicked, this, &AppUninstallerPage::onUninstallClicked);
    row->addWidget(m_search);
    row->addWidget(m_refreshBtn);
    row->addStretch();
    row->addWidget(m_selectionLabel);
    row->addWidget(m_uninstallBtn);
    return tools;
}

QWidget *AppUninstallerPage::createLoadingView()
{
    auto *view = new QWidget(this);
    auto *column = new QVBoxLayout(view);
    column->setSpacing(16);
    column->addStretch();
    m_spinnerLabel = plainLabel(spinnerFrames[0], "appSpinner", view);
    m_loadingLabel = plainLabel(QString(), "appLoadingLabel", view);
    m_currentLabel = plainLabel(QString(), "appCurrentLabel", view);
    for (QLabel *label : { m_spinnerLabel, m_loadingLabel, m_currentLabel }) {
        label->setAlignment(Qt::AlignCenter);
        column->addWidget(label);
    }
    column->addStretch();
    return view;
}

void AppUninstallerPage::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_shownOnce)
        return;
    m_shownOnce = true;
    startScan();
}

void AppUninstallerPage::startScan()
{
    if (m_activity != Activity::Idle)
        return;
    m_model->clear();
    m_removedDuringScan.clear();
    m_activity = Activity::Scanning;
    showLoading(tr("Scanning installed apps..."));
    m_uninstaller->startScan();
}

void AppUninstallerPage::showLoading(const QString &text)
{
    m_loadingLabel->setText(text);
    m_currentLabel->clear();
    m_body->setCurrentIndex(LoadingView);
    m_refreshBtn->setEnabled(false);
    m_uninstallBtn->setEnabled(false);
    m_frame = 0;
    m_spinnerLabel->setText(spinnerFrames[0]);
    m_spinnerTimer.start();
}

void AppUninstallerPage::showList()
{
    m_spinnerTimer.stop();
    m_refreshBtn->setEnabled(true);
    m_uninstallBtn->setEnabled(m_model->checkedCount() > 0);
    const bool nothingShown = m_proxy->rowCount() == 0;
    if (nothingShown)
        m_emptyLabel->setText(m_model->rowCount() == 0 ? tr("No applications were found in the Applications folders.")
                                                       : tr("No apps match \"%1\".").arg(m_search->text().trimmed()));
    m_body->setCurrentIndex(nothingShown ? EmptyView : ListView);
}

void AppUninstallerPage::updateLoadingAnimation()
{
    m_frame = (m_frame + 1) % int(std::size(spinnerFrames));
    m_spinnerLabel->setText(spinnerFrames[m_frame]);
}

void AppUninstallerPage::onAppFound(const AppInfo &info)
{
    if (m_activity != Activity::Scanning)
        return;
    m_model->append(info);
    // Found before another feature removed some of it.
    if (!m_removedDuringScan.isEmpty())
        m_model->dropRemoved(m_removedDuringScan);
}

void AppUninstallerPage::onScanFinished(int)
{
    if (m_activity != Activity::Scanning)
        return;
    m_activity = Activity::Idle;
    m_scannedOnce = true;
    updateBadge();
    showList();
}

void AppUninstallerPage::showMoved(const QList<UninstallOutcome> &outcomes)
{
    int apps = 0;
    int leftovers = 0;
    qint64 bytes = 0;
    QString name;
    for (const UninstallOutcome &outcome : outcomes) {
        if (outcome.result != UninstallOutcome::Result::Removed)
            continue;
        ++apps;
        name = outcome.name;
        leftovers += int(outcome.moved.size()) - 1;
        bytes += outcome.movedBytes;
    }
    m_resultLabel->setText(apps > 0 ? movedLine(apps, name, leftovers, bytes) : QString());
    m_resultLabel->setVisible(apps > 0);
}

void AppUninstallerPage::onRemovedElsewhere(const QSet<QString> &paths)
{
    if (m_activity == Activity::Scanning)
        m_removedDuringScan.unite(paths);
    // A scan or an uninstall under way measures for itself.
    const QStringList shrunk = m_model->dropRemoved(paths);
    if (m_activity == Activity::Idle)
        m_uninstaller->measureLeftovers(shrunk);
    updateBadge();
    if (m_activity == Activity::Idle && m_scannedOnce)
        showList();
}

void AppUninstallerPage::onProgressChanged(const QString &name)
{
    if (m_activity == Activity::Uninstalling)
        m_loadingLabel->setText(tr("Uninstalling %1...").arg(name));
    else if (m_activity == Activity::Scanning)
        m_currentLabel->setText(name);
}

void AppUninstallerPage::onSearchChanged(const QString &text)
{
    m_proxy->setFilterFixedString(text.trimmed());
    updateBadge();
    if (m_activity == Activity::Idle && m_scannedOnce)
        showList();
}

void AppUninstallerPage::updateBadge()
{
    if (!m_scannedOnce)
        return;
    const int all = m_model->rowCount();
    if (m_search->text().trimmed().isEmpty())
        m_countBadge->setText(tr("%Ln apps", nullptr, all));
    else
        m_countBadge->setText(tr("%1 / %Ln apps", nullptr, all).arg(QLocale().toString(m_proxy->rowCount())));
}

void AppUninstallerPage::onRefreshClicked()
{
    m_resultLabel->hide();
    startScan();
}

void AppUninstallerPage::onCheckedCountChanged(int count)
{
    m_uninstallBtn->setEnabled(count > 0 && m_activity == Activity::Idle);
    m_selectionLabel->setText(count == 0 ? tr("No apps selected") : tr("%Ln app(s) selected", nullptr, count));
}

void AppUninstallerPage::onUninstallClicked()
{
    const QList<AppInfo> apps = m_model->checkedApps();
    if (apps.isEmpty() || m_activity != Activity::Idle)
        return;
    QStringList lines { tr("Uninstall %Ln app(s) and their leftover files?", nullptr, int(apps.size())), QString() };
    int leftoverCount = 0;
    qint64 leftoverSize = 0;
    for (int i = 0; i < apps.size(); ++i) {
        if (i < kNamesListed)
            lines.append(QStringLiteral("• ") + apps.at(i).name);
        leftoverCount += apps.at(i).selectedLeftoverCount();
        leftoverSize += apps.at(i).selectedLeftoverSize();
    }
    if (apps.size() > kNamesListed)
        lines.append(tr("and %Ln more", nullptr, int(apps.size()) - kNamesListed));
    lines.append(QString());
    lines.append(movedToTrashLine(int(apps.size()), leftoverCount, leftoverSize));

    auto *box = new QMessageBox(QMessageBox::Warning, tr("Confirm Uninstall"), lines.join(QLatin1Char('\n')),
        QMessageBox::Yes | QMessageBox::No, this);
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    nameButton(box, QMessageBox::Yes, tr("Yes"), "confirmUninstallYes");
    nameButton(box, QMessageBox::No, tr("No"), "confirmUninstallNo");
    box->setDefaultButton(QMessageBox::No);
    connect(box, &QMessageBox::finished, this, [this, apps](int answer) {
        if (answer == QMessageBox::Yes)
            uninstall(apps);
    });
    box->open();
}

void AppUninstallerPage::uninstall(const QList<AppInfo> &apps)
{
    if (m_activity != Activity::Idle)
        return;
    m_activity = Activity::Uninstalling;
    m_resultLabel->hide();
    showLoading(tr("Uninstalling %1...").arg(apps.first().name));
    m_uninstaller->startUninstall(apps);
}

void AppUninstallerPage::onUninstallFinished(const QList<UninstallOutcome> &outcomes)
{
    if (m_activity != Activity::Uninstalling)
        return;
    m_activity = Activity::Idle;
    showMoved(outcomes);
    QStringList problems;
    for (const UninstallOutcome &outcome : outcomes) {
        if (outcome.result != UninstallOutcome::Result::Removed)
            problems.append(tr("Could not uninstall %1.\n%2").arg(outcome.name, outcome.reason));
        else if (!outcome.leftoverFailures.isEmpty())
            problems.append(tr("%1 was moved to Trash, but %Ln of its leftover items could not be moved.", nullptr,
                int(outcome.leftoverFailures.size()))
                                .arg(outcome.name));
    }
    startScan();
    if (problems.isEmpty())
        return;
    auto *box = new QMessageBox(
        QMessageBox::Warning, tr("Failed"), problems.join(QStringLiteral("\n\n")), QMessageBox::Ok, this);
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    nameButton(box, QMessageBox::Ok, tr("OK"), "uninstallFailedOk");
    box->open();
}
