#pragma once

#include <QDialog>

class QCheckBox;
class QPushButton;

// The four stored preferences of the program; Save writes them, Cancel leaves them as they were.
// The start-at-login box is the program's own LaunchAgent, kept by the startup manager.
class SettingsDialog final : public QDialog
{
    Q_OBJECT

public:
    explicit SettingsDialog(QWidget *parent = nullptr);

    // Sets every box from the application's settings store.
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

    QCheckBox *m_autoStartBox = nullptr;
    QCheckBox *m_trayBox = nullptr;
    QCheckBox *m_confirmBox = nullptr;
    QCheckBox *m_backupBox = nullptr;
    QPushButton *m_saveButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
    QPushButton *m_aboutButton = nullptr;
};
