// Runs every test class of the windows in one executable.
#include "test_classes.h"

#include "views/fonts.h"
#include "widgets/icons.h"

#include <QApplication>
#include <QTest>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    morvaine::InstallFontSubstitutions();
    morvaine::InitResources();
    int status = 0;
    {
        TestTaskTableModel t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        TestFileAssociation t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        TestMainWindow t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        TestEditingWidgets t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        TestSettingsDialog t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        TestAboutBox t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        TestOutputCommands t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        TestSampleProject t;
        status |= QTest::qExec(&t, argc, argv);
    }
    return status;
}
