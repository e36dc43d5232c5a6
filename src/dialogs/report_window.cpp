#include "dialogs/report_window.h"

#include "dialogs/dialog_position.h"
#include "model/convert.h"
#include "views/report_painter.h"

#include <QComboBox>
#include <QPainter>
#include <QPushButton>

#include <exception>

namespace morvaine {

ReportGridView::ReportGridView(const ReportGrid &grid, const QComboBox &choice, QWidget *parent)
    : QFrame(parent), m_grid(grid), m_choice(choice)
{
    setObjectName(QStringLiteral("StringGridReports"));
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

void ReportGridView::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    if (m_choice.currentIndex() != 0) // only the Total Report is drawn
        return;
    QPainter painter(this);
    painter.setClipRect(contentsRect());
    DrawReport(m_grid, painter, contentsRect().topLeft());
}

ReportWindow::ReportWindow(const Project &project, Prompts &prompts, QWidget *mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowCloseButtonHint),
      m_project(project), m_prompts(prompts), m_mainWindow(mainWindow)
{
    setObjectName(QStringLiteral("TFormReports"));
    setWindowTitle(tr("Reports"));
    setModal(true);
    setFixedSize(617, 496);
    move(457, 150);
    QFont dialogFont(QStringLiteral("MS Sans Serif"));
    dialogFont.setPixelSize(11);
    setFont(dialogFont);

    m_choice = new QComboBox(this);
    m_choice->setObjectName(QStringLiteral("ComboBox1"));
    m_choice->setGeometry(8, 8, 145, 21);
    m_choice->addItem(tr("Total Report"));
    m_choice->setCurrentIndex(0);

    auto *close = new QPushButton(tr("Close"), this);
    close->setObjectName(QStringLiteral("ButtonClose"));
    close->setGeometry(534, 3, 75, 25);
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    m_view = new ReportGridView(m_grid, *m_choice, this);
    m_view->setGeometry(8, 32, 601, 457);
}

void ReportWindow::showEvent(QShowEvent *event)
{
    CentreOverMainWindow(*this, m_mainWindow);
    buildReport();
    QDialog::showEvent(event);
}

void ReportWindow::buildReport()
{
    if (m_choice->currentIndex() != 0)
        return;
    // A text the conversions cannot read ends the building; what was built so far is
    // shown, and the window stays usable.
    try {
        BuildTotalReport(m_project, m_grid);
    } catch (const ConversionError &error) {
        m_prompts.MessageBox(tr("Error"), error.message(), MsgIcon::Error, MsgButtons::Ok);
    } catch (const std::exception &error) {
        // Nothing may escape into the event loop from a show event.
        m_prompts.MessageBox(tr("Error"), QString::fromLocal8Bit(error.what()), MsgIcon::Error,
                             MsgButtons::Ok);
    }
    m_view->update();
}

} // namespace morvaine
