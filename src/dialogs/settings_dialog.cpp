#include "settings_dialog.h"

#include "edit/command_guard.h"
#include "edit/working_days.h"
#include "model/convert.h"
#include "model/project_file.h"
#include "schedule/date_list.h"
#include "widgets/date_field.h"
#include "widgets/icons.h"
#include "widgets/window_position.h"
#include "working_time.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <optional>

namespace morvaine {

namespace {

const QDate &epoch()
{
    static const QDate day(1899, 12, 30);
    return day;
}

// A setting as the dialog shows it: the file keeps "no save file" in English, the
// dialog says it in the UI language.
QString shownSetting(const QString &value)
{
    return value == QLatin1String("no save file")
               ? QCoreApplication::translate("morvaine::SettingsDialog", "no save file")
               : value;
}

QDate toQDate(TDateTime value)
{
    return epoch().addDays(static_cast<qint64>(value));
}

TDateTime fromQDate(const QDate &day)
{
    return static_cast<TDateTime>(epoch().daysTo(day));
}

const QString &euroSign()
{
    // Stored in the project file as byte 0x88, the euro of code page 1251.
    static const QString sign(QChar(0x20AC));
    return sign;
}

} // namespace

SettingsDialog::SettingsDialog(Project &project, Host &host, QWidget *mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_project(project), m_host(host), m_mainWindow(mainWindow)
{
    setObjectName(QStringLiteral("TFormSettings"));
    setWindowTitle(tr("Settings"));
    setModal(true);
    QFont dialogFont(QStringLiteral("MS Sans Serif"));
    dialogFont.setPixelSize(11);
    setFont(dialogFont);

    auto named = [](QWidget *widget, const char *name) {
        widget->setObjectName(QLatin1String(name));
        return widget;
    };

    // Project info: what saving wrote, shown as it stands.
    auto *infoGroup = new QGroupBox(tr(" Project Info "), this);
    infoGroup->setObjectName(QStringLiteral("GroupBox3"));
    auto *infoLayout = new QFormLayout(infoGroup);
    m_createDateLabel = static_cast<QLabel *>(named(new QLabel(infoGroup), "Label7"));
    m_changeDateLabel = static_cast<QLabel *>(named(new QLabel(infoGroup), "Label8"));
    m_fileNameLabel = static_cast<QLabel *>(named(new QLabel(infoGroup), "Label3"));
    m_fileNameLabel->setWordWrap(true);
    infoLayout->addRow(tr("Create date:"), m_createDateLabel);
    infoLayout->addRow(tr("Date of change:"), m_changeDateLabel);
    infoLayout->addRow(tr("File name:"), m_fileNameLabel);

    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setFixedSize(82, 81);
    picture->setPixmap(
        SvgPixmap(QStringLiteral(":/icons/settings_art.svg"), QSize(82, 81), devicePixelRatioF()));
    picture->setAttribute(Qt::WA_TranslucentBackground);

    auto *settingsGroup = new QGroupBox(tr(" Settings "), this);
    settingsGroup->setObjectName(QStringLiteral("GroupBox2"));
    auto *settingsLayout = new QFormLayout(settingsGroup);
    m_projectNameEdit =
        static_cast<QLineEdit *>(named(new QLineEdit(settingsGroup), "EditPrjName"));
    m_authorEdit = static_cast<QLineEdit *>(named(new QLineEdit(settingsGroup), "EditAuthor"));
    // Longer than a cell holds, so that too long a text is refused with a message
    // instead of being cut without a word.
    m_projectNameEdit->setMaxLength(MaxCellBytes + 1);
    m_authorEdit->setMaxLength(MaxCellBytes + 1);
    // The start is typed as a date is typed anywhere, or picked from the calendar.
    m_startDatePicker =
        static_cast<DateField *>(named(new DateField(settingsGroup), "DateTimePicker1"));
    m_startDatePicker->setFixedHeight(m_projectNameEdit->sizeHint().height());
    m_currencyBox =
        static_cast<QComboBox *>(named(new QComboBox(settingsGroup), "ComboBoxCurrency"));
    m_currencyBox->setEditable(false);
    m_currencyBox->addItem(tr("$ (dollar)"), QStringLiteral("$"));
    m_currencyBox->addItem(tr("%1 (euro)").arg(euroSign()), euroSign());
    settingsLayout->addRow(tr("Project name:"), m_projectNameEdit);
    settingsLayout->addRow(tr("Author:"), m_authorEdit);
    settingsLayout->addRow(tr("Date of start project:"), m_startDatePicker);
    settingsLayout->addRow(tr("Currency:"), m_currencyBox);

    auto *daysGroup = new QGroupBox(tr(" Working Days "), this);
    daysGroup->setObjectName(QStringLiteral("GroupBox1"));
    auto *daysLayout = new QHBoxLayout(daysGroup);
    static const char *const dayNames[7] = {QT_TR_NOOP("Mon"), QT_TR_NOOP("Tue"), QT_TR_NOOP("Wed"),
                                            QT_TR_NOOP("Thu"), QT_TR_NOOP("Fri"), QT_TR_NOOP("Sat"),
                                            QT_TR_NOOP("Sun")};
    for (int day = 0; day < 7; ++day) {
        m_dayBoxes[day] = new QCheckBox(tr(dayNames[day]), daysGroup);
        m_dayBoxes[day]->setObjectName(QLatin1String("CheckBox") + QLatin1String(dayNames[day]));
        daysLayout->addWidget(m_dayBoxes[day]);
    }

    auto *timeGroup = new QGroupBox(tr(" Working Time "), this);
    timeGroup->setObjectName(QStringLiteral("GroupBox4"));
    auto *timeLayout = new QHBoxLayout(timeGroup);
    m_workingTimeEdit = static_cast<QLineEdit *>(named(new QLineEdit(timeGroup), "EditWorkTime"));
    m_workingTimeEdit->setReadOnly(true);
    auto *spinner = new QWidget(timeGroup);
    spinner->setObjectName(QStringLiteral("UpDownWT"));
    auto *upDownLayout = new QVBoxLayout(spinner);
    upDownLayout->setContentsMargins(0, 0, 0, 0);
    upDownLayout->setSpacing(0);
    auto *up = new QToolButton(spinner);
    up->setObjectName(QStringLiteral("UpDownWTUp"));
    up->setArrowType(Qt::UpArrow);
    up->setFixedSize(17, 11);
    auto *down = new QToolButton(spinner);
    down->setObjectName(QStringLiteral("UpDownWTDown"));
    down->setArrowType(Qt::DownArrow);
    down->setFixedSize(17, 11);
    upDownLayout->addWidget(up);
    upDownLayout->addWidget(down);
    timeLayout->addWidget(m_workingTimeEdit);
    timeLayout->addWidget(spinner);
    timeLayout->addStretch();
    connect(up, &QToolButton::clicked, this, [this] { onWorkingTimeStep(true); });
    connect(down, &QToolButton::clicked, this, [this] { onWorkingTimeStep(false); });

    auto *okButton = new QPushButton(tr("OK"), this);
    okButton->setObjectName(QStringLiteral("ButtonOK"));
    okButton->setDefault(true);
    auto *cancelButton = new QPushButton(tr("Cancel"), this);
    cancelButton->setObjectName(QStringLiteral("ButtonCancel"));
    connect(okButton, &QPushButton::clicked, this,
            [this] { RunCommand(m_host, [this] { onOk(); }); });
    connect(cancelButton, &QPushButton::clicked, this, [this] { onCancel(); });

    // The specified controls on the first page, the holidays and extra working days on
    // a second one.
    auto *tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("PageControlSettings"));
    auto *projectPage = new QWidget(tabs);
    projectPage->setObjectName(QStringLiteral("TabSheetProject"));
    auto *calendarPage = new QWidget(tabs);
    calendarPage->setObjectName(QStringLiteral("TabSheetCalendar"));
    tabs->addTab(projectPage, tr("Project"));
    tabs->addTab(calendarPage, tr("Calendar"));
    for (QWidget *widget : {static_cast<QWidget *>(infoGroup), static_cast<QWidget *>(picture),
                            static_cast<QWidget *>(settingsGroup),
                            static_cast<QWidget *>(daysGroup), static_cast<QWidget *>(timeGroup)})
        widget->setParent(projectPage);

    auto *top = new QHBoxLayout;
    top->addWidget(infoGroup, 1);
    top->addWidget(picture, 0, Qt::AlignTop);
    auto *projectLayout = new QVBoxLayout(projectPage);
    projectLayout->setContentsMargins(6, 6, 6, 6);
    projectLayout->setSpacing(4);
    projectLayout->addLayout(top);
    projectLayout->addWidget(settingsGroup);
    projectLayout->addWidget(daysGroup);
    projectLayout->addWidget(timeGroup);
    projectLayout->addStretch();

    auto *calendarLayout = new QVBoxLayout(calendarPage);
    calendarLayout->setContentsMargins(6, 6, 6, 6);
    calendarLayout->addWidget(buildExceptionGroup(Holidays, calendarPage));
    calendarLayout->addWidget(buildExceptionGroup(ExtraDays, calendarPage));

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(tabs);
    layout->addLayout(buttons);

    setFixedSize(490, 437);
}

QWidget *SettingsDialog::buildExceptionGroup(ExceptionList list, QWidget *parent)
{
    const bool holidays = list == Holidays;
    const QString name = holidays ? QStringLiteral("Holiday") : QStringLiteral("ExtraDay");
    auto *group = new QGroupBox(holidays ? tr(" Holidays ") : tr(" Extra working days "), parent);
    group->setObjectName(QStringLiteral("GroupBox") + name + QLatin1Char('s'));
    ExceptionControls &controls = m_exceptions[list];
    controls.list = new QListWidget(group);
    controls.list->setObjectName(QStringLiteral("ListBox") + name + QLatin1Char('s'));
    controls.list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    controls.from = new DateField(group);
    controls.from->setObjectName(QStringLiteral("DateTimePicker") + name + QStringLiteral("From"));
    controls.to = new DateField(group);
    controls.to->setObjectName(QStringLiteral("DateTimePicker") + name + QStringLiteral("To"));
    for (DateField *field : {controls.from, controls.to})
        field->setFixedSize(110, m_projectNameEdit->sizeHint().height());
    controls.add = new QPushButton(tr("Add"), group);
    controls.add->setObjectName(QStringLiteral("ButtonAdd") + name);
    controls.remove = new QPushButton(tr("Remove"), group);
    controls.remove->setObjectName(QStringLiteral("ButtonRemove") + name);
    // A single day is the common case: the end follows the start until changed.
    connect(controls.from, &DateField::dateChosen, this,
            [&controls](const QDate &date) { controls.to->setDate(date); });
    connect(controls.add, &QPushButton::clicked, this,
            [this, list] { RunCommand(m_host, [this, list] { onAddException(list); }); });
    connect(controls.remove, &QPushButton::clicked, this,
            [this, list] { onRemoveExceptions(list); });

    auto *fields = new QFormLayout;
    fields->addRow(tr("From:"), controls.from);
    fields->addRow(tr("To:"), controls.to);
    auto *side = new QVBoxLayout;
    side->addLayout(fields);
    side->addWidget(controls.add);
    side->addWidget(controls.remove);
    side->addStretch();
    auto *layout = new QHBoxLayout(group);
    layout->addWidget(controls.list, 1);
    layout->addLayout(side);
    return group;
}

void SettingsDialog::showExceptions(ExceptionList list)
{
    ExceptionControls &controls = m_exceptions[list];
    controls.list->clear();
    if (!controls.read) {
        // The stored text as it is, to be removed as a whole.
        controls.list->addItem(
            m_project.taskTable.cell(ColSettings, list == Holidays ? HolidaysRow : ExtraDaysRow));
        controls.list->item(0)->setForeground(Qt::red);
    }
    for (const DayRange &range : controls.ranges)
        controls.list->addItem(WriteDateList({range}));
    controls.add->setEnabled(controls.read);
}

void SettingsDialog::onAddException(ExceptionList list)
{
    ExceptionControls &controls = m_exceptions[list];
    // Dates typed but not yet finished count, as for the project start.
    for (DateField *field : {controls.from, controls.to}) {
        if (field->finishTyping() == DateField::Finished::Refused) {
            const QString typed = field->lineEdit()->text();
            field->revert();
            field->setFocus();
            m_host.MessageBox(
                tr("Error"),
                QCoreApplication::translate("Conversion", "'%1' is not a valid date").arg(typed),
                MsgIcon::Error, MsgButtons::Ok);
            return;
        }
    }
    if (!controls.from->date().isValid())
        return;
    const QDate to = controls.to->date().isValid() ? controls.to->date() : controls.from->date();
    const std::int64_t first = static_cast<std::int64_t>(fromQDate(controls.from->date()));
    const std::int64_t last = static_cast<std::int64_t>(fromQDate(to));
    controls.ranges.push_back({std::min(first, last), std::max(first, last)});
    controls.ranges = MergeDayRanges(std::move(controls.ranges));
    if (!FitsProjectFileCell(WriteDateList(controls.ranges))) {
        m_host.MessageBox(tr("Attention!"),
                          tr("Sorry, the list is too long: a project file holds at most %1 "
                             "bytes in a cell.")
                              .arg(MaxCellBytes),
                          MsgIcon::Warning, MsgButtons::Ok);
        onRemoveExceptions(list); // nothing selected: shows the list as it was
        return;
    }
    showExceptions(list);
}

void SettingsDialog::onRemoveExceptions(ExceptionList list)
{
    ExceptionControls &controls = m_exceptions[list];
    if (!controls.read) {
        if (controls.list->count() > 0 && controls.list->item(0)->isSelected())
            controls.read = true; // the unreadable text goes
        showExceptions(list);
        return;
    }
    DayRanges kept;
    for (int i = 0; i < int(controls.ranges.size()) && i < controls.list->count(); ++i)
        if (!controls.list->item(i)->isSelected())
            kept.push_back(controls.ranges[std::size_t(i)]);
    controls.ranges = std::move(kept);
    showExceptions(list);
}

QString SettingsDialog::exceptionText(ExceptionList list) const
{
    const ExceptionControls &controls = m_exceptions[list];
    if (!controls.read)
        return m_project.taskTable.cell(ColSettings, list == Holidays ? HolidaysRow : ExtraDaysRow);
    return WriteDateList(controls.ranges);
}

int SettingsDialog::runModal()
{
    RunCommand(m_host, [this] { placeAndFill(); });
    return exec();
}

void SettingsDialog::placeAndFill()
{
    if (m_mainWindow) {
        if (const auto place =
                CentredOverMain(m_mainWindow->frameGeometry(), frameGeometry().size()))
            move(*place);
    }

    // Until they are read below, the lists stand for what is stored, unchanged.
    for (ExceptionControls &controls : m_exceptions) {
        controls.ranges.clear();
        controls.read = false;
        controls.list->clear();
    }

    const SettingsBlock settings = m_project.settings();
    m_createDateLabel->setText(shownSetting(settings.createDate()));
    m_changeDateLabel->setText(shownSetting(settings.changeDate()));
    m_fileNameLabel->setText(shownSetting(settings.fileName()));
    m_projectNameEdit->setText(settings.projectName());
    m_authorEdit->setText(settings.author());
    m_startDatePicker->setDate(toQDate(StrToDate(settings.startDate())));

    if (settings.currency() == QLatin1String("$"))
        m_currencyBox->setCurrentIndex(0);
    else if (settings.currency() == euroSign())
        m_currencyBox->setCurrentIndex(1);

    const QString &days = settings.workingDays();
    for (int day = 0; day < 7; ++day)
        m_dayBoxes[day]->setChecked(day < days.size() && days.at(day) == QLatin1Char('Y'));

    const int hours = StrToInt(settings.workingTime());
    m_workingTimeEdit->setText(WorkingTimeText(hours));
    m_workingHours = hours;

    // Last, so that a list that does not read leaves every other control filled; it is
    // then shown as it is stored, to be removed as a whole, and kept unless removed.
    std::optional<ConversionError> failure;
    for (ExceptionList list : {Holidays, ExtraDays}) {
        ExceptionControls &controls = m_exceptions[list];
        const int row = list == Holidays ? HolidaysRow : ExtraDaysRow;
        controls.ranges.clear();
        controls.read = true;
        try {
            controls.ranges = ReadDateList(m_project.taskTable.cell(ColSettings, row), row);
        } catch (const ConversionError &error) {
            controls.read = false;
            if (!failure)
                failure = error;
        }
        showExceptions(list);
        controls.from->setDate(m_startDatePicker->date());
        controls.to->setDate(m_startDatePicker->date());
    }
    if (failure)
        throw *failure;
}

void SettingsDialog::onWorkingTimeStep(bool up)
{
    m_workingTimeEdit->setText(StepWorkingTime(m_workingTimeEdit->text(), up));
    m_workingHours = WorkingTimeNumber(m_workingTimeEdit->text());
}

void SettingsDialog::onOk()
{
    QString workingDays;
    for (QCheckBox *box : m_dayBoxes)
        workingDays += box->isChecked() ? QLatin1Char('Y') : QLatin1Char('N');
    // A week without any working day would leave no day for a task to end on.
    if (!workingDays.contains(QLatin1Char('Y'))) {
        m_host.MessageBox(tr("Warning"), tr("At least one day of the week must be a working day."),
                          MsgIcon::Warning, MsgButtons::Ok);
        return;
    }
    for (const auto &[label, edit] : {std::pair{QT_TR_NOOP("Project name"), m_projectNameEdit},
                                      std::pair{QT_TR_NOOP("Author"), m_authorEdit}}) {
        if (!FitsProjectFileCell(edit->text())) {
            m_host.MessageBox(tr("Attention!"),
                              tr("Sorry, the '%1' field is too long: a project file "
                                 "holds at most %2 bytes in a cell.")
                                  .arg(tr(label))
                                  .arg(MaxCellBytes),
                              MsgIcon::Warning, MsgButtons::Ok);
            return;
        }
    }
    // A start typed but not yet finished counts; one that is no date keeps the start.
    if (m_startDatePicker->finishTyping() == DateField::Finished::Refused) {
        const QString typed = m_startDatePicker->lineEdit()->text();
        m_startDatePicker->revert();
        m_startDatePicker->setFocus();
        m_host.MessageBox(
            tr("Error"),
            QCoreApplication::translate("Conversion", "'%1' is not a valid date").arg(typed),
            MsgIcon::Error, MsgButtons::Ok);
        return;
    }

    SettingsBlock settings = m_project.settings();
    settings.setValue(SettingsBlock::ProjectName, m_projectNameEdit->text());
    settings.setValue(SettingsBlock::Author, m_authorEdit->text());
    settings.setValue(SettingsBlock::StartDate, DateToStr(fromQDate(m_startDatePicker->date())));
    settings.setValue(SettingsBlock::Currency, m_currencyBox->currentData().toString());

    ApplyCalendar(m_project, m_host, workingDays, exceptionText(Holidays),
                  exceptionText(ExtraDays));

    settings.setValue(SettingsBlock::WorkingTime,
                      QString::number(WorkingTimeNumber(m_workingTimeEdit->text())));
    settings.markModified();
    accept();
}

void SettingsDialog::onCancel()
{
    reject();
}

} // namespace morvaine
