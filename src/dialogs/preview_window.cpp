#include "dialogs/preview_window.h"

#include "model/host.h"
#include "output/project_pages.h"
#include "views/canvas.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStyle>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <cmath>

namespace morvaine {

namespace {

// A page number has at most nine digits, so it always reads as an int.
constexpr int MaxPageDigits = 9;

int Trunc(double value)
{
    return static_cast<int>(std::trunc(value));
}

// The page box's number; empty reads as 0.
int PageNumber(const QString &text)
{
    return text.isEmpty() ? 0 : text.toInt();
}

} // namespace

PreviewWindow::PreviewWindow(ProjectPages &pages, Prompts &prompts, QWidget *mainWindow)
    : QDialog(mainWindow), m_pages(pages), m_prompts(prompts), m_mainWindow(mainWindow)
{
    setObjectName(QStringLiteral("TFormPreview"));
    setWindowTitle(tr("Preview"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setMinimumSize(450, 450);
    resize(628, 464);
    move(320, 200);

    m_print = new QPushButton(tr("Print"), this);
    m_print->setObjectName(QStringLiteral("ButtonPrint"));
    m_print->setGeometry(3, 3, 75, 25);
    m_printSetup = new QPushButton(tr("Print Setup"), this);
    m_printSetup->setObjectName(QStringLiteral("ButtonPrintSetup"));
    m_printSetup->setGeometry(81, 3, 75, 25);
    m_leftPage = new QToolButton(this);
    m_leftPage->setObjectName(QStringLiteral("ButtonLeftPage"));
    m_leftPage->setIcon(style()->standardIcon(QStyle::SP_ArrowLeft));
    m_leftPage->setGeometry(159, 3, 25, 25);
    m_rightPage = new QToolButton(this);
    m_rightPage->setObjectName(QStringLiteral("ButtonRightPage"));
    m_rightPage->setIcon(style()->standardIcon(QStyle::SP_ArrowRight));
    m_rightPage->setGeometry(187, 3, 25, 25);
    m_pageBox = new QLineEdit(QStringLiteral("1"), this);
    m_pageBox->setObjectName(QStringLiteral("EditPage"));
    m_pageBox->setGeometry(215, 5, 41, 21);
    m_pageBox->setMaxLength(MaxPageDigits);
    // Pasted text is held to digits as typed keys are.
    m_pageBox->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this));
    m_pageBox->installEventFilter(this);
    m_pageCount = new QLabel(QStringLiteral("123"), this);
    m_pageCount->setObjectName(QStringLiteral("LabelPage"));
    m_pageCount->move(266, 9);
    m_cancel = new QPushButton(tr("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("ButtonCancel"));
    m_cancel->setGeometry(301, 3, 75, 25);
    m_cancel->setAutoDefault(false);
    m_print->setAutoDefault(false);
    m_printSetup->setAutoDefault(false);

    connect(m_pageBox, &QLineEdit::textChanged, this, &PreviewWindow::onPageTextChanged);
    connect(m_leftPage, &QToolButton::clicked, this, &PreviewWindow::onLeftPage);
    connect(m_rightPage, &QToolButton::clicked, this, &PreviewWindow::onRightPage);
    connect(m_print, &QPushButton::clicked, this, &PreviewWindow::onPrint);
    connect(m_printSetup, &QPushButton::clicked, this, &PreviewWindow::onPrintSetup);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

int PreviewWindow::execute()
{
    if (m_mainWindow) {
        const QRect main = m_mainWindow->frameGeometry();
        const QSize own = frameGeometry().size();
        if (own.width() < main.width() && main.height() > own.height())
            move(main.left() + (main.width() - own.width()) / 2,
                 main.top() + (main.height() - own.height()) / 2);
    }
    return exec();
}

QRect PreviewWindow::PageRectangle(const QRect &area, int pageWidth, int pageHeight)
{
    // area is given as left, top, right, bottom edges with exclusive right and bottom.
    const int areaWidth = area.width();
    const int areaHeight = area.height();
    const float scale =
        std::min(float(areaHeight) / float(pageHeight), float(areaWidth) / float(pageWidth));
    const int top = Trunc((areaHeight - pageHeight * double(scale)) * 0.5 + area.top());
    const int bottom = Trunc(pageHeight * double(scale) + top);
    const int left = Trunc((areaWidth - pageWidth * double(scale)) * 0.5 + area.left());
    const int right = Trunc(pageWidth * double(scale) + left);
    return QRect(left, top, right - left, bottom - top);
}

int PreviewWindow::pageShown() const
{
    return std::max(1, PageNumber(m_pageBox->text()));
}

int PreviewWindow::pageCountShown() const
{
    return m_pageCount->text().toInt();
}

void PreviewWindow::paintEvent(QPaintEvent *)
{
    try {
        paintPage();
        m_lastPaintError.clear();
    } catch (const ConversionError &error) {
        reportPaintError(error.message());
    }
}

void PreviewWindow::reportPaintError(const QString &message)
{
    if (message == m_lastPaintError)
        return;
    m_lastPaintError = message;
    QTimer::singleShot(0, this, [this, message] {
        m_prompts.MessageBox(tr("Error"), message, MsgIcon::Error, MsgButtons::Ok);
    });
}

void PreviewWindow::paintPage()
{
    const QRect area(10, m_cancel->geometry().bottom() + 1 + 4, width() - 20,
                     height() - 6 - (m_cancel->geometry().bottom() + 1 + 4));
    if (area.height() < 200 || area.width() < 200)
        return;

    const Pagination layout = m_pages.layout();
    const int pageCount = layout.pageCount();
    m_pageCount->setText(QString::number(pageCount));
    m_pageCount->adjustSize();
    if (std::max(1, PageNumber(m_pageBox->text())) > pageCount)
        m_pageBox->setText(QStringLiteral("1"));

    const PageSetup setup = layout.setup();
    const QRect page = PageRectangle(area, setup.pageWidth, setup.pageHeight);
    QPainter painter(this);
    Canvas canvas(painter);
    const QColor brush = canvas.brushColor();
    canvas.setBrushColor(Qt::white);
    canvas.fillRect(page);
    canvas.setBrushColor(brush);

    const float scale = std::min(float(area.height()) / float(setup.pageHeight),
                                 float(area.width()) / float(setup.pageWidth));
    const float x = scale * setup.pixelRatio();
    m_pages.DrawPage(layout, pageShown(), canvas, page, x);

    // A frame and a two-pixel shadow below and to the right of the page.
    canvas.setPenColor(Qt::black);
    const int l = page.left(), t = page.top();
    const int r = page.left() + page.width(), b = page.top() + page.height();
    const auto line = [&canvas](int x1, int y1, int x2, int y2) {
        canvas.moveTo(x1, y1);
        canvas.lineTo(x2, y2);
    };
    line(l - 1, t - 1, r + 1, t - 1);
    line(l - 1, b + 1, r + 2, b + 1);
    line(l - 1, t - 1, l - 1, b + 1);
    line(r + 1, t - 1, r + 1, b + 1);
    line(l + 2, b + 2, r + 3, b + 2);
    line(l + 4, b + 3, r + 4, b + 3);
    line(r + 2, t + 2, r + 2, b + 3);
    line(r + 3, t + 4, r + 3, b + 4);
}

void PreviewWindow::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    update();
}

bool PreviewWindow::eventFilter(QObject *watched, QEvent *event)
{
    // Only digits and backspace are typed into the page box.
    if (watched == m_pageBox && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const QString text = key->text();
        if (!text.isEmpty() && key->key() != Qt::Key_Backspace &&
            !(text.size() == 1 && text[0] >= QLatin1Char('0') && text[0] <= QLatin1Char('9')))
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

void PreviewWindow::onPageTextChanged(const QString &text)
{
    if (text.isEmpty())
        return;
    const int number = PageNumber(text);
    if (number > pageCountShown()) {
        m_prompts.MessageBox(tr("Warning"), tr("The page number is too large. No such page."),
                             MsgIcon::Warning, MsgButtons::Ok);
        m_pageBox->setText(QString::number(pageCountShown()));
    } else if (number == 0) {
        m_pageBox->setText(QStringLiteral("1"));
    } else {
        m_pageBox->setText(QString::number(number));
    }
    update();
}

void PreviewWindow::onLeftPage()
{
    if (m_pageBox->text().isEmpty()) {
        m_pageBox->setText(QStringLiteral("1"));
        return;
    }
    const int page = PageNumber(m_pageBox->text()) - 1;
    if (page >= 1) {
        m_pageBox->setText(QString::number(page));
        update();
    }
}

void PreviewWindow::onRightPage()
{
    if (m_pageBox->text().isEmpty()) {
        m_pageBox->setText(QStringLiteral("1"));
        return;
    }
    const int page = PageNumber(m_pageBox->text()) + 1;
    if (page <= pageCountShown()) {
        m_pageBox->setText(QString::number(page));
        update();
    }
}

void PreviewWindow::onPrint()
{
    emit printRequested();
    update();
}

void PreviewWindow::onPrintSetup()
{
    emit printSetupRequested();
    update();
}

} // namespace morvaine
