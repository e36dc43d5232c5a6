#pragma once
// The program's help targets: the manual, the home page and the two mailboxes. The
// addresses live here and nowhere else; the Help menu and the about box share them.
// A target that no desktop program can open is reported in an error box that names
// it, so the user can open it by hand.

#include <QString>

#include <functional>

class QUrl;

namespace morvaine {

/// The home page, written without a scheme as the about box shows it.
inline constexpr const char *HomePageAddress = "www.morvaine.org";
/// The general information mailbox (Send Feedback).
inline constexpr const char *InfoMailAddress = "info@morvaine.org";
/// The support mailbox.
inline constexpr const char *SupportMailAddress = "support@morvaine.org";

/// Opens the manual's PDF file with the desktop's default viewer; an empty path means
/// the manual could not be found or written.
void OpenManual(const QString &pdfPath);
/// Opens a web address given without a scheme in the default browser.
void OpenWebAddress(const QString &address);
/// Opens a new mail to the address in the default mail program.
void OpenMailTo(const QString &address);

/// Replaces the desktop's opening of a target (returns whether a program started);
/// an empty function restores the desktop's. For tests.
void SetUrlOpener(std::function<bool(const QUrl &)> opener);

} // namespace morvaine
