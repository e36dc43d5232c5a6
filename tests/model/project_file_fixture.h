#pragma once
// What the project file's tests share: a fresh folder for each test function, whole
// files read and written, and a new project saved under a chosen name.

#include "model/new_project.h"
#include "model/project_file.h"
#include "recording_host.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace morvaine::project_file_test {

inline QTemporaryDir *tempDir = nullptr; // a new one for each test function

inline QString tempPath(const QString &name)
{
    return tempDir->filePath(name);
}

inline QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
}

struct Fixture {
    Project project;
    RecordingHost host;
    Fixture() { InitNewProject(project, host); }
    TaskTable &t() { return project.taskTable; }
    void saveAs(const QString &path)
    {
        host.saveFileName = path;
        SaveProject(project, host, QStringLiteral("SaveAs"));
    }
};

// Starts a test function in a new empty folder, without a write limit.
inline bool freshFolder()
{
    delete tempDir;
    tempDir = new QTemporaryDir;
    SetProjectFileWriteLimiter({});
    return tempDir->isValid();
}

} // namespace morvaine::project_file_test
