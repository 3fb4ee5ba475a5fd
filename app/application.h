#pragma once

#include <QObject>
#include <QString>

class BrowserCleaner;
class JunkCleaner;
class MainWindow;
class PrivacyCleaner;
class RegistryCleaner;
class Settings;
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

    void initialize();
    void showMainWindow();

    QString logPath() const;
    QString backupPath() const;
    QString rulesPath() const;

    JunkCleaner *junkCleaner() const;
    BrowserCleaner *browserCleaner() const;
    RegistryCleaner *registryCleaner() const;
    PrivacyCleaner *privacyCleaner() const;
    TweakManager *tweakManager() const;
    MainWindow *mainWindow() const;
    Settings *settings() const;

    static QString translationPath(const QString &language);

private:
    Application() = default;

    static Application *s_instance;
    JunkCleaner *m_junkCleaner = nullptr;
    BrowserCleaner *m_browserCleaner = nullptr;
    RegistryCleaner *m_registryCleaner = nullptr;
    PrivacyCleaner *m_privacyCleaner = nullptr;
    TweakManager *m_tweakManager = nullptr;
    MainWindow *m_mainWindow = nullptr;
    Settings *m_settings = nullptr;
    QString m_language = QStringLiteral("en");
};
