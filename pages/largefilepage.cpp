#include "largefilepage.h"

#include "largefiledelegate.h"
#include "largefilemodel.h"

#include "core/cleanitem.h"
#include "widgets/elidedlabel.h"
#include "widgets/scanprogressdialog.h"
#include "widgets/unreadablenote.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QListView>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QStyle>
#include <QUrl>
#include <QVBoxLayout>

namespace {

constexpr int GridColumns = 3;
constexpr int CustomSize = -1;
constexpr qint64 MiB = 1048576;

QLabel *plainLabel(const QString &text, const char *objectName, QWidget *parent = nullptr)
{
    auto *label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setObjectName(QLatin1String(objectName));
    return label;
}

void repolish(QWidget *widget)
{
    widget->style()->unpolish(widget);
    widget->style()->polish(widget);
}

// Three cards share the grid's width (at most 220 px each): their texts never widen them.
void fitCardInGrid(QFrame *card)
{
    card->setFixedHeight(120);
    card->setMinimumWidth(150);
    card->setMaximumWidth(220);
    card->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
}

QCheckBox *checkBoxOf(const QObject *card)
{
    return qobject_cast<QCheckBox *>(card->property("checkBox").value<QObject *>());
}

} // namespace

LargeFilePage::LargeFilePage(LargeFileScanner *scanner, const QList<LargeFileVolume> &volumes, QWidget *parent)
    : QWidget(parent)
    , m_scanner(scanner)
{
    setObjectName(QStringLiteral("largeFilePage"));
    setupUi();
    for (const LargeFileVolume &volume : volumes) {
        if (volume.total < 1 || m_driveChecks.contains(volume.walkPath))
            continue;
        m_driveCards.append(createDriveCard(volume));
    }
    refreshDriveGrid();
    updateDriveInfo();

    connect(m_scanner, &LargeFileScanner::scanStarted, this, &LargeFilePage::onScanStarted);
    connect(m_scanner, &LargeFileScanner::scanProgress, this, &LargeFilePage::onScanProgress);
    connect(m_scanner, &LargeFileScanner::scanFinished, this, &LargeFilePage::onScanFinished);
    connect(m_scanner, &LargeFileScanner::deleteFinished, this, &LargeFilePage::onDeleteFinished);
    connect(m_scanner, &LargeFileScanner::resultsForgotten, this, &LargeFilePage::onResultsForgotten);
    showScanPage();
}

LargeFilePage::~LargeFilePage()
{
    // The scanner outlives the page: stop what this page started.
    if (m_scanner->isScanning())
        m_scanner->cancel();
}

LargeFileModel *LargeFilePage::resultsModel() const
{
    return m_model;
}

void LargeFilePage::setupUi()
{
    m_stack = new QStackedWidget(this);
    m_stack->setObjectName(QStringLiteral("largeFileStack"));
    m_stack->addWidget(setupScanPage());
    m_stack->addWidget(setupResultPage());
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_stack);
}

