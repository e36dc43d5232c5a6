#include "help_links.h"

#include "message_box.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QUrl>

namespace morvaine {

namespace {

std::function<bool(const QUrl &)> &urlOpener()
{
    static std::function<bool(const QUrl &)> opener;
    return opener;
}

bool openUrl(const QUrl &url)
{
    return urlOpener() ? urlOpener()(url) : QDesktopServices::openUrl(url);
}

void showFailure(const QString &text)
{
    ShowMessageBox(QCoreApplication::translate("Messages", "Error"), text, MsgIcon::Error,
                   MsgButtons::Ok);
}

} // namespace

void OpenManual(const QString &pdfPath)
{
    if (pdfPath.isEmpty()) {
        showFailure(
            QCoreApplication::translate("HelpLinks", "The manual could not be found or written."));
        return;
    }
    if (!openUrl(QUrl::fromLocalFile(pdfPath)))
        showFailure(QCoreApplication::translate("HelpLinks",
                                                "No program could be started to show the manual.\n"
                                                "The manual is the file %1")
                        .arg(pdfPath));
}

void OpenWebAddress(const QString &address)
{
    if (!openUrl(QUrl::fromUserInput(address)))
        showFailure(QCoreApplication::translate(
                        "HelpLinks", "No web browser could be started.\nThe address is %1")
                        .arg(address));
}

void OpenMailTo(const QString &address)
{
    if (!openUrl(QUrl(QLatin1String("mailto:") + address)))
        showFailure(QCoreApplication::translate(
                        "HelpLinks", "No mail program could be started.\nThe address is %1")
                        .arg(address));
}

void SetUrlOpener(std::function<bool(const QUrl &)> opener)
{
    urlOpener() = std::move(opener);
}

} // namespace morvaine
