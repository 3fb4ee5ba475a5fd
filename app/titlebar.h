#pragma once

#include <QString>
#include <QWidget>

class QActionGroup;
class QLabel;
class QMenu;
class QPushButton;

// The strip above the page area: the menu button with the application menu (Settings, About,
// Language, Help, Support) and the language switch, which restarts the program.
class TitleBar final : public QWidget
{
    Q_OBJECT

public:
    explicit TitleBar(QWidget *parent = nullptr);

    void setTitle(const QString &title);
    void setIcon(const QString &path);
    void setMaximized(bool maximized);
    QMenu *menu() const;
    // The executable restarted after a language change; the running program's by default.
    void setExecutablePath(const QString &path);
    // The language the interface is shown in (start-up's choice): the menu checks it, and choosing
    // it again does nothing. Until this is called it is the stored choice or the system locale's.
    void setLanguageInUse(const QString &code);

    bool eventFilter(QObject *watched, QEvent *event) override;

signals:
    void minimizeClicked();
    void maximizeClicked();
    void closeClicked();
    void settingsClicked();
    void aboutClicked();
    void helpClicked();
    void supportClicked();
    void languageChanged(const QString &langCode);

public slots:
    void showMenu();

private:
    void setupUi();
    void createMenu();
    void createLanguageSubMenu(QMenu *menu);
    void chooseLanguage(const QString &code);
    void paintMenuGlyph();

    QLabel *m_iconLabel = nullptr;
    QLabel *m_titleLabel = nullptr;
    QPushButton *m_menuButton = nullptr;
    QMenu *m_menu = nullptr;
    QActionGroup *m_languageGroup = nullptr;
    QString m_currentLanguage;
    QString m_executablePath;
    bool m_maximized = false;
};
