#pragma once
// A task grid without widgets: a recording host whose selections run the cell-selection
// rules, as the real grid's do, and a new project starting on Monday 6 May 2024.

#include "edit/cell_editing.h"
#include "model/new_project.h"
#include "recording_host.h"

#include <memory>

namespace morvaine {

class GridHost : public RecordingHost {
public:
    explicit GridHost(Project &project) : m_project(project) {}

    void SelectCell(int column, int row) override
    {
        if (CommitAndSelectCell(m_project, *this, column, row))
            RecordingHost::SelectCell(column, row);
    }

private:
    Project &m_project;
};

struct EditFixture {
    std::unique_ptr<Project> owned = std::make_unique<Project>();
    Project &project = *owned;
    GridHost host{project};
    TaskTable &table = project.taskTable;

    EditFixture()
    {
        SetShortDateFormat(QStringLiteral("dd.MM.yyyy"));
        InitNewProject(project, host);
        project.settings().setValue(SettingsBlock::StartDate, QStringLiteral("06.05.2024"));
        host.calls.clear();
    }

    const QString &cell(int column, int row) const { return table.cell(column, row); }

    /// Selects (column, row) and types text at the end of the cell, one key at a time,
    /// the editor holding what the filter left after each key.
    void type(int column, int row, const QString &text)
    {
        host.SelectCell(column, row);
        for (const QChar ch : text)
            FilterTypedText(project, host, column, row, cell(column, row) + ch);
    }

    /// Types text into (column, row) and presses Enter, which leaves the cell.
    void enter(int column, int row, const QString &text)
    {
        type(column, row, text);
        MoveDownOnEnter(host, Qt::Key_Return);
    }

    /// Clears "Modify" and the host's records, so a test sees only what follows.
    void settle()
    {
        project.settings().setValue(SettingsBlock::Modify, QStringLiteral("No"));
        host.beeps = 0;
        host.chartRepaints = 0;
        host.taskGridRepaints = 0;
        host.calls.clear();
    }
};

} // namespace morvaine
