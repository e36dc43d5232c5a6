#include "help_controller.h"

#include "command_actions.h"
#include "dialogs/about_box.h"
#include "output/manual_pdf.h"
#include "widgets/help_links.h"

namespace morvaine {

HelpController::HelpController(QWidget *window, CommandActions &actions)
    : QObject(window), m_aboutBox(new AboutBox(window))
{
    actions.bind("MorvaineHelp1", this, &HelpController::onManual);
    actions.bind("MorvaineHomePage1", this, &HelpController::onHomePage);
    actions.bind("SendFeedback1", this, &HelpController::onSendFeedback);
    actions.bind("Support1", this, &HelpController::onSupport);
    actions.bind("AboutMorvaine1", this, &HelpController::onAbout);
}

HelpController::~HelpController()
{
    delete m_aboutBox;
}

void HelpController::onManual()
{
    OpenManual(ManualPdfPath());
}

void HelpController::onHomePage()
{
    OpenWebAddress(QLatin1String(HomePageAddress));
}

void HelpController::onSendFeedback()
{
    OpenMailTo(QLatin1String(InfoMailAddress));
}

void HelpController::onSupport()
{
    OpenMailTo(QLatin1String(SupportMailAddress));
}

void HelpController::onAbout()
{
    m_aboutBox->runModal();
}

} // namespace morvaine
