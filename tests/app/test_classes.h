#pragma once

#include <QObject>

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void startUpShowsNewProject();
    void menusAndToolBarInOrder();
    void commandTableRules();
    void startWithoutFileWritesAssociation();
    void startWithFileOpensItAndWritesNoAssociation();
    void associationFailureIsShownAndProgramRuns();
    void errorInCommandIsShownAndWindowGoesOn();
    void gridReportsSelectionBeforeItMoves();
    void typingStoresTextAndMarksModified();
    void gridsShareTheirTopRow();
    void helpTargetWithoutProgramIsNamed_data();
    void helpTargetWithoutProgramIsNamed();
    void scaleButtonsAreExclusive_data();
    void scaleButtonsAreExclusive();
    void zoomStepsTheScaleAndPressesItsButton_data();
    void zoomStepsTheScaleAndPressesItsButton();
    void criticalPathFollowsTheProject();
    void windowPlacement_data();
    void windowPlacement();
};

class TestDocumentCommands : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void newWithoutChangesDoesNotAsk();
    void unsavedChangesPrompt_data();
    void unsavedChangesPrompt();
    void saveOverwritesOpenedFileAndKeepsCaption();
    void untitledSaveAsksForAFile();
    void saveAsAsksBeforeReplacingAFile();
};

class TestEditingWidgets : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void typedTaskGetsDatesAfterEnter();
    void filteredKeystrokes_data();
    void filteredKeystrokes();
    void escapeRestoresTheCell_data();
    void escapeRestoresTheCell();
    void selectionRefusedOrMovedAfterError();
    void deleteClearsTheCell_data();
    void deleteClearsTheCell();
    void rightClickGreysPopupItems_data();
    void rightClickGreysPopupItems();
    void rightClickOnRowNumberSelectsTaskCell();
    void shortcutsRenumberLinks_data();
    void shortcutsRenumberLinks();
    void toolButtonsIndentAndOutdent();
    void openedFileStartsAtFirstCell();
    void currentCellWearsFocusFrame();
    void shownCellsAreCompletedBeforePainting();
    void newTaskShowsItsBarAtOnce_data();
    void newTaskShowsItsBarAtOnce();
    void groupDurationShowsItsUnit();
    void pastedTextTooLongIsCut();
    void linkErrorsShowInOneBox();
};

class TestDatePicker : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void datePickerStandsOverDateCells();
    void pickerCalendarRecalculatesAtCloseUp();
    void pickerShowsTheWholeDate();
    void typedDateCommitsWhenFinished_data();
    void typedDateCommitsWhenFinished();
    void refusedEarlyDateShowsTheCellAgain();
    void typedDateCountsBeforeACommand_data();
    void typedDateCountsBeforeACommand();
    void pickerShowsWhatADialogChanged();
    void typedDateWithSeparators_data();
    void typedDateWithSeparators();
    void impossibleDateIsRefused_data();
    void impossibleDateIsRefused();
    void escapeTakesBackTheTypedDate();
};

class TestTaskTableModel : public QObject {
    Q_OBJECT
private slots:
    void passesModelTester();
    void cellWritesRepaintTheirCell();
};

class TestSettingsDialog : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void showsNewProjectDefaults();
    void spinnerStaysBetween1And24_data();
    void spinnerStaysBetween1And24();
    void okWritesEverySetting();
    void euroIsStoredAsByte0x88();
    void workingDaysChangeRecomputesEnds();
    void unchangedWorkingDaysRecalculateNothing();
    void weekWithoutWorkingDayIsRefused();
    void cancelWritesNothing();
    void unreadableStartDateIsReported();
    void typedStartDate_data();
    void typedStartDate();
    void textTooLongForACellIsRefused();
    void exceptionListsAddSortAndMerge();
    void okWithHolidaysMovesEndsOnce();
    void cancelKeepsTheStoredLists();
    void unreadableListIsKeptUntilRemoved();
};

class TestAboutBox : public QObject {
    Q_OBJECT
private slots:
    void showsTitleAndAddresses();
    void supportLinkOpensMailAndBoxStays();
};

class TestFileAssociation : public QObject {
    Q_OBJECT
private slots:
    void execLineQuotesThePath_data();
    void execLineQuotesThePath();
    void writesMimePackageAndDesktopEntry();
    void unwritableFolderThrows();
    void installedPackageKeepsItsOwnAssociation();
};

class TestSampleProject : public QObject {
    Q_OBJECT
private slots:
    void opensWithoutErrorsAndShowsAPlan();
};

class TestOutputCommands : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void freshWindowGridIsTheDefault();
    void previewOpensOnThePages();
    void printWritesThePages();
    void exportWritesThePicture();
};

class TestHistoryWidgets : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void undoAndRedoTypedCellsWithTheirKeys();
    void undoTakesBackATaskCommandWhole();
    void ctrlZInTheEditorUndoesTyping();
    void recentFilesListOpenedFilesAndDropMissingOnes();
    void killedWorkIsOfferedBackAtStart();
    void planFromAnotherLocaleOpensWithItsDates();
};

class TestToolsCommands : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void resourceDialogChangesReachTasksAndReport();
    void resourceNameWithBlanksIsTypedAndCosted();
    void escapeLeavesTheResourceDialog();
    void reportOfTheSample_data();
    void reportOfTheSample();
};

class TestExchangeCommands : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void importThroughTheFileMenu();
    void importThatEndsEarlyKeepsTheProject_data();
    void importThatEndsEarlyKeepsTheProject();
    void exportWritesMsProjectXmlAndAsksBeforeReplacing();
    void openReadsMsProjectXmlByContent_data();
    void openReadsMsProjectXmlByContent();
    void importedTextTooLongIsCut();
};
