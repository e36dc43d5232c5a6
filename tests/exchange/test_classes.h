#pragma once

#include <QObject>

class TestMsProjectImport : public QObject {
    Q_OBJECT
private slots:
    void init();
    void planWrittenByMsProject();
    void mapping_data();
    void mapping();
    void refusedDocumentLeavesProjectAsItWas_data();
    void refusedDocumentLeavesProjectAsItWas();
    void ratesTheReportCannotShowAreCapped_data();
    void ratesTheReportCannotShowAreCapped();
    void limits_data();
    void limits();
};

class TestMsProjectExport : public QObject {
    Q_OBJECT
private slots:
    void init();
    void roundTripKeepsCells();
    void documentForOtherPlanners();
    void workingDayLayout_data();
    void workingDayLayout();
    void unwritableFileReportsAndKeepsOldFile();
    void fullDiskStopsAtFirstFailedWrite();
};

class TestXmlDocuments : public QObject {
    Q_OBJECT
private slots:
    void init();
    void everyEncodingKeepsNames_data();
    void everyEncodingKeepsNames();
    void recognisedByContent_data();
    void recognisedByContent();
    void refusedLeavesProjectAsItWas_data();
    void refusedLeavesProjectAsItWas();
    void hostileShapesImport_data();
    void hostileShapesImport();
    void recordsWithoutRowsAreNotKept();
};
