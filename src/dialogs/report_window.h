#pragma once
// The report window: the "Total Report" of the project, rebuilt from the
// project each time the window is shown and drawn cell by cell by the report painter.

#include "model/host.h"
#include "model/project.h"
#include "report/total_report.h"

#include <QDialog>
#include <QFrame>

class QComboBox;

namespace morvaine {

/// The report grid StringGridReports: draws the report's cells, nothing else.
class ReportGridView : public QFrame {
    Q_OBJECT
public:
    ReportGridView(const ReportGrid &grid, const QComboBox &choice, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const ReportGrid &m_grid;
    const QComboBox &m_choice;
};

class ReportWindow : public QDialog {
    Q_OBJECT
public:
    /// Created once; mainWindow is the window it centres over when shown. Conversion
    /// errors while the report is built are shown through prompts.
    ReportWindow(const Project &project, Prompts &prompts, QWidget *mainWindow = nullptr);

    /// Shows the window modally with the report of the project as it is now.
    int showReport() { return exec(); }
    /// The report as last built.
    const ReportGrid &report() const { return m_grid; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildReport();

    const Project &m_project;
    Prompts &m_prompts;
    QWidget *m_mainWindow;
    ReportGrid m_grid;
    QComboBox *m_choice;
    ReportGridView *m_view;
};

} // namespace morvaine
