#pragma once
// The language the program speaks: the first of the desktop's UI languages (LANGUAGE,
// then LC_ALL, LC_MESSAGES, LANG) that Morvaine has a translation for; English when
// English comes first or none of them has one. The widgets' locale speaks the same
// language, while dates keep the short date format of the regional settings.

#include <QString>

namespace morvaine {

/// Installs the translations of the UI language into the running application, the
/// program's own and Qt's (its dialogs and buttons), and makes the default locale
/// (calendar pop-ups, file dialogs) the UI language in the region of the regional
/// settings. Returns the language's code: "en", "de", "ru".
QString InstallUiLanguage();

} // namespace morvaine
