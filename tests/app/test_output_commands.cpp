// The output commands on the real window: the preview, printing to a PDF file and the
// picture export, and the grid geometry that pages take from the window.

#include "modal_script.h"
#include "test_classes.h"

#include "app/main_window.h"
#include "app/output_controller.h"
#include "app/page_printer.h"
#include "app/task_grid.h"
#include "output/print_pages.h"
#include "output/project_pages.h"

#include <QAction>
#include <QImageReader>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace morvaine;

namespace {

std::unique_ptr<QTemporaryDir> outputDir;

std::unique_ptr<MainWindow> startOutputWindow()
{
    auto window = std::make_unique<MainWindow>();
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        qWarning("window not exposed");
    QTest::qWait(20);
    window->project().taskTable.setCell(ColTask, 1, QStringLiteral("Survey"));
    window->project().taskTable.setCell(ColDuration, 1, QStringLiteral("3"));
    window->project().LastTaskRow = 1;
    return window;
}

void waitForScript(const ModalScript &script)
{
    QTRY_VERIFY_WITH_TIMEOUT(script.done(), 5000);
}

} // namespace

void TestOutputCommands::init()
{
    outputDir = std::make_unique<QTemporaryDir>();
    QVERIFY(outputDir->isValid());
    qputenv("XDG_DATA_HOME", outputDir->filePath(QStringLiteral("xdg")).toLocal8Bit());
}

void TestOutputCommands::cleanup()
{
    outputDir.reset();
}

// A fresh window shows the columns the command line lays pages out with.
void TestOutputCommands::freshWindowGridIsTheDefault()
{
    ModalScript script;
    auto window = startOutputWindow();
    const GridGeometry shown = ScreenGridGeometry(*window->taskGrid());
    const GridGeometry fresh = DefaultGridGeometry();
    QCOMPARE(shown.visibleColumns, fresh.visibleColumns);
    QCOMPARE(shown.columnWidths, fresh.columnWidths);
    QVERIFY(script.unexpected.isEmpty());
}

void TestOutputCommands::previewOpensOnThePages()
{
    ModalScript script;
    auto window = startOutputWindow();
    QString shown;
    script.then([&](QWidget *preview) {
        QTest::qWait(20);
        shown = preview->objectName() + QLatin1Char('|') +
                preview->findChild<QLabel *>(QStringLiteral("LabelPage"))->text();
        static_cast<QDialog *>(preview)->reject();
    });
    window->action(QStringLiteral("Preview1"))->trigger();
    waitForScript(script);
    QCOMPARE(shown, QStringLiteral("TFormPreview|%1").arg(window->output().pages().CountPages()));
    // The page's rows were completed before they were drawn.
    QCOMPARE(window->project().taskTable.cell(ColDuration, 1), QStringLiteral("3 days"));
    QVERIFY(script.unexpected.isEmpty());
}

// Without a printer, pages go to a PDF file; the job is named after the window.
void TestOutputCommands::printWritesThePages()
{
    ModalScript script;
    auto window = startOutputWindow();
    PagePrinter *printer = window->output().pagePrinter();
    if (printer->outputFormat() != QPrinter::PdfFormat)
        QSKIP("a printer is installed");
    const QString path = outputDir->filePath(QStringLiteral("plan.pdf"));
    printer->setOutputFileName(path);
    script.then([](QWidget *dialog) { static_cast<QDialog *>(dialog)->accept(); });
    window->action(QStringLiteral("Print1"))->trigger();
    waitForScript(script);
    QCOMPARE(printer->docName(), window->windowTitle());
    QFile pdf(path);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QCOMPARE(pdf.readAll().count("/Type /Page\n"), window->output().pages().CountPages());
    QVERIFY(script.unexpected.isEmpty());
}

// A name without extension gets ".jpg"; the dialog is the save-picture dialog.
void TestOutputCommands::exportWritesThePicture()
{
    ModalScript script;
    auto window = startOutputWindow();
    script.chooseFile(outputDir->filePath(QStringLiteral("plan")));
    window->action(QStringLiteral("Export1"))->trigger();
    waitForScript(script);
    QCOMPARE(script.fileDialogs,
             QStringList{"SavePictureDialog1|All files (*.*);JPEG Image File (*.jpg)|jpg"});
    QImageReader picture(outputDir->filePath(QStringLiteral("plan.jpg")));
    QCOMPARE(picture.format(), QByteArray("jpeg"));
    QCOMPARE(picture.size().height(), 34);
    QVERIFY(script.unexpected.isEmpty());
}
