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
        <translation>Использование: morvaine [--] [ФАЙЛ.mrv]
       morvaine --export ВЫХОД [--recalc] [--scale day|week|month] [--] ФАЙЛ
       morvaine --report [--recalc] [--] ФАЙЛ

Без параметров открывает окно (с ФАЙЛ.mrv, если он указан).
  --export ВЫХОД загрузить ФАЙЛ без окна и записать ВЫХОД; формат определяется
                 расширением: .mrv (сохранить как новый файл проекта), .csv
                 (таблица задач), .xml (MS Project XML), .pdf (все печатные
                 страницы: A4 книжная, 600 dpi, столбцы таблицы как в новом окне),
                 .jpg или .jpeg (таблица и вся диаграмма одним изображением). ФАЙЛ —
                 файл проекта или документ MS Project XML, различаемые по содержимому
  --report       загрузить ФАЙЛ без окна и вывести его сводный отчёт, по одному
                 показателю в строке: название, пробел и значение
  --recalc       пересчитать расписание после загрузки
  --scale S      масштаб диаграммы Ганта: day, week или month
  --help         показать эту справку
  --version      показать версию
  --             конец параметров: далее следует имя файла, даже если оно
                 начинается с &apos;-&apos;
Сообщения выводятся в стандартный поток ошибок как &apos;Заголовок: текст&apos;. Код
завершения: 0 при успехе, 1 если было показано сообщение об ошибке, 2 при
неверном вызове.
</translation>
    </message>
    <message>
        <source>Cannot write the file &apos;%1&apos;.</source>
        <translation>Не удаётся записать файл &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>%1 given more than once</source>
        <translation>%1 указан более одного раза</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>для %1 нужно значение</translation>
    </message>
    <message>
        <source>unknown scale %1</source>
        <translation>неизвестный масштаб %1</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>неизвестный параметр %1</translation>
    </message>
    <message>
        <source>nothing to do: give --export OUT or --report</source>
        <translation>нечего делать: укажите --export OUT или --report</translation>
    </message>
    <message>
        <source>give only one of --export, --report, --write-sample, --write-manual</source>
        <translation>укажите только один из параметров --export, --report, --write-sample, --write-manual</translation>
    </message>
    <message>
        <source>no project file given</source>
        <translation>не указан файл проекта</translation>
    </message>
    <message>
        <source>more than one project file given</source>
        <translation>указано более одного файла проекта</translation>
    </message>
    <message>
        <source>OUT must end in .mrv, .csv, .xml, .pdf, .jpg or .jpeg</source>
        <translation>OUT должен оканчиваться на .mrv, .csv, .xml, .pdf, .jpg или .jpeg</translation>
    </message>
    <message>
        <source>--write-sample and --write-manual take no other arguments</source>
        <translation>--write-sample и --write-manual не принимают других аргументов</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>New...</source>
        <translation>Создать...</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Открыть...</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>Сохранить...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Сохранить как...</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Сохранить как</translation>
    </message>
    <message>
        <source>Recent Files</source>
        <translation>Недавние файлы</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Экспорт</translation>
    </message>
    <message>
        <source>Print Setup...</source>
        <translation>Настройка печати...</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Предварительный просмотр</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Просмотр</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Печать...</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Import MS Project XML...</source>
        <translation>Импорт MS Project XML...</translation>
    </message>
    <message>
        <source>Export MS Project XML...</source>
        <translation>Экспорт MS Project XML...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>Gantt Zoom In</source>
        <translation>Увеличить диаграмму Ганта</translation>
    </message>
    <message>
        <source>Gantt Zoom Out</source>
        <translation>Уменьшить диаграмму Ганта</translation>
    </message>
    <message>
        <source>Insert New Task</source>
        <translation>Вставить новую задачу</translation>
    </message>
    <message>
        <source>Delete Task</source>
        <translation>Удалить задачу</translation>
    </message>
    <message>
        <source>Outdent</source>
        <translation>Повысить уровень</translation>
    </message>
    <message>
        <source>Indent</source>
        <translation>Понизить уровень</translation>
    </message>
    <message>
        <source>Resource...</source>
        <translation>Ресурсы...</translation>
    </message>
    <message>
        <source>Resource</source>
        <translation>Ресурсы</translation>
    </message>
    <message>
        <source> Critical Path</source>
        <translation> Критический путь</translation>
    </message>
    <message>
        <source>Critical Path On/Off</source>
        <translation>Критический путь вкл./выкл.</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Настройки...</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Total Report</source>
        <translation>Сводный отчёт</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Отчёты</translation>
    </message>
    <message>
        <source>Help (pdf)</source>
        <translation>Справка (pdf)</translation>
    </message>
    <message>
        <source>Morvaine Home Page</source>
        <translation>Домашняя страница Morvaine</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>Отправить отзыв</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Поддержка</translation>
    </message>
    <message>
        <source>About Morvaine</source>
        <translation>О программе Morvaine</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Правка</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Вид</translation>
    </message>
    <message>
        <source>&amp;Task</source>
        <translation>&amp;Задача</translation>
    </message>
    <message>
        <source>T&amp;ools</source>
        <translation>С&amp;ервис</translation>
    </message>
    <message>
        <source>&amp;Report</source>
        <translation>&amp;Отчёт</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
