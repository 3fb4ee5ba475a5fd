#pragma once

#include <QJsonObject>
#include <QObject>
#include <QString>
#include <QStringList>

class QWidget;

// The maker's web pages (help, contact, ...) in the interface language, looked up in the link
// table compiled into the resources and opened in the default browser.
class LinkManager final : public QObject
{
    Q_OBJECT

public:
    static LinkManager *instance();
    // Reads the table at tablePath; the program shares the one instance() returns.
    explicit LinkManager(const QString &tablePath = QStringLiteral(":/rules/links.json"), QObject *parent = nullptr);

    QString getLink(const QString &category, const QString &key) const;
    QString getLink(const QString &category, const QString &key, const QString &language) const;
    QString getLinkWithFallback(const QString &category, const QString &key) const;
    // Opens the link in the default browser; parent (may be null) receives the message boxes.
    bool openLink(const QString &category, const QString &key, QWidget *parent);
    void setLanguage(const QString &language);

    QString currentLanguage() const;
    QStringList supportedLanguages() const;
    // The table language for a locale name such as "de_DE".
    static QString mapQtLanguageCode(const QString &code);

signals:
    void languageChanged(const QString &newLanguage);

private:
    bool loadLinks(const QString &tablePath);
    QString detectSystemLanguage() const;

    QString m_currentLanguage;
    QString m_fallbackLanguage = QStringLiteral("en");
    QStringList m_supportedLanguages;
    QJsonObject m_links;
};
