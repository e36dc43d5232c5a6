#include "settings_dialog.h"

#include "edit/command_guard.h"
#include "edit/working_days.h"
#include "widgets/icons.h"
#include "widgets/window_position.h"
#include "model/convert.h"
#include "working_time.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace morvaine {

namespace {

const QDate &epoch()
{
    static const QDate day(1899, 12, 30);
    return day;
}

QDate toQDate(TDateTime value) { return epoch().addDays(static_cast<qint64>(value)); }

TDateTime fromQDate(const QDate &day) { return static_cast<TDateTime>(epoch().daysTo(day)); }

const QString &euroSign()
{
    // Stored in the project file as byte 0x88, the euro of code page 1251.
    static const QString sign(QChar(0x20AC));
    return sign;
}

} // namespace

TFormSettings::TFormSettings(Project &project, Host &host, QWidget *mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_project(project), m_host(host), m_mainWindow(mainWindow)
{
    setObjectName(QStringLiteral("TFormSettings"));
    setWindowTitle(QStringLiteral("Settings"));
    setModal(true);
    QFont dialogFont(QStringLiteral("MS Sans Serif"));
    dialogFont.setPixelSize(11);
    setFont(dialogFont);

    auto named = [](QWidget *widget, const char *name) {
        widget->setObjectName(QLatin1String(name));
        return widget;
    };

    // Project info: what saving wrote, shown as it stands.
    auto *groupBox3 = new QGroupBox(QStringLiteral(" Project Info "), this);
    groupBox3->setObjectName(QStringLiteral("GroupBox3"));
    auto *infoLayout = new QFormLayout(groupBox3);
    m_label7 = static_cast<QLabel *>(named(new QLabel(groupBox3), "Label7"));
    m_label8 = static_cast<QLabel *>(named(new QLabel(groupBox3), "Label8"));
    m_label3 = static_cast<QLabel *>(named(new QLabel(groupBox3), "Label3"));
    m_label3->setWordWrap(true);
    infoLayout->addRow(QStringLiteral("Create date:"), m_label7);
    infoLayout->addRow(QStringLiteral("Date of change:"), m_label8);
    infoLayout->addRow(QStringLiteral("File name:"), m_label3);

    auto *image1 = new QLabel(this);
    image1->setObjectName(QStringLiteral("Image1"));
    image1->setFixedSize(82, 81);
    image1->setPixmap(SvgPixmap(QStringLiteral(":/icons/settings_art.svg"), QSize(82, 81),
                                devicePixelRatioF()));
    image1->setAttribute(Qt::WA_TranslucentBackground);

    auto *groupBox2 = new QGroupBox(QStringLiteral(" Settings "), this);
    groupBox2->setObjectName(QStringLiteral("GroupBox2"));
    auto *settingsLayout = new QFormLayout(groupBox2);
    m_editPrjName = static_cast<QLineEdit *>(named(new QLineEdit(groupBox2), "EditPrjName"));
    m_editAuthor = static_cast<QLineEdit *>(named(new QLineEdit(groupBox2), "EditAuthor"));
    m_dateTimePicker1 =
        static_cast<QDateEdit *>(named(new QDateEdit(groupBox2), "DateTimePicker1"));
    m_dateTimePicker1->setCalendarPopup(true);
    m_comboBoxCurrency =
        static_cast<QComboBox *>(named(new QComboBox(groupBox2), "ComboBoxCurrency"));
    m_comboBoxCurrency->setEditable(false);
    m_comboBoxCurrency->addItem(QStringLiteral("$ (dollar)"), QStringLiteral("$"));
    m_comboBoxCurrency->addItem(euroSign() + QLatin1String(" (euro)"), euroSign());
    settingsLayout->addRow(QStringLiteral("Project name:"), m_editPrjName);
    settingsLayout->addRow(QStringLiteral("Author:"), m_editAuthor);
    settingsLayout->addRow(QStringLiteral("Date of start project:"), m_dateTimePicker1);
    settingsLayout->addRow(QStringLiteral("Currency:"), m_comboBoxCurrency);

    auto *groupBox1 = new QGroupBox(QStringLiteral(" Working Days "), this);
    groupBox1->setObjectName(QStringLiteral("GroupBox1"));
    auto *daysLayout = new QHBoxLayout(groupBox1);
    static const char *const dayNames[7] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
    for (int day = 0; day < 7; ++day) {
        m_dayBoxes[day] = new QCheckBox(QLatin1String(dayNames[day]), groupBox1);
        m_dayBoxes[day]->setObjectName(QLatin1String("CheckBox") + QLatin1String(dayNames[day]));
        daysLayout->addWidget(m_dayBoxes[day]);
    }

    auto *groupBox4 = new QGroupBox(QStringLiteral(" Working Time "), this);
    groupBox4->setObjectName(QStringLiteral("GroupBox4"));
    auto *timeLayout = new QHBoxLayout(groupBox4);
    m_editWorkTime = static_cast<QLineEdit *>(named(new QLineEdit(groupBox4), "EditWorkTime"));
    m_editWorkTime->setReadOnly(true);
    auto *upDownWT = new QWidget(groupBox4);
    upDownWT->setObjectName(QStringLiteral("UpDownWT"));
    auto *upDownLayout = new QVBoxLayout(upDownWT);
    upDownLayout->setContentsMargins(0, 0, 0, 0);
    upDownLayout->setSpacing(0);
    auto *up = new QToolButton(upDownWT);
    up->setObjectName(QStringLiteral("UpDownWTUp"));
    up->setArrowType(Qt::UpArrow);
    up->setFixedSize(17, 11);
    auto *down = new QToolButton(upDownWT);
    down->setObjectName(QStringLiteral("UpDownWTDown"));
    down->setArrowType(Qt::DownArrow);
    down->setFixedSize(17, 11);
    upDownLayout->addWidget(up);
    upDownLayout->addWidget(down);
    timeLayout->addWidget(m_editWorkTime);
    timeLayout->addWidget(upDownWT);
    timeLayout->addStretch();
    connect(up, &QToolButton::clicked, this, [this] { UpDownWTClick(true); });
    connect(down, &QToolButton::clicked, this, [this] { UpDownWTClick(false); });

    auto *buttonOK = new QPushButton(QStringLiteral("OK"), this);
    buttonOK->setObjectName(QStringLiteral("ButtonOK"));
    buttonOK->setDefault(true);
    auto *buttonCancel = new QPushButton(QStringLiteral("Cancel"), this);
    buttonCancel->setObjectName(QStringLiteral("ButtonCancel"));
    connect(buttonOK, &QPushButton::clicked, this,
            [this] { RunCommand(m_host, [this] { ButtonOKClick(); }); });
    connect(buttonCancel, &QPushButton::clicked, this, [this] { ButtonCancelClick(); });

    auto *top = new QHBoxLayout;
    top->addWidget(groupBox3, 1);
    top->addWidget(image1, 0, Qt::AlignTop);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(buttonOK);
    buttons->addWidget(buttonCancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(groupBox2);
    layout->addWidget(groupBox1);
    layout->addWidget(groupBox4);
    layout->addStretch();
    layout->addLayout(buttons);

    setFixedSize(490, 437);
}

int TFormSettings::Execute()
{
    RunCommand(m_host, [this] { FormShow(); });
    return exec();
}

void TFormSettings::FormShow()
{
    if (m_mainWindow) {
        if (const auto place = CentredOverMain(m_mainWindow->frameGeometry(), frameGeometry().size()))
            move(*place);
    }

    const SettingsBlock settings = m_project.settings();
    m_label7->setText(settings.createDate());
    m_label8->setText(settings.changeDate());
    m_label3->setText(settings.fileName());
    m_editPrjName->setText(settings.projectName());
    m_editAuthor->setText(settings.author());
    m_dateTimePicker1->setDisplayFormat(ShortDateFormat());
    m_dateTimePicker1->setDate(toQDate(StrToDate(settings.startDate())));

    if (settings.currency() == QLatin1String("$"))
        m_comboBoxCurrency->setCurrentIndex(0);
    else if (settings.currency() == euroSign())
        m_comboBoxCurrency->setCurrentIndex(1);

    const QString &days = settings.workingDays();
    for (int day = 0; day < 7; ++day)
        m_dayBoxes[day]->setChecked(day < days.size() && days.at(day) == QLatin1Char('Y'));

    const int hours = StrToInt(settings.workingTime());
    m_editWorkTime->setText(WorkingTimeText(hours));
    m_upDownPosition = hours;
}

void TFormSettings::UpDownWTClick(bool up)
{
    m_editWorkTime->setText(StepWorkingTime(m_editWorkTime->text(), up));
    m_upDownPosition = WorkingTimeNumber(m_editWorkTime->text());
}

void TFormSettings::ButtonOKClick()
{
    QString workingDays;
    for (QCheckBox *box : m_dayBoxes)
        workingDays += box->isChecked() ? QLatin1Char('Y') : QLatin1Char('N');
    // A week without any working day would leave no day for a task to end on.
    if (!workingDays.contains(QLatin1Char('Y'))) {
        m_host.MessageBox(QStringLiteral("Warning"),
                          QStringLiteral("At least one day of the week must be a working day."),
                          MsgIcon::Warning, MsgButtons::Ok);
        return;
    }

    SettingsBlock settings = m_project.settings();
    settings.setValue(SettingsBlock::ProjectName, m_editPrjName->text());
    settings.setValue(SettingsBlock::Author, m_editAuthor->text());
    settings.setValue(SettingsBlock::StartDate, DateToStr(fromQDate(m_dateTimePicker1->date())));
    settings.setValue(SettingsBlock::Currency, m_comboBoxCurrency->currentData().toString());

    ApplyWorkingDays(m_project, m_host, workingDays);

    settings.setValue(SettingsBlock::WorkingTime,
                      QString::number(WorkingTimeNumber(m_editWorkTime->text())));
    settings.markModified();
    accept();
}

void TFormSettings::ButtonCancelClick() { reject(); }

} // namespace morvaine
