#include "working_time.h"

#include "model/convert.h"

namespace morvaine {

QString WorkingTimeText(int hours)
{
    if (hours == 1)
        return QStringLiteral("1 hour per day");
    return QString::number(hours) + QLatin1String(" hours per day");
}

int WorkingTimeNumber(const QString &text)
{
    if (text.size() >= 2 && text.at(1) == QLatin1Char(' '))
        return StrToInt(text.left(1));
    return StrToInt(text.left(2));
}

QString StepWorkingTime(const QString &text, bool up)
{
    if (up) {
        if (text == QLatin1String("24 hours per day"))
            return text;
        return QString::number(WorkingTimeNumber(text) + 1) + QLatin1String(" hours per day");
    }
    if (text == QLatin1String("1 hour per day"))
        return text;
    return WorkingTimeText(WorkingTimeNumber(text) - 1);
}

} // namespace morvaine
