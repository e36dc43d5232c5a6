#include "test_classes.h"

#include "exchange_fixture.h"

#include <QTest>

using namespace morvaine;

namespace {

QString task(int id, const QString &inner, int level = 1)
{
    return QStringLiteral("<Task><UID>%1</UID><ID>%1</ID><OutlineLevel>%2</OutlineLevel>%3</Task>")
        .arg(id)
        .arg(level)
        .arg(inner);
}

QString tasks(const QString &inner)
{
    return QStringLiteral("<Tasks>%1</Tasks>").arg(inner);
}

const QString Start = QStringLiteral("<Start>2026-12-07T08:00:00</Start>");

} // namespace

void TestMsProjectImport::init()
{
    SetShortDateFormat(QStringLiteral("dd.MM.yyyy"));
}

void TestMsProjectImport::planWrittenByMsProject()
{
    ExchangeFixture f;
    f.project.taskTable.setCell(ColTask, 9, QStringLiteral("Old task"));
    f.project.LastTaskRow = 9;
    f.import(fixturePath(QStringLiteral("ms_project/office_move.xml")));

    // Rows in ID order: the project summary task and the null task are no rows.
    const QStringList expected[] = {
        // A group task's Duration keeps its unit as every other row's does.
        {"Planning", "5 days", "07.12.2026", "11.12.2026", "", "", "60 %", "1", "v"},
        {"Survey the rooms", "2 days", "07.12.2026", "08.12.2026", "", " Crane  hired;", "100 %",
         "2", ""},
        // The day of lag lies between the survey and the plan (Wednesday), which the
        // recalculation after the import places from Thursday.
        {"Draw the floor plan", "2 days", "10.12.2026", "11.12.2026", " 2+1;", "", "0 %", "2", ""},
        {"Approval", "0 days", "11.12.2026", "11.12.2026", " 3;", "", "0 %", "1", ""},
        // The links keep their types and lags; the Saturday of the six-day week counts.
        {"Move the furniture", "3 days", "11.12.2026", "14.12.2026", " 4SS;", " Anna; Bob;", "0 %",
         "1", ""},
        {"Task 7", "1 day", "07.12.2026", "07.12.2026", "", "", "0 %", "1", ""},
    };
    for (int row = 1; row <= 6; ++row)
        for (int column = ColTask; column <= ColVeha; ++column)
            QCOMPARE(f.cell(column, row), expected[row - 1].at(column - 1));
    QCOMPARE(f.cell(ColTask, 7), QString());
    QCOMPARE(f.cell(ColTask, 9), QString());
    QCOMPARE(f.project.LastTaskRow, 6);

    const QStringList resources[] = {
        {"Anna", "25"}, {"Bob", "12.5"}, {"Bob 2", "0"}, {"Crane  hired", "50"}, {"", ""}};
    for (int row = 1; row <= 5; ++row) {
        QCOMPARE(f.resource(ResColName, row), resources[row - 1].at(0));
        QCOMPARE(f.resource(ResColCost, row), resources[row - 1].at(1));
    }

    const SettingsBlock s = f.project.settings();
    QCOMPARE(s.projectName(), QStringLiteral("Office move"));
    QCOMPARE(s.author(), QStringLiteral("Ann Lee"));
    QCOMPARE(s.startDate(), QStringLiteral("07.12.2026"));
    QCOMPARE(s.workingDays(), QStringLiteral("YYYYYYN"));
    QCOMPARE(s.workingTime(), QStringLiteral("8"));
    QCOMPARE(s.currency(), QString(QChar(0x20AC)));
    // Not saved yet: Save asks for a project file name.
    QCOMPARE(s.fileName(), QStringLiteral("no save file"));
    QCOMPARE(s.modify(), QStringLiteral("Yes"));
    QCOMPARE(f.host.caption, QStringLiteral("Morvaine 1.0"));

    // Every loss is told once, in one box. The lag and the start-to-start link move
    // Draw the floor plan, Approval, Move the furniture and the Planning group.
    QCOMPARE(f.host.messages.size(), 1);
    QCOMPARE(f.host.messages[0].title, QStringLiteral("Warning"));
    QCOMPARE(f.host.messages[0].text,
             QStringLiteral("1 link to tasks outside the plan left out.\n"
                            "2 resources renamed: the characters ', . ; :' became blanks, and "
                            "names were made unique.\n"
                            "Dates of 4 tasks moved to agree with the working calendar and the "
                            "links."));
}

