// Runs every test class of the model in one executable.
#include "test_classes.h"

#include <QCoreApplication>
#include <QTest>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    int status = 0;
    {
        TestProject t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        TestProjectFile t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        TestProjectFileSafety t;
        status |= QTest::qExec(&t, argc, argv);
    }
    return status;
}
