#include "edit/foreign_dates.h"

#include <QDate>

#include <QCoreApplication>
#include <optional>
#include <vector>

namespace morvaine {

namespace {

struct DateCell {
    int column;
    int row;
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
                cells.push_back({column, row});
    // A plan never saved holds "no save file" where its save dates go.
    for (SettingsBlock::ValueRow row : SettingsDates) {
        const QString &text = table.cell(ColSettings, row);
        if (!text.trimmed().isEmpty() && text != QLatin1String("no save file"))
            cells.push_back({int(ColSettings), int(row)});
    }
    return cells;
}

std::optional<QDate> ReadIn(const QString &text, const QString &format)
{
    const QDate day = QDate::fromString(text.trimmed(), format);
    if (!day.isValid() || day.year() < 1 || day.year() > 9999)
        return std::nullopt;
    return day;
}

// The days of all cells read in format, or nothing when one of them does not read.
std::optional<std::vector<QDate>> ReadAll(const Project &project,
                                          const std::vector<DateCell> &cells, const QString &format)
{
    std::vector<QDate> days;
    days.reserve(cells.size());
    for (const DateCell &cell : cells) {
        const std::optional<QDate> day =
            ReadIn(project.taskTable.cell(cell.column, cell.row), format);
        if (!day)
            return std::nullopt;
        days.push_back(*day);
    }
    return days;
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
    std::vector<QDate> days;
    QStringList disagreeing;
    for (const QString &format : ForeignDateFormats()) {
        if (format == own)
            continue;
        std::optional<std::vector<QDate>> read = ReadAll(project, cells, format);
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
        project.taskTable.setCell(cells[i].column, cells[i].row, days[i].toString(own));
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