QWidget *LargeFilePage::setupScanPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(28, 26, 36, 24);
    layout->setSpacing(10);
    layout->addWidget(plainLabel(tr("Find Large Files"), "largeFileTitle"));
    layout->addWidget(
        plainLabel(tr("Scan your drives and remove files that are taking up the most space"), "largeFileSubtitle"));
    layout->addSpacing(6);
    layout->addWidget(plainLabel(tr("SELECT VOLUME"), "largeFileSection"));

    auto *scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("driveScroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFixedHeight(254);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_gridContainer = new QWidget;
    m_gridContainer->setObjectName(QStringLiteral("driveGrid"));
    m_grid = new QGridLayout(m_gridContainer);
    m_grid->setContentsMargins(0, 0, 0, 0);
    m_grid->setSpacing(10);
    m_grid->setAlignment(Qt::AlignTop);
    m_addCard = createAddCard();
    m_gridContainer->setProperty("addCard", QVariant::fromValue<QObject *>(m_addCard));
    scroll->setWidget(m_gridContainer);
    layout->addWidget(scroll);

    auto *sizeRow = new QHBoxLayout;
    sizeRow->addWidget(plainLabel(tr("Min file size:"), "minSizeLabel"));
    m_sizeCombo = new QComboBox;
    m_sizeCombo->setObjectName(QStringLiteral("minSizeCombo"));
    m_sizeCombo->setFixedSize(130, 34);
    m_sizeCombo->addItem(tr("50 MB"), qint64(52428800));
    m_sizeCombo->addItem(tr("100 MB"), qint64(104857600));
    m_sizeCombo->addItem(tr("200 MB"), qint64(209715200));
    m_sizeCombo->addItem(tr("500 MB"), qint64(524288000));
    m_sizeCombo->addItem(tr("1 GB"), qint64(1073741824));
    m_sizeCombo->addItem(tr("Custom..."), qint64(CustomSize));
    m_sizeCombo->setCurrentIndex(1);
    connect(m_sizeCombo, &QComboBox::currentIndexChanged, this, &LargeFilePage::onSizeComboChanged);
    sizeRow->addWidget(m_sizeCombo);
    sizeRow->addStretch();
    layout->addLayout(sizeRow);
    layout->addStretch();

    auto *infoBar = new QFrame;
    infoBar->setObjectName(QStringLiteral("largeFileInfoBar"));
    auto *infoLayout = new QHBoxLayout(infoBar);
    infoLayout->setContentsMargins(18, 14, 18, 14);
    infoLayout->setSpacing(14);
    // A letter every font has, on the badge's round tint; the circled-i sign is missing from many fonts.
    auto *badge = plainLabel(QStringLiteral("i"), "infoBadge");
    badge->setFixedSize(34, 34);
    badge->setAlignment(Qt::AlignCenter);
    infoLayout->addWidget(badge);
    m_infoLabel = plainLabel(QString(), "largeFileInfoLabel");
    m_infoLabel->setWordWrap(true);
    infoLayout->addWidget(m_infoLabel, 1);
    m_startButton = new QPushButton(QStringLiteral("🔍 ") + tr("Start Scan"));
    m_startButton->setObjectName(QStringLiteral("largeFileStartBtn"));
    m_startButton->setMinimumWidth(140);
    m_startButton->setFixedHeight(38);
    m_startButton->setCursor(Qt::PointingHandCursor);
    connect(m_startButton, &QPushButton::clicked, this, &LargeFilePage::onStartScan);
    infoLayout->addWidget(m_startButton);
    layout->addWidget(infoBar);
    return page;
}

