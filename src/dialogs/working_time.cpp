#include "working_time.h"

#include "model/convert.h"
#include <QCoreApplication>

namespace morvaine {

QString WorkingTimeText(int hours)
{
    if (hours == 1)
        return QCoreApplication::translate("WorkingTime", "1 hour per day");
    return QCoreApplication::translate("WorkingTime", "%n hours per day", nullptr, hours);
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
        if (text == WorkingTimeText(24))
            return text;
        return WorkingTimeText(WorkingTimeNumber(text) + 1);
    }
    if (text == WorkingTimeText(1))
        return text;
    return WorkingTimeText(WorkingTimeNumber(text) - 1);
}

} // namespace morvaine
