// The resource dialog's rules: validation, add, edit and update, delete, and how the
// tasks' Resource lists follow a deleted or renamed resource.

#include "model/project_file.h"
#include "report/resource_rules.h"
#include "report_fixture.h"
#include "test_classes.h"

#include <QTest>

using namespace morvaine;

namespace {

// Add and Update refuse a cost with the same words, without a stray quote.
const QString AddCostMessage = QStringLiteral(
    "Sorry, you can type only digits and the '.' character in the 'Cost/Hour' field.");
const QString UpdateCostMessage = AddCostMessage;
const QString CostTooHigh = QStringLiteral("Sorry, the 'Cost/Hour' must be less than 1000000000.");

struct RulesFixture : ReportFixture {
    ResourceEditor editor{project, host};

    RulesFixture()
    {
        resource(1, QStringLiteral("Bob"), QStringLiteral("20"), QStringLiteral("Lane 1"));
        editor.show(1);
        editor.takeNameFocus();
    }

    void type(const QString &name, const QString &cost = {}, const QString &address = {})
    {
        editor.fields = {name, cost, address};
    }
};

} // namespace

void TestResourceRules::addValidation_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("cost");
    QTest::addColumn<QString>("title"); // empty: accepted
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("costAfter"); // the field after a refusal, the cell otherwise

    const QString chars = QStringLiteral(
        "Sorry, it is impossible to use the ', . ; :' characters in the 'Name' field.");
    const QString exists =
        QStringLiteral("Sorry, this name already exists.\nPlease specify another one.");
    QTest::newRow("comma becomes point") << "Ann"
                                         << "12,5"
                                         << ""
                                         << ""
                                         << "12.5";
    QTest::newRow("second separator") << "Ann"
                                      << "1.2.3"
                                      << "Error" << AddCostMessage << "1.2.3";
    QTest::newRow("comma replaced before refusal") << "Ann"
                                                   << "1,2,3"
                                                   << "Error" << AddCostMessage << "1.2,3";
    QTest::newRow("point alone") << "Ann"
                                 << "."
                                 << "Error" << AddCostMessage << ".";
    QTest::newRow("letter") << "Ann"
                            << "12a"
                            << "Error" << AddCostMessage << "12a";
    QTest::newRow("empty cost") << "Ann"
                                << ""
                                << ""
                                << ""
                                << "";
    // Blanks around a cost go; a cost the report cannot show whole is refused.
    QTest::newRow("blanks around the cost") << "Ann"
                                            << " 12 "
                                            << ""
                                            << ""
                                            << "12";
    QTest::newRow("highest cost") << "Ann"
                                  << "999999999.999"
                                  << ""
                                  << ""
                                  << "999999999.999";
    QTest::newRow("leading zeros do not count") << "Ann"
                                                << "0001000.5"
                                                << ""
                                                << ""
                                                << "0001000.5";
    QTest::newRow("a thousand million") << "Ann"
                                        << "1000000000"
                                        << "Error" << CostTooHigh << "1000000000";
    QTest::newRow("twenty digits") << "Ann"
                                   << " 99999999999999999999"
                                   << "Error" << CostTooHigh << "99999999999999999999";
    QTest::newRow("semicolon in name") << "An;n"
                                       << "1"
                                       << "Attention!" << chars << "1";
    QTest::newRow("point in name") << "A.n"
                                   << "1"
                                   << "Attention!" << chars << "1";
    QTest::newRow("blank name") << "   "
                                << "1"
                                << "Info"
                                << "Please specify the 'Name' field."
                                << "1";
    QTest::newRow("stored name with blanks") << " Bob "
                                             << "1"
                                             << "Attention!" << exists << "1";
    QTest::newRow("other case is another name") << "bob"
                                                << "1"
                                                << ""
                                                << ""
                                                << "1";
}