QWidget *LargeFilePage::setupResultPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->setSpacing(12);
    layout->addWidget(plainLabel(tr("Scan Results"), "largeResultsTitle"));
    m_summaryLabel = plainLabel(
        tr("Found %Ln large files, total %1", nullptr, 0).arg(CleanItem::formatSize(0)), "largeResultsSummary");
    layout->addWidget(m_summaryLabel);
    m_freedLabel = plainLabel(QString(), "largeResultsFreed");
    m_freedLabel->hide();
    layout->addWidget(m_freedLabel);
    m_unreadableNote = new UnreadableNote;
    layout->addWidget(m_unreadableNote);

    m_model = new LargeFileModel(this);
    auto *toolRow = new QHBoxLayout;
    m_selectAll = new QCheckBox(tr("Select all"));
    m_selectAll->setObjectName(QStringLiteral("selectAllBox"));
    connect(m_selectAll, &QCheckBox::clicked, this, [this](bool checked) { m_model->checkAllShown(checked); });
    toolRow->addWidget(m_selectAll);
    toolRow->addStretch();
    m_typeCombo = new QComboBox;
    m_typeCombo->setObjectName(QStringLiteral("typeFilterCombo"));
    m_typeCombo->addItem(tr("All types"), QString());
    m_typeCombo->addItem(tr("Videos"), QStringLiteral("video"));
    m_typeCombo->addItem(tr("Audio"), QStringLiteral("audio"));
    m_typeCombo->addItem(tr("Archives"), QStringLiteral("archive"));
    m_typeCombo->addItem(tr("Images"), QStringLiteral("image"));
    m_typeCombo->addItem(tr("Documents"), QStringLiteral("document"));
    m_typeCombo->addItem(tr("Packages"), QStringLiteral("package"));
    m_typeCombo->addItem(tr("Other"), QStringLiteral("other"));
    connect(m_typeCombo, &QComboBox::currentIndexChanged, this, [this] {
        m_model->setTypeFilter(m_typeCombo->currentData().toString());
        m_selectAll->setChecked(false);
    });
    toolRow->addWidget(m_typeCombo);
    m_orderCombo = new QComboBox;
    m_orderCombo->setObjectName(QStringLiteral("orderCombo"));
    m_orderCombo->addItem(tr("Largest first"));
    m_orderCombo->addItem(tr("Newest first"));
    connect(m_orderCombo, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_model->setOrder(index == 0 ? LargeFileModel::Order::BySize : LargeFileModel::Order::ByDate);
    });
    toolRow->addWidget(m_orderCombo);
    layout->addLayout(toolRow);

    m_list = new QListView;
    m_list->setObjectName(QStringLiteral("largeFileList"));
    m_list->setModel(m_model);
    m_list->setItemDelegate(new LargeFileDelegate(m_list));
    m_list->setUniformItemSizes(true);
    m_list->setSelectionMode(QAbstractItemView::NoSelection);
    m_list->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setFrameShape(QFrame::NoFrame);
    m_list->setMouseTracking(true);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_list, &QListView::customContextMenuRequested, this, &LargeFilePage::showFileContextMenu);
    connect(m_model, &LargeFileModel::selectionChanged, this, &LargeFilePage::updateSelectedInfo);
    layout->addWidget(m_list, 1);

    auto *bottomRow = new QHBoxLayout;
    m_backButton = new QPushButton(tr("← Back"));
    m_backButton->setObjectName(QStringLiteral("largeBackBtn"));
    m_backButton->setMinimumWidth(80);
    m_backButton->setFixedHeight(40);
    m_backButton->setCursor(Qt::PointingHandCursor);
    connect(m_backButton, &QPushButton::clicked, this, &LargeFilePage::onBackClicked);
    bottomRow->addWidget(m_backButton);
    bottomRow->addStretch();
    m_selectionLabel = plainLabel(QString(), "largeSelectionLabel");
    bottomRow->addWidget(m_selectionLabel);
    m_deleteButton = new QPushButton(QStringLiteral("🗑️ ") + tr("Delete Selected"));
    m_deleteButton->setObjectName(QStringLiteral("largeDeleteBtn"));
    m_deleteButton->setMinimumSize(120, 40);
    m_deleteButton->setCursor(Qt::PointingHandCursor);
    connect(m_deleteButton, &QPushButton::clicked, this, &LargeFilePage::onDeleteSelected);
    bottomRow->addWidget(m_deleteButton);
    layout->addLayout(bottomRow);
    updateSelectedInfo();
    return page;
}

QString LargeFilePage::cutName(const QString &name)
{
    return name.size() >= 17 ? name.left(14) + QStringLiteral("…") : name;
}

QString LargeFilePage::homeRelative(const QString &path)
{
    const QString home = QDir::homePath();
    if (path == home)
        return QStringLiteral("~");
    if (path.startsWith(home + QLatin1Char('/')))
        return QLatin1Char('~') + path.mid(home.size());
    return path;
}

int LargeFilePage::usagePercent(qint64 total, qint64 free)
{
    return total < 1 ? 0 : int((total - free) * 100 / total);
}

