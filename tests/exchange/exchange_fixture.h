#pragma once
// A project with a recording host, and small MS Project XML documents written on the fly.

#include "exchange/ms_project_xml.h"
#include "model/new_project.h"
#include "recording_host.h"
#include "schedule/calendar.h"
#include "schedule/recalc.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace morvaine {

inline QString msProjectDocument(const QString &body)
{
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
                          "<Project xmlns=\"http://schemas.microsoft.com/project\">\n") +
           body + QStringLiteral("\n</Project>\n");
}

inline QString fixturePath(const QString &name)
{
    return qEnvironmentVariable("MORVAINE_FIXTURES") + QLatin1Char('/') + name;
}

struct ExchangeFixture {
    Project project;
    RecordingHost host;
    QTemporaryDir dir;

    ExchangeFixture() { InitNewProject(project, host); }
    const QString &cell(int column, int row) const { return project.taskTable.cell(column, row); }
    const QString &resource(int column, int row) const
    {
        return project.resourceTable.cell(column, row);
    }
    QString write(const QString &name, const QByteArray &bytes)
    {
        const QString path = dir.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }
    void import(const QString &path)
    {
        host.messages.clear();
        ImportMsProjectXml(project, host, path);
    }
    void importText(const QString &document) { import(write("plan.xml", document.toUtf8())); }
};

// A plan made in the planner: a group task with two sub-tasks, a milestone, a task with
// two predecessors, resources with and without a cost, a six-day week of 10 hours.
inline void makePlan(ExchangeFixture &f)
{
    SettingsBlock s = f.project.settings();
    s.setValue(SettingsBlock::ProjectName, QStringLiteral("Umzug Büro €"));
    s.setValue(SettingsBlock::Author, QStringLiteral("Zoë"));
    s.setValue(SettingsBlock::StartDate, QStringLiteral("07.12.2026"));
    s.setValue(SettingsBlock::WorkingDays, QStringLiteral("YYYYYYN"));
    s.setValue(SettingsBlock::WorkingTime, QStringLiteral("10"));
    s.setValue(SettingsBlock::Currency, QString(QChar(0x20AC)));
    const QStringList rows[] = {
        {"Phase A", "", "", "1", "v", "", ""},
        {"Prepare", "3 days", "", "2", "", " Anna; Bob;", "50 %"},
        {"Check", "2 days", " 2;", "2", "", "", ""},
        {"Done", "0 days", " 3;", "1", "", "", "100 %"},
        {"Follow-up", "1 day", " 2; 4;", "1", "", " Cid;", "0 %"},
    };
    TaskTable &t = f.project.taskTable;
    for (int row = 1; row <= 5; ++row) {
        const QStringList &r = rows[row - 1];
        t.setCell(ColTask, row, r[0]);
        t.setCell(ColDuration, row, r[1]);
        t.setCell(ColForerunner, row, r[2]);
        t.setCell(ColLevel, row, r[3]);
        t.setCell(ColVeha, row, r[4]);
        t.setCell(ColResource, row, r[5]);
        t.setCell(ColCompletion, row, r[6]);
        if (!r[1].isEmpty()) {
            t.setCell(ColStart, row, QStringLiteral("07.12.2026"));
            CalcEndDate(f.project, row);
        }
    }
    f.project.LastTaskRow = 5;
    const QStringList resources[] = {{"Anna", "25"}, {"Bob", "12.5"}, {"Cid", ""}};
    for (int row = 1; row <= 3; ++row) {
        f.project.resourceTable.setCell(ResColName, row, resources[row - 1][0]);
        f.project.resourceTable.setCell(ResColCost, row, resources[row - 1][1]);
    }
    RecalcSchedule(f.project, f.host);
}

} // namespace morvaine
