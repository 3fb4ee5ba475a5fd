#include "languages.h"

namespace Languages {

const QList<Language> &offered()
{
    static const QList<Language> languages = {
        { QStringLiteral("en"), QStringLiteral("🇺🇸  English"), QStringLiteral("en"), QStringLiteral("en") },
        { QStringLiteral("fr"), QStringLiteral("🇫🇷  Français"), QStringLiteral("fr"), QStringLiteral("fr") },
        { QStringLiteral("de"), QStringLiteral("🇩🇪  Deutsch"), QStringLiteral("de"), QStringLiteral("de") },
        { QStringLiteral("es"), QStringLiteral("🇪🇸  Español"), QStringLiteral("es"), QStringLiteral("es") },
        { QStringLiteral("ko"), QStringLiteral("🇰🇷  한국어"), QStringLiteral("ko"), QStringLiteral("ko") },
        { QStringLiteral("ja"), QStringLiteral("🇯🇵  日本語"), QStringLiteral("ja"), QStringLiteral("ja") },
        { QStringLiteral("nl"), QStringLiteral("🇳🇱  Nederlands"), QStringLiteral("nl"), QStringLiteral("nl") },
        { QStringLiteral("pt"), QStringLiteral("🇵🇹  Português"), QStringLiteral("pt"), QStringLiteral("pt") },
        { QStringLiteral("it"), QStringLiteral("🇮🇹  Italiano"), QStringLiteral("it"), QStringLiteral("it") },
        { QStringLiteral("zh_TW"), QStringLiteral("🇹🇼  繁體中文"), QStringLiteral("zh"), QStringLiteral("zh_TW") },
    };
    return languages;
}

const Language *find(const QString &code)
{
    for (const Language &language : offered()) {
        if (language.code == code)
            return &language;
    }
    return nullptr;
}

QString forLocale(const QString &localeName)
{
    const QString prefix = localeName.left(2).toLower();
    for (const Language &language : offered()) {
        if (language.localePrefix == prefix)
            return language.code;
    }
    return QStringLiteral("en");
}

QString choose(const QString &storedLanguage, const QString &systemLocaleName)
{
    return storedLanguage.isEmpty() ? forLocale(systemLocaleName) : storedLanguage;
}

} // namespace Languages
