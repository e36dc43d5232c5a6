#include "date_picker.h"

#include "schedule/recalc.h"

namespace morvaine {

namespace {

bool isDateColumn(int column)
{
    return column == ColStart || column == ColEnd;
}

void recalcCurrentCell(Project &project, Host &host)
{
    RecalcRow(project, host, host.CurrentColumn(), host.CurrentRow());
    RecalcSchedule(project, host);
}

} // namespace

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
