#pragma once

#include <QList>
#include <QObject>
#include <QString>

class AppUninstaller;
class BrowserCleaner;
class DuplicateFinder;
class DuplicateRemover;
class JunkCleaner;
class LargeFileScanner;
class MainWindow;
class PrivacyCleaner;
class RegistryCleaner;
class Settings;
class StartupManager;
class QTranslator;
class TweakManager;

// The process-wide owner of the engines, the main window and the settings store.
class Application final : public QObject
{
    Q_OBJECT

public:
    static Application *instance();
    ~Application() override;

    // The interface language in use; the tweak catalogue is read in it. Set before initialize().
    void setLanguage(const QString &language);
    QString language() const;
    // Installs the catalogue of the language in use with the English catalogue behind it, so a
    // text the language's own catalogue lacks shows in English, never in the Chinese source, and
    // makes the language's locale (Languages::locale) the default one, so sizes, numbers and
    // dates read as the language writes them. Replaces what an earlier call installed. False when
    // the language has no catalogue of its own (its texts then show in English).
    bool installTranslations();

    // Makes the settings store and the engines. Called again, it makes them anew (in another
    // home, say) only while no main window is open: a window's pages hold the ones they were
    // built on, so those stay and the call changes nothing.
    void initialize();
    void showMainWindow();

    QString logPath() const;
    QString backupPath() const;
    QString rulesPath() const;

    JunkCleaner *junkCleaner() const;
    BrowserCleaner *browserCleaner() const;
    RegistryCleaner *registryCleaner() const;
    LargeFileScanner *largeFileScanner() const;
    StartupManager *startupManager() const;
    PrivacyCleaner *privacyCleaner() const;
    TweakManager *tweakManager() const;
    AppUninstaller *appUninstaller() const;
    DuplicateFinder *duplicateFinder() const;
    DuplicateRemover *duplicateRemover() const;
    MainWindow *mainWindow() const;
    Settings *settings() const;

    static QString translationPath(const QString &language);

private:
    Application() = default;
    // A main window (its pages hold the engines) exists.
    static bool hasWindow();

    static Application *s_instance;
    JunkCleaner *m_junkCleaner = nullptr;
    BrowserCleaner *m_browserCleaner = nullptr;
    RegistryCleaner *m_registryCleaner = nullptr;
    LargeFileScanner *m_largeFileScanner = nullptr;
    StartupManager *m_startupManager = nullptr;
    PrivacyCleaner *m_privacyCleaner = nullptr;
    TweakManager *m_tweakManager = nullptr;
    AppUninstaller *m_appUninstaller = nullptr;
    DuplicateFinder *m_duplicateFinder = nullptr;
    DuplicateRemover *m_duplicateRemover = nullptr;
    MainWindow *m_mainWindow = nullptr;
    Settings *m_settings = nullptr;
    QString m_language = QStringLiteral("en");
    QList<QTranslator *> m_translators;
};
