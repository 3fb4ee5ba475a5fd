#include "cleanitem.h"

#include <QCoreApplication>
#include <QLocale>

CleanItem::CleanItem(const QString &path, qint64 size)
    : path(path)
    , size(size)
{
}

QString CleanItem::name() const
{
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

bool CleanItem::isSizeKnown() const
{
    return size >= 0;
}

QString CleanItem::shownSize() const
{
    return isSizeKnown() ? formatSize(size) : QCoreApplication::translate("CleanItem", "Size unknown");
}

namespace {

// The one formatter behind both forms: `locale` writes the number, `translated` takes the unit
// names from the installed catalogues instead of the English source texts.
QString sizeText(qint64 bytes, int gigabyteDecimals, const QLocale &locale, bool translated)
{
    constexpr qint64 kib = 1024;
    constexpr qint64 mib = kib * 1024;
    constexpr qint64 gib = mib * 1024;
    const auto unit = [translated](const char *text) {
        return translated ? QCoreApplication::translate("CleanItem", text) : QString::fromLatin1(text);
    };
    if (bytes < kib) {
        const int count = int(qMax<qint64>(bytes, 0));
        return translated ? QCoreApplication::translate("CleanItem", "%n B", nullptr, count)
                          : QStringLiteral("%1 B").arg(count);
    }
    if (bytes < mib)
        return unit(QT_TRANSLATE_NOOP("CleanItem", "%1 KB")).arg(locale.toString(double(bytes) / kib, 'f', 1));
    if (bytes < gib)
        return unit(QT_TRANSLATE_NOOP("CleanItem", "%1 MB")).arg(locale.toString(double(bytes) / mib, 'f', 1));
    return unit(QT_TRANSLATE_NOOP("CleanItem", "%1 GB"))
        .arg(locale.toString(double(bytes) / gib, 'f', gigabyteDecimals));
}

} // namespace

QString CleanItem::formatSize(qint64 bytes, int gigabyteDecimals)
{
    // No group marks ("1.023,5 KB"): below a gigabyte a size has at most four digits before its
    // separator, and a mark would only make a short text longer.
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return sizeText(bytes, gigabyteDecimals, locale, true);
}

QString CleanItem::formatTotal(qint64 bytes, bool atLeast, int gigabyteDecimals)
{
    if (!atLeast)
        return formatSize(bytes, gigabyteDecimals);
    // Nothing known at all is no lower bound worth a number.
    if (bytes <= 0)
        return QCoreApplication::translate("CleanItem", "Size unknown");
    return QCoreApplication::translate("CleanItem", "at least %1").arg(formatSize(bytes, gigabyteDecimals));
}

QString CleanItem::logSize(qint64 bytes)
{
    return sizeText(bytes, 2, QLocale::c(), false);
}

QString CleanItem::riskText(int riskLevel)
{
    switch (riskLevel) {
    case 0:
        return QCoreApplication::translate("CleanItem", "Low");
    case 1:
        return QCoreApplication::translate("CleanItem", "Medium");
    case 2:
        return QCoreApplication::translate("CleanItem", "High");
    default:
        return QString();
    }
}
