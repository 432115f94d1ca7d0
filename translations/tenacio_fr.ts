<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Analysis</name>
    <message>
        <source>one place late</source>
        <translation>une place trop tard</translation>
    </message>
    <message>
        <source>one place early</source>
        <translation>une place trop tôt</translation>
    </message>
    <message numerus="yes">
        <source>%n places late</source>
        <translation>
            <numerusform>%n place trop tard</numerusform>
            <numerusform>%n places trop tard</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n places early</source>
        <translation>
            <numerusform>%n place trop tôt</numerusform>
            <numerusform>%n places trop tôt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n after it right but %1</source>
        <translation>
            <numerusform>%n suivant juste, mais %1</numerusform>
            <numerusform>%n suivants justes, mais %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n right but %1</source>
        <translation>
            <numerusform>%n juste, mais %1</numerusform>
            <numerusform>%n justes, mais %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n omitted at %1</source>
        <translation>
            <numerusform>%n omis en position %1</numerusform>
            <numerusform>%n omis aux positions %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n inserted at %1</source>
        <translation>
            <numerusform>%n inséré en position %1</numerusform>
            <numerusform>%n insérés aux positions %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n wrong</source>
        <translation>
            <numerusform>%n faux</numerusform>
            <numerusform>%n faux</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n blank</source>
        <translation>
            <numerusform>%n vide</numerusform>
            <numerusform>%n vides</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n swapped (%1)</source>
        <translation>
            <numerusform>%n paire intervertie (%1)</numerusform>
            <numerusform>%n paires interverties (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>No mistakes</source>
        <translation>Aucune erreur</translation>
    </message>
    <message>
        <source>Right in order: %1 of %2</source>
        <translation>Dans le bon ordre&#xa0;: %1 sur %2</translation>
    </message>
    <message>
        <source>swapped (%1)</source>
        <translation>interverti (%1)</translation>
    </message>
    <message>
        <source>right</source>
        <translation>juste</translation>
    </message>
    <message>
        <source>omitted</source>
        <translation>omis</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>faux</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>pas de réponse</translation>
    </message>
    <message>
        <source>inserted</source>
        <translation>inséré</translation>
    </message>
    <message>
        <source>right but %1</source>
        <translation>juste, mais %1</translation>
    </message>
</context>
<context>
    <name>AnswerSheet</name>
    <message>
        <source>wrong answer</source>
        <translation>réponse fausse</translation>
    </message>
    <message>
        <source> (blanks lost in the file)</source>
        <translation> (espaces perdues dans le fichier)</translation>
    </message>
    <message>
        <source> (another Unicode form)</source>
        <translation> (autre forme Unicode)</translation>
    </message>
    <message>
        <source>wrong: %1 (blanks lost in the file)</source>
        <translation>faux&#xa0;: %1 (espaces perdues dans le fichier)</translation>
    </message>
    <message>
        <source>wrong: blank (no answer)</source>
        <translation>faux&#xa0;: vide (pas de réponse)</translation>
    </message>
    <message>
        <source>wrong: %1 (another Unicode form)</source>
        <translation>faux&#xa0;: %1 (autre forme Unicode)</translation>
    </message>
    <message>
        <source>wrong: %1 (blanks differ)</source>
        <translation>faux&#xa0;: %1 (les espaces diffèrent)</translation>
    </message>
    <message>
        <source>wrong: %1</source>
        <translation>faux&#xa0;: %1</translation>
    </message>
    <message>
        <source>(no answer)</source>
        <translation>(pas de réponse)</translation>
    </message>
</context>
<context>
    <name>ConflictChoice</name>
    <message>
        <source>Merge</source>
        <translation>Fusionner</translation>
    </message>
    <message>
        <source>A sync tool left a second version of %1 in the data folder: %2.

Check what to take from it; the rest stays as it is on this computer. The copy is then renamed %3 and kept.</source>
        <translation>Un outil de synchronisation a laissé une deuxième version de %1 dans le dossier des données&#xa0;: %2.

Cochez ce qu’il faut en reprendre&#xa0;; le reste demeure tel qu’il est sur cet ordinateur. La copie est ensuite renommée %3 et conservée.</translation>
    </message>
    <message>
        <source>Module</source>
        <translation>Module</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Option</translation>
    </message>
    <message>
        <source>On this computer</source>
        <translation>Sur cet ordinateur</translation>
    </message>
    <message>
        <source>In the copy</source>
        <translation>Dans la copie</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucun)</translation>
    </message>
    <message>
        <source>&amp;Merge</source>
        <translation>&amp;Fusionner</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>&amp;Plus tard</translation>
    </message>
</context>
<context>
    <name>Conflicts</name>
    <message>
        <source>Cannot rename &quot;%1&quot;. %2</source>
        <translation>Impossible de renommer «&#xa0;%1&#xa0;». %2</translation>
    </message>
    <message numerus="yes">
        <source>A sync tool left a second version of %1 in the data folder: %2.

Runs in it that the history does not show: %n. Merge them into %1? The copy is then renamed %2.merged and kept.</source>
        <translation>
            <numerusform>Un outil de synchronisation a laissé une deuxième version de %1 dans le dossier des données&#xa0;: %2.

Elle contient %n essai que l’historique ne montre pas. Le fusionner dans %1&#xa0;? La copie est ensuite renommée %2.merged et conservée.</numerusform>
            <numerusform>Un outil de synchronisation a laissé une deuxième version de %1 dans le dossier des données&#xa0;: %2.

Elle contient %n essais que l’historique ne montre pas. Les fusionner dans %1&#xa0;? La copie est ensuite renommée %2.merged et conservée.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Runs merged into %1: %n</source>
        <translation>
            <numerusform>%n essai fusionné dans %1</numerusform>
            <numerusform>%n essais fusionnés dans %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Of them under their name with a number added, as this computer has another run under that name: %n</source>
        <translation>
            <numerusform>dont %n sous son nom suivi d’un numéro, car cet ordinateur a un autre essai de ce nom</numerusform>
            <numerusform>dont %n sous leur nom suivi d’un numéro, car cet ordinateur a un autre essai de ce nom</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Runs that were already there: %n</source>
        <translation>
            <numerusform>%n essai était déjà là</numerusform>
            <numerusform>%n essais étaient déjà là</numerusform>
        </translation>
    </message>
    <message>
        <source>The copy is kept as %1.</source>
        <translation>La copie est conservée sous le nom %1.</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Remplacer</translation>
    </message>
    <message>
        <source>&amp;Add another</source>
        <translation>Ajouter un a&amp;utre</translation>
    </message>
    <message>
        <source>&amp;Add to the end</source>
        <translation>Ajouter à la &amp;fin</translation>
    </message>
    <message>
        <source>&amp;Merge</source>
        <translation>&amp;Fusionner</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>&amp;Plus tard</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmer</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Fusionner</translation>
    </message>
</context>
<context>
    <name>DueToday</name>
    <message>
        <source>&amp;Keep this Module learned</source>
        <translation>&amp;Garder ce module en mémoire</translation>
    </message>
    <message>
        <source>&amp;Retention chart...</source>
        <translation>Courbe de &amp;rétention…</translation>
    </message>
</context>
<context>
    <name>DueTodayView</name>
    <message>
        <source>Due today</source>
        <translation>À revoir aujourd’hui</translation>
    </message>
    <message>
        <source>Module</source>
        <translation>Module</translation>
    </message>
    <message>
        <source>Days overdue</source>
        <translation>Jours de retard</translation>
    </message>
    <message>
        <source>Kept Modules to train today, the oldest due first. Enter starts a Training.</source>
        <translation>Modules gardés en mémoire à revoir aujourd’hui, le plus en retard d’abord. Entrée lance un entraînement.</translation>
    </message>
    <message>
        <source>Train &amp;now</source>
        <translation>&amp;Lancer l’entraînement</translation>
    </message>
    <message>
        <source>Starts a Training on the whole Module chosen in the list</source>
        <translation>Lance un entraînement sur tout le module choisi dans la liste</translation>
    </message>
    <message>
        <source>today</source>
        <translation>aujourd’hui</translation>
    </message>
