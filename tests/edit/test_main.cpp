// Runs every test class of the edit operations in one executable.
#include "test_classes.h"

#include <QCoreApplication>
#include <QTest>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    int status = 0;
    {
        TestCellEditing t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        TestCellCompletion t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        TestWorkingDays t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        TestTaskStructure t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        TestCommandGuard t;
        status |= QTest::qExec(&t, argc, argv);
    }
    return status;
}
