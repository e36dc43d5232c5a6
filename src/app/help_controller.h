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

    AboutBox *aboutBox() const { return m_aboutBox; }

    void onManual();
    void onHomePage();
    void onSendFeedback();
    void onSupport();
    void onAbout();

private:
    AboutBox *m_aboutBox;
};

} // namespace morvaine
