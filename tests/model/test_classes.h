#pragma once

#include <QObject>

class TestProject : public QObject {
    Q_OBJECT
private slots:
    void newProjectHasHeadersNumbersLevelsAndSettings();
    void clearProjectEmptiesTaskCellsAndResources();
    void cellWritesNotifyOnlyOnChange();
    void everyListenerHearsUntilRemoved();
    void batchTellsEachChangedCellOnce();
    void takenCellIsToldAsAWrite();
    void renewedProjectTellsOnlyWhatChanged();
    void integerConversion_data();
    void integerConversion();
    void dateTextRoundTripAndError();
    void pathBytesRoundTrip_data();
    void pathBytesRoundTrip();
};

class TestProjectFile : public QObject {
    Q_OBJECT
private slots:
    void init();
    void newProjectSavedAtOnce();
    void taskRowsFollowLastUsedRow_data();
    void taskRowsFollowLastUsedRow();
    void resourceRowsFollowFirstEmptyName_data();
    void resourceRowsFollowFirstEmptyName();
    void roundTripKeepsEveryCell();
    void cellTextEncoding_data();
    void cellTextEncoding();
    void emptyRecordsLeaveNewProjectDefaults();
    void textEndsAtFirstZeroByte();
    void saveKeepsCreateDateAndIgnoresOtherModes();
    void cancelledSaveDialogChangesNothing();
    void uncreatableFileReportsAndKeepsSettings();
    void loadErrors_data();
    void loadErrors();
};

class TestProjectFileSafety : public QObject {
    Q_OBJECT
private slots:
    void init();
    void storedFileNameIsNeverWrittenTo_data();
    void storedFileNameIsNeverWrittenTo();
    void opensOnlyRegularFiles_data();
    void opensOnlyRegularFiles();
    void failedSaveAtEveryByteKeepsPreviousFile();
    void cellsFitTheReadersLimit_data();
    void cellsFitTheReadersLimit();
    void cellTooLongIsRefusedBeforeSaving();
};
