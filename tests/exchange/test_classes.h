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
    void recognisedByContent_data();
    void recognisedByContent();
    void refusedDocumentLeavesProjectAsItWas_data();
    void refusedDocumentLeavesProjectAsItWas();
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
};

class TestXmlPullReader : public QObject {
    Q_OBJECT
private slots:
    void agreesWithQtOnDocuments_data();
    void agreesWithQtOnDocuments();
    void agreesWithQtOnMutatedDocuments();
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
