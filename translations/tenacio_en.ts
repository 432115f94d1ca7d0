<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Analysis</name>
    <message numerus="yes">
        <source>%n places late</source>
        <translation>
            <numerusform>%n place late</numerusform>
            <numerusform>%n places late</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n places early</source>
        <translation>
            <numerusform>%n place early</numerusform>
            <numerusform>%n places early</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n after it right but %1</source>
        <translation>
            <numerusform>%n after it right but %1</numerusform>
            <numerusform>%n after it right but %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n right but %1</source>
        <translation>
            <numerusform>%n right but %1</numerusform>
            <numerusform>%n right but %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n omitted at %1</source>
        <translation>
            <numerusform>%n omitted at %1</numerusform>
            <numerusform>%n omitted at %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n inserted at %1</source>
        <translation>
            <numerusform>%n inserted at %1</numerusform>
            <numerusform>%n inserted at %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n wrong</source>
        <translation>
            <numerusform>%n wrong</numerusform>
            <numerusform>%n wrong</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n blank</source>
        <translation>
            <numerusform>%n blank</numerusform>
            <numerusform>%n blank</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n swapped (%1)</source>
        <translation>
            <numerusform>%n swapped (%1)</numerusform>
            <numerusform>%n swapped (%1)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Conflicts</name>
    <message numerus="yes">
        <source>A sync tool left a second version of %1 in the data folder: %2.

Runs in it that the history does not show: %n. Merge them into %1? The copy is then renamed %2.merged and kept.</source>
        <translation>
            <numerusform>A sync tool left a second version of %1 in the data folder: %2.

Runs in it that the history does not show: %n. Merge them into %1? The copy is then renamed %2.merged and kept.</numerusform>
            <numerusform>A sync tool left a second version of %1 in the data folder: %2.

Runs in it that the history does not show: %n. Merge them into %1? The copy is then renamed %2.merged and kept.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Runs merged into %1: %n</source>
        <translation>
            <numerusform>Runs merged into %1: %n</numerusform>
            <numerusform>Runs merged into %1: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Of them under their name with a number added, as this computer has another run under that name: %n</source>
        <translation>
            <numerusform>Of them under their name with a number added, as this computer has another run under that name: %n</numerusform>
            <numerusform>Of them under their name with a number added, as this computer has another run under that name: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Runs that were already there: %n</source>
        <translation>
            <numerusform>Runs that were already there: %n</numerusform>
            <numerusform>Runs that were already there: %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Keeping</name>
    <message numerus="yes">
        <source>%n lists due today</source>
        <translation>
            <numerusform>%n list due today</numerusform>
            <numerusform>%n lists due today</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Mistakes</name>
    <message numerus="yes">
        <source>%n omitted</source>
        <translation>
            <numerusform>%n omitted</numerusform>
            <numerusform>%n omitted</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n wrong</source>
        <translation>
            <numerusform>%n wrong</numerusform>
            <numerusform>%n wrong</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n blank</source>
        <translation>
            <numerusform>%n blank</numerusform>
            <numerusform>%n blank</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n swapped</source>
        <translation>
            <numerusform>%n swapped</numerusform>
            <numerusform>%n swapped</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Tfrm_main</name>
    <message numerus="yes">
        <source>%n runs exported to %1</source>
        <translation>
            <numerusform>%n run exported to %1</numerusform>
            <numerusform>%n runs exported to %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Tfrm_modules</name>
    <message numerus="yes">
        <source>%1: %2 … %3 (%n elements)</source>
        <translation>
            <numerusform>%1: %2 … %3 (%n element)</numerusform>
            <numerusform>%1: %2 … %3 (%n elements)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Tfrm_options</name>
    <message numerus="yes">
        <source>%n digit(s)</source>
        <translation>
            <numerusform>%n digit</numerusform>
            <numerusform>%n digits</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Longest Element: %n digit(s) ≈ %1 s spoken + %2 s pause, longer than the Timer (%3 s): the run will go at about %4 s an Element</source>
        <translation>
            <numerusform>Longest Element: %n digit ≈ %1 s spoken + %2 s pause, longer than the Timer (%3 s): the run will go at about %4 s an Element</numerusform>
            <numerusform>Longest Element: %n digits ≈ %1 s spoken + %2 s pause, longer than the Timer (%3 s): the run will go at about %4 s an Element</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Longest Element: %n digit(s) ≈ %1 s spoken + %2 s pause, within the Timer (%3 s): the run keeps its pace</source>
        <translation>
            <numerusform>Longest Element: %n digit ≈ %1 s spoken + %2 s pause, within the Timer (%3 s): the run keeps its pace</numerusform>
            <numerusform>Longest Element: %n digits ≈ %1 s spoken + %2 s pause, within the Timer (%3 s): the run keeps its pace</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Tfrm_test</name>
    <message numerus="yes">
        <source>Type the %n digit(s) as one line</source>
        <translation>
            <numerusform>Type the %n digit as one line</numerusform>
            <numerusform>Type the %n digits as one line</numerusform>
        </translation>
    </message>
</context>
</TS>