void TestMsProjectImport::linkTypesAndLags_data()
{
    QTest::addColumn<QString>("link"); // the PredecessorLink's elements after its UID
    QTest::addColumn<QString>("forerunner");
    QTest::addColumn<QString>("changed"); // the message's line about links, if any
    const auto lag = [](const char *type, qint64 lag, int format) {
        return QStringLiteral("<Type>%1</Type><LinkLag>%2</LinkLag><LagFormat>%3</LagFormat>")
            .arg(QLatin1String(type))
            .arg(lag)
            .arg(format);
    };
    const qint64 day = 480 * 10; // a working day in tenths of a minute
    QTest::newRow("finish-to-finish") << "<Type>0</Type>"
                                      << " 1FF;"
                                      << "";
    QTest::newRow("finish-to-start") << "<Type>1</Type>"
                                     << " 1;"
                                     << "";
    QTest::newRow("start-to-finish") << "<Type>2</Type>"
                                     << " 1SF;"
                                     << "";
    QTest::newRow("start-to-start") << "<Type>3</Type>"
                                    << " 1SS;"
                                    << "";
    QTest::newRow("no type") << ""
                             << " 1;"
                             << "";
    QTest::newRow("lag in days") << lag("3", 2 * day, 7) << " 1SS+2;"
                                 << "";
    QTest::newRow("lead in days") << lag("1", -day, 7) << " 1-1;"
                                  << "";
    QTest::newRow("lag in whole days of hours") << lag("0", 3 * day, 5) << " 1FF+3;"
                                                << "";
    QTest::newRow("estimated lag") << lag("0", day, 39) << " 1FF+1;"
                                   << "";
    QTest::newRow("part of a day rounds to the nearest")
        << lag("1", day * 14 / 10, 5) << " 1+1;"
        << "1 of 1 link was changed: 1 lag of part of a day rounded to whole working days.";
    QTest::newRow("part of a day is at least one day")
        << lag("3", -day / 4, 5) << " 1SS-1;"
        << "1 of 1 link was changed: 1 lag of part of a day rounded to whole working days.";
    // Two elapsed days hold 2 * 5/7 working days of a five-day week.
    QTest::newRow("elapsed lag") << lag("3", 2 * 24 * 60 * 10, 8) << " 1SS+1;"
                                 << "1 of 1 link was changed: 1 lag in elapsed time taken as "
                                    "working days.";
    // Half of the predecessor's 4 days.
    QTest::newRow("percent lag") << lag("1", 50, 19) << " 1+2;"
                                 << "1 of 1 link was changed: 1 lag in percent taken as working "
                                    "days of the predecessor.";
    QTest::newRow("lag beyond 999 days")
        << lag("1", 1200 * day, 7) << " 1+999;"
        << "1 of 1 link was changed: 1 lag beyond 999 working days cut to 999.";
    QTest::newRow("unknown type") << "<Type>7</Type>"
                                  << " 1;"
                                  << "1 of 1 link was changed: 1 link of an unknown type made "
                                     "finish-to-start.";
}

void TestMsProjectImport::linkTypesAndLags()
{
    QFETCH(QString, link);
    QFETCH(QString, forerunner);
    QFETCH(QString, changed);
    ExchangeFixture f;
    f.importText(QStringLiteral("<Project xmlns=\"http://schemas.microsoft.com/project\">") +
                 tasks(task(1, Start + "<Duration>PT32H0M0S</Duration>") +
                       task(2, Start +
                                   "<Duration>PT8H0M0S</Duration><PredecessorLink>"
                                   "<PredecessorUID>1</PredecessorUID>" +
                                   link + "</PredecessorLink>")) +
                 QStringLiteral("</Project>"));
    QCOMPARE(f.cell(ColForerunner, 2), forerunner);
    QStringList linkLines;
    for (const QString &text : f.host.texts())
        for (const QString &line : text.split(QLatin1Char('\n')))
            if (line.contains(QLatin1String("changed")))
                linkLines << line;
    QCOMPARE(linkLines, changed.isEmpty() ? QStringList() : QStringList{changed});
}

