#pragma once
// The project settings dialog TFormSettings: shows and edits the settings block of
// the task table. Refilled from the project at every showing; writes back only on OK.

#include "model/host.h"
#include "model/project.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;

namespace morvaine {

class TFormSettings : public QDialog {
    Q_OBJECT
public:
    TFormSettings(Project &project, Host &host, QWidget *mainWindow);

    /// Centres the dialog over the main window, fills it and runs it modally;
    /// returns QDialog::Accepted after OK.
    int Execute();

    /// Places the dialog and fills its controls from the settings block.
    void FormShow();
    /// One step of the working-time spinner.
    void UpDownWTClick(bool up);
    /// Writes the controls into the settings block and closes the dialog; a
    /// working-days change recalculates the schedule. With no working day ticked
    /// it warns and stays open.
    void ButtonOKClick();
    void ButtonCancelClick();

private:
    Project &m_project;
    Host &m_host;
    QWidget *m_mainWindow;

    QLabel *m_label7;
    QLabel *m_label8;
    QLabel *m_label3;
    QLineEdit *m_editPrjName;
    QLineEdit *m_editAuthor;
    QDateEdit *m_dateTimePicker1;
    QComboBox *m_comboBoxCurrency;
    QCheckBox *m_dayBoxes[7];
    QLineEdit *m_editWorkTime;
    int m_upDownPosition = 8;
};

} // namespace morvaine
