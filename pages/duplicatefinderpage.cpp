#include "duplicatefinderpage.h"

#include "core/cleanitem.h"
#include "core/logger.h"
#include "core/removals.h"
#include "cleaners/duplicatefinder.h"
#include "cleaners/duplicateremover.h"
#include "duplicategroupdelegate.h"
#include "duplicateresultsmodel.h"
#include "widgets/palette.h"
#include "widgets/unreadablenote.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QListView>
#include <QLocale>
#include <QScrollBar>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString BrowseMarker = QStringLiteral("__browse__");
const QString PathSeparator = QStringLiteral("  ·  ");
constexpr int ProgressPathChars = 72;

// A label that shows text, styled by the style sheet under objectName.
QLabel *namedLabel(const QString &text, const QString &objectName, QWidget *parent = nullptr)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(objectName);
    return label;
}

// Takes the group's files at or below removed out; false when fewer than two files remain.
bool keepsAGroup(DuplicateGroup &group, const QSet<QString> &removed)
{
    group.files.removeIf([&](const DuplicateFile &file) { return Removals::covers(removed, file.path); });
    return group.files.size() >= 2;
}

QFrame *separatorLine()
{
    auto *line = new QFrame;
    line->setObjectName(QStringLiteral("duplicateSeparator"));
    line->setFixedHeight(1);
    return line;
}

} // namespace

DuplicateFinderPage::DuplicateFinderPage(DuplicateFinder *finder, DuplicateRemover *remover, QWidget *parent)
    : QWidget(parent)
    , m_finder(finder)
    , m_remover(remover)
    , m_model(new DuplicateResultsModel(this))
    , spinnerTimer(new QTimer(this))
{
    setupUi();
    connect(m_finder, &DuplicateFinder::duplicateGroupFound, this, &DuplicateFinderPage::onGroupFound,
        Qt::QueuedConnection);
    connect(m_finder, &DuplicateFinder::progress, this, &DuplicateFinderPage::onProgress, Qt::QueuedConnection);
    connect(m_finder, &DuplicateFinder::scanFinished, this, &DuplicateFinderPage::onScanFinished, Qt::QueuedConnection);
    connect(m_finder, &DuplicateFinder::readProgress, this, &DuplicateFinderPage::onReadProgress);
    connect(m_finder, &DuplicateFinder::scanStopped, this, &DuplicateFinderPage::onScanStopped);
    connect(
        m_remover, &DuplicateRemover::progress, this, &DuplicateFinderPage::onRemovalProgress, Qt::QueuedConnection);
    connect(
        m_remover, &DuplicateRemover::finished, this, &DuplicateFinderPage::onRemovalFinished, Qt::QueuedConnection);
    connect(m_remover, &DuplicateRemover::removedElsewhere, this, &DuplicateFinderPage::onRemovedElsewhere);
    spinnerTimer->setInterval(100);
    connect(spinnerTimer, &QTimer::timeout, this, &DuplicateFinderPage::tickSpinner);
}

DuplicateFinderPage::~DuplicateFinderPage()
{
    spinnerTimer->stop();
    m_finder->cancel();
}

void DuplicateFinderPage::setupUi()
{
    m_stack = new QStackedWidget(this);
    m_stack->setObjectName(QStringLiteral("duplicateStack"));
    m_stack->addWidget(buildScanPage());
    m_stack->addWidget(buildResultsPage());
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_stack);
}