QFrame *LargeFilePage::newCard(const QString &path)
{
    auto *card = new QFrame(m_gridContainer);
    card->setObjectName(QStringLiteral("driveCard"));
    fitCardInGrid(card);
    card->setCursor(Qt::PointingHandCursor);
    card->setProperty("selected", false);
    auto *box = new QCheckBox(card);
    box->hide();
    card->setProperty("checkBox", QVariant::fromValue<QObject *>(box));
    connect(box, &QCheckBox::toggled, this, [this, card](bool checked) { setCardChecked(card, checked); });
    m_driveChecks.insert(path, box);
    card->installEventFilter(this);
    return card;
}

QFrame *LargeFilePage::createDriveCard(const LargeFileVolume &volume)
{
    QFrame *card = newCard(volume.walkPath);
    card->setProperty("drivePath", volume.walkPath);
    const QString name = volume.name.isEmpty() ? tr("Local Disk") : volume.name;

    auto *icon = plainLabel(QStringLiteral("💾"), "driveIcon");
    icon->setFixedSize(38, 38);
    icon->setAlignment(Qt::AlignCenter);
    auto *nameLabel = plainLabel(cutName(name), "driveName");
    nameLabel->setToolTip(name);
    const QString root = volume.rootPath.size() > 18 ? volume.rootPath.left(16) + QStringLiteral("…") : volume.rootPath;
    auto *pathLabel = plainLabel(root, "drivePathLabel");
    pathLabel->setToolTip(volume.rootPath);
    auto *names = new QVBoxLayout;
    names->setSpacing(2);
    names->addWidget(nameLabel);
    names->addWidget(pathLabel);
    auto *top = new QHBoxLayout;
    top->setSpacing(10);
    top->addWidget(icon);
    top->addLayout(names, 1);

    auto *bar = new QProgressBar;
    bar->setObjectName(QStringLiteral("usageBar"));
    bar->setRange(0, 100);
    bar->setFixedHeight(6);
    bar->setTextVisible(false);
    const int percent = usagePercent(volume.total, volume.free);
    bar->setValue(percent);
    bar->setProperty("level", percent > 80 ? QStringLiteral("high") : QStringLiteral("normal"));

    auto *usage = new QHBoxLayout;
    usage->setSpacing(2);
    // Each figure wraps under its number when the card is too narrow for the translation.
    QLabel *used = plainLabel(tr("%1 used").arg(CleanItem::formatSize(volume.total - volume.free)), "driveUsage");
    QLabel *total = plainLabel(tr("%1 total").arg(CleanItem::formatSize(volume.total)), "driveUsage");
    used->setWordWrap(true);
    total->setWordWrap(true);
    total->setAlignment(Qt::AlignRight | Qt::AlignTop);
    usage->addWidget(used, 0, Qt::AlignTop);
    usage->addStretch();
    usage->addWidget(total, 0, Qt::AlignTop);

    auto *layout = new QVBoxLayout(card);
    layout->setContentsMargins(10, 12, 10, 12);
    layout->setSpacing(8);
    layout->addLayout(top);
    layout->addStretch();
    layout->addWidget(bar);
    layout->addLayout(usage);
    for (QLabel *label : card->findChildren<QLabel *>())
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return card;
}

