// Feeds arbitrary bytes to the project file reader: it must never crash, read out of
// bounds or allocate without limit, whatever the file says.

#include "fuzz_support.h"
#include "model/new_project.h"
#include "model/project_file.h"

#include <QFile>

#include <unistd.h>

#include <vector>

using namespace morvaine;
using fuzz::SilentHost;

namespace {

// The reader writes only cells, the file name and LastTaskRow, so putting back the
// cells it changed (each table tells its listener) restores a new project exactly,
// far faster than clearing 110,000 cells for every input.
class ProjectReset {
public:
    explicit ProjectReset(Project &project) : m_project(project)
    {
        InitNewProject(m_pristine, m_host);
        InitNewProject(m_project, m_host);
        m_project.taskTable.addListener([this](int c, int r, const QString &, const QString &) {
            m_tasks.push_back({c, r});
        });
        m_project.resourceTable.addListener([this](int c, int r, const QString &, const QString &) {
            m_resources.push_back({c, r});
        });
    }
    void reset()
    {
        restore(m_project.taskTable, m_pristine.taskTable, m_tasks);
        restore(m_project.resourceTable, m_pristine.resourceTable, m_resources);
        m_project.LastTaskRow = 0;
    }

private:
    struct Cell {
        int column;
        int row;
    };
    static void restore(CellTable &table, const CellTable &pristine, std::vector<Cell> &touched)
    {
        const std::vector<Cell> cells = std::move(touched);
        touched.clear();
        for (const Cell &cell : cells)
            table.setCell(cell.column, cell.row, pristine.cell(cell.column, cell.row));
        touched.clear();
    }

    Project &m_project;
    Project m_pristine;
    SilentHost m_host;
    std::vector<Cell> m_tasks;
    std::vector<Cell> m_resources;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzz::EnsureApplication();
    static SilentHost host;
    static Project project;
    static ProjectReset projectReset(project);
    static const QString path = QStringLiteral("/dev/shm/morvaine-fuzz-%1.mrv").arg(getpid());

    // Every input starts from a new project, as Open does, so that what one input left
    // behind cannot hide or cause a fault of the next.
    projectReset.reset();

    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return 0;
    file.write(reinterpret_cast<const char *>(data), static_cast<qint64>(size));
    file.close();
    LoadProject(project, host, path);
    return 0;
}
