#include "ui_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace morvaine {

namespace {

// Loads a translation and hands it to the application; false when there is none.
bool installTranslation(const QString &name, const QString &folder)
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(name, folder) || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}

// The locale of the regional settings, read as the C library reads the date format
// (LC_ALL, then LC_TIME, then LANG). QLocale::system() itself takes the UI language
// from LANGUAGE, so its territory may not be the region's.
QLocale regionalLocale()
{
    for (const char *variable : {"LC_ALL", "LC_TIME", "LANG"}) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty())
            return QLocale(value.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0));
    }
    return QLocale::system();
}

} // namespace

QString InstallUiLanguage()
{
    const QLocale system = QLocale::system();
    QLocale::Language language = QLocale::English;
    for (const QString &name : system.uiLanguages()) {
        const QLocale::Language wanted = QLocale(name).language();
        if (wanted == QLocale::English)
            break;
        if (wanted == QLocale::C || wanted == QLocale::AnyLanguage)
            continue;
        const QString code = QLocale::languageToCode(wanted);
        if (installTranslation(QStringLiteral("morvaine_") + code, QStringLiteral(":/i18n"))) {
            installTranslation(QStringLiteral("qtbase_") + code,
                               QLibraryInfo::path(QLibraryInfo::TranslationsPath));
            language = wanted;
            break;
        }
    }
    // The region stays the regional settings' one (first day of the week, number
    // format); the short date format of the program's dates is read from the system
    // locale itself and does not change here.
    QLocale::setDefault(QLocale(language, regionalLocale().territory()));
    return QLocale::languageToCode(language);
}

} // namespace morvaine
