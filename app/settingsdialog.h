#pragma once

#include <QDialog>

class QCheckBox;
class Settings;
class QPushButton;

// The four stored preferences of the program, kept in the settings given at construction; Save
// writes them, Cancel leaves them as they were.
class SettingsDialog final : public QDialog
{
    Q_OBJECT

public:
    explicit SettingsDialog(Settings *settings, QWidget *parent = nullptr);

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

    Settings *m_settings;
    QCheckBox *m_autoStartBox = nullptr;
    QCheckBox *m_trayBox = nullptr;
    QCheckBox *m_confirmBox = nullptr;
    QPushButton *m_saveButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
    QPushButton *m_aboutButton = nullptr;
};
