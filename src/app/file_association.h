#pragma once
// The per-user association of project files with this program, the freedesktop way:
// a shared-mime-info package declaring the type, a desktop entry that opens it, and
// the icon, all under the user's data folder.

#include <QString>
#include <QStringList>

namespace morvaine {

/// The MIME type of project files.
inline constexpr const char *ProjectMimeType = "application/x-morvaine";

/// $XDG_DATA_HOME, or ~/.local/share when it is unset or empty.
QString UserDataHome();

/// The Exec line of a desktop entry that opens one file with the program at
/// programPath: the path quoted and escaped, then " %f".
QString DesktopExecLine(const QString &programPath);

/// The shared-mime-info package: *.mrv files and files starting with 70 47 E1 E5.
QByteArray MimePackage();

/// The desktop entry that opens project files with the program at programPath.
QByteArray DesktopEntry(const QString &programPath);

/// $XDG_DATA_DIRS, or /usr/local/share and /usr/share when it is unset or empty.
QStringList SystemDataDirs();

/// True when a desktop entry morvaine.desktop in one of dataDirs starts the program at
/// programPath (an installed package).
bool InstalledSystemWide(const QString &programPath, const QStringList &dataDirs);

/// Writes dataHome/mime/packages/morvaine.xml, dataHome/applications/morvaine.desktop
/// and the icons, then refreshes the user's MIME database when the tool exists. Runs
/// at every start without a file, so the association follows the program that ran
/// last. When an installed package's entry starts programPath, the package's
/// association holds: those user files are removed instead of written. Throws
/// std::runtime_error naming the file that could not be written.
void RegisterFileType(const QString &programPath, const QString &dataHome);
void RegisterFileType(const QString &programPath, const QString &dataHome,
                      const QStringList &dataDirs);

} // namespace morvaine
