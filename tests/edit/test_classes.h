#pragma once

#include <QObject>

class TestCellEditing : public QObject {
    Q_OBJECT
private slots:
    void typingFilter_data();
    void typingFilter();
    void modifyFollowsNonEmptyText();
    void durationCommitSchedulesRowAndRaisesLastTaskRow();
    void anyTypedColumnMakesOneDayTask_data();
    void anyTypedColumnMakesOneDayTask();
    void forerunnerCommit_data();
    void forerunnerCommit();
    void malformedLinkIsReported();
    void resourceCommit_data();
    void resourceCommit();
    void fullResourceTableStillHandlesRestOfList();
    void restoredTextCommitsNothing();
    void failedCommitIsReportedOnce();
    void pickerOverDateCells();
    void groupTaskCellsRefuseEditing_data();
    void groupTaskCellsRefuseEditing();
    void unreadableDateHidesPickerAndTracksCell();
    void hiddenAndFixedCellsCannotBeSelected();
    void droppedPickerRecalculatesOnceAtCloseUp();
    void pickerChangeWithoutCalendarRecalculatesAtOnce();
    void typedDateReadsAsPeopleTypeIt_data();
    void typedDateReadsAsPeopleTypeIt();
    void datePickedIsUndoneByItsCellName();
    void textsTooLongForACellAreCut();
    void enterMovesDownExceptOnLastRow();
    void rightClickRecordsHeaderAndSelectsCell();
};

class TestCellCompletion : public QObject {
    Q_OBJECT
private slots:
    void durationGetsItsUnitAndDates_data();
    void durationGetsItsUnitAndDates();
    void unreadableDurationStaysAsTyped_data();
    void unreadableDurationStaysAsTyped();
    void completionGetsPercentSign_data();
    void completionGetsPercentSign();
    void groupMarkFollowsTheNextRow();
    void lastRowIsNeverAGroup();
    void emptyRowGetsLevelOne();
    void onlyTheGivenCellsComplete_data();
    void onlyTheGivenCellsComplete();
    void completingSettlesAfterOnePass_data();
    void completingSettlesAfterOnePass();
};

class TestWorkingDays : public QObject {
    Q_OBJECT
private slots:
    void changedWeekMovesEveryEndAndItsFollowers();
    void unchangedWeekWritesNothing();
    void holidaysMoveEveryEndAndItsFollowers();
    void calendarTravelsInTheFile();
};

class TestTaskStructure : public QObject {
    Q_OBJECT
private slots:
    void insertMovesRowsAndRenumbersLinks();
    void lastTableRowRefusesInsertAndCanBeDeleted();
    void insertAndDeleteAfterLastTaskRowDoNothing();
    void insertSeesCellBeingTyped();
    void movedRowsAreNotCommittedOnLeaving();
    void pickerFollowsMovedRow();
    void badForerunnerStopsInsertBeforeAnythingMoves();
    void deleteDropsLinksAndRenumbers_data();
    void deleteDropsLinksAndRenumbers();
    void renumberingKeepsTypesAndLags_data();
    void renumberingKeepsTypesAndLags();
    void deletingOnlyTaskEmptiesTable();
    void deletingLastTaskFindsPreviousTaskRow_data();
    void deletingLastTaskFindsPreviousTaskRow();
    void deleteUpdatesGroupMarks();
    void indentMakesGroupAndRefusesSecondLevel();
    void indentOnlyFromNamedTaskCell();
    void outdent_data();
    void outdent();
};

class TestCommandGuard : public QObject {
    Q_OBJECT
private slots:
    void commandsInsideACommandBelongToIt();
    void errorEndsOnlyItsCommand_data();
    void errorEndsOnlyItsCommand();
    void listenerGoneIsNotTold();
};
