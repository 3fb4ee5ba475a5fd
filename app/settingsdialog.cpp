#include "settingsdialog.h"

#include "aboutdialog.h"
#include "application.h"
#include "cleaners/startupmanager.h"
#include "core/logger.h"
#include "widgets/cardpainter.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

namespace {

const QString autoStartKey = QStringLiteral("general/autoStart");
const QString minimizeToTrayKey = QStringLiteral("general/minimizeToTray");
const QString confirmCleanKey = QStringLiteral("clean/confirmClean");
const QString backupRegistryKey = QStringLiteral("clean/backupRegistry");

QCheckBox *createCheckBox(const QString &text, QWidget *parent)
{
    auto *box = new QCheckBox(text, parent);
    box->setStyleSheet(QStringLiteral("color: #111827; font-size: 13px;"));
    return box;
}

QGroupBox *createGroup(const QString &title, QCheckBox *first, QCheckBox *second, QWidget *parent)
{
    auto *group = new QGroupBox(title, parent);
    group->setStyleSheet(QStringLiteral("QGroupBox { font-size: 14px; font-weight: 500; color: #111827;"
                                        " border: 1px solid #E5E7EB; border-radius: 8px; margin-top: 8px;"
                                        " padding-top: 16px; }"
                                        "QGroupBox::title { subcontrol-origin: margin; left: 12px; padding: 0 4px; }"));
    auto *layout = new QVBoxLayout(group);
    layout->setSpacing(12);
    first->setParent(group);
    second->setParent(group);
    layout->addWidget(first);
    layout->addWidget(second);
    return group;
}

QPushButton *createButton(const QString &text, const QString &styleSheet, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setFixedSize(80, 36);
    button->setCursor(Qt::PointingHandCursor);
    button->setStyleSheet(styleSheet);
    return button;
}

} // namespace

SettingsDialog::SettingsDialog(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedSize(450, 400);
    setModal(true);
    setupUi();
    loadSettings();
}

void SettingsDialog::setupUi()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->setSpacing(20);

    auto *title = new QLabel(tr("Settings"), this);
    title->setStyleSheet(QStringLiteral("color: #111827; font-size: 20px; font-weight: 600;"));
    layout->addWidget(title);

    m_autoStartBox = createCheckBox(tr("Start with Windows"), this);
    m_trayBox = createCheckBox(tr("Minimize to tray on close"), this);
    layout->addWidget(createGroup(tr("General"), m_autoStartBox, m_trayBox, this));

    m_confirmBox = createCheckBox(tr("Confirm before cleaning"), this);
    m_backupBox = createCheckBox(tr("Auto backup before registry cleaning"), this);
    m_confirmBox->setChecked(true);
    m_backupBox->setChecked(true);
    layout->addWidget(createGroup(tr("Cleaning"), m_confirmBox, m_backupBox, this));
    layout->addStretch();

    m_aboutButton = createButton(tr("About"),
        QStringLiteral("QPushButton { background-color: transparent; color: #111827;"
                       " border: 1px solid #E5E7EB; border-radius: 8px; font-size: 13px; }"
                       "QPushButton:hover { background-color: #F3F4F6; }"),
        this);
    m_cancelButton = createButton(tr("Cancel"),
        QStringLiteral("QPushButton { background-color: #F3F4F6; color: #111827;"
                       " border: none; border-radius: 8px; font-size: 13px; }"
                       "QPushButton:hover { background-color: #E5E7EB; }"),
        this);
    m_saveButton = createButton(tr("Save"),
        QStringLiteral("QPushButton { background-color: #10B981; color: white; border: none;"
                       " border-radius: 8px; font-size: 13px; }"
                       "QPushButton:hover { background-color: #059669; }"),
        this);
    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(12);
    buttons->addWidget(m_aboutButton);
    buttons->addStretch();
    buttons->addWidget(m_cancelButton);
    buttons->addWidget(m_saveButton);
    layout->addLayout(buttons);

    connect(m_saveButton, &QPushButton::clicked, this, &SettingsDialog::onSaveClicked);
    connect(m_cancelButton, &QPushButton::clicked, this, &SettingsDialog::onCancelClicked);
    connect(m_aboutButton, &QPushButton::clicked, this, &SettingsDialog::onAboutClicked);
}

void SettingsDialog::loadSettings()
{
    const QSettings *settings = Application::instance()->settings();
    if (!settings)
        return;
    // Starting at login is the program's own LaunchAgent: the box shows whether it exists.
    const StartupManager *startup = Application::instance()->startupManager();
    m_autoStartBox->setChecked(startup && startup->startsAtLogin());
    m_trayBox->setChecked(settings->value(minimizeToTrayKey, false).toBool());
    m_confirmBox->setChecked(settings->value(confirmCleanKey, true).toBool());
    m_backupBox->setChecked(settings->value(backupRegistryKey, true).toBool());
}

void SettingsDialog::saveSettings()
{
    QSettings *settings = Application::instance()->settings();
    if (!settings) {
        Logger::instance()->error(QStringLiteral("Settings not saved: the settings store is not open"));
        return;
    }
    settings->setValue(autoStartKey, m_autoStartBox->isChecked());
    settings->setValue(minimizeToTrayKey, m_trayBox->isChecked());
    settings->setValue(confirmCleanKey, m_confirmBox->isChecked());
    settings->setValue(backupRegistryKey, m_backupBox->isChecked());
    settings->sync();
    applyStartAtLogin();
}

void SettingsDialog::applyStartAtLogin()
{
    StartupManager *startup = Application::instance()->startupManager();
    const bool wanted = m_autoStartBox->isChecked();
    if (!startup || startup->startsAtLogin() == wanted || startup->setStartAtLogin(wanted))
        return;
    QMessageBox box(QMessageBox::Warning, tr("Start at Login"),
        wanted ? tr("Sweepnook could not be set to start at login. The log has the details.")
               : tr("Sweepnook could not be kept from starting at login. The log has the details."),
        QMessageBox::Ok, this);
    box.exec();
}

void SettingsDialog::onSaveClicked()
{
    saveSettings();
    accept();
}

void SettingsDialog::onCancelClicked()
{
    reject();
}

void SettingsDialog::onAboutClicked()
{
    AboutDialog about(this);
    about.exec();
}

void SettingsDialog::paintEvent(QPaintEvent *)
{
    CardPainter::paint(this, 16);
}
