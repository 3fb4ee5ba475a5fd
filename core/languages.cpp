#include "languages.h"

namespace Languages {

namespace {

// Whether a no-break space goes before the percent sign, as the Unicode locale data writes a
// percentage: French, German and Spanish put one, except French and German in Switzerland (and
// German in Liechtenstein) and Spanish in the Americas; English puts one in a few European regions.
bool spacesPercent(QLocale::Language language, QLocale::Territory territory)
{
    switch (language) {
    case QLocale::French:
        return territory != QLocale::Switzerland;
    case QLocale::German:
        return territory != QLocale::Switzerland && territory != QLocale::Liechtenstein;
    case QLocale::Spanish: {
        static const QList<QLocale::Territory> americas { QLocale::Argentina, QLocale::Belize, QLocale::Bolivia,
            QLocale::Brazil, QLocale::Chile, QLocale::Colombia, QLocale::CostaRica, QLocale::Cuba,
            QLocale::DominicanRepublic, QLocale::Ecuador, QLocale::ElSalvador, QLocale::Guatemala, QLocale::Honduras,
            QLocale::LatinAmerica, QLocale::Mexico, QLocale::Nicaragua, QLocale::Panama, QLocale::Paraguay,
            QLocale::Peru, QLocale::PuertoRico, QLocale::UnitedStates, QLocale::Uruguay, QLocale::Venezuela };
        return !americas.contains(territory);
    }
    case QLocale::English: {
        static const QList<QLocale::Territory> spaced { QLocale::Austria, QLocale::Denmark, QLocale::Finland,
            QLocale::Germany, QLocale::Norway, QLocale::Sweden };
        return spaced.contains(territory);
    }
    default:
        return false;
    }
}

} // namespace

const QList<Language> &offered()
{
    static const QList<Language> languages = {
        { QStringLiteral("en"), QStringLiteral("🇺🇸  English"), QStringLiteral("en"), QStringLiteral("en"),
            QStringLiteral("en_US") },
        { QStringLiteral("fr"), QStringLiteral("🇫🇷  Français"), QStringLiteral("fr"), QStringLiteral("fr"),
            QStringLiteral("fr_FR") },
        { QStringLiteral("de"), QStringLiteral("🇩🇪  Deutsch"), QStringLiteral("de"), QStringLiteral("de"),
            QStringLiteral("de_DE") },
        { QStringLiteral("es"), QStringLiteral("🇪🇸  Español"), QStringLiteral("es"), QStringLiteral("es"),
            QStringLiteral("es_ES") },
        { QStringLiteral("ko"), QStringLiteral("🇰🇷  한국어"), QStringLiteral("ko"), QStringLiteral("ko"),
            QStringLiteral("ko_KR") },
        { QStringLiteral("ja"), QStringLiteral("🇯🇵  日本語"), QStringLiteral("ja"), QStringLiteral("ja"),
            QStringLiteral("ja_JP") },
        { QStringLiteral("nl"), QStringLiteral("🇳🇱  Nederlands"), QStringLiteral("nl"), QStringLiteral("nl"),
            QStringLiteral("nl_NL") },
        { QStringLiteral("pt"), QStringLiteral("🇵🇹  Português"), QStringLiteral("pt"), QStringLiteral("pt"),
            QStringLiteral("pt_PT") },
        { QStringLiteral("it"), QStringLiteral("🇮🇹  Italiano"), QStringLiteral("it"), QStringLiteral("it"),
            QStringLiteral("it_IT") },
        { QStringLiteral("zh_TW"), QStringLiteral("🇹🇼  繁體中文"), QStringLiteral("zh"), QStringLiteral("zh_TW"),
            QStringLiteral("zh_TW") },
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

QLocale locale(const QString &code, const QLocale &system)
{
    const Language *language = find(code);
    const QLocale own(language ? language->localeName : QStringLiteral("en_US"));
    return system.language() == own.language() && system.script() == own.script() ? system : own;
}

QString formatPercent(int percent, const QLocale &locale)
{
    const bool spaced = spacesPercent(locale.language(), locale.territory());
    return locale.toString(percent) + (spaced ? QString(QChar(0x00A0)) : QString()) + locale.percent();
}

} // namespace Languages
