#pragma once

#include <QList>
#include <QLocale>
#include <QString>

// One interface language the program offers.
struct Language
{
    // The code stored in the settings and used for the translation catalogue, such as "zh_TW".
    QString code;
    // The name shown in the language menu, in the language itself.
    QString shownName;
    // The first two letters of the system locale names that choose this language ("zh" for every
    // Chinese locale).
    QString localePrefix;
    // The language's column in the link table.
    QString linkKey;
    // The locale that writes numbers and dates in this language when the system's region speaks
    // another one ("pt_PT": the catalogue is European Portuguese).
    QString localeName;
};

// The table of offered languages, read by start-up, the link manager and the language menu.
namespace Languages {

// Every offered language, in the order of the language menu.
const QList<Language> &offered();
// The language with this code, or null.
const Language *find(const QString &code);
// The offered language for a system locale name such as "de_AT" (its first two letters decide),
// "en" when none fits.
QString forLocale(const QString &localeName);
// The interface language: a stored choice unchanged when there is one, otherwise the language of
// the system locale.
QString choose(const QString &storedLanguage, const QString &systemLocaleName);
// The locale for numbers, sizes and dates in the language with this code: the system's own when
// it speaks that language in the same script (the user's region stays: "de_CH" writes 36.3),
// otherwise the language's locale. An unknown code gets English.
QLocale locale(const QString &code, const QLocale &system);
// A whole percentage as the locale writes it: its digits, then its percent sign with the spacing
// of the language in that region ("42%"; French, German and Spanish "42 %" with a no-break space,
// but Swiss German "42%").
QString formatPercent(int percent, const QLocale &locale = QLocale());

} // namespace Languages
