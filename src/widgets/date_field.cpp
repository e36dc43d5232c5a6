#include "widgets/date_field.h"

#include "edit/date_picker.h"
#include "model/convert.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

namespace morvaine {

namespace {

const QDate &epoch()
{
    static const QDate day(1899, 12, 30);
    return day;
}

const QDate FirstDate(1, 1, 1);
const QDate LastDate(9999, 12, 31);

// The runs of digits of a date text: where each starts and ends.
QList<std::pair<int, int>> digitRuns(const QString &text)
{
    QList<std::pair<int, int>> runs;
    for (int i = 0; i < text.size();) {
        if (!text.at(i).isDigit()) {
            ++i;
            continue;
        }
        const int start = i;
        while (i < text.size() && text.at(i).isDigit())
            ++i;
        runs.append({start, i});
    }
    return runs;
}

} // namespace

DateField::DateField(QWidget *parent) : QWidget(parent)
{
    m_line = new QLineEdit(this);
    m_line->installEventFilter(this);
    setFocusProxy(m_line);
    setFocusPolicy(Qt::StrongFocus);

    m_button = new QToolButton(this);
    m_button->setArrowType(Qt::DownArrow);
    m_button->setFocusPolicy(Qt::NoFocus);
    connect(m_button, &QToolButton::clicked, this, &DateField::showCalendar);

    m_popup = new QWidget(this, Qt::Popup);
    m_popup->installEventFilter(this);
    auto *layout = new QVBoxLayout(m_popup);
    layout->setContentsMargins(1, 1, 1, 1);
    m_calendar = new QCalendarWidget(m_popup);
    m_calendar->setDateRange(FirstDate, LastDate);
    m_calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    layout->addWidget(m_calendar);
    // A move of the calendar's selection counts at once; a click or Enter also closes it.
    connect(m_calendar, &QCalendarWidget::selectionChanged, this, [this] {
        if (!m_settingCalendar)
            pick(m_calendar->selectedDate());
    });
    const auto pickAndClose = [this](const QDate &date) {
        pick(date);
        hideCalendar();
    };
    connect(m_calendar, &QCalendarWidget::clicked, this, pickAndClose);
    connect(m_calendar, &QCalendarWidget::activated, this, pickAndClose);
}

QString DateField::textOf(const QDate &date) const
{
    return date.isValid() ? DateToStr(static_cast<TDateTime>(epoch().daysTo(date))) : QString();
}

void DateField::setDate(const QDate &date)
{
    m_date = date;
    showDate();
}

void DateField::showDate()
{
    m_line->setText(textOf(m_date));
    // Typing replaces the whole date; a step goes to its first part.
    if (m_line->hasFocus())
        m_line->selectAll();
    else
        m_line->setCursorPosition(0);
}

bool DateField::isEdited() const
{
    return m_line->text() != textOf(m_date);
}

DateField::Finished DateField::finishTyping()
{
    if (!isEdited())
        return Finished::Unchanged;
    const std::optional<TDateTime> typed = ReadTypedDate(m_line->text());
    if (!typed)
        return Finished::Refused;
    const QDate date = epoch().addDays(static_cast<qint64>(*typed));
    const bool changed = date != m_date;
    setDate(date);
    if (!changed)
        return Finished::Unchanged;
    emit dateChosen(date);
    return Finished::Chosen;
}

void DateField::revert()
{
    showDate();
}

void DateField::pick(const QDate &date)
{
    if (!date.isValid() || date == m_date)
        return;
    setDate(date);
    emit dateChosen(date);
}

void DateField::step(int direction)
{
    QDate base = m_date;
    if (isEdited()) {
        const std::optional<TDateTime> typed = ReadTypedDate(m_line->text());
        if (!typed) {
            QApplication::beep();
            return;
        }
        base = epoch().addDays(static_cast<qint64>(*typed));
    }
    if (!base.isValid())
        return;
    // The part under the cursor steps: the day when the cursor stands in no part.
    const QString text = m_line->text();
    const int cursor =
        m_line->hasSelectedText() ? m_line->selectionStart() : m_line->cursorPosition();
    const QList<std::pair<int, int>> runs = digitRuns(text);
    int part = 0;
    for (int i = 0; i < runs.size(); ++i)
        if (cursor >= runs[i].first)
            part = i;
    const QString order = DatePartOrder();
    const QChar kind = part < order.size() ? order.at(part) : QLatin1Char('d');
    QDate next;
    if (kind == QLatin1Char('M'))
        next = base.addMonths(direction);
    else if (kind == QLatin1Char('y'))
        next = base.addYears(direction);
    else
        next = base.addDays(direction);
    if (!next.isValid() || next < FirstDate || next > LastDate)
        return;
    const bool changed = next != m_date;
    setDate(next);
    // The cursor stays in the part it stepped.
    const QList<std::pair<int, int>> after = digitRuns(m_line->text());
    if (part < after.size())
        m_line->setSelection(after[part].first, after[part].second - after[part].first);
    if (changed)
        emit dateChosen(next);
}

bool DateField::isCalendarShown() const
{
    return m_popup->isVisible();
}

void DateField::showCalendar()
{
    if (m_popup->isVisible())
        return;
    emit calendarAboutToShow();
    {
        m_settingCalendar = true;
        m_calendar->setSelectedDate(m_date.isValid() ? m_date : QDate::currentDate());
        m_settingCalendar = false;
    }
    // Under the field, or above it where the screen ends below.
    m_popup->adjustSize();
    const QSize size = m_popup->sizeHint();
    QPoint at = mapToGlobal(QPoint(0, height()));
    if (const QScreen *display = screen()) {
        const QRect room = display->availableGeometry();
        if (at.y() + size.height() > room.bottom())
            at.setY(mapToGlobal(QPoint(0, 0)).y() - size.height());
        at.setX(qBound(room.left(), at.x(), qMax(room.left(), room.right() - size.width())));
    }
    m_popup->move(at);
    m_popup->show();
    m_calendar->setFocus(Qt::PopupFocusReason);
    emit calendarShown();
}

void DateField::hideCalendar()
{
    m_popup->hide();
}

void DateField::mousePressEvent(QMouseEvent *event)
{
    // A press on the field's own area (its edges) that lies over the button drops the
    // calendar down as the button does.
    if (event->button() == Qt::LeftButton && m_button->geometry().contains(event->pos()))
        showCalendar();
    else
        QWidget::mousePressEvent(event);
}

void DateField::forwardKey(QKeyEvent *event)
{
    // Keys sent to the field itself are the line's; one the line leaves unused comes
    // back here on its way to the field's parent, and goes on there.
    if (m_forwarding) {
        event->ignore();
        return;
    }
    m_forwarding = true;
    QCoreApplication::sendEvent(m_line, event);
    m_forwarding = false;
}

void DateField::keyPressEvent(QKeyEvent *event)
{
    forwardKey(event);
}

void DateField::keyReleaseEvent(QKeyEvent *event)
{
    forwardKey(event);
}

void DateField::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const int buttonWidth = qMin(ButtonWidth, width());
    m_line->setGeometry(0, 0, width() - buttonWidth, height());
    m_button->setGeometry(width() - buttonWidth, 0, buttonWidth, height());
}

