#include "edit/foreign_dates.h"

#include "schedule/date_list.h"

#include <QDate>

#include <QCoreApplication>
#include <optional>
#include <vector>

namespace morvaine {

namespace {

struct DateCell {
    int column;
    int row;
    bool list; // a list of dates and ranges (the holidays and extra working days)
};

constexpr SettingsBlock::ValueRow SettingsDates[] = {
    SettingsBlock::CreateDate, SettingsBlock::ChangeDate, SettingsBlock::StartDate};

// The non-empty date cells of the plan: Start and End of every stored row, and the
// three dates of the settings block.
std::vector<DateCell> DateCells(const Project &project)
{
    std::vector<DateCell> cells;
    const TaskTable &table = project.taskTable;
    for (int row = 1; row < TaskTable::Rows; ++row)
        for (int column : {int(ColStart), int(ColEnd)})
            if (!table.cell(column, row).trimmed().isEmpty())
                cells.push_back({column, row, false});
    // A plan never saved holds "no save file" where its save dates go.
    for (SettingsBlock::ValueRow row : SettingsDates) {
        const QString &text = table.cell(ColSettings, row);
        if (!text.trimmed().isEmpty() && text != QLatin1String("no save file"))
            cells.push_back({int(ColSettings), int(row), false});
    }
    for (int row : {int(HolidaysRow), int(ExtraDaysRow)})
        if (!table.cell(ColSettings, row).trimmed().isEmpty())
            cells.push_back({int(ColSettings), row, true});
    return cells;
}

std::optional<QDate> ReadIn(const QString &text, const QString &format)
{
    const QDate day = QDate::fromString(text.trimmed(), format);
    if (!day.isValid() || day.year() < 1 || day.year() > 9999)
        return std::nullopt;
    return day;
}

const QDate &Epoch()
{
    static const QDate day(1899, 12, 30);
    return day;
}

// The days of one cell read in format: one for a date, the first and last day of each
// item for a list; nothing when a date does not read.
std::optional<std::vector<QDate>> ReadCell(const QString &text, bool list, const QString &format)
{
    if (!list) {
        const std::optional<QDate> day = ReadIn(text, format);
        if (!day)
            return std::nullopt;
        return std::vector<QDate>{*day};
    }
    const std::optional<DayRanges> ranges =
        SplitDateList(text, [&format](const QString &item) -> std::optional<std::int64_t> {
            const std::optional<QDate> day = ReadIn(item, format);
            if (!day)
                return std::nullopt;
            return Epoch().daysTo(*day);
        });
    if (!ranges)
        return std::nullopt;
    std::vector<QDate> days;
    for (const DayRange &range : *ranges)
        days.insert(days.end(), {Epoch().addDays(range.first), Epoch().addDays(range.last)});
    return days;
}

// The days of all cells read in format, or nothing when one of them does not read.
std::optional<std::vector<std::vector<QDate>>>
ReadAll(const Project &project, const std::vector<DateCell> &cells, const QString &format)
{
    std::vector<std::vector<QDate>> days;
    days.reserve(cells.size());
    for (const DateCell &cell : cells) {
        std::optional<std::vector<QDate>> read =
            ReadCell(project.taskTable.cell(cell.column, cell.row), cell.list, format);
        if (!read)
            return std::nullopt;
        days.push_back(std::move(*read));
    }
    return days;
}

// The text of a cell's days in format, as ReadCell found them.
QString WriteCell(const std::vector<QDate> &days, bool list, const QString &format)
{
    if (!list)
        return days.front().toString(format);
    DayRanges ranges;
    for (std::size_t i = 0; i + 1 < days.size(); i += 2)
        ranges.push_back({Epoch().daysTo(days[i]), Epoch().daysTo(days[i + 1])});
    return WriteDateList(
        ranges, [&format](std::int64_t day) { return Epoch().addDays(day).toString(format); });
}

} // namespace

QStringList ForeignDateFormats()
{
    return {QStringLiteral("M/d/yyyy"),    QStringLiteral("d/M/yyyy"),
            QStringLiteral("d.M.yyyy"),    QStringLiteral("yyyy-M-d"),
            QStringLiteral("d-M-yyyy"),    QStringLiteral("yyyy/M/d"),
            QStringLiteral("yyyy.M.d"),    QStringLiteral("d MMM yyyy"),
            QStringLiteral("MMM d, yyyy"), QStringLiteral("d. M. yyyy")};
}

ForeignDates AdoptForeignDates(Project &project, Prompts &prompts, QString *foundFormat)
{
    const std::vector<DateCell> cells = DateCells(project);
    const QString own = ShortDateFormat();
    if (cells.empty() || ReadAll(project, cells, own))
        return ForeignDates::None;

    // Formats that read every date, keeping one per distinct reading: formats that
    // differ only in padding (M/d/yyyy and MM/dd/yyyy) read the same days.
    QString found;
    std::vector<std::vector<QDate>> days;
    QStringList disagreeing;
    for (const QString &format : ForeignDateFormats()) {
        if (format == own)
            continue;
        std::optional<std::vector<std::vector<QDate>>> read = ReadAll(project, cells, format);
        if (!read)
            continue;
        if (found.isEmpty()) {
            found = format;
            days = std::move(*read);
        } else if (*read != days) {
            if (disagreeing.isEmpty())
                disagreeing << found;
            disagreeing << format;
        }
    }

    if (found.isEmpty()) {
        prompts.MessageBox(QCoreApplication::translate("ForeignDates", "Warning"),
                           QCoreApplication::translate(
                               "ForeignDates", "Some dates of this plan do not read as %1, and no "
                                               "other date format reads them all, so they are left "
                                               "as they are.")
                               .arg(own),
                           MsgIcon::Warning, MsgButtons::Ok);
        return ForeignDates::Unreadable;
    }
    if (!disagreeing.isEmpty()) {
        prompts.MessageBox(
            QCoreApplication::translate("ForeignDates", "Warning"),
            QCoreApplication::translate("ForeignDates",
                                        "The dates of this plan do not read as %1. They read "
                                        "as %2 alike, which give different days, so they are "
                                        "left as they are.")
                .arg(own, disagreeing.join(QCoreApplication::translate("ForeignDates", " or "))),
            MsgIcon::Warning, MsgButtons::Ok);
        return ForeignDates::Ambiguous;
    }

    for (std::size_t i = 0; i < cells.size(); ++i)
        project.taskTable.setCell(cells[i].column, cells[i].row,
                                  WriteCell(days[i], cells[i].list, own));
    project.settings().markModified();
    if (foundFormat)
        *foundFormat = found;
    prompts.MessageBox(
        QCoreApplication::translate("ForeignDates", "Info"),
        QCoreApplication::translate("ForeignDates",
                                    "The dates of this plan were written as %1. They have been "
                                    "rewritten as %2.")
            .arg(found, own),
        MsgIcon::Information, MsgButtons::Ok);
    return ForeignDates::Converted;
}

} // namespace morvaine
