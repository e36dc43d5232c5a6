#include "forerunner_scan.h"
#include "model/convert.h"
#include "recalc.h"

namespace morvaine {

bool ForerunnerItemValue(QStringView number, int &value, QString &error)
{
    try {
        value = StrToInt(number.toString());
        return true;
    } catch (const ConversionError &conversion) {
        error = conversion.message();
        return false;
    }
}

ParsedForerunner ParseForerunner(const QString &text)
{
    ParsedForerunner parsed;
    parsed.bad = !ScanForerunner(
        text, [&](int row) { parsed.items.append(row); }, parsed.error);
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
