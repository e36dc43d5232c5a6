#pragma once

#include "model/project.h"

#include <QByteArray>
#include <QString>

namespace morvaine {

/// The task table as RFC 4180 CSV in UTF-8: columns 0-9, from row 0 to the larger of
/// LastTaskRow and the last row holding text in columns 1-7.
QByteArray TaskTableCsv(const Project &project);

/// Writes TaskTableCsv to path, replacing the file only once everything is written.
/// Returns false when the file could not be written; reason then says why, when the
/// system told.
bool WriteTaskTableCsv(const Project &project, const QString &path, QString *reason = nullptr);

} // namespace morvaine
