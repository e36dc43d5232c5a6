#include "forerunner_scan.h"
#include "model/convert.h"

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
    ScanForerunner(
        text, [&](int row) { parsed.items.append(row); }, parsed.error);
    return parsed;
}

} // namespace morvaine
