// sweepnook-gallery OUTDIR [LANGUAGE]: renders the main window on each page and in the states of
// real scans and cleans, the title-bar menu, the dialogs and the progress cards to PNG files, against
// a fixture home in a temporary folder. Names sort by page: window-01-junk-scanned.png.
#include "core/languages.h"
#include "core/ruletexts.h"
#include "core/settings.h"
#include "app/aboutdialog.h"
#include "app/application.h"
#include "app/mainwindow.h"
#include "app/navbutton.h"
#include "app/settingsdialog.h"
#include "app/titlebar.h"
#include "pages/dashboardpage.h"
#include "appfixture.h"
#include "browserfixture.h"
#include "cleaners/appuninstaller.h"
#include "cleaners/browsercleaner.h"
#include "cleaners/duplicatefinder.h"
#include "cleaners/junkcleaner.h"
#include "duplicatefixture.h"
#include "faketools.h"
#include "junkfixture.h"
#include "messageboxanswerer.h"
#include "pages/appuninstallerpage.h"
#include "pages/browserpage.h"
#include "pages/duplicatefinderpage.h"
#include "pages/junkpage.h"
#include "pages/largefilemodel.h"
#include "pages/largefilepage.h"
#include "pages/startuppage.h"
#include "cleaners/startupmanager.h"
#include "pages/privacypage.h"
#include "cleaners/privacycleaner.h"
#include "pages/tweakspage.h"
#include "cleaners/tweakmanager.h"
#include "widgets/toggleswitch.h"
#include "testhome.h"
#include "widgets/categorywidget.h"
#include "widgets/itemdetaildialog.h"
#include "widgets/progressdialog.h"
#include "widgets/scanprogressdialog.h"
#include "widgetshot.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QContextMenuEvent>
#include <QFile>
#include <QListView>
#include <QPainter>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTest>
#include <QTextStream>
#include <QTimer>

namespace {

const char *const pageNames[] = { "dashboard", "junk", "browser", "registry", "startup", "largefiles", "tweaks",
    "uninstaller", "duplicates", "privacy" };

class Gallery
{
public:
    explicit Gallery(const QString &outputFolder)
        : m_folder(outputFolder)
    {
    }

    bool save(QWidget *widget, const QString &name)
    {
        QCoreApplication::processEvents();
        const QString path = m_folder.filePath(name + QStringLiteral(".png"));
        const bool saved = WidgetShot::render(widget, name).save(path);
        QTextStream(stdout) << (saved ? "wrote " : "FAILED ") << path << Qt::endl;
        m_failures += saved ? 0 : 1;
        return saved;
    }

    // Counts a state that could not be reached as a failure of the run.
    bool expect(bool reached, const QString &what)
    {
        if (!reached) {
            QTextStream(stdout) << "FAILED to reach " << what << Qt::endl;
            ++m_failures;
        }
        return reached;
    }

    int failures() const
    {
        return m_failures;
    }

    QString folder() const
    {
        return m_folder.path();
    }

private:
    QDir m_folder;
    int m_failures = 0;
};

void renderWindowPages(Gallery &gallery, MainWindow &window)
{
    for (int index = 0; index < int(std::size(pageNames)); ++index) {
        window.switchToPage(index);
        gallery.save(&window,
            QStringLiteral("window-%1-%2").arg(index, 2, 10, QLatin1Char('0')).arg(QLatin1String(pageNames[index])));
    }
    window.switchToPage(MainWindow::DashboardIndex);
    window.findChildren<NavButton *>().at(MainWindow::JunkIndex)->setSubText(QStringLiteral("128"));
    window.findChildren<NavButton *>().at(MainWindow::DuplicatesIndex)->setSubText(QStringLiteral("12"));
    window.switchToPage(MainWindow::DuplicatesIndex);
    gallery.save(&window, QStringLiteral("window-badges"));
    for (NavButton *button : window.findChildren<NavButton *>())
        button->setSubText(QString());
}

// The dashboard before, during and after a full scan, and rescanning from its data view.
void renderDashboardStates(Gallery &gallery, MainWindow &window)
{
    auto *dashboard = window.findChild<DashboardPage *>();
    window.switchToPage(MainWindow::DashboardIndex);
    dashboard->setScanning(true);
    dashboard->setScanProgress(
        42, QStringLiteral("/Users/me/Library/Caches/com.apple.Safari/WebKitCache/Version 16/Records/4F2A9C"));
    gallery.save(&window, QStringLiteral("window-00-dashboard-scanning"));
    dashboard->setScanning(false);
    dashboard->updateStats(1536LL * 1024 * 1024, 512LL * 1024 * 1024, 0);
    dashboard->showScanTime(QDateTime::currentDateTime().addSecs(-150));
    gallery.save(&window, QStringLiteral("window-00-dashboard-data"));
    // Below a gigabyte the ring counts megabytes; after Clean All it tells what was freed.
    dashboard->updateStats(22LL * 1024 * 1024, 6LL * 1024 * 1024 + 419431, 0);
    dashboard->showScanTime(QDateTime::currentDateTime());
    gallery.save(&window, QStringLiteral("window-00-dashboard-after-scan"));
    dashboard->updateStats(0, 0, 0);
    dashboard->showCleaned(22LL * 1024 * 1024 + 6LL * 1024 * 1024 + 419431);
    gallery.save(&window, QStringLiteral("window-00-dashboard-after-clean"));
    dashboard->setScanning(true);
    dashboard->setScanProgress(66, QStringLiteral("Google Chrome"));
    gallery.save(&window, QStringLiteral("window-00-dashboard-data-scanning"));
    dashboard->setScanning(false);
    dashboard->updateStats(0, 0, 0);
    gallery.save(&window, QStringLiteral("window-00-dashboard-data-nothing-found"));
}

void renderMenus(Gallery &gallery, MainWindow &window)
{
    QMenu *menu = window.titleBar()->menu();
    menu->popup(window.mapToGlobal(QPoint(700, 60)));
    gallery.save(menu, QStringLiteral("menu"));
    for (QAction *action : menu->actions()) {
        if (QMenu *languages = action->menu()) {
            languages->popup(window.mapToGlobal(QPoint(500, 120)));
            gallery.save(languages, QStringLiteral("menu-language"));
            languages->hide();
        }
    }
    menu->hide();
}

void renderDialogs(Gallery &gallery, MainWindow &window)
{
    SettingsDialog settings(Application::instance()->settings(), Application::instance()->startupManager(), &window);
    settings.show();
    gallery.save(&settings, QStringLiteral("dialog-settings"));
    settings.hide();

    AboutDialog about(&window);
    about.show();
    gallery.save(&about, QStringLiteral("dialog-about"));
    about.hide();

    // The window's About box runs modally: grab it once it is up, then close it.
    QTimer::singleShot(0, &window, [&gallery] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            gallery.save(box, QStringLiteral("dialog-about-box"));
            box->accept();
        }
    });
    QMetaObject::invokeMethod(&window, "onAboutClicked");
}

