<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: morvaine [--] [FILE.mrv]
       morvaine --export OUT [--recalc] [--scale day|week|month] [--] FILE
       morvaine --report [--recalc] [--] FILE

Without options, opens the window (with FILE.mrv if given).
  --export OUT   load FILE without a window and write OUT; its extension
                 chooses: .mrv (save as a new project file), .csv (the task table),
                 .xml (MS Project XML), .pdf (every printed page: A4 portrait,
                 600 dpi, the table&apos;s columns as a new window shows them), .jpg or
                 .jpeg (the table and the whole chart as one picture). FILE is a
                 project file or an MS Project XML document, told apart by its
                 content
  --report       load FILE without a window and print its total report, one
                 figure a line: the label, a blank and the figure
  --recalc       recalculate the schedule after loading
  --scale S      Gantt scale of the project: day, week or month
  --help         show this help
  --version      show the version
  --             end of the options: what follows is a file name, even when it
                 starts with &apos;-&apos;
Messages go to standard error as &apos;Title: text&apos;. Exit status: 0 on success,
1 when an error message was shown, 2 on bad usage.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write the file &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 given more than once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown scale %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing to do: give --export OUT or --report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>give only one of --export, --report, --write-sample, --write-manual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no project file given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>more than one project file given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OUT must end in .mrv, .csv, .xml, .pdf, .jpg or .jpeg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--write-sample and --write-manual take no other arguments</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>New...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recent Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Setup...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import MS Project XML...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export MS Project XML...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gantt Zoom In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gantt Zoom Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert New Task</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Task</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outdent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resource...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resource</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Critical Path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Critical Path On/Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help (pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Morvaine Home Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Support</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Morvaine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Task</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T&amp;ools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Conversion</name>
    <message>
        <source>&apos;%1&apos; is not a valid date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>Cannot write the file &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error exporting the image to a file. Very large project. Zoom out the Gantt chart and try again. Code #</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileAssociation</name>
    <message>
        <source>cannot create the folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write the file association %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ForeignDates</name>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some dates of this plan do not read as %1, and no other date format reads them all, so they are left as they are.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The dates of this plan do not read as %1. They read as %2 alike, which give different days, so they are left as they are.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> or </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The dates of this plan were written as %1. They have been rewritten as %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpLinks</name>
    <message>
        <source>The manual could not be found or written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No program could be started to show the manual.
The manual is the file %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No web browser could be started.
The address is %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No mail program could be started.
The address is %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attention!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MsProjectImport</name>
    <message>
        <source>finish-to-finish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>start-to-finish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>start-to-start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 with a lag or lead</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 was changed to finish-to-start without lag (%3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 were changed to finish-to-start without lag (%3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%n links</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 to tasks outside the plan left out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 renamed: the characters &apos;, . ; :&apos; became blanks, and names were made unique.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 resource</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%n resources</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The calendar has no working day; Monday to Friday are used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dates of %1 moved to agree with the working calendar and the links.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 task</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%n tasks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open the file &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is too large for a plan.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is not an MS Project XML document.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is not well-formed XML: %2 (line %3, column %4).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; on line %2 is not a valid value of &lt;%3&gt;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The date &apos;%1&apos; on line %2 is not a date of the years 1 to 9999.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plan has more than %1 tasks; Morvaine holds at most %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; on line %2 is not a valid value of &lt;Duration&gt;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plan has more than %1 resources; Morvaine holds at most %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProjectFile</name>
    <message>
        <source>Error saving the file. Code #%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error opening the file. Code #%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the setting &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>task %1, column &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>resource %1, column &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The text was too long for one cell and was cut to the %1 bytes a project file holds in a cell.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 text was too long for one cell and cut to the %1 bytes a project file holds in a cell.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n texts were too long for one cell and cut to the %1 bytes a project file holds in a cell.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Error saving the file. The text of %1 is longer than the %2 bytes a project file holds in a cell; shorten it and save again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error opening the file. Unknown file format. Code #0005</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error opening the file. Unknown version file format. Code #0006</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Recovery</name>
    <message>
        <source>%1 is not a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the copy is in use by another window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the lock file cannot be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the copy cannot be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The recovery copy could not be read. It was kept as %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an untitled plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Morvaine was closed without saving %1. Recover the unsaved changes?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ResourceEditor</name>
    <message>
        <source>Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, there can be only 999 types of resources.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, the &apos;%1&apos; field is too long: a project file holds at most %2 bytes in a cell.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please specify the &apos;Name&apos; field.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, it is impossible to use the &apos;, . ; :&apos; characters in the &apos;Name&apos; field.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, this name already exists.
Please specify another one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, you can type only digits and the &apos;.&apos; character in the &apos;Cost/Hour&apos; field.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, the &apos;Cost/Hour&apos; must be less than %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, with this name the &apos;Resource&apos; of task %1 would be too long for a project file.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ResourceTable</name>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cost/Hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Schedule</name>
    <message>
        <source>&apos;%1&apos; is not a valid duration: the End would fall after the year 9999</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
Row %2, %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The &apos;Start&apos; date is earlier than the project start date
Change the project start date?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The &apos;End&apos; (and &apos;Start&apos;) date is earlier than the project start date.
Change the project start date?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link error (Task #%1 -&gt; Task #%2)
This link will be ignored.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TaskTable</name>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Task</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forerunner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resource</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Completion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Veha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TimeAxis</name>
    <message>
        <source>Jan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>May</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jul</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aug</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oct</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nov</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dec</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TotalReport</name>
    <message>
        <source>Start Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diration:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Cost:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Cost:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Completion:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group Task:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Task:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Milestone:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resource:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Average Cost/Hour:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 day</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Project Report: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Project Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Task</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resource</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Morvaine 1.0 - Total Report</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WorkingTime</name>
    <message>
        <source>1 hour per day</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n hours per day</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>XmlReader</name>
    <message>
        <source>the character U+%1 is not allowed in XML</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is not valid %1 text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a name was expected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the %1 is not closed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;]]&gt;&apos; outside a CDATA section</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;&amp;%1;&apos; is not a character</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the entity &apos;&amp;%1;&apos; is not declared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is more than one root element</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the tag &lt;%1&gt; is not closed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;&gt;&apos; was expected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an attribute was expected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the attribute &apos;%1&apos; is repeated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;=&apos; was expected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a quoted value was expected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the value of &apos;%1&apos; is not closed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the namespace prefix &apos;%1&apos; is not declared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the end tag &lt;/%1&gt; has no start tag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the end tag &lt;/%1&gt; does not match &lt;%2&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the document ends before &lt;/%1&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the document has no element</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>text outside the root element</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>processing instruction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>comment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;--&apos; inside a comment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CDATA section</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the document has a document type declaration</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>morvaine::AboutBox</name>
    <message>
        <source>About Morvaine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Page:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send Feedback:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Support:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>morvaine::ChartInteractionController</name>
    <message>
        <source>1 day</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1
Start: %2
End: %3
Duration: %4
Completion: %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link Tasks
%1 %2 -&gt; %3 %4</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>morvaine::DocumentController</name>
    <message>
        <source>Morvaine Files (*.mrv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MS Project XML (*.xml)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save changes in the project before closing the program?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save changes in the project before starting a new project?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save changes in the project before opening another file?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save changes in the project before importing an MS Project XML file?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>morvaine::ExchangeController</name>
    <message>
        <source>MS Project XML (*.xml)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import MS Project XML</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export MS Project XML</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>morvaine::GridEditingController</name>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>morvaine::HistoryController</name>
    <message>
        <source>Typing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>morvaine::OutputController</name>
    <message>
        <source>Printer error. Set up the printer, please.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JPEG Image File (*.jpg)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>morvaine::PreviewWindow</name>
    <message>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The page number is too large. No such page.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>morvaine::RecentFilesMenu</name>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 no longer exists. It has been taken off the recent files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>morvaine::RecoveryController</name>
    <message>
        <source>Recover</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unsaved changes are not protected: no recovery copy can be written in %1 (%2). Save your work to keep it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>morvaine::ReportWindow</name>
    <message>
        <source>Reports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>morvaine::ResourceDialog</name>
    <message>
        <source>Resource</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cost/Hour:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>morvaine::SettingsDialog</name>
    <message>
        <source>no save file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Project Info </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date of change:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Settings </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>$ (dollar)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (euro)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Project name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Author:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date of start project:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Currency:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Working Days </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fri</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Working Time </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At least one day of the week must be a working day.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Project name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Author</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attention!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, the &apos;%1&apos; field is too long: a project file holds at most %2 bytes in a cell.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>morvaine::TaskGrid</name>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
