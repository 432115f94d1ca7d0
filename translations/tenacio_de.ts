<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Analysis</name>
    <message>
        <source>one place late</source>
        <translation>eine Stelle zu spät</translation>
    </message>
    <message>
        <source>one place early</source>
        <translation>eine Stelle zu früh</translation>
    </message>
    <message numerus="yes">
        <source>%n places late</source>
        <translation>
            <numerusform>%n Stelle zu spät</numerusform>
            <numerusform>%n Stellen zu spät</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n places early</source>
        <translation>
            <numerusform>%n Stelle zu früh</numerusform>
            <numerusform>%n Stellen zu früh</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n after it right but %1</source>
        <translation>
            <numerusform>%n danach richtig, aber %1</numerusform>
            <numerusform>%n danach richtig, aber %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n right but %1</source>
        <translation>
            <numerusform>%n richtig, aber %1</numerusform>
            <numerusform>%n richtig, aber %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n omitted at %1</source>
        <translation>
            <numerusform>%n ausgelassen an Stelle %1</numerusform>
            <numerusform>%n ausgelassen an den Stellen %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n inserted at %1</source>
        <translation>
            <numerusform>%n eingefügt an Stelle %1</numerusform>
            <numerusform>%n eingefügt an den Stellen %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n wrong</source>
        <translation>
            <numerusform>%n falsch</numerusform>
            <numerusform>%n falsch</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n blank</source>
        <translation>
            <numerusform>%n leer</numerusform>
            <numerusform>%n leer</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n swapped (%1)</source>
        <translation>
            <numerusform>%n Paar vertauscht (%1)</numerusform>
            <numerusform>%n Paare vertauscht (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>No mistakes</source>
        <translation>Keine Fehler</translation>
    </message>
    <message>
        <source>Right in order: %1 of %2</source>
        <translation>In richtiger Reihenfolge: %1 von %2</translation>
    </message>
    <message>
        <source>swapped (%1)</source>
        <translation>vertauscht (%1)</translation>
    </message>
    <message>
        <source>right</source>
        <translation>richtig</translation>
    </message>
    <message>
        <source>omitted</source>
        <translation>ausgelassen</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>falsch</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>keine Antwort</translation>
    </message>
    <message>
        <source>inserted</source>
        <translation>eingefügt</translation>
    </message>
    <message>
        <source>right but %1</source>
        <translation>richtig, aber %1</translation>
    </message>
</context>
<context>
    <name>AnswerSheet</name>
    <message>
        <source>wrong answer</source>
        <translation>falsche Antwort</translation>
    </message>
    <message>
        <source> (blanks lost in the file)</source>
        <translation> (Leerzeichen in der Datei verloren)</translation>
    </message>
    <message>
        <source> (another Unicode form)</source>
        <translation> (andere Unicode-Form)</translation>
    </message>
    <message>
        <source>wrong: %1 (blanks lost in the file)</source>
        <translation>falsch: %1 (Leerzeichen in der Datei verloren)</translation>
    </message>
    <message>
        <source>wrong: %1 (another Unicode form)</source>
        <translation>falsch: %1 (andere Unicode-Form)</translation>
    </message>
    <message>
        <source>wrong: %1 (blanks differ)</source>
        <translation>falsch: %1 (Leerzeichen weichen ab)</translation>
    </message>
    <message>
        <source>wrong: %1</source>
        <translation>falsch: %1</translation>
    </message>
    <message>
        <source>(no answer)</source>
        <translation>(keine Antwort)</translation>
    </message>
    <message>
        <source>wrong: blank (no answer)</source>
        <translation>falsch: leer (keine Antwort)</translation>
    </message>
</context>
<context>
    <name>ConflictChoice</name>
    <message>
        <source>Merge</source>
        <translation>Zusammenführen</translation>
    </message>
    <message>
        <source>A sync tool left a second version of %1 in the data folder: %2.

Check what to take from it; the rest stays as it is on this computer. The copy is then renamed %3 and kept.</source>
        <translation>Ein Synchronisierungsprogramm hat eine zweite Fassung von %1 im Datenordner hinterlassen: %2.

Haken Sie an, was daraus übernommen werden soll; alles andere bleibt, wie es auf diesem Computer ist. Die Kopie wird danach in %3 umbenannt und aufbewahrt.</translation>
    </message>
    <message>
        <source>Module</source>
        <translation>Modul</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Option</translation>
    </message>
    <message>
        <source>On this computer</source>
        <translation>Auf diesem Computer</translation>
    </message>
    <message>
        <source>In the copy</source>
        <translation>In der Kopie</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>&amp;Merge</source>
        <translation>&amp;Zusammenführen</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>&amp;Später</translation>
    </message>
</context>
<context>
    <name>Conflicts</name>
    <message>
        <source>Cannot rename &quot;%1&quot;. %2</source>
        <translation>„%1“ kann nicht umbenannt werden. %2</translation>
    </message>
    <message numerus="yes">
        <source>A sync tool left a second version of %1 in the data folder: %2.

Runs in it that the history does not show: %n. Merge them into %1? The copy is then renamed %2.merged and kept.</source>
        <translation>
            <numerusform>Ein Synchronisierungsprogramm hat eine zweite Fassung von %1 im Datenordner hinterlassen: %2.

Sie enthält %n Durchgang, den der Verlauf nicht zeigt. In %1 zusammenführen? Die Kopie wird danach in %2.merged umbenannt und aufbewahrt.</numerusform>
            <numerusform>Ein Synchronisierungsprogramm hat eine zweite Fassung von %1 im Datenordner hinterlassen: %2.

Sie enthält %n Durchgänge, die der Verlauf nicht zeigt. In %1 zusammenführen? Die Kopie wird danach in %2.merged umbenannt und aufbewahrt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Runs merged into %1: %n</source>
        <translation>
            <numerusform>%n Durchgang in %1 übernommen</numerusform>
            <numerusform>%n Durchgänge in %1 übernommen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Of them under their name with a number added, as this computer has another run under that name: %n</source>
        <translation>
            <numerusform>%n davon unter seinem Namen mit angehängter Nummer, da dieser Computer einen anderen Durchgang unter diesem Namen hat</numerusform>
            <numerusform>%n davon unter ihrem Namen mit angehängter Nummer, da dieser Computer einen anderen Durchgang unter diesem Namen hat</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Runs that were already there: %n</source>
        <translation>
            <numerusform>%n Durchgang war schon vorhanden</numerusform>
            <numerusform>%n Durchgänge waren schon vorhanden</numerusform>
        </translation>
    </message>
    <message>
        <source>The copy is kept as %1.</source>
        <translation>Die Kopie wird als %1 aufbewahrt.</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Ersetzen</translation>
    </message>
    <message>
        <source>&amp;Add another</source>
        <translation>&amp;Weiteres anlegen</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>&amp;Merge</source>
        <translation>&amp;Zusammenführen</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>&amp;Später</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Zusammenführen</translation>
    </message>
    <message>
        <source>&amp;Add to the end</source>
        <translation>&amp;Hinten anfügen</translation>
    </message>
</context>
<context>
    <name>DueToday</name>
    <message>
        <source>&amp;Keep this Module learned</source>
        <translation>Dieses Modul gelernt &amp;halten</translation>
    </message>
    <message>
        <source>&amp;Retention chart...</source>
        <translation>&amp;Behaltenskurve...</translation>
    </message>
</context>
<context>
    <name>DueTodayView</name>
    <message>
        <source>Due today</source>
        <translation>Heute fällig</translation>
    </message>
    <message>
        <source>Module</source>
        <translation>Modul</translation>
    </message>
    <message>
        <source>Days overdue</source>
        <translation>Tage überfällig</translation>
    </message>
    <message>
        <source>Kept Modules to train today, the oldest due first. Enter starts a Training.</source>
        <translation>Gehaltene Module, die heute zu trainieren sind, das am längsten fällige zuerst. Die Eingabetaste startet ein Training.</translation>
    </message>
    <message>
        <source>Train &amp;now</source>
        <translation>&amp;Jetzt trainieren</translation>
    </message>
    <message>
        <source>Starts a Training on the whole Module chosen in the list</source>
        <translation>Startet ein Training über das ganze in der Liste gewählte Modul</translation>
    </message>
    <message>
        <source>today</source>
        <translation>heute</translation>
    </message>
</context>
<context>
    <name>Exam</name>
    <message>
        <source>Mistakes allowed in an Exam of %1 Elements: %2. Mistake %3 ends it.</source>
        <translation>Erlaubte Fehler in einer Prüfung mit %1 Elementen: %2. Fehler %3 beendet sie.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht angelegt werden. %2</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Das ist ein Ordner</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht geöffnet werden. %2</translation>
    </message>
    <message>
        <source>Cannot create the data folder %1. %2</source>
        <translation>Der Datenordner %1 kann nicht angelegt werden. %2</translation>
    </message>
    <message>
        <source>The file is not a regular file.</source>
        <translation>Die Datei ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation>Die Datei ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>The file holds %1 bytes (%2 MiB); data files of up to %3 MiB are read.</source>
        <translation>Die Datei ist %1 Byte groß (%2 MiB); gelesen werden Datendateien bis %3 MiB.</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
    <message>
        <source>The file holds no sections this program can read; it was left as it was</source>
        <translation>Die Datei enthält keine Abschnitte, die dieses Programm lesen kann; sie wurde nicht verändert</translation>
    </message>
    <message>
        <source>Unable to write to %1. %2</source>
        <translation>In die Datei %1 kann nicht geschrieben werden. %2</translation>
    </message>
    <message>
        <source>Tenacio keeps its data in %1 now: the data folder %2 cannot be written (%3). The history, Modules and options kept there are not shown.</source>
        <translation>Tenacio legt seine Daten jetzt in %1 ab: In den Datenordner %2 kann nicht geschrieben werden (%3). Der Verlauf, die Module und die Optionen dort werden nicht angezeigt.</translation>
    </message>
    <message>
        <source>it does not say which file it was made for (an older version of Tenacio made it).</source>
        <translation>sie gibt nicht an, für welche Datei sie angelegt wurde (eine ältere Version von Tenacio hat sie angelegt).</translation>
    </message>
    <message>
        <source>it was made for another file of that name, such as one a sync tool or a backup brought.</source>
        <translation>sie wurde für eine andere Datei dieses Namens angelegt, etwa eine, die ein Synchronisationsprogramm oder eine Sicherung gebracht hat.</translation>
    </message>
    <message>
        <source>The recovery copy %1 was not put back into %2 and is left as it is: %3</source>
        <translation>Die Wiederherstellungskopie %1 wurde nicht nach %2 zurückgeschrieben und bleibt unverändert liegen: %3</translation>
    </message>
    <message>
        <source>The folder %1 cannot be locked (%2). Another copy of Tenacio writing to it at the same time could undo this one&apos;s changes.</source>
        <translation>Der Ordner %1 kann nicht gesperrt werden (%2). Schreibt ein anderes Tenacio-Fenster gleichzeitig hinein, könnten die Änderungen dieses Fensters verloren gehen.</translation>
    </message>
    <message>
        <source>Another copy of Tenacio is writing to its folder; nothing was changed. Try again in a moment.</source>
        <translation>Ein anderes Tenacio-Fenster schreibt gerade in diesen Ordner; nichts wurde geändert. Versuchen Sie es gleich noch einmal.</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>Training results</source>
        <translation>Trainingsergebnisse</translation>
    </message>
    <message>
        <source>Exam results</source>
        <translation>Prüfungsergebnisse</translation>
    </message>
    <message>
        <source>Training results – %1</source>
        <translation>Trainingsergebnisse – %1</translation>
    </message>
    <message>
        <source>Exam results – %1</source>
        <translation>Prüfungsergebnisse – %1</translation>
    </message>
</context>
<context>
    <name>Keeping</name>
    <message>
        <source>1 list due today</source>
        <translation>1 Liste heute fällig</translation>
    </message>
    <message numerus="yes">
        <source>%n lists due today</source>
        <translation>
            <numerusform>%n Liste heute fällig</numerusform>
            <numerusform>%n Listen heute fällig</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Launch</name>
    <message>
        <source>The Module library could not be read (%1), so there is no Module to draw the elements from. See to it under Modules in the menu bar.</source>
        <translation>Die Modulbibliothek konnte nicht gelesen werden, daher gibt es kein Modul, aus dem die Elemente gezogen werden können. Prüfen Sie sie unter „Module“ in der Menüleiste. Grund: %1</translation>
    </message>
    <message>
        <source>There is no Module yet to draw the elements from. Add one under Modules in the menu bar, then choose it under Options.</source>
        <translation>Es gibt noch kein Modul, aus dem die Elemente gezogen werden können. Legen Sie eines unter „Module“ in der Menüleiste an und wählen Sie es dann unter „Optionen“.</translation>
    </message>
    <message>
        <source>The Module &quot;%1&quot; no longer exists. Choose another one under Options, or add it again under Modules in the menu bar.</source>
        <translation>Das Modul „%1“ gibt es nicht mehr. Wählen Sie unter „Optionen“ ein anderes oder legen Sie es unter „Module“ in der Menüleiste neu an.</translation>
    </message>
    <message>
        <source>Preparing the voice...</source>
        <translation>Die Stimme wird vorbereitet …</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Trening</source>
        <translation>Training</translation>
    </message>
    <message>
        <source>Introductory Test</source>
        <translation>Einführungstest</translation>
    </message>
    <message>
        <source>Exam</source>
        <translation>Prüfung</translation>
    </message>
    <message>
        <source>Press OK to start</source>
        <translation>Klicken Sie auf „OK“, um zu beginnen.</translation>
    </message>
    <message>
        <source>No speech engine is installed</source>
        <translation>Es ist keine Sprachausgabe installiert</translation>
    </message>
    <message>
        <source>The Elements can&apos;t be spoken: %1. Turn &quot;Speak Elements&quot; off in the options to train without the voice.</source>
        <translation>Die Elemente können nicht vorgelesen werden: %1. Schalten Sie „Elemente vorlesen“ in den Optionen aus, um ohne Stimme zu trainieren.</translation>
    </message>
    <message>
        <source>Test is not completed. The Elements could not be spoken: %1</source>
        <translation>Der Test wurde abgebrochen, da die Elemente nicht vorgelesen werden konnten: %1</translation>
    </message>
    <message>
        <source>Checking the voice…</source>
        <translation>Die Stimme wird geprüft…</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>Wird gestartet…</translation>
    </message>
    <message>
        <source>Ready… go</source>
        <translation>Achtung… los</translation>
    </message>
</context>
<context>
    <name>Mistakes</name>
    <message numerus="yes">
        <source>%n omitted</source>
        <translation>
            <numerusform>%n ausgelassen</numerusform>
            <numerusform>%n ausgelassen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n wrong</source>
        <translation>
            <numerusform>%n falsch</numerusform>
            <numerusform>%n falsch</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n blank</source>
        <translation>
            <numerusform>%n leer</numerusform>
            <numerusform>%n leer</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n swapped</source>
        <translation>
            <numerusform>%n vertauscht</numerusform>
            <numerusform>%n vertauscht</numerusform>
        </translation>
    </message>
    <message>
        <source>Mistakes %1</source>
        <translation>Fehler %1</translation>
    </message>
</context>
<context>
    <name>Modules</name>
    <message>
        <source>The Module library already holds a Module named &quot;%1&quot;.</source>
        <translation>Die Modulbibliothek enthält bereits ein Modul namens „%1“.</translation>
    </message>
    <message>
        <source>The Module library can&apos;t keep these Elements as they are; no Module was made.</source>
        <translation>Die Modulbibliothek kann diese Elemente nicht unverändert speichern; es wurde kein Modul angelegt.</translation>
    </message>
    <message>
        <source>Two-digit numbers</source>
        <translation>Zweistellige Zahlen</translation>
    </message>
    <message>
        <source>Three-digit numbers</source>
        <translation>Dreistellige Zahlen</translation>
    </message>
    <message>
        <source>Common words</source>
        <translation>Häufige Wörter</translation>
    </message>
    <message>
        <source>Pairs 00–99</source>
        <translation>Paare 00–99</translation>
    </message>
</context>
<context>
    <name>Pattern</name>
    <message>
        <source>Digits 0–9</source>
        <translation>Ziffern 0–9</translation>
    </message>
    <message>
        <source>Pairs 00–99</source>
        <translation>Paare 00–99</translation>
    </message>
    <message>
        <source>Triples 000–999</source>
        <translation>Tripel 000–999</translation>
    </message>
    <message>
        <source>Binary groups of 3 (000–111)</source>
        <translation>Binärgruppen zu 3 (000–111)</translation>
    </message>
    <message>
        <source>Cards (A♠–K♣)</source>
        <translation>Karten (A♠–K♣)</translation>
    </message>
    <message>
        <source>Cards (AS–KC)</source>
        <translation>Karten (AS–KC)</translation>
    </message>
    <message>
        <source>Years 1000–2099</source>
        <translation>Jahre 1000–2099</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1“ ist keine gültige ganze Zahl.</translation>
    </message>
</context>
<context>
    <name>ResultsStore</name>
    <message>
        <source>Module: %1</source>
        <translation>Modul: %1</translation>
    </message>
    <message>
        <source>Module: %1, %2 to %3</source>
        <translation>Modul: %1, %2 bis %3</translation>
    </message>
    <message>
        <source>Stored without its Module: no runs to compare with.</source>
        <translation>Ohne sein Modul gespeichert: keine Durchgänge zum Vergleichen.</translation>
    </message>
    <message>
        <source>The only run on this Module.</source>
        <translation>Der einzige Durchgang mit diesem Modul.</translation>
    </message>
    <message>
        <source>No earlier run; best run on this Module so far.</source>
        <translation>Kein früherer Durchgang; bisher bester Durchgang mit diesem Modul.</translation>
    </message>
    <message>
        <source>No earlier run; best on this Module %1 (%2).</source>
        <translation>Kein früherer Durchgang; Bestwert mit diesem Modul %1 (%2).</translation>
    </message>
    <message>
        <source>Previous run %1 (%2); best run on this Module so far.</source>
        <translation>Voriger Durchgang %1 (%2); bisher bester Durchgang mit diesem Modul.</translation>
    </message>
    <message>
        <source>Previous run %1 (%2); best on this Module %3 (%4).</source>
        <translation>Voriger Durchgang %1 (%2); Bestwert mit diesem Modul %3 (%4).</translation>
    </message>
</context>
<context>
    <name>RetentionChart</name>
    <message>
        <source>Retention: %1</source>
        <translation>Behalten: %1</translation>
    </message>
    <message>
        <source>Two runs of &quot;%1&quot; at least are needed to show its retention.</source>
        <translation>Um das Behalten von „%1“ zu zeigen, braucht es mindestens zwei Durchgänge.</translation>
    </message>
    <message>
        <source>Each point is a run of &quot;%1&quot;: the Elements right in order against the days since the run before it.</source>
        <translation>Jeder Punkt ist ein Durchgang von „%1“: die Elemente in richtiger Reihenfolge über den Tagen seit dem Durchgang davor.</translation>
    </message>
    <message>
        <source>Days since the previous run</source>
        <translation>Tage seit dem vorigen Durchgang</translation>
    </message>
    <message>
        <source>Right in order (%)</source>
        <translation>In richtiger Reihenfolge (%)</translation>
    </message>
</context>
<context>
    <name>Run</name>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>%1. %2 (no answer)</source>
        <translation>%1. %2 (keine Antwort)</translation>
    </message>
    <message>
        <source>%1. %2 (answered: %3)</source>
        <translation>%1. %2 (geantwortet: %3)</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>… und %1 weitere</translation>
    </message>
    <message>
        <source>Wrong answers:</source>
        <translation>Falsche Antworten:</translation>
    </message>
</context>
<context>
    <name>RunRules</name>
    <message>
        <source>The number of elements must lie between %1 and %2.</source>
        <translation>Die Anzahl der Elemente muss zwischen %1 und %2 liegen.</translation>
    </message>
    <message>
        <source>The Module has no range of elements to draw from.</source>
        <translation>Das Modul hat keinen Bereich, aus dem Elemente gezogen werden können.</translation>
    </message>
</context>
<context>
    <name>Scoring</name>
    <message>
        <source>Koeff = right ÷ 5</source>
        <translation>Koeff = Richtige ÷ 5</translation>
    </message>
    <message>
        <source>Koeff = (Elements + right − seconds ÷ 6) ÷ 5</source>
        <translation>Koeff = (Elemente + Richtige − Sekunden ÷ 6) ÷ 5</translation>
    </message>
    <message>
        <source>Koeff, the score of a run: the Elements asked plus the right answers, less one for every six seconds, divided by 5; so six seconds cost as much as a wrong answer. Higher is better. The Introductory Test&apos;s Koeff is its right answers divided by 5.</source>
        <translation>Koeff, die Wertung eines Durchgangs: die abgefragten Elemente plus die richtigen Antworten, abzüglich eins für je sechs Sekunden, geteilt durch 5; sechs Sekunden kosten also so viel wie eine falsche Antwort. Höher ist besser. Beim Einführungstest ist der Koeff die Zahl der richtigen Antworten geteilt durch 5.</translation>
    </message>
    <message>
        <source>%1 (&lt;1 in 10 wrong)</source>
        <translation>%1 (&lt;1 von 10 falsch)</translation>
    </message>
    <message>
        <source>Marks: %1
%2</source>
        <translation>Stufen: %1
%2</translation>
    </message>
    <message>
        <source>from %1, %2</source>
        <translation>ab %1: %2</translation>
    </message>
    <message>
        <source>A Koeff below %1 gives the mark %2; %3 when fewer than one answer in ten is wrong, else 5.</source>
        <translation>Ein Koeff unter %1 ergibt Stufe %2; %3, wenn weniger als eine von zehn Antworten falsch ist, sonst 5. Eine höhere Stufe ist besser.</translation>
    </message>
    <message>
        <source>%1  Average time for each number: %2 sec.</source>
        <translation>%1, durchschnittlich %2 s pro Element</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Meister</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>The Timer (MilliSec) stored in config.ini, %1, is beyond what the options can set; %2 is used instead.</source>
        <translation>Der in config.ini gespeicherte Timer (Millisekunden), %1, liegt außerhalb dessen, was die Optionen einstellen können; stattdessen wird %2 verwendet.</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>the sound server can&apos;t be reached (%1)</source>
        <translation>der Soundserver ist nicht erreichbar (%1)</translation>
    </message>
    <message>
        <source>the sound server failed (%1)</source>
        <translation>Fehler des Soundservers (%1)</translation>
    </message>
    <message>
        <source>the voice &quot;%1&quot; is not installed</source>
        <translation>die Stimme „%1“ ist nicht installiert</translation>
    </message>
    <message>
        <source>no voice for the language &quot;%1&quot; is installed</source>
        <translation>für die Sprache „%1“ ist keine Stimme installiert</translation>
    </message>
    <message>
        <source>the eSpeak NG voices could not be loaded</source>
        <translation>die Stimmen von eSpeak NG konnten nicht geladen werden</translation>
    </message>
    <message>
        <source>no eSpeak NG voice is installed</source>
        <translation>keine Stimme von eSpeak NG installiert</translation>
    </message>
    <message>
        <source>the sound server does not answer</source>
        <translation>der Soundserver antwortet nicht</translation>
    </message>
    <message>
        <source>the sound server stopped playing</source>
        <translation>der Soundserver hat die Wiedergabe beendet</translation>
    </message>
    <message>
        <source>the voice gave no sound for &quot;%1&quot;</source>
        <translation>die Stimme gab für „%1“ keinen Ton aus</translation>
    </message>
    <message>
        <source>the sound server can&apos;t be reached</source>
        <translation>der Soundserver ist nicht erreichbar</translation>
    </message>
    <message>
        <source>part of the sound was not heard: the machine was too busy to play it whole</source>
        <translation>ein Teil des Tons war nicht zu hören: der Rechner war zu ausgelastet, um ihn ganz abzuspielen</translation>
    </message>
    <message>
        <source>The voice variant &quot;%1&quot; is not installed; the voice reads without it.</source>
        <translation>Die Stimmvariante „%1“ ist nicht installiert; die Stimme liest ohne sie.</translation>
    </message>
    <message>
        <source>The MBROLA voice &quot;%1&quot; is not installed; the default voice of its language reads instead.</source>
        <translation>Die MBROLA-Stimme „%1“ ist nicht installiert; stattdessen liest die Standardstimme ihrer Sprache.</translation>
    </message>
    <message>
        <source>male %1</source>
        <translation>männlich %1</translation>
    </message>
    <message>
        <source>female %1</source>
        <translation>weiblich %1</translation>
    </message>
    <message>
        <source>Klatt %1</source>
        <translation>Klatt %1</translation>
    </message>
    <message>
        <source>whispering</source>
        <translation>flüsternd</translation>
    </message>
    <message>
        <source>female, whispering</source>
        <translation>weiblich, flüsternd</translation>
    </message>
    <message>
        <source>croaking</source>
        <translation>krächzend</translation>
    </message>
    <message>
        <source>The MBROLA voice &quot;%1&quot; can&apos;t speak; the default voice of its language reads instead.</source>
        <translation>Die MBROLA-Stimme „%1“ kann nicht sprechen; stattdessen liest die Standardstimme ihrer Sprache.</translation>
    </message>
</context>
<context>
    <name>SportScoring</name>
    <message>
        <source>Koeff and mark</source>
        <translation>Koeff und Stufe</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Reihen</translation>
    </message>
    <message>
        <source>Until the first mistake</source>
        <translation>Bis zum ersten Fehler</translation>
    </message>
    <message>
        <source>Right answers</source>
        <translation>Richtige Antworten</translation>
    </message>
    <message>
        <source>%1 in row %2 (%3–%4)</source>
        <translation>%1 in Reihe %2 (%3–%4)</translation>
    </message>
    <message>
        <source>Rows of %1: %2 of %3</source>
        <translation>Reihen zu %1: %2 von %3</translation>
    </message>
    <message>
        <source>Rows of %1: %2 of %3; lost %4</source>
        <translation>Reihen zu %1: %2 von %3; Abzug: %4</translation>
    </message>
    <message>
        <source>Until the first mistake: %1 of %2</source>
        <translation>Bis zum ersten Fehler: %1 von %2</translation>
    </message>
    <message>
        <source>Right answers: %1 of %2</source>
        <translation>Richtige Antworten: %1 von %2</translation>
    </message>
    <message>
        <source>row %1 left blank ends the scoring</source>
        <translation>die leer gelassene Reihe %1 beendet die Wertung</translation>
    </message>
</context>
<context>
    <name>Tfrm_exe</name>
    <message>
        <source>Do exercises</source>
        <translation>Rechenaufgaben</translation>
    </message>
    <message>
        <source>Sum %1</source>
        <translation>Aufgabe %1</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Sum %1: </source>
        <translation>Aufgabe %1: </translation>
    </message>
    <message>
        <source>Stop test?</source>
        <translation>Test abbrechen?</translation>
    </message>
    <message>
        <source>You need to finish exercises!</source>
        <translation>Lösen Sie zuerst alle Rechenaufgaben!</translation>
    </message>
    <message>
        <source>solved</source>
        <translation>gelöst</translation>
    </message>
    <message>
        <source>not solved yet</source>
        <translation>noch nicht gelöst</translation>
    </message>
</context>
<context>
    <name>Tfrm_guide</name>
    <message>
        <source>Tenacio user guide</source>
        <translation>Tenacio-Benutzerhandbuch</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>Benutzerhandbuch</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>Tfrm_help</name>
    <message>
        <source>About</source>
        <translation>Über Tenacio</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Help is available here - %1</source>
        <translation>Hilfe gibt es hier: %1</translation>
    </message>
    <message>
        <source>Your data is kept in %1</source>
        <translation>Ihre Daten liegen in %1</translation>
    </message>
</context>
<context>
    <name>Tfrm_main</name>
    <message>
        <source>All Modules</source>
        <translation>Alle Module</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Modules</source>
        <translation>&amp;Module</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Test</translation>
    </message>
    <message>
        <source>&amp;Introductory Test</source>
        <translation>&amp;Einführungstest</translation>
    </message>
    <message>
        <source>T&amp;raining</source>
        <translation>T&amp;raining</translation>
    </message>
    <message>
        <source>&amp;Exam</source>
        <translation>&amp;Prüfung</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Test&amp;s</source>
        <translation>Training&amp;s</translation>
    </message>
    <message>
        <source>Results history</source>
        <translation>Ergebnisverlauf</translation>
    </message>
    <message>
        <source>Stored runs, newest first. Enter reopens the selected run, Delete erases it.</source>
        <translation>Gespeicherte Durchgänge, die neuesten zuerst. Eingabe öffnet den gewählten Durchgang wieder, Entf löscht ihn.</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Delete &amp;All</source>
        <translation>&amp;Alle löschen</translation>
    </message>
    <message>
        <source>Headings of the results history</source>
        <translation>Spaltenköpfe des Ergebnisverlaufs</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Module shown</source>
        <translation>Angezeigtes Modul</translation>
    </message>
    <message>
        <source>The history lists and charts the runs of this Module</source>
        <translation>Der Verlauf listet die Durchgänge dieses Moduls auf und zeigt sie im Diagramm</translation>
    </message>
    <message>
        <source>Mod&amp;ule:</source>
        <translation>Mod&amp;ul:</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exportieren …</translation>
    </message>
    <message>
        <source>Saves the runs of the Module shown as a CSV file</source>
        <translation>Speichert die Durchgänge des angezeigten Moduls als CSV-Datei</translation>
    </message>
    <message>
        <source>By &amp;position</source>
        <translation>Nach &amp;Position</translation>
    </message>
    <message>
        <source>Right by position</source>
        <translation>Richtig nach Position</translation>
    </message>
    <message>
        <source>The chart shows the share of right answers at each position of the Module shown, instead of the Koeff of each run</source>
        <translation>Das Diagramm zeigt statt des Koeff jedes Durchgangs den Anteil richtiger Antworten an jeder Position des angezeigten Moduls</translation>
    </message>
    <message>
        <source>Right by position: the share of right answers at each position</source>
        <translation>Richtig nach Position: der Anteil richtiger Antworten an jeder Position</translation>
    </message>
    <message>
        <source>Chart of the listed results</source>
        <translation>Diagramm der aufgelisteten Ergebnisse</translation>
    </message>
    <message>
        <source>DateTime</source>
        <translation>Datum/Uhrzeit</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>Exam&amp;s</source>
        <translation>Prü&amp;fungen</translation>
    </message>
    <message>
        <source>Chart of right answers by position, in percent</source>
        <translation>Diagramm der richtigen Antworten nach Position, in Prozent</translation>
    </message>
    <message>
        <source>Training results</source>
        <translation>Trainingsergebnisse</translation>
    </message>
    <message>
        <source>Exam results</source>
        <translation>Prüfungsergebnisse</translation>
    </message>
    <message>
        <source>No Training results yet.

To make the first entry, choose Test › Training (Ctrl+T).</source>
        <translation>Noch keine Trainingsergebnisse.

Für den ersten Eintrag wählen Sie Test › Training (Strg+T).</translation>
    </message>
    <message>
        <source>No Exam results yet.

Start with a Training: choose Test › Training (Ctrl+T). Once a Module is learnt, Test › Exam (Ctrl+E) puts a first entry here.</source>
        <translation>Noch keine Prüfungsergebnisse.

Beginnen Sie mit einem Training: Wählen Sie Test › Training (Strg+T). Sobald ein Modul gelernt ist, erscheint hier nach Test › Prüfung (Strg+E) der erste Eintrag.</translation>
    </message>
    <message>
        <source>CSV file (*.csv)|*.csv|Any File (*.*)|*.*</source>
        <translation>CSV-Datei (*.csv)|*.csv|Alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht geöffnet werden. %2</translation>
    </message>
    <message>
        <source>Delete All?</source>
        <translation>Alle angezeigten Durchgänge löschen?</translation>
    </message>
    <message>
        <source>Replace %1?</source>
        <translation>Die Datei „%1“ ersetzen?</translation>
    </message>
    <message>
        <source>Delete %1?</source>
        <translation>Den Durchgang vom %1 löschen?</translation>
    </message>
    <message>
        <source>The run %1 is no longer in %2. The list now shows what the file holds.</source>
        <translation>Der Durchgang %1 ist nicht mehr in %2. Die Liste zeigt jetzt, was die Datei enthält.</translation>
    </message>
    <message>
        <source>&amp;User guide</source>
        <translation>&amp;Benutzerhandbuch</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>Training results listed; press to list Exam results</source>
        <translation>Trainingsergebnisse angezeigt; drücken, um die Prüfungsergebnisse anzuzeigen</translation>
    </message>
    <message>
        <source>Exam results listed; press to list Training results</source>
        <translation>Prüfungsergebnisse angezeigt; drücken, um die Trainingsergebnisse anzuzeigen</translation>
    </message>
    <message>
        <source>Mark 5</source>
        <translation>Stufe 5</translation>
    </message>
    <message>
        <source>Mark 4</source>
        <translation>Stufe 4</translation>
    </message>
    <message>
        <source>Mark 3</source>
        <translation>Stufe 3</translation>
    </message>
    <message>
        <source>Mark 2 or lower</source>
        <translation>Stufe 2 oder niedriger</translation>
    </message>
    <message>
        <source>No mark</source>
        <translation>Keine Stufe</translation>
    </message>
    <message>
        <source>Right answers, in percent</source>
        <translation>Richtige Antworten in Prozent</translation>
    </message>
    <message>
        <source>1 run exported to %1</source>
        <translation>1 Durchgang exportiert nach %1</translation>
    </message>
    <message numerus="yes">
        <source>%n runs exported to %1</source>
        <translation>
            <numerusform>%n Durchgang exportiert nach %1</numerusform>
            <numerusform>%n Durchgänge exportiert nach %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Tfrm_modules</name>
    <message>
        <source>Modules</source>
        <translation>Module</translation>
    </message>
    <message>
        <source>&amp;Module name</source>
        <translation>&amp;Modulname</translation>
    </message>
    <message>
        <source>Module name</source>
        <translation>Modulname</translation>
    </message>
    <message>
        <source>Add Module</source>
        <translation>Modul hinzufügen</translation>
    </message>
    <message>
        <source>Add Module (Alt++)</source>
        <translation>Modul hinzufügen (Alt++)</translation>
    </message>
    <message>
        <source>Delete Module</source>
        <translation>Modul löschen</translation>
    </message>
    <message>
        <source>Delete Module (Alt+-)</source>
        <translation>Modul löschen (Alt+-)</translation>
    </message>
    <message>
        <source>Elements</source>
        <translation>Elemente</translation>
    </message>
    <message>
        <source>The Elements of the Module, one per line</source>
        <translation>Die Elemente des Moduls, eines pro Zeile</translation>
    </message>
    <message>
        <source>&amp;Load...</source>
        <translation>&amp;Laden …</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Speichern …</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>The Module library %1 is not a file this program can read: it holds no Modules. It is shown empty and left as it is; OK will not write over it.</source>
        <translation>Die Modulbibliothek %1 ist keine Datei, die dieses Programm lesen kann; sie enthält keine Module. Sie wird leer angezeigt und bleibt, wie sie ist; „OK“ überschreibt sie nicht.</translation>
    </message>
    <message>
        <source>The name is empty. Type a name for the new Module.</source>
        <translation>Der Name ist leer. Geben Sie einen Namen für das neue Modul ein.</translation>
    </message>
    <message>
        <source>Name already exists !</source>
        <translation>Diesen Namen gibt es schon!</translation>
    </message>
    <message>
        <source>The Module &quot;%1&quot; was also changed in the library file since this editor opened. Keep your version? Cancel keeps the file&apos;s.</source>
        <translation>Das Modul „%1“ wurde auch in der Bibliotheksdatei geändert, seit dieser Editor geöffnet wurde. Ihre Fassung behalten? „Abbrechen“ behält die aus der Datei.</translation>
    </message>
    <message>
        <source>Delete %1?</source>
        <translation>Das Modul „%1“ löschen?</translation>
    </message>
    <message>
        <source>New from a &amp;pattern...</source>
        <translation>Neu aus M&amp;uster …</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 … %3 (%n elements)</source>
        <translation>
            <numerusform>%1: %2 … %3 (%n Element)</numerusform>
            <numerusform>%1: %2 … %3 (%n Elemente)</numerusform>
        </translation>
    </message>
    <message>
        <source>The Element &quot;%1&quot; on line %2 holds a comma. The Module library separates Elements by commas, so it would become several Elements. Write it without a comma (3.14, Washington D.C.); nothing was stored.</source>
        <translation>Das Element „%1“ in Zeile %2 enthält ein Komma. Die Modulbibliothek trennt Elemente durch Kommas, daher würden daraus mehrere Elemente. Schreiben Sie es ohne Komma (3.14, Washington D.C.); es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>The Module &quot;%1&quot; has Elements. Replace them with the lines of the file, or add the lines after them?</source>
        <translation>Das Modul „%1“ hat Elemente. Sollen sie durch die Zeilen der Datei ersetzt oder die Zeilen hinten angefügt werden?</translation>
    </message>
    <message>
        <source>&amp;Keep this Module learned</source>
        <translation>Dieses Modul gelernt &amp;halten</translation>
    </message>
    <message>
        <source>Lists the Module under Due today when it is time to train it again</source>
        <translation>Führt das Modul unter „Heute fällig“, wenn es wieder zu trainieren ist</translation>
    </message>
    <message>
        <source>Train it as a se&amp;quence, in order</source>
        <translation>Als &amp;Folge trainieren, der Reihe nach</translation>
    </message>
</context>
<context>
    <name>Tfrm_name</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>&amp;Module name</source>
        <translation>&amp;Modulname</translation>
    </message>
    <message>
        <source>Module name</source>
        <translation>Modulname</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Pattern</source>
        <translation>M&amp;uster</translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation>Muster</translation>
    </message>
    <message>
        <source>New from a pattern</source>
        <translation>Neu aus Muster</translation>
    </message>
</context>
<context>
    <name>Tfrm_options</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Option pages</source>
        <translation>Optionsseiten</translation>
    </message>
    <message>
        <source>&amp;Training</source>
        <translation>&amp;Training</translation>
    </message>
    <message>
        <source>&amp;Exam</source>
        <translation>&amp;Prüfung</translation>
    </message>
    <message>
        <source>&amp;Do exercises</source>
        <translation>&amp;Rechenaufgaben lösen</translation>
    </message>
    <message>
        <source>&amp;Unlimited time</source>
        <translation>&amp;Unbegrenzte Zeit</translation>
    </message>
    <message>
        <source>&amp;Show serial number</source>
        <translation>&amp;Laufende Nummer zeigen</translation>
    </message>
    <message>
        <source>S&amp;peak Elements</source>
        <translation>Elemente vorl&amp;esen</translation>
    </message>
    <message>
        <source>&amp;Hide Elements while speaking</source>
        <translation>Elemente beim Vorlesen &amp;verbergen</translation>
    </message>
    <message>
        <source>Read num&amp;bers digit by digit</source>
        <translation>&amp;Zahlen Ziffer für Ziffer vorlesen</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Speech rate</source>
        <translation>Sprechgeschwindigkeit</translation>
    </message>
    <message>
        <source>&amp;Number of elements</source>
        <translation>A&amp;nzahl der Elemente</translation>
    </message>
    <message>
        <source>&amp;Module</source>
        <translation>&amp;Modul</translation>
    </message>
    <message>
        <source>&amp;Range  from</source>
        <translation>&amp;Bereich  von</translation>
    </message>
    <message>
        <source>Number of elements</source>
        <translation>Anzahl der Elemente</translation>
    </message>
    <message>
        <source>Module</source>
        <translation>Modul</translation>
    </message>
    <message>
        <source>Range from</source>
        <translation>Bereich von</translation>
    </message>
    <message>
        <source>Range to</source>
        <translation>Bereich bis</translation>
    </message>
    <message>
        <source>T&amp;imer (MilliSec)</source>
        <translation>T&amp;imer (ms)</translation>
    </message>
    <message>
        <source>Timer (MilliSec)</source>
        <translation>Timer (Millisekunden)</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Timer</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>R&amp;ate</source>
        <translation>Geschwin&amp;digkeit</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>The Module library could not be read (%1). The Module and range choices stored in the options are kept.</source>
        <translation>Die Modulbibliothek konnte nicht gelesen werden. Die in den Optionen gespeicherte Wahl von Modul und Bereich bleibt erhalten. Grund: %1</translation>
    </message>
    <message>
        <source>No speech engine is installed</source>
        <translation>Es ist keine Sprachausgabe installiert</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Automatisch (nach Schrift)</translation>
    </message>
    <message>
        <source>Speech is not available: %1.</source>
        <translation>Die Sprachausgabe ist nicht verfügbar: %1.</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>The Training Module stored in config.ini, &quot;%1&quot;, is not in the library; &quot;%2&quot; is used instead.</source>
        <translation>Das in config.ini gespeicherte Modul für das Training, „%1“, ist nicht in der Bibliothek; stattdessen wird „%2“ verwendet.</translation>
    </message>
    <message>
        <source>The Exam Module stored in config.ini, &quot;%1&quot;, is not in the library; &quot;%2&quot; is used instead.</source>
        <translation>Das in config.ini gespeicherte Modul für die Prüfung, „%1“, ist nicht in der Bibliothek; stattdessen wird „%2“ verwendet.</translation>
    </message>
    <message>
        <source>At random</source>
        <translation>Zufällig</translation>
    </message>
    <message>
        <source>Shuffled, no repeats</source>
        <translation>Gemischt, ohne Wiederholung</translation>
    </message>
    <message>
        <source>In order</source>
        <translation>Der Reihe nach</translation>
    </message>
    <message>
        <source>At random: each Element drawn on its own, so some come again and others not at all.
Shuffled, no repeats: every Element of the range once, in a shuffled order; a larger number of elements deals the range again, shuffled anew.
In order: the range as written, from its start; a larger number of elements goes on from the start again.</source>
        <translation>Zufällig: jedes Element für sich gezogen, daher kommen manche mehrfach und andere gar nicht.
Gemischt, ohne Wiederholung: jedes Element des Bereichs einmal, in gemischter Reihenfolge; eine größere Anzahl der Elemente teilt den Bereich erneut aus, neu gemischt.
Der Reihe nach: der Bereich, wie er geschrieben steht, von seinem Anfang an; eine größere Anzahl der Elemente beginnt wieder von vorn.</translation>
    </message>
    <message>
        <source>Dra&amp;w</source>
        <translation>Zie&amp;hung</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Ziehung</translation>
    </message>
    <message>
        <source>Checking the voice…</source>
        <translation>Die Stimme wird geprüft…</translation>
    </message>
    <message>
        <source>How many Elements a Training shows</source>
        <translation>Wie viele Elemente ein Training zeigt</translation>
    </message>
    <message>
        <source>The Module whose Elements a Training draws</source>
        <translation>Das Modul, aus dem ein Training seine Elemente zieht</translation>
    </message>
    <message>
        <source>The first Element of the range a Training draws from</source>
        <translation>Das erste Element des Bereichs, aus dem ein Training zieht</translation>
    </message>
    <message>
        <source>The last Element of the range a Training draws from</source>
        <translation>Das letzte Element des Bereichs, aus dem ein Training zieht</translation>
    </message>
    <message>
        <source>How long each Element stays on screen, in milliseconds</source>
        <translation>Wie lange jedes Element zu sehen ist, in Millisekunden</translation>
    </message>
    <message>
        <source>Set five quick sums between showing the Elements and typing them back</source>
        <translation>Fünf schnelle Rechenaufgaben zwischen dem Zeigen der Elemente und ihrer Eingabe</translation>
    </message>
    <message>
        <source>Each Element stays until you press Next (20 seconds at most), whatever the Timer says</source>
        <translation>Jedes Element bleibt, bis Sie „Weiter“ drücken (höchstens 20 Sekunden), gleich, was der Timer sagt</translation>
    </message>
    <message>
        <source>Show the counter (&quot;3 of 20&quot;) while the Elements are shown</source>
        <translation>Den Zähler („3 von 20“) zeigen, während die Elemente gezeigt werden</translation>
    </message>
    <message>
        <source>Read each Element aloud as it is shown</source>
        <translation>Jedes Element vorlesen, sobald es gezeigt wird</translation>
    </message>
    <message>
        <source>While the Elements are spoken, show only the counter, not the Element</source>
        <translation>Während die Elemente vorgelesen werden, nur den Zähler zeigen, nicht das Element</translation>
    </message>
    <message>
        <source>Read 1671 as &quot;one six seven one&quot; instead of as one number</source>
        <translation>1671 als „eins sechs sieben eins“ vorlesen statt als eine Zahl</translation>
    </message>
    <message>
        <source>The language of the voice that reads the Elements</source>
        <translation>Die Sprache der Stimme, die die Elemente vorliest</translation>
    </message>
    <message>
        <source>How fast the voice reads</source>
        <translation>Wie schnell die Stimme vorliest</translation>
    </message>
    <message>
        <source>How many Elements an Exam shows; a tenth of them may be answered wrongly</source>
        <translation>Wie viele Elemente eine Prüfung zeigt; ein Zehntel davon darf falsch beantwortet werden</translation>
    </message>
    <message>
        <source>The Module whose Elements an Exam draws</source>
        <translation>Das Modul, aus dem eine Prüfung ihre Elemente zieht</translation>
    </message>
    <message>
        <source>The first Element of the range an Exam draws from</source>
        <translation>Das erste Element des Bereichs, aus dem eine Prüfung zieht</translation>
    </message>
    <message>
        <source>The last Element of the range an Exam draws from</source>
        <translation>Das letzte Element des Bereichs, aus dem eine Prüfung zieht</translation>
    </message>
    <message>
        <source>An Exam allows mistakes in a tenth of its Elements; one more ends it.</source>
        <translation>Eine Prüfung erlaubt Fehler bei einem Zehntel ihrer Elemente; ein Fehler mehr beendet sie.</translation>
    </message>
    <message>
        <source>How a Training draws its Elements:</source>
        <translation>Wie ein Training seine Elemente zieht:</translation>
    </message>
    <message>
        <source>How an Exam draws its Elements:</source>
        <translation>Wie eine Prüfung ihre Elemente zieht:</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Pause between Elements</source>
        <translation>Pause zwischen den Elementen</translation>
    </message>
    <message>
        <source>Spo&amp;ken numbers, as in competitions</source>
        <translation>Gesprochene Zahlen wie im Wett&amp;kampf</translation>
    </message>
    <message numerus="yes">
        <source>%n digit(s)</source>
        <translation>
            <numerusform>%n Ziffer</numerusform>
            <numerusform>%n Ziffern</numerusform>
        </translation>
    </message>
    <message>
        <source>Trial length</source>
        <translation>Versuchslänge</translation>
    </message>
    <message>
        <source>Pause a&amp;fter each</source>
        <translation>Pause nach &amp;jedem</translation>
    </message>
    <message>
        <source>Trial len&amp;gth</source>
        <translation>Versuchslän&amp;ge</translation>
    </message>
    <message>
        <source>The digits are spoken one on each Timer&apos;s time and heard once, with nothing on screen; they are typed back as one line and scored until the first mistake. After &quot;Stop test?&quot; the digits go on five back</source>
        <translation>Die Ziffern werden eine je Timer-Takt gesprochen und nur einmal gehört, ohne etwas auf dem Bildschirm; sie werden als eine Zeile zurückgeschrieben und bis zum ersten Fehler gewertet. Nach „Test abbrechen?“ geht es fünf Ziffern zurück weiter</translation>
    </message>
    <message>
        <source>The number of digits of a trial in competitions; sets the number of elements</source>
        <translation>Die Zahl der Ziffern eines Versuchs im Wettkampf; setzt die Anzahl der Elemente</translation>
    </message>
    <message>
        <source>The least silence between two spoken Elements, so that where the voice takes longer than the Timer the Elements do not run together</source>
        <translation>Die kürzeste Stille zwischen zwei gesprochenen Elementen, damit die Elemente nicht ineinanderlaufen, wo die Stimme länger braucht als der Timer</translation>
    </message>
    <message>
        <source>Very slow</source>
        <translation>Sehr langsam</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Langsam</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Schnell</translation>
    </message>
    <message>
        <source>Very fast</source>
        <translation>Sehr schnell</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a whole number. Type the number in digits.</source>
        <translation>„%1“ ist keine ganze Zahl. Geben Sie die Zahl in Ziffern ein.</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>Kept when right in order &amp;at least</source>
        <translation>Gehalten bei mindestens der &amp;Reihe nach richtig</translation>
    </message>
    <message>
        <source>Kept when right in order at least</source>
        <translation>Gehalten bei mindestens der Reihe nach richtig</translation>
    </message>
    <message>
        <source>A kept Module&apos;s run holds when at least this share of its Elements is right in order: a run that holds climbs the ladder of 1, 3, 7, 14, 30, 60 and 120 days, one that does not goes back to 1 day</source>
        <translation>Ein Durchgang eines gelernt gehaltenen Moduls besteht, wenn mindestens dieser Anteil seiner Elemente der Reihe nach richtig ist: Ein bestandener Durchgang rückt auf der Leiter von 1, 3, 7, 14, 30, 60 und 120 Tagen weiter, ein anderer fällt auf 1 Tag zurück</translation>
    </message>
    <message>
        <source>The keep threshold stored in config.ini, %1, is not a whole number from 1 to 100; %2 % is used instead.</source>
        <translation>Die in config.ini gespeicherte Schwelle fürs Behalten, %1, ist keine ganze Zahl von 1 bis 100; stattdessen gilt %2 %.</translation>
    </message>
    <message numerus="yes">
        <source>Longest Element: %n digit(s) ≈ %1 s spoken + %2 s pause, longer than the Timer (%3 s): the run will go at about %4 s an Element</source>
        <translation>
            <numerusform>Längstes Element: %n Ziffer ≈ %1 s Vorlesen + %2 s Pause, länger als der Timer (%3 s): der Lauf geht mit etwa %4 s je Element</numerusform>
            <numerusform>Längstes Element: %n Ziffern ≈ %1 s Vorlesen + %2 s Pause, länger als der Timer (%3 s): der Lauf geht mit etwa %4 s je Element</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Longest Element: %n digit(s) ≈ %1 s spoken + %2 s pause, within the Timer (%3 s): the run keeps its pace</source>
        <translation>
            <numerusform>Längstes Element: %n Ziffer ≈ %1 s Vorlesen + %2 s Pause, innerhalb des Timers (%3 s): der Lauf hält sein Tempo</numerusform>
            <numerusform>Längstes Element: %n Ziffern ≈ %1 s Vorlesen + %2 s Pause, innerhalb des Timers (%3 s): der Lauf hält sein Tempo</numerusform>
        </translation>
    </message>
    <message>
        <source>System default: %1</source>
        <translation>Automatisch (nach Schrift): %1</translation>
    </message>
</context>
<context>
    <name>Tfrm_results</name>
    <message>
        <source>Report</source>
        <translation>Auswertung</translation>
    </message>
    <message>
        <source>Column headings</source>
        <translation>Spaltenköpfe</translation>
    </message>
    <message>
        <source>Answer sheet</source>
        <translation>Antwortbogen</translation>
    </message>
    <message>
        <source>Number, Text, Answer and kind of mistake of each element</source>
        <translation>Nummer, Text, Antwort und Fehlerart jedes Elements</translation>
    </message>
    <message>
        <source>Number of elements: </source>
        <translation>Anzahl der Elemente: </translation>
    </message>
    <message>
        <source>Total time: </source>
        <translation>Gesamtzeit: </translation>
    </message>
    <message>
        <source>Correct answers: </source>
        <translation>Richtige Antworten: </translation>
    </message>
    <message>
        <source>Mistakes: </source>
        <translation>Fehler: </translation>
    </message>
    <message>
        <source>Koeff: </source>
        <translation>Koeff: </translation>
    </message>
    <message>
        <source>Mark: </source>
        <translation>Stufe: </translation>
    </message>
    <message>
        <source>Key to Koeff and the marks</source>
        <translation>Erläuterung zu Koeff und Stufen</translation>
    </message>
    <message>
        <source>Koeff</source>
        <translation>Koeff</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Drill mistakes</source>
        <translation>&amp;Fehler üben</translation>
    </message>
    <message>
        <source>Makes a Module of the elements answered wrongly and sets Training to it</source>
        <translation>Legt aus den falsch beantworteten Elementen ein Modul an und stellt das Training darauf ein</translation>
    </message>
    <message>
        <source>Scoring</source>
        <translation>Wertung</translation>
    </message>
    <message>
        <source>&amp;Scoring: </source>
        <translation>&amp;Wertung: </translation>
    </message>
    <message>
        <source>Elements in a row</source>
        <translation>Elemente pro Reihe</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Fehlerart</translation>
    </message>
    <message>
        <source>The Module library could not be read (%1). No Module was made.</source>
        <translation>Die Modulbibliothek konnte nicht gelesen werden. Es wurde kein Modul angelegt. Grund: %1</translation>
    </message>
    <message>
        <source>Every element answered wrongly begins with a blank, which the Module library loses at the start of a Module. No Module was made.</source>
        <translation>Jedes falsch beantwortete Element beginnt mit einem Leerzeichen, das die Modulbibliothek am Anfang eines Moduls verliert. Es wurde kein Modul angelegt.</translation>
    </message>
    <message>
        <source>Replace the Module &quot;%1&quot; with the mistakes of this run, or add another Module beside it?</source>
        <translation>Das Modul „%1“ durch die Fehler dieses Durchgangs ersetzen oder ein weiteres Modul daneben anlegen?</translation>
    </message>
    <message>
        <source>The Module &quot;%1&quot; holds the one element answered wrongly, twice: a Module to train on needs two elements.</source>
        <translation>Das Modul „%1“ enthält das eine falsch beantwortete Element zweimal: Ein Modul zum Trainieren braucht zwei Elemente.</translation>
    </message>
    <message>
        <source>The Module &quot;%1&quot; holds the %2 elements answered wrongly.</source>
        <translation>Das Modul „%1“ enthält die %2 falsch beantworteten Elemente.</translation>
    </message>
    <message>
        <source> &amp;Row of: </source>
        <translation> &amp;Reihen zu: </translation>
    </message>
    <message>
        <source>Taken: %1.</source>
        <translation>Aufgenommen: %1.</translation>
    </message>
    <message>
        <source>It replaces &quot;%1&quot;.</source>
        <translation>Es ersetzt „%1“.</translation>
    </message>
    <message>
        <source>Training now uses it: Ctrl+T drills them.</source>
        <translation>Es ist jetzt für das Training eingestellt: Mit Strg+T üben Sie diese Fehler.</translation>
    </message>
    <message>
        <source>Choose it for Training in the options.</source>
        <translation>Wählen Sie es in den Optionen für das Training.</translation>
    </message>
    <message>
        <source>It was added to the library, but the options could not be set to train on it: %1</source>
        <translation>Es wurde der Bibliothek hinzugefügt, aber die Optionen konnten nicht auf ein Training damit eingestellt werden: %1</translation>
    </message>
    <message>
        <source>&amp;Half a row for one mistake</source>
        <translation>&amp;Halbe Reihe bei einem Fehler</translation>
    </message>
    <message>
        <source>On: a row with one mistake scores half its elements, rounded up (world championship rules). Off: any mistake scores the row 0 (national rules).</source>
        <translation>Ein: Eine Reihe mit einem Fehler zählt die Hälfte ihrer Elemente, aufgerundet (Regeln der Weltmeisterschaft). Aus: Jeder Fehler wertet die Reihe mit 0 (nationale Regeln).</translation>
    </message>
    <message>
        <source>A s&amp;kipped row ends the scoring</source>
        <translation>Eine ü&amp;bersprungene Reihe beendet die Wertung</translation>
    </message>
    <message>
        <source>On: a row left wholly blank before the last answer ends the scoring. Off: it scores 0 and the rows after it still count.</source>
        <translation>Ein: Eine ganz leer gelassene Reihe vor der letzten Antwort beendet die Wertung. Aus: Sie zählt 0, und die Reihen danach zählen weiter.</translation>
    </message>
    <message>
        <source>Letter &amp;case counts</source>
        <translation>&amp;Groß-/Kleinschreibung zählt</translation>
    </message>
    <message>
        <source>Off: the scoring rules and the kinds of mistake take &quot;apple&quot; for &quot;Apple&quot;. The Koeff and the mark always count letter case.</source>
        <translation>Aus: Die Wertungsregeln und die Fehlerarten nehmen „apple“ für „Apple“. Koeff und Stufe beachten die Groß-/Kleinschreibung immer.</translation>
    </message>
    <message>
        <source>letter case ignored</source>
        <translation>Groß-/Kleinschreibung nicht beachtet</translation>
    </message>
    <message>
        <source>Scores the run by another rule as well; the choice is kept for the next runs</source>
        <translation>Bewertet den Durchgang zusätzlich nach einer anderen Regel; die Wahl gilt auch für die nächsten Durchgänge</translation>
    </message>
    <message>
        <source>How many Elements make one row of the Rows rule</source>
        <translation>Wie viele Elemente eine Reihe der Reihen-Regel bilden</translation>
    </message>
</context>
<context>
    <name>Tfrm_test</name>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>The result could not be saved.
Next tries again; Cancel ends the run without it.</source>
        <translation>Das Ergebnis konnte nicht gespeichert werden.
„Weiter“ versucht es erneut; „Abbrechen“ beendet den Durchgang, ohne zu speichern.</translation>
    </message>
    <message>
        <source>Test is not completed. You are memorizing too slow!</source>
        <translation>Der Test wurde abgebrochen: Sie prägen sich die Elemente zu langsam ein!</translation>
    </message>
    <message>
        <source>No Element shown</source>
        <translation>Kein Element angezeigt</translation>
    </message>
    <message>
        <source>Test is not completed. Too many mistakes!</source>
        <translation>Der Test wurde abgebrochen: zu viele Fehler!</translation>
    </message>
    <message>
        <source>Stop test?</source>
        <translation>Test abbrechen?</translation>
    </message>
    <message>
        <source>Test is not completed. The Elements could not be spoken: %1</source>
        <translation>Der Test wurde abgebrochen, da die Elemente nicht vorgelesen werden konnten: %1</translation>
    </message>
    <message>
        <source>Element %1: %2</source>
        <translation>Element %1: %2</translation>
    </message>
    <message>
        <source>Element: %1</source>
        <translation>Element: %1</translation>
    </message>
    <message>
        <source>Element %1, spoken</source>
        <translation>Element %1, vorgelesen</translation>
    </message>
    <message>
        <source>Answer %1</source>
        <translation>Antwort %1</translation>
    </message>
    <message>
        <source>Your result is %1</source>
        <translation>Ihr Ergebnis: %1</translation>
    </message>
    <message numerus="yes">
        <source>Type the %n digit(s) as one line</source>
        <translation>
            <numerusform>Die %n Ziffer als eine Zeile eingeben</numerusform>
            <numerusform>Die %n Ziffern als eine Zeile eingeben</numerusform>
        </translation>
    </message>
    <message>
        <source>elements</source>
        <translation>Elemente</translation>
    </message>
    <message>
        <source>Waiting for the sound server…</source>
        <translation>Warten auf den Soundserver…</translation>
    </message>
</context>
<context>
    <name>UpDown</name>
    <message>
        <source>Number</source>
        <translation>Zahl</translation>
    </message>
    <message>
        <source>%1 up</source>
        <translation>%1 erhöhen</translation>
    </message>
    <message>
        <source>%1 down</source>
        <translation>%1 verringern</translation>
    </message>
</context>
<context>
    <name>Usage</name>
    <message>
        <source>Starter library for a new user: %1
  when it holds Modules, else the copy the program carries.
</source>
        <translation>Startbibliothek für neue Benutzer: %1
  wenn sie Module enthält, sonst die Kopie, die das Programm mitbringt.
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
        <translation>Aufruf: tenacio [--help | --version]

Tenacio ist ein Trainer zum Einprägen von Listen. Es zeigt die Elemente
eines Moduls nacheinander, stellt ein paar schnelle Rechenaufgaben, lässt
Sie die Elemente der Reihe nach eintippen, wertet den Durchgang aus und
führt die Ergebnisse von Training und Prüfung in einem Verlauf. Mit
anderen Argumenten öffnet es sein Fenster.

  --help     diesen Text zeigen und beenden
  --version  die Version zeigen und beenden

Datenordner: %1
  (config.ini, modules.ini, testres.ini, examres.ini). Neben dem Programm,
  wenn sein Verzeichnis beschreibbar ist, sonst $XDG_DATA_HOME/tenacio/,
  also ~/.local/share/tenacio/, wenn XDG_DATA_HOME nicht gesetzt ist.
%2
Umgebung:
  XDG_DATA_HOME    das Datenverzeichnis des Benutzers (siehe Datenordner)
  HOME             das Home-Verzeichnis des Benutzers
  DISPLAY          die zu öffnende X-Anzeige
  WAYLAND_DISPLAY  die Wayland-Anzeige, wenn keine X-Anzeige erreichbar
                   und das Wayland-Plugin von Qt installiert ist
  XDG_RUNTIME_DIR  der Ordner einer mit Namen angegebenen Wayland-Anzeige
  QT_QPA_PLATFORM  die Plattform von Qt; wenn gesetzt, wird sie so
                   verwendet
  LANGUAGE, LC_ALL, LC_MESSAGES, LANG
                   die Sprache der Texte: Deutsch, Russisch, Französisch,
                   Spanisch oder Englisch

Exit-Status: 0, bei fehlender grafischer Anzeige 2.
</translation>
    </message>
</context>
</TS>
