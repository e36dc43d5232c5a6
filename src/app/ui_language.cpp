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
    QLocale::setDefault(QLocale(language, system.territory()));
    return QLocale::languageToCode(language);
}

} // namespace morvaine