QFrame *LargeFilePage::createCustomFolderCard(const QString &path)
{
    QFrame *card = newCard(path);
    card->setProperty("isCustomFolder", true);
    card->setProperty("folderPath", path);
    QString name = QFileInfo(path).fileName();
    if (name.isEmpty())
        name = path;

    auto *icon = plainLabel(QStringLiteral("📁"), "driveIcon");
    icon->setFixedSize(36, 36);
    icon->setAlignment(Qt::AlignCenter);
    // Beside the remove button the name and the path are elided to the room left, never cut off;
    // the whole path is written out below them.
    auto *nameLabel = new ElidedLabel(name, Qt::ElideRight);
    nameLabel->setObjectName(QStringLiteral("driveName"));
    auto *shortPath = new ElidedLabel(homeRelative(path), Qt::ElideMiddle);
    shortPath->setObjectName(QStringLiteral("drivePathLabel"));
    auto *names = new QVBoxLayout;
    names->setSpacing(2);
    names->addWidget(nameLabel);
    names->addWidget(shortPath);
    auto *remove = new QPushButton(QStringLiteral("×"));
    remove->setObjectName(QStringLiteral("removeFolderBtn"));
    remove->setFixedSize(22, 22);
    remove->setToolTip(tr("Remove from list"));
    remove->setCursor(Qt::PointingHandCursor);
    connect(remove, &QPushButton::clicked, this, [this, card] { removeFolderCard(card); });
    auto *top = new QHBoxLayout;
    top->setSpacing(10);
    top->addWidget(icon);
    top->addLayout(names, 1);
    top->addWidget(remove, 0, Qt::AlignTop);

    auto *fullPath = plainLabel(path, "driveFullPath");
    fullPath->setWordWrap(true);
    auto *layout = new QVBoxLayout(card);
    layout->setContentsMargins(12, 12, 8, 12);
    layout->setSpacing(6);
    layout->addLayout(top);
    layout->addWidget(fullPath);
    layout->addStretch();
    for (QLabel *label : card->findChildren<QLabel *>())
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return card;
}

QFrame *LargeFilePage::createAddCard()
{
    auto *card = new QFrame(m_gridContainer);
    card->setObjectName(QStringLiteral("addCard"));
    card->setProperty("isAddCard", true);
    fitCardInGrid(card);
    card->setCursor(Qt::PointingHandCursor);
    auto *layout = new QVBoxLayout(card);
    auto *plus = plainLabel(QStringLiteral("+"), "addCardPlus");
    plus->setAlignment(Qt::AlignCenter);
    auto *text = plainLabel(tr("Add location"), "addCardText");
    text->setAlignment(Qt::AlignCenter);
    layout->addStretch();
    layout->addWidget(plus);
    layout->addWidget(text);
    layout->addStretch();
    for (QLabel *label : card->findChildren<QLabel *>())
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
    card->installEventFilter(this);
    return card;
}

void LargeFilePage::refreshDriveGrid()
{
    while (m_grid->count() > 0)
        delete m_grid->takeAt(0);
    int cell = 0;
    for (QFrame *card : std::as_const(m_driveCards)) {
        m_grid->addWidget(card, cell / GridColumns, cell % GridColumns);
        ++cell;
    }
    m_grid->addWidget(m_addCard, cell / GridColumns, cell % GridColumns);
    for (int column = 0; column < GridColumns; ++column)
        m_grid->setColumnStretch(column, 1);
}

void LargeFilePage::updateDriveInfo()
{
    int selected = 0;
    for (const QCheckBox *box : std::as_const(m_driveChecks))
        selected += box->isChecked() ? 1 : 0;
    if (selected == 0)
        m_infoLabel->setText(tr("Select a volume above to begin scanning."));
    else
        m_infoLabel->setText(
            tr("%Ln volume(s) selected. Sweepnook will scan for files larger than %1.", nullptr, selected)
                .arg(m_sizeCombo->currentText()));
}

void LargeFilePage::setCardChecked(QFrame *card, bool checked)
{
    card->setProperty("selected", checked);
    repolish(card);
    updateDriveInfo();
}

void LargeFilePage::removeFolderCard(QFrame *card)
{
    m_driveChecks.remove(card->property("folderPath").toString());
    m_driveCards.removeOne(card);
    card->hide();
    card->deleteLater();
    refreshDriveGrid();
    updateDriveInfo();
}

bool LargeFilePage::addFolder(const QString &path)
{
    const QString folder = QDir::cleanPath(path);
    if (folder.isEmpty() || m_driveChecks.contains(folder))
        return false;
    QFrame *card = createCustomFolderCard(folder);
    m_driveCards.append(card);
    checkBoxOf(card)->setChecked(true);
    refreshDriveGrid();
    updateDriveInfo();
    return true;
}

void LargeFilePage::chooseFolder()
{
    const QString folder = QFileDialog::getExistingDirectory(this, tr("Choose Folder to Scan"), QDir::homePath());
    if (!folder.isEmpty())
        addFolder(folder);
}

