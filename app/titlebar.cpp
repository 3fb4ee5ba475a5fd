#include "titlebar.h"

#include "widgets/palette.h"
#include "core/languages.h"
#include "core/settings.h"
#include "linkmanager.h"
#include "relauncher.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QThread>
#include <QLocale>

namespace {

QMenu *createStyledMenu(QWidget *parent)
{
    auto *menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("titleMenu"));
    // Lets the rounded corners of the style sheet show instead of a square window.
    menu->setAttribute(Qt::WA_TranslucentBackground);
    menu->setWindowFlags(menu->windowFlags() | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint);
    return menu;
}

} // namespace

TitleBar::TitleBar(QWidget *parent)
    : QWidget(parent)
    , m_executablePath(QCoreApplication::applicationFilePath())
{
    setObjectName(QStringLiteral("titleBar"));
    setFixedHeight(44);
    // Lets the style sheet paint the bar's background and bottom border.
    setAttribute(Qt::WA_StyledBackground);
    m_currentLanguage = Languages::choose(Settings().text(Settings::Language), QLocale::system().name());
    setupUi();
    createMenu();
}

void TitleBar::setupUi()
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(12, 0, 8, 0);
    layout->setSpacing(0);

    m_iconLabel = new QLabel(this);
    m_iconLabel->setObjectName(QStringLiteral("titleIcon"));
    m_iconLabel->hide();
    m_titleLabel = new QLabel(this);
    m_titleLabel->setObjectName(QStringLiteral("titleLabel"));
    m_titleLabel->hide();
    layout->addWidget(m_iconLabel);
    layout->addWidget(m_titleLabel);
    layout->addStretch();

    m_menuButton = new QPushButton(this);
    m_menuButton->setFixedSize(32, 32);
    m_menuButton->setCursor(Qt::PointingHandCursor);
    m_menuButton->setFlat(true);
    m_menuButton->setToolTip(tr("Menu"));
    m_menuButton->setObjectName(QStringLiteral("titleMenuBtn"));
    m_menuButton->installEventFilter(this);
    connect(m_menuButton, &QPushButton::clicked, this, &TitleBar::showMenu);
    layout->addWidget(m_menuButton);
}

void TitleBar::createMenu()
{
    m_menu = createStyledMenu(this);
    m_menu->addAction(QStringLiteral("⚙️  ") + tr("Settings"), this, &TitleBar::settingsClicked);
    m_menu->addAction(QStringLiteral("ℹ️  ") + tr("About"), this, &TitleBar::aboutClicked);
    m_menu->addSeparator();
    QMenu *languageMenu = createStyledMenu(m_menu);
    languageMenu->setTitle(QStringLiteral("🌐  ") + tr("Language"));
    createLanguageSubMenu(languageMenu);
    m_menu->addMenu(languageMenu);
    m_menu->addSeparator();
    m_menu->addAction(QStringLiteral("❓  ") + tr("Help"), this, &TitleBar::helpClicked);
    m_menu->addAction(QStringLiteral("💬  ") + tr("Support"), this, &TitleBar::supportClicked);
}

void TitleBar::setLanguageInUse(const QString &code)
{
    m_currentLanguage = code;
    for (QAction *action : m_languageGroup->actions())
        action->setChecked(action->data().toString() == code);
}

void TitleBar::createLanguageSubMenu(QMenu *menu)
{
    m_languageGroup = new QActionGroup(menu);
    m_languageGroup->setExclusive(true);
    for (const Language &language : Languages::offered()) {
        const QString code = language.code;
        QAction *action = menu->addAction(language.shownName);
        action->setCheckable(true);
        action->setData(code);
        action->setChecked(code == m_currentLanguage);
        m_languageGroup->addAction(action);
        connect(action, &QAction::triggered, this, [this, code] { chooseLanguage(code); });
    }
}

void TitleBar::chooseLanguage(const QString &code)
{
    if (code == m_currentLanguage)
        return;
    m_currentLanguage = code;
    Settings().setValue(Settings::Language, code);
    LinkManager::instance()->setLanguage(code);
    emit languageChanged(code);

    QMessageBox::information(
        window(), tr("Language Changed"), tr("Language has been changed.\n\nThe application will restart now."));
    if (Relauncher::startNewInstance(m_executablePath)) {
        // exit() rather than quit(): quit() first asks every window to close, and a window that
        // only hides into the tray on close would keep this copy running beside the new one.
        // Outside a running event loop exit() would end the next one at once, so it waits for one.
        if (QThread::currentThread()->loopLevel() > 0)
            QCoreApplication::exit(0);
        return;
    }
    QMessageBox::warning(window(), tr("Restart Failed"),
        tr("Sweepnook could not restart itself.\n\nPlease quit and reopen it to use the new "
           "language."));
}

void TitleBar::showMenu()
{
    const QPoint below = m_menuButton->mapToGlobal(QPoint(m_menuButton->width(), m_menuButton->height() + 2));
    m_menu->exec(below - QPoint(m_menu->sizeHint().width(), 0));
}

void TitleBar::setTitle(const QString &title)
{
    m_titleLabel->setText(title);
}

void TitleBar::setIcon(const QString &path)
{
    const QPixmap image(path);
    m_iconLabel->setPixmap(image.scaled(24, 24, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void TitleBar::setMaximized(bool maximized)
{
    m_maximized = maximized;
}

QMenu *TitleBar::menu() const
{
    return m_menu;
}

void TitleBar::setExecutablePath(const QString &path)
{
    m_executablePath = path;
}

bool TitleBar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_menuButton && event->type() == QEvent::Paint) {
        // The button paints its hover background first; the glyph goes on top.
        m_menuButton->removeEventFilter(this);
        QCoreApplication::sendEvent(m_menuButton, event);
        m_menuButton->installEventFilter(this);
        paintMenuGlyph();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TitleBar::paintMenuGlyph()
{
    QPainter painter(m_menuButton);
    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen(Palette::TextSecondary, 1.4);
    pen.setCapStyle(Qt::RoundCap);
    painter.setPen(pen);
    const QPointF centre = QRectF(m_menuButton->rect()).center();
    for (const int offset : { -4, 0, 4 })
        painter.drawLine(QPointF(centre.x() - 6, centre.y() + offset), QPointF(centre.x() + 6, centre.y() + offset));
}
