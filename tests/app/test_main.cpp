// Runs every test class of the windows in one executable.
#include "test_classes.h"

#include "app/ui_language.h"
#include "views/fonts.h"
#include "widgets/icons.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

int main(int argc, char **argv)
{
    // The windows keep recent files and recovery copies in the user's folders: the
    // tests get folders of their own, empty at every run.
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toLocal8Bit());
    QApplication app(argc, argv);
    morvaine::InstallFontSubstitutions();
    morvaine::InitResources();
    morvaine::InstallUiLanguage(); // as the program starts: English under LANGUAGE=en
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
        TestDocumentCommands t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        TestEditingWidgets t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        TestDatePicker t;
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
        TestHistoryWidgets t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        TestToolsCommands t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        TestExchangeCommands t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        TestSampleProject t;
        status |= QTest::qExec(&t, argc, argv);
    }
    return status;
}
