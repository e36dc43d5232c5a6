#pragma once
// Plans written on a machine with another short date format. Project files keep dates
// as the writer's text, so a plan from en_US ("1/7/2008") does not read under de_DE.
// When every date of an opened plan reads in exactly one other common format, the
// dates are rewritten in this machine's format once, right after loading.

#include "model/host.h"
#include "model/project.h"

#include <QStringList>

namespace morvaine {

/// The other short date formats a plan may have been written in, most common first.
QStringList ForeignDateFormats();

/// What AdoptForeignDates found.
enum class ForeignDates {
    None,       ///< every date reads in this machine's format (or there is none)
    Converted,  ///< all dates read in one other format and were rewritten
    Ambiguous,  ///< they read in several other formats giving different days; left alone
    Unreadable, ///< no one format reads them all (mixed or damaged); left alone
};

/// Looks at the date cells of a just-loaded plan (Start, End, the settings dates and the
/// dates of the holidays and extra working days).
/// When they do not all read in the process-wide short date format but all read in
/// one format of ForeignDateFormats() (or in several that agree on every day), rewrites
/// them in the process-wide format, marks the project modified and tells the user once
/// which format was found. Ambiguous or mixed dates are left as they are, with a message
/// that says why. The format found is returned through foundFormat when not null.
ForeignDates AdoptForeignDates(Project &project, Prompts &prompts, QString *foundFormat = nullptr);

} // namespace morvaine