// Clicks the button and runs the event loop until sender emits signal, for at most ten
// seconds; false on a timeout. Listens before clicking: a worker may answer at once.
template<typename Sender, typename Signal> bool clickAndWait(QPushButton *button, Sender *sender, Signal signal)
{
    QSignalSpy emitted(sender, signal);
    button->click();
    return !emitted.isEmpty() || emitted.wait(10000);
}

CategoryWidget *categoryRow(const QWidget *page, const QString &title)
{
    for (auto *row : page->findChildren<CategoryWidget *>()) {
        for (auto *label : row->findChildren<QLabel *>()) {
            if (label->text() == title || label->toolTip() == title)
                return row;
        }
    }
    return nullptr;
}

ProgressDialog *finishedCard(const QWidget *page)
{
    for (auto *card : page->findChildren<ProgressDialog *>()) {
        if (card->isFinished())
            return card;
    }
    return nullptr;
}

// The junk page in the window before and after a scan of the fixture home (the application
// caches open with "Load more" showing), its scan card, the details of a category, and the
// clean's card with its summary. Rules overlap here: QuickLook's and Homebrew's caches lie in the
// application caches and show in their own rows; the Trash holds a folder. After the clean, the
// page shows what remains: the unticked rows and a log that became a folder, with the reason.
void renderJunkPage(Gallery &gallery, MainWindow &window, const TestHome &home)
{
    home.makeFile(QStringLiteral("Library/Caches/com.apple.QuickLook.thumbnailcache/thumbnails.data"), 3400000);
    home.makeFile(QStringLiteral("Library/Caches/com.apple.QuickLook.thumbnailcache/index.sqlite"), 410000);
    home.makeFile(QStringLiteral("Library/Caches/Homebrew/downloads/wget--1.24.5.arm64_sonoma.bottle.tar.gz"), 1600000);
    home.makeFile(QStringLiteral(".Trash/Old Folder/notes.txt"), 12000);
    home.makeFile(QStringLiteral(".Trash/Old Folder/scans/page-1.pdf"), 820000);
    window.switchToPage(MainWindow::JunkIndex);
    auto *page = window.findChild<JunkPage *>();

    ProgressDialog scanCard(ProgressDialog::Scan, page);
    scanCard.setProgress(4, 9);
    scanCard.setCurrentItem(QDir::home().filePath(QStringLiteral("Library/Caches/com.example.editor/blobs")));
    gallery.save(&scanCard, QStringLiteral("window-01-junk-scan-card"));
    scanCard.hide();

    if (!gallery.expect(
            clickAndWait(page->findChild<QPushButton *>(QStringLiteral("scanBtn")), page, &BasePage::scanFinished),
            QStringLiteral("junk scan")))
        return;
    CategoryWidget *caches = categoryRow(page, RuleTexts::shown(QStringLiteral("Application Caches")));
    if (!gallery.expect(caches != nullptr, QStringLiteral("application caches row")))
        return;
    caches->setExpanded(true);
    gallery.save(&window, QStringLiteral("window-01-junk-scanned"));
    QScrollBar *scrollBar = page->findChild<QScrollArea *>(QStringLiteral("contentScrollArea"))->verticalScrollBar();
    scrollBar->setValue(scrollBar->maximum());
    gallery.save(&window, QStringLiteral("window-01-junk-scanned-load-more"));
    scrollBar->setValue(0);

    ScanResult result = Application::instance()->junkCleaner()->result();
    ItemDetailDialog details(result.findCategory(QStringLiteral("app_caches")), &window);
    details.show();
    gallery.expect(
        QTest::qWaitFor([&details] { return details.loadedCount() > 0; }, 10000), QStringLiteral("detail rows"));
    gallery.save(&details, QStringLiteral("window-01-junk-details"));
    details.hide();

    // Between the scan and the clean the log became a folder: the clean leaves it, with the reason.
    const QString log = home.filePath(QStringLiteral("Library/Logs/com.example.app/run.log"));
    QFile::remove(log);
    home.makeFile(QStringLiteral("Library/Logs/com.example.app/run.log/inner.txt"), 10);
    if (!gallery.expect(
            clickAndWait(page->findChild<QPushButton *>(QStringLiteral("cleanBtn")), page, &BasePage::cleanFinished),
            QStringLiteral("junk clean")))
        return;
    if (ProgressDialog *card = finishedCard(page)) {
        gallery.save(card, QStringLiteral("window-01-junk-clean-card-finished"));
        card->hide();
    }
    if (CategoryWidget *logs = categoryRow(page, RuleTexts::shown(QStringLiteral("Log Files"))))
        logs->setExpanded(true);
    gallery.save(&window, QStringLiteral("window-01-junk-cleaned"));

    // Thousands of thumbnails in one cache: counts long enough to need digit groups.
    for (int i = 0; i < 12345; ++i)
        home.makeFile(QStringLiteral("Library/Caches/com.example.photos/thumbs/%1.jpg").arg(i), 1);
    if (!gallery.expect(
            clickAndWait(page->findChild<QPushButton *>(QStringLiteral("scanBtn")), page, &BasePage::scanFinished),
            QStringLiteral("junk scan of many files")))
        return;
    gallery.save(&window, QStringLiteral("window-01-junk-scanned-many"));
}

