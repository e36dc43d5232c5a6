// The language the program speaks, started as the program starts, under the UI
// language CTest gives this run (LANGUAGE=de, ru or en, always with German regional
// settings): one language in every text a window shows, and the date format of the
// regional settings whatever the language.

#include "app/command_line.h"
#include "app/main_window.h"
#include "app/ui_language.h"
#include "dialogs/settings_dialog.h"
#include "edit/recovery.h"
#include "exchange/ms_project_xml.h"
#include "model/convert.h"
#include "model/new_project.h"
#include "model/project.h"
#include "recording_host.h"
#include "schedule/forerunner.h"
#include "views/fonts.h"
#include "widgets/date_field.h"
#include "widgets/icons.h"

#include <QApplication>
#include <QBuffer>
#include <QCalendarWidget>
#include <QDialogButtonBox>
#include <QLockFile>
#include <QMenuBar>
#include <QMimeDatabase>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using namespace morvaine;

namespace {

// What a window shows in each language: texts of the program, of Qt and of the
// desktop's MIME database.
struct Expected {
    QString code;
    QStringList menuTitles;
    QString insertTask;
    QString december;
    QString cancel;
    QString pngImage;
    QString helpStart;
    QString errorTitle;
    QString mismatchedTag; // the frame of the import's message and Expat's reason in it
    QString notALinkType;
    QString calendarPage;
};

Expected expectedFor(const QString &language)
{
    if (language == QLatin1String("de"))
        return {"de",
                {"&Datei", "&Bearbeiten", "&Ansicht", "&Vorgang", "E&xtras", "Be&richt", "&Hilfe"},
                "Neuen Vorgang einfügen",
                "Dezember",
                "Abbrechen",
                "PNG-Bild",
                "Aufruf:",
                "Fehler",
                "ist kein wohlgeformtes XML: nicht passendes Tag (Zeile 1",
                "'XX' ist kein Verknüpfungstyp",
                "Kalender"};
    if (language == QLatin1String("ru"))
        return {"ru",
                {"&Файл", "&Правка", "&Вид", "&Задача", "С&ервис", "&Отчёт", "&Справка"},
                "Вставить новую задачу",
                "декабрь",
                "Отмена",
                "Изображение PNG",
                "Использование:",
                "Ошибка",
                "не является корректным XML: несоответствующий тег (строка 1",
                "'XX' не является типом связи",
                "Календарь"};
    return {"en",
            {"&File", "&Edit", "&View", "&Task", "T&ools", "&Report", "&Help"},
            "Insert New Task",
            "December",
            "Cancel",
            "PNG image",
            "Usage:",
            "Error",
            "is not well-formed XML: mismatched tag (line 1",
            "'XX' is not a link type",
            "Calendar"};
}

} // namespace

class TestUiLanguage : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void windowSpeaksOneLanguage();
    void calendarPopupSpeaksIt();
    void qtDialogsAndFileTypesSpeakIt();
    void datesKeepTheRegionalFormat();
    void commandLineSpeaksItAndKeepsCodes();
    void importLinksAndCalendarSpeakIt();
    void unreadableRecoveryCopyIsSetAside();

private:
    Expected m_expected;
    QString m_installed;
};

void TestUiLanguage::initTestCase()
{
    m_expected = expectedFor(qEnvironmentVariable("LANGUAGE"));
    m_installed = InstallUiLanguage();
    QCOMPARE(m_installed, m_expected.code);
}

void TestUiLanguage::windowSpeaksOneLanguage()
{
    MainWindow window;
    QStringList titles;
    for (QAction *menu : window.menuBar()->actions())
        titles << menu->text();
    QCOMPARE(titles, m_expected.menuTitles);
    QCOMPARE(window.action(QStringLiteral("InsertNewTask1"))->text(), m_expected.insertTask);
}

void TestUiLanguage::calendarPopupSpeaksIt()
{
    DateField field;
    field.setDate(QDate(2024, 12, 2));
    field.show();
    field.showCalendar();
    QCalendarWidget *calendar = field.calendarWidget();
    QCOMPARE(QLocale::languageToCode(calendar->locale().language()), m_expected.code);
    auto *month = calendar->findChild<QToolButton *>(QStringLiteral("qt_calendar_monthbutton"));
    QVERIFY(month);
    QCOMPARE(month->text(), m_expected.december);
    // The week starts on the region's first day, Monday in Germany, in every language.
    QCOMPARE(calendar->firstDayOfWeek(), Qt::Monday);
    field.hideCalendar();
}

