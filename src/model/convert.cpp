#include "convert.h"

#include <QCoreApplication>
#include <QDate>
#include <QLocale>
#include <QRegularExpression>

namespace morvaine {

namespace {

const QDate &epoch()
{
    static const QDate day(1899, 12, 30);
    return day;
}

QString systemShortDateFormat()
{
    QString format = QLocale::system().dateFormat(QLocale::ShortFormat);
    // Widen a two-digit year to four digits so that dates are never ambiguous.
    static const QRegularExpression shortYear(QStringLiteral("(?<!y)yy(?!y)"));
    format.replace(shortYear, QStringLiteral("yyyy"));
    return format;
}

QString &formatStore()
{
    static QString format = systemShortDateFormat();
    return format;
}

} // namespace

int StrToInt(const QString &text)
{
    bool ok = false;
    const QString trimmed = text.trimmed();
    int value = 0;
    if (!trimmed.isEmpty() && !trimmed.contains(QLatin1Char(' ')))
        value = trimmed.toInt(&ok, 10);
    if (!ok)
        throw ConversionError(
            QCoreApplication::translate("Conversion", "'%1' is not a valid integer value")
                .arg(text));
    return value;
}

QString ShortDateFormat()
{
    return formatStore();
}

void SetShortDateFormat(const QString &format)
{
    formatStore() = format;
}

QString DateToStr(TDateTime date)
{
    return epoch().addDays(static_cast<qint64>(date)).toString(formatStore());
}

TDateTime StrToDate(const QString &text)
{
    const QDate day = QDate::fromString(text.trimmed(), formatStore());
    if (!day.isValid() || day.year() < 1 || day.year() > 9999)
        throw ConversionError(
            QCoreApplication::translate("Conversion", "'%1' is not a valid date").arg(text));
    return static_cast<TDateTime>(epoch().daysTo(day));
}

TDateTime Date()
{
    return static_cast<TDateTime>(epoch().daysTo(QDate::currentDate()));
}

TDateTime MinDateValue()
{
    return static_cast<TDateTime>(epoch().daysTo(QDate(1, 1, 1)));
}

TDateTime MaxDateValue()
{
    return static_cast<TDateTime>(epoch().daysTo(QDate(9999, 12, 31)));
}

} // namespace morvaine
