#pragma once
// MS Project XML (MSPDI): the <Project xmlns="http://schemas.microsoft.com/project">
// documents that MS Project writes with "Save As XML" and that other planners exchange.

#include "model/host.h"
#include "model/project.h"

#include <QIODevice>
#include <QString>

namespace morvaine {

/// Whether the file is to be read as MS Project XML rather than as a project file,
/// whatever its name: after a byte-order mark and blanks its content begins with "<"
/// in any encoding (a project file begins with its magic number). Whether it really is
/// an MS Project document is for ImportMsProjectXml to tell, with line and column.
bool IsMsProjectXml(const QString &path);

/// Reads the MS Project XML document at path into the project, replacing it. The
/// document is read into a new project first, so a file that cannot be read (with an
/// "Error" box that says why) leaves the project as it was. Afterwards the project is
/// unsaved and modified, recalculated once, and one box tells what did not carry over
/// (links that became finish-to-start, renamed resources, moved dates).
void ImportMsProjectXml(Project &project, Host &host, const QString &path);
/// ImportMsProjectXml from an open device; path names the document in messages.
void ImportMsProjectXml(Project &project, Host &host, QIODevice &input, const QString &path);

/// Writes the project as an MS Project XML document in UTF-8 at path, replacing the
/// file only once everything is written. Errors are shown through the host.
void ExportMsProjectXml(const Project &project, Prompts &prompts, const QString &path);

} // namespace morvaine