bool LargeFilePage::eventFilter(QObject *watched, QEvent *event)
{
    const bool isCard = watched == m_addCard || watched->objectName() == QLatin1String("driveCard");
    if (!isCard || (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonRelease))
        return QWidget::eventFilter(watched, event);
    if (static_cast<QMouseEvent *>(event)->button() != Qt::LeftButton)
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::MouseButtonPress)
        return true;
    if (watched == m_addCard) {
        chooseFolder();
    } else if (QCheckBox *box = checkBoxOf(watched)) {
        box->toggle();
    }
    return true;
}

void LargeFilePage::onSizeComboChanged(int index)
{
    if (m_sizeCombo->itemData(index).toLongLong() != CustomSize) {
        m_previousSizeIndex = index;
        updateDriveInfo();
        return;
    }
    bool accepted = false;
    const int megabytes = QInputDialog::getInt(
        this, tr("Custom File Size"), tr("Enter minimum file size (MB):"), 100, 1, 10240, 10, &accepted);
    const QSignalBlocker blocker(m_sizeCombo);
    if (!accepted) {
        m_sizeCombo->setCurrentIndex(m_previousSizeIndex);
        updateDriveInfo();
        return;
    }
    m_customMinSize = qint64(megabytes) * MiB;
    // "Custom..." stays last, so a second custom size can be entered.
    int existing = m_sizeCombo->findData(m_customMinSize);
    if (existing < 0) {
        existing = index;
        m_sizeCombo->insertItem(index, tr("%1 MB").arg(QLocale().toString(megabytes)), m_customMinSize);
    }
    m_sizeCombo->setCurrentIndex(existing);
    m_previousSizeIndex = existing;
    updateDriveInfo();
}

void LargeFilePage::onStartScan()
{
    QStringList folders;
    for (auto it = m_driveChecks.cbegin(); it != m_driveChecks.cend(); ++it) {
        if (it.value()->isChecked())
            folders.append(it.key());
    }
    if (folders.isEmpty()) {
        QMessageBox::warning(this, tr("Tip"), tr("Please select at least one drive to scan."));
        return;
    }
    const qint64 minSize = m_sizeCombo->currentData().toLongLong();
    m_scanner->setDrives(folders);
    m_scanner->setMinFileSize(minSize < 1 ? LargeFileScanner::DefaultMinFileSize : minSize);
    m_scanner->startScan();
}

void LargeFilePage::onScanStarted()
{
    delete m_progressDialog;
    m_progressDialog = new ScanProgressDialog(this);
    connect(m_progressDialog, &ScanProgressDialog::cancelRequested, this, &LargeFilePage::onCancelScan);
    m_progressDialog->show();
    m_startButton->setEnabled(false);
}

void LargeFilePage::onScanProgress(int, const QString &currentPath, int foundCount, qint64 totalSize)
{
    if (m_progressDialog)
        m_progressDialog->setProgress(currentPath, foundCount, totalSize);
}

void LargeFilePage::onCancelScan()
{
    m_scanner->cancel();
    m_startButton->setEnabled(true);
    if (m_progressDialog)
        m_progressDialog->deleteLater();
}

void LargeFilePage::onScanFinished(int totalFound, qint64)
{
    m_startButton->setEnabled(true);
    if (m_progressDialog) {
        m_progressDialog->close();
        m_progressDialog->deleteLater();
    }
    if (totalFound == 0) {
        QString text = tr("No large files found that match the criteria.");
        if (m_scanner->unreadableCount() > 0)
            text += QStringLiteral("\n\n")
                + UnreadableNote::text(m_scanner->unreadableCount(), m_scanner->unreadableFolders().value(0));
        QMessageBox::information(this, tr("Scan Completed"), text);
        return;
    }
    showResults(m_scanner->getResults());
}