void TestUiLanguage::qtDialogsAndFileTypesSpeakIt()
{
    QDialogButtonBox buttons(QDialogButtonBox::Cancel);
    QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), m_expected.cancel);
    QCOMPARE(QMimeDatabase().mimeTypeForName(QStringLiteral("image/png")).comment(),
             m_expected.pngImage);
}

void TestUiLanguage::datesKeepTheRegionalFormat()
{
    QCOMPARE(ShortDateFormat(), QStringLiteral("dd.MM.yyyy"));
    QCOMPARE(DateToStr(StrToDate(QStringLiteral("02.12.2024"))), QStringLiteral("02.12.2024"));
}

void TestUiLanguage::commandLineSpeaksItAndKeepsCodes()
{
    QString outText, errText;
    QTextStream out(&outText), err(&errText);
    QCOMPARE(RunWindowless({QStringLiteral("--help")}, out, err), 0);
    out.flush();
    QVERIFY2(outText.startsWith(m_expected.helpStart), qPrintable(outText.left(80)));

    // A file of no known format: the message is in the UI language, its code is not.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("plan.mrv"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("not a project");
    file.close();
    QCOMPARE(RunWindowless({QStringLiteral("--report"), path}, out, err), 1);
    err.flush();
    QVERIFY2(errText.contains(QLatin1String("Code #0005")), qPrintable(errText));
    const bool english = errText.startsWith(QLatin1String("Error: Error opening the file."));
    QCOMPARE(english, m_expected.code == QLatin1String("en"));
}

// Texts of the MS Project import (with Expat's reason for a fault), of link items and
// of the calendar page of Settings.
void TestUiLanguage::importLinksAndCalendarSpeakIt()
{
    QByteArray document = "<Project xmlns=\"http://schemas.microsoft.com/project\"><Name>a</Nme>";
    QBuffer input(&document);
    QVERIFY(input.open(QIODevice::ReadOnly));
    Project project;
    RecordingHost host;
    ImportMsProjectXml(project, host, input, QStringLiteral("plan.xml"));
    QCOMPARE(host.messages.size(), 1);
    QCOMPARE(host.messages[0].title, m_expected.errorTitle);
    QVERIFY2(host.messages[0].text.contains(m_expected.mismatchedTag),
             qPrintable(host.messages[0].text));

    const ParsedLinks parsed = ParseLinks(QStringLiteral(" 3XX;"));
    QCOMPARE(parsed.malformed.size(), 1);
    QVERIFY2(parsed.malformed[0].why.startsWith(m_expected.notALinkType),
             qPrintable(parsed.malformed[0].why));

    RecordingHost settingsHost;
    Project plan;
    InitNewProject(plan, settingsHost);
    SettingsDialog dialog(plan, settingsHost, nullptr);
    auto *tabs = dialog.findChild<QTabWidget *>(QStringLiteral("PageControlSettings"));
    QVERIFY(tabs);
    QCOMPARE(tabs->tabText(1), m_expected.calendarPage);
}

// The copy is first read with a silent host, which tells a failed load by its error
// icon: the title of the message is in the UI language.
void TestUiLanguage::unreadableRecoveryCopyIsSetAside()
{
    QTemporaryDir plans;
    const QString plan = plans.filePath(QStringLiteral("broken.mrv"));
    const QString copyPath = RecoveryCopyPath(plan, NewWindowMark());
    {
        auto lock = LockRecoveryCopy(copyPath);
        QVERIFY(lock);
        Project draft;
        RecordingHost quiet;
        InitNewProject(draft, quiet);
        QVERIFY(WriteRecoveryCopy(draft, plan, copyPath).isEmpty());
    }
    QFile copy(copyPath);
    QVERIFY(copy.open(QIODevice::WriteOnly | QIODevice::Truncate));
    copy.write("not a plan");
    copy.close();

    Project project;
    RecordingHost host;
    InitNewProject(project, host);
    const std::vector<RecoveryCopy> copies = FindRecoveryCopies(plan);
    QCOMPARE(copies.size(), std::size_t(1));
    QVERIFY(!RecoverProject(project, host, copies[0]));
    QCOMPARE(host.messages.size(), 1);
    QCOMPARE(host.messages[0].title, m_expected.errorTitle);
    QVERIFY(host.messages[0].text.contains(QLatin1String(".unreadable-")));
}

int main(int argc, char **argv)
{
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toLocal8Bit());
    QApplication app(argc, argv);
    InstallFontSubstitutions();
    InitResources();
    TestUiLanguage test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_ui_language.moc"
