#include "application.h"

#include "core/languages.h"
#include "core/logger.h"
#include "core/removals.h"
#include "core/settings.h"
#include "mainwindow.h"
#include "cleaners/appuninstaller.h"
#include "cleaners/browsercleaner.h"
#include "cleaners/duplicatefinder.h"
#include "cleaners/duplicateremover.h"
#include "cleaners/junkcleaner.h"
#include "cleaners/largefilescanner.h"
#include "cleaners/privacycleaner.h"
#include "cleaners/registrycleaner.h"
#include "cleaners/startupmanager.h"
#include "cleaners/tweakmanager.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QStandardPaths>
#include <QTranslator>

#include <algorithm>

Application *Application::s_instance = nullptr;

namespace {

template<typename T> void deleteAndClear(T *&pointer)
{
    T *object = pointer;
    pointer = nullptr;
    delete object;
}

} // namespace

Application *Application::instance()
{
    if (!s_instance)
        s_instance = new Application;
    return s_instance;
}

Application::~Application()
{
    deleteAndClear(m_settings);
    deleteAndClear(m_mainWindow);
    deleteAndClear(m_largeFileScanner);
    deleteAndClear(m_startupManager);
    deleteAndClear(m_privacyCleaner);
    deleteAndClear(m_tweakManager);
    deleteAndClear(m_appUninstaller);
    deleteAndClear(m_duplicateRemover);
    deleteAndClear(m_duplicateFinder);
    deleteAndClear(m_registryCleaner);
    deleteAndClear(m_browserCleaner);
    deleteAndClear(m_junkCleaner);
}

void Application::initialize()
{
    // A window's pages hold the engines and the settings: while one is open they stay.
    if (m_settings && hasWindow()) {
        Logger::instance()->warning(
            QStringLiteral("Application already initialized: the open window keeps its engines"));
        return;
    }
    deleteAndClear(m_settings);
    m_settings = new Settings;
    QDir().mkpath(logPath());
    QDir().mkpath(backupPath());
    Logger::instance()->initialize(logPath());
    Logger::instance()->info(QStringLiteral("Application initializing..."));
    deleteAndClear(m_junkCleaner);
    m_junkCleaner = new JunkCleaner;
    m_junkCleaner->loadRules(QStringLiteral(":/rules/junk_rules.json"));
    deleteAndClear(m_browserCleaner);
    m_browserCleaner = new BrowserCleaner;
    m_browserCleaner->loadRules(QStringLiteral(":/rules/browser_rules.json"));
    deleteAndClear(m_registryCleaner);
    m_registryCleaner = new RegistryCleaner;
    // Pages hold these: a second initialisation keeps them.
    if (!m_largeFileScanner)
        m_largeFileScanner = new LargeFileScanner;
    if (!m_duplicateFinder)
        m_duplicateFinder = new DuplicateFinder;
    if (!m_duplicateRemover)
        m_duplicateRemover = new DuplicateRemover;
    deleteAndClear(m_startupManager);
    m_startupManager = new StartupManager;
    deleteAndClear(m_privacyCleaner);
    m_privacyCleaner = new PrivacyCleaner;
    deleteAndClear(m_tweakManager);
    m_tweakManager = new TweakManager;
    m_tweakManager->load(TweakManager::catalogueFile(m_language));
    deleteAndClear(m_appUninstaller);
    m_appUninstaller = new AppUninstaller;
    // What any of them removes leaves every other's result.
    Removals::share(m_junkCleaner, m_browserCleaner, m_registryCleaner, m_largeFileScanner, m_duplicateRemover,
        m_privacyCleaner, m_appUninstaller, m_startupManager);
    // The junk rules and the browser rules both list the browsers' caches: one tick for both.
    CleanEngine::shareTicks(m_junkCleaner, m_browserCleaner);

    Logger::instance()->info(QStringLiteral("Application initialized successfully"));
}

bool Application::hasWindow()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::any_of(windows.cbegin(), windows.cend(),
        [](const QWidget *window) { return qobject_cast<const MainWindow *>(window) != nullptr; });
}

void Application::showMainWindow()
{
    if (!m_mainWindow)
        m_mainWindow = new MainWindow;
    // Also brings the window forward from the tray or the Dock when a second start asks for it.
    if (m_mainWindow->isMinimized())
        m_mainWindow->showNormal();
    else
        m_mainWindow->show();
    m_mainWindow->raise();
    m_mainWindow->activateWindow();
}

QString Application::logPath() const
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/logs");
}

QString Application::backupPath() const
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/backups");
}

QString Application::rulesPath() const
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/rules");
}

RegistryCleaner *Application::registryCleaner() const
{
    return m_registryCleaner;
}

LargeFileScanner *Application::largeFileScanner() const
{
    return m_largeFileScanner;
}

StartupManager *Application::startupManager() const
{
    return m_startupManager;
}

PrivacyCleaner *Application::privacyCleaner() const
{
    return m_privacyCleaner;
}

DuplicateFinder *Application::duplicateFinder() const
{
    return m_duplicateFinder;
}

DuplicateRemover *Application::duplicateRemover() const
{
    return m_duplicateRemover;
}

TweakManager *Application::tweakManager() const
{
    return m_tweakManager;
}

void Application::setLanguage(const QString &language)
{
    m_language = language;
}

QString Application::language() const
{
    return m_language;
}

AppUninstaller *Application::appUninstaller() const
{
    return m_appUninstaller;
}

bool Application::installTranslations()
{
    for (QTranslator *translator : std::as_const(m_translators)) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    m_translators.clear();
    QLocale::setDefault(Languages::locale(m_language, QLocale::system()));
    // Qt asks the most recently installed catalogue first: English goes in first, behind the rest.
    const auto install = [this](const QString &language) {
        auto *translator = new QTranslator(this);
        const QString path = translationPath(language);
        if (!translator->load(path) || !QCoreApplication::installTranslator(translator)) {
            Logger::instance()->warning(QStringLiteral("Translation catalogue not loaded: %1").arg(path));
            delete translator;
            return false;
        }
        m_translators.append(translator);
        return true;
    };
    const bool english = install(QStringLiteral("en"));
    if (m_language == QLatin1String("en"))
        return english;
    return install(m_language);
}

Settings *Application::settings() const
{
    return m_settings;
}

MainWindow *Application::mainWindow() const
{
    return m_mainWindow;
}

JunkCleaner *Application::junkCleaner() const
{
    return m_junkCleaner;
}

BrowserCleaner *Application::browserCleaner() const
{
    return m_browserCleaner;
}

QString Application::translationPath(const QString &language)
{
    return QStringLiteral(":/translations/Sweepnook_%1.qm").arg(language);
}
