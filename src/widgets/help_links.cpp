#include "help_links.h"

#include <QDesktopServices>
#include <QDir>
#include <QUrl>

namespace morvaine {

// The desktop reports a missing handler itself; the outcome is not looked at.

void OpenManual()
{
    QDesktopServices::openUrl(
        QUrl::fromLocalFile(QDir::current().absoluteFilePath(QLatin1String(ManualFileName))));
}

void OpenWebAddress(const QString &address)
{
    QDesktopServices::openUrl(QUrl::fromUserInput(address));
}

void OpenMailTo(const QString &address)
{
    QDesktopServices::openUrl(QUrl(QLatin1String("mailto:") + address));
}

} // namespace morvaine