// The browser page in the window after a scan, with Chrome's privacy rows (cookies, history,
// form data, the current session) open, and its clean while Firefox runs: Chrome is cleaned,
// Firefox skipped and named (the page and its progress card).
void renderBrowserPage(Gallery &gallery, MainWindow &window, const TestHome &home)
{
    const QString chrome = QStringLiteral("Library/Application Support/Google/Chrome/Default/");
    home.makeFile(chrome + QStringLiteral("Cookies"), 1310720);
    home.makeFile(chrome + QStringLiteral("Cookies-journal"), 0);
    home.makeFile(chrome + QStringLiteral("History"), 6291456);
    home.makeFile(chrome + QStringLiteral("Web Data"), 524288);
    home.makeFile(chrome + QStringLiteral("Current Session"), 88000);
    home.makeFile(chrome + QStringLiteral("Preferences"), 40000);
    home.makeFile(chrome + QStringLiteral("Bookmarks"), 22000);
    FakeTools tools;
    tools.addTool(QStringLiteral("pgrep"), "#!/bin/sh\n[ \"$2\" = firefox ] && exit 0\nexit 1\n");
    window.switchToPage(MainWindow::BrowserIndex);
    auto *page = window.findChild<BrowserPage *>();
    if (!gallery.expect(
            clickAndWait(page->findChild<QPushButton *>(QStringLiteral("scanBtn")), page, &BasePage::scanFinished),
            QStringLiteral("browser scan")))
        return;
    page->findChildren<CategoryWidget *>().value(0)->setExpanded(true);
    gallery.save(&window, QStringLiteral("window-02-browser-scanned"));
    page->findChildren<CategoryWidget *>().value(0)->setExpanded(false);
    if (CategoryWidget *cookies
        = categoryRow(page, QStringLiteral("Google Chrome - ") + RuleTexts::shown(QStringLiteral("Cookies"))))
        cookies->setExpanded(true);
    if (CategoryWidget *history = categoryRow(
            page, QStringLiteral("Google Chrome - ") + RuleTexts::shown(QStringLiteral("Browsing History")))) {
        history->setExpanded(true);
        QCoreApplication::processEvents();
        page->findChild<QScrollArea *>(QStringLiteral("contentScrollArea"))->ensureWidgetVisible(history);
    }
    gallery.save(&window, QStringLiteral("window-02-browser-chrome-privacy"));

    CleanEngine *cleaner = Application::instance()->browserCleaner();
    if (!gallery.expect(clickAndWait(page->findChild<QPushButton *>(QStringLiteral("cleanBtn")), cleaner,
                            &CleanEngine::cleanFinished),
            QStringLiteral("browser clean")))
        return;
    if (auto *card = page->findChild<ProgressDialog *>()) {
        gallery.save(card, QStringLiteral("window-02-browser-refused-card"));
        card->hide();
    }
    gallery.save(&window, QStringLiteral("window-02-browser-refused"));
}

// The window's style sheet on a widget shown outside the window, as the window would show it.
void applyWindowStyle(QWidget *widget)
{
    QFile sheet(QStringLiteral(":/styles/style.qss"));
    if (sheet.open(QIODevice::ReadOnly))
        widget->setStyleSheet(QString::fromUtf8(sheet.readAll()));
}

// The large-file scan's card while it runs and once it has finished.
void renderScanProgressCards(Gallery &gallery)
{
    const qint64 found = 5368709120;
    ScanProgressDialog card;
    applyWindowStyle(&card);
    card.setProgress(
        QDir::home().filePath(QStringLiteral("Movies/Screen Recording 2025-01-14 at 10.02.33.mov")), 12, found);
    gallery.save(&card, QStringLiteral("window-05-largefiles-scan-card"));
    card.setFinished(12, found);
    gallery.save(&card, QStringLiteral("window-05-largefiles-scan-card-finished"));
}

// The large file finder on Mac-like volumes and folders: cards selected, the scan card over
// the page, results with long names, packages, files only in iCloud and sizes above 1 GiB,
// and a card's context menu.
QImage withOverlay(QWidget *page, QWidget *overlay, const QPoint &at)
{
    QImage picture = WidgetShot::render(page, QString());
    QPainter painter(&picture);
    painter.drawImage(at, WidgetShot::render(overlay, QString()));
    return picture;
}

QList<LargeFileInfo> syntheticLargeFiles(int count)
{
    QList<LargeFileInfo> files;
    for (int i = 0; i < count; ++i) {
        LargeFileInfo file;
        file.name = QStringLiteral("Render %1 of the long documentary cut.mov").arg(i);
        file.directory = QDir::home().filePath(QStringLiteral("Movies/Renders/%1").arg(i % 50));
        file.path = file.directory + QLatin1Char('/') + file.name;
        file.size = 104857600 + qint64(i) * 7919 * 1024;
        file.modified = QDateTime(QDate(2025, 1, 1), QTime(8, 0)).addSecs(qint64(i) * 600);
        file.type = QStringLiteral("video");
        files.append(file);
    }
    return files;
}