QWidget *DuplicateFinderPage::buildScanPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(32, 28, 32, 28);
    layout->setSpacing(10);

    layout->addWidget(namedLabel(tr("Duplicate File Finder"), QStringLiteral("duplicateTitle")));
    layout->addWidget(
        namedLabel(tr("Find and remove identical files to free up disk space"), QStringLiteral("duplicateSubtitle")));
    layout->addSpacing(6);
    layout->addWidget(namedLabel(tr("SELECT LOCATION"), QStringLiteral("duplicateSection")));

    struct Location
    {
        QString icon;
        QString label;
        QString path;
        bool warning;
    };
    const QString home = QDir::homePath();
    const auto standard
        = [](QStandardPaths::StandardLocation location) { return QStandardPaths::writableLocation(location); };
    const QList<Location> locations {
        { QStringLiteral("🏠"), tr("Home"), home, false },
        { QStringLiteral("⬇️"), tr("Downloads"), standard(QStandardPaths::DownloadLocation), false },
        { QStringLiteral("📄"), tr("Documents"), standard(QStandardPaths::DocumentsLocation), false },
        { QStringLiteral("🖥"), tr("Desktop"), standard(QStandardPaths::DesktopLocation), false },
        { QStringLiteral("🖼"), tr("Pictures"), standard(QStandardPaths::PicturesLocation), false },
        { QStringLiteral("🎵"), tr("Music"), standard(QStandardPaths::MusicLocation), false },
        { QStringLiteral("🎬"), tr("Movies"), standard(QStandardPaths::MoviesLocation), false },
        { QStringLiteral("💾"), tr("User Volume"), home + QStringLiteral("/.."), false },
        { QStringLiteral("⚠️"), tr("Entire Disk"), QStringLiteral("/"), true },
        { QStringLiteral("📁"), tr("Choose…"), BrowseMarker, false },
    };
    auto *grid = new QGridLayout;
    grid->setSpacing(8);
    for (int i = 0; i < locations.size(); ++i) {
        const Location &location = locations.at(i);
        QPushButton *card = makeLocationBtn(location.icon, location.label, location.path, location.warning);
        locationButtons.append(card);
        grid->addWidget(card, i / 5, i % 5);
        if (location.path == BrowseMarker)
            m_browseButton = card;
    }
    grid->setColumnStretch(5, 1);
    layout->addLayout(grid);
    for (QPushButton *card : std::as_const(locationButtons)) {
        if (card->property("scanPath").toString() == home)
            card->setChecked(true);
    }
    selectedPaths = QStringList { home };

    m_pathHint = namedLabel(QString(), QStringLiteral("pathHint"));
    layout->addWidget(m_pathHint);
    updatePathHint();
    layout->addWidget(separatorLine());

    auto *controls = new QHBoxLayout;
    controls->addWidget(namedLabel(tr("Min file size:"), QStringLiteral("duplicateMinSizeLabel")));
    m_minSizeCombo = new QComboBox;
    m_minSizeCombo->setObjectName(QStringLiteral("minSizeCombo"));
    m_minSizeCombo->setFixedSize(120, 34);
    m_minSizeCombo->addItem(tr("1 KB"), qint64(1024));
    m_minSizeCombo->addItem(tr("100 KB"), qint64(102400));
    m_minSizeCombo->addItem(tr("1 MB"), qint64(1048576));
    m_minSizeCombo->addItem(tr("10 MB"), qint64(10485760));
    m_minSizeCombo->addItem(tr("100 MB"), qint64(104857600));
    m_minSizeCombo->setCurrentIndex(1);
    controls->addWidget(m_minSizeCombo);
    controls->addStretch();
    m_startBtn = new QPushButton(QStringLiteral("🔍  ") + tr("Start Scan"));
    m_startBtn->setObjectName(QStringLiteral("startScanBtn"));
    // No fixed minimum: the style sheet's padding makes the size hint, below which no layout
    // squeezes it, so a long translation is never cut.
    m_startBtn->setFixedHeight(40);
    m_startBtn->setCursor(Qt::PointingHandCursor);
    connect(m_startBtn, &QPushButton::clicked, this, &DuplicateFinderPage::onStartScan);
    controls->addWidget(m_startBtn);
    layout->addLayout(controls);

    m_progressCard = buildProgressCard();
    layout->addWidget(m_progressCard);
    layout->addStretch();
    return page;
}

QFrame *DuplicateFinderPage::buildProgressCard()
{
    auto *card = new QFrame;
    card->setObjectName(QStringLiteral("progressCard"));
    auto *layout = new QVBoxLayout(card);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->setSpacing(10);

    auto *top = new QHBoxLayout;
    m_spinnerLabel = namedLabel(QStringLiteral("◐"), QStringLiteral("spinnerLabel"));
    m_spinnerLabel->setFixedSize(22, 22);
    m_spinnerLabel->setAlignment(Qt::AlignCenter);
    top->addWidget(m_spinnerLabel);
    m_statusLabel = namedLabel(tr("Collecting files..."), QStringLiteral("statusLabel"));
    top->addWidget(m_statusLabel);
    top->addStretch();
    m_countLabel = namedLabel(QString(), QStringLiteral("countLabel"));
    top->addWidget(m_countLabel);
    m_cancelBtn = new QPushButton(tr("Cancel"));
    m_cancelBtn->setObjectName(QStringLiteral("cancelScanBtn"));
    m_cancelBtn->setMinimumWidth(76);
    m_cancelBtn->setFixedHeight(30);
    m_cancelBtn->setCursor(Qt::PointingHandCursor);
    connect(m_cancelBtn, &QPushButton::clicked, this, &DuplicateFinderPage::onCancelScan);
    top->addWidget(m_cancelBtn);
    layout->addLayout(top);

    m_progressBar = new QProgressBar;
    m_progressBar->setObjectName(QStringLiteral("scanProgressBar"));
    m_progressBar->setFixedHeight(8);
    m_progressBar->setTextVisible(false);
    layout->addWidget(m_progressBar);
    m_pathLabel = namedLabel(QString(), QStringLiteral("currentPathLabel"));
    m_pathLabel->setWordWrap(false);
    layout->addWidget(m_pathLabel);
    card->hide();
    return card;
}

