#pragma once

#include <QObject>

class TestReportFigures : public QObject {
    Q_OBJECT
private slots:
    void formatAmountCutsToTwoDecimals_data();
    void formatAmountCutsToTwoDecimals();
    void parseCostReadsPointWhateverTheLocale();
    void completionPercent_data();
    void completionPercent();
    void newProjectShowsStartDateAndZeros();
    void costsOfResourcesTimesHoursAndDays();
    void missingResourceCostsNothing();
    void bareCompletionCountsAsZero();
    void averageIncludesResourcesWithoutCost();
    void smallCostIsCutNotRounded();
    void wholeSpanTaskIsHalved();
    void criticalChainCountsUpToFirstUnfinishedTask();
    void sameFiguresWithOrWithoutARecalculation();
    void durationInWorkingDays_data();
    void durationInWorkingDays();
    void countsGroupsTasksAndMilestones();
    void gridGeometryAndLabels();
    void conversionErrorLeavesRestEmpty_data();
    void conversionErrorLeavesRestEmpty();
    void reportAsText();
};

class TestResourceRules : public QObject {
    Q_OBJECT
private slots:
    void addValidation_data();
    void addValidation();
    void addGoesIntoFirstEmptyRowAndEmptiesFields();
    void thousandthResourceIsRefused();
    void editUpdateAndCancelSwitchStates();
    void failedUpdateStaysInEditing();
    void textsTooLongForACellAreRefused();
    void updateWithEmptyCostKeepsStoredCost();
    void deleteMovesFollowingRowsUp();
    void deleteLastResourceDisablesEdit();
    void tasksFollowDeleteAndRename_data();
    void tasksFollowDeleteAndRename();
    void closeMarksModifiedCancelDoesNot();
};