</context>
<context>
    <name>Conversion</name>
    <message>
        <source>&apos;%1&apos; is not a valid date</source>
        <translation>&apos;%1&apos; не является допустимой датой</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; не является допустимым целым числом</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; не является допустимым числом с плавающей точкой</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>Cannot write the file &apos;%1&apos;.</source>
        <translation>Не удаётся записать файл &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Error exporting the image to a file. Very large project. Zoom out the Gantt chart and try again. Code #</source>
        <translation>Ошибка экспорта изображения в файл. Слишком большой проект. Уменьшите масштаб диаграммы Ганта и повторите попытку. Code #</translation>
    </message>
</context>
<context>
    <name>FileAssociation</name>
    <message>
        <source>cannot create the folder</source>
        <translation>не удаётся создать папку</translation>
    </message>
    <message>
        <source>Cannot write the file association %1: %2</source>
        <translation>Не удаётся записать сопоставление файлов %1: %2</translation>
    </message>
</context>
<context>
    <name>ForeignDates</name>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>Some dates of this plan do not read as %1, and no other date format reads them all, so they are left as they are.</source>
        <translation>Некоторые даты этого плана не читаются в формате %1, и ни один другой формат даты не читает их все, поэтому они оставлены без изменений.</translation>
    </message>
    <message>
        <source>The dates of this plan do not read as %1. They read as %2 alike, which give different days, so they are left as they are.</source>
        <translation>Даты этого плана не читаются в формате %1. Они одинаково читаются как %2, что даёт разные дни, поэтому они оставлены без изменений.</translation>
    </message>
    <message>
        <source> or </source>
        <translation> или </translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>The dates of this plan were written as %1. They have been rewritten as %2.</source>
        <translation>Даты этого плана были записаны в формате %1. Они переписаны в формате %2.</translation>
    </message>
</context>
<context>
    <name>HelpLinks</name>
    <message>
        <source>The manual could not be found or written.</source>
        <translation>Руководство не найдено или не может быть записано.</translation>
    </message>
    <message>
        <source>No program could be started to show the manual.
The manual is the file %1</source>
        <translation>Не удалось запустить программу для просмотра руководства.
Руководство находится в файле %1</translation>
    </message>
    <message>
        <source>No web browser could be started.
The address is %1</source>
        <translation>Не удалось запустить веб-браузер.
Адрес: %1</translation>
    </message>
    <message>
        <source>No mail program could be started.
The address is %1</source>
        <translation>Не удалось запустить почтовую программу.
Адрес: %1</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>Sorry</source>
        <translation>Извините</translation>
    </message>
    <message>
        <source>Attention!</source>
        <translation>Внимание!</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Подтверждение</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>и ещё %1</translation>
    </message>
