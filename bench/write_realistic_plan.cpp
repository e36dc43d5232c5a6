// Writes the benchmarks' realistic 9,999-task plan (groups of ten over two levels, one or
// two predecessors per task, every task on the project start, as a plan typed or
// imported without dates) to a project file, for timing the program itself on it:
//   write_realistic_plan plan.mrv && time morvaine --recalc --export out.csv plan.mrv

#include "bench_support.h"
#include "realistic_plan.h"

#include "model/new_project.h"
#include "model/project_file.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: write_realistic_plan FILE.mrv\n");
        return 2;
    }
    morvaine::Project project;
    bench::QuietHost host(true);
    morvaine::InitNewProject(project, host);
    bench::BuildRealisticPlan(project, {});
    host.path = QString::fromLocal8Bit(argv[1]);
    morvaine::SaveProject(project, host, QStringLiteral("SaveAs"));
    return 0;
}