void TestMsProjectImport::mapping_data()
{
    QTest::addColumn<QString>("body");
    QTest::addColumn<bool>("resourceTable");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("expected");

    const auto add = [](const char *name, const QString &body, int column, int row,
                        const char *expected, bool resourceTable = false) {
        QTest::newRow(name) << body << resourceTable << column << row
                            << QString::fromUtf8(expected);
    };
    add("empty name", tasks(task(3, "<Name></Name>")), ColTask, 1, "Task 3");
    add("references, CDATA and comments",
        tasks(task(1, "<Name>R&amp;D &#x20AC;<!-- note --> <![CDATA[<b>]]></Name>")), ColTask, 1,
        "R&D € <b>");
    add("duration in days", tasks(task(1, Start + "<Duration>PT40H0M0S</Duration>")), ColDuration,
        1, "5 days");
    add("part of a day rounds up", tasks(task(1, Start + "<Duration>PT4H30M0S</Duration>")),
        ColDuration, 1, "1 day");
    add("file's minutes per day",
        "<MinutesPerDay>360</MinutesPerDay>" +
            tasks(task(1, Start + "<Duration>PT13H0M0S</Duration>")),
        ColDuration, 1, "3 days");
    add("milestone",
        tasks(task(1, Start + "<Duration>PT8H0M0S</Duration><Milestone>1</Milestone>")),
        ColDuration, 1, "0 days");
    add("zero duration", tasks(task(1, Start + "<Duration>PT0H0M0S</Duration>")), ColDuration, 1,
        "0 days");
    // Elapsed time runs on every day: the working days among the calendar days it spans.
    const auto elapsed = [](const char *start, const char *duration, int format) {
        return tasks(task(1, QStringLiteral("<Start>%1T08:00:00</Start><Duration>%2</Duration>"
                                            "<DurationFormat>%3</DurationFormat>")
                                 .arg(QLatin1String(start), QLatin1String(duration))
                                 .arg(format)));
    };
    add("elapsed day", elapsed("2026-12-07", "PT24H0M0S", 8), ColDuration, 1, "1 day");
    add("elapsed day on a Friday", elapsed("2026-12-11", "PT24H0M0S", 8), ColDuration, 1, "1 day");
    add("elapsed hours into a second day", elapsed("2026-12-07", "PT30H0M0S", 6), ColDuration, 1,
        "2 days");
    add("elapsed week", elapsed("2026-12-07", "PT168H0M0S", 10), ColDuration, 1, "5 days");
    add("elapsed week ends on its last working day", elapsed("2026-12-07", "PT168H0M0S", 10),
        ColEnd, 1, "11.12.2026");
    add("estimated elapsed days over a weekend", elapsed("2026-12-09", "PT96H0M0S", 40),
        ColDuration, 1, "3 days");
    add("elapsed minutes", elapsed("2026-12-07", "PT90M0S", 4), ColDuration, 1, "1 day");
    add("working days stay working days", elapsed("2026-12-07", "PT24H0M0S", 7), ColDuration, 1,
        "3 days");
    add("day part of a working duration", elapsed("2026-12-07", "P2DT4H0M0S", 7), ColDuration, 1,
        "3 days");
    add("completion", tasks(task(1, "<PercentComplete>45</PercentComplete>")), ColCompletion, 1,
        "45 %");
    add("completion above 100", tasks(task(1, "<PercentComplete>250</PercentComplete>")),
        ColCompletion, 1, "100 %");
    add("start date",
        tasks(task(1, "<Start>2026-12-08T13:00:00</Start><Duration>PT8H0M0S</Duration>")), ColStart,
        1, "08.12.2026");
    add("finish at midnight ends the day before",
        tasks(task(1, "<Start>2026-12-07T00:00:00</Start><Finish>2026-12-09T00:00:00</Finish>")),
        ColEnd, 1, "08.12.2026");
    add("level rises by one at most", tasks(task(1, "") + task(2, "", 3)), ColLevel, 2, "2");
    add("summary is a group task", tasks(task(1, "") + task(2, "", 2)), ColVeha, 1, "v");
    // Finish is optional: a group without one is fitted to its sub-tasks.
    const QString noFinish = tasks(task(1, Start) + task(2, Start, 2) +
                                   task(3, Start + "<Duration>PT16H0M0S</Duration>", 3));
    add("three levels without Finish", noFinish, ColEnd, 1, "08.12.2026");
    add("three levels without Finish, middle group", noFinish, ColEnd, 2, "08.12.2026");
    add("leaf without Finish", noFinish, ColEnd, 3, "08.12.2026");
    add("links to one task once",
        tasks(task(1, Start + "<Duration>PT8H0M0S</Duration>") +
              task(2, "<PredecessorLink><PredecessorUID>1</PredecessorUID></PredecessorLink>"
                      "<PredecessorLink><PredecessorUID>1</PredecessorUID></PredecessorLink>")),
        ColForerunner, 2, " 1;");
    add("title", "<Name>plan.xml</Name><Title>Kitchen</Title>", ColSettings,
        SettingsBlock::ProjectName, "Kitchen");
    add("name without title", "<Name>plan.xml</Name>", ColSettings, SettingsBlock::ProjectName,
        "plan.xml");
    add("author", "<Author>Zoë</Author>", ColSettings, SettingsBlock::Author, "Zoë");
    add("project start", "<StartDate>2027-01-04T08:00:00</StartDate>", ColSettings,
        SettingsBlock::StartDate, "04.01.2027");
    add("hours per day rounded", "<MinutesPerDay>450</MinutesPerDay>", ColSettings,
        SettingsBlock::WorkingTime, "8");
    add("hours per day at most 24", "<MinutesPerDay>1800</MinutesPerDay>", ColSettings,
        SettingsBlock::WorkingTime, "24");
    add("hours per day at least 1", "<MinutesPerDay>20</MinutesPerDay>", ColSettings,
        SettingsBlock::WorkingTime, "1");
    add("euro", "<CurrencySymbol>€</CurrencySymbol>", ColSettings, SettingsBlock::Currency, "€");
    add("base calendar without CalendarUID",
        "<Calendars><Calendar><UID>5</UID><IsBaseCalendar>1</IsBaseCalendar><WeekDays>"
        "<WeekDay><DayType>2</DayType><DayWorking>0</DayWorking></WeekDay>"
        "<WeekDay><DayType>1</DayType><DayWorking>1</DayWorking></WeekDay>"
        "</WeekDays></Calendar></Calendars>",
        ColSettings, SettingsBlock::WorkingDays, "NYYYYNY");
    const QString bob = "<Resource><UID>1</UID><ID>1</ID><Name>Bob</Name></Resource>";
    add("resource name characters",
        "<Resources><Resource><UID>1</UID><ID>1</ID><Name> A;B:C </Name></Resource></Resources>",
        ResColName, 1, "A B C", true);
    add("resource names unique",
        "<Resources>" + bob +
            "<Resource><UID>2</UID><ID>2</ID><Name>Bob</Name></Resource></Resources>",
        ResColName, 2, "Bob 2", true);
    add("null resource is none",
        "<Resources><Resource><UID>0</UID><ID>0</ID></Resource>" + bob + "</Resources>", ResColName,
        1, "Bob", true);
    add("rate per hour",
        "<Resources><Resource><UID>1</UID><ID>1</ID><Name>Bob</Name><StandardRate>12.50</"
        "StandardRate>"
        "</Resource></Resources>",
        ResColCost, 1, "12.5", true);
    add("no rate", "<Resources>" + bob + "</Resources>", ResColCost, 1, "", true);
    add("assigned twice, listed once",
        tasks(task(1, "")) + "<Resources>" + bob +
            "</Resources><Assignments><Assignment><TaskUID>1</TaskUID><ResourceUID>1</ResourceUID>"
            "</Assignment><Assignment><TaskUID>1</TaskUID><ResourceUID>1</ResourceUID>"
            "</Assignment></Assignments>",
        ColResource, 1, " Bob;");
    // Links and assignments find tasks and resources by UID, however far apart the UIDs
    // are; of two tasks with one UID, the later one has it.
    for (const int far : {3, 2000000000}) {
        const auto uidTask = [](int uid, int id, const QString &inner) {
            return QStringLiteral("<Task><UID>%1</UID><ID>%2</ID>%3</Task>")
                .arg(uid)
                .arg(id)
                .arg(inner);
        };
        const QString linkTo = QStringLiteral("<PredecessorLink><PredecessorUID>%1</PredecessorUID>"
                                              "</PredecessorLink>")
                                   .arg(far);
        const QString plan =
            tasks(uidTask(far, 1, Start) + uidTask(-7, 2, Start) + uidTask(far, 3, Start) +
                  uidTask(12, 4, linkTo)) +
            QStringLiteral("<Resources><Resource><UID>%1</UID><ID>1</ID><Name>Bob</Name>"
                           "</Resource><Resource><UID>-4</UID><ID>2</ID><Name>Ann</Name>"
                           "</Resource></Resources><Assignments>")
                .arg(far);
        const auto assign = [](int task, int resource) {
            return QStringLiteral("<Assignment><TaskUID>%1</TaskUID><ResourceUID>%2</ResourceUID>"
                                  "</Assignment>")
                .arg(task)
                .arg(resource);
        };
        const QString assignments = assign(-7, -4) + assign(12, far) + assign(-7, far) +
                                    assign(12, -4) + assign(-7, -4) + assign(99, far) +
                                    "</Assignments>";
        const QByteArray name = "UIDs up to " + QByteArray::number(far);
        QTest::newRow(name + ", link")
            << plan + assignments << false << int(ColForerunner) << 4 << QStringLiteral(" 3;");
        QTest::newRow(name + ", resources")
            << plan + assignments << false << int(ColResource) << 2 << QStringLiteral(" Ann; Bob;");
        QTest::newRow(name + ", resources of another")
            << plan + assignments << false << int(ColResource) << 4 << QStringLiteral(" Bob; Ann;");
    }
}