void renderLargeFilePage(Gallery &gallery)
{
    constexpr qint64 GB = 1000000000;
    const QList<LargeFileVolume> volumes {
        { QStringLiteral("/"), QStringLiteral("/System/Volumes/Data"), QStringLiteral("Macintosh HD"), 494 * GB, 89 * GB },
        { QStringLiteral("/Volumes/Backup Drive 2024 Archive"), QStringLiteral("/Volumes/Backup Drive 2024 Archive"),
            QStringLiteral("Backup Drive 2024 Archive"), 2000 * GB, 1210 * GB },
        { QStringLiteral("/Volumes/NAS"), QStringLiteral("/Volumes/NAS"), QStringLiteral("NAS"), 4000 * GB, 3900 * GB },
    };
    LargeFileScanner scanner;
    LargeFilePage page(&scanner, volumes);
    applyWindowStyle(&page);
    page.resize(WidgetShot::pageSize());
    gallery.save(&page, QStringLiteral("window-05-largefiles-page-none-selected"));

    page.addFolder(QDir::home().filePath(QStringLiteral("Movies/Final Cut Exports/Client Projects")));
    for (QFrame *card : page.findChildren<QFrame *>(QStringLiteral("driveCard"))) {
        if (card->property("drivePath").toString() == QLatin1String("/System/Volumes/Data"))
            QTest::mouseClick(card, Qt::LeftButton);
    }
    page.findChild<QComboBox *>(QStringLiteral("minSizeCombo"))->setCurrentIndex(2);
    gallery.save(&page, QStringLiteral("window-05-largefiles-page-volumes-selected"));

    ScanProgressDialog card;
    applyWindowStyle(&card);
    card.setProgress(QDir::home().filePath(QStringLiteral("Library/Containers/com.apple.iMovieApp/Data/Movies")), 37,
        48318382080);
    const QSize pageSize = WidgetShot::pageSize();
    gallery.expect(withOverlay(&page, &card, QPoint((pageSize.width() - card.width()) / 2, 150))
                       .save(QDir(gallery.folder()).filePath(QStringLiteral("window-05-largefiles-page-scanning.png"))),
        QStringLiteral("large file scanning picture"));

    QList<LargeFileInfo> files;
    const QDateTime start(QDate(2025, 11, 2), QTime(18, 40));
    const struct
    {
        const char *name;
        const char *folder;
        qint64 size;
        const char *type;
        bool inCloud;
        bool package;
        qint64 length = 0; // a sparse file's
    } samples[] = {
        { "Photos Library.photoslibrary", "Pictures", 68719476736, "package", false, true },
        { "Windows 11 ARM.utm", "Library/Containers/com.utmapp.UTM/Data/Documents", 34359738368, "package", false, true },
        { "Family Reunion 2023 - Full Edit (Director's Cut, 4K ProRes 422 HQ).mov", "Movies/Final Cut Exports/Client Projects/Family", 21474836480, "video", false, false },
        { "iPhone Backup 2024-09.tar.gz", "Documents/Backups", 8589934592, "archive", true, false },
        { "Ubuntu 24.04 disk.img", "VMs", 9663676416, "other", false, false, 68719476736 },
        { "Xcode_16.1.xip", "Downloads", 3758096384, "other", false, false },
        { "macOS Sequoia Installer.dmg", "Downloads", 1073741825, "archive", false, false },
        { "Exactly one gibibyte.iso", "Downloads", 1073741824, "archive", false, false },
        { "Lecture recordings week 1-12 combined.mp4", "Documents/University/Semester 5/Distributed Systems/Recordings", 734003200, "video", true, false },
        { "Album master - 24 bit.flac", "Music/Masters", 524288000, "audio", false, false },
        { "Scan of the house plans.pdf", "Documents", 262144000, "document", false, false },
        { "RAW shoot.psd", "Pictures/Shoots", 209715200, "image", false, false },
    };
    int i = 0;
    for (const auto &sample : samples) {
        LargeFileInfo file;
        file.name = QString::fromUtf8(sample.name);
        file.directory = QDir::home().filePath(QString::fromUtf8(sample.folder));
        file.path = file.directory + QLatin1Char('/') + file.name;
        file.size = sample.size;
        file.length = sample.length > 0 ? sample.length : sample.size;
        file.modified = start.addDays(-7 * i++);
        file.type = QString::fromLatin1(sample.type);
        file.inCloud = sample.inCloud;
        file.isPackage = sample.package;
        if (file.length > file.size) {
            // Reached through ~/VMs, a link to a folder on the backup drive.
            file.rootPath = QFile::encodeName(file.directory);
            file.rootTarget = "/Volumes/Backup Drive 2024 Archive/VMs";
            file.nativePath = QFile::encodeName(file.path);
            file.directory = QFileInfo(file.realPath()).path();
        }
        files.append(file);
    }
    page.showResults(files);
    LargeFileModel *model = page.resultsModel();
    model->setData(model->index(2), Qt::Checked, Qt::CheckStateRole);
    model->setData(model->index(5), Qt::Checked, Qt::CheckStateRole);
    gallery.save(&page, QStringLiteral("window-05-largefiles-page-results"));

    auto *list = page.findChild<QListView *>(QStringLiteral("largeFileList"));
    const QPoint onCard = list->visualRect(model->index(1)).center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, onCard, list->viewport()->mapToGlobal(onCard));
    QApplication::sendEvent(list->viewport(), &event);
    if (auto *menu = page.findChild<QMenu *>(QStringLiteral("largeFileMenu"))) {
        const QPoint at = list->viewport()->mapTo(&page, onCard);
        gallery.expect(withOverlay(&page, menu, at)
                           .save(QDir(gallery.folder()).filePath(QStringLiteral("window-05-largefiles-page-context-menu.png"))),
            QStringLiteral("large file context menu picture"));
        menu->close();
    }

    page.showResults(syntheticLargeFiles(20000));
    gallery.save(&page, QStringLiteral("window-05-largefiles-page-20000-results"));
}

// The duplicate finder in the window: the user's folders chosen instead of the whole home,
// the progress card, and the groups a scan of those folders finds.
void renderDuplicateFinderPage(Gallery &gallery, MainWindow &window)
{
    window.switchToPage(MainWindow::DuplicatesIndex);
    auto *page = window.findChild<DuplicateFinderPage *>();
    const QList<QStandardPaths::StandardLocation> folders { QStandardPaths::PicturesLocation,
        QStandardPaths::DownloadLocation, QStandardPaths::DesktopLocation, QStandardPaths::DocumentsLocation,
        QStandardPaths::MusicLocation, QStandardPaths::MoviesLocation };
    QStringList chosen { QDir::homePath() };
    for (QStandardPaths::StandardLocation folder : folders)
        chosen.append(QStandardPaths::writableLocation(folder));
    const QList<QPushButton *> cards = page->findChildren<QPushButton *>(QStringLiteral("locationCard"));
    for (const QString &path : std::as_const(chosen)) {
        for (QPushButton *card : cards) {
            if (card->property("scanPath").toString() == path)
                card->click();
        }
    }
    gallery.save(&window, QStringLiteral("window-08-duplicates-folders"));

    // As during a scan: the progress card shown and Start disabled.
    auto *progressCard = page->findChild<QWidget *>(QStringLiteral("progressCard"));
    auto *startButton = page->findChild<QPushButton *>(QStringLiteral("startScanBtn"));
    progressCard->show();
    startButton->setEnabled(false);
    page->onProgress(
        1843, 4210, QDir::home().filePath(QStringLiteral("Pictures/Holiday 2024/Day 3 - Lagoon/IMG_4188.HEIC")));
    gallery.save(&window, QStringLiteral("window-08-duplicates-progress"));
    progressCard->hide();
    startButton->setEnabled(true);

    page->findChild<QComboBox *>(QStringLiteral("minSizeCombo"))->setCurrentIndex(0);
    page->onStartScan();
    auto *stack = page->findChild<QStackedWidget *>(QStringLiteral("duplicateStack"));
    if (gallery.expect(
            QTest::qWaitFor([stack] { return stack->currentIndex() == 1; }, 10000), QStringLiteral("duplicate scan")))
        gallery.save(&window, QStringLiteral("window-08-duplicates-results"));

    // A large result, as a scan would deliver it: counts long enough to need digit groups, and
    // folders the scan could not read.
    page->onBackToScan();
    Application::instance()->duplicateFinder()->unreadableFolders
        = { QDir::home().filePath(QStringLiteral("Library/Mail")), QDir::home().filePath(QStringLiteral("Library/Messages")),
              QDir::home().filePath(QStringLiteral("Library/Safari")) };
    progressCard->show();
    constexpr int ManyGroups = 12345;
    qint64 waste = 0;
    for (int number = 0; number < ManyGroups; ++number) {
        DuplicateGroup group { QStringLiteral("%1").arg(number, 32, 16, QLatin1Char('0')), 2400000 + number, {} };
        const int copies = 2 + number % 3;
        for (int copy = 0; copy < copies; ++copy) {
            group.files.append(
                DuplicateFile { QDir::home().filePath(QStringLiteral("Pictures/Camera Roll %1/IMG_%2 (copy %3).HEIC")
                                                          .arg(2019 + copy)
                                                          .arg(number, 5, 10, QLatin1Char('0'))
                                                          .arg(copy + 1)),
                    group.fileSize, QDateTime(QDate(2024, 1, 1), QTime(12, 0)).addDays(copy), FileIdentity() });
        }
        waste += (copies - 1) * group.fileSize;
        page->onGroupFound(group);
    }
    page->onScanFinished(ManyGroups, waste);
    auto *view = page->findChild<QListView *>(QStringLiteral("duplicateResultsView"));
    if (gallery.expect(
            QTest::qWaitFor(
                [view] { return view->indexAt(QPoint(view->viewport()->width() / 2, 60)).isValid(); }, 10000),
            QStringLiteral("many duplicate groups laid out")))
        gallery.save(&window, QStringLiteral("window-08-duplicates-results-many"));
}

