#pragma once
// The Help menu: the manual, the home page, the two mailboxes and the about box.

#include <QObject>

class QWidget;

namespace morvaine {

class CommandActions;
class AboutBox;

class HelpController : public QObject {
    Q_OBJECT
public:
    /// Creates the about box over window, once; it lives as long as the controller.
    HelpController(QWidget *window, CommandActions &actions);
    ~HelpController() override;

    /// The about box, created once.
    AboutBox *aboutBox() const { return m_aboutBox; }

    /// Opens the manual's PDF, writing it first when no copy exists.
    void onManual();
    /// Opens the home page in the browser.
    void onHomePage();
    /// Opens a mail to the information address.
    void onSendFeedback();
    /// Opens a mail to the support address.
    void onSupport();
    /// Shows the about box modally.
    void onAbout();

private:
    AboutBox *m_aboutBox;
};

} // namespace morvaine