void TestResourceRules::addValidation()
{
    QFETCH(QString, name);
    QFETCH(QString, cost);
    QFETCH(QString, title);
    QFETCH(QString, message);
    QFETCH(QString, costAfter);
    RulesFixture f;
    f.type(name, cost, QStringLiteral("Street 2"));
    f.editor.add(1);
    if (title.isEmpty()) {
        QVERIFY(f.host.messages.isEmpty());
        QCOMPARE(f.resourceCell(ResColName, 2), name.trimmed());
        QCOMPARE(f.resourceCell(ResColCost, 2), costAfter);
        QCOMPARE(f.resourceCell(ResColAddress, 2), QStringLiteral("Street 2"));
        return;
    }
    QCOMPARE(f.host.messages.size(), 1);
    QCOMPARE(f.host.messages[0].title, title);
    QCOMPARE(f.host.messages[0].text, message);
    QCOMPARE(f.host.messages[0].icon, MsgIcon::Warning);
    QCOMPARE(f.host.messages[0].buttons, MsgButtons::Ok);
    QCOMPARE(f.editor.fields.name, name);
    QCOMPARE(f.editor.fields.cost, costAfter);
    QVERIFY(f.resourceCell(ResColName, 2).isEmpty());
}

void TestResourceRules::addGoesIntoFirstEmptyRowAndEmptiesFields()
{
    RulesFixture f;
    f.resource(2, QStringLiteral("Cid"));
    f.resource(4, QStringLiteral("Dan"), QStringLiteral("7"));
    f.project.resourceTable.setCell(ResColCost, 3, QStringLiteral("99"));
    f.editor.selectRow(3);
    QVERIFY(!f.editor.editEnabled());
    f.type(QStringLiteral("  Eve  "));
    f.editor.add(3);
    QCOMPARE(f.resourceCell(ResColName, 3), QStringLiteral("Eve"));
    // An empty cost field does not write the cell.
    QCOMPARE(f.resourceCell(ResColCost, 3), QStringLiteral("99"));
    QCOMPARE(f.editor.fields.name, QString());
    QVERIFY(f.editor.takeNameFocus());
    QVERIFY(f.editor.editEnabled());
    QVERIFY(!f.project.settings().isModified());
}

void TestResourceRules::thousandthResourceIsRefused()
{
    RulesFixture f;
    for (int row = 2; row < ResourceTable::Rows; ++row)
        f.resource(row, QStringLiteral("R%1").arg(row));
    f.type(QStringLiteral("One more"), QStringLiteral("5"), QStringLiteral("Here"));
    f.editor.add(1);
    QCOMPARE(f.host.messages.size(), 1);
    QCOMPARE(f.host.messages[0].title, QStringLiteral("Sorry"));
    QCOMPARE(f.host.messages[0].text,
             QStringLiteral("Sorry, there can be only 999 types of resources."));
    QCOMPARE(f.editor.fields.name, QString());
    QCOMPARE(f.editor.fields.cost, QString());
    QCOMPARE(f.editor.fields.address, QString());
    QVERIFY(f.editor.takeNameFocus());
    QCOMPARE(f.resourceCell(ResColName, 999), QStringLiteral("R999"));
}

void TestResourceRules::editUpdateAndCancelSwitchStates()
{
    RulesFixture f;
    QVERIFY(f.editor.editEnabled());
    QCOMPARE(f.editor.editCaption(), QStringLiteral("Edit"));
    QCOMPARE(f.editor.closeCaption(), QStringLiteral("Close"));

    f.editor.editOrUpdate(1);
    QVERIFY(f.editor.editing());
    QCOMPARE(f.editor.fields.name, QStringLiteral("Bob"));
    QCOMPARE(f.editor.fields.cost, QStringLiteral("20"));
    QCOMPARE(f.editor.fields.address, QStringLiteral("Lane 1"));
    QVERIFY(!f.editor.addEnabled());
    QVERIFY(!f.editor.deleteEnabled());
    QCOMPARE(f.editor.editCaption(), QStringLiteral("Update"));
    QCOMPARE(f.editor.closeCaption(), QStringLiteral("Cancel"));

    f.editor.fields.cost = QStringLiteral("30");
    QVERIFY(!f.editor.closeOrCancel()); // Cancel: the dialog stays open
    QVERIFY(!f.editor.editing());
    QVERIFY(f.editor.addEnabled());
    QCOMPARE(f.editor.closeCaption(), QStringLiteral("Close"));
    QCOMPARE(f.editor.fields.name, QString());
    QCOMPARE(f.resourceCell(ResColCost, 1), QStringLiteral("20"));

    f.editor.editOrUpdate(1);
    f.editor.fields = {QStringLiteral(" Bob "), QStringLiteral("25,5"), QString()};
    f.editor.editOrUpdate(1);
    QVERIFY(f.host.messages.isEmpty()); // its own name is no clash
    QVERIFY(!f.editor.editing());
    QCOMPARE(f.resourceCell(ResColName, 1), QStringLiteral("Bob"));
    QCOMPARE(f.resourceCell(ResColCost, 1), QStringLiteral("25.5"));
    QCOMPARE(f.resourceCell(ResColAddress, 1), QString());
    QCOMPARE(f.editor.editCaption(), QStringLiteral("Edit"));
}