void TestMsProjectImport::mapping()
{
    QFETCH(QString, body);
    QFETCH(bool, resourceTable);
    QFETCH(int, column);
    QFETCH(int, row);
    QFETCH(QString, expected);

    ExchangeFixture f;
    f.importText(msProjectDocument(body));
    for (const RecordedMessage &m : f.host.messages)
        QVERIFY2(m.title != QLatin1String("Error"), qPrintable(m.text));
    QCOMPARE(resourceTable ? f.resource(column, row) : f.cell(column, row), expected);
}

void TestMsProjectImport::refusedDocumentLeavesProjectAsItWas_data()
{
    QTest::addColumn<QByteArray>("document");
    QTest::addColumn<QString>("message"); // %1 is the file's path; empty: any "Error"

    const auto add = [](const char *name, const QString &document, const QString &message) {
        QTest::newRow(name) << document.toUtf8() << message;
    };
    add("year after 9999", msProjectDocument(tasks(task(1, "<Start>10000-01-01T08:00:00</Start>"))),
        "The date '10000-01-01T08:00:00' on line 3 is not a date of the years 1 to 9999.");
    add("year 0", msProjectDocument("<StartDate>0000-06-01T08:00:00</StartDate>"),
        "The date '0000-06-01T08:00:00' on line 3 is not a date of the years 1 to 9999.");
    add("bad number", msProjectDocument(tasks("<Task><OutlineLevel>two</OutlineLevel></Task>")),
        "'two' on line 3 is not a valid value of <OutlineLevel>.");
    add("bad duration", msProjectDocument(tasks(task(1, "<Duration>P1Y</Duration>"))),
        "'P1Y' on line 3 is not a valid value of <Duration>.");
    add("end after 9999",
        msProjectDocument(
            tasks(task(1, "<Start>9999-12-01T08:00:00</Start><Duration>PT800H0M0S</Duration>"))),
        QString());
    add("elapsed end after 9999",
        msProjectDocument(tasks(task(1, "<Start>9999-12-01T08:00:00</Start><Duration>PT2000H0M0S"
                                        "</Duration><DurationFormat>8</DurationFormat>"))),
        QString());
}

