#pragma once
// The about box TFormAbout: the program's name and version and its contact links.

#include <QDialog>

class QLabel;

namespace morvaine {

class TFormAbout : public QDialog {
    Q_OBJECT
public:
    explicit TFormAbout(QWidget *mainWindow);

    /// Centres the box over the main window, fills it and runs it modally.
    int Execute();

    void FormShow();
    /// Opens the home page; the box stays open.
    void LabelURL1Click();
    /// Opens a new mail to the information address; the box stays open.
    void LabelURL2Click();
    /// Opens a new mail to the support address; the box stays open.
    void LabelURL3Click();
    void ButtonOKClick();

private:
    QWidget *m_mainWindow;
    QLabel *m_labelURL1;
    QLabel *m_labelURL2;
    QLabel *m_labelURL3;
};

} // namespace morvaine
