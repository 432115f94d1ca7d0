<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>Analysis</name>
    <message>
        <source>one place late</source>
        <translation>на одно место позже</translation>
    </message>
    <message>
        <source>one place early</source>
        <translation>на одно место раньше</translation>
    </message>
    <message numerus="yes">
        <source>%n places late</source>
        <translation>
            <numerusform>на %n место позже</numerusform>
            <numerusform>на %n места позже</numerusform>
            <numerusform>на %n мест позже</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n places early</source>
        <translation>
            <numerusform>на %n место раньше</numerusform>
            <numerusform>на %n места раньше</numerusform>
            <numerusform>на %n мест раньше</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n after it right but %1</source>
        <translation>
            <numerusform>%n ответ после этого верен, но %1</numerusform>
            <numerusform>%n ответа после этого верны, но %1</numerusform>
            <numerusform>%n ответов после этого верны, но %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n right but %1</source>
        <translation>
            <numerusform>%n ответ верен, но %1</numerusform>
            <numerusform>%n ответа верны, но %1</numerusform>
            <numerusform>%n ответов верны, но %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n omitted at %1</source>
        <translation>
            <numerusform>%n пропуск: %1</numerusform>
            <numerusform>%n пропуска: %1</numerusform>
            <numerusform>%n пропусков: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n inserted at %1</source>
        <translation>
            <numerusform>%n вставка: %1</numerusform>
            <numerusform>%n вставки: %1</numerusform>
            <numerusform>%n вставок: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n wrong</source>
        <translation>
            <numerusform>%n неверный ответ</numerusform>
            <numerusform>%n неверных ответа</numerusform>
            <numerusform>%n неверных ответов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n blank</source>
        <translation>
            <numerusform>%n пустой ответ</numerusform>
            <numerusform>%n пустых ответа</numerusform>
            <numerusform>%n пустых ответов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n swapped (%1)</source>
        <translation>
            <numerusform>%n перестановка (%1)</numerusform>
            <numerusform>%n перестановки (%1)</numerusform>
            <numerusform>%n перестановок (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>No mistakes</source>
        <translation>Ошибок нет</translation>
    </message>
    <message>
        <source>Right in order: %1 of %2</source>
        <translation>Верно по порядку: %1 из %2</translation>
    </message>
    <message>
        <source>swapped (%1)</source>
        <translation>переставлен (%1)</translation>
    </message>
    <message>
        <source>right</source>
        <translation>верно</translation>
    </message>
    <message>
        <source>omitted</source>
        <translation>пропущен</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>неверно</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>пусто</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>нет ответа</translation>
    </message>
    <message>
        <source>inserted</source>
        <translation>вставлен</translation>
    </message>
    <message>
        <source>right but %1</source>
        <translation>верно, но %1</translation>
    </message>
</context>
<context>
    <name>AnswerSheet</name>
    <message>
        <source>wrong answer</source>
        <translation>неверный ответ</translation>
    </message>
    <message>
        <source> (blanks lost in the file)</source>
        <translation> (пробелы потеряны в файле)</translation>
    </message>
    <message>
        <source> (another Unicode form)</source>
        <translation> (другая форма Unicode)</translation>
    </message>
    <message>
        <source>wrong: %1 (blanks lost in the file)</source>
        <translation>неверно: %1 (пробелы потеряны в файле)</translation>
    </message>
    <message>
        <source>wrong: %1 (another Unicode form)</source>
        <translation>неверно: %1 (другая форма Unicode)</translation>
    </message>
    <message>
        <source>wrong: %1 (blanks differ)</source>
        <translation>неверно: %1 (пробелы отличаются)</translation>
    </message>
    <message>
        <source>wrong: %1</source>
        <translation>неверно: %1</translation>
    </message>
    <message>
        <source>(no answer)</source>
        <translation>(нет ответа)</translation>
    </message>
    <message>
        <source>wrong: blank (no answer)</source>
        <translation>неверно: пусто (нет ответа)</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Unknown error</source>
        <translation>Неизвестная ошибка</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Заменить</translation>
    </message>
    <message>
        <source>&amp;Add another</source>
        <translation>&amp;Добавить ещё один</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Подтверждение</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Не удаётся создать файл «%1». %2</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Это папка</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Не удаётся открыть файл «%1». %2</translation>
    </message>
    <message>
        <source>Cannot create the data folder %1. %2</source>
        <translation>Не удаётся создать папку данных %1. %2</translation>
    </message>
    <message>
        <source>The file is not a regular file.</source>
        <translation>Это не обычный файл.</translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation>Файл доступен только для чтения.</translation>
    </message>
    <message>
        <source>The file holds %1 bytes (%2 MiB); data files of up to %3 MiB are read.</source>
        <translation>Размер файла — %1 байт (%2 МиБ); читаются файлы данных не больше %3 МиБ.</translation>
    </message>
    <message>
        <source>Unable to write to %1. Another copy of Tenacio is writing to its folder; nothing was changed. Try again in a moment.</source>
        <translation>Не удаётся записать в %1. Другая копия Tenacio сейчас пишет в эту папку; ничего не изменено. Повторите попытку чуть позже.</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Неизвестная ошибка</translation>
    </message>
    <message>
        <source>The file holds no sections this program can read; it was left as it was</source>
        <translation>В файле нет разделов, которые эта программа может прочитать; он оставлен без изменений</translation>
    </message>
    <message>
        <source>Unable to write to %1. %2</source>
        <translation>Не удаётся записать в %1. %2</translation>
    </message>
</context>
<context>
    <name>Launch</name>
    <message>
        <source>The Module library could not be read (%1), so there is no Module to draw the elements from. See to it under Modules in the menu bar.</source>
        <translation>Не удалось прочитать библиотеку модулей (%1), поэтому нет модуля, из которого можно взять элементы. Проверьте её в пункте «Модули» в строке меню.</translation>
    </message>
    <message>
        <source>There is no Module yet to draw the elements from. Add one under Modules in the menu bar, then choose it under Options.</source>
        <translation>Пока нет модуля, из которого можно взять элементы. Добавьте его в пункте «Модули» в строке меню, затем выберите в «Настройках».</translation>
    </message>
    <message>
        <source>The Module &quot;%1&quot; no longer exists. Choose another one under Options, or add it again under Modules in the menu bar.</source>
        <translation>Модуля «%1» больше нет. Выберите другой в «Настройках» или снова добавьте его в пункте «Модули» в строке меню.</translation>
    </message>
    <message>
        <source>Preparing the voice...</source>
        <translation>Подготовка голоса…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Trening</source>
        <translation>Тренировка</translation>
    </message>
    <message>
        <source>Introductory Test</source>
        <translation>Вводный тест</translation>
    </message>
    <message>
        <source>Exam</source>
        <translation>Экзамен</translation>
    </message>
    <message>
        <source>Press OK to start</source>
        <translation>Нажмите «ОК», чтобы начать</translation>
    </message>
    <message>
        <source>No speech engine is installed</source>
        <translation>Не установлен синтезатор речи</translation>
    </message>
    <message>
        <source>The Elements can&apos;t be spoken: %1. Turn &quot;Speak Elements&quot; off in the options to train without the voice.</source>
        <translation>Элементы не удаётся озвучить: %1. Отключите «Озвучивать элементы» в настройках, чтобы тренироваться без голоса.</translation>
    </message>
    <message>
        <source>Test is not completed. The Elements could not be spoken: %1</source>
        <translation>Тест не завершён. Элементы не удалось озвучить: %1</translation>
    </message>
</context>
<context>
    <name>Mistakes</name>
    <message numerus="yes">
        <source>%n omitted</source>
        <translation>
            <numerusform>%n пропущенный</numerusform>
            <numerusform>%n пропущенных</numerusform>
            <numerusform>%n пропущенных</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n wrong</source>
        <translation>
            <numerusform>%n неверный</numerusform>
            <numerusform>%n неверных</numerusform>
            <numerusform>%n неверных</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n blank</source>
        <translation>
            <numerusform>%n пустой</numerusform>
            <numerusform>%n пустых</numerusform>
            <numerusform>%n пустых</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n swapped</source>
        <translation>
            <numerusform>%n переставленный</numerusform>
            <numerusform>%n переставленных</numerusform>
            <numerusform>%n переставленных</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Modules</name>
    <message>
        <source>The Module library &quot;%1&quot; holds nothing this program recognises as Modules; it was left as it was.</source>
        <translation>В библиотеке модулей «%1» нет ничего, что эта программа распознаёт как модули; она оставлена без изменений.</translation>
    </message>
    <message>
        <source>The Module library already holds a Module named &quot;%1&quot;.</source>
        <translation>В библиотеке модулей уже есть модуль с именем «%1».</translation>
    </message>
    <message>
        <source>The Module library can&apos;t keep these Elements as they are; no Module was made.</source>
        <translation>Библиотека модулей не может сохранить эти элементы в таком виде; модуль не создан.</translation>
    </message>
</context>
<context>
    <name>ResultsStore</name>
    <message>
        <source>Module: %1</source>
        <translation>Модуль: %1</translation>
    </message>
    <message>
        <source>Module: %1, %2 to %3</source>
        <translation>Модуль: %1, с %2 по %3</translation>
    </message>
    <message>
        <source>Stored without its Module: no runs to compare with.</source>
        <translation>Сохранено без модуля: сравнивать не с чем.</translation>
    </message>
    <message>
        <source>The only run on this Module.</source>
        <translation>Единственная попытка по этому модулю.</translation>
    </message>
    <message>
        <source>No earlier run; best run on this Module so far.</source>
        <translation>Более ранних попыток нет; лучшая попытка по этому модулю на сегодня.</translation>
    </message>
    <message>
        <source>No earlier run; best on this Module %1 (%2).</source>
        <translation>Более ранних попыток нет; лучшая по этому модулю %1 (%2).</translation>
    </message>
    <message>
        <source>Previous run %1 (%2); best run on this Module so far.</source>
        <translation>Предыдущая попытка %1 (%2); лучшая попытка по этому модулю на сегодня.</translation>
    </message>
    <message>
        <source>Previous run %1 (%2); best on this Module %3 (%4).</source>
        <translation>Предыдущая попытка %1 (%2); лучшая по этому модулю %3 (%4).</translation>
    </message>
</context>
<context>
    <name>Run</name>
    <message>
        <source>%1 of %2</source>
        <translation>%1 из %2</translation>
    </message>
</context>
<context>
    <name>RunRules</name>
    <message>
        <source>The number of elements must lie between %1 and %2.</source>
        <translation>Количество элементов должно быть от %1 до %2.</translation>
    </message>
    <message>
        <source>The Module has no range of elements to draw from.</source>
        <translation>В модуле нет диапазона, из которого можно взять элементы.</translation>
    </message>
</context>
<context>
    <name>Scoring</name>
    <message>
        <source>Koeff = right ÷ 5</source>
        <translation>Koeff = верные ÷ 5</translation>
    </message>
    <message>
        <source>Koeff = (Elements + right − seconds ÷ 6) ÷ 5</source>
        <translation>Koeff = (элементы + верные − секунды ÷ 6) ÷ 5</translation>
    </message>
    <message>
        <source>Koeff, the score of a run: the Elements asked plus the right answers, less one for every six seconds, divided by 5; so six seconds cost as much as a wrong answer. Higher is better. The Introductory Test&apos;s Koeff is its right answers divided by 5.</source>
        <translation>Koeff — оценка попытки: число заданных элементов плюс число верных ответов, минус один за каждые шесть секунд, делённое на 5; так шесть секунд стоят столько же, сколько неверный ответ. Чем выше, тем лучше. Koeff вводного теста — число верных ответов, делённое на 5.</translation>
    </message>
    <message>
        <source>%1 (&lt;1 in 10 wrong)</source>
        <translation>%1 (&lt;1 из 10 неверно)</translation>
    </message>
    <message>
        <source>Marks: %1
%2</source>
        <translation>Оценки: %1
%2</translation>
    </message>
    <message>
        <source>from %1, %2</source>
        <translation>от %1: %2</translation>
    </message>
    <message>
        <source>A Koeff below %1 gives the mark %2; %3 when fewer than one answer in ten is wrong, else 5.</source>
        <translation>Koeff ниже %1 даёт оценку %2; %3, если неверно меньше одного ответа из десяти, иначе 5.</translation>
    </message>
</context>
<context>
    <name>SportScoring</name>
    <message>
        <source>Koeff and mark</source>
        <translation>Koeff и оценка</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Ряды</translation>
    </message>
    <message>
        <source>Until the first mistake</source>
        <translation>До первой ошибки</translation>
    </message>
    <message>
        <source>Right answers</source>
        <translation>Верные ответы</translation>
    </message>
    <message>
        <source>%1 in row %2 (%3–%4)</source>
        <translation>%1 в ряду %2 (%3–%4)</translation>
    </message>
    <message>
        <source>Rows of %1: %2 of %3</source>
        <translation>Ряды по %1: %2 из %3</translation>
    </message>
    <message>
        <source>Rows of %1: %2 of %3; lost %4</source>
        <translation>Ряды по %1: %2 из %3; потеряно %4</translation>
    </message>
    <message>
        <source>Until the first mistake: %1 of %2</source>
        <translation>До первой ошибки: %1 из %2</translation>
    </message>
    <message>
        <source>Right answers: %1 of %2</source>
        <translation>Верные ответы: %1 из %2</translation>
    </message>
</context>
<context>
    <name>Tfrm_exe</name>
    <message>
        <source>Do exercises</source>
        <translation>Примеры</translation>
    </message>
    <message>
        <source>Sum %1</source>
        <translation>Пример %1</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;ОК</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>О&amp;тмена</translation>
    </message>
    <message>
        <source>Sum %1: </source>
        <translation>Пример %1: </translation>
    </message>
    <message>
        <source>Stop test?</source>
        <translation>Прервать тест?</translation>
    </message>
    <message>
        <source>You need to finish exercises!</source>
        <translation>Сначала решите все примеры!</translation>
    </message>
    <message>
        <source>solved</source>
        <translation>решён</translation>
    </message>
    <message>
        <source>not solved yet</source>
        <translation>ещё не решён</translation>
    </message>
</context>
<context>
    <name>Tfrm_help</name>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;ОК</translation>
    </message>
    <message>
        <source>Help is available here - %1</source>
        <translation>Справка доступна здесь: %1</translation>
    </message>
    <message>
        <source>Your data is kept in %1</source>
        <translation>Ваши данные хранятся в %1</translation>
    </message>
</context>
<context>
    <name>Tfrm_main</name>
    <message>
        <source>All Modules</source>
        <translation>Все модули</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Настройки</translation>
    </message>
    <message>
        <source>&amp;Modules</source>
        <translation>&amp;Модули</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Тест</translation>
    </message>
    <message>
        <source>&amp;Introductory Test</source>
        <translation>&amp;Вводный тест</translation>
    </message>
    <message>
        <source>T&amp;raining</source>
        <translation>Т&amp;ренировка</translation>
    </message>
    <message>
        <source>&amp;Exam</source>
        <translation>&amp;Экзамен</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>Test&amp;s</source>
        <translation>Т&amp;есты</translation>
    </message>
    <message>
        <source>Results history</source>
        <translation>История результатов</translation>
    </message>
    <message>
        <source>Stored runs, newest first. Enter reopens the selected run, Delete erases it.</source>
        <translation>Сохранённые попытки, сначала новые. Enter снова открывает выбранную попытку, Delete удаляет её.</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>Delete &amp;All</source>
        <translation>Удалить &amp;все</translation>
    </message>
    <message>
        <source>Headings of the results history</source>
        <translation>Заголовки истории результатов</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Module shown</source>
        <translation>Показанный модуль</translation>
    </message>
    <message>
        <source>The history lists and charts the runs of this Module</source>
        <translation>История перечисляет попытки этого модуля и показывает их на графике</translation>
    </message>
    <message>
        <source>Mod&amp;ule:</source>
        <translation>Мо&amp;дуль:</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Экспорт…</translation>
    </message>
    <message>
        <source>Saves the runs of the Module shown as a CSV file</source>
        <translation>Сохраняет попытки показанного модуля в файл CSV</translation>
    </message>
    <message>
        <source>By &amp;position</source>
        <translation>По &amp;позициям</translation>
    </message>
    <message>
        <source>Right by position</source>
        <translation>Верно по позициям</translation>
    </message>
    <message>
        <source>The chart shows the share of right answers at each position of the Module shown, instead of the Koeff of each run</source>
        <translation>График показывает долю верных ответов на каждой позиции показанного модуля вместо Koeff каждой попытки</translation>
    </message>
    <message>
        <source>Right by position: the share of right answers at each position</source>
        <translation>Верно по позициям: доля верных ответов на каждой позиции</translation>
    </message>
    <message>
        <source>Chart of the listed results</source>
        <translation>График перечисленных результатов</translation>
    </message>
    <message>
        <source>DateTime</source>
        <translation>Дата и время</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Результат</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Оценка</translation>
    </message>
    <message>
        <source>Exam&amp;s</source>
        <translation>Э&amp;кзамены</translation>
    </message>
    <message>
        <source>Chart of right answers by position, in percent</source>
        <translation>График верных ответов по позициям, в процентах</translation>
    </message>
    <message>
        <source>Training results</source>
        <translation>Результаты тренировок</translation>
    </message>
    <message>
        <source>Exam results</source>
        <translation>Результаты экзаменов</translation>
    </message>
    <message>
        <source>No Training results yet.

To make the first entry, choose Test › Training (Ctrl+T).</source>
        <translation>Результатов тренировок пока нет.

Чтобы сделать первую запись, выберите Тест › Тренировка (Ctrl+T).</translation>
    </message>
    <message>
        <source>No Exam results yet.

Start with a Training: choose Test › Training (Ctrl+T). Once a Module is learnt, Test › Exam (Ctrl+E) puts a first entry here.</source>
        <translation>Результатов экзаменов пока нет.

Начните с тренировки: выберите Тест › Тренировка (Ctrl+T). Когда модуль выучен, Тест › Экзамен (Ctrl+E) добавит сюда первую запись.</translation>
    </message>
    <message>
        <source>CSV file (*.csv)|*.csv|Any File (*.*)|*.*</source>
        <translation>Файл CSV (*.csv)|*.csv|Все файлы (*.*)|*.*</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Не удаётся открыть файл «%1». %2</translation>
    </message>
    <message>
        <source>Delete All?</source>
        <translation>Удалить все?</translation>
    </message>
    <message>
        <source>Replace %1?</source>
        <translation>Заменить %1?</translation>
    </message>
    <message>
        <source>Delete %1?</source>
        <translation>Удалить %1?</translation>
    </message>
    <message>
        <source>Training results listed; press to list Exam results</source>
        <translation>Показаны результаты тренировок; нажмите, чтобы показать результаты экзаменов</translation>
    </message>
    <message>
        <source>Exam results listed; press to list Training results</source>
        <translation>Показаны результаты экзаменов; нажмите, чтобы показать результаты тренировок</translation>
    </message>
    <message>
        <source>Mark 5</source>
        <translation>Оценка 5</translation>
    </message>
    <message>
        <source>Mark 4</source>
        <translation>Оценка 4</translation>
    </message>
    <message>
        <source>Mark 3</source>
        <translation>Оценка 3</translation>
    </message>
    <message>
        <source>Mark 2 or lower</source>
        <translation>Оценка 2 или ниже</translation>
    </message>
    <message>
        <source>No mark</source>
        <translation>Без оценки</translation>
    </message>
    <message>
        <source>Right answers, in percent</source>
        <translation>Правильные ответы, в процентах</translation>
    </message>
</context>
<context>
    <name>Tfrm_modules</name>
    <message>
        <source>Modules</source>
        <translation>Модули</translation>
    </message>
    <message>
        <source>&amp;Module name</source>
        <translation>&amp;Название модуля</translation>
    </message>
    <message>
        <source>Module name</source>
        <translation>Название модуля</translation>
    </message>
    <message>
        <source>Add Module</source>
        <translation>Добавить модуль</translation>
    </message>
    <message>
        <source>Add Module (Alt++)</source>
        <translation>Добавить модуль (Alt++)</translation>
    </message>
    <message>
        <source>Delete Module</source>
        <translation>Удалить модуль</translation>
    </message>
    <message>
        <source>Delete Module (Alt+-)</source>
        <translation>Удалить модуль (Alt+-)</translation>
    </message>
    <message>
        <source>Elements</source>
        <translation>Элементы</translation>
    </message>
    <message>
        <source>The Elements of the Module, one per line</source>
        <translation>Элементы модуля, по одному в строке</translation>
    </message>
    <message>
        <source>&amp;Load...</source>
        <translation>&amp;Загрузить…</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Сохранить…</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;ОК</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>О&amp;тмена</translation>
    </message>
    <message>
        <source>The Module library %1 is not a file this program can read: it holds no Modules. It is shown empty and left as it is; OK will not write over it.</source>
        <translation>Библиотека модулей %1 — не тот файл, который эта программа может прочитать: в нём нет модулей. Она показана пустой и остаётся как есть; «ОК» её не перезапишет.</translation>
    </message>
    <message>
        <source>The name is empty. Type a name for the new Module.</source>
        <translation>Имя не задано. Введите имя нового модуля.</translation>
    </message>
    <message>
        <source>Name already exists !</source>
        <translation>Такое имя уже есть!</translation>
    </message>
    <message>
        <source>The Module &quot;%1&quot; was also changed in the library file since this editor opened. Keep your version? Cancel keeps the file&apos;s.</source>
        <translation>Модуль «%1» был изменён и в файле библиотеки, пока был открыт этот редактор. Сохранить вашу версию? «Отмена» оставит версию из файла.</translation>
    </message>
    <message>
        <source>Delete %1?</source>
        <translation>Удалить %1?</translation>
    </message>
</context>
<context>
    <name>Tfrm_name</name>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>&amp;Module name</source>
        <translation>&amp;Название модуля</translation>
    </message>
    <message>
        <source>Module name</source>
        <translation>Название модуля</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;ОК</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>О&amp;тмена</translation>
    </message>
</context>
<context>
    <name>Tfrm_options</name>
    <message>
        <source>Options</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Option pages</source>
        <translation>Страницы настроек</translation>
    </message>
    <message>
        <source>&amp;Training</source>
        <translation>Т&amp;ренировка</translation>
    </message>
    <message>
        <source>&amp;Exam</source>
        <translation>&amp;Экзамен</translation>
    </message>
    <message>
        <source>&amp;Do exercises</source>
        <translation>Ре&amp;шать примеры</translation>
    </message>
    <message>
        <source>&amp;Unlimited time</source>
        <translation>&amp;Без ограничения времени</translation>
    </message>
    <message>
        <source>&amp;Show serial number</source>
        <translation>&amp;Показывать порядковый номер</translation>
    </message>
    <message>
        <source>S&amp;peak Elements</source>
        <translation>О&amp;звучивать элементы</translation>
    </message>
    <message>
        <source>&amp;Hide Elements while speaking</source>
        <translation>&amp;Скрывать элементы при озвучивании</translation>
    </message>
    <message>
        <source>Read num&amp;bers digit by digit</source>
        <translation>Читать &amp;числа по цифрам</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Speech rate</source>
        <translation>Темп речи</translation>
    </message>
    <message>
        <source>&amp;Number of elements</source>
        <translation>&amp;Количество элементов</translation>
    </message>
    <message>
        <source>&amp;Module</source>
        <translation>&amp;Модуль</translation>
    </message>
    <message>
        <source>&amp;Range  from</source>
        <translation>&amp;Диапазон  от</translation>
    </message>
    <message>
        <source>Number of elements</source>
        <translation>Количество элементов</translation>
    </message>
    <message>
        <source>Module</source>
        <translation>Модуль</translation>
    </message>
    <message>
        <source>Range from</source>
        <translation>Диапазон от</translation>
    </message>
    <message>
        <source>Range to</source>
        <translation>Диапазон до</translation>
    </message>
    <message>
        <source>T&amp;imer (MilliSec)</source>
        <translation>Т&amp;аймер (мс)</translation>
    </message>
    <message>
        <source>Timer (MilliSec)</source>
        <translation>Таймер (миллисекунды)</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Таймер</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Язык</translation>
    </message>
    <message>
        <source>R&amp;ate</source>
        <translation>Т&amp;емп</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;ОК</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>О&amp;тмена</translation>
    </message>
    <message>
        <source>The Module library could not be read (%1). The Module and range choices stored in the options are kept.</source>
        <translation>Не удалось прочитать библиотеку модулей (%1). Выбор модуля и диапазона, сохранённый в настройках, остаётся прежним.</translation>
    </message>
    <message>
        <source>No speech engine is installed</source>
        <translation>Не установлен синтезатор речи</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Системный по умолчанию</translation>
    </message>
    <message>
        <source>Speech is not available: %1.</source>
        <translation>Озвучивание недоступно: %1.</translation>
    </message>
    <message>
        <source>to</source>
        <translation>до</translation>
    </message>
</context>
<context>
    <name>Tfrm_results</name>
    <message>
        <source>Report</source>
        <translation>Отчёт</translation>
    </message>
    <message>
        <source>Column headings</source>
        <translation>Заголовки столбцов</translation>
    </message>
    <message>
        <source>Answer sheet</source>
        <translation>Лист ответов</translation>
    </message>
    <message>
        <source>Number, Text, Answer and kind of mistake of each element</source>
        <translation>Номер, текст, ответ и вид ошибки для каждого элемента</translation>
    </message>
    <message>
        <source>Number of elements: </source>
        <translation>Количество элементов: </translation>
    </message>
    <message>
        <source>Total time: </source>
        <translation>Общее время: </translation>
    </message>
    <message>
        <source>Correct answers: </source>
        <translation>Верных ответов: </translation>
    </message>
    <message>
        <source>Mistakes: </source>
        <translation>Ошибок: </translation>
    </message>
    <message>
        <source>Koeff: </source>
        <translation>Koeff: </translation>
    </message>
    <message>
        <source>Mark: </source>
        <translation>Оценка: </translation>
    </message>
    <message>
        <source>Key to Koeff and the marks</source>
        <translation>Пояснение к Koeff и оценкам</translation>
    </message>
    <message>
        <source>Koeff</source>
        <translation>Koeff</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Оценка</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;ОК</translation>
    </message>
    <message>
        <source>&amp;Drill mistakes</source>
        <translation>&amp;Проработать ошибки</translation>
    </message>
    <message>
        <source>Makes a Module of the elements answered wrongly and sets Training to it</source>
        <translation>Создаёт модуль из элементов с неверными ответами и назначает его для тренировки</translation>
    </message>
    <message>
        <source>Scoring</source>
        <translation>Система оценки</translation>
    </message>
    <message>
        <source>&amp;Scoring: </source>
        <translation>&amp;Система оценки: </translation>
    </message>
    <message>
        <source>Elements in a row</source>
        <translation>Элементов в ряду</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Номер</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Ответ</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Вид</translation>
    </message>
    <message>
        <source>The Module library could not be read (%1). No Module was made.</source>
        <translation>Не удалось прочитать библиотеку модулей (%1). Модуль не создан.</translation>
    </message>
    <message>
        <source>Every element answered wrongly begins with a blank, which the Module library loses at the start of a Module. No Module was made.</source>
        <translation>Каждый элемент с неверным ответом начинается с пробела, который библиотека модулей теряет в начале модуля. Модуль не создан.</translation>
    </message>
    <message>
        <source>Replace the Module &quot;%1&quot; with the mistakes of this run, or add another Module beside it?</source>
        <translation>Заменить модуль «%1» ошибками этой попытки или добавить рядом ещё один модуль?</translation>
    </message>
    <message>
        <source>The Module &quot;%1&quot; holds the one element answered wrongly, twice: a Module to train on needs two elements.</source>
        <translation>Модуль «%1» содержит единственный элемент с неверным ответом дважды: для тренировки в модуле нужны два элемента.</translation>
    </message>
    <message>
        <source>The Module &quot;%1&quot; holds the %2 elements answered wrongly.</source>
        <translation>Модуль «%1» содержит элементы с неверными ответами: %2.</translation>
    </message>
    <message>
        <source> &amp;Row of: </source>
        <translation> &amp;Ряды по: </translation>
    </message>
    <message>
        <source>Taken: %1.</source>
        <translation>Взяты элементы: %1.</translation>
    </message>
    <message>
        <source>It replaces &quot;%1&quot;.</source>
        <translation>Он заменяет модуль «%1».</translation>
    </message>
    <message>
        <source>Training now uses it: Ctrl+T drills them.</source>
        <translation>Теперь он выбран для тренировки: Ctrl+T запускает проработку.</translation>
    </message>
    <message>
        <source>Choose it for Training in the options.</source>
        <translation>Выберите его для тренировки в настройках.</translation>
    </message>
</context>
<context>
    <name>Tfrm_test</name>
    <message>
        <source>Test</source>
        <translation>Тест</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Ответ</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Далее</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>О&amp;тмена</translation>
    </message>
    <message>
        <source>The result could not be saved.
Next tries again; Cancel ends the run without it.</source>
        <translation>Не удалось сохранить результат.
«Далее» — попробовать снова; «Отмена» — завершить попытку без сохранения.</translation>
    </message>
    <message>
        <source>Test is not completed. You are memorizing too slow!</source>
        <translation>Тест не завершён. Вы запоминаете слишком медленно!</translation>
    </message>
    <message>
        <source>No Element shown</source>
        <translation>Элемент не показан</translation>
    </message>
    <message>
        <source>Test is not completed. Too many mistakes!</source>
        <translation>Тест не завершён. Слишком много ошибок!</translation>
    </message>
    <message>
        <source>Stop test?</source>
        <translation>Прервать тест?</translation>
    </message>
    <message>
        <source>Test is not completed. The Elements could not be spoken: %1</source>
        <translation>Тест не завершён. Элементы не удалось озвучить: %1</translation>
    </message>
    <message>
        <source>Element %1: %2</source>
        <translation>Элемент %1: %2</translation>
    </message>
    <message>
        <source>Element: %1</source>
        <translation>Элемент: %1</translation>
    </message>
    <message>
        <source>Element %1, spoken</source>
        <translation>Элемент %1, озвучен</translation>
    </message>
    <message>
        <source>Answer %1</source>
        <translation>Ответ %1</translation>
    </message>
    <message>
        <source>Your result is %1</source>
        <translation>Ваш результат: %1</translation>
    </message>
</context>
<context>
    <name>UpDown</name>
    <message>
        <source>Number</source>
        <translation>Число</translation>
    </message>
    <message>
        <source>%1 up</source>
        <translation>%1: увеличить</translation>
    </message>
    <message>
        <source>%1 down</source>
        <translation>%1: уменьшить</translation>
    </message>
</context>
<context>
    <name>Usage</name>
    <message>
        <source>Starter library for a new user: %1
  when it holds Modules, else the copy the program carries.
</source>
        <translation>Начальная библиотека для нового пользователя: %1
  если в ней есть модули, иначе копия, встроенная в программу.
</translation>
    </message>
    <message>
        <source>Usage: tenacio [--help | --version]

Tenacio is a desktop trainer for memorising lists. It shows the Elements
of a Module one at a time, sets a few quick sums, has you type the
Elements back in order, scores the run and keeps Training and Exam
results in a history. With any other arguments it opens its window.

  --help     show this text and exit
  --version  show the version and exit

Data folder: %1
  (config.ini, modules.ini, testres.ini, examres.ini). Beside the program
  when its directory can be written, else $XDG_DATA_HOME/tenacio/, which
  is ~/.local/share/tenacio/ when XDG_DATA_HOME is not set.
%2
Environment:
  XDG_DATA_HOME    the user&apos;s data directory (see the data folder)
  HOME             the user&apos;s home directory
  DISPLAY          the X display to open
  WAYLAND_DISPLAY  the Wayland display, used when no X display can be
                   reached and Qt&apos;s Wayland plugin is installed
  XDG_RUNTIME_DIR  the folder of a Wayland display given by name
  QT_QPA_PLATFORM  Qt&apos;s platform; when set, it is used as it is
  LANGUAGE, LC_ALL, LC_MESSAGES, LANG
                   the language of the texts: German, Russian or English

Exit status: 0, or 2 when no graphical display can be used.
</source>
        <translation>Использование: tenacio [--help | --version]

Tenacio — настольный тренажёр для запоминания списков. Он показывает
элементы модуля по одному, даёт несколько быстрых примеров на счёт,
просит ввести элементы по порядку, оценивает попытку и хранит
результаты тренировок и экзаменов в истории. С любыми другими
аргументами он открывает своё окно.

  --help     показать этот текст и выйти
  --version  показать версию и выйти

Папка данных: %1
  (config.ini, modules.ini, testres.ini, examres.ini). Рядом с программой,
  если в её каталог можно писать, иначе $XDG_DATA_HOME/tenacio/, то есть
  ~/.local/share/tenacio/, если XDG_DATA_HOME не задана.
%2
Переменные окружения:
  XDG_DATA_HOME    каталог данных пользователя (см. папку данных)
  HOME             домашний каталог пользователя
  DISPLAY          дисплей X, который нужно открыть
  WAYLAND_DISPLAY  дисплей Wayland; используется, если дисплей X
                   недоступен и установлен модуль Wayland для Qt
  XDG_RUNTIME_DIR  папка дисплея Wayland, заданного по имени
  QT_QPA_PLATFORM  платформа Qt; если задана, используется как есть
  LANGUAGE, LC_ALL, LC_MESSAGES, LANG
                   язык текстов: немецкий, русский или английский

Код выхода: 0 или 2, если графический дисплей использовать нельзя.
</translation>
    </message>
</context>
</TS>
