#pragma once
// A Host for rule tests: answers questions from a script and records every message,
// beep, caption and grid request, in order.

#include "model/host.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace morvaine {

struct RecordedMessage {
    QString title;
    QString text;
    MsgIcon icon;
    MsgButtons buttons;
};

class RecordingHost : public Host {
public:
    QList<RecordedMessage> messages;
    /// Answers given to questions in order; Ok/Yes when the script runs out.
    QList<MsgAnswer> answers;
    int beeps = 0;
    QString caption;
    QString saveFileName; // answer of the save dialog; empty = cancelled
    int firstVisibleRow = 1;
    int currentColumn = 1;
    int currentRow = 1;
    bool editing = true;
    int pickerColumn = -1; // -1: picker hidden
    int pickerRow = -1;
    TDateTime pickerDate = 0;
    int taskGridRepaints = 0;
    int chartRepaints = 0;
    int ganttScaleShown = 0;
    bool criticalPathShown = false;
    QStringList calls; // every grid request, as "Name(args)"

    MsgAnswer MessageBox(const QString &title, const QString &text, MsgIcon icon,
                         MsgButtons buttons) override
    {
        messages.append({title, text, icon, buttons});
        if (!answers.isEmpty())
            return answers.takeFirst();
        return buttons == MsgButtons::Ok || buttons == MsgButtons::OkCancel ? MsgAnswer::Ok
                                                                            : MsgAnswer::Yes;
    }
    void Beep() override { ++beeps; }
    void SetCaption(const QString &text) override { caption = text; }
    QString AskSaveFileName() override { return saveFileName; }
    int FirstVisibleTaskRow() override { return firstVisibleRow; }
    int CurrentColumn() override { return currentColumn; }
    int CurrentRow() override { return currentRow; }
    void SelectCell(int column, int row) override
    {
        currentColumn = column;
        currentRow = row;
        calls << QStringLiteral("SelectCell(%1,%2)").arg(column).arg(row);
    }
    void SetEditing(bool on) override { editing = on; }
    void ShowDatePicker(int column, int row) override
    {
        pickerColumn = column;
        pickerRow = row;
    }
    void HideDatePicker() override { pickerColumn = pickerRow = -1; }
    void SetPickerDate(TDateTime date) override { pickerDate = date; }
    void RepaintTaskGrid() override { ++taskGridRepaints; }
    void RepaintChart() override { ++chartRepaints; }
    void ShowGanttScale(int scale) override { ganttScaleShown = scale; }
    void ShowCriticalPathOn(bool on) override { criticalPathShown = on; }

    /// The texts of all messages, in order.
    QStringList texts() const
    {
        QStringList list;
        for (const RecordedMessage &m : messages)
            list << m.text;
        return list;
    }
};

} // namespace morvaine
