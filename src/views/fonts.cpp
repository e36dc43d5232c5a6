#include "views/fonts.h"

#include <QFont>

namespace morvaine {

void InstallFontSubstitutions()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QFont::insertSubstitution(QStringLiteral("Microsoft Sans Serif"),
                              QStringLiteral("Liberation Sans"));
}

} // namespace morvaine