bool DateField::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_popup) {
        if (event->type() == QEvent::MouseButtonPress) {
            // A click on the drop-down button closes the calendar and stays there, so
            // that the button does not drop it down again at once.
            const QPoint at = static_cast<QMouseEvent *>(event)->globalPosition().toPoint();
            m_popup->setAttribute(Qt::WA_NoMouseReplay,
                                  m_button->rect().contains(m_button->mapFromGlobal(at)));
        } else if (event->type() == QEvent::Hide) {
            if (isVisible())
                m_line->setFocus(Qt::PopupFocusReason);
            emit calendarHidden();
        }
        return false;
    }
    if (watched != m_line)
        return false;
    if (event->type() == QEvent::FocusIn) {
        // Typing replaces the whole date, as in a cell; a click places the cursor.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::MouseFocusReason && reason != Qt::PopupFocusReason)
            m_line->selectAll();
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    if ((key->key() == Qt::Key_Down && modifiers == Qt::AltModifier) ||
        (key->key() == Qt::Key_F4 && modifiers == Qt::NoModifier)) {
        showCalendar();
        return true;
    }
    if ((key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) && modifiers == Qt::NoModifier) {
        step(key->key() == Qt::Key_Up ? 1 : -1);
        return true;
    }
    if (key->key() == Qt::Key_Escape && modifiers == Qt::NoModifier && isEdited()) {
        // Escape takes back what was typed; with nothing typed it is the window's.
        revert();
        return true;
    }
    return false;
}

} // namespace morvaine