</context>
<context>
    <name>Exam</name>
    <message>
        <source>Mistakes allowed in an Exam of %1 Elements: %2. Mistake %3 ends it.</source>
        <translation>Erreurs permises dans un examen de %1&#xa0;éléments&#xa0;: %2. L’erreur %3 y met fin.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Impossible d’ouvrir le fichier «&#xa0;%1&#xa0;». %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Impossible de créer le fichier «&#xa0;%1&#xa0;». %2</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>C’est un dossier</translation>
    </message>
    <message>
        <source>Tenacio keeps its data in %1 now: the data folder %2 cannot be written (%3). The history, Modules and options kept there are not shown.</source>
        <translation>Tenacio garde désormais ses données dans %1&#xa0;: le dossier des données %2 n’est pas accessible en écriture (%3). L’historique, les modules et les options qui s’y trouvent ne sont pas affichés.</translation>
    </message>
    <message>
        <source>Cannot create the data folder %1. %2</source>
        <translation>Impossible de créer le dossier des données %1. %2</translation>
    </message>
    <message>
        <source>it does not say which file it was made for (an older version of Tenacio made it).</source>
        <translation>elle n’indique pas pour quel fichier elle a été faite (une version plus ancienne de Tenacio l’a créée).</translation>
    </message>
    <message>
        <source>it was made for another file of that name, such as one a sync tool or a backup brought.</source>
        <translation>elle a été faite pour un autre fichier de ce nom, par exemple apporté par un outil de synchronisation ou une sauvegarde.</translation>
    </message>
    <message>
        <source>The recovery copy %1 was not put back into %2 and is left as it is: %3</source>
        <translation>La copie de récupération %1 n’a pas été remise dans %2 et reste telle quelle&#xa0;: %3</translation>
    </message>
    <message>
        <source>The file is not a regular file.</source>
        <translation>Le fichier n’est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation>Le fichier est en lecture seule.</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
    <message>
        <source>The file holds %1 bytes (%2 MiB); data files of up to %3 MiB are read.</source>
        <translation>Le fichier fait %1&#xa0;octets (%2&#xa0;Mio)&#xa0;; les fichiers de données sont lus jusqu’à %3&#xa0;Mio.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be locked (%2). Another copy of Tenacio writing to it at the same time could undo this one&apos;s changes.</source>
        <translation>Impossible de verrouiller le dossier %1 (%2). Une autre copie de Tenacio qui y écrirait en même temps pourrait annuler les modifications de celle-ci.</translation>
    </message>
    <message>
        <source>The file holds no sections this program can read; it was left as it was</source>
        <translation>Le fichier ne contient aucune section que ce programme sait lire&#xa0;; il a été laissé tel quel</translation>
    </message>
    <message>
        <source>Unable to write to %1. %2</source>
        <translation>Impossible d’écrire dans %1. %2</translation>
    </message>
    <message>
        <source>Another copy of Tenacio is writing to its folder; nothing was changed. Try again in a moment.</source>
        <translation>Une autre copie de Tenacio écrit dans son dossier&#xa0;; rien n’a été modifié. Réessayez dans un instant.</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>Training results</source>
        <translation>Résultats d’entraînement</translation>
    </message>
    <message>
        <source>Exam results</source>
        <translation>Résultats d’examen</translation>
    </message>
    <message>
        <source>Training results – %1</source>
        <translation>Résultats d’entraînement – %1</translation>
    </message>
    <message>
        <source>Exam results – %1</source>
        <translation>Résultats d’examen – %1</translation>
    </message>
</context>
<context>
    <name>Keeping</name>
    <message>
        <source>1 list due today</source>
        <translation>1 liste à revoir aujourd’hui</translation>
    </message>
    <message numerus="yes">
        <source>%n lists due today</source>
        <translation>
            <numerusform>%n liste à revoir aujourd’hui</numerusform>
            <numerusform>%n listes à revoir aujourd’hui</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Launch</name>
    <message>
        <source>The Module library could not be read (%1), so there is no Module to draw the elements from. See to it under Modules in the menu bar.</source>
        <translation>La bibliothèque de modules n’a pas pu être lue (%1)&#xa0;: il n’y a donc aucun module d’où tirer les éléments. Voyez cela sous Modules dans la barre de menus.</translation>
    </message>
    <message>
        <source>There is no Module yet to draw the elements from. Add one under Modules in the menu bar, then choose it under Options.</source>
        <translation>Il n’y a encore aucun module d’où tirer les éléments. Ajoutez-en un sous Modules dans la barre de menus, puis choisissez-le dans les Options.</translation>
    </message>
    <message>
        <source>The Module &quot;%1&quot; no longer exists. Choose another one under Options, or add it again under Modules in the menu bar.</source>
        <translation>Le module «&#xa0;%1&#xa0;» n’existe plus. Choisissez-en un autre dans les Options, ou ajoutez-le de nouveau sous Modules dans la barre de menus.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Trening</source>
        <translation>Entraînement</translation>
    </message>
    <message>
        <source>Checking the voice…</source>
        <translation>Vérification de la voix…</translation>
    </message>
    <message>
        <source>Preparing the voice...</source>
        <translation>Préparation de la voix…</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>Démarrage…</translation>
    </message>
    <message>
        <source>Press OK to start</source>
        <translation>Cliquez sur OK pour commencer</translation>
    </message>
    <message>
        <source>Introductory Test</source>
        <translation>Test d’introduction</translation>
    </message>
    <message>
        <source>Exam</source>
        <translation>Examen</translation>
    </message>
    <message>
        <source>No speech engine is installed</source>
        <translation>Aucun moteur de synthèse vocale n’est installé</translation>
    </message>
    <message>
        <source>The Elements can&apos;t be spoken: %1. Turn &quot;Speak Elements&quot; off in the options to train without the voice.</source>
        <translation>Les éléments ne peuvent pas être lus à voix haute&#xa0;: %1. Désactivez «&#xa0;Lire les éléments à voix haute&#xa0;» dans les options pour vous entraîner sans la voix.</translation>
    </message>
    <message>
        <source>Test is not completed. The Elements could not be spoken: %1</source>
        <translation>Test interrompu. Les éléments n’ont pas pu être lus à voix haute&#xa0;: %1</translation>
    </message>
    <message>
        <source>Ready… go</source>
        <translation>Prêts… partez</translation>
    </message>
</context>
<context>
    <name>Mistakes</name>
    <message numerus="yes">
        <source>%n omitted</source>
        <translation>
            <numerusform>%n omis</numerusform>
            <numerusform>%n omis</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n wrong</source>
        <translation>
            <numerusform>%n faux</numerusform>
            <numerusform>%n faux</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n blank</source>
        <translation>
            <numerusform>%n vide</numerusform>
            <numerusform>%n vides</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n swapped</source>
        <translation>
            <numerusform>%n interverti</numerusform>
            <numerusform>%n intervertis</numerusform>
        </translation>
    </message>
    <message>
        <source>Mistakes %1</source>
        <translation>Erreurs %1</translation>
    </message>
</context>
<context>
    <name>Modules</name>
    <message>
        <source>The Module library already holds a Module named &quot;%1&quot;.</source>
        <translation>La bibliothèque de modules contient déjà un module nommé «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>The Module library can&apos;t keep these Elements as they are; no Module was made.</source>
        <translation>La bibliothèque de modules ne peut pas garder ces éléments tels quels&#xa0;; aucun module n’a été créé.</translation>
    </message>
    <message>
        <source>Two-digit numbers</source>
        <translation>Nombres à deux chiffres</translation>
    </message>
    <message>
        <source>Three-digit numbers</source>
        <translation>Nombres à trois chiffres</translation>
    </message>
    <message>
        <source>Common words</source>
        <translation>Mots courants</translation>
    </message>
    <message>
        <source>Pairs 00–99</source>
        <translation>Paires 00–99</translation>
    </message>
