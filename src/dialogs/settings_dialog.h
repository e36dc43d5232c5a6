#pragma once
// The project settings dialog: shows and edits the settings block of
// the task table. Refilled from the project at every showing; writes back only on OK.

#include "model/host.h"
#include "model/project.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace morvaine {

class DateField;

class SettingsDialog : public QDialog {
    Q_OBJECT
public:
    SettingsDialog(Project &project, Host &host, QWidget *mainWindow);

    /// Centres the dialog over the main window, fills it and runs it modally;
    /// returns QDialog::Accepted after OK.
    int runModal();

    /// Places the dialog and fills its controls from the settings block.
    void placeAndFill();
    /// One step of the working-time spinner.
    void onWorkingTimeStep(bool up);
    /// Writes the controls into the settings block and closes the dialog; a
    /// working-days change recalculates the schedule. With no working day ticked, or a
    /// project start typed that is no date, it says so and stays open.
    void onOk();
    void onCancel();

private:
    Project &m_project;
    Host &m_host;
    QWidget *m_mainWindow;

    QLabel *m_createDateLabel;
    QLabel *m_changeDateLabel;
    QLabel *m_fileNameLabel;
    QLineEdit *m_projectNameEdit;
    QLineEdit *m_authorEdit;
    DateField *m_startDatePicker;
    QComboBox *m_currencyBox;
    QCheckBox *m_dayBoxes[7];
    QLineEdit *m_workingTimeEdit;
    int m_workingHours = 8;
};

} // namespace morvaine
