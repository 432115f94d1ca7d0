<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>Dialogs</name>
    <message>
        <source>Unknown error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add another</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create the data folder %1. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is not a regular file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file holds %1 bytes (%2 MiB); data files of up to %3 MiB are read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to write to %1. Another copy of Tenacio is writing to its folder; nothing was changed. Try again in a moment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file holds no sections this program can read; it was left as it was</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to write to %1. %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Launch</name>
    <message>
        <source>The Module library could not be read (%1), so there is no Module to draw the elements from. See to it under Modules in the menu bar.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no Module yet to draw the elements from. Add one under Modules in the menu bar, then choose it under Options.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Module &quot;%1&quot; no longer exists. Choose another one under Options, or add it again under Modules in the menu bar.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preparing the voice...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trening</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Introductory Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exam</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press OK to start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No speech engine is installed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Elements can&apos;t be spoken: %1. Turn &quot;Speak Elements&quot; off in the options to train without the voice.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test is not completed. The Elements could not be spoken: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Modules</name>
    <message>
        <source>The Module library &quot;%1&quot; holds nothing this program recognises as Modules; it was left as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Module library already holds a Module named &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Module library can&apos;t keep these Elements as they are; no Module was made.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RunRules</name>
    <message>
        <source>The number of elements must lie between %1 and %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Module has no range of elements to draw from.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Tfrm_exe</name>
    <message>
        <source>Do exercises</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sum %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sum %1: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop test?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You need to finish exercises!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Tfrm_help</name>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help is available here - </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your data is kept in </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Tfrm_main</name>
    <message>
        <source>All Modules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Modules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Introductory Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T&amp;raining</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exam</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test&amp;s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch between Exam and Training results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Results history</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stored runs, newest first. Enter reopens the selected run, Delete erases it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete &amp;All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Headings of the results history</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Module shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The history lists and charts the runs of this Module</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mod&amp;ule:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saves the runs of the Module shown as a CSV file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By &amp;position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right by position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chart shows the share of right answers at each position of the Module shown, instead of the Koeff of each run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right by position: the share of right answers at each position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chart of the listed results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DateTime</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exam&amp;s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chart of right answers by position, in percent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Training results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exam results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Training results yet.

To make the first entry, choose Test › Training (Ctrl+T).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Exam results yet.

Start with a Training: choose Test › Training (Ctrl+T). Once a Module is learnt, Test › Exam (Ctrl+E) puts a first entry here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV file (*.csv)|*.csv|Any File (*.*)|*.*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete All?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Tfrm_modules</name>
    <message>
        <source>Modules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Module name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Module name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Module</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Module (Alt++)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Module</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Module (Alt+-)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elements</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Elements of the Module, one per line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Load...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Module library %1 is not a file this program can read: it holds no Modules. It is shown empty and left as it is; OK will not write over it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name is empty. Type a name for the new Module.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name already exists !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Module &quot;%1&quot; was also changed in the library file since this editor opened. Keep your version? Cancel keeps the file&apos;s.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Tfrm_name</name>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Module name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Module name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Tfrm_options</name>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Option pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Training</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exam</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Do exercises</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Unlimited time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Show serial number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;peak Elements</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hide Elements while speaking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read num&amp;bers digit by digit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speech rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Number of elements</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Module</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Range  from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of elements</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Module</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Range from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Range to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T&amp;imer (MilliSec)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timer (MilliSec)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R&amp;ate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Module library could not be read (%1). The Module and range choices stored in the options are kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No speech engine is installed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speech is not available: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Tfrm_results</name>
    <message>
        <source>Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Column headings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number, Text, Answer and kind of mistake of each element</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of elements: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total time: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Correct answers: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mistakes: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Koeff: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key to Koeff and the marks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Koeff</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Drill mistakes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Makes a Module of the elements answered wrongly and sets Training to it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scoring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Scoring: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elements in a row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Module library could not be read (%1). No Module was made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every element answered wrongly begins with a blank, which the Module library loses at the start of a Module. No Module was made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace the Module &quot;%1&quot; with the mistakes of this run, or add another Module beside it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Module &quot;%1&quot; holds the one element answered wrongly, twice: a Module to train on needs two elements.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Module &quot;%1&quot; holds the %2 elements answered wrongly.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Tfrm_test</name>
    <message>
        <source>Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The result could not be saved.
Next tries again; Cancel ends the run without it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test is not completed. You are memorizing too slow!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test is not completed. The Elements could not be spoken: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Element shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Element </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Element: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test is not completed. Too many mistakes!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your result is </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop test?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UpDown</name>
    <message>
        <source>Number</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