</context>
<context>
    <name>MsProjectImport</name>
    <message>
        <source>1 link</source>
        <translation>1 связь</translation>
    </message>
    <message numerus="yes">
        <source>%n links</source>
        <translation>
            <numerusform>%n связь</numerusform>
            <numerusform>%n связи</numerusform>
            <numerusform>%n связей</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 to tasks outside the plan left out.</source>
        <translation>Пропущено связей с задачами вне плана: %1.</translation>
    </message>
    <message>
        <source>%1 renamed: the characters &apos;, . ; :&apos; became blanks, and names were made unique.</source>
        <translation>Переименовано: %1. Символы &apos;, . ; :&apos; заменены пробелами, имена сделаны уникальными.</translation>
    </message>
    <message>
        <source>1 resource</source>
        <translation>1 ресурс</translation>
    </message>
    <message numerus="yes">
        <source>%n resources</source>
        <translation>
            <numerusform>%n ресурс</numerusform>
            <numerusform>%n ресурса</numerusform>
            <numerusform>%n ресурсов</numerusform>
        </translation>
    </message>
    <message>
        <source>The calendar has no working day; Monday to Friday are used.</source>
        <translation>В календаре нет рабочих дней; используются дни с понедельника по пятницу.</translation>
    </message>
    <message>
        <source>Dates of %1 moved to agree with the working calendar and the links.</source>
        <translation>Даты перенесены в соответствии с рабочим календарём и связями: %1.</translation>
    </message>
    <message>
        <source>1 task</source>
        <translation>1 задача</translation>
    </message>
    <message numerus="yes">
        <source>%n tasks</source>
        <translation>
            <numerusform>%n задача</numerusform>
            <numerusform>%n задачи</numerusform>
            <numerusform>%n задач</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot open the file &apos;%1&apos;.</source>
        <translation>Не удаётся открыть файл &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is too large for a plan.</source>
        <translation>Файл &apos;%1&apos; слишком велик для плана.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is not well-formed XML: %2 (line %3, column %4).</source>
        <translation>Файл &apos;%1&apos; не является корректным XML: %2 (строка %3, столбец %4).</translation>
    </message>
    <message>
        <source>&apos;%1&apos; on line %2 is not a valid value of &lt;%3&gt;.</source>
        <translation>&apos;%1&apos; в строке %2 не является допустимым значением &lt;%3&gt;.</translation>
    </message>
    <message>
        <source>The date &apos;%1&apos; on line %2 is not a date of the years 1 to 9999.</source>
        <translation>Дата &apos;%1&apos; в строке %2 не относится к годам с 1 по 9999.</translation>
    </message>
    <message>
        <source>The plan has more than %1 tasks; Morvaine holds at most %1.</source>
        <translation>В плане более %1 задач; Morvaine вмещает не более %1.</translation>
    </message>
    <message>
        <source>The plan has more than %1 resources; Morvaine holds at most %1.</source>
        <translation>В плане более %1 ресурсов; Morvaine вмещает не более %1.</translation>
    </message>
    <message>
        <source>The calendar has more holidays and extra working days in the years %1 to %2 than a plan keeps: the first %3 were taken, %4 left out.</source>
        <translation>В календаре за %1–%2 годы больше праздников и дополнительных рабочих дней, чем вмещает план: взяты первые %3, пропущено %4.</translation>
    </message>
    <message>
        <source>The calendar has more holidays and extra working days in the years %1 to %2 than a plan keeps: the first %3 were taken, more than %4 left out.</source>
        <translation>В календаре за %1–%2 годы больше праздников и дополнительных рабочих дней, чем вмещает план: взяты первые %3, пропущено более %4.</translation>
    </message>
    <message>
        <source>1 hourly rate above %1 per hour was taken as %1.</source>
        <translation>1 почасовая ставка выше %1 в час принята равной %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n hourly rates above %1 per hour were taken as %1.</source>
        <translation>
            <numerusform>%n почасовая ставка выше %1 в час принята равной %1.</numerusform>
            <numerusform>%n почасовые ставки выше %1 в час приняты равными %1.</numerusform>
            <numerusform>%n почасовых ставок выше %1 в час приняты равными %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 negative hourly rate was taken as 0.</source>
        <translation>1 отрицательная почасовая ставка принята равной 0.</translation>
    </message>
    <message numerus="yes">
        <source>%n negative hourly rates were taken as 0.</source>
        <translation>
            <numerusform>%n отрицательная почасовая ставка принята равной 0.</numerusform>
            <numerusform>%n отрицательные почасовые ставки приняты равными 0.</numerusform>
            <numerusform>%n отрицательных почасовых ставок приняты равными 0.</numerusform>
        </translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is not an MS Project XML document. Its first element is &lt;%2&gt; (line %3, column %4), not &lt;Project&gt; in the namespace %5.</source>
        <translation>Файл &apos;%1&apos; не является документом MS Project XML. Его первый элемент — &lt;%2&gt; (строка %3, столбец %4), а не &lt;Project&gt; в пространстве имён %5.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; has a document type declaration (line %2, column %3). MS Project XML documents have none, and Morvaine does not read one.</source>
        <translation>В файле &apos;%1&apos; есть объявление типа документа (строка %2, столбец %3). В документах MS Project XML его нет, и Morvaine его не читает.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; nests elements more than %2 deep (line %3, column %4); no plan is that deep.</source>
        <translation>В файле &apos;%1&apos; элементы вложены глубже %2 уровней (строка %3, столбец %4); ни один план не бывает такой глубины.</translation>
    </message>
    <message>
        <source>Cannot read the file &apos;%1&apos;.</source>
        <translation>Не удаётся прочитать файл &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>1 lag</source>
        <translation>1 запаздывание</translation>
    </message>
    <message numerus="yes">
        <source>%n lags</source>
        <translation>
            <numerusform>%n запаздывание</numerusform>
            <numerusform>%n запаздывания</numerusform>
            <numerusform>%n запаздываний</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 in elapsed time taken as working days</source>
        <translation>в календарном времени, приняты как рабочие дни: %1</translation>
    </message>
    <message>
        <source>%1 in percent taken as working days of the predecessor</source>
        <translation>в процентах, приняты как рабочие дни предшественника: %1</translation>
    </message>
    <message>
        <source>%1 of part of a day rounded to whole working days</source>
        <translation>с долей дня, округлены до целых рабочих дней: %1</translation>
    </message>
    <message>
        <source>%1 beyond %2 working days cut to %2</source>
        <translation>больше %2 рабочих дней, сокращены до %2: %1</translation>
    </message>
    <message>
        <source>%1 of an unknown type made finish-to-start</source>
        <translation>неизвестного типа, сделаны «окончание-начало»: %1</translation>
    </message>
    <message>
        <source>%1 of %2 was changed: %3.</source>
        <translation>Изменено: %1 (всего %2; %3).</translation>
    </message>
    <message>
        <source>%1 of %2 were changed: %3.</source>
        <translation>Изменено: %1 (всего %2; %3).</translation>
    </message>
    <message>
        <source>The text of &lt;%1&gt; on line %2 is longer than any value of a plan (1 MiB).</source>
        <translation>Текст &lt;%1&gt; в строке %2 длиннее любого значения плана (1 МиБ).</translation>
    </message>
    <message>
        <source>The plan has more than %1 calendars; no plan that Morvaine holds has that many.</source>
        <translation>В плане больше %1 календарей; ни в одном плане, который вмещает Morvaine, их столько нет.</translation>
    </message>
    <message>
        <source>The plan has more than %1 calendar exceptions; no plan that Morvaine holds has that many.</source>
        <translation>В плане больше %1 исключений календаря; ни в одном плане, который вмещает Morvaine, их столько нет.</translation>
    </message>