QWidget *DuplicateFinderPage::buildResultsPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(28, 16, 28, 16);
    layout->setSpacing(12);

    m_unreadableNote = new UnreadableNote;
    layout->addWidget(m_unreadableNote);
    m_resultsView = new QListView;
    m_resultsView->setObjectName(QStringLiteral("duplicateResultsView"));
    m_resultsView->setFrameShape(QFrame::NoFrame);
    m_resultsView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_resultsView->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_resultsView->verticalScrollBar()->setSingleStep(20);
    m_resultsView->setSelectionMode(QAbstractItemView::NoSelection);
    m_resultsView->setFocusPolicy(Qt::NoFocus);
    m_resultsView->setMouseTracking(true);
    // Rows are laid out in batches, so a result of any size shows at once.
    m_resultsView->setLayoutMode(QListView::Batched);
    m_resultsView->setBatchSize(500);
    m_resultsView->setModel(m_model);
    m_resultsView->setItemDelegate(
        new DuplicateGroupDelegate([](qint64 bytes) { return CleanItem::formatSize(bytes); }, m_resultsView));
    connect(m_model, &DuplicateResultsModel::checkedCountChanged, this, &DuplicateFinderPage::updateDeleteBtn);
    // The footer counts what the delete button would remove.
    connect(m_model, &DuplicateResultsModel::checkedCountChanged, this, &DuplicateFinderPage::updateSummary);
    layout->addWidget(m_resultsView, 1);
    layout->addWidget(separatorLine());

    // The summary has a line of its own above the buttons: with a long count and a long word for
    // "can be freed" it would otherwise wrap word by word between them.
    m_summaryLabel = namedLabel(QString(), QStringLiteral("summaryLabel"));
    m_summaryLabel->setTextFormat(Qt::RichText);
    m_summaryLabel->setWordWrap(true);
    layout->addWidget(m_summaryLabel);
    auto *rule = namedLabel(tr("Ticked: every copy but the likely original (not in Downloads, no \"copy\" or "
                               "\"(1)\" in its name, the oldest, the shortest path). 🔒 Copies in apps, packages "
                               "and Library are never ticked."),
        QStringLiteral("tickRuleLabel"));
    rule->setWordWrap(true);
    layout->addWidget(rule);

    auto *bottom = new QHBoxLayout;
    bottom->setSpacing(10);
    m_newScanBtn = new QPushButton(tr("← New Scan"));
    m_newScanBtn->setObjectName(QStringLiteral("newScanBtn"));
    m_newScanBtn->setFixedHeight(36);
    m_newScanBtn->setCursor(Qt::PointingHandCursor);
    connect(m_newScanBtn, &QPushButton::clicked, this, &DuplicateFinderPage::onBackToScan);
    bottom->addWidget(m_newScanBtn);
    bottom->addStretch(1);

    m_keepBtn = new QPushButton(tr("Keep Original  ▾"));
    m_keepBtn->setObjectName(QStringLiteral("keepBtn"));
    m_keepBtn->setFixedHeight(36);
    m_keepBtn->setCursor(Qt::PointingHandCursor);
    connect(m_keepBtn, &QPushButton::clicked, this, [this] {
        QMenu menu(this);
        menu.addAction(tr("Keep Original  (the likely original of each group)"), this, [this] {
            m_keepBtn->setText(tr("Keep Original  ▾"));
            m_model->keepOriginals();
        });
        menu.addAction(tr("Keep Newest  (delete older duplicates)"), this, [this] {
            m_keepBtn->setText(tr("Keep Newest  ▾"));
            onKeepNewest();
        });
        menu.addAction(tr("Keep Oldest   (delete newer duplicates)"), this, [this] {
            m_keepBtn->setText(tr("Keep Oldest  ▾"));
            onKeepOldest();
        });
        menu.exec(m_keepBtn->mapToGlobal(QPoint(0, m_keepBtn->height() + 2)));
    });
    bottom->addWidget(m_keepBtn);

    m_deleteBtn = new QPushButton(tr("Delete Selected"));
    m_deleteBtn->setObjectName(QStringLiteral("deleteSelectedBtn"));
    m_deleteBtn->setFixedHeight(36);
    m_deleteBtn->setCursor(Qt::PointingHandCursor);
    m_deleteBtn->setEnabled(false);
    connect(m_deleteBtn, &QPushButton::clicked, this, &DuplicateFinderPage::onDeleteSelected);
    bottom->addWidget(m_deleteBtn);
    layout->addLayout(bottom);
    return page;
}

