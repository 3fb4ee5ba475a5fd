#pragma once

#include <QObject>
#include <QString>

class BrowserCleaner;
class JunkCleaner;
class MainWindow;
class PrivacyCleaner;
class RegistryCleaner;
class StartupManager;
class TweakManager;
class QSettings;

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

    void initialize();
    void showMainWindow();

    QString logPath() const;
    QString backupPath() const;
    QString rulesPath() const;

    JunkCleaner *junkCleaner() const;
    BrowserCleaner *browserCleaner() const;
    RegistryCleaner *registryCleaner() const;
    StartupManager *startupManager() const;
    PrivacyCleaner *privacyCleaner() const;
    TweakManager *tweakManager() const;
    MainWindow *mainWindow() const;
    QSettings *settings() const;

    // The interface language: the stored choice unchanged when there is one, otherwise the
    // language of the system locale (a name such as "de_AT"), "en" when it is not offered.
    static QString chooseLanguage(const QString &storedLanguage, const QString &systemLocaleName);
    static QString translationPath(const QString &language);

private:
    Application() = default;

    static Application *s_instance;
    JunkCleaner *m_junkCleaner = nullptr;
    BrowserCleaner *m_browserCleaner = nullptr;
    RegistryCleaner *m_registryCleaner = nullptr;
    StartupManager *m_startupManager = nullptr;
    PrivacyCleaner *m_privacyCleaner = nullptr;
    TweakManager *m_tweakManager = nullptr;
    MainWindow *m_mainWindow = nullptr;
    QSettings *m_settings = nullptr;
    QString m_language = QStringLiteral("en");
};