</context>
<context>
    <name>ProjectFile</name>
    <message>
        <source>Error saving the file. Code #%1</source>
        <translation>Ошибка сохранения файла. Code #%1</translation>
    </message>
    <message>
        <source>Error opening the file. Code #%1</source>
        <translation>Ошибка открытия файла. Code #%1</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>не обычный файл</translation>
    </message>
    <message>
        <source>the setting &quot;%1&quot;</source>
        <translation>параметра «%1»</translation>
    </message>
    <message>
        <source>task %1, column &quot;%2&quot;</source>
        <translation>задачи %1, столбец «%2»</translation>
    </message>
    <message>
        <source>resource %1, column &quot;%2&quot;</source>
        <translation>ресурса %1, столбец «%2»</translation>
    </message>
    <message>
        <source>The text was too long for one cell and was cut to the %1 bytes a project file holds in a cell.</source>
        <translation>Текст был слишком длинным для одной ячейки и обрезан до %1 байт, которые файл проекта вмещает в ячейке.</translation>
    </message>
    <message>
        <source>1 text was too long for one cell and cut to the %1 bytes a project file holds in a cell.</source>
        <translation>1 текст был слишком длинным для одной ячейки и обрезан до %1 байт, которые файл проекта вмещает в ячейке.</translation>
    </message>
    <message numerus="yes">
        <source>%n texts were too long for one cell and cut to the %1 bytes a project file holds in a cell.</source>
        <translation>
            <numerusform>%n текст был слишком длинным для одной ячейки и обрезан до %1 байт, которые файл проекта вмещает в ячейке.</numerusform>
            <numerusform>%n текста были слишком длинными для одной ячейки и обрезаны до %1 байт, которые файл проекта вмещает в ячейке.</numerusform>
            <numerusform>%n текстов были слишком длинными для одной ячейки и обрезаны до %1 байт, которые файл проекта вмещает в ячейке.</numerusform>
        </translation>
    </message>
    <message>
        <source>Error saving the file. The text of %1 is longer than the %2 bytes a project file holds in a cell; shorten it and save again.</source>
        <translation>Ошибка сохранения файла. Текст %1 длиннее %2 байт, которые файл проекта вмещает в ячейке; сократите его и сохраните снова.</translation>
    </message>
    <message>
        <source>Error opening the file. Unknown file format. Code #0005</source>
        <translation>Ошибка открытия файла. Неизвестный формат файла. Code #0005</translation>
    </message>
    <message>
        <source>Error opening the file. Unknown version file format. Code #0006</source>
        <translation>Ошибка открытия файла. Неизвестная версия формата файла. Code #0006</translation>
    </message>
</context>
<context>
    <name>Recovery</name>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 не является папкой</translation>
    </message>
    <message>
        <source>the copy is in use by another window</source>
        <translation>копия используется другим окном</translation>
    </message>
    <message>
        <source>the lock file cannot be written</source>
        <translation>не удаётся записать файл блокировки</translation>
    </message>
    <message>
        <source>the copy cannot be written</source>
        <translation>не удаётся записать копию</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>The recovery copy could not be read. It was kept as %1.</source>
        <translation>Не удалось прочитать копию для восстановления. Она сохранена как %1.</translation>
    </message>
    <message>
        <source>an untitled plan</source>
        <translation>безымянный план</translation>
    </message>
    <message>
        <source>Morvaine was closed without saving %1. Recover the unsaved changes?</source>
        <translation>Morvaine был закрыт без сохранения: %1. Восстановить несохранённые изменения?</translation>
    </message>
