#pragma once
// Answers the modal dialogs a command opens, in order, from the dialogs' own event
// loop: message boxes are answered with a button, file dialogs with a file or a
// cancel. A dialog that nobody expected is recorded and closed, so a test fails
// instead of hanging.

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <functional>

class ModalScript : public QObject {
public:
    using Step = std::function<void(QWidget *)>;

    ModalScript() { pollSoon(); }

    /// Answers the next message box with button, recording "title|text".
    ModalScript &answer(QMessageBox::StandardButton button)
    {
        m_steps.append([this, button](QWidget *widget) {
            auto *box = qobject_cast<QMessageBox *>(widget);
            if (!box) {
                unexpected << QStringLiteral("not a message box: ") +
                                  widget->metaObject()->className();
                static_cast<QDialog *>(widget)->reject();
                return;
            }
            if (QAbstractButton *b = box->button(button))
                b->click();
            else
                box->reject();
        });
        return *this;
    }

    /// Picks path in the next file dialog.
    ModalScript &chooseFile(const QString &path)
    {
        m_steps.append([this, path](QWidget *widget) {
            auto *dialog = qobject_cast<QFileDialog *>(widget);
            if (!dialog) {
                unexpected << QStringLiteral("not a file dialog: ") +
                                  widget->metaObject()->className();
                static_cast<QDialog *>(widget)->reject();
                return;
            }
            fileDialogs << dialog->objectName() + QLatin1Char('|') +
                               dialog->nameFilters().join(QLatin1Char(';')) + QLatin1Char('|') +
                               dialog->defaultSuffix();
            dialog->selectFile(path);
            static_cast<QDialog *>(dialog)->accept();
        });
        return *this;
    }

    /// Cancels the next dialog of any kind.
    ModalScript &cancel()
    {
        m_steps.append([this](QWidget *widget) {
            if (auto *dialog = qobject_cast<QFileDialog *>(widget))
                fileDialogs << dialog->objectName() + QLatin1String("|cancelled");
            static_cast<QDialog *>(widget)->reject();
        });
        return *this;
    }

    /// Runs any step on the next dialog.
    ModalScript &then(Step step)
    {
        m_steps.append(std::move(step));
        return *this;
    }

    bool done() const { return m_steps.isEmpty(); }

    /// "title|text" of every message box seen, in order.
    QStringList boxes;
    /// "icon" names of the message boxes seen, in order.
    QList<QMessageBox::Icon> icons;
    /// "objectName|filters|suffix" of the file dialogs answered.
    QStringList fileDialogs;
    /// Dialogs that opened with no step left, and steps given the wrong dialog.
    QStringList unexpected;

private:
    // Each poll arms the next one before it answers a dialog: a dialog that the answer
    // itself opens (QFileDialog::accept warns about a missing file) is then answered in
    // its turn instead of waiting for a timer that is still busy.
    void pollSoon()
    {
        QTimer::singleShot(5, this, [this] { poll(); });
    }

    void poll()
    {
        pollSoon();
        QWidget *widget = QApplication::activeModalWidget();
        if (!widget || !widget->isVisible()) {
            m_stuckPolls = 0;
            return;
        }
        if (m_handled.contains(widget)) {
            // An answered dialog that stays open (a file that is not there) is closed
            // after a second, so that the test fails instead of hanging.
            if (++m_stuckPolls == 200) {
                unexpected << QStringLiteral("dialog still open after its answer: ") +
                                  widget->windowTitle();
                if (auto *dialog = qobject_cast<QDialog *>(widget))
                    dialog->reject();
            }
            return;
        }
        m_stuckPolls = 0;
        m_handled.append(widget);
        // The windows keep their dialogs: one shown again is a new dialog to answer.
        widget->installEventFilter(this);
        if (auto *box = qobject_cast<QMessageBox *>(widget)) {
            boxes << box->windowTitle() + QLatin1Char('|') + box->text();
            icons << box->icon();
        }
        if (m_steps.isEmpty()) {
            unexpected << QStringLiteral("unexpected dialog: ") + widget->windowTitle() +
                              QLatin1Char('|') +
                              (qobject_cast<QMessageBox *>(widget)
                                   ? static_cast<QMessageBox *>(widget)->text()
                                   : QString());
            if (auto *dialog = qobject_cast<QDialog *>(widget))
                dialog->reject();
            return;
        }
        m_steps.takeFirst()(widget);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Hide) {
            m_handled.removeAll(qobject_cast<QWidget *>(watched));
            watched->removeEventFilter(this);
        }
        return false;
    }

    QList<Step> m_steps;
    QList<QPointer<QWidget>> m_handled;
    int m_stuckPolls = 0;
};