QPushButton *DuplicateFinderPage::makeLocationBtn(
    const QString &icon, const QString &label, const QString &path, bool warning)
{
    auto *card = new QPushButton;
    card->setObjectName(QStringLiteral("locationCard"));
    card->setCheckable(true);
    card->setFixedSize(104, 84);
    card->setCursor(Qt::PointingHandCursor);
    card->setProperty("scanPath", path);
    // The Entire Disk card is amber: the style sheet keys it on "warning".
    card->setProperty("warning", warning);
    auto *layout = new QVBoxLayout(card);
    layout->setContentsMargins(6, 10, 6, 8);
    layout->setSpacing(4);
    QLabel *iconLabel = namedLabel(icon, QStringLiteral("locationIcon"));
    QLabel *textLabel = namedLabel(label, QStringLiteral("locationText"));
    for (QLabel *part : { iconLabel, textLabel }) {
        part->setAlignment(Qt::AlignCenter);
        part->setAttribute(Qt::WA_TransparentForMouseEvents);
        layout->addWidget(part);
    }
    textLabel->setWordWrap(true);
    connect(card, &QPushButton::clicked, this, [this, card, path] { onLocationClicked(card, path); });
    return card;
}

void DuplicateFinderPage::onLocationClicked(QPushButton *button, const QString &path)
{
    if (path == BrowseMarker) {
        // The card shows whether chosen folders are selected; a click opens the dialog, or a
        // menu to add another folder or take a chosen one out.
        button->setChecked(!m_browsedPaths.isEmpty());
        if (m_browsedPaths.isEmpty())
            onBrowseFolder();
        else
            showChosenFoldersMenu();
        return;
    }
    if (button->isChecked()) {
        if (!selectedPaths.contains(path))
            selectedPaths.append(path);
    } else {
        selectedPaths.removeAll(path);
    }
    updatePathHint();
}