</context>
<context>
    <name>ResourceEditor</name>
    <message>
        <source>Update</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Sorry, there can be only 999 types of resources.</source>
        <translation>Извините, может быть не более 999 видов ресурсов.</translation>
    </message>
    <message>
        <source>Sorry, the &apos;%1&apos; field is too long: a project file holds at most %2 bytes in a cell.</source>
        <translation>Извините, поле &apos;%1&apos; слишком длинное: файл проекта вмещает в ячейке не более %2 байт.</translation>
    </message>
    <message>
        <source>Please specify the &apos;Name&apos; field.</source>
        <translation>Заполните поле &apos;Имя&apos;.</translation>
    </message>
    <message>
        <source>Sorry, it is impossible to use the &apos;, . ; :&apos; characters in the &apos;Name&apos; field.</source>
        <translation>Извините, в поле &apos;Имя&apos; нельзя использовать символы &apos;, . ; :&apos;.</translation>
    </message>
    <message>
        <source>Sorry, this name already exists.
Please specify another one.</source>
        <translation>Извините, такое имя уже существует.
Укажите другое.</translation>
    </message>
    <message>
        <source>Sorry, you can type only digits and the &apos;.&apos; character in the &apos;Cost/Hour&apos; field.</source>
        <translation>Извините, в поле &apos;Цена/час&apos; можно вводить только цифры и символ &apos;.&apos;.</translation>
    </message>
    <message>
        <source>Sorry, the &apos;Cost/Hour&apos; must be less than %1.</source>
        <translation>Извините, значение &apos;Цена/час&apos; должно быть меньше %1.</translation>
    </message>
    <message>
        <source>Sorry, with this name the &apos;Resource&apos; of task %1 would be too long for a project file.</source>
        <translation>Извините, с этим именем поле &apos;Ресурс&apos; задачи %1 будет слишком длинным для файла проекта.</translation>
    </message>
</context>
<context>
    <name>ResourceTable</name>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Cost/Hour</source>
        <translation>Цена/час</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Адрес</translation>
    </message>
</context>
<context>
    <name>Schedule</name>
    <message>
        <source>&apos;%1&apos; is not a valid duration: the End would fall after the year 9999</source>
        <translation>&apos;%1&apos; не является допустимой длительностью: окончание придётся на время после 9999 года</translation>
    </message>
    <message>
        <source>%1
Row %2, %3.</source>
        <translation>%1
Строка %2, %3.</translation>
    </message>
    <message>
        <source>The &apos;Start&apos; date is earlier than the project start date
Change the project start date?</source>
        <translation>Дата &apos;Начало&apos; раньше даты начала проекта
Изменить дату начала проекта?</translation>
    </message>
    <message>
        <source>The &apos;End&apos; (and &apos;Start&apos;) date is earlier than the project start date.
Change the project start date?</source>
        <translation>Дата &apos;Окончание&apos; (и &apos;Начало&apos;) раньше даты начала проекта.