// A plist that runs arguments, for the startup page's fixture.
void writeGalleryAgent(const QString &path, const QStringList &arguments, bool disabled = false)
{
    QByteArray text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">\n<dict>\n"
                      "<key>ProgramArguments</key><array>";
    for (const QString &argument : arguments)
        text += "<string>" + argument.toHtmlEscaped().toUtf8() + "</string>";
    text += "</array>\n";
    if (disabled)
        text += "<key>Disabled</key><true/>\n";
    text += "</dict>\n</plist>\n";
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(text);
}

// The startup page loading, with own, foreign and the machine's items and many applications
// (long names among them), searched, and with nothing found.
void renderStartupPage(Gallery &gallery, MainWindow &window)
{
    const FakeTools tools;
    const QString root = QDir::home().filePath(QStringLiteral("startup-fixture"));
    const QString apps = root + QStringLiteral("/Applications");
    const QStringList names = { QStringLiteral("Slack"), QStringLiteral("Visual Studio Code"),
        QStringLiteral("Docker"), QStringLiteral("Dropbox"), QStringLiteral("Spotify"), QStringLiteral("Zoom"),
        QStringLiteral("Microsoft Remote Desktop Beta Preview Edition for Enterprise Administrators"),
        QStringLiteral("1Password"), QStringLiteral("Rectangle"), QStringLiteral("Bartender 5"),
        QStringLiteral("Utilities/Activity Monitor"), QStringLiteral("Utilities/Console"), QStringLiteral("Telegram"),
        QStringLiteral("Figma"), QStringLiteral("Notion") };
    for (const QString &name : names) {
        const QString bundle = apps + QLatin1Char('/') + name + QStringLiteral(".app");
        const QString executable = QFileInfo(name).fileName();
        QDir().mkpath(bundle + QStringLiteral("/Contents/MacOS"));
        QFile exe(bundle + QStringLiteral("/Contents/MacOS/") + executable);
        if (exe.open(QIODevice::WriteOnly))
            exe.write("#!/bin/sh\n");
        exe.close();
        exe.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    const QString agents = QDir::home().filePath(QStringLiteral("Library/LaunchAgents/"));
    const QString open = QStringLiteral("/usr/bin/open");
    writeGalleryAgent(agents + StartupManager::OwnLabelPrefix + QStringLiteral("Slack.plist"),
        { open, QStringLiteral("-a"), apps + QStringLiteral("/Slack.app") });
    writeGalleryAgent(agents + StartupManager::OwnLabelPrefix + QStringLiteral("Docker.plist"),
        { open, QStringLiteral("-a"), apps + QStringLiteral("/Docker.app") });
    writeGalleryAgent(agents + QStringLiteral("com.dropbox.DropboxMacUpdate.agent.plist"),
        { apps + QStringLiteral("/Dropbox.app/Contents/MacOS/Dropbox"), QStringLiteral("-update") });
    writeGalleryAgent(agents + QStringLiteral("com.google.keystone.agent.plist"),
        { QStringLiteral("/Library/Google/GoogleSoftwareUpdate/GoogleSoftwareUpdate.bundle/Contents/Resources/"
                         "GoogleSoftwareUpdateAgent.app/Contents/MacOS/GoogleSoftwareUpdateAgent"),
            QStringLiteral("-runMode"), QStringLiteral("ifneeded") });
    writeGalleryAgent(agents + QStringLiteral("com.spotify.webhelper.plist"),
        { apps + QStringLiteral("/Spotify.app/Contents/MacOS/Spotify") }, true);
    writeGalleryAgent(agents
            + QStringLiteral("org.example.a-very-long-launch-agent-label-that-keeps-going-well-past-the-card.plist"),
        { QStringLiteral("/usr/local/opt/example/libexec/a-helper-with-a-rather-long-name-too") });
    writeGalleryAgent(root + QStringLiteral("/Library/LaunchDaemons/com.docker.vmnetd.plist"),
        { QStringLiteral("/Library/PrivilegedHelperTools/com.docker.vmnetd") });
    writeGalleryAgent(root + QStringLiteral("/Library/LaunchAgents/com.microsoft.update.agent.plist"),
        { QStringLiteral("/bin/sh") });

    StartupManager *manager = Application::instance()->startupManager();
    StartupLocations locations = manager->locations();
    locations.systemAgentFolders
        = { root + QStringLiteral("/Library/LaunchAgents"), root + QStringLiteral("/Library/LaunchDaemons") };
    locations.applicationFolders = { apps };
    manager->setLocations(locations);

    window.switchToPage(MainWindow::StartupIndex);
    auto *page = window.findChild<StartupPage *>();
    // The window's first look at the page started a scan of the default folders.
    if (!gallery.expect(QTest::qWaitFor([manager] { return !manager->isScanning(); }, 10000),
            QStringLiteral("first startup scan")))
        return;
    QSignalSpy finished(manager, &StartupManager::refreshFinished);
    QMetaObject::invokeMethod(page, "onRefreshClicked");
    gallery.save(&window, QStringLiteral("window-04-startup-loading"));
    // Saving the loading view may already have let the scan's end through.
    if (!gallery.expect(!finished.isEmpty() || finished.wait(20000), QStringLiteral("startup scan")))
        return;
    gallery.save(&window, QStringLiteral("window-04-startup-list"));
    auto *list = page->findChild<QAbstractScrollArea *>(QStringLiteral("startupList"));
    list->verticalScrollBar()->setValue(list->verticalScrollBar()->maximum());
    gallery.save(&window, QStringLiteral("window-04-startup-list-end"));
    auto *search = page->findChild<QLineEdit *>(QStringLiteral("startupSearch"));
    search->setText(QStringLiteral("docker"));
    gallery.save(&window, QStringLiteral("window-04-startup-search"));
    search->setText(QStringLiteral("no such program"));
    gallery.save(&window, QStringLiteral("window-04-startup-search-none"));
    search->clear();
}

// The privacy page before a scan, after a scan that found nothing to measure, after a scan of a
// home with recent lists and a notification database, while cleaning (the clipboard's tool held
// back) and its summary with the DNS cache's administrator prompt declined.
void renderPrivacyPage(Gallery &gallery, MainWindow &window, const TestHome &home)
{
    FakeTools tools;
    const QString started = home.filePath(QStringLiteral("pbcopy-started"));
    const QString release = home.filePath(QStringLiteral("pbcopy-release"));
    tools.addTool(QStringLiteral("pbcopy"),
        QStringLiteral("#!/bin/sh\ntouch '%1'\nwhile [ ! -e '%2' ]; do sleep 0.02; done\n")
            .arg(started, release)
            .toUtf8());
    tools.addTool(QStringLiteral("osascript"), "#!/bin/sh\nexit 1\n");
    window.switchToPage(MainWindow::PrivacyIndex);
    auto *page = window.findChild<PrivacyPage *>();
    PrivacyCleaner *cleaner = Application::instance()->privacyCleaner();
    gallery.save(&window, QStringLiteral("window-09-privacy-before-scan"));
    auto *scanButton = page->findChild<QPushButton *>(QStringLiteral("scanBtn"));
    if (gallery.expect(clickAndWait(scanButton, cleaner, &PrivacyCleaner::scanFinished),
            QStringLiteral("privacy scan of an empty home")))
        gallery.save(&window, QStringLiteral("window-09-privacy-nothing-found"));

    const QString lists = QStringLiteral("Library/Application Support/com.apple.sharedfilelist/");
    home.makeFile(lists + QStringLiteral("com.apple.LSSharedFileList.RecentDocuments.sfl3"), 18432);
    home.makeFile(lists + QStringLiteral("com.apple.LSSharedFileList.RecentApplications.sfl3"), 6144);
    home.makeFile(lists + QStringLiteral("com.apple.LSSharedFileList.FavoriteItems.sfl3"), 4096);
    home.makeFile(QStringLiteral("DarwinUser/0/com.apple.notificationcenter/db2/db"), 2359296);

    if (!gallery.expect(clickAndWait(scanButton, cleaner, &PrivacyCleaner::scanFinished),
            QStringLiteral("privacy scan")))
        return;
    gallery.save(&window, QStringLiteral("window-09-privacy-scanned"));

    for (QCheckBox *box : page->findChildren<QCheckBox *>()) {
        if (!box->isChecked() && box->isEnabled())
            box->click();
    }
    QSignalSpy finished(cleaner, &PrivacyCleaner::cleanFinished);
    MessageBoxAnswerer answerer(QMessageBox::Yes);
    page->findChild<QPushButton *>(QStringLiteral("cleanBtn"))->click();
    if (!gallery.expect(QTest::qWaitFor([&started] { return QFileInfo::exists(started); }, 10000),
            QStringLiteral("privacy clean")))
        return;
    gallery.save(&window, QStringLiteral("window-09-privacy-cleaning"));
    QFile(release).open(QIODevice::WriteOnly);
    if (gallery.expect(finished.wait(10000), QStringLiteral("privacy clean finished")))
        gallery.save(&window, QStringLiteral("window-09-privacy-summary"));
}

// Puts page in the window's tweaks slot, saves the window as name, and puts the window's own
// page back.
void saveTweaksPage(Gallery &gallery, MainWindow &window, TweaksPage *page, const QString &name)
{
    auto *stack = window.findChild<QStackedWidget *>(QStringLiteral("pageStack"));
    QWidget *shipped = stack->widget(MainWindow::TweaksIndex);
    stack->removeWidget(shipped);
    stack->insertWidget(MainWindow::TweaksIndex, page);
    window.switchToPage(MainWindow::TweaksIndex);
    gallery.save(&window, name);
    stack->removeWidget(page);
    stack->insertWidget(MainWindow::TweaksIndex, shipped);
}

// The tweaks page (its side-bar button is hidden): the German catalogue with its long names,
// an empty catalogue, and, with fake Windows tools standing in, two services switched off and
// the power plan refused.
void renderTweaksPage(Gallery &gallery, MainWindow &window)
{
    TweakManager german;
    german.load(TweakManager::catalogueFile(QStringLiteral("de")));
    auto *page = new TweaksPage(&german);
    saveTweaksPage(gallery, window, page, QStringLiteral("window-06-tweaks-german"));
    delete page;

    TweakManager empty;
    page = new TweaksPage(&empty);
    saveTweaksPage(gallery, window, page, QStringLiteral("window-06-tweaks-empty"));
    delete page;

    FakeTools tools;
    tools.addTool(QStringLiteral("sc"), "#!/bin/sh\nexit 0\n");
    tools.addTool(QStringLiteral("powercfg"), "#!/bin/sh\nexit 1\n");
    TweakManager windows;
    windows.setWindowsToolsForTesting(true);
    windows.load(TweakManager::catalogueFile(QStringLiteral("en")));
    page = new TweaksPage(&windows);
    QSignalSpy applied(&windows, &TweakManager::tweakApplied);
    const QStringList ids { QStringLiteral("disable_location"), QStringLiteral("disable_sysmain"),
        QStringLiteral("ultimate_performance") };
    QWidget *lastCard = nullptr;
    for (QWidget *card : page->findChildren<QWidget *>(QStringLiteral("tweakCard"))) {
        if (ids.contains(card->property("tweakId").toString())) {
            card->findChild<ToggleSwitch *>()->click();
            lastCard = card;
        }
    }
    if (gallery.expect(QTest::qWaitFor([&applied, &ids] { return applied.size() == ids.size(); }, 10000),
            QStringLiteral("tweaks applied"))) {
        saveTweaksPage(gallery, window, page, QStringLiteral("window-06-tweaks-windows"));
        page->findChild<QScrollArea *>(QStringLiteral("tweaksScrollArea"))->ensureWidgetVisible(lastCard);
        saveTweaksPage(gallery, window, page, QStringLiteral("window-06-tweaks-windows-performance"));
    }
    delete page;
}

// Applications installed in the fixture home's Applications folder, with their leftovers: long
// names and publishers, leftovers matched by identifier and by name, and some with none.
QString populateApplications(const TestHome &home)
{
    struct Bundle
    {
        const char *name, *bundleId, *version, *publisher;
        qint64 size;
        QList<QPair<const char *, qint64>> leftovers;
    };
    const QList<Bundle> bundles = {
        { "Affinity Photo 2", "com.seriflabs.affinityphoto2", "2.5.3",
            "Copyright © 2024 Serif (Europe) Ltd. All rights reserved.", 1920LL << 20,
            { { "Application Support/com.seriflabs.affinityphoto2/settings.dat", 3 << 20 },
                { "Caches/com.seriflabs.affinityphoto2/cache.db", 900 << 10 },
                { "Preferences/com.seriflabs.affinityphoto2.plist", 4200 },
                { "Saved Application State/com.seriflabs.affinityphoto2.savedState/data.data", 12000 } } },
        { "Android Studio Preview Edition Ladybug Feature Drop 2024.2.2 Canary", "com.google.android.studio-EAP",
            "2024.2", "Copyright 2000-2024 JetBrains s.r.o. and other contributors", 2700LL << 20, {} },
        { "Docker", "com.docker.docker", "4.36.0", "Copyright © 2015-2024 Docker Inc. All rights reserved.",
            2100LL << 20,
            { { "Group Containers/group.com.docker/settings.json", 1200 },
                { "Containers/com.docker.docker/Data/vms/0/data/Docker.raw", 64LL << 30 },
                { "Preferences/com.docker.docker.plist", 900 } } },
        { "Keka", "com.aone.keka", "1.4.6", "", 48 << 20, {} },
        // A copy of a system app: its leftovers are the system app's too, offered unticked.
        { "Notes", "com.apple.Notes", "4.11", "Copyright © 2009-2024 Apple Inc. All rights reserved.", 30 << 20,
            { { "Containers/com.apple.Notes/Data/Library/Notes/NotesV7.storedata", 40 << 20 },
                { "Group Containers/group.com.apple.notes/NoteStore.sqlite", 12 << 20 } } },
        { "Rectangle", "com.knollsoft.Rectangle", "0.84", "© Ryan Hanson", 12 << 20,
            { { "LaunchAgents/com.knollsoft.Rectangle.launcher.plist", 600 } } },
        { "Slack", "com.tinyspeck.slackmacgap", "4.41.97", "", 410 << 20,
            { { "Containers/com.tinyspeck.slackmacgap/Data/Library/Caches/data", 230 << 20 },
                { "Application Support/Slack/storage/root-state.json", 38000 } } },
        { "Visual Studio Code", "com.microsoft.VSCode", "1.95.3", "Copyright (C) 2024 Microsoft. All rights reserved",
            560 << 20,
            { { "Caches/com.microsoft.VSCode/data", 2 << 20 }, { "Caches/com.microsoft.VSCode.ShipIt/update.zip", 98 << 20 },
                { "HTTPStorages/com.microsoft.VSCode/httpstorages.sqlite", 32768 },
                { "Saved Application State/com.microsoft.VSCode.savedState/window_1.data", 2048 } } },
        { "VLC", "org.videolan.vlc", "3.0.21", "Copyright © 1996-2024 VideoLAN and VLC Authors", 190 << 20,
            { { "Preferences/org.videolan.vlc/vlcrc", 130000 }, { "Preferences/org.videolan.vlc.plist", 2100 } } },
        { "Zoom", "us.zoom.xos", "6.2.5", "Copyright ©2012-2024 Zoom Video Communications, Inc. All rights reserved.",
            330 << 20, { { "Logs/zoom.us/zoom_stdout_stderr.log", 4 << 20 }, { "Preferences/us.zoom.xos.plist", 1800 } } },
    };
    for (const Bundle &bundle : bundles) {
        const QString relative = QStringLiteral("Applications/%1.app").arg(QLatin1String(bundle.name));
        QMap<QString, QString> keys { { QStringLiteral("CFBundleIdentifier"), QLatin1String(bundle.bundleId) },
            { QStringLiteral("CFBundleShortVersionString"), QLatin1String(bundle.version) } };
        if (*bundle.publisher)
            keys.insert(QStringLiteral("NSHumanReadableCopyright"), QString::fromUtf8(bundle.publisher));
        const QString path = AppFixture::makeBundle(home, relative, keys, 0);
        // Sparse files: the sizes are real to the scan, the disk stays empty.
        QFile(path + QStringLiteral("/Contents/MacOS/main")).resize(bundle.size);
        for (const auto &leftover : bundle.leftovers) {
            const QString file = home.makeFile(QStringLiteral("Library/") + QLatin1String(leftover.first), 0);
            QFile(file).resize(leftover.second);
        }
    }
    return home.filePath(QStringLiteral("Applications"));
}

// The uninstaller in the window: the scan under way, the applications it found, a search, a card
// opened on its leftovers, the confirmation naming the ticked applications, and what went to
// the Trash after an uninstall.
void renderAppUninstallerPage(Gallery &gallery, MainWindow &window, const TestHome &home)
{
    FakeTools tools;
    AppUninstaller *uninstaller = Application::instance()->appUninstaller();
    uninstaller->setApplicationFolders({ home.filePath(QStringLiteral("System Applications")), populateApplications(home) });
    AppFixture::makeBundle(home, QStringLiteral("System/Applications/Notes.app"),
        { { QStringLiteral("CFBundleIdentifier"), QStringLiteral("com.apple.Notes") } });
    uninstaller->setSystemApplicationFolders({ home.filePath(QStringLiteral("System/Applications")) });
    window.switchToPage(MainWindow::UninstallerIndex);
    auto *page = window.findChild<AppUninstallerPage *>();
    QSignalSpy finished(uninstaller, &AppUninstaller::scanFinished);
    page->onRefreshClicked();
    auto *spinner = page->findChild<QLabel *>(QStringLiteral("appSpinner"));
    if (gallery.expect(spinner->isVisible(), QStringLiteral("uninstaller scanning")))
        gallery.save(&window, QStringLiteral("window-07-uninstaller-scanning"));
    if (!gallery.expect(!finished.isEmpty() || finished.wait(120000), QStringLiteral("uninstaller scan")))
        return;
    gallery.save(&window, QStringLiteral("window-07-uninstaller-list"));

    auto *list = page->findChild<QListView *>(QStringLiteral("appList"));
    QAbstractItemModel *model = list->model();
    for (int row : { 0, 2, 7 })
        model->setData(model->index(row, 0), Qt::Checked, Qt::CheckStateRole);
    const QRect docker = list->visualRect(model->index(2, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(docker.right() - 40, docker.top() + 38));
    list->scrollTo(model->index(2, 0), QAbstractItemView::PositionAtTop);
    gallery.save(&window, QStringLiteral("window-07-uninstaller-expanded"));
    // The copy of Notes: its leftovers unticked, each saying it is shared with the system.
    const auto toggleNotes = [&] {
        list->scrollTo(model->index(4, 0), QAbstractItemView::PositionAtTop);
        const QRect notes = list->visualRect(model->index(4, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(notes.right() - 40, notes.top() + 38));
    };
    toggleNotes();
    gallery.save(&window, QStringLiteral("window-07-uninstaller-shared-with-system"));
    toggleNotes();
    list->scrollTo(model->index(2, 0), QAbstractItemView::PositionAtTop);

    auto *search = page->findChild<QLineEdit *>(QStringLiteral("appSearch"));
    search->setText(QStringLiteral("studio"));
    gallery.save(&window, QStringLiteral("window-07-uninstaller-search"));
    search->setText(QStringLiteral("Photoshop"));
    gallery.save(&window, QStringLiteral("window-07-uninstaller-search-nothing"));
    search->clear();

    page->onUninstallClicked();
    if (auto *box = page->findChild<QMessageBox *>(); gallery.expect(box, QStringLiteral("uninstall confirmation"))) {
        gallery.save(box, QStringLiteral("window-07-uninstaller-confirm"));
        box->reject();
    }

    // Uninstalled for real (the fake Finder moves into the home's Trash): what went, for three
    // apps, then for one with a long name.
    qputenv("SWEEPNOOK_FAKE_FINDER", "trash");
    const auto uninstallTicked = [&](const QString &name) {
        QSignalSpy rescanned(uninstaller, &AppUninstaller::scanFinished);
        page->onUninstallClicked();
        // The confirmation just opened, not one closed earlier and waiting to be deleted.
        QMessageBox *box = nullptr;
        for (QMessageBox *open : page->findChildren<QMessageBox *>()) {
            if (open->isVisible())
                box = open;
        }
        if (!gallery.expect(box, QStringLiteral("uninstall confirmation for ") + name))
            return;
        box->button(QMessageBox::Yes)->click();
        if (gallery.expect(rescanned.wait(120000), QStringLiteral("uninstall of ") + name))
            gallery.save(&window, QStringLiteral("window-07-uninstaller-") + name);
    };
    uninstallTicked(QStringLiteral("uninstalled"));
    model->setData(model->index(0, 0), Qt::Checked, Qt::CheckStateRole);
    uninstallTicked(QStringLiteral("uninstalled-one"));
    qunsetenv("SWEEPNOOK_FAKE_FINDER");
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("QUELMO"));
    QCoreApplication::setApplicationName(QStringLiteral("Sweepnook"));
    // The optional second argument is the interface language (a code of the language menu).
    const QString language = argc == 3 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("en");
    if ((argc != 2 && argc != 3) || !Languages::find(language)) {
        QTextStream(stderr) << "usage: sweepnook-gallery OUTDIR [LANGUAGE]" << Qt::endl;
        return 2;
    }
    const QString outputFolder = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    if (!QDir().mkpath(outputFolder)) {
        QTextStream(stderr) << "cannot create " << outputFolder << Qt::endl;
        return 1;
    }

    // Pictures go to OUTDIR only.
    qunsetenv("SWEEPNOOK_SHOTS_DIR");
    TestHome home;
    JunkFixture::populate(home);
    BrowserFixture::populate(home);
    DuplicateFixture::populate(home);
    Application::instance()->setLanguage(language);
    if (!Application::instance()->installTranslations()) {
        QTextStream(stderr) << "cannot load the catalogue of " << language << Qt::endl;
        return 1;
    }
    QFont font(QStringLiteral("Segoe UI"), 10);
    font.setStyleStrategy(QFont::PreferAntialias);
    QApplication::setFont(font);
    Application::instance()->initialize();

    MainWindow window;
    window.resize(900, 650);
    window.show();

    Gallery gallery(outputFolder);
    renderWindowPages(gallery, window);
    renderDashboardStates(gallery, window);
    renderMenus(gallery, window);
    renderDialogs(gallery, window);
    Application::instance()->settings()->setValue(Settings::ConfirmClean, false);
    renderJunkPage(gallery, window, home);
    renderBrowserPage(gallery, window, home);
    renderScanProgressCards(gallery);
    renderLargeFilePage(gallery);
    renderDuplicateFinderPage(gallery, window);
    renderStartupPage(gallery, window);
    renderPrivacyPage(gallery, window, home);
    renderTweaksPage(gallery, window);
    renderAppUninstallerPage(gallery, window, home);
    return gallery.failures() == 0 ? 0 : 1;
}
