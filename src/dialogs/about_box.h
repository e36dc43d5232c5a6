#pragma once
// The about box: the program's name and version and its contact links.

#include <QDialog>

class QLabel;

namespace morvaine {

class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget *mainWindow);

    /// Centres the box over the main window, fills it and runs it modally.
    int runModal();

    void placeAndFill();
    /// Opens the home page; the box stays open.
    void onHomePageLink();
    /// Opens a new mail to the information address; the box stays open.
    void onFeedbackLink();
    /// Opens a new mail to the support address; the box stays open.
    void onSupportLink();
    void onOk();

private:
    QWidget *m_mainWindow;
    QLabel *m_homePageLink;
    QLabel *m_feedbackLink;
    QLabel *m_supportLink;
};

} // namespace morvaine