void TestMsProjectImport::refusedDocumentLeavesProjectAsItWas()
{
    QFETCH(QByteArray, document);
    QFETCH(QString, message);

    ExchangeFixture f;
    f.project.taskTable.setCell(ColTask, 1, QStringLiteral("Keep me"));
    f.project.taskTable.setCell(ColDuration, 1, QStringLiteral("2 days"));
    f.project.settings().setValue(SettingsBlock::ProjectName, QStringLiteral("Mine"));
    f.project.LastTaskRow = 1;
    const QString path = f.write("plan.xml", document);
    f.import(path);

    QCOMPARE(f.host.messages.size(), 1);
    QCOMPARE(f.host.messages[0].title, QStringLiteral("Error"));
    if (!message.isEmpty())
        QCOMPARE(f.host.messages[0].text, QString(message).replace(QLatin1String("%1"), path));
    QCOMPARE(f.cell(ColTask, 1), QStringLiteral("Keep me"));
    QCOMPARE(f.cell(ColDuration, 1), QStringLiteral("2 days"));
    QCOMPARE(f.project.settings().projectName(), QStringLiteral("Mine"));
    QCOMPARE(f.project.LastTaskRow, 1);
}

void TestMsProjectImport::ratesTheReportCannotShowAreCapped_data()
{
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("cost");
    QTest::addColumn<QString>("message");

    const QString capped =
        QStringLiteral("1 hourly rate above 999999999 per hour was taken as 999999999.");
    QTest::newRow("largest kept") << "999999999"
                                  << "999999999"
                                  << "";
    QTest::newRow("just above") << "999999999.5"
                                << "999999999" << capped;
    QTest::newRow("1e308") << "1e308"
                           << "999999999" << capped;
    QTest::newRow("negative") << "-5"
                              << "0"
                              << "1 negative hourly rate was taken as 0.";
}

