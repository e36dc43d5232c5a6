#pragma once
// A date field: a line to type a date into, the way people type dates in the short
// date format, and a drop-down calendar to pick one. What is typed counts only when
// its owner finishes it (finishTyping: Enter, Tab, leaving, a command); until then
// the field keeps the date it had. Up and Down step the part of the date under the
// cursor, and a day picked in the calendar counts at once, like a finished date.

#include <QDate>
#include <QWidget>

class QCalendarWidget;
class QLineEdit;
class QToolButton;

namespace morvaine {

class DateField : public QWidget {
    Q_OBJECT
public:
    /// Width of the drop-down button at the right.
    static constexpr int ButtonWidth = 14;

    explicit DateField(QWidget *parent = nullptr);

    /// The date the field stands for: the last one set or chosen.
    QDate date() const { return m_date; }
    /// Shows a date set by the program; no signal, and typing not finished is dropped.
    void setDate(const QDate &date);

    QLineEdit *lineEdit() const { return m_line; }
    QCalendarWidget *calendarWidget() const { return m_calendar; }
    /// The drop-down window that holds the calendar.
    QWidget *calendarPopup() const { return m_popup; }
    bool isCalendarShown() const;
    /// Drops the calendar down under the field, on the field's date.
    void showCalendar();
    void hideCalendar();

    /// Whether the line holds something else than the date's own text.
    bool isEdited() const;

    enum class Finished {
        Unchanged, ///< nothing typed, or the same date typed again
        Chosen,    ///< a new date typed: it is the field's date now, dateChosen was sent
        Refused,   ///< the text is no date; it stays in the line, the date is unchanged
    };
    /// Takes what was typed as the field's date when it reads as one.
    Finished finishTyping();
    /// Shows the field's date again instead of what was typed.
    void revert();

signals:
    /// The user chose a date: finished typing it, stepped to it, or picked it.
    void dateChosen(const QDate &date);
    /// The calendar is about to drop down: a typed date is to be finished first.
    void calendarAboutToShow();
    /// The calendar dropped down.
    void calendarShown();
    /// The calendar closed, whatever closed it.
    void calendarHidden();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    /// Up (+1) or Down (-1) on the part of the date under the cursor (where a selection
    /// starts).
    void step(int direction);
    /// Hands a key sent to the field to its line.
    void forwardKey(QKeyEvent *event);
    /// Shows the field's date in the line.
    void showDate();
    /// A date picked in the calendar.
    void pick(const QDate &date);
    QString textOf(const QDate &date) const;

    QDate m_date;
    QLineEdit *m_line;
    QToolButton *m_button;
    QWidget *m_popup;
    QCalendarWidget *m_calendar;
    bool m_settingCalendar = false;
    bool m_forwarding = false;
};

} // namespace morvaine