void LargeFilePage::onResultsForgotten(const QStringList &)
{
    // By entry: another result may show the same path and stay.
    QSet<QByteArray> left;
    for (const LargeFileInfo &file : m_scanner->getResults())
        left.insert(file.entry());
    m_model->keepOnly(left);
    updateSummary();
    updateSelectedInfo();
    if (m_model->totalCount() == 0 && m_stack->currentIndex() == 1) {
        clearResults();
        showScanPage();
    }
}

void LargeFilePage::showResults(const QList<LargeFileInfo> &files)
{
    m_freedBytes = 0;
    m_trashedBytes = 0;
    populateResults(files);
    showResultPage();
}

void LargeFilePage::populateResults(const QList<LargeFileInfo> &files)
{
    clearResults();
    m_model->setFiles(files);
    m_unreadableNote->setFolders(m_scanner->unreadableCount(), m_scanner->unreadableFolders().value(0));
    updateSummary();
}

void LargeFilePage::clearResults()
{
    m_model->clear();
    m_selectAll->setChecked(false);
    m_freedLabel->hide();
    updateSelectedInfo();
}

void LargeFilePage::updateSummary()
{
    m_summaryLabel->setText(tr("Found %Ln large files, total %1", nullptr, int(m_model->totalCount()))
                                .arg(CleanItem::formatSize(m_model->totalSize())));
    QStringList freed;
    if (m_freedBytes > 0)
        freed << tr("%1 freed").arg(CleanItem::formatSize(m_freedBytes));
    if (m_trashedBytes > 0)
        freed << tr("%1 in the Trash until you empty it").arg(CleanItem::formatSize(m_trashedBytes));
    m_freedLabel->setText(freed.join(QStringLiteral(" · ")));
    m_freedLabel->setVisible(!freed.isEmpty());
}

void LargeFilePage::updateSelectedInfo()
{
    m_selectionLabel->setText(tr("Selected: %Ln files (%1)", nullptr, int(m_model->checkedCount()))
                                  .arg(CleanItem::formatSize(m_model->checkedSize())));
    m_deleteButton->setEnabled(m_model->checkedCount() > 0 && !m_scanner->isDeleting());
}

void LargeFilePage::showScanPage()
{
    m_stack->setCurrentIndex(0);
}

void LargeFilePage::showResultPage()
{
    m_stack->setCurrentIndex(1);
}

void LargeFilePage::onBackClicked()
{
    clearResults();
    showScanPage();
}

void LargeFilePage::showFileContextMenu(const QPoint &position)
{
    const QModelIndex index = m_list->indexAt(position);
    const QString path = index.data(LargeFileModel::PathRole).toString();
    const QByteArray entry = index.data(LargeFileModel::EntryRole).toByteArray();
    if (entry.isEmpty())
        return;
    auto *menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("largeFileMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QAction *open = menu->addAction(QStringLiteral("📂 ") + tr("Show in Finder"));
    open->setProperty("filePath", path);
    connect(open, &QAction::triggered, this, [this, path] { onOpenFileLocation(path); });
    menu->addSeparator();
    QAction *remove = menu->addAction(QStringLiteral("🗑️ ") + tr("Delete this file"));
    remove->setProperty("filePath", path);
    remove->setEnabled(!m_scanner->isDeleting());
    connect(remove, &QAction::triggered, this, [this, entry] { onDeleteSingleFile(entry); });
    menu->popup(m_list->viewport()->mapToGlobal(position));
}

void LargeFilePage::onOpenFileLocation(const QString &path)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(path).absolutePath()));
}

std::optional<LargeFileScanner::DeleteMode> LargeFilePage::askDeleteMode(const QString &question)
{
    QMessageBox box(QMessageBox::Question, tr("Confirm Delete"), question,
        QMessageBox::Yes | QMessageBox::Discard | QMessageBox::Cancel, this);
    box.button(QMessageBox::Yes)->setText(tr("Move to Trash"));
    box.button(QMessageBox::Discard)->setText(tr("Delete Permanently"));
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    box.exec();
    if (box.clickedButton() == box.button(QMessageBox::Yes))
        return LargeFileScanner::DeleteMode::MoveToTrash;
    if (box.clickedButton() == box.button(QMessageBox::Discard))
        return LargeFileScanner::DeleteMode::Permanently;
    return std::nullopt;
}

