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
            <numerusform>%n пропуск (поз. %1)</numerusform>
            <numerusform>%n пропуска (поз. %1)</numerusform>
            <numerusform>%n пропусков (поз. %1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n inserted at %1</source>
        <translation>
            <numerusform>%n вставка (поз. %1)</numerusform>
            <numerusform>%n вставки (поз. %1)</numerusform>
            <numerusform>%n вставок (поз. %1)</numerusform>
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
        <translation>перестановка (%1)</translation>
    </message>
    <message>
        <source>right</source>
        <translation>верно</translation>
    </message>
    <message>
        <source>omitted</source>
        <translation>пропуск</translation>
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
        <translation>вставка</translation>
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
    <name>ConflictChoice</name>
    <message>
        <source>Merge</source>
        <translation>Объединение</translation>
    </message>
    <message>
        <source>A sync tool left a second version of %1 in the data folder: %2.

Check what to take from it; the rest stays as it is on this computer. The copy is then renamed %3 and kept.</source>
        <translation>Программа синхронизации оставила в папке данных вторую версию %1: %2.

Отметьте, что взять из неё; остальное останется таким, как на этом компьютере. Затем копия будет переименована в %3 и сохранена.</translation>
    </message>
    <message>
        <source>Module</source>
        <translation>Модуль</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Параметр</translation>
    </message>
    <message>
        <source>On this computer</source>
        <translation>На этом компьютере</translation>
    </message>
    <message>
        <source>In the copy</source>
        <translation>В копии</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(нет)</translation>
    </message>
    <message>
        <source>&amp;Merge</source>
        <translation>&amp;Объединить</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>&amp;Позже</translation>
    </message>
</context>
<context>
    <name>Conflicts</name>
    <message>
        <source>Cannot rename &quot;%1&quot;. %2</source>
        <translation>Не удаётся переименовать «%1». %2</translation>
    </message>
    <message numerus="yes">
        <source>A sync tool left a second version of %1 in the data folder: %2.

Runs in it that the history does not show: %n. Merge them into %1? The copy is then renamed %2.merged and kept.</source>
        <translation>
            <numerusform>Программа синхронизации оставила в папке данных вторую версию %1: %2.

В ней %n попытка, которой нет в истории. Объединить с %1? Затем копия будет переименована в %2.merged и сохранена.</numerusform>
            <numerusform>Программа синхронизации оставила в папке данных вторую версию %1: %2.

В ней %n попытки, которых нет в истории. Объединить с %1? Затем копия будет переименована в %2.merged и сохранена.</numerusform>
            <numerusform>Программа синхронизации оставила в папке данных вторую версию %1: %2.

В ней %n попыток, которых нет в истории. Объединить с %1? Затем копия будет переименована в %2.merged и сохранена.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Runs merged into %1: %n</source>
        <translation>
            <numerusform>В %1 добавлена %n попытка</numerusform>
            <numerusform>В %1 добавлены %n попытки</numerusform>
            <numerusform>В %1 добавлено %n попыток</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Of them under their name with a number added, as this computer has another run under that name: %n</source>
        <translation>
            <numerusform>Из них %n — под своим именем с добавленным номером, так как на этом компьютере есть другая попытка с таким именем</numerusform>
            <numerusform>Из них %n — под своим именем с добавленным номером, так как на этом компьютере есть другие попытки с таким именем</numerusform>
            <numerusform>Из них %n — под своим именем с добавленным номером, так как на этом компьютере есть другие попытки с таким именем</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Runs that were already there: %n</source>
        <translation>
            <numerusform>%n попытка уже была в файле</numerusform>
            <numerusform>%n попытки уже были в файле</numerusform>
            <numerusform>%n попыток уже было в файле</numerusform>
        </translation>
    </message>
    <message>
        <source>The copy is kept as %1.</source>
        <translation>Копия сохранена как %1.</translation>
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
    <message>
        <source>&amp;Merge</source>
        <translation>&amp;Объединить</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>&amp;Позже</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Объединение</translation>
    </message>
    <message>
        <source>&amp;Add to the end</source>
        <translation>Добавить в &amp;конец</translation>
    </message>
</context>
<context>
    <name>DueToday</name>
    <message>
        <source>&amp;Keep this Module learned</source>
        <translation>&amp;Поддерживать этот модуль выученным</translation>
    </message>
    <message>
        <source>&amp;Retention chart...</source>
        <translation>&amp;График запоминания...</translation>
    </message>
</context>
<context>
    <name>DueTodayView</name>
    <message>
        <source>Due today</source>
        <translation>На сегодня</translation>
    </message>
    <message>
        <source>Module</source>
        <translation>Модуль</translation>
    </message>
    <message>
        <source>Days overdue</source>
        <translation>Дней просрочки</translation>
    </message>
    <message>
        <source>Kept Modules to train today, the oldest due first. Enter starts a Training.</source>
        <translation>Поддерживаемые модули, которые пора тренировать, самые давние первыми. Enter начинает тренировку.</translation>
    </message>
    <message>
        <source>Train &amp;now</source>
        <translation>Тренировать &amp;сейчас</translation>
    </message>
    <message>
        <source>Starts a Training on the whole Module chosen in the list</source>
        <translation>Начинает тренировку по всему модулю, выбранному в списке</translation>
    </message>
    <message>
        <source>today</source>
        <translation>сегодня</translation>
    </message>
</context>
<context>
    <name>Exam</name>
    <message>
        <source>Mistakes allowed in an Exam of %1 Elements: %2. Mistake %3 ends it.</source>
        <translation>Допустимо ошибок на экзамене из %1 элементов: %2. Ошибка номер %3 завершает его.</translation>
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
        <translation>Размер файла: %2 МиБ (%1 Б); читаются файлы данных не больше %3 МиБ.</translation>
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
        <translation>Не удаётся записать файл %1. %2</translation>
    </message>
    <message>
        <source>Tenacio keeps its data in %1 now: the data folder %2 cannot be written (%3). The history, Modules and options kept there are not shown.</source>
        <translation>Теперь Tenacio хранит данные в %1: в папку данных %2 нельзя записывать (%3). История, модули и настройки, хранящиеся там, не показываются.</translation>
    </message>
    <message>
        <source>it does not say which file it was made for (an older version of Tenacio made it).</source>
        <translation>в ней не указано, для какого файла она создана (её создала более старая версия Tenacio).</translation>
    </message>
    <message>
        <source>it was made for another file of that name, such as one a sync tool or a backup brought.</source>
        <translation>она создана для другого файла с тем же именем, например принесённого программой синхронизации или из резервной копии.</translation>
    </message>
    <message>
        <source>The recovery copy %1 was not put back into %2 and is left as it is: %3</source>
        <translation>Копия для восстановления %1 не возвращена в %2 и оставлена как есть: %3</translation>
    </message>
    <message>
        <source>The folder %1 cannot be locked (%2). Another copy of Tenacio writing to it at the same time could undo this one&apos;s changes.</source>
        <translation>Папку %1 не удаётся заблокировать (%2). Если другая копия Tenacio будет одновременно писать в неё, изменения этой копии могут быть потеряны.</translation>
    </message>
    <message>
        <source>Another copy of Tenacio is writing to its folder; nothing was changed. Try again in a moment.</source>
        <translation>Другая копия Tenacio сейчас пишет в эту папку; ничего не изменено. Повторите попытку чуть позже.</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>Training results</source>
        <translation>Результаты тренировок</translation>
    </message>
    <message>
        <source>Exam results</source>
        <translation>Результаты экзаменов</translation>
    </message>
    <message>
        <source>Training results – %1</source>
        <translation>Результаты тренировок – %1</translation>
    </message>
    <message>
        <source>Exam results – %1</source>
        <translation>Результаты экзаменов – %1</translation>
    </message>
</context>
<context>
    <name>Keeping</name>
    <message>
        <source>1 list due today</source>
        <translation>1 список на сегодня</translation>
    </message>
    <message numerus="yes">
        <source>%n lists due today</source>
        <translation>
            <numerusform>%n список на сегодня</numerusform>
            <numerusform>%n списка на сегодня</numerusform>
            <numerusform>%n списков на сегодня</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Launch</name>
    <message>
        <source>The Module library could not be read (%1), so there is no Module to draw the elements from. See to it under Modules in the menu bar.</source>
        <translation>Не удалось прочитать библиотеку модулей, поэтому нет модуля, из которого можно взять элементы. Проверьте её в пункте «Модули» в строке меню. Причина: %1</translation>
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
    <message>
        <source>Checking the voice…</source>
        <translation>Проверка голоса…</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>Запуск…</translation>
    </message>
    <message>
        <source>Ready… go</source>
        <translation>Внимание… марш</translation>
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
    <message>
        <source>Mistakes %1</source>
        <translation>Ошибки %1</translation>
    </message>
</context>
<context>
    <name>Modules</name>
    <message>
        <source>The Module library already holds a Module named &quot;%1&quot;.</source>
        <translation>В библиотеке модулей уже есть модуль с названием «%1».</translation>
    </message>
    <message>
        <source>The Module library can&apos;t keep these Elements as they are; no Module was made.</source>
        <translation>Библиотека модулей не может сохранить эти элементы в таком виде; модуль не создан.</translation>
    </message>
    <message>
        <source>Two-digit numbers</source>
        <translation>Двузначные числа</translation>
    </message>
    <message>
        <source>Three-digit numbers</source>
        <translation>Трёхзначные числа</translation>
    </message>
    <message>
        <source>Common words</source>
        <translation>Частые слова</translation>
    </message>
    <message>
        <source>Pairs 00–99</source>
        <translation>Пары 00–99</translation>
    </message>
</context>
<context>
    <name>Pattern</name>
    <message>
        <source>Digits 0–9</source>
        <translation>Цифры 0–9</translation>
    </message>
    <message>
        <source>Pairs 00–99</source>
        <translation>Пары 00–99</translation>
    </message>
    <message>
        <source>Triples 000–999</source>
        <translation>Тройки 000–999</translation>
    </message>
    <message>
        <source>Binary groups of 3 (000–111)</source>
        <translation>Двоичные группы по 3 (000–111)</translation>
    </message>
    <message>
        <source>Cards (A♠–K♣)</source>
        <translation>Карты (A♠–K♣)</translation>
    </message>
    <message>
        <source>Cards (AS–KC)</source>
        <translation>Карты (AS–KC)</translation>
    </message>
    <message>
        <source>Years 1000–2099</source>
        <translation>Годы 1000–2099</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>Значение «%1» не является целым числом.</translation>
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
        <translation>Более ранних попыток нет; пока это лучшая попытка по этому модулю.</translation>
    </message>
    <message>
        <source>No earlier run; best on this Module %1 (%2).</source>
        <translation>Более ранних попыток нет; лучший результат по этому модулю: %1 (%2).</translation>
    </message>
    <message>
        <source>Previous run %1 (%2); best run on this Module so far.</source>
        <translation>Предыдущая попытка: %1 (%2); пока это лучшая попытка по этому модулю.</translation>
    </message>
    <message>
        <source>Previous run %1 (%2); best on this Module %3 (%4).</source>
        <translation>Предыдущая попытка: %1 (%2); лучший результат по этому модулю: %3 (%4).</translation>
    </message>
</context>
<context>
    <name>RetentionChart</name>
    <message>
        <source>Retention: %1</source>
        <translation>Запоминание: %1</translation>
    </message>
    <message>
        <source>Two runs of &quot;%1&quot; at least are needed to show its retention.</source>
        <translation>Чтобы показать запоминание «%1», нужны хотя бы две попытки.</translation>
    </message>
    <message>
        <source>Each point is a run of &quot;%1&quot;: the Elements right in order against the days since the run before it.</source>
        <translation>Каждая точка — попытка «%1»: элементы, верные по порядку, в зависимости от дней, прошедших с предыдущей попытки.</translation>
    </message>
    <message>
        <source>Days since the previous run</source>
        <translation>Дней с предыдущей попытки</translation>
    </message>
    <message>
        <source>Right in order (%)</source>
        <translation>Верно по порядку (%)</translation>
    </message>
</context>
<context>
    <name>Run</name>
    <message>
        <source>%1 of %2</source>
        <translation>%1 из %2</translation>
    </message>
    <message>
        <source>%1. %2 (no answer)</source>
        <translation>%1. %2 (нет ответа)</translation>
    </message>
    <message>
        <source>%1. %2 (answered: %3)</source>
        <translation>%1. %2 (ваш ответ: %3)</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>… и ещё %1</translation>
    </message>
    <message>
        <source>Wrong answers:</source>
        <translation>Неверные ответы:</translation>
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
        <translation>Коэф. = верные ÷ 5</translation>
    </message>
    <message>
        <source>Koeff = (Elements + right − seconds ÷ 6) ÷ 5</source>
        <translation>Коэф. = (элементы + верные − секунды ÷ 6) ÷ 5</translation>
    </message>
    <message>
        <source>Koeff, the score of a run: the Elements asked plus the right answers, less one for every six seconds, divided by 5; so six seconds cost as much as a wrong answer. Higher is better. The Introductory Test&apos;s Koeff is its right answers divided by 5.</source>
        <translation>Коэф. — показатель попытки: число заданных элементов плюс число верных ответов, минус один за каждые шесть секунд, делённое на 5, то есть шесть секунд стоят столько же, сколько один неверный ответ. Чем выше, тем лучше. Коэф. вводного теста — число верных ответов, делённое на 5.</translation>
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
        <translation>Коэф. ниже %1 даёт оценку %2; %3, если неверно меньше одного ответа из десяти, иначе 5.</translation>
    </message>
    <message>
        <source>%1  Average time for each number: %2 sec.</source>
        <translation>%1, в среднем %2 с на элемент</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Мастер</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>The Timer (MilliSec) stored in config.ini, %1, is beyond what the options can set; %2 is used instead.</source>
        <translation>Таймер (миллисекунды), сохранённый в config.ini, %1, выходит за пределы того, что можно задать в настройках; вместо него используется %2.</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>the sound server can&apos;t be reached (%1)</source>
        <translation>звуковой сервер недоступен (%1)</translation>
    </message>
    <message>
        <source>the sound server failed (%1)</source>
        <translation>ошибка звукового сервера (%1)</translation>
    </message>
    <message>
        <source>the voice &quot;%1&quot; is not installed</source>
        <translation>голос «%1» не установлен</translation>
    </message>
    <message>
        <source>no voice for the language &quot;%1&quot; is installed</source>
        <translation>для языка «%1» не установлен голос</translation>
    </message>
    <message>
        <source>the eSpeak NG voices could not be loaded</source>
        <translation>не удалось загрузить голоса eSpeak NG</translation>
    </message>
    <message>
        <source>no eSpeak NG voice is installed</source>
        <translation>не установлен ни один голос eSpeak NG</translation>
    </message>
    <message>
        <source>the sound server does not answer</source>
        <translation>звуковой сервер не отвечает</translation>
    </message>
    <message>
        <source>the sound server stopped playing</source>
        <translation>звуковой сервер прекратил воспроизведение</translation>
    </message>
    <message>
        <source>the voice gave no sound for &quot;%1&quot;</source>
        <translation>голос не выдал звука для «%1»</translation>
    </message>
    <message>
        <source>the sound server can&apos;t be reached</source>
        <translation>звуковой сервер недоступен</translation>
    </message>
    <message>
        <source>part of the sound was not heard: the machine was too busy to play it whole</source>
        <translation>часть звука не прозвучала: компьютер был слишком загружен, чтобы воспроизвести её целиком</translation>
    </message>
    <message>
        <source>The voice variant &quot;%1&quot; is not installed; the voice reads without it.</source>
        <translation>Вариант голоса «%1» не установлен; голос читает без него.</translation>
    </message>
    <message>
        <source>The MBROLA voice &quot;%1&quot; is not installed; the default voice of its language reads instead.</source>
        <translation>Голос MBROLA «%1» не установлен; вместо него читает стандартный голос его языка.</translation>
    </message>
    <message>
        <source>male %1</source>
        <translation>мужской %1</translation>
    </message>
    <message>
        <source>female %1</source>
        <translation>женский %1</translation>
    </message>
    <message>
        <source>Klatt %1</source>
        <translation>Klatt %1</translation>
    </message>
    <message>
        <source>whispering</source>
        <translation>шёпот</translation>
    </message>
    <message>
        <source>female, whispering</source>
        <translation>женский, шёпот</translation>
    </message>
    <message>
        <source>croaking</source>
        <translation>хриплый</translation>
    </message>
    <message>
        <source>The MBROLA voice &quot;%1&quot; can&apos;t speak; the default voice of its language reads instead.</source>
        <translation>Голос MBROLA «%1» не может говорить; вместо него читает стандартный голос его языка.</translation>
    </message>
</context>
<context>
    <name>SportScoring</name>
    <message>
        <source>Koeff and mark</source>
        <translation>Коэф. и оценка</translation>
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
    <message>
        <source>row %1 left blank ends the scoring</source>
        <translation>пропущенный ряд %1 завершает подсчёт</translation>
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
    <name>Tfrm_guide</name>
    <message>
        <source>Tenacio user guide</source>
        <translation>Руководство пользователя Tenacio</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>Руководство пользователя</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
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
        <translation>Т&amp;ренировки</translation>
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
        <translation>Отображаемый модуль</translation>
    </message>
    <message>
        <source>The history lists and charts the runs of this Module</source>
        <translation>Список и график попыток по этому модулю</translation>
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
        <translation>Сохраняет попытки отображаемого модуля в файл CSV</translation>
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
        <translation>График показывает долю верных ответов на каждой позиции отображаемого модуля вместо коэф. каждой попытки</translation>
    </message>
    <message>
        <source>Right by position: the share of right answers at each position</source>
        <translation>Верно по позициям: доля верных ответов на каждой позиции</translation>
    </message>
    <message>
        <source>Chart of the listed results</source>
        <translation>График результатов из списка</translation>
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

Начните с тренировки: выберите Тест › Тренировка (Ctrl+T). Когда модуль будет выучен, Тест › Экзамен (Ctrl+E) добавит сюда первую запись.</translation>
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
        <translation>Удалить все показанные попытки?</translation>
    </message>
    <message>
        <source>Replace %1?</source>
        <translation>Файл «%1» уже существует. Заменить?</translation>
    </message>
    <message>
        <source>Delete %1?</source>
        <translation>Удалить попытку от %1?</translation>
    </message>
    <message>
        <source>The run %1 is no longer in %2. The list now shows what the file holds.</source>
        <translation>Попытки %1 больше нет в %2. Теперь список показывает то, что есть в файле.</translation>
    </message>
    <message>
        <source>&amp;User guide</source>
        <translation>&amp;Руководство пользователя</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;О программе</translation>
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
        <translation>Верные ответы, в процентах</translation>
    </message>
    <message>
        <source>1 run exported to %1</source>
        <translation>1 попытка экспортирована в %1</translation>
    </message>
    <message numerus="yes">
        <source>%n runs exported to %1</source>
        <translation>
            <numerusform>%n попытка экспортирована в %1</numerusform>
            <numerusform>%n попытки экспортированы в %1</numerusform>
            <numerusform>%n попыток экспортировано в %1</numerusform>
        </translation>
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
        <translation>Файл библиотеки модулей %1 не удаётся прочитать: в нём нет модулей. Библиотека показана пустой, файл не изменится; «ОК» его не перезапишет.</translation>
    </message>
    <message>
        <source>The name is empty. Type a name for the new Module.</source>
        <translation>Название не задано. Введите название нового модуля.</translation>
    </message>
    <message>
        <source>Name already exists !</source>
        <translation>Модуль с таким названием уже есть!</translation>
    </message>
    <message>
        <source>The Module &quot;%1&quot; was also changed in the library file since this editor opened. Keep your version? Cancel keeps the file&apos;s.</source>
        <translation>Модуль «%1» был изменён и в файле библиотеки, пока был открыт этот редактор. Сохранить вашу версию? «Отмена» оставит версию из файла.</translation>
    </message>
    <message>
        <source>Delete %1?</source>
        <translation>Удалить модуль «%1»?</translation>
    </message>
    <message>
        <source>New from a &amp;pattern...</source>
        <translation>Создать по &amp;шаблону…</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 … %3 (%n elements)</source>
        <translation>
            <numerusform>%1: %2 … %3 (%n элемент)</numerusform>
            <numerusform>%1: %2 … %3 (%n элемента)</numerusform>
            <numerusform>%1: %2 … %3 (%n элементов)</numerusform>
        </translation>
    </message>
    <message>
        <source>The Element &quot;%1&quot; on line %2 holds a comma. The Module library separates Elements by commas, so it would become several Elements. Write it without a comma (3.14, Washington D.C.); nothing was stored.</source>
        <translation>Элемент «%1» в строке %2 содержит запятую. Библиотека модулей разделяет элементы запятыми, поэтому он превратился бы в несколько элементов. Запишите его без запятой (3.14, Washington D.C.); ничего не сохранено.</translation>
    </message>
    <message>
        <source>The Module &quot;%1&quot; has Elements. Replace them with the lines of the file, or add the lines after them?</source>
        <translation>В модуле «%1» уже есть элементы. Заменить их строками файла или добавить строки после них?</translation>
    </message>
    <message>
        <source>&amp;Keep this Module learned</source>
        <translation>&amp;Поддерживать этот модуль выученным</translation>
    </message>
    <message>
        <source>Lists the Module under Due today when it is time to train it again</source>
        <translation>Показывает модуль в списке «На сегодня», когда его пора тренировать снова</translation>
    </message>
    <message>
        <source>Train it as a se&amp;quence, in order</source>
        <translation>Тренировать &amp;как последовательность, по порядку</translation>
    </message>
</context>
<context>
    <name>Tfrm_name</name>
    <message>
        <source>Name</source>
        <translation>Название</translation>
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
    <message>
        <source>&amp;Pattern</source>
        <translation>&amp;Шаблон</translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation>Шаблон</translation>
    </message>
    <message>
        <source>New from a pattern</source>
        <translation>Создать по шаблону</translation>
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
        <translation>Не удалось прочитать библиотеку модулей. Выбор модуля и диапазона, сохранённый в настройках, остаётся прежним. Причина: %1</translation>
    </message>
    <message>
        <source>No speech engine is installed</source>
        <translation>Не установлен синтезатор речи</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Автоматически (по буквам)</translation>
    </message>
    <message>
        <source>Speech is not available: %1.</source>
        <translation>Озвучивание недоступно: %1.</translation>
    </message>
    <message>
        <source>to</source>
        <translation>до</translation>
    </message>
    <message>
        <source>The Training Module stored in config.ini, &quot;%1&quot;, is not in the library; &quot;%2&quot; is used instead.</source>
        <translation>Модуля для тренировки, сохранённого в config.ini, «%1», нет в библиотеке; вместо него используется «%2».</translation>
    </message>
    <message>
        <source>The Exam Module stored in config.ini, &quot;%1&quot;, is not in the library; &quot;%2&quot; is used instead.</source>
        <translation>Модуля для экзамена, сохранённого в config.ini, «%1», нет в библиотеке; вместо него используется «%2».</translation>
    </message>
    <message>
        <source>At random</source>
        <translation>Случайно</translation>
    </message>
    <message>
        <source>Shuffled, no repeats</source>
        <translation>Перемешать, без повторов</translation>
    </message>
    <message>
        <source>In order</source>
        <translation>По порядку</translation>
    </message>
    <message>
        <source>At random: each Element drawn on its own, so some come again and others not at all.
Shuffled, no repeats: every Element of the range once, in a shuffled order; a larger number of elements deals the range again, shuffled anew.
In order: the range as written, from its start; a larger number of elements goes on from the start again.</source>
        <translation>Случайно: каждый элемент выбирается отдельно, поэтому одни повторяются, а другие не появляются вовсе.
Перемешать, без повторов: каждый элемент диапазона по одному разу в перемешанном порядке; при большем количестве элементов диапазон раздаётся снова, заново перемешанный.
По порядку: диапазон в записанном порядке с его начала; при большем количестве элементов — снова с начала.</translation>
    </message>
    <message>
        <source>Dra&amp;w</source>
        <translation>&amp;Выборка</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Выборка</translation>
    </message>
    <message>
        <source>Checking the voice…</source>
        <translation>Проверка голоса…</translation>
    </message>
    <message>
        <source>How many Elements a Training shows</source>
        <translation>Сколько элементов показывает тренировка</translation>
    </message>
    <message>
        <source>The Module whose Elements a Training draws</source>
        <translation>Модуль, из которого тренировка выбирает элементы</translation>
    </message>
    <message>
        <source>The first Element of the range a Training draws from</source>
        <translation>Первый элемент диапазона, из которого выбирает тренировка</translation>
    </message>
    <message>
        <source>The last Element of the range a Training draws from</source>
        <translation>Последний элемент диапазона, из которого выбирает тренировка</translation>
    </message>
    <message>
        <source>How long each Element stays on screen, in milliseconds</source>
        <translation>Сколько миллисекунд каждый элемент остаётся на экране</translation>
    </message>
    <message>
        <source>Set five quick sums between showing the Elements and typing them back</source>
        <translation>Пять быстрых примеров на сложение между показом элементов и их вводом</translation>
    </message>
    <message>
        <source>Each Element stays until you press Next (20 seconds at most), whatever the Timer says</source>
        <translation>Каждый элемент остаётся, пока вы не нажмёте «Далее» (не дольше 20 секунд), независимо от таймера</translation>
    </message>
    <message>
        <source>Show the counter (&quot;3 of 20&quot;) while the Elements are shown</source>
        <translation>Показывать счётчик («3 из 20»), пока показываются элементы</translation>
    </message>
    <message>
        <source>Read each Element aloud as it is shown</source>
        <translation>Читать каждый элемент вслух, когда он показывается</translation>
    </message>
    <message>
        <source>While the Elements are spoken, show only the counter, not the Element</source>
        <translation>Пока элементы озвучиваются, показывать только счётчик, а не элемент</translation>
    </message>
    <message>
        <source>Read 1671 as &quot;one six seven one&quot; instead of as one number</source>
        <translation>Читать 1671 как «один шесть семь один», а не как одно число</translation>
    </message>
    <message>
        <source>The language of the voice that reads the Elements</source>
        <translation>Язык голоса, читающего элементы</translation>
    </message>
    <message>
        <source>How fast the voice reads</source>
        <translation>Как быстро читает голос</translation>
    </message>
    <message>
        <source>How many Elements an Exam shows; a tenth of them may be answered wrongly</source>
        <translation>Сколько элементов показывает экзамен; на десятую часть из них можно ответить неверно</translation>
    </message>
    <message>
        <source>The Module whose Elements an Exam draws</source>
        <translation>Модуль, из которого экзамен выбирает элементы</translation>
    </message>
    <message>
        <source>The first Element of the range an Exam draws from</source>
        <translation>Первый элемент диапазона, из которого выбирает экзамен</translation>
    </message>
    <message>
        <source>The last Element of the range an Exam draws from</source>
        <translation>Последний элемент диапазона, из которого выбирает экзамен</translation>
    </message>
    <message>
        <source>An Exam allows mistakes in a tenth of its Elements; one more ends it.</source>
        <translation>Экзамен допускает ошибки в десятой части элементов; ещё одна ошибка завершает его.</translation>
    </message>
    <message>
        <source>How a Training draws its Elements:</source>
        <translation>Как тренировка выбирает элементы:</translation>
    </message>
    <message>
        <source>How an Exam draws its Elements:</source>
        <translation>Как экзамен выбирает элементы:</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 с</translation>
    </message>
    <message>
        <source>Pause between Elements</source>
        <translation>Пауза между элементами</translation>
    </message>
    <message>
        <source>Spo&amp;ken numbers, as in competitions</source>
        <translation>Устные числа, как на сорев&amp;нованиях</translation>
    </message>
    <message numerus="yes">
        <source>%n digit(s)</source>
        <translation>
            <numerusform>%n цифра</numerusform>
            <numerusform>%n цифры</numerusform>
            <numerusform>%n цифр</numerusform>
        </translation>
    </message>
    <message>
        <source>Trial length</source>
        <translation>Длина попытки</translation>
    </message>
    <message>
        <source>Pause a&amp;fter each</source>
        <translation>Пауза после ка&amp;ждого</translation>
    </message>
    <message>
        <source>Trial len&amp;gth</source>
        <translation>Дл&amp;ина попытки</translation>
    </message>
    <message>
        <source>The digits are spoken one on each Timer&apos;s time and heard once, with nothing on screen; they are typed back as one line and scored until the first mistake. After &quot;Stop test?&quot; the digits go on five back</source>
        <translation>Цифры произносятся по одной в такт таймера и звучат один раз, на экране ничего нет; их вводят одной строкой и засчитывают до первой ошибки. После «Прервать тест?» чтение продолжается на пять цифр назад</translation>
    </message>
    <message>
        <source>The number of digits of a trial in competitions; sets the number of elements</source>
        <translation>Число цифр попытки на соревнованиях; задаёт количество элементов</translation>
    </message>
    <message>
        <source>The least silence between two spoken Elements, so that where the voice takes longer than the Timer the Elements do not run together</source>
        <translation>Наименьшая тишина между двумя произнесёнными элементами, чтобы элементы не сливались там, где голосу нужно больше времени, чем задаёт таймер</translation>
    </message>
    <message>
        <source>Very slow</source>
        <translation>Очень медленно</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Медленно</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Обычно</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Быстро</translation>
    </message>
    <message>
        <source>Very fast</source>
        <translation>Очень быстро</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a whole number. Type the number in digits.</source>
        <translation>«%1» — не целое число. Введите число цифрами.</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>Kept when right in order &amp;at least</source>
        <translation>&amp;Засчитывать, если по порядку верно не менее</translation>
    </message>
    <message>
        <source>Kept when right in order at least</source>
        <translation>Засчитывать, если по порядку верно не менее</translation>
    </message>
    <message>
        <source>A kept Module&apos;s run holds when at least this share of its Elements is right in order: a run that holds climbs the ladder of 1, 3, 7, 14, 30, 60 and 120 days, one that does not goes back to 1 day</source>
        <translation>Попытка по выученному модулю засчитывается, если по порядку верно не менее этой доли его элементов: засчитанная попытка поднимает модуль по лестнице интервалов в 1, 3, 7, 14, 30, 60 и 120 дней, незасчитанная возвращает его к 1 дню</translation>
    </message>
    <message>
        <source>The keep threshold stored in config.ini, %1, is not a whole number from 1 to 100; %2 % is used instead.</source>
        <translation>Порог для выученных модулей, сохранённый в config.ini (%1), не является целым числом от 1 до 100; вместо него используется %2 %.</translation>
    </message>
    <message numerus="yes">
        <source>Longest Element: %n digit(s) ≈ %1 s spoken + %2 s pause, longer than the Timer (%3 s): the run will go at about %4 s an Element</source>
        <translation>
            <numerusform>Самый длинный элемент: %n цифра ≈ %1 с речи + %2 с паузы, дольше таймера (%3 с): прогон пойдёт примерно по %4 с на элемент</numerusform>
            <numerusform>Самый длинный элемент: %n цифры ≈ %1 с речи + %2 с паузы, дольше таймера (%3 с): прогон пойдёт примерно по %4 с на элемент</numerusform>
            <numerusform>Самый длинный элемент: %n цифр ≈ %1 с речи + %2 с паузы, дольше таймера (%3 с): прогон пойдёт примерно по %4 с на элемент</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Longest Element: %n digit(s) ≈ %1 s spoken + %2 s pause, within the Timer (%3 s): the run keeps its pace</source>
        <translation>
            <numerusform>Самый длинный элемент: %n цифра ≈ %1 с речи + %2 с паузы, в пределах таймера (%3 с): прогон сохранит свой темп</numerusform>
            <numerusform>Самый длинный элемент: %n цифры ≈ %1 с речи + %2 с паузы, в пределах таймера (%3 с): прогон сохранит свой темп</numerusform>
            <numerusform>Самый длинный элемент: %n цифр ≈ %1 с речи + %2 с паузы, в пределах таймера (%3 с): прогон сохранит свой темп</numerusform>
        </translation>
    </message>
    <message>
        <source>System default: %1</source>
        <translation>Автоматически (по буквам): %1</translation>
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
        <translation>Коэф.: </translation>
    </message>
    <message>
        <source>Mark: </source>
        <translation>Оценка: </translation>
    </message>
    <message>
        <source>Key to Koeff and the marks</source>
        <translation>Пояснение к коэф. и оценкам</translation>
    </message>
    <message>
        <source>Koeff</source>
        <translation>Коэф.</translation>
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
        <translation>Подсчёт очков</translation>
    </message>
    <message>
        <source>&amp;Scoring: </source>
        <translation>По&amp;дсчёт очков: </translation>
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
        <translation>Вид ошибки</translation>
    </message>
    <message>
        <source>The Module library could not be read (%1). No Module was made.</source>
        <translation>Не удалось прочитать библиотеку модулей. Модуль не создан. Причина: %1</translation>
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
        <translation>Взяты: %1.</translation>
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
    <message>
        <source>It was added to the library, but the options could not be set to train on it: %1</source>
        <translation>Он добавлен в библиотеку, но настройки не удалось переключить на тренировку по нему: %1</translation>
    </message>
    <message>
        <source>&amp;Half a row for one mistake</source>
        <translation>Поло&amp;вина ряда за одну ошибку</translation>
    </message>
    <message>
        <source>On: a row with one mistake scores half its elements, rounded up (world championship rules). Off: any mistake scores the row 0 (national rules).</source>
        <translation>Вкл.: ряд с одной ошибкой даёт половину своих элементов с округлением вверх (правила чемпионата мира). Выкл.: любая ошибка даёт ряду 0 (национальные правила).</translation>
    </message>
    <message>
        <source>A s&amp;kipped row ends the scoring</source>
        <translation>Пропущенный ряд &amp;завершает подсчёт</translation>
    </message>
    <message>
        <source>On: a row left wholly blank before the last answer ends the scoring. Off: it scores 0 and the rows after it still count.</source>
        <translation>Вкл.: ряд, целиком оставленный пустым до последнего ответа, завершает подсчёт. Выкл.: он даёт 0, а ряды после него по-прежнему засчитываются.</translation>
    </message>
    <message>
        <source>Letter &amp;case counts</source>
        <translation>Ре&amp;гистр букв учитывается</translation>
    </message>
    <message>
        <source>Off: the scoring rules and the kinds of mistake take &quot;apple&quot; for &quot;Apple&quot;. The Koeff and the mark always count letter case.</source>
        <translation>Выкл.: правила подсчёта очков и виды ошибок принимают «apple» за «Apple». Коэф. и оценка всегда учитывают регистр букв.</translation>
    </message>
    <message>
        <source>letter case ignored</source>
        <translation>регистр букв не учитывается</translation>
    </message>
    <message>
        <source>Scores the run by another rule as well; the choice is kept for the next runs</source>
        <translation>Подсчитывает очки попытки ещё и по другому правилу; выбор сохраняется для следующих попыток</translation>
    </message>
    <message>
        <source>How many Elements make one row of the Rows rule</source>
        <translation>Сколько элементов составляют один ряд в правиле рядов</translation>
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
    <message numerus="yes">
        <source>Type the %n digit(s) as one line</source>
        <translation>
            <numerusform>Введите %n цифру одной строкой</numerusform>
            <numerusform>Введите %n цифры одной строкой</numerusform>
            <numerusform>Введите %n цифр одной строкой</numerusform>
        </translation>
    </message>
    <message>
        <source>elements</source>
        <translation>элементы</translation>
    </message>
    <message>
        <source>Waiting for the sound server…</source>
        <translation>Ожидание звукового сервера…</translation>
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
                   the language of the texts: German, Russian, French,
                   Spanish or English

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
                   язык текстов: немецкий, русский, французский,
                   испанский или английский

Код выхода: 0 или 2, если графический дисплей использовать нельзя.
</translation>
    </message>
</context>
</TS>
