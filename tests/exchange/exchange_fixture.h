#pragma once
// A project with a recording host, and small MS Project XML documents written on the fly.

#include "exchange/ms_project_xml.h"
#include "model/new_project.h"
#include "recording_host.h"

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

} // namespace morvaine