void LargeFilePage::onDeleteSingleFile(const QByteArray &entry)
{
    const int row = m_model->rowOfEntry(entry);
    const LargeFileInfo *file = m_model->fileAt(row);
    if (!file)
        return;
    QString question = tr("Are you sure you want to delete this file?\n\n%1\nSize: %2")
                           .arg(file->name, CleanItem::formatSize(file->size));
    if (file->inCloud)
        question += QStringLiteral("\n\n")
            + tr("This file is only in iCloud: deleting it frees no space on this Mac "
                 "and removes it from all your devices.");
    question += QStringLiteral("\n\n")
        + tr("Move to Trash keeps it until you empty the Trash. Delete Permanently cannot be undone!");
    const std::optional<LargeFileScanner::DeleteMode> mode = askDeleteMode(question);
    if (mode)
        startDeletion({ entry }, *mode, true);
}

void LargeFilePage::onDeleteSelected()
{
    if (m_model->checkedCount() == 0)
        return;
    const QString question = tr("Are you sure you want to delete the selected %Ln files?\n\nTotal: %1", nullptr,
                                 int(m_model->checkedCount()))
                                 .arg(CleanItem::formatSize(m_model->checkedSize()))
        + QStringLiteral("\n\n")
        + tr("Move to Trash keeps them until you empty the Trash. Delete Permanently cannot be undone!");
    const std::optional<LargeFileScanner::DeleteMode> mode = askDeleteMode(question);
    if (mode)
        startDeletion(m_model->checkedEntries(), *mode, false);
}

void LargeFilePage::startDeletion(const QList<QByteArray> &entries, LargeFileScanner::DeleteMode mode, bool single)
{
    if (!m_scanner->deleteEntries(entries, mode))
        return;
    m_singleDeletion = single;
    m_backButton->setEnabled(false);
    m_selectionLabel->setText(tr("Deleting..."));
    m_deleteButton->setEnabled(false);
}

void LargeFilePage::onDeleteFinished(const LargeFileDeletion &deletion)
{
    m_backButton->setEnabled(true);
    m_freedBytes += deletion.freedBytes;
    m_trashedBytes += deletion.trashedBytes;
    m_model->removeEntries(deletion.removedEntries);
    updateSummary();
    updateSelectedInfo();

    if (m_singleDeletion) {
        if (deletion.removed.isEmpty()) {
            QString text = tr("Unable to delete this file. It may be in use by another program.");
            if (!deletion.failureReasons.isEmpty())
                text += QStringLiteral("\n\n") + deletion.failureReasons.first();
            QMessageBox::warning(this, tr("Delete Failed"), text);
        } else if (m_model->totalCount() == 0) {
            QMessageBox::information(this, tr("Info"), tr("All files have been deleted"));
            clearResults();
            showScanPage();
        }
        return;
    }
    QString text = tr("Deleted %Ln files successfully.", nullptr, int(deletion.removed.size()));
    if (!deletion.failed.isEmpty())
        text += QLatin1Char(' ') + tr("%Ln files failed to delete.", nullptr, int(deletion.failed.size()));
    if (deletion.trashedBytes > 0)
        text += QStringLiteral("\n\n")
            + tr("%1 moved to the Trash: empty the Trash to free the space.")
                  .arg(CleanItem::formatSize(deletion.trashedBytes));
    if (deletion.freedBytes > 0)
        text += QStringLiteral("\n\n") + tr("%1 freed.").arg(CleanItem::formatSize(deletion.freedBytes));
    QMessageBox::information(this, tr("Delete Completed"), text);
    if (m_model->totalCount() == 0) {
        clearResults();
        showScanPage();
    }
}