void DuplicateFinderPage::onBrowseFolder()
{
    const QString folder = QFileDialog::getExistingDirectory(this, tr("Choose Folder to Scan"), QDir::homePath(),
        QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
    if (folder.isEmpty())
        return;
    if (!selectedPaths.contains(folder))
        selectedPaths.append(folder);
    if (!m_browsedPaths.contains(folder))
        m_browsedPaths.append(folder);
    m_browseButton->setChecked(true);
    updatePathHint();
}

void DuplicateFinderPage::showChosenFoldersMenu()
{
    auto *menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("chosenFoldersMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addAction(tr("Choose Another Folder…"), this, &DuplicateFinderPage::onBrowseFolder);
    menu->addSeparator();
    for (const QString &folder : std::as_const(m_browsedPaths))
        menu->addAction(
            tr("Remove %1").arg(homeRelative(folder)), this, [this, folder] { removeChosenFolder(folder); });
    menu->popup(m_browseButton->mapToGlobal(QPoint(0, m_browseButton->height() + 2)));
}

void DuplicateFinderPage::removeChosenFolder(const QString &folder)
{
    m_browsedPaths.removeAll(folder);
    // A chosen folder that is also a location card's path stays selected through its card.
    const bool onACard = std::any_of(locationButtons.cbegin(), locationButtons.cend(),
        [&](const QPushButton *card) { return card->isChecked() && card->property("scanPath").toString() == folder; });
    if (!onACard)
        selectedPaths.removeAll(folder);
    m_browseButton->setChecked(!m_browsedPaths.isEmpty());
    updatePathHint();
}

QString DuplicateFinderPage::homeRelative(const QString &path) const
{
    const QString home = QDir::homePath();
    if (path == home || path.startsWith(home + QLatin1Char('/')))
        return QLatin1Char('~') + path.mid(home.size());
    return path;
}

void DuplicateFinderPage::updatePathHint()
{
    if (selectedPaths.isEmpty()) {
        m_pathHint->setText(tr("Path: (none selected)"));
        return;
    }
    QStringList shown;
    for (const QString &path : std::as_const(selectedPaths))
        shown.append(homeRelative(path));
    m_pathHint->setText(tr("Path: %1").arg(shown.join(PathSeparator)));
}

void DuplicateFinderPage::onStartScan()
{
    if (m_finder->isRunning())
        return;
    if (selectedPaths.isEmpty()) {
        QMessageBox::information(
            this, tr("No Location Selected"), tr("Please select at least one location to scan."), QMessageBox::Ok);
        return;
    }
    const QString userVolume = QDir::homePath() + QStringLiteral("/..");
    if (selectedPaths.contains(QStringLiteral("/")) || selectedPaths.contains(userVolume)) {
        const auto answer = QMessageBox::warning(this, tr("Full Disk Scan"),
            tr("Scanning the entire disk may take several minutes.\nContinue?"), QMessageBox::Yes | QMessageBox::No);
        if (answer != QMessageBox::Yes)
            return;
    }

    foundGroups.clear();
    m_removedDuringScan.clear();
    m_startBtn->setEnabled(false);
    m_progressBar->setRange(0, 0);
    m_statusLabel->setText(tr("Collecting files..."));
    m_countLabel->clear();
    m_pathLabel->clear();
    m_cancelBtn->setEnabled(true);
    m_progressCard->show();
    spinnerFrame = 0;
    m_spinnerLabel->setText(QStringLiteral("◐"));
    spinnerTimer->start();

    m_finder->directories = selectedPaths;
    m_finder->minSize = m_minSizeCombo->currentData().toLongLong();
    m_finder->start();
}

void DuplicateFinderPage::tickSpinner()
{
    static const QStringList frames { QStringLiteral("◐"), QStringLiteral("◓"), QStringLiteral("◑"),
        QStringLiteral("◒") };
    spinnerFrame = (spinnerFrame + 1) % 4;
    m_spinnerLabel->setText(frames.at(spinnerFrame));
}

void DuplicateFinderPage::onProgress(int scanned, int total, const QString &path)
{
    if (!isScanning() || !m_cancelBtn->isEnabled())
        return;
    if (total > 0) {
        m_progressBar->setRange(0, 100);
        m_progressBar->setValue(int(qint64(scanned) * 100 / total));
        m_statusLabel->setText(tr("Scanning files..."));
        m_countLabel->setText(QStringLiteral("%1 / %2").arg(QLocale().toString(scanned), QLocale().toString(total)));
    }
    m_pathLabel->setText(shortProgressPath(path));
}

QString DuplicateFinderPage::shortProgressPath(const QString &path) const
{
    QString shown = homeRelative(path);
    if (shown.size() > ProgressPathChars)
        shown = QStringLiteral("…") + shown.right(ProgressPathChars - 3);
    return shown;
}

void DuplicateFinderPage::onReadProgress(const QString &path, qint64 bytesRead, qint64 fileSize)
{
    if (!isScanning() || !m_cancelBtn->isEnabled())
        return;
    m_pathLabel->setText(
        tr("Reading %1  ·  %2 of %3")
            .arg(QFileInfo(path).fileName(), CleanItem::formatSize(bytesRead), CleanItem::formatSize(fileSize)));
}

void DuplicateFinderPage::onScanStopped()
{
    endScanUi();
}

void DuplicateFinderPage::onGroupFound(const DuplicateGroup &group)
{
    if (!isScanning())
        return;
    if (m_removedDuringScan.isEmpty()) {
        foundGroups.append(group);
        return;
    }
    DuplicateGroup kept = group;
    if (keepsAGroup(kept, m_removedDuringScan))
        foundGroups.append(kept);
}

void DuplicateFinderPage::onRemovedElsewhere(const QSet<QString> &paths)
{
    // A scan under way may still report groups it read before these went.
    if (isScanning()) {
        m_removedDuringScan.unite(paths);
        for (auto group = foundGroups.begin(); group != foundGroups.end();)
            group = keepsAGroup(*group, paths) ? group + 1 : foundGroups.erase(group);
    }
    if (!m_model->dropRemoved(paths))
        return;
    updateSummary();
    updateDeleteBtn();
}

bool DuplicateFinderPage::isScanning() const
{
    // The progress card is shown exactly while a scan runs.
    return !m_progressCard->isHidden();
}

void DuplicateFinderPage::endScanUi()
{
    m_progressCard->hide();
    spinnerTimer->stop();
    m_startBtn->setEnabled(true);
}

void DuplicateFinderPage::onScanFinished(int groups, qint64 waste)
{
    // The end of a scan the user has cancelled may still be queued: its results are not shown.
    if (!isScanning() || !m_cancelBtn->isEnabled())
        return;
    endScanUi();
    m_progressBar->setRange(0, 100);
    m_progressBar->setValue(100);
    Logger::instance()->info(QStringLiteral("DuplicateFinder: %1 groups, %2 bytes").arg(groups).arg(waste));
    const QStringList &unreadable = m_finder->unreadableFolders;
    if (groups == 0) {
        QString text = tr("Great news! No duplicate files were found. 🎉");
        if (!unreadable.isEmpty())
            text += QStringLiteral("\n\n") + UnreadableNote::text(int(unreadable.size()), unreadable.first());
        QMessageBox::information(this, tr("No Duplicates Found"), text, QMessageBox::Ok);
        return;
    }
    m_unreadableNote->setFolders(int(unreadable.size()), unreadable.value(0));
    m_scannedRoots = m_finder->directories;
    m_freedBytes = 0;
    m_trashedBytes = 0;
    buildResultCards();
    m_keepBtn->setText(tr("Keep Original  ▾"));
    updateSummary();
    m_stack->setCurrentIndex(1);
}

void DuplicateFinderPage::onCancelScan()
{
    // Returns at once; the card goes when the finder says its worker has stopped.
    m_finder->cancel();
    m_cancelBtn->setEnabled(false);
    m_statusLabel->setText(tr("Cancelling..."));
}

void DuplicateFinderPage::onBackToScan()
{
    clearResults();
    m_stack->setCurrentIndex(0);
}

void DuplicateFinderPage::clearResults()
{
    m_model->clear();
    foundGroups.clear();
    m_deleteBtn->setEnabled(false);
}

void DuplicateFinderPage::buildResultCards()
{
    m_model->setGroups(foundGroups);
    // The model holds the groups now; the page's copy would double the memory.
    foundGroups.clear();
    m_resultsView->scrollToTop();
}

void DuplicateFinderPage::updateSummary()
{
    const QString accent = Palette::Accent.name();
    QString text = tr("<b>%Ln</b> groups  ·  <span style='color:%1;font-weight:600;'>%2 can be freed</span>", nullptr,
        m_model->groupCount())
                       .arg(accent, CleanItem::formatSize(m_model->checkedBytes()));
    if (m_freedBytes > 0)
        text += tr("  ·  %1 freed").arg(CleanItem::formatSize(m_freedBytes));
    // What went to the Trash still takes its space until the Trash is emptied.
    if (m_trashedBytes > 0)
        text += tr("  ·  %1 in the Trash until you empty it").arg(CleanItem::formatSize(m_trashedBytes));
    m_summaryLabel->setText(text);
}

void DuplicateFinderPage::onKeepNewest()
{
    m_model->keepOne(true);
}

void DuplicateFinderPage::onKeepOldest()
{
    m_model->keepOne(false);
}

void DuplicateFinderPage::onSelectAll()
{
    m_model->setAllChecked(true);
}

void DuplicateFinderPage::onSelectNone()
{
    m_model->setAllChecked(false);
}

void DuplicateFinderPage::updateDeleteBtn()
{
    if (!m_remover->isRunning())
        m_deleteBtn->setEnabled(m_model->checkedCount() > 0);
}

void DuplicateFinderPage::onDeleteSelected()
{
    if (m_remover->isRunning())
        return;
    int lastCopyGroups = 0;
    const QList<DuplicateRemoval> removals = m_model->plannedRemovals(&lastCopyGroups);
    int count = 0;
    for (const DuplicateRemoval &removal : removals)
        count += int(removal.remove.size());
    if (count == 0) {
        m_model->uncheckLastCopies();
        return;
    }

    QString question = tr("Move %Ln file(s) to the Trash, or delete them permanently?", nullptr, count);
    if (lastCopyGroups > 0)
        question += QStringLiteral("\n\n")
            + tr("Every copy of %Ln group(s) is checked: the newest copy of each will be kept.", nullptr,
                lastCopyGroups);
    QMessageBox how(QMessageBox::Question, tr("Confirm Delete"), question, QMessageBox::NoButton, this);
    how.addButton(QMessageBox::Ok)->setText(tr("Move to Trash"));
    how.addButton(QMessageBox::Discard)->setText(tr("Delete Permanently"));
    how.addButton(QMessageBox::Cancel);
    for (QAbstractButton *button : how.buttons())
        button->setIcon(QIcon());
    how.setDefaultButton(QMessageBox::Ok);
    const int choice = how.exec();
    if (choice != QMessageBox::Ok && choice != QMessageBox::Discard)
        return;
    const bool permanently = choice == QMessageBox::Discard;
    if (permanently
        && QMessageBox::warning(this, tr("Confirm Delete"),
               tr("Permanently delete %Ln file(s)?\nThis cannot be undone.", nullptr, count),
               QMessageBox::Yes | QMessageBox::No)
            != QMessageBox::Yes)
        return;
    m_model->uncheckLastCopies();
    m_deletingPermanently = permanently;
    setDeleting(true);
    m_remover->start(removals, m_scannedRoots,
        permanently ? DuplicateRemover::Disposal::DeletePermanently : DuplicateRemover::Disposal::MoveToTrash);
}

void DuplicateFinderPage::setDeleting(bool deleting)
{
    m_resultsView->setEnabled(!deleting);
    m_newScanBtn->setEnabled(!deleting);
    m_keepBtn->setEnabled(!deleting);
    m_deleteBtn->setText(deleting ? tr("Deleting…") : tr("Delete Selected"));
    if (deleting)
        m_deleteBtn->setEnabled(false);
}

void DuplicateFinderPage::onRemovalProgress(int done, int total)
{
    m_deleteBtn->setText(tr("Deleting %1 / %2").arg(QLocale().toString(done), QLocale().toString(total)));
}

void DuplicateFinderPage::onRemovalFinished(const QStringList &removed, const QStringList &failed)
{
    const int scrolled = m_resultsView->verticalScrollBar()->value();
    const qint64 freed = m_model->removeFiles(removed);
    (m_deletingPermanently ? m_freedBytes : m_trashedBytes) += freed;
    m_resultsView->verticalScrollBar()->setValue(scrolled);
    setDeleting(false);
    updateSummary();
    updateDeleteBtn();

    const QString done = m_deletingPermanently
        ? tr("%Ln file(s) deleted permanently (%1).", nullptr, int(removed.size())).arg(CleanItem::formatSize(freed))
        : tr("%Ln file(s) moved to the Trash (%1); you can put them back from there.", nullptr, int(removed.size()))
              .arg(CleanItem::formatSize(freed));
    // Which way each file went, one line each.
    QStringList ways;
    for (const QString &path : removed)
        ways.append((m_deletingPermanently ? tr("Deleted permanently: %1") : tr("Moved to the Trash: %1")).arg(path));
    for (const QString &path : failed)
        ways.append(tr("Left in place: %1").arg(path));
    QMessageBox summary(this);
    summary.setTextFormat(Qt::PlainText);
    if (failed.isEmpty()) {
        summary.setIcon(QMessageBox::Information);
        summary.setWindowTitle(tr("Duplicates Removed"));
        summary.setText(done);
    } else {
        summary.setIcon(QMessageBox::Warning);
        summary.setWindowTitle(tr("Partial Failure"));
        const QString notDone = m_deletingPermanently
            ? tr("%Ln file(s) could not be deleted.", nullptr, int(failed.size()))
            : tr("%Ln file(s) could not be moved to the Trash and were left in place; none was deleted.", nullptr,
                int(failed.size()));
        summary.setText(
            notDone + QStringLiteral("\n") + done + QStringLiteral("\n") + tr("The log lists each file and why."));
    }
    summary.setDetailedText(ways.join(QLatin1Char('\n')));
    summary.setStandardButtons(QMessageBox::Ok);
    summary.exec();
}