void TestResourceRules::failedUpdateStaysInEditing()
{
    RulesFixture f;
    f.resource(2, QStringLiteral("Cid"));
    f.editor.editOrUpdate(1);
    f.editor.fields.cost = QStringLiteral("x");
    f.editor.editOrUpdate(1);
    f.editor.fields = {QStringLiteral("Cid"), QString(), QString()};
    f.editor.editOrUpdate(1);
    QCOMPARE(f.host.texts(),
             (QStringList{UpdateCostMessage, QStringLiteral("Sorry, this name already exists.\n"
                                                            "Please specify another one.")}));
    QVERIFY(f.editor.editing());
    QCOMPARE(f.editor.closeCaption(), QStringLiteral("Cancel"));
    QCOMPARE(f.resourceCell(ResColName, 1), QStringLiteral("Bob"));
}

void TestResourceRules::textsTooLongForACellAreRefused()
{
    // A project file holds at most 64999 bytes in a cell; the dialog never makes a
    // longer one, neither from its fields nor by renaming a resource in the tasks.
    const QString tooLong(MaxCellBytes + 1, QLatin1Char('x'));
    const auto refusal = [](const char *field) {
        return QStringLiteral("Sorry, the '%1' field is too long: a project file holds at most "
                              "64999 bytes in a cell.")
            .arg(QLatin1String(field));
    };
    RulesFixture f;
    f.type(tooLong);
    f.editor.add(1);
    f.type(QStringLiteral("Ann"), QStringLiteral("1"), tooLong);
    f.editor.add(1);
    QCOMPARE(f.host.texts(), (QStringList{refusal("Name"), refusal("Address")}));
    QVERIFY(f.resourceCell(ResColName, 2).isEmpty());
    // The longest address that fits is taken.
    f.type(QStringLiteral("Ann"), QStringLiteral("1"), tooLong.left(MaxCellBytes));
    f.editor.add(1);
    QCOMPARE(f.resourceCell(ResColAddress, 2).size(), MaxCellBytes);

    // Bob is named 4000 times in task 3's list: a name 20 characters longer would take
    // the list past the limit, so the rename is refused and nothing changes.
    QString list;
    for (int i = 0; i < 4000; ++i)
        list += QStringLiteral(" Bob;");
    f.task(3, QStringLiteral("1"), QStringLiteral("06.05.2024"), QStringLiteral("06.05.2024"),
           list);
    f.host.messages.clear();
    f.editor.editOrUpdate(1);
    f.editor.fields.name = QStringLiteral("Bob") + QString(20, QLatin1Char('b'));
    f.editor.editOrUpdate(1);
    QCOMPARE(f.host.texts(), QStringList{QStringLiteral(
                                 "Sorry, with this name the 'Resource' of task 3 would be too "
                                 "long for a project file.")});
    QVERIFY(f.editor.editing());
    QCOMPARE(f.resourceCell(ResColName, 1), QStringLiteral("Bob"));
    QCOMPARE(f.taskCell(ColResource, 3), list);
    // A name that still fits renames as before.
    f.editor.fields.name = QStringLiteral("Rob");
    f.editor.editOrUpdate(1);
    QVERIFY(!f.editor.editing());
    QVERIFY(f.taskCell(ColResource, 3).startsWith(QLatin1String(" Rob; Rob;")));
}

