#include "settingsdialog.h"

#include "aboutdialog.h"
#include "core/settings.h"
#include "widgets/cardpainter.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QCheckBox *createCheckBox(const QString &text, QWidget *parent)
{
    auto *box = new QCheckBox(text, parent);
    return box;
}

QGroupBox *createGroup(const QString &title, const QList<QCheckBox *> &boxes, QWidget *parent)
{
    auto *group = new QGroupBox(title, parent);
    auto *layout = new QVBoxLayout(group);
    layout->setSpacing(12);
    for (QCheckBox *box : boxes) {
        box->setParent(group);
        layout->addWidget(box);
    }
    return group;
}

QPushButton *createButton(const QString &text, const QString &objectName, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setMinimumWidth(80);
    button->setFixedHeight(36);
    button->setCursor(Qt::PointingHandCursor);
    button->setObjectName(objectName);
    return button;
}

} // namespace

SettingsDialog::SettingsDialog(Settings *settings, StartupManager *startup, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , m_settings(settings)
    , m_startup(startup)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedSize(450, 400);
    setModal(true);
    setupUi();
    loadSettings();
    if (m_startup)
        connect(m_startup, &StartupManager::changeFinished, this, &SettingsDialog::onStartupChangeFinished);
}

void SettingsDialog::setupUi()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->setSpacing(20);

    auto *title = new QLabel(tr("Settings"), this);
    title->setObjectName(QStringLiteral("settingsTitle"));
    layout->addWidget(title);

    m_autoStartBox = createCheckBox(tr("Start at login"), this);
    m_trayBox = createCheckBox(tr("Minimize to tray on close"), this);
    layout->addWidget(createGroup(tr("General"), { m_autoStartBox, m_trayBox }, this));

    m_confirmBox = createCheckBox(tr("Confirm before cleaning"), this);
    m_confirmBox->setChecked(true);
    // The stored registry-backup flag has no box: there is no registry to back up on a Mac.
    layout->addWidget(createGroup(tr("Cleaning"), { m_confirmBox }, this));
    layout->addStretch();

    m_aboutButton = createButton(tr("About"), QStringLiteral("settingsAboutBtn"), this);
    m_cancelButton = createButton(tr("Cancel"), QStringLiteral("settingsCancelBtn"), this);
    m_saveButton = createButton(tr("Save"), QStringLiteral("settingsSaveBtn"), this);
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
    // Starting at login is the program's own LaunchAgent: the box shows whether it exists.
    m_autoStartBox->setChecked(m_startup ? m_startup->startsAtLogin() : m_settings->flag(Settings::AutoStart));
    m_trayBox->setChecked(m_settings->flag(Settings::MinimizeToTray));
    m_confirmBox->setChecked(m_settings->flag(Settings::ConfirmClean));
}

void SettingsDialog::saveSettings()
{
    m_settings->setValue(Settings::AutoStart, m_autoStartBox->isChecked());
    m_settings->setValue(Settings::MinimizeToTray, m_trayBox->isChecked());
    m_settings->setValue(Settings::ConfirmClean, m_confirmBox->isChecked());
}

bool SettingsDialog::applyStartAtLogin()
{
    const bool wanted = m_autoStartBox->isChecked();
    if (!m_startup || m_startup->startsAtLogin() == wanted)
        return false;
    m_waitingForStartup = true;
    setButtonsEnabled(false);
    m_startup->startSetStartAtLogin(wanted);
    return true;
}

void SettingsDialog::onStartupChangeFinished(StartupManager::ChangeKind kind, const QString &, bool ok)
{
    using Kind = StartupManager::ChangeKind;
    if (!m_waitingForStartup || (kind != Kind::StartAtLogin && kind != Kind::StopAtLogin))
        return;
    m_waitingForStartup = false;
    setButtonsEnabled(true);
    // The box shows what is there now, whatever was asked.
    m_autoStartBox->setChecked(m_startup->startsAtLogin());
    if (!ok) {
        QMessageBox box(QMessageBox::Warning, tr("Start at Login"),
            kind == Kind::StartAtLogin
                ? tr("Sweepnook could not be set to start at login. The log has the details.")
                : tr("Sweepnook could not be kept from starting at login. The log has the details."),
            QMessageBox::Ok, this);
        box.exec();
    }
    accept();
}

void SettingsDialog::setButtonsEnabled(bool enabled)
{
    m_saveButton->setEnabled(enabled);
    m_cancelButton->setEnabled(enabled);
    m_autoStartBox->setEnabled(enabled);
}

void SettingsDialog::reject()
{
    if (!m_waitingForStartup)
        QDialog::reject();
}

void SettingsDialog::onSaveClicked()
{
    saveSettings();
    if (!applyStartAtLogin())
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