Изменить дату начала проекта?</translation>
    </message>
    <message>
        <source>Link error (Task #%1 -&gt; Task #%2)
This link will be ignored.</source>
        <translation>Ошибка связи (задача #%1 -&gt; задача #%2)
Эта связь будет пропущена.</translation>
    </message>
    <message>
        <source>The task number %1 is too large.</source>
        <translation>Номер задачи %1 слишком велик.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a link type; the types are FS, SS, FF and SF.</source>
        <translation>&apos;%1&apos; не является типом связи; типы: FS, SS, FF и SF.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no lag; a lag is +k or -k working days.</source>
        <translation>&apos;%1&apos; не является запаздыванием; запаздывание — это +k или -k рабочих дней.</translation>
    </message>
    <message>
        <source>The lag &apos;%1%2&apos; is not a whole number of working days.</source>
        <translation>Запаздывание &apos;%1%2&apos; не является целым числом рабочих дней.</translation>
    </message>
    <message>
        <source>The lag %1%2 is beyond %3 working days.</source>
        <translation>Запаздывание %1%2 выходит за пределы %3 рабочих дней.</translation>
    </message>
    <message>
        <source>Link error (Task #%1, item &apos;%2&apos;)
%3
This link will be ignored.</source>
        <translation>Ошибка связи (задача #%1, элемент &apos;%2&apos;)
%3
Эта связь будет пропущена.</translation>
    </message>
</context>
<context>
    <name>TaskTable</name>
    <message>
        <source>Start</source>
        <translation>Начало</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Окончание</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>Задача</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Длит.</translation>
    </message>
    <message>
        <source>Forerunner</source>
        <translation>Предш.</translation>
    </message>
    <message>
        <source>Resource</source>
        <translation>Ресурс</translation>
    </message>
    <message>
        <source>Completion</source>
        <translation>Выполнено</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Уровень</translation>
    </message>
    <message>
        <source>Veha</source>
        <translation>Veha</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
</context>
<context>
    <name>TimeAxis</name>
    <message>
        <source>Jan</source>
        <translation>янв</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>фев</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>мар</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>апр</translation>
    </message>
    <message>
        <source>May</source>
        <translation>май</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>июн</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>июл</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>авг</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>сен</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>окт</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>ноя</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>дек</translation>
    </message>
</context>
<context>
    <name>TotalReport</name>
    <message>
        <source>Start Date:</source>
        <translation>Дата начала:</translation>
    </message>
    <message>
        <source>End Date:</source>
        <translation>Дата окончания:</translation>
    </message>
    <message>
        <source>Diration:</source>
        <translation>Длительность:</translation>
    </message>
    <message>
        <source>Current Cost:</source>
        <translation>Текущая стоимость:</translation>
    </message>
    <message>
        <source>Total Cost:</source>
        <translation>Общая стоимость:</translation>
    </message>
    <message>
        <source>Completion:</source>
        <translation>Выполнено:</translation>
    </message>
    <message>
        <source>Group Task:</source>
        <translation>Группы задач:</translation>
    </message>
    <message>
        <source>Task:</source>
        <translation>Задачи:</translation>
    </message>
    <message>
        <source>Milestone:</source>
        <translation>Вехи:</translation>
    </message>
    <message>
        <source>Resource:</source>
        <translation>Ресурсы:</translation>
    </message>
    <message>
        <source>Average Cost/Hour:</source>
        <translation>Средняя стоимость/час:</translation>
    </message>
    <message>
        <source>1 day</source>
        <translation>1 день</translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n день</numerusform>
            <numerusform>%n дня</numerusform>
            <numerusform>%n дней</numerusform>
        </translation>
    </message>
    <message>
        <source>Project Report: %1</source>
        <translation>Отчёт по проекту: %1</translation>
    </message>
    <message>
        <source>Project Status</source>
        <translation>Состояние проекта</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>Задачи</translation>
    </message>
    <message>
        <source>Resource</source>
        <translation>Ресурсы</translation>
    </message>
    <message>
        <source>Morvaine 1.0 - Total Report</source>
        <translation>Morvaine 1.0 - Сводный отчёт</translation>
    </message>
</context>
<context>
    <name>WorkingTime</name>
    <message>
        <source>1 hour per day</source>
        <translation>1 час в день</translation>
    </message>
    <message numerus="yes">
        <source>%n hours per day</source>
        <translation>
            <numerusform>%n час в день</numerusform>
            <numerusform>%n часа в день</numerusform>
            <numerusform>%n часов в день</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>XmlReader</name>
    <message>
        <source>out of memory</source>
        <translation>недостаточно памяти</translation>
    </message>
    <message>
        <source>syntax error</source>
        <translation>синтаксическая ошибка</translation>
    </message>
    <message>
        <source>no element found</source>
        <translation>элемент не найден</translation>
    </message>
    <message>
        <source>not well-formed (invalid token)</source>
        <translation>нарушена правильность (недопустимая лексема)</translation>
    </message>
    <message>
        <source>unclosed token</source>
        <translation>незакрытая лексема</translation>
    </message>
    <message>
        <source>partial character</source>
        <translation>неполный символ</translation>
    </message>
    <message>
        <source>mismatched tag</source>
        <translation>несоответствующий тег</translation>
    </message>
    <message>
        <source>duplicate attribute</source>
        <translation>повторяющийся атрибут</translation>
    </message>
    <message>
        <source>junk after document element</source>
        <translation>лишние данные после элемента документа</translation>
    </message>
    <message>
        <source>illegal parameter entity reference</source>
        <translation>недопустимая ссылка на параметрическую сущность</translation>
    </message>
    <message>
        <source>undefined entity</source>
        <translation>неопределённая сущность</translation>
    </message>
    <message>
        <source>recursive entity reference</source>
        <translation>рекурсивная ссылка на сущность</translation>
    </message>
    <message>
        <source>asynchronous entity</source>
        <translation>асинхронная сущность</translation>
    </message>
    <message>
        <source>reference to invalid character number</source>
        <translation>ссылка на недопустимый номер символа</translation>
    </message>
    <message>
        <source>reference to binary entity</source>
        <translation>ссылка на двоичную сущность</translation>
    </message>
    <message>
        <source>reference to external entity in attribute</source>
        <translation>ссылка на внешнюю сущность в атрибуте</translation>
    </message>
    <message>
        <source>XML or text declaration not at start of entity</source>
        <translation>объявление XML или текста не в начале сущности</translation>
    </message>
    <message>
        <source>unknown encoding</source>
        <translation>неизвестная кодировка</translation>
    </message>
    <message>
        <source>encoding specified in XML declaration is incorrect</source>
        <translation>кодировка, указанная в объявлении XML, неверна</translation>
    </message>
    <message>
        <source>unclosed CDATA section</source>
        <translation>незакрытый раздел CDATA</translation>
    </message>
    <message>
        <source>error in processing external entity reference</source>
        <translation>ошибка при обработке ссылки на внешнюю сущность</translation>
    </message>
    <message>
        <source>document is not standalone</source>
        <translation>документ не является автономным</translation>
    </message>
    <message>
        <source>entity declared in parameter entity</source>
        <translation>сущность объявлена в параметрической сущности</translation>
    </message>
    <message>
        <source>unbound prefix</source>
        <translation>несвязанный префикс</translation>
    </message>
    <message>
        <source>must not undeclare prefix</source>
        <translation>нельзя отменять объявление префикса</translation>
    </message>
    <message>
        <source>incomplete markup in parameter entity</source>
        <translation>неполная разметка в параметрической сущности</translation>
    </message>
    <message>
        <source>XML declaration not well-formed</source>
        <translation>объявление XML составлено неправильно</translation>
    </message>
    <message>
        <source>text declaration not well-formed</source>
        <translation>объявление текста составлено неправильно</translation>
    </message>
    <message>
        <source>illegal character(s) in public id</source>
        <translation>недопустимые символы в публичном идентификаторе</translation>
    </message>
    <message>
        <source>reserved prefix (xml) must not be undeclared or bound to another namespace name</source>
        <translation>зарезервированный префикс (xml) нельзя отменять или связывать с другим пространством имён</translation>
    </message>
    <message>
        <source>reserved prefix (xmlns) must not be declared or undeclared</source>
        <translation>зарезервированный префикс (xmlns) нельзя объявлять или отменять</translation>
    </message>
    <message>
        <source>prefix must not be bound to one of the reserved namespace names</source>
        <translation>префикс нельзя связывать с одним из зарезервированных пространств имён</translation>
    </message>
    <message>
        <source>limit on input amplification factor (from DTD and entities) breached</source>
        <translation>превышен предел коэффициента усиления входных данных (из DTD и сущностей)</translation>
    </message>
</context>
<context>
    <name>morvaine::AboutBox</name>
    <message>
        <source>About Morvaine</source>
        <translation>О программе Morvaine</translation>
    </message>
    <message>
        <source>Home Page:</source>
        <translation>Домашняя страница:</translation>
    </message>
    <message>
        <source>Send Feedback:</source>
        <translation>Отправить отзыв:</translation>
    </message>
    <message>
        <source>Support:</source>
        <translation>Поддержка:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>morvaine::ChartInteractionController</name>
    <message>
        <source>1 day</source>
        <translation>1 день</translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n день</numerusform>
            <numerusform>%n дня</numerusform>
            <numerusform>%n дней</numerusform>
        </translation>
    </message>
    <message>
        <source>%1
Start: %2
End: %3
Duration: %4
Completion: %5</source>
        <translation>%1
Начало: %2
Окончание: %3
Длительность: %4
Выполнено: %5</translation>
    </message>
    <message>
        <source>Link Tasks
%1 %2 -&gt; %3 %4</source>
        <translation>Связать задачи
%1 %2 -&gt; %3 %4</translation>
    </message>
</context>
<context>
    <name>morvaine::DocumentController</name>
    <message>
        <source>Morvaine Files (*.mrv)</source>
        <translation>Файлы Morvaine (*.mrv)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Все файлы (*)</translation>
    </message>
    <message>
        <source>MS Project XML (*.xml)</source>
        <translation>MS Project XML (*.xml)</translation>
    </message>
    <message>
        <source>Save changes in the project before closing the program?</source>
        <translation>Сохранить изменения в проекте перед закрытием программы?</translation>
    </message>
    <message>
        <source>Save changes in the project before starting a new project?</source>
        <translation>Сохранить изменения в проекте перед созданием нового проекта?</translation>
    </message>
    <message>
        <source>Save changes in the project before opening another file?</source>
        <translation>Сохранить изменения в проекте перед открытием другого файла?</translation>
    </message>
    <message>
        <source>Save changes in the project before importing an MS Project XML file?</source>
        <translation>Сохранить изменения в проекте перед импортом файла MS Project XML?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Подтверждение</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Сохранить как</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
</context>
<context>
    <name>morvaine::ExchangeController</name>
    <message>
        <source>MS Project XML (*.xml)</source>
        <translation>MS Project XML (*.xml)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Все файлы (*)</translation>
    </message>
    <message>
        <source>Import MS Project XML</source>
        <translation>Импорт MS Project XML</translation>
    </message>
    <message>
        <source>Export MS Project XML</source>
        <translation>Экспорт MS Project XML</translation>
    </message>
</context>
<context>
    <name>morvaine::GridEditingController</name>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
</context>
<context>
    <name>morvaine::HistoryController</name>
    <message>
        <source>Typing</source>
        <translation>Ввод</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Отменить: %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Повторить: %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Повторить</translation>
    </message>
</context>
<context>
    <name>morvaine::OutputController</name>
    <message>
        <source>Printer error. Set up the printer, please.</source>
        <translation>Ошибка принтера. Настройте принтер.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Экспорт</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>Все файлы (*.*)</translation>
    </message>
    <message>
        <source>JPEG Image File (*.jpg)</source>
        <translation>Файл изображения JPEG (*.jpg)</translation>
    </message>
</context>
<context>
    <name>morvaine::PreviewWindow</name>
    <message>
        <source>Preview</source>
        <translation>Просмотр</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Настройка печати</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>The page number is too large. No such page.</source>
        <translation>Слишком большой номер страницы. Такой страницы нет.</translation>
    </message>
</context>
<context>
    <name>morvaine::RecentFilesMenu</name>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>The file %1 no longer exists. It has been taken off the recent files.</source>
        <translation>Файл %1 больше не существует. Он удалён из списка недавних файлов.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
</context>
<context>
    <name>morvaine::RecoveryController</name>
    <message>
        <source>Recover</source>
        <translation>Восстановление</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>Unsaved changes are not protected: no recovery copy can be written in %1 (%2). Save your work to keep it.</source>
        <translation>Несохранённые изменения не защищены: копию для восстановления нельзя записать в %1 (%2). Сохраните работу, чтобы не потерять её.</translation>
    </message>
</context>
<context>
    <name>morvaine::ReportWindow</name>
    <message>
        <source>Reports</source>
        <translation>Отчёты</translation>
    </message>
    <message>
        <source>Total Report</source>
        <translation>Сводный отчёт</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
</context>
<context>
    <name>morvaine::ResourceDialog</name>
    <message>
        <source>Resource</source>
        <translation>Ресурсы</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Имя:</translation>
    </message>
    <message>
        <source>Cost/Hour:</source>
        <translation>Цена/час:</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Адрес:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>morvaine::SettingsDialog</name>
    <message>
        <source>no save file</source>
        <translation>файл не сохранён</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source> Project Info </source>
        <translation> Сведения о проекте </translation>
    </message>
    <message>
        <source>Create date:</source>
        <translation>Дата создания:</translation>
    </message>
    <message>
        <source>Date of change:</source>
        <translation>Дата изменения:</translation>
    </message>
    <message>
        <source>File name:</source>
        <translation>Имя файла:</translation>
    </message>
    <message>
        <source> Settings </source>
        <translation> Настройки </translation>
    </message>
    <message>
        <source>$ (dollar)</source>
        <translation>$ (доллар)</translation>
    </message>
    <message>
        <source>%1 (euro)</source>
        <translation>%1 (евро)</translation>
    </message>
    <message>
        <source>Project name:</source>
        <translation>Название проекта:</translation>
    </message>
    <message>
        <source>Author:</source>
        <translation>Автор:</translation>
    </message>
    <message>
        <source>Date of start project:</source>
        <translation>Дата начала проекта:</translation>
    </message>
    <message>
        <source>Currency:</source>
        <translation>Валюта:</translation>
    </message>
    <message>
        <source> Working Days </source>
        <translation> Рабочие дни </translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Пн</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Вт</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Ср</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Чт</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Пт</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Сб</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Вс</translation>
    </message>
    <message>
        <source> Working Time </source>
        <translation> Рабочее время </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>At least one day of the week must be a working day.</source>
        <translation>Хотя бы один день недели должен быть рабочим.</translation>
    </message>
    <message>
        <source>Project name</source>
        <translation>Название проекта</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Автор</translation>
    </message>
    <message>
        <source>Attention!</source>
        <translation>Внимание!</translation>
    </message>
    <message>
        <source>Sorry, the &apos;%1&apos; field is too long: a project file holds at most %2 bytes in a cell.</source>
        <translation>Извините, поле &apos;%1&apos; слишком длинное: файл проекта вмещает в ячейке не более %2 байт.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Проект</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Календарь</translation>
    </message>
    <message>
        <source> Holidays </source>
        <translation> Праздники </translation>
    </message>
    <message>
        <source> Extra working days </source>
        <translation> Дополнительные рабочие дни </translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>С:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>По:</translation>
    </message>
    <message>
        <source>Sorry, the list is too long: a project file holds at most %1 bytes in a cell.</source>
        <translation>Извините, список слишком длинный: файл проекта вмещает в ячейке не более %1 байт.</translation>
    </message>
</context>
<context>
    <name>morvaine::TaskGrid</name>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
</context>
</TS>
