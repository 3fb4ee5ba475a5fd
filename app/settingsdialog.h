#pragma once

#include "cleaners/startupmanager.h"

#include <QDialog>

class QCheckBox;
class Settings;
class QPushButton;

// The four stored preferences of the program, kept in the settings given at construction; Save
// writes them, Cancel leaves them as they were. With a startup manager, the start-at-login box is
// the program's own LaunchAgent, kept by that manager: Save starts the change off the interface
// thread and the dialog stays open, its buttons off, until the manager says it is done; a failure
// is shown, then the dialog closes.
class SettingsDialog final : public QDialog
{
    Q_OBJECT

public:
    explicit SettingsDialog(Settings *settings, StartupManager *startup = nullptr, QWidget *parent = nullptr);

    // Sets every box from the settings.
    void loadSettings();

    // Escape too; refused while a start-at-login change runs (its end closes the dialog).
    void reject() override;

protected:
    void paintEvent(QPaintEvent *event) override;

private slots:
    void onSaveClicked();
    void onCancelClicked();
    void onAboutClicked();
    void onStartupChangeFinished(StartupManager::ChangeKind kind, const QString &name, bool ok);

private:
    void setupUi();
    void saveSettings();
    // Starts writing or removing the program's own LaunchAgent to match the start-at-login box;
    // false when nothing is to change.
    bool applyStartAtLogin();
    void setButtonsEnabled(bool enabled);

    Settings *m_settings;
    StartupManager *m_startup;
    // Save started a start-at-login change whose end closes the dialog.
    bool m_waitingForStartup = false;
    QCheckBox *m_autoStartBox = nullptr;
    QCheckBox *m_trayBox = nullptr;
    QCheckBox *m_confirmBox = nullptr;
    QPushButton *m_saveButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
    QPushButton *m_aboutButton = nullptr;
};
