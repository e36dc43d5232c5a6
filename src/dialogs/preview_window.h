#pragma once
// The print preview: one printed page at a time, scaled to fit the window,
// with page navigation and buttons to print and to set up the printer. It keeps no copy
// of the pages: every repaint draws the page again.

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace morvaine {

class Prompts;
class ProjectPages;

class PreviewWindow : public QDialog {
    Q_OBJECT
public:
    /// A window over pages, placed over mainWindow when shown; messages go to prompts.
    PreviewWindow(ProjectPages &pages, Prompts &prompts, QWidget *mainWindow);

    /// Centres the window over the main window (when it fits) and runs it modally.
    int execute();

    /// The page rectangle: the page's proportions, as large as fits area, centred in it.
    static QRect PageRectangle(const QRect &area, int pageWidth, int pageHeight);

    /// The page shown: the page box's number, 1 when the box is empty.
    int pageShown() const;

signals:
    /// Print was pressed: the print dialog and the job run before the window repaints.
    void printRequested();
    /// Print Setup was pressed: the printer setup runs before the window repaints.
    void printSetupRequested();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void onPageTextChanged(const QString &text);
    void onLeftPage();
    void onRightPage();
    void onPrint();
    void onPrintSetup();
    /// The page count as last painted.
    int pageCountShown() const;
    void paintPage();
    /// Shows a cell that cannot be read once, after the paint, not at every repaint.
    void reportPaintError(const QString &message);

    ProjectPages &m_pages;
    Prompts &m_prompts;
    QWidget *m_mainWindow;
    QPushButton *m_print;
    QPushButton *m_printSetup;
    QToolButton *m_leftPage;
    QToolButton *m_rightPage;
    QLineEdit *m_pageBox;
    QLabel *m_pageCount;
    QPushButton *m_cancel;
    QString m_lastPaintError;
};

} // namespace morvaine
