#include "date_picker.h"

#include "edit/command_guard.h"
#include "schedule/recalc.h"

#include <QCoreApplication>
#include <QDate>

namespace morvaine {

namespace {

const QDate &epoch()
{
    static const QDate day(1899, 12, 30);
    return day;
}

// The order of day, month and year in a numeric date format ("dMy", "Mdy", "ydM"), or
// nothing for a format that is not made of d, M and y alone (month names, text).
std::optional<QString> fieldOrder(const QString &format)
{
    QString order;
    for (int i = 0; i < format.size();) {
        const QChar c = format.at(i);
        int run = 1;
        while (i + run < format.size() && format.at(i + run) == c)
            ++run;
        i += run;
        if (c == QLatin1Char('d') || c == QLatin1Char('M')) {
            if (run > 2)
                return std::nullopt;
        } else if (c != QLatin1Char('y')) {
            if (c.isLetter() || c == QLatin1Char('\''))
                return std::nullopt;
            continue;
        }
        if (order.contains(c))
            return std::nullopt;
        order += c;
    }
    if (order.size() != 3)
        return std::nullopt;
    return order;
}

bool isSeparator(QChar c)
{
    return c == QLatin1Char('.') || c == QLatin1Char('/') || c == QLatin1Char('-') ||
           c == QLatin1Char(',') || c.isSpace();
}

// The year a two-digit year stands for: the one with those last digits nearest to
// thisYear, from 50 years before it to 49 after.
int widenYear(int shortYear, int thisYear)
{
    int year = thisYear - thisYear % 100 + shortYear;
    if (year < thisYear - 50)
        year += 100;
    else if (year >= thisYear + 50)
        year -= 100;
    return year;
}

bool isDateColumn(int column)
{
    return column == ColStart || column == ColEnd;
}

// A date changed through the picker is undone as a change of its cell ("Undo Start").
void nameAfterCell(int column)
{
    NameCommand(column == ColStart ? QCoreApplication::translate("TaskTable", "Start")
                                   : QCoreApplication::translate("TaskTable", "End"));
}

void recalcCurrentCell(Project &project, Host &host)
{
    RecalcRow(project, host, host.CurrentColumn(), host.CurrentRow());
    RecalcSchedule(project, host);
}

} // namespace

std::optional<TDateTime> ReadTypedDate(const QString &text, int thisYear)
{
    const QString typed = text.trimmed();
    if (typed.isEmpty())
        return std::nullopt;
    const std::optional<QString> order = fieldOrder(ShortDateFormat());
    if (!order) {
        try {
            return StrToDate(typed);
        } catch (const ConversionError &) {
            return std::nullopt;
        }
    }
    if (thisYear == 0)
        thisYear = QDate::currentDate().year();

    // The runs of digits, apart by separators; any other character makes it no date.
    QStringList parts;
    QString part;
    for (const QChar c : typed) {
        if (c.isDigit() && c.unicode() < 0x80) {
            part += c;
        } else if (isSeparator(c)) {
            if (!part.isEmpty())
                parts << std::exchange(part, QString());
        } else {
            return std::nullopt;
        }
    }
    if (!part.isEmpty())
        parts << part;
    // Digits alone: two for the day and the month, four or two for the year.
    if (parts.size() == 1 && (parts[0].size() == 8 || parts[0].size() == 6)) {
        const QString digits = parts.takeFirst();
        const int yearDigits = digits.size() - 4;
        int at = 0;
        for (const QChar field : *order) {
            const int width = field == QLatin1Char('y') ? yearDigits : 2;
            parts << digits.mid(at, width);
            at += width;
        }
    }
    if (parts.size() != 3)
        return std::nullopt;

    int day = 0, month = 0, year = 0;
    for (int i = 0; i < 3; ++i) {
        const QString &digits = parts[i];
        const int value = digits.toInt();
        switch (order->at(i).toLatin1()) {
        case 'd':
        case 'M':
            if (digits.size() > 2)
                return std::nullopt;
            (order->at(i) == QLatin1Char('d') ? day : month) = value;
            break;
        default:
            if (digits.size() == 4)
                year = value;
            else if (digits.size() == 2)
                year = widenYear(value, thisYear);
            else
                return std::nullopt;
            break;
        }
    }
    const QDate date(year, month, day);
    if (!date.isValid() || year < 1 || year > 9999)
        return std::nullopt;
    return static_cast<TDateTime>(epoch().daysTo(date));
}

QString DatePartOrder()
{
    return fieldOrder(ShortDateFormat()).value_or(QString());
}

void DeferPickerRecalc(Project &project)
{
    project.Edit.PickerDropped = true;
}

void WritePickedDate(Project &project, Host &host, TDateTime date)
{
    const int column = host.CurrentColumn();
    const int row = host.CurrentRow();
    if (!isDateColumn(column) || row < 1 || row > TaskTable::LastRow)
        return;
    nameAfterCell(column);
    project.taskTable.setCell(column, row, DateToStr(date));
    project.settings().markModified();
    if (project.Edit.PickerDropped)
        project.Edit.PickerPending = true;
    else
        recalcCurrentCell(project, host);
}

void RunDeferredPickerRecalc(Project &project, Host &host)
{
    EditState &edit = project.Edit;
    edit.PickerDropped = false;
    if (!edit.PickerPending)
        return;
    if (isDateColumn(host.CurrentColumn()))
        nameAfterCell(host.CurrentColumn());
    recalcCurrentCell(project, host);
    edit.PickerPending = false;
}

bool MoveDownFromPickerOnEnter(Host &host, int key)
{
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    const int column = host.CurrentColumn();
    const int row = host.CurrentRow();
    if (!isDateColumn(column) || row >= TaskTable::LastRow)
        return false;
    host.SelectCell(column, row + 1);
    return true;
}

} // namespace morvaine
