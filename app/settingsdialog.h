#pragma once

#include <QDialog>

class QCheckBox;
class Settings;
class StartupManager;
class QPushButton;

// The four stored preferences of the program, kept in the settings given at construction; Save
// writes them, Cancel leaves them as they were. With a startup manager, the start-at-login box is
// the program's own LaunchAgent, kept by that manager.
class SettingsDialog final : public QDialog
{
    Q_OBJECT

public:
    explicit SettingsDialog(Settings *settings, StartupManager *startup = nullptr, QWidget *parent = nullptr);

    // Sets every box from the settings.
    void loadSettings();

protected:
    void paintEvent(QPaintEvent *event) override;

private slots:
    void onSaveClicked();
    void onCancelClicked();
    void onAboutClicked();

private:
    void setupUi();
    void saveSettings();
    // Writes or removes the program's own LaunchAgent to match the start-at-login box.
    void applyStartAtLogin();

    Settings *m_settings;
    StartupManager *m_startup;
    QCheckBox *m_autoStartBox = nullptr;
    QCheckBox *m_trayBox = nullptr;
    QCheckBox *m_confirmBox = nullptr;
    QPushButton *m_saveButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
    QPushButton *m_aboutButton = nullptr;
};
