#pragma once

#include <QObject>

class TestMsProjectImport : public QObject {
    Q_OBJECT
private slots:
    void init();
    void planWrittenByMsProject();
    void mapping_data();
    void mapping();
    void linkTypesAndLags_data();
    void linkTypesAndLags();
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
    void roundTripKeepsLinkTypesAndLags_data();
    void roundTripKeepsLinkTypesAndLags();
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
    void singleByteEncodings_data();
    void singleByteEncodings();
    void recognisedByContent_data();
    void recognisedByContent();
    void refusedLeavesProjectAsItWas_data();
    void refusedLeavesProjectAsItWas();
    void hostileShapesImport_data();
    void hostileShapesImport();
    void namespacesByPrefix_data();
    void namespacesByPrefix();
    void recordsWithoutRowsAreNotKept();
};

class TestMsProjectCalendar : public QObject {
    Q_OBJECT
private slots:
    void init();
    void recurrencesAsMsProjectExpandsThem();
    void realFileImportsWithItsExceptions();
    void recurrences_data();
    void recurrences();
    void moreThanAThousandDatesTellOnce();
    void exportAndRoundTrip();
};