void TestMsProjectImport::ratesTheReportCannotShowAreCapped()
{
    QFETCH(QString, rate);
    QFETCH(QString, cost);
    QFETCH(QString, message);

    ExchangeFixture f;
    f.importText(msProjectDocument(
        QStringLiteral("<Resources><Resource><UID>1</UID><ID>1</ID><Name>Bob</Name>"
                       "<StandardRate>%1</StandardRate></Resource></Resources>")
            .arg(rate)));
    QCOMPARE(f.host.texts(), message.isEmpty() ? QStringList() : QStringList{message});
    if (!message.isEmpty())
        QCOMPARE(f.host.messages[0].title, QStringLiteral("Warning"));
    QCOMPARE(f.resource(ResColCost, 1), cost);
}

void TestMsProjectImport::limits_data()
{
    QTest::addColumn<int>("taskCount");
    QTest::addColumn<int>("resourceCount");
    QTest::addColumn<int>("calendarCount");
    QTest::addColumn<QString>("error");

    QTest::newRow("9999 tasks") << 9999 << 0 << 0 << "";
    QTest::newRow("10000 tasks")
        << 10000 << 0 << 0 << "The plan has more than 9999 tasks; Morvaine holds at most 9999.";
    QTest::newRow("999 resources") << 1 << 999 << 0 << "";
    QTest::newRow("1000 resources")
        << 1 << 1000 << 0 << "The plan has more than 999 resources; Morvaine holds at most 999.";
    QTest::newRow("10000 calendars") << 1 << 0 << 10000 << "";
    QTest::newRow("10001 calendars")
        << 1 << 0 << 10001
        << "The plan has more than 10000 calendars; no plan that Morvaine holds has that many.";
}

void TestMsProjectImport::limits()
{
    QFETCH(int, taskCount);
    QFETCH(int, resourceCount);
    QFETCH(int, calendarCount);
    QFETCH(QString, error);

    QString body = QStringLiteral("<Calendars>");
    for (int i = 1; i <= calendarCount; ++i)
        body += QStringLiteral("<Calendar><UID>%1</UID></Calendar>").arg(i);
    // Null tasks and the project summary task count for nothing.
    body +=
        QStringLiteral("</Calendars><Tasks><Task><UID>0</UID><OutlineLevel>0</OutlineLevel></Task>"
                       "<Task><UID>90000</UID><IsNull>1</IsNull></Task>");
    for (int i = 1; i <= taskCount; ++i)
        body += QStringLiteral("<Task><UID>%1</UID><ID>%1</ID><Name>T%1</Name></Task>").arg(i);
    body += QStringLiteral("</Tasks><Resources><Resource><UID>0</UID></Resource>");
    for (int i = 1; i <= resourceCount; ++i)
        body +=
            QStringLiteral("<Resource><UID>%1</UID><ID>%1</ID><Name>R%1</Name></Resource>").arg(i);
    body += QStringLiteral("</Resources>");

    ExchangeFixture f;
    f.importText(msProjectDocument(body));
    if (error.isEmpty()) {
        QCOMPARE(f.host.messages.size(), 0);
        QCOMPARE(f.project.LastTaskRow, taskCount);
        QCOMPARE(f.cell(ColTask, taskCount), QStringLiteral("T%1").arg(taskCount));
        if (resourceCount > 0)
            QCOMPARE(f.resource(ResColName, resourceCount),
                     QStringLiteral("R%1").arg(resourceCount));
    } else {
        QCOMPARE(f.host.texts(), QStringList{error});
        QCOMPARE(f.project.LastTaskRow, 0);
        QCOMPARE(f.cell(ColTask, 1), QString());
    }
}