</context>
<context>
    <name>Pattern</name>
    <message>
        <source>Digits 0–9</source>
        <translation>Chiffres 0–9</translation>
    </message>
    <message>
        <source>Pairs 00–99</source>
        <translation>Paires 00–99</translation>
    </message>
    <message>
        <source>Triples 000–999</source>
        <translation>Triplets 000–999</translation>
    </message>
    <message>
        <source>Binary groups of 3 (000–111)</source>
        <translation>Groupes binaires de 3 (000–111)</translation>
    </message>
    <message>
        <source>Cards (A♠–K♣)</source>
        <translation>Cartes (A♠–K♣)</translation>
    </message>
    <message>
        <source>Cards (AS–KC)</source>
        <translation>Cartes (AS–KC)</translation>
    </message>
    <message>
        <source>Years 1000–2099</source>
        <translation>Années 1000–2099</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un nombre entier valide</translation>
    </message>
</context>
<context>
    <name>ResultsStore</name>
    <message>
        <source>Module: %1</source>
        <translation>Module&#xa0;: %1</translation>
    </message>
    <message>
        <source>Module: %1, %2 to %3</source>
        <translation>Module&#xa0;: %1, de %2 à %3</translation>
    </message>
    <message>
        <source>Stored without its Module: no runs to compare with.</source>
        <translation>Enregistré sans son module&#xa0;: aucun essai à comparer.</translation>
    </message>
    <message>
        <source>The only run on this Module.</source>
        <translation>Le seul essai sur ce module.</translation>
    </message>
    <message>
        <source>No earlier run; best run on this Module so far.</source>
        <translation>Aucun essai antérieur&#xa0;; meilleur essai sur ce module à ce jour.</translation>
    </message>
    <message>
        <source>No earlier run; best on this Module %1 (%2).</source>
        <translation>Aucun essai antérieur&#xa0;; meilleur résultat sur ce module&#xa0;: %1 (%2).</translation>
    </message>
    <message>
        <source>Previous run %1 (%2); best run on this Module so far.</source>
        <translation>Essai précédent&#xa0;: %1 (%2)&#xa0;; meilleur essai sur ce module à ce jour.</translation>
    </message>
    <message>
        <source>Previous run %1 (%2); best on this Module %3 (%4).</source>
        <translation>Essai précédent&#xa0;: %1 (%2)&#xa0;; meilleur résultat sur ce module&#xa0;: %3 (%4).</translation>
    </message>
</context>
<context>
    <name>RetentionChart</name>
    <message>
        <source>Retention: %1</source>
        <translation>Rétention&#xa0;: %1</translation>
    </message>
    <message>
        <source>Two runs of &quot;%1&quot; at least are needed to show its retention.</source>
        <translation>Il faut au moins deux essais de «&#xa0;%1&#xa0;» pour montrer sa rétention.</translation>
    </message>
    <message>
        <source>Each point is a run of &quot;%1&quot;: the Elements right in order against the days since the run before it.</source>
        <translation>Chaque point est un essai de «&#xa0;%1&#xa0;»&#xa0;: les éléments dans le bon ordre selon les jours écoulés depuis l’essai précédent.</translation>
    </message>
    <message>
        <source>Days since the previous run</source>
        <translation>Jours depuis l’essai précédent</translation>
    </message>
    <message>
        <source>Right in order (%)</source>
        <translation>Dans le bon ordre (%)</translation>
    </message>
