// Runs every test class of the MS Project XML exchange in one executable.
#include "test_classes.h"

#include <QCoreApplication>
#include <QTest>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    int status = 0;
    {
        TestMsProjectImport t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        TestMsProjectExport t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        TestMsProjectCalendar t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        TestXmlDocuments t;
        status |= QTest::qExec(&t, argc, argv);
    }
    return status;
}
