#include "recalc.h"
#include "schedule_engine.h"

namespace morvaine {

ParsedForerunner ParseForerunner(const QString &text)
{
    ParsedForerunner parsed;
    const QStringView view(text);
    qsizetype from = 0;
    for (;;) {
        const qsizetype semicolon = view.indexOf(QLatin1Char(';'), from);
        if (semicolon < 0)
            break;
        // An item is a blank, the number and the semicolon: the first character is
        // skipped whatever it is.
        const QStringView number =
            semicolon - from >= 1 ? view.mid(from + 1, semicolon - from - 1) : QStringView();
        int value = 0;
        bool digits = !number.isEmpty() && number.size() <= 9;
        for (QChar c : number) {
            if (c.unicode() < '0' || c.unicode() > '9') {
                digits = false;
                break;
            }
            value = value * 10 + (c.unicode() - '0');
        }
        if (!digits) {
            try {
                value = StrToInt(number.toString());
            } catch (const ConversionError &error) {
                parsed.bad = true;
                parsed.error = error.message();
                break;
            }
        }
        parsed.items.append(value);
        from = semicolon + 1;
    }
    return parsed;
}

QList<int> ForerunnerRows(const QString &text)
{
    ParsedForerunner parsed = ParseForerunner(text);
    if (parsed.bad)
        throw ConversionError(parsed.error);
    return parsed.items;
}

} // namespace morvaine