</context>
<context>
    <name>Run</name>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>%1. %2 (no answer)</source>
        <translation>%1. %2 (pas de réponse)</translation>
    </message>
    <message>
        <source>%1. %2 (answered: %3)</source>
        <translation>%1. %2 (réponse&#xa0;: %3)</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>… et %1 de plus</translation>
    </message>
    <message>
        <source>Wrong answers:</source>
        <translation>Réponses fausses&#xa0;:</translation>
    </message>
</context>
<context>
    <name>RunRules</name>
    <message>
        <source>The number of elements must lie between %1 and %2.</source>
        <translation>Le nombre d’éléments doit être compris entre %1 et %2.</translation>
    </message>
    <message>
        <source>The Module has no range of elements to draw from.</source>
        <translation>Le module n’a pas de plage d’où tirer les éléments.</translation>
    </message>
</context>
<context>
    <name>Scoring</name>
    <message>
        <source>Koeff = right ÷ 5</source>
        <translation>Koeff = justes ÷ 5</translation>
    </message>
    <message>
        <source>Koeff = (Elements + right − seconds ÷ 6) ÷ 5</source>
        <translation>Koeff = (éléments + justes − secondes ÷ 6) ÷ 5</translation>
    </message>
    <message>
        <source>Koeff, the score of a run: the Elements asked plus the right answers, less one for every six seconds, divided by 5; so six seconds cost as much as a wrong answer. Higher is better. The Introductory Test&apos;s Koeff is its right answers divided by 5.</source>
        <translation>Koeff, la valeur d’un essai&#xa0;: les éléments demandés plus les réponses justes, moins un pour chaque tranche de six secondes, le tout divisé par 5&#xa0;; six secondes coûtent donc autant qu’une réponse fausse. Plus il est élevé, mieux c’est. Au Test d’introduction, le Koeff est le nombre de réponses justes divisé par 5.</translation>
    </message>
    <message>
        <source>%1 (&lt;1 in 10 wrong)</source>
        <translation>%1 (&lt;1 faute sur 10)</translation>
    </message>
    <message>
        <source>Marks: %1
%2</source>
        <translation>Niveaux&#xa0;: %1
%2</translation>
    </message>
    <message>
        <source>from %1, %2</source>
        <translation>dès %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>A Koeff below %1 gives the mark %2; %3 when fewer than one answer in ten is wrong, else 5.</source>
        <translation>Un Koeff inférieur à %1 donne le niveau %2&#xa0;; %3 si moins d’une réponse sur dix est fausse, sinon 5.</translation>
    </message>
    <message>
        <source>%1  Average time for each number: %2 sec.</source>
        <translation>%1, en moyenne %2&#xa0;s par élément</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Maître</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>The Timer (MilliSec) stored in config.ini, %1, is beyond what the options can set; %2 is used instead.</source>
        <translation>La durée d’affichage (Timer, en millisecondes) enregistrée dans config.ini, %1, dépasse ce que les options peuvent régler&#xa0;; %2 est utilisée à la place.</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>the sound server can&apos;t be reached (%1)</source>
        <translation>le serveur de son est injoignable (%1)</translation>
    </message>
    <message>
        <source>the sound server failed (%1)</source>
        <translation>le serveur de son a échoué (%1)</translation>
    </message>
    <message>
        <source>the voice &quot;%1&quot; is not installed</source>
        <translation>la voix «&#xa0;%1&#xa0;» n’est pas installée</translation>
    </message>
    <message>
        <source>no voice for the language &quot;%1&quot; is installed</source>
        <translation>aucune voix n’est installée pour la langue «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>the eSpeak NG voices could not be loaded</source>
        <translation>les voix d’eSpeak NG n’ont pas pu être chargées</translation>
    </message>
    <message>
        <source>no eSpeak NG voice is installed</source>
        <translation>aucune voix d’eSpeak NG n’est installée</translation>
    </message>
    <message>
        <source>the sound server does not answer</source>
        <translation>le serveur de son ne répond pas</translation>
    </message>
    <message>
        <source>the sound server stopped playing</source>
        <translation>le serveur de son a cessé la lecture</translation>
    </message>
    <message>
        <source>the voice gave no sound for &quot;%1&quot;</source>
        <translation>la voix n’a produit aucun son pour «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>the sound server can&apos;t be reached</source>
        <translation>le serveur de son est injoignable</translation>
    </message>
    <message>
        <source>part of the sound was not heard: the machine was too busy to play it whole</source>
        <translation>une partie du son n’a pas été entendue&#xa0;: la machine était trop occupée pour le jouer en entier</translation>
    </message>
    <message>
        <source>The voice variant &quot;%1&quot; is not installed; the voice reads without it.</source>
        <translation>La variante de voix «&#xa0;%1&#xa0;» n’est pas installée&#xa0;; la voix lit sans elle.</translation>
    </message>
    <message>
        <source>The MBROLA voice &quot;%1&quot; is not installed; the default voice of its language reads instead.</source>
        <translation>La voix MBROLA «&#xa0;%1&#xa0;» n’est pas installée&#xa0;; la voix par défaut de sa langue lit à sa place.</translation>
    </message>
    <message>
        <source>male %1</source>
        <translation>homme %1</translation>
    </message>
    <message>
        <source>female %1</source>
        <translation>femme %1</translation>
    </message>
    <message>
        <source>Klatt %1</source>
        <translation>Klatt %1</translation>
    </message>
    <message>
        <source>whispering</source>
        <translation>chuchotée</translation>
    </message>
    <message>
        <source>female, whispering</source>
        <translation>femme, chuchotée</translation>
    </message>
    <message>
        <source>croaking</source>
        <translation>rauque</translation>
    </message>
    <message>
        <source>The MBROLA voice &quot;%1&quot; can&apos;t speak; the default voice of its language reads instead.</source>
        <translation>La voix MBROLA «&#xa0;%1&#xa0;» ne peut pas parler&#xa0;; la voix par défaut de sa langue lit à sa place.</translation>
    </message>
</context>
<context>
    <name>SportScoring</name>
    <message>
        <source>Koeff and mark</source>
        <translation>Koeff et niveau</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Lignes</translation>
    </message>
    <message>
        <source>Until the first mistake</source>
        <translation>Jusqu’à la première erreur</translation>
    </message>
    <message>
        <source>Right answers</source>
        <translation>Réponses justes</translation>
    </message>
    <message>
        <source>%1 in row %2 (%3–%4)</source>
        <translation>%1 en ligne %2 (%3–%4)</translation>
    </message>
    <message>
        <source>Rows of %1: %2 of %3</source>
        <translation>Lignes de %1&#xa0;: %2 sur %3</translation>
    </message>
    <message>
        <source>Rows of %1: %2 of %3; lost %4</source>
        <translation>Lignes de %1&#xa0;: %2 sur %3&#xa0;; perdus&#xa0;: %4</translation>
    </message>
    <message>
        <source>row %1 left blank ends the scoring</source>
        <translation>la ligne %1 laissée vide arrête le décompte</translation>
    </message>
    <message>
        <source>Until the first mistake: %1 of %2</source>
        <translation>Jusqu’à la première erreur&#xa0;: %1 sur %2</translation>
    </message>
    <message>
        <source>Right answers: %1 of %2</source>
        <translation>Réponses justes&#xa0;: %1 sur %2</translation>
    </message>
</context>
<context>
    <name>Tfrm_exe</name>
    <message>
        <source>Do exercises</source>
        <translation>Calculs</translation>
    </message>
    <message>
        <source>Sum %1</source>
        <translation>Calcul %1</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>solved</source>
        <translation>résolu</translation>
    </message>
    <message>
        <source>not solved yet</source>
        <translation>pas encore résolu</translation>
    </message>
    <message>
        <source>Sum %1: </source>
        <translation>Calcul %1&#xa0;: </translation>
    </message>
    <message>
        <source>Stop test?</source>
        <translation>Arrêter le test&#xa0;?</translation>
    </message>
    <message>
        <source>You need to finish exercises!</source>
        <translation>Vous devez d’abord terminer les calculs&#xa0;!</translation>
    </message>
</context>
<context>
    <name>Tfrm_guide</name>
    <message>
        <source>Tenacio user guide</source>
        <translation>Guide de l’utilisateur de Tenacio</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>Guide de l’utilisateur</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>Tfrm_help</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Help is available here - %1</source>
        <translation>L’aide se trouve ici&#xa0;: %1</translation>
    </message>
    <message>
        <source>Your data is kept in %1</source>
        <translation>Vos données sont conservées dans %1</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>Tfrm_main</name>
    <message>
        <source>All Modules</source>
        <translation>Tous les modules</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Modules</source>
        <translation>&amp;Modules</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Test</translation>
    </message>
    <message>
        <source>&amp;Introductory Test</source>
        <translation>Test d’&amp;introduction</translation>
    </message>
    <message>
        <source>T&amp;raining</source>
        <translation>&amp;Entraînement</translation>
    </message>
    <message>
        <source>&amp;Exam</source>
        <translation>E&amp;xamen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;User guide</source>
        <translation>&amp;Guide de l’utilisateur</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Test&amp;s</source>
        <translation>E&amp;ntraînements</translation>
    </message>
    <message>
        <source>Results history</source>
        <translation>Historique des résultats</translation>
    </message>
    <message>
        <source>Stored runs, newest first. Enter reopens the selected run, Delete erases it.</source>
        <translation>Essais enregistrés, les plus récents en premier. Entrée rouvre l’essai choisi, Suppr l’efface.</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Delete &amp;All</source>
        <translation>Supprimer to&amp;ut</translation>
    </message>
    <message>
        <source>Headings of the results history</source>
        <translation>En-têtes de l’historique des résultats</translation>
    </message>
    <message>
        <source>Module shown</source>
        <translation>Module affiché</translation>
    </message>
    <message>
        <source>The history lists and charts the runs of this Module</source>
        <translation>L’historique liste les essais de ce module et les montre en graphique</translation>
    </message>
    <message>
        <source>Mod&amp;ule:</source>
        <translation>Mo&amp;dule&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exporter…</translation>
    </message>
    <message>
        <source>Saves the runs of the Module shown as a CSV file</source>
        <translation>Enregistre les essais du module affiché dans un fichier CSV</translation>
    </message>
    <message>
        <source>By &amp;position</source>
        <translation>Par &amp;position</translation>
    </message>
    <message>
        <source>Right by position</source>
        <translation>Justes par position</translation>
    </message>
    <message>
        <source>The chart shows the share of right answers at each position of the Module shown, instead of the Koeff of each run</source>
        <translation>Le graphique montre la part de réponses justes à chaque position du module affiché, au lieu du Koeff de chaque essai</translation>
    </message>
    <message>
        <source>Right by position: the share of right answers at each position</source>
        <translation>Justes par position&#xa0;: la part de réponses justes à chaque position</translation>
    </message>
    <message>
        <source>Chart of the listed results</source>
        <translation>Graphique des résultats listés</translation>
    </message>
    <message>
        <source>DateTime</source>
        <translation>Date et heure</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Exam&amp;s</source>
        <translation>E&amp;xamens</translation>
    </message>
    <message>
        <source>Training results listed; press to list Exam results</source>
        <translation>Résultats d’entraînement listés&#xa0;; appuyez pour lister les résultats d’examen</translation>
    </message>
    <message>
        <source>Exam results listed; press to list Training results</source>
        <translation>Résultats d’examen listés&#xa0;; appuyez pour lister les résultats d’entraînement</translation>
    </message>
    <message>
        <source>Chart of right answers by position, in percent</source>
        <translation>Graphique des réponses justes par position, en pourcentage</translation>
    </message>
    <message>
        <source>Training results</source>
        <translation>Résultats d’entraînement</translation>
    </message>
    <message>
        <source>Exam results</source>
        <translation>Résultats d’examen</translation>
    </message>
    <message>
        <source>No Training results yet.

To make the first entry, choose Test › Training (Ctrl+T).</source>
        <translation>Pas encore de résultats d’entraînement.

Pour une première entrée, choisissez Test › Entraînement (Ctrl+T).</translation>
    </message>
    <message>
        <source>No Exam results yet.

Start with a Training: choose Test › Training (Ctrl+T). Once a Module is learnt, Test › Exam (Ctrl+E) puts a first entry here.</source>
        <translation>Pas encore de résultats d’examen.

Commencez par un entraînement&#xa0;: choisissez Test › Entraînement (Ctrl+T). Quand un module sera appris, Test › Examen (Ctrl+E) inscrira ici une première entrée.</translation>
    </message>
    <message>
        <source>Mark 5</source>
        <translation>Niveau 5</translation>
    </message>
    <message>
        <source>Mark 4</source>
        <translation>Niveau 4</translation>
    </message>
    <message>
        <source>Mark 3</source>
        <translation>Niveau 3</translation>
    </message>
    <message>
        <source>Mark 2 or lower</source>
        <translation>Niveau 2 ou moins</translation>
    </message>
    <message>
        <source>No mark</source>
        <translation>Sans niveau</translation>
    </message>
    <message>
        <source>Right answers, in percent</source>
        <translation>Réponses justes, en pourcentage</translation>
    </message>
    <message>
        <source>CSV file (*.csv)|*.csv|Any File (*.*)|*.*</source>
        <translation>Fichier CSV (*.csv)|*.csv|Tous les fichiers (*.*)|*.*</translation>
    </message>
    <message>
        <source>Replace %1?</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» existe déjà. Le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Impossible d’ouvrir le fichier «&#xa0;%1&#xa0;». %2</translation>
    </message>
    <message>
        <source>Delete %1?</source>
        <translation>Supprimer l’essai du %1&#xa0;?</translation>
    </message>
    <message>
        <source>Delete All?</source>
        <translation>Supprimer tous les essais affichés&#xa0;?</translation>
    </message>
    <message>
        <source>The run %1 is no longer in %2. The list now shows what the file holds.</source>
        <translation>L’essai %1 n’est plus dans %2. La liste montre maintenant ce que contient le fichier.</translation>
    </message>
    <message>
        <source>1 run exported to %1</source>
        <translation>1 essai exporté vers %1</translation>
    </message>
    <message numerus="yes">
        <source>%n runs exported to %1</source>
        <translation>
            <numerusform>%n essai exporté vers %1</numerusform>
            <numerusform>%n essais exportés vers %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Tfrm_modules</name>
    <message>
        <source>Modules</source>
        <translation>Modules</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Module name</source>
        <translation>&amp;Nom du module</translation>
    </message>
    <message>
        <source>Module name</source>
        <translation>Nom du module</translation>
    </message>
    <message>
        <source>Add Module</source>
        <translation>Ajouter un module</translation>
    </message>
    <message>
        <source>Add Module (Alt++)</source>
        <translation>Ajouter un module (Alt++)</translation>
    </message>
    <message>
        <source>Delete Module</source>
        <translation>Supprimer le module</translation>
    </message>
    <message>
        <source>Delete Module (Alt+-)</source>
        <translation>Supprimer le module (Alt+-)</translation>
    </message>
    <message>
        <source>Elements</source>
        <translation>Éléments</translation>
    </message>
    <message>
        <source>The Elements of the Module, one per line</source>
        <translation>Les éléments du module, un par ligne</translation>
    </message>
    <message>
        <source>&amp;Load...</source>
        <translation>&amp;Charger…</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Enregistrer…</translation>
    </message>
    <message>
        <source>New from a &amp;pattern...</source>
        <translation>Nouveau d’après un &amp;modèle…</translation>
    </message>
    <message>
        <source>The Element &quot;%1&quot; on line %2 holds a comma. The Module library separates Elements by commas, so it would become several Elements. Write it without a comma (3.14, Washington D.C.); nothing was stored.</source>
        <translation>L’élément «&#xa0;%1&#xa0;» de la ligne %2 contient une virgule. La bibliothèque de modules sépare les éléments par des virgules&#xa0;: il deviendrait plusieurs éléments. Écrivez-le sans virgule (3.14, Washington D.C.)&#xa0;; rien n’a été enregistré.</translation>
    </message>
    <message>
        <source>The Module library %1 is not a file this program can read: it holds no Modules. It is shown empty and left as it is; OK will not write over it.</source>
        <translation>La bibliothèque de modules %1 n’est pas un fichier que ce programme sait lire&#xa0;: elle ne contient aucun module. Elle est affichée vide et laissée telle quelle&#xa0;; OK ne l’écrasera pas.</translation>
    </message>
    <message>
        <source>The name is empty. Type a name for the new Module.</source>
        <translation>Le nom est vide. Saisissez un nom pour le nouveau module.</translation>
    </message>
    <message>
        <source>Name already exists !</source>
        <translation>Ce nom existe déjà&#xa0;!</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 … %3 (%n elements)</source>
        <translation>
            <numerusform>%1&#xa0;: %2 … %3 (%n élément)</numerusform>
            <numerusform>%1&#xa0;: %2 … %3 (%n éléments)</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete %1?</source>
        <translation>Supprimer le module «&#xa0;%1&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <source>The Module &quot;%1&quot; has Elements. Replace them with the lines of the file, or add the lines after them?</source>
        <translation>Le module «&#xa0;%1&#xa0;» contient des éléments. Les remplacer par les lignes du fichier, ou ajouter les lignes à leur suite&#xa0;?</translation>
    </message>
    <message>
        <source>The Module &quot;%1&quot; was also changed in the library file since this editor opened. Keep your version? Cancel keeps the file&apos;s.</source>
        <translation>Le module «&#xa0;%1&#xa0;» a aussi été modifié dans le fichier de la bibliothèque depuis l’ouverture de cet éditeur. Garder votre version&#xa0;? Annuler garde celle du fichier.</translation>
    </message>
    <message>
        <source>&amp;Keep this Module learned</source>
        <translation>&amp;Garder ce module en mémoire</translation>
    </message>
    <message>
        <source>Lists the Module under Due today when it is time to train it again</source>
        <translation>Fait figurer le module sous «&#xa0;À revoir aujourd’hui&#xa0;» quand il est temps de l’entraîner à nouveau</translation>
    </message>
    <message>
        <source>Train it as a se&amp;quence, in order</source>
        <translation>L’entraîner comme une &amp;suite, dans l’ordre</translation>
    </message>
</context>
<context>
    <name>Tfrm_name</name>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>&amp;Module name</source>
        <translation>&amp;Nom du module</translation>
    </message>
    <message>
        <source>Module name</source>
        <translation>Nom du module</translation>
    </message>
    <message>
        <source>&amp;Pattern</source>
        <translation>&amp;Modèle</translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>New from a pattern</source>
        <translation>Nouveau d’après un modèle</translation>
    </message>
</context>
<context>
    <name>Tfrm_options</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Option pages</source>
        <translation>Pages des options</translation>
    </message>
    <message>
        <source>&amp;Training</source>
        <translation>&amp;Entraînement</translation>
    </message>
    <message>
        <source>&amp;Exam</source>
        <translation>E&amp;xamen</translation>
    </message>
    <message>
        <source>&amp;Do exercises</source>
        <translation>Faire des &amp;calculs</translation>
    </message>
    <message>
        <source>&amp;Unlimited time</source>
        <translation>&amp;Temps illimité</translation>
    </message>
    <message>
        <source>&amp;Show serial number</source>
        <translation>Affic&amp;her le numéro</translation>
    </message>
    <message>
        <source>S&amp;peak Elements</source>
        <translation>&amp;Lire les éléments à voix haute</translation>
    </message>
    <message>
        <source>&amp;Hide Elements while speaking</source>
        <translation>Ma&amp;squer les éléments pendant la lecture</translation>
    </message>
    <message>
        <source>Read num&amp;bers digit by digit</source>
        <translation>Lire les nom&amp;bres chiffre par chiffre</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Speech rate</source>
        <translation>Vitesse de la voix</translation>
    </message>
    <message>
        <source>How a Training draws its Elements:</source>
        <translation>Comment un entraînement tire ses éléments&#xa0;:</translation>
    </message>
    <message>
        <source>At random</source>
        <translation>Au hasard</translation>
    </message>
    <message>
        <source>Shuffled, no repeats</source>
        <translation>Mélangés, sans répétition</translation>
    </message>
    <message>
        <source>In order</source>
        <translation>Dans l’ordre</translation>
    </message>
    <message>
        <source>At random: each Element drawn on its own, so some come again and others not at all.
Shuffled, no repeats: every Element of the range once, in a shuffled order; a larger number of elements deals the range again, shuffled anew.
In order: the range as written, from its start; a larger number of elements goes on from the start again.</source>
        <translation>Au hasard&#xa0;: chaque élément est tiré indépendamment, si bien que certains reviennent et d’autres jamais.
Mélangés, sans répétition&#xa0;: chaque élément de la plage une fois, dans un ordre mélangé&#xa0;; un nombre d’éléments plus grand redistribue la plage, mélangée à nouveau.
Dans l’ordre&#xa0;: la plage telle qu’elle est écrite, depuis son début&#xa0;; un nombre d’éléments plus grand reprend au début.</translation>
    </message>
    <message>
        <source>How an Exam draws its Elements:</source>
        <translation>Comment un examen tire ses éléments&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Number of elements</source>
        <translation>&amp;Nombre d’éléments</translation>
    </message>
    <message>
        <source>&amp;Module</source>
        <translation>&amp;Module</translation>
    </message>
    <message>
        <source>&amp;Range  from</source>
        <translation>&amp;Plage  de</translation>
    </message>
    <message>
        <source>to</source>
        <translation>à</translation>
    </message>
    <message>
        <source>Dra&amp;w</source>
        <translation>Ti&amp;rage</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Tirage</translation>
    </message>
    <message>
        <source>Number of elements</source>
        <translation>Nombre d’éléments</translation>
    </message>
    <message>
        <source>Module</source>
        <translation>Module</translation>
    </message>
    <message>
        <source>Range from</source>
        <translation>Plage, début</translation>
    </message>
    <message>
        <source>Range to</source>
        <translation>Plage, fin</translation>
    </message>
    <message>
        <source>T&amp;imer (MilliSec)</source>
        <translation>&amp;Durée (ms)</translation>
    </message>
    <message>
        <source>Timer (MilliSec)</source>
        <translation>Durée d’affichage (ms)</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Durée d’affichage</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>Lan&amp;gue</translation>
    </message>
    <message>
        <source>R&amp;ate</source>
        <translation>&amp;Vitesse</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>How many Elements a Training shows</source>
        <translation>Combien d’éléments un entraînement montre</translation>
    </message>
    <message>
        <source>The Module whose Elements a Training draws</source>
        <translation>Le module d’où un entraînement tire ses éléments</translation>
    </message>
    <message>
        <source>The first Element of the range a Training draws from</source>
        <translation>Le premier élément de la plage d’où tire un entraînement</translation>
    </message>
    <message>
        <source>The last Element of the range a Training draws from</source>
        <translation>Le dernier élément de la plage d’où tire un entraînement</translation>
    </message>
    <message>
        <source>How long each Element stays on screen, in milliseconds</source>
        <translation>Combien de temps chaque élément reste à l’écran, en millisecondes</translation>
    </message>
    <message>
        <source>Set five quick sums between showing the Elements and typing them back</source>
        <translation>Poser cinq calculs rapides entre l’affichage des éléments et leur saisie</translation>
    </message>
    <message>
        <source>Each Element stays until you press Next (20 seconds at most), whatever the Timer says</source>
        <translation>Chaque élément reste jusqu’à ce que vous appuyiez sur Suivant (20&#xa0;secondes au plus), quelle que soit la durée d’affichage</translation>
    </message>
    <message>
        <source>Show the counter (&quot;3 of 20&quot;) while the Elements are shown</source>
        <translation>Afficher le compteur («&#xa0;3 sur 20&#xa0;») pendant l’affichage des éléments</translation>
    </message>
    <message>
        <source>Read each Element aloud as it is shown</source>
        <translation>Lire chaque élément à voix haute au moment où il s’affiche</translation>
    </message>
    <message>
        <source>While the Elements are spoken, show only the counter, not the Element</source>
        <translation>Pendant la lecture des éléments, n’afficher que le compteur, pas l’élément</translation>
    </message>
    <message>
        <source>Read 1671 as &quot;one six seven one&quot; instead of as one number</source>
        <translation>Lire 1671 «&#xa0;un six sept un&#xa0;» au lieu d’un seul nombre</translation>
    </message>
    <message>
        <source>The language of the voice that reads the Elements</source>
        <translation>La langue de la voix qui lit les éléments</translation>
    </message>
    <message>
        <source>How fast the voice reads</source>
        <translation>La vitesse à laquelle la voix lit</translation>
    </message>
    <message>
        <source>How many Elements an Exam shows; a tenth of them may be answered wrongly</source>
        <translation>Combien d’éléments un examen montre&#xa0;; un dixième d’entre eux peut être mal restitué</translation>
    </message>
    <message>
        <source>The Module whose Elements an Exam draws</source>
        <translation>Le module d’où un examen tire ses éléments</translation>
    </message>
    <message>
        <source>The first Element of the range an Exam draws from</source>
        <translation>Le premier élément de la plage d’où tire un examen</translation>
    </message>
    <message>
        <source>The last Element of the range an Exam draws from</source>
        <translation>Le dernier élément de la plage d’où tire un examen</translation>
    </message>
    <message>
        <source>An Exam allows mistakes in a tenth of its Elements; one more ends it.</source>
        <translation>Un examen permet des erreurs sur un dixième de ses éléments&#xa0;; une de plus y met fin.</translation>
    </message>
    <message>
        <source>The Module library could not be read (%1). The Module and range choices stored in the options are kept.</source>
        <translation>La bibliothèque de modules n’a pas pu être lue (%1). Les choix de module et de plage enregistrés dans les options sont conservés.</translation>
    </message>
    <message>
        <source>No speech engine is installed</source>
        <translation>Aucun moteur de synthèse vocale n’est installé</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Automatique (selon l’écriture)</translation>
    </message>
    <message>
        <source>Checking the voice…</source>
        <translation>Vérification de la voix…</translation>
    </message>
    <message>
        <source>Speech is not available: %1.</source>
        <translation>La synthèse vocale n’est pas disponible&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The Training Module stored in config.ini, &quot;%1&quot;, is not in the library; &quot;%2&quot; is used instead.</source>
        <translation>Le module d’entraînement enregistré dans config.ini, «&#xa0;%1&#xa0;», n’est pas dans la bibliothèque&#xa0;; «&#xa0;%2&#xa0;» est utilisé à la place.</translation>
    </message>
    <message>
        <source>The Exam Module stored in config.ini, &quot;%1&quot;, is not in the library; &quot;%2&quot; is used instead.</source>
        <translation>Le module d’examen enregistré dans config.ini, «&#xa0;%1&#xa0;», n’est pas dans la bibliothèque&#xa0;; «&#xa0;%2&#xa0;» est utilisé à la place.</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1&#xa0;s</translation>
    </message>
    <message>
        <source>Pause between Elements</source>
        <translation>Pause entre les éléments</translation>
    </message>
    <message>
        <source>Spo&amp;ken numbers, as in competitions</source>
        <translation>Chi&amp;ffres énoncés, comme en compétition</translation>
    </message>
    <message numerus="yes">
        <source>%n digit(s)</source>
        <translation>
            <numerusform>%n chiffre</numerusform>
            <numerusform>%n chiffres</numerusform>
        </translation>
    </message>
    <message>
        <source>Trial length</source>
        <translation>Taille de l’épreuve</translation>
    </message>
    <message>
        <source>Pause a&amp;fter each</source>
        <translation>Pa&amp;use après chacun</translation>
    </message>
    <message>
        <source>Trial len&amp;gth</source>
        <translation>Ta&amp;ille de l’épreuve</translation>
    </message>
    <message>
        <source>The digits are spoken one on each Timer&apos;s time and heard once, with nothing on screen; they are typed back as one line and scored until the first mistake. After &quot;Stop test?&quot; the digits go on five back</source>
        <translation>Les chiffres sont énoncés un par durée d’affichage et entendus une seule fois, sans rien à l’écran&#xa0;; on les retape en une seule ligne, comptés jusqu’à la première erreur. Après «&#xa0;Arrêter le test&#xa0;?&#xa0;» les chiffres reprennent cinq en arrière</translation>
    </message>
    <message>
        <source>The number of digits of a trial in competitions; sets the number of elements</source>
        <translation>Le nombre de chiffres d’une épreuve en compétition&#xa0;; fixe le nombre d’éléments</translation>
    </message>
    <message>
        <source>The least silence between two spoken Elements, so that where the voice takes longer than the Timer the Elements do not run together</source>
        <translation>Le silence minimal entre deux éléments énoncés, pour qu’ils ne se confondent pas là où la voix dure plus que la durée d’affichage</translation>
    </message>
    <message>
        <source>Very slow</source>
        <translation>Très lent</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lent</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rapide</translation>
    </message>
    <message>
        <source>Very fast</source>
        <translation>Très rapide</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a whole number. Type the number in digits.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un nombre entier. Tapez le nombre en chiffres.</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>Kept when right in order &amp;at least</source>
        <translation>Acq&amp;uis si justes dans l’ordre au moins</translation>
    </message>
    <message>
        <source>Kept when right in order at least</source>
        <translation>Acquis si justes dans l’ordre au moins</translation>
    </message>
    <message>
        <source>A kept Module&apos;s run holds when at least this share of its Elements is right in order: a run that holds climbs the ladder of 1, 3, 7, 14, 30, 60 and 120 days, one that does not goes back to 1 day</source>
        <translation>Un essai d’un module gardé en mémoire réussit quand au moins cette part de ses éléments est juste dans l’ordre : un essai réussi monte d’un échelon sur l’échelle de 1, 3, 7, 14, 30, 60 et 120 jours, un autre revient à 1 jour</translation>
    </message>
    <message>
        <source>The keep threshold stored in config.ini, %1, is not a whole number from 1 to 100; %2 % is used instead.</source>
        <translation>Le seuil enregistré dans config.ini pour garder un module en mémoire, %1, n’est pas un nombre entier de 1 à 100 ; %2 % est utilisé à la place.</translation>
    </message>
    <message numerus="yes">
        <source>Longest Element: %n digit(s) ≈ %1 s spoken + %2 s pause, longer than the Timer (%3 s): the run will go at about %4 s an Element</source>
        <translation>
            <numerusform>Élément le plus long&#xa0;: %n chiffre ≈ %1&#xa0;s de lecture + %2&#xa0;s de pause, plus que la durée d’affichage (%3&#xa0;s)&#xa0;: la série avancera à environ %4&#xa0;s par élément</numerusform>
            <numerusform>Élément le plus long&#xa0;: %n chiffres ≈ %1&#xa0;s de lecture + %2&#xa0;s de pause, plus que la durée d’affichage (%3&#xa0;s)&#xa0;: la série avancera à environ %4&#xa0;s par élément</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Longest Element: %n digit(s) ≈ %1 s spoken + %2 s pause, within the Timer (%3 s): the run keeps its pace</source>
        <translation>
            <numerusform>Élément le plus long&#xa0;: %n chiffre ≈ %1&#xa0;s de lecture + %2&#xa0;s de pause, dans la durée d’affichage (%3&#xa0;s)&#xa0;: la série garde son rythme</numerusform>
            <numerusform>Élément le plus long&#xa0;: %n chiffres ≈ %1&#xa0;s de lecture + %2&#xa0;s de pause, dans la durée d’affichage (%3&#xa0;s)&#xa0;: la série garde son rythme</numerusform>
        </translation>
    </message>
    <message>
        <source>System default: %1</source>
        <translation>Automatique (selon l’écriture)&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>Tfrm_results</name>
    <message>
        <source>Report</source>
        <translation>Bilan</translation>
    </message>
    <message>
        <source>Koeff</source>
        <translation>Koeff</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Column headings</source>
        <translation>En-têtes des colonnes</translation>
    </message>
    <message>
        <source>Answer sheet</source>
        <translation>Feuille de réponses</translation>
    </message>
    <message>
        <source>Number, Text, Answer and kind of mistake of each element</source>
        <translation>Numéro, texte, réponse et type d’erreur de chaque élément</translation>
    </message>
    <message>
        <source>Number of elements: </source>
        <translation>Nombre d’éléments&#xa0;: </translation>
    </message>
    <message>
        <source>Total time: </source>
        <translation>Temps total&#xa0;: </translation>
    </message>
    <message>
        <source>Correct answers: </source>
        <translation>Réponses justes&#xa0;: </translation>
    </message>
    <message>
        <source>Mistakes: </source>
        <translation>Erreurs&#xa0;: </translation>
    </message>
    <message>
        <source>Koeff: </source>
        <translation>Koeff&#xa0;: </translation>
    </message>
    <message>
        <source>Mark: </source>
        <translation>Niveau&#xa0;: </translation>
    </message>
    <message>
        <source>Key to Koeff and the marks</source>
        <translation>Explication du Koeff et des niveaux</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Drill mistakes</source>
        <translation>&amp;Réviser les erreurs</translation>
    </message>
    <message>
        <source>Makes a Module of the elements answered wrongly and sets Training to it</source>
        <translation>Crée un module des éléments mal restitués et y règle l’entraînement</translation>
    </message>
    <message>
        <source>Scoring</source>
        <translation>Barème</translation>
    </message>
    <message>
        <source>&amp;Scoring: </source>
        <translation>&amp;Barème&#xa0;: </translation>
    </message>
    <message>
        <source>Elements in a row</source>
        <translation>Éléments par ligne</translation>
    </message>
    <message>
        <source> &amp;Row of: </source>
        <translation> &amp;Lignes de&#xa0;: </translation>
    </message>
    <message>
        <source>Scores the run by another rule as well; the choice is kept for the next runs</source>
        <translation>Évalue aussi l’essai selon une autre règle&#xa0;; le choix est gardé pour les essais suivants</translation>
    </message>
    <message>
        <source>How many Elements make one row of the Rows rule</source>
        <translation>Combien d’éléments forment une ligne de la règle Lignes</translation>
    </message>
    <message>
        <source>&amp;Half a row for one mistake</source>
        <translation>&amp;Demi-ligne pour une erreur</translation>
    </message>
    <message>
        <source>On: a row with one mistake scores half its elements, rounded up (world championship rules). Off: any mistake scores the row 0 (national rules).</source>
        <translation>Activé&#xa0;: une ligne avec une erreur compte la moitié de ses éléments, arrondie à l’entier supérieur (règles du championnat du monde). Désactivé&#xa0;: toute erreur donne 0 à la ligne (règles nationales).</translation>
    </message>
    <message>
        <source>A s&amp;kipped row ends the scoring</source>
        <translation>Une ligne &amp;sautée arrête le décompte</translation>
    </message>
    <message>
        <source>On: a row left wholly blank before the last answer ends the scoring. Off: it scores 0 and the rows after it still count.</source>
        <translation>Activé&#xa0;: une ligne laissée entièrement vide avant la dernière réponse arrête le décompte. Désactivé&#xa0;: elle compte 0 et les lignes suivantes comptent toujours.</translation>
    </message>
    <message>
        <source>Letter &amp;case counts</source>
        <translation>Respecter la &amp;casse</translation>
    </message>
    <message>
        <source>Off: the scoring rules and the kinds of mistake take &quot;apple&quot; for &quot;Apple&quot;. The Koeff and the mark always count letter case.</source>
        <translation>Désactivé&#xa0;: les règles de barème et les types d’erreur prennent «&#xa0;apple&#xa0;» pour «&#xa0;Apple&#xa0;». Le Koeff et le niveau tiennent toujours compte de la casse.</translation>
    </message>
    <message>
        <source>letter case ignored</source>
        <translation>casse ignorée</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numéro</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Réponse</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Type d’erreur</translation>
    </message>
    <message>
        <source>The Module library could not be read (%1). No Module was made.</source>
        <translation>La bibliothèque de modules n’a pas pu être lue (%1). Aucun module n’a été créé.</translation>
    </message>
    <message>
        <source>Every element answered wrongly begins with a blank, which the Module library loses at the start of a Module. No Module was made.</source>
        <translation>Chaque élément mal restitué commence par une espace, que la bibliothèque de modules perd au début d’un module. Aucun module n’a été créé.</translation>
    </message>
    <message>
        <source>Replace the Module &quot;%1&quot; with the mistakes of this run, or add another Module beside it?</source>
        <translation>Remplacer le module «&#xa0;%1&#xa0;» par les erreurs de cet essai, ou ajouter un autre module à côté&#xa0;?</translation>
    </message>
    <message>
        <source>The Module &quot;%1&quot; holds the one element answered wrongly, twice: a Module to train on needs two elements.</source>
        <translation>Le module «&#xa0;%1&#xa0;» contient deux fois l’unique élément mal restitué&#xa0;: pour s’entraîner, un module doit avoir deux éléments.</translation>
    </message>
    <message>
        <source>The Module &quot;%1&quot; holds the %2 elements answered wrongly.</source>
        <translation>Le module «&#xa0;%1&#xa0;» contient les %2&#xa0;éléments mal restitués.</translation>
    </message>
    <message>
        <source>Taken: %1.</source>
        <translation>Retenus&#xa0;: %1.</translation>
    </message>
    <message>
        <source>It replaces &quot;%1&quot;.</source>
        <translation>Il remplace «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>It was added to the library, but the options could not be set to train on it: %1</source>
        <translation>Il a été ajouté à la bibliothèque, mais les options n’ont pas pu être réglées pour s’entraîner dessus&#xa0;: %1</translation>
    </message>
    <message>
        <source>Training now uses it: Ctrl+T drills them.</source>
        <translation>L’entraînement l’utilise désormais&#xa0;: Ctrl+T fait réviser ces erreurs.</translation>
    </message>
    <message>
        <source>Choose it for Training in the options.</source>
        <translation>Choisissez-le pour l’entraînement dans les options.</translation>
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
        <translation>Réponse</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>The result could not be saved.
Next tries again; Cancel ends the run without it.</source>
        <translation>Le résultat n’a pas pu être enregistré.
Suivant réessaie&#xa0;; Annuler termine l’essai sans l’enregistrer.</translation>
    </message>
    <message>
        <source>Test is not completed. You are memorizing too slow!</source>
        <translation>Test interrompu. Vous mémorisez trop lentement&#xa0;!</translation>
    </message>
    <message>
        <source>Test is not completed. The Elements could not be spoken: %1</source>
        <translation>Test interrompu. Les éléments n’ont pas pu être lus à voix haute&#xa0;: %1</translation>
    </message>
    <message>
        <source>No Element shown</source>
        <translation>Aucun élément affiché</translation>
    </message>
    <message>
        <source>Element %1: %2</source>
        <translation>Élément %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Element: %1</source>
        <translation>Élément&#xa0;: %1</translation>
    </message>
    <message>
        <source>Element %1, spoken</source>
        <translation>Élément %1, lu à voix haute</translation>
    </message>
    <message>
        <source>Answer %1</source>
        <translation>Réponse %1</translation>
    </message>
    <message>
        <source>Test is not completed. Too many mistakes!</source>
        <translation>Test interrompu. Trop d’erreurs&#xa0;!</translation>
    </message>
    <message>
        <source>Your result is %1</source>
        <translation>Votre résultat&#xa0;: %1</translation>
    </message>
    <message>
        <source>Stop test?</source>
        <translation>Arrêter le test&#xa0;?</translation>
    </message>
    <message numerus="yes">
        <source>Type the %n digit(s) as one line</source>
        <translation>
            <numerusform>Tapez le %n chiffre en une seule ligne</numerusform>
            <numerusform>Tapez les %n chiffres en une seule ligne</numerusform>
        </translation>
    </message>
    <message>
        <source>elements</source>
        <translation>éléments</translation>
    </message>
    <message>
        <source>Waiting for the sound server…</source>
        <translation>En attente du serveur de son…</translation>
    </message>
</context>
<context>
    <name>UpDown</name>
    <message>
        <source>Number</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>%1 up</source>
        <translation>%1, augmenter</translation>
    </message>
    <message>
        <source>%1 down</source>
        <translation>%1, diminuer</translation>
    </message>
</context>
<context>
    <name>Usage</name>
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
        <translation>Utilisation&#xa0;: tenacio [--help | --version]

Tenacio est un entraîneur pour mémoriser des listes. Il montre un à un
les éléments d’un module, pose quelques calculs rapides, vous fait
retaper les éléments dans l’ordre, note l’essai et garde les résultats
d’entraînement et d’examen dans un historique. Avec tout autre argument,
il ouvre sa fenêtre.

  --help     afficher ce texte et quitter
  --version  afficher la version et quitter

Dossier des données&#xa0;: %1
  (config.ini, modules.ini, testres.ini, examres.ini). À côté du programme
  si son répertoire est accessible en écriture, sinon
  $XDG_DATA_HOME/tenacio/, soit ~/.local/share/tenacio/ si XDG_DATA_HOME
  n’est pas défini.
%2
Environnement&#xa0;:
  XDG_DATA_HOME    le répertoire des données de l’utilisateur (voir le
                   dossier des données)
  HOME             le répertoire personnel de l’utilisateur
  DISPLAY          l’affichage X à ouvrir
  WAYLAND_DISPLAY  l’affichage Wayland, utilisé quand aucun affichage X
                   n’est joignable et que le module Wayland de Qt est
                   installé
  XDG_RUNTIME_DIR  le dossier d’un affichage Wayland donné par son nom
  QT_QPA_PLATFORM  la plateforme de Qt&#xa0;; si elle est définie, elle est
                   utilisée telle quelle
  LANGUAGE, LC_ALL, LC_MESSAGES, LANG
                   la langue des textes&#xa0;: la première que le programme
                   connaît, sinon l’anglais

Code de sortie&#xa0;: 0, ou 2 si aucun affichage graphique n’est utilisable.
</translation>
    </message>
    <message>
        <source>Starter library for a new user: %1
  when it holds Modules, else the copy the program carries.
</source>
        <translation>Bibliothèque de départ pour un nouvel utilisateur&#xa0;: %1
  si elle contient des modules, sinon la copie que le programme embarque.
</translation>
    </message>
</context>
</TS>
