// sweepnook-gallery OUTDIR: renders the main window on each page, the title-bar menu and the
// dialogs to PNG files, against a fixture home in a temporary folder.
#include "app/aboutdialog.h"
#include "app/application.h"
#include "app/mainwindow.h"
#include "app/navbutton.h"
#include "app/settingsdialog.h"
#include "app/titlebar.h"
#include "pages/dashboardpage.h"
#include "testhome.h"
#include "browserfixture.h"
#include "faketools.h"
#include "cleaners/browsercleaner.h"
#include "pages/browserpage.h"
#include "widgets/categorywidget.h"
#include "widgets/progressdialog.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFont>
#include <QMenu>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QSettings>
#include <QStackedWidget>
#include <QTextStream>
#include <QTimer>
#include <QTranslator>

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
        const bool saved = widget->grab().save(path);
        QTextStream(stdout) << (saved ? "wrote " : "FAILED ") << path << Qt::endl;
        m_failures += saved ? 0 : 1;
        return saved;
    }

    int failures() const
    {
        return m_failures;
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
}

// The dashboard before, during and after a full scan, and rescanning from its data view.
void renderDashboardStates(Gallery &gallery, MainWindow &window)
{
    auto *dashboard = window.findChild<DashboardPage *>();
    window.switchToPage(MainWindow::DashboardIndex);
    dashboard->setScanning(true);
    dashboard->setScanProgress(
        42, QStringLiteral("/Users/me/Library/Caches/com.apple.Safari/WebKitCache/Version 16/Records/4F2A9C"));
    gallery.save(&window, QStringLiteral("dashboard-scanning"));
    dashboard->setScanning(false);
    dashboard->updateStats(1536LL * 1024 * 1024, 512LL * 1024 * 1024, 0);
    gallery.save(&window, QStringLiteral("dashboard-data"));
    dashboard->setScanning(true);
    dashboard->setScanProgress(66, QStringLiteral("Google Chrome"));
    gallery.save(&window, QStringLiteral("dashboard-data-scanning"));
    dashboard->setScanning(false);
    dashboard->updateStats(0, 0, 0);
    gallery.save(&window, QStringLiteral("dashboard-data-nothing-found"));
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
    SettingsDialog settings(&window);
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

// Runs the event loop until sender emits signal, for at most ten seconds.
template<typename Sender, typename Signal> void waitFor(Sender *sender, Signal signal)
{
    QEventLoop loop;
    QObject::connect(sender, signal, &loop, &QEventLoop::quit);
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    loop.exec();
}

// Rows added to a scroll area settle over a few rounds of posted layout requests.
void settleLayouts()
{
    for (int round = 0; round < 3; ++round) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QCoreApplication::processEvents();
    }
}

// The browser page on its own at the page area's size: the browsers found, a scan's groups,
// and the refusal to clean while Firefox runs (the page and its progress card).
void renderBrowserPage(Gallery &gallery, MainWindow &window)
{
    FakeTools tools;
    tools.addTool(QStringLiteral("pgrep"), "#!/bin/sh\n[ \"$2\" = firefox ] && exit 0\nexit 1\n");
    Application::instance()->settings()->setValue(QStringLiteral("clean/confirmClean"), false);
    BrowserPage page;
    page.resize(window.findChild<QStackedWidget *>(QStringLiteral("pageStack"))->size());
    page.show();
    gallery.save(&page, QStringLiteral("page-browser-1-browsers"));

    page.findChild<QPushButton *>(QStringLiteral("scanBtn"))->click();
    waitFor(&page, &BasePage::scanFinished);
    page.findChildren<CategoryWidget *>().value(0)->setExpanded(true);
    settleLayouts();
    gallery.save(&page, QStringLiteral("page-browser-2-scanned"));

    CleanEngine *cleaner = Application::instance()->browserCleaner();
    page.findChild<QPushButton *>(QStringLiteral("cleanBtn"))->click();
    waitFor(cleaner, &CleanEngine::cleanFinished);
    settleLayouts();
    gallery.save(&page, QStringLiteral("page-browser-3-refused"));
    if (auto *card = page.findChild<ProgressDialog *>())
        gallery.save(card, QStringLiteral("page-browser-3-refused-card"));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("QUELMO"));
    QCoreApplication::setApplicationName(QStringLiteral("Sweepnook"));
    if (argc != 2) {
        QTextStream(stderr) << "usage: sweepnook-gallery OUTDIR" << Qt::endl;
        return 2;
    }
    const QString outputFolder = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    if (!QDir().mkpath(outputFolder)) {
        QTextStream(stderr) << "cannot create " << outputFolder << Qt::endl;
        return 1;
    }

    TestHome home;
    BrowserFixture::populate(home);
    QTranslator translator;
    if (translator.load(Application::translationPath(QStringLiteral("en"))))
        QApplication::installTranslator(&translator);
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
    renderBrowserPage(gallery, window);
    return gallery.failures() == 0 ? 0 : 1;
}
