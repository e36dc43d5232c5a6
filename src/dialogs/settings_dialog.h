#pragma once
// The project settings dialog: shows and edits the settings block of
// the task table. Refilled from the project at every showing; writes back only on OK.

#include "model/host.h"
#include "model/project.h"
#include "schedule/calendar.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

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

    /// The two lists of calendar exceptions.
    enum ExceptionList { Holidays = 0, ExtraDays = 1 };
    /// Adds the date or range of the list's two date fields, keeping the list sorted
    /// and merged.
    void onAddException(ExceptionList list);
    /// Removes the selected items of the list.
    void onRemoveExceptions(ExceptionList list);
    /// The ranges a list shows now.
    const DayRanges &exceptions(ExceptionList list) const { return m_exceptions[list].ranges; }

private:
    struct ExceptionControls {
        DayRanges ranges;
        bool read = true; // false: the stored list did not read and is kept as it is
        QListWidget *list = nullptr;
        DateField *from = nullptr;
        DateField *to = nullptr;
        QPushButton *add = nullptr;
        QPushButton *remove = nullptr;
    };
    QWidget *buildExceptionGroup(ExceptionList list, QWidget *parent);
    void showExceptions(ExceptionList list);
    /// The text to store for a list: the shown ranges, or the stored text when it did
    /// not read.
    QString exceptionText(ExceptionList list) const;

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
    ExceptionControls m_exceptions[2];
};

} // namespace morvaine