void TestResourceRules::updateWithEmptyCostKeepsStoredCost()
{
    RulesFixture f;
    f.editor.editOrUpdate(1);
    f.editor.fields.cost.clear();
    f.editor.editOrUpdate(1);
    QCOMPARE(f.resourceCell(ResColCost, 1), QStringLiteral("20"));
}

void TestResourceRules::deleteMovesFollowingRowsUp()
{
    RulesFixture f;
    for (int row = 2; row <= 5; ++row)
        f.resource(row, QStringLiteral("R%1").arg(row), QString::number(row),
                   QStringLiteral("A%1").arg(row));
    f.editor.deleteRow(2);
    for (int row = 2; row <= 4; ++row) {
        QCOMPARE(f.resourceCell(ResColName, row), QStringLiteral("R%1").arg(row + 1));
        QCOMPARE(f.resourceCell(ResColCost, row), QString::number(row + 1));
        QCOMPARE(f.resourceCell(ResColAddress, row), QStringLiteral("A%1").arg(row + 1));
    }
    for (int column = ResColName; column <= ResColAddress; ++column)
        QCOMPARE(f.resourceCell(column, 5), QString());
    QVERIFY(f.editor.editEnabled());
    QVERIFY(f.host.messages.isEmpty());
}

void TestResourceRules::deleteLastResourceDisablesEdit()
{
    RulesFixture f;
    f.editor.deleteRow(1);
    QCOMPARE(f.resourceCell(ResColName, 1), QString());
    QVERIFY(!f.editor.editEnabled());
    f.editor.deleteRow(1); // nothing left to delete
    QVERIFY(f.host.messages.isEmpty());
}

void TestResourceRules::tasksFollowDeleteAndRename_data()
{
    QTest::addColumn<QString>("newName"); // empty: delete Bob
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::newRow("delete from the middle") << ""
                                            << " Ann; Bob; Cid;"
                                            << " Ann; Cid;";
    QTest::newRow("delete the only item") << ""
                                          << " Bob;"
                                          << "";
    QTest::newRow("delete leaves Bobby") << ""
                                         << " Bobby; Ann;"
                                         << " Bobby; Ann;";
    QTest::newRow("delete every occurrence") << ""
                                             << " Bob; Ann; Bob;"
                                             << " Ann;";
    QTest::newRow("rename") << "Robert"
                            << " Ann; Bob;"
                            << " Ann; Robert;";
    QTest::newRow("rename leaves Bobby") << "Robert"
                                         << " Bobby;"
                                         << " Bobby;";
    QTest::newRow("rename replaces once") << "Mr Bob"
                                          << " Bob; Bob;"
                                          << " Mr Bob; Mr Bob;";
}

void TestResourceRules::tasksFollowDeleteAndRename()
{
    QFETCH(QString, newName);
    QFETCH(QString, before);
    QFETCH(QString, after);
    RulesFixture f;
    f.project.taskTable.setCell(ColResource, 2, before);
    f.project.taskTable.setCell(ColResource, TaskTable::LastRow, before);
    if (newName.isEmpty()) {
        f.editor.deleteRow(1);
    } else {
        f.editor.editOrUpdate(1);
        f.editor.fields.name = newName;
        f.editor.editOrUpdate(1);
        QCOMPARE(f.resourceCell(ResColName, 1), newName);
    }
    QCOMPARE(f.taskCell(ColResource, 2), after);
    QCOMPARE(f.taskCell(ColResource, TaskTable::LastRow), after);
}

void TestResourceRules::closeMarksModifiedCancelDoesNot()
{
    RulesFixture f;
    QVERIFY(!f.project.settings().isModified());
    f.editor.editOrUpdate(1);
    QVERIFY(!f.editor.closeOrCancel());
    QVERIFY(!f.project.settings().isModified());
    QVERIFY(f.editor.closeOrCancel());
    QVERIFY(f.project.settings().isModified());
}
