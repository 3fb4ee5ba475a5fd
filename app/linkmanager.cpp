#include "linkmanager.h"

#include "core/languages.h"
#include "core/settings.h"

#include <QDebug>
#include <QDesktopServices>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLocale>
#include <QMessageBox>
#include <QUrl>

LinkManager *LinkManager::instance()
{
    static LinkManager *manager = new LinkManager;
    return manager;
}

LinkManager::LinkManager(const QString &tablePath, QObject *parent)
    : QObject(parent)
{
    if (!loadLinks(tablePath))
        qCritical() << "[LinkManager] 加载链接配置失败！";
    m_currentLanguage = detectSystemLanguage();
    qDebug() << "[LinkManager] 初始化完成";
    qDebug() << "[LinkManager] 当前语言:" << m_currentLanguage;
    qDebug() << "[LinkManager] 支持的语言:" << m_supportedLanguages;
}

bool LinkManager::loadLinks(const QString &tablePath)
{
    QFile file(tablePath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        qCritical() << "[LinkManager] 无法打开 links.json:" << file.errorString();
        return false;
    }
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll());
    if (document.isNull() || !document.isObject()) {
        qCritical() << "[LinkManager] JSON 格式错误";
        return false;
    }
    const QJsonObject root = document.object();
    if (root.contains(QStringLiteral("metadata"))) {
        const QJsonObject metadata = root.value(QStringLiteral("metadata")).toObject();
        const QJsonArray languages = metadata.value(QStringLiteral("supported_languages")).toArray();
        for (const QJsonValue &language : languages)
            m_supportedLanguages.append(language.toString());
        if (metadata.contains(QStringLiteral("fallback_language")))
            m_fallbackLanguage = metadata.value(QStringLiteral("fallback_language")).toString();
        qDebug() << "[LinkManager] 元数据加载成功";
        qDebug() << "[LinkManager] 版本:" << metadata.value(QStringLiteral("version")).toString();
        qDebug() << "[LinkManager] 更新日期:" << metadata.value(QStringLiteral("last_updated")).toString();
    }
    m_links = root;
    return true;
}

QString LinkManager::detectSystemLanguage() const
{
    const QString stored = Settings().text(Settings::Language);
    if (!stored.isEmpty() && m_supportedLanguages.contains(stored)) {
        qDebug() << "[LinkManager] 使用用户设置的语言:" << stored;
        return stored;
    }
    const QString localeName = QLocale::system().name();
    const QString mapped = mapQtLanguageCode(localeName);
    qDebug() << "[LinkManager] 系统语言:" << localeName << "-> 映射为:" << mapped;
    if (m_supportedLanguages.contains(mapped))
        return mapped;
    qDebug() << "[LinkManager] 不支持的语言，使用回退语言:" << m_fallbackLanguage;
    return m_fallbackLanguage;
}

QString LinkManager::mapQtLanguageCode(const QString &code)
{
    return Languages::find(Languages::forLocale(code))->linkKey;
}

QString LinkManager::getLink(const QString &category, const QString &key) const
{
    return getLink(category, key, m_currentLanguage);
}

QString LinkManager::getLink(const QString &category, const QString &key, const QString &language) const
{
    if (!m_links.contains(category)) {
        qWarning() << "[LinkManager] 类别不存在:" << category;
        return QString();
    }
    const QJsonObject keys = m_links.value(category).toObject();
    if (!keys.contains(key)) {
        qWarning() << "[LinkManager] 键不存在:" << key << "in category:" << category;
        return QString();
    }
    const QJsonObject urls = keys.value(key).toObject();
    if (urls.contains(language)) {
        const QString url = urls.value(language).toString();
        qDebug() << "[LinkManager] 获取链接:" << category << "/" << key << "/" << language << "->" << url;
        return url;
    }
    if (urls.contains(m_fallbackLanguage)) {
        qWarning() << "[LinkManager] 语言" << language << "不存在，使用回退语言:" << m_fallbackLanguage;
        return urls.value(m_fallbackLanguage).toString();
    }
    qCritical() << "[LinkManager] 无法找到链接:" << category << "/" << key;
    return QString();
}

QString LinkManager::getLinkWithFallback(const QString &category, const QString &key) const
{
    QString url = getLink(category, key, m_currentLanguage);
    if (!url.isEmpty()) {
        qDebug() << "[LinkManager] ✓ 获取链接成功 [" << m_currentLanguage << "]:" << url;
        return url;
    }
    qWarning() << "[LinkManager] ⚠ 无法获取" << category << "/" << key << "的" << m_currentLanguage << "版本，降级到"
               << m_fallbackLanguage;
    url = getLink(category, key, m_fallbackLanguage);
    if (!url.isEmpty()) {
        qDebug() << "[LinkManager] ✓ 使用回退语言 [" << m_fallbackLanguage << "]:" << url;
        return url;
    }
    qCritical() << "[LinkManager] ✗ 无法获取链接:" << category << "/" << key;
    qCritical() << "[LinkManager] ✗ 请检查 links.json 配置文件！";
    return QString();
}

bool LinkManager::openLink(const QString &category, const QString &key, QWidget *parent)
{
    const QString url = getLinkWithFallback(category, key);
    if (url.isEmpty()) {
        qCritical() << "[LinkManager] ✗ 无法打开链接:" << category << "/" << key;
        if (parent)
            QMessageBox::critical(parent, tr("配置错误"), tr("无法加载页面链接。\n\n请联系技术支持或重新安装软件。"));
        return false;
    }
    if (QDesktopServices::openUrl(QUrl(url))) {
        qDebug() << "[LinkManager] ✓ 成功打开链接:" << url;
        return true;
    }
    qWarning() << "[LinkManager] ⚠ 无法打开浏览器:" << url;
    if (parent)
        QMessageBox::warning(
            parent, tr("无法打开浏览器"), tr("无法打开默认浏览器。\n\n请手动复制链接访问：\n%1").arg(url));
    return false;
}

void LinkManager::setLanguage(const QString &language)
{
    if (!m_supportedLanguages.contains(language)) {
        qWarning() << "[LinkManager] 不支持的语言:" << language;
        return;
    }
    if (language == m_currentLanguage)
        return;
    m_currentLanguage = language;
    Settings().setValue(Settings::Language, language);
    qDebug() << "[LinkManager] 语言已切换为:" << language;
    emit languageChanged(language);
}

QString LinkManager::currentLanguage() const
{
    return m_currentLanguage;
}

QStringList LinkManager::supportedLanguages() const
{
    return m_supportedLanguages;
}
