// Runs the report figures and resource rule tests in one executable.
#include "test_classes.h"

#include <QCoreApplication>
#include <QTest>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    int status = 0;
    {
        TestReportFigures t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        TestResourceRules t;
        status |= QTest::qExec(&t, argc, argv);
    }
    return status;
}
