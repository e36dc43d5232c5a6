#pragma once
// The program's help targets: the manual, the home page and the two mailboxes. The
// addresses live here and nowhere else; the Help menu and the about box share them.

#include <QString>

namespace morvaine {

/// The manual, named without a folder so that it resolves against the current folder.
inline constexpr const char *ManualFileName = "Morvaine_Manual.pdf";
/// The home page, written without a scheme as the about box shows it.
inline constexpr const char *HomePageAddress = "www.morvaine.org";
/// The general information mailbox (Send Feedback).
inline constexpr const char *InfoMailAddress = "info@morvaine.org";
/// The support mailbox.
inline constexpr const char *SupportMailAddress = "support@morvaine.org";

/// Opens the manual with the desktop's default handler for PDF files.
void OpenManual();
/// Opens a web address given without a scheme in the default browser.
void OpenWebAddress(const QString &address);
/// Opens a new mail to the address in the default mail program.
void OpenMailTo(const QString &address);

} // namespace morvaine
