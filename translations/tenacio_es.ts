<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Analysis</name>
    <message>
        <source>one place late</source>
        <translation>una posición después</translation>
    </message>
    <message>
        <source>one place early</source>
        <translation>una posición antes</translation>
    </message>
    <message numerus="yes">
        <source>%n places late</source>
        <translation>
            <numerusform>%n posición después</numerusform>
            <numerusform>%n posiciones después</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n places early</source>
        <translation>
            <numerusform>%n posición antes</numerusform>
            <numerusform>%n posiciones antes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n after it right but %1</source>
        <translation>
            <numerusform>%n siguiente correcto, pero %1</numerusform>
            <numerusform>%n siguientes correctos, pero %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n right but %1</source>
        <translation>
            <numerusform>%n correcto, pero %1</numerusform>
            <numerusform>%n correctos, pero %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n omitted at %1</source>
        <translation>
            <numerusform>%n omitido en la posición %1</numerusform>
            <numerusform>%n omitidos en las posiciones %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n inserted at %1</source>
        <translation>
            <numerusform>%n insertado en la posición %1</numerusform>
            <numerusform>%n insertados en las posiciones %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n wrong</source>
        <translation>
            <numerusform>%n incorrecto</numerusform>
            <numerusform>%n incorrectos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n blank</source>
        <translation>
            <numerusform>%n en blanco</numerusform>
            <numerusform>%n en blanco</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n swapped (%1)</source>
        <translation>
            <numerusform>%n intercambiado (%1)</numerusform>
            <numerusform>%n intercambiados (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>No mistakes</source>
        <translation>Sin errores</translation>
    </message>
    <message>
        <source>Right in order: %1 of %2</source>
        <translation>Correctos en orden: %1 de %2</translation>
    </message>
    <message>
        <source>swapped (%1)</source>
        <translation>intercambiado (%1)</translation>
    </message>
    <message>
        <source>right</source>
        <translation>correcto</translation>
    </message>
    <message>
        <source>omitted</source>
        <translation>omitido</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>incorrecto</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>en blanco</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>sin respuesta</translation>
    </message>
    <message>
        <source>inserted</source>
        <translation>insertado</translation>
    </message>
    <message>
        <source>right but %1</source>
        <translation>correcto, pero %1</translation>
    </message>
</context>
<context>
    <name>AnswerSheet</name>
    <message>
        <source>wrong answer</source>
        <translation>respuesta incorrecta</translation>
    </message>
    <message>
        <source> (blanks lost in the file)</source>
        <translation> (espacios perdidos en el archivo)</translation>
    </message>
    <message>
        <source> (another Unicode form)</source>
        <translation> (otra forma Unicode)</translation>
    </message>
    <message>
        <source>wrong: %1 (blanks lost in the file)</source>
        <translation>incorrecto: %1 (espacios perdidos en el archivo)</translation>
    </message>
    <message>
        <source>wrong: blank (no answer)</source>
        <translation>incorrecto: en blanco (sin respuesta)</translation>
    </message>
    <message>
        <source>wrong: %1 (another Unicode form)</source>
        <translation>incorrecto: %1 (otra forma Unicode)</translation>
    </message>
    <message>
        <source>wrong: %1 (blanks differ)</source>
        <translation>incorrecto: %1 (los espacios difieren)</translation>
    </message>
    <message>
        <source>wrong: %1</source>
        <translation>incorrecto: %1</translation>
    </message>
    <message>
        <source>(no answer)</source>
        <translation>(sin respuesta)</translation>
    </message>
</context>
<context>
    <name>ConflictChoice</name>
    <message>
        <source>Merge</source>
        <translation>Fusionar</translation>
    </message>
    <message>
        <source>A sync tool left a second version of %1 in the data folder: %2.

Check what to take from it; the rest stays as it is on this computer. The copy is then renamed %3 and kept.</source>
        <translation>Una herramienta de sincronización dejó una segunda versión de %1 en la carpeta de datos: %2.

Elija qué tomar de ella; el resto queda como está en este equipo. Después, la copia se renombra a %3 y se conserva.</translation>
    </message>
    <message>
        <source>Module</source>
        <translation>Módulo</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Opción</translation>
    </message>
    <message>
        <source>On this computer</source>
        <translation>En este equipo</translation>
    </message>
    <message>
        <source>In the copy</source>
        <translation>En la copia</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguno)</translation>
    </message>
    <message>
        <source>&amp;Merge</source>
        <translation>&amp;Fusionar</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>&amp;Más tarde</translation>
    </message>
</context>
<context>
    <name>Conflicts</name>
    <message>
        <source>Cannot rename &quot;%1&quot;. %2</source>
        <translation>No se puede renombrar «%1». %2</translation>
    </message>
    <message numerus="yes">
        <source>A sync tool left a second version of %1 in the data folder: %2.

Runs in it that the history does not show: %n. Merge them into %1? The copy is then renamed %2.merged and kept.</source>
        <translation>
            <numerusform>Una herramienta de sincronización dejó una segunda versión de %1 en la carpeta de datos: %2.

Intentos que contiene y que el historial no muestra: %n. ¿Fusionarlo con %1? Después, la copia se renombra a %2.merged y se conserva.</numerusform>
            <numerusform>Una herramienta de sincronización dejó una segunda versión de %1 en la carpeta de datos: %2.

Intentos que contiene y que el historial no muestra: %n. ¿Fusionarlos con %1? Después, la copia se renombra a %2.merged y se conserva.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Runs merged into %1: %n</source>
        <translation>
            <numerusform>Intentos fusionados con %1: %n</numerusform>
            <numerusform>Intentos fusionados con %1: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Of them under their name with a number added, as this computer has another run under that name: %n</source>
        <translation>
            <numerusform>De ellos, guardados con un número añadido al nombre, porque este equipo tiene otro intento con ese nombre: %n</numerusform>
            <numerusform>De ellos, guardados con un número añadido al nombre, porque este equipo tiene otro intento con ese nombre: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Runs that were already there: %n</source>
        <translation>
            <numerusform>Intentos que ya estaban: %n</numerusform>
            <numerusform>Intentos que ya estaban: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>The copy is kept as %1.</source>
        <translation>La copia se conserva como %1.</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Reemplazar</translation>
    </message>
    <message>
        <source>&amp;Add another</source>
        <translation>Añadir &amp;otro</translation>
    </message>
    <message>
        <source>&amp;Add to the end</source>
        <translation>Añadir al &amp;final</translation>
    </message>
    <message>
        <source>&amp;Merge</source>
        <translation>&amp;Fusionar</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>&amp;Más tarde</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Fusionar</translation>
    </message>
</context>
<context>
    <name>DueToday</name>
    <message>
        <source>&amp;Keep this Module learned</source>
        <translation>&amp;Mantener este Módulo aprendido</translation>
    </message>
    <message>
        <source>&amp;Retention chart...</source>
        <translation>Gráfico de &amp;retención…</translation>
    </message>
</context>
<context>
    <name>DueTodayView</name>
    <message>
        <source>Due today</source>
        <translation>Pendientes hoy</translation>
    </message>
    <message>
        <source>Module</source>
        <translation>Módulo</translation>
    </message>
    <message>
        <source>Days overdue</source>
        <translation>Días de retraso</translation>
    </message>
    <message>
        <source>Kept Modules to train today, the oldest due first. Enter starts a Training.</source>
        <translation>Módulos mantenidos que toca entrenar hoy, el más atrasado primero. Intro inicia un Entrenamiento.</translation>
    </message>
    <message>
        <source>Train &amp;now</source>
        <translation>Ent&amp;renar ahora</translation>
    </message>
    <message>
        <source>Starts a Training on the whole Module chosen in the list</source>
        <translation>Inicia un Entrenamiento con todo el Módulo elegido en la lista</translation>
    </message>
    <message>
        <source>today</source>
        <translation>hoy</translation>
    </message>
</context>
<context>
    <name>Exam</name>
    <message>
        <source>Mistakes allowed in an Exam of %1 Elements: %2. Mistake %3 ends it.</source>
        <translation>Errores permitidos en un Examen de %1 Elementos: %2. El error %3 lo termina.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>No se puede abrir el archivo «%1». %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>No se puede crear el archivo «%1». %2</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Es una carpeta</translation>
    </message>
    <message>
        <source>Tenacio keeps its data in %1 now: the data folder %2 cannot be written (%3). The history, Modules and options kept there are not shown.</source>
        <translation>Tenacio guarda ahora sus datos en %1: no se puede escribir en la carpeta de datos %2 (%3). El historial, los Módulos y las opciones guardados allí no se muestran.</translation>
    </message>
    <message>
        <source>Cannot create the data folder %1. %2</source>
        <translation>No se puede crear la carpeta de datos %1. %2</translation>
    </message>
    <message>
        <source>it does not say which file it was made for (an older version of Tenacio made it).</source>
        <translation>no indica para qué archivo se hizo (la hizo una versión anterior de Tenacio).</translation>
    </message>
    <message>
        <source>it was made for another file of that name, such as one a sync tool or a backup brought.</source>
        <translation>se hizo para otro archivo con ese nombre, como uno traído por una herramienta de sincronización o una copia de seguridad.</translation>
    </message>
    <message>
        <source>The recovery copy %1 was not put back into %2 and is left as it is: %3</source>
        <translation>La copia de recuperación %1 no se devolvió a %2 y se deja como está: %3</translation>
    </message>
    <message>
        <source>The file is not a regular file.</source>
        <translation>El archivo no es un archivo normal.</translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation>El archivo es de solo lectura.</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
    <message>
        <source>The file holds %1 bytes (%2 MiB); data files of up to %3 MiB are read.</source>
        <translation>El archivo ocupa %1 bytes (%2 MiB); se leen archivos de datos de hasta %3 MiB.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be locked (%2). Another copy of Tenacio writing to it at the same time could undo this one&apos;s changes.</source>
        <translation>No se puede bloquear la carpeta %1 (%2). Otra copia de Tenacio que escriba en ella al mismo tiempo podría deshacer los cambios de esta.</translation>
    </message>
    <message>
        <source>The file holds no sections this program can read; it was left as it was</source>
        <translation>El archivo no contiene ninguna sección que este programa pueda leer; se ha dejado como estaba</translation>
    </message>
    <message>
        <source>Unable to write to %1. %2</source>
        <translation>No se puede escribir en %1. %2</translation>
    </message>
    <message>
        <source>Another copy of Tenacio is writing to its folder; nothing was changed. Try again in a moment.</source>
        <translation>Otra copia de Tenacio está escribiendo en su carpeta; no se ha cambiado nada. Vuelva a intentarlo en un momento.</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>Training results</source>
        <translation>Resultados de Entrenamiento</translation>
    </message>
    <message>
        <source>Exam results</source>
        <translation>Resultados de Examen</translation>
    </message>
    <message>
        <source>Training results – %1</source>
        <translation>Resultados de Entrenamiento – %1</translation>
    </message>
    <message>
        <source>Exam results – %1</source>
        <translation>Resultados de Examen – %1</translation>
    </message>
</context>
<context>
    <name>Keeping</name>
    <message>
        <source>1 list due today</source>
        <translation>1 lista pendiente hoy</translation>
    </message>
    <message numerus="yes">
        <source>%n lists due today</source>
        <translation>
            <numerusform>%n lista pendiente hoy</numerusform>
            <numerusform>%n listas pendientes hoy</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Launch</name>
    <message>
        <source>The Module library could not be read (%1), so there is no Module to draw the elements from. See to it under Modules in the menu bar.</source>
        <translation>No se pudo leer la biblioteca de Módulos (%1), así que no hay ningún Módulo del que tomar los elementos. Revíselo en Módulos, en la barra de menús.</translation>
    </message>
    <message>
        <source>There is no Module yet to draw the elements from. Add one under Modules in the menu bar, then choose it under Options.</source>
        <translation>Aún no hay ningún Módulo del que tomar los elementos. Añada uno en Módulos, en la barra de menús, y elíjalo después en Opciones.</translation>
    </message>
    <message>
        <source>The Module &quot;%1&quot; no longer exists. Choose another one under Options, or add it again under Modules in the menu bar.</source>
        <translation>El Módulo «%1» ya no existe. Elija otro en Opciones, o vuelva a añadirlo en Módulos, en la barra de menús.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Trening</source>
        <translation>Entrenamiento</translation>
    </message>
    <message>
        <source>Checking the voice…</source>
        <translation>Comprobando la voz…</translation>
    </message>
    <message>
        <source>Preparing the voice...</source>
        <translation>Preparando la voz…</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>Empezando…</translation>
    </message>
    <message>
        <source>Press OK to start</source>
        <translation>Pulse «Aceptar» para empezar</translation>
    </message>
    <message>
        <source>Introductory Test</source>
        <translation>Prueba inicial</translation>
    </message>
    <message>
        <source>Exam</source>
        <translation>Examen</translation>
    </message>
    <message>
        <source>No speech engine is installed</source>
        <translation>No hay ningún motor de voz instalado</translation>
    </message>
    <message>
        <source>The Elements can&apos;t be spoken: %1. Turn &quot;Speak Elements&quot; off in the options to train without the voice.</source>
        <translation>Los Elementos no se pueden leer en voz alta: %1. Desactive «Leer Elementos en voz alta» en las opciones para entrenar sin voz.</translation>
    </message>
    <message>
        <source>Test is not completed. The Elements could not be spoken: %1</source>
        <translation>La prueba se ha interrumpido. Los Elementos no se pudieron leer en voz alta: %1</translation>
    </message>
    <message>
        <source>Ready… go</source>
        <translation>Preparados… ya</translation>
    </message>
</context>
<context>
    <name>Mistakes</name>
    <message numerus="yes">
        <source>%n omitted</source>
        <translation>
            <numerusform>%n omitido</numerusform>
            <numerusform>%n omitidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n wrong</source>
        <translation>
            <numerusform>%n incorrecto</numerusform>
            <numerusform>%n incorrectos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n blank</source>
        <translation>
            <numerusform>%n en blanco</numerusform>
            <numerusform>%n en blanco</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n swapped</source>
        <translation>
            <numerusform>%n intercambiado</numerusform>
            <numerusform>%n intercambiados</numerusform>
        </translation>
    </message>
    <message>
        <source>Mistakes %1</source>
        <translation>Errores %1</translation>
    </message>
</context>
<context>
    <name>Modules</name>
    <message>
        <source>The Module library already holds a Module named &quot;%1&quot;.</source>
        <translation>La biblioteca de Módulos ya tiene un Módulo llamado «%1».</translation>
    </message>
    <message>
        <source>The Module library can&apos;t keep these Elements as they are; no Module was made.</source>
        <translation>La biblioteca de Módulos no puede guardar estos Elementos tal como están; no se ha creado ningún Módulo.</translation>
    </message>
    <message>
        <source>Two-digit numbers</source>
        <translation>Números de dos cifras</translation>
    </message>
    <message>
        <source>Three-digit numbers</source>
        <translation>Números de tres cifras</translation>
    </message>
    <message>
        <source>Common words</source>
        <translation>Palabras frecuentes</translation>
    </message>
    <message>
        <source>Pairs 00–99</source>
        <translation>Pares 00–99</translation>
    </message>
</context>
<context>
    <name>Pattern</name>
    <message>
        <source>Digits 0–9</source>
        <translation>Dígitos 0–9</translation>
    </message>
    <message>
        <source>Pairs 00–99</source>
        <translation>Pares 00–99</translation>
    </message>
    <message>
        <source>Triples 000–999</source>
        <translation>Tríos 000–999</translation>
    </message>
    <message>
        <source>Binary groups of 3 (000–111)</source>
        <translation>Grupos binarios de 3 (000–111)</translation>
    </message>
    <message>
        <source>Cards (A♠–K♣)</source>
        <translation>Cartas (A♠–K♣)</translation>
    </message>
    <message>
        <source>Cards (AS–KC)</source>
        <translation>Cartas (AS–KC)</translation>
    </message>
    <message>
        <source>Years 1000–2099</source>
        <translation>Años 1000–2099</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«%1» no es un número entero válido</translation>
    </message>
</context>
<context>
    <name>ResultsStore</name>
    <message>
        <source>Module: %1</source>
        <translation>Módulo: %1</translation>
    </message>
    <message>
        <source>Module: %1, %2 to %3</source>
        <translation>Módulo: %1, de %2 a %3</translation>
    </message>
    <message>
        <source>Stored without its Module: no runs to compare with.</source>
        <translation>Guardado sin su Módulo: no hay intentos con los que comparar.</translation>
    </message>
    <message>
        <source>The only run on this Module.</source>
        <translation>El único intento en este Módulo.</translation>
    </message>
    <message>
        <source>No earlier run; best run on this Module so far.</source>
        <translation>Sin intento anterior; el mejor intento en este Módulo hasta ahora.</translation>
    </message>
    <message>
        <source>No earlier run; best on this Module %1 (%2).</source>
        <translation>Sin intento anterior; el mejor en este Módulo: %1 (%2).</translation>
    </message>
    <message>
        <source>Previous run %1 (%2); best run on this Module so far.</source>
        <translation>Intento anterior: %1 (%2); el mejor intento en este Módulo hasta ahora.</translation>
    </message>
    <message>
        <source>Previous run %1 (%2); best on this Module %3 (%4).</source>
        <translation>Intento anterior: %1 (%2); el mejor en este Módulo: %3 (%4).</translation>
    </message>
</context>
<context>
    <name>RetentionChart</name>
    <message>
        <source>Retention: %1</source>
        <translation>Retención: %1</translation>
    </message>
    <message>
        <source>Two runs of &quot;%1&quot; at least are needed to show its retention.</source>
        <translation>Se necesitan al menos dos intentos de «%1» para mostrar su retención.</translation>
    </message>
    <message>
        <source>Each point is a run of &quot;%1&quot;: the Elements right in order against the days since the run before it.</source>
        <translation>Cada punto es un intento de «%1»: los Elementos correctos en orden frente a los días desde el intento anterior.</translation>
    </message>
    <message>
        <source>Days since the previous run</source>
        <translation>Días desde el intento anterior</translation>
    </message>
    <message>
        <source>Right in order (%)</source>
        <translation>Correctos en orden (%)</translation>
    </message>
</context>
<context>
    <name>Run</name>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>%1. %2 (no answer)</source>
        <translation>%1. %2 (sin respuesta)</translation>
    </message>
    <message>
        <source>%1. %2 (answered: %3)</source>
        <translation>%1. %2 (respuesta: %3)</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>… y %1 más</translation>
    </message>
    <message>
        <source>Wrong answers:</source>
        <translation>Respuestas incorrectas:</translation>
    </message>
</context>
<context>
    <name>RunRules</name>
    <message>
        <source>The number of elements must lie between %1 and %2.</source>
        <translation>El número de elementos debe estar entre %1 y %2.</translation>
    </message>
    <message>
        <source>The Module has no range of elements to draw from.</source>
        <translation>El Módulo no tiene ningún rango de elementos del que tomar.</translation>
    </message>
</context>
<context>
    <name>Scoring</name>
    <message>
        <source>Koeff = right ÷ 5</source>
        <translation>Koeff = correctas ÷ 5</translation>
    </message>
    <message>
        <source>Koeff = (Elements + right − seconds ÷ 6) ÷ 5</source>
        <translation>Koeff = (Elementos + correctas − segundos ÷ 6) ÷ 5</translation>
    </message>
    <message>
        <source>Koeff, the score of a run: the Elements asked plus the right answers, less one for every six seconds, divided by 5; so six seconds cost as much as a wrong answer. Higher is better. The Introductory Test&apos;s Koeff is its right answers divided by 5.</source>
        <translation>Koeff, la puntuación de un intento: los Elementos preguntados más las respuestas correctas, menos uno por cada seis segundos, dividido entre 5; así, seis segundos cuestan tanto como una respuesta incorrecta. Cuanto más alto, mejor. En la Prueba inicial, el Koeff es el número de respuestas correctas dividido entre 5.</translation>
    </message>
    <message>
        <source>%1 (&lt;1 in 10 wrong)</source>
        <translation>%1 (&lt;1 de cada 10 mal)</translation>
    </message>
    <message>
        <source>Marks: %1
%2</source>
        <translation>Niveles: %1
%2</translation>
    </message>
    <message>
        <source>from %1, %2</source>
        <translation>desde %1, %2</translation>
    </message>
    <message>
        <source>A Koeff below %1 gives the mark %2; %3 when fewer than one answer in ten is wrong, else 5.</source>
        <translation>Un Koeff por debajo de %1 da el nivel %2; %3 cuando falla menos de una respuesta de cada diez; si no, 5.</translation>
    </message>
    <message>
        <source>%1  Average time for each number: %2 sec.</source>
        <translation>%1  Tiempo medio por número: %2 s</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Maestro</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>The Timer (MilliSec) stored in config.ini, %1, is beyond what the options can set; %2 is used instead.</source>
        <translation>El Tiempo (ms) guardado en config.ini, %1, está fuera de lo que permiten las opciones; se usa %2 en su lugar.</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>the sound server can&apos;t be reached (%1)</source>
        <translation>no se puede conectar con el servidor de sonido (%1)</translation>
    </message>
    <message>
        <source>the sound server failed (%1)</source>
        <translation>error del servidor de sonido (%1)</translation>
    </message>
    <message>
        <source>the voice &quot;%1&quot; is not installed</source>
        <translation>la voz «%1» no está instalada</translation>
    </message>
    <message>
        <source>no voice for the language &quot;%1&quot; is installed</source>
        <translation>no hay ninguna voz instalada para el idioma «%1»</translation>
    </message>
    <message>
        <source>the eSpeak NG voices could not be loaded</source>
        <translation>no se pudieron cargar las voces de eSpeak NG</translation>
    </message>
    <message>
        <source>no eSpeak NG voice is installed</source>
        <translation>no hay ninguna voz de eSpeak NG instalada</translation>
    </message>
    <message>
        <source>the sound server does not answer</source>
        <translation>el servidor de sonido no responde</translation>
    </message>
    <message>
        <source>the sound server stopped playing</source>
        <translation>el servidor de sonido dejó de reproducir</translation>
    </message>
    <message>
        <source>the voice gave no sound for &quot;%1&quot;</source>
        <translation>la voz no produjo ningún sonido para «%1»</translation>
    </message>
    <message>
        <source>the sound server can&apos;t be reached</source>
        <translation>no se puede conectar con el servidor de sonido</translation>
    </message>
    <message>
        <source>part of the sound was not heard: the machine was too busy to play it whole</source>
        <translation>parte del sonido no se oyó: el equipo estaba demasiado ocupado para reproducirlo entero</translation>
    </message>
    <message>
        <source>The voice variant &quot;%1&quot; is not installed; the voice reads without it.</source>
        <translation>La variante de voz «%1» no está instalada; la voz lee sin ella.</translation>
    </message>
    <message>
        <source>The MBROLA voice &quot;%1&quot; is not installed; the default voice of its language reads instead.</source>
        <translation>La voz MBROLA «%1» no está instalada; en su lugar lee la voz predeterminada de su idioma.</translation>
    </message>
    <message>
        <source>male %1</source>
        <translation>masculina %1</translation>
    </message>
    <message>
        <source>female %1</source>
        <translation>femenina %1</translation>
    </message>
    <message>
        <source>Klatt %1</source>
        <translation>Klatt %1</translation>
    </message>
    <message>
        <source>whispering</source>
        <translation>susurrada</translation>
    </message>
    <message>
        <source>female, whispering</source>
        <translation>femenina, susurrada</translation>
    </message>
    <message>
        <source>croaking</source>
        <translation>ronca</translation>
    </message>
    <message>
        <source>The MBROLA voice &quot;%1&quot; can&apos;t speak; the default voice of its language reads instead.</source>
        <translation>La voz MBROLA «%1» no puede hablar; en su lugar lee la voz predeterminada de su idioma.</translation>
    </message>
</context>
<context>
    <name>SportScoring</name>
    <message>
        <source>Koeff and mark</source>
        <translation>Koeff y nivel</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Filas</translation>
    </message>
    <message>
        <source>Until the first mistake</source>
        <translation>Hasta el primer error</translation>
    </message>
    <message>
        <source>Right answers</source>
        <translation>Respuestas correctas</translation>
    </message>
    <message>
        <source>%1 in row %2 (%3–%4)</source>
        <translation>%1 en la fila %2 (%3–%4)</translation>
    </message>
    <message>
        <source>Rows of %1: %2 of %3</source>
        <translation>Filas de %1: %2 de %3</translation>
    </message>
    <message>
        <source>Rows of %1: %2 of %3; lost %4</source>
        <translation>Filas de %1: %2 de %3; perdidos: %4</translation>
    </message>
    <message>
        <source>row %1 left blank ends the scoring</source>
        <translation>la fila %1, en blanco, termina la puntuación</translation>
    </message>
    <message>
        <source>Until the first mistake: %1 of %2</source>
        <translation>Hasta el primer error: %1 de %2</translation>
    </message>
    <message>
        <source>Right answers: %1 of %2</source>
        <translation>Respuestas correctas: %1 de %2</translation>
    </message>
</context>
<context>
    <name>Tfrm_exe</name>
    <message>
        <source>Do exercises</source>
        <translation>Hacer ejercicios</translation>
    </message>
    <message>
        <source>Sum %1</source>
        <translation>Suma %1</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>solved</source>
        <translation>resuelta</translation>
    </message>
    <message>
        <source>not solved yet</source>
        <translation>aún sin resolver</translation>
    </message>
    <message>
        <source>Sum %1: </source>
        <translation>Suma %1: </translation>
    </message>
    <message>
        <source>Stop test?</source>
        <translation>¿Detener la prueba?</translation>
    </message>
    <message>
        <source>You need to finish exercises!</source>
        <translation>¡Tiene que terminar los ejercicios!</translation>
    </message>
</context>
<context>
    <name>Tfrm_guide</name>
    <message>
        <source>Tenacio user guide</source>
        <translation>Guía del usuario de Tenacio</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>Guía del usuario</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
</context>
<context>
    <name>Tfrm_help</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Help is available here - %1</source>
        <translation>La ayuda está aquí: %1</translation>
    </message>
    <message>
        <source>Your data is kept in %1</source>
        <translation>Sus datos se guardan en %1</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
</context>
<context>
    <name>Tfrm_main</name>
    <message>
        <source>All Modules</source>
        <translation>Todos los Módulos</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Modules</source>
        <translation>&amp;Módulos</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Prueba</translation>
    </message>
    <message>
        <source>&amp;Introductory Test</source>
        <translation>Prueba &amp;inicial</translation>
    </message>
    <message>
        <source>T&amp;raining</source>
        <translation>&amp;Entrenamiento</translation>
    </message>
    <message>
        <source>&amp;Exam</source>
        <translation>E&amp;xamen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;User guide</source>
        <translation>&amp;Guía del usuario</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>Test&amp;s</source>
        <translation>E&amp;ntrenamientos</translation>
    </message>
    <message>
        <source>Results history</source>
        <translation>Historial de resultados</translation>
    </message>
    <message>
        <source>Stored runs, newest first. Enter reopens the selected run, Delete erases it.</source>
        <translation>Intentos guardados, del más reciente al más antiguo. Intro vuelve a abrir el intento seleccionado; Supr lo borra.</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Delete &amp;All</source>
        <translation>Eliminar &amp;todo</translation>
    </message>
    <message>
        <source>Headings of the results history</source>
        <translation>Encabezados del historial de resultados</translation>
    </message>
    <message>
        <source>Module shown</source>
        <translation>Módulo mostrado</translation>
    </message>
    <message>
        <source>The history lists and charts the runs of this Module</source>
        <translation>El historial enumera y representa los intentos de este Módulo</translation>
    </message>
    <message>
        <source>Mod&amp;ule:</source>
        <translation>Mó&amp;dulo:</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>E&amp;xportar…</translation>
    </message>
    <message>
        <source>Saves the runs of the Module shown as a CSV file</source>
        <translation>Guarda los intentos del Módulo mostrado como archivo CSV</translation>
    </message>
    <message>
        <source>By &amp;position</source>
        <translation>Por posi&amp;ción</translation>
    </message>
    <message>
        <source>Right by position</source>
        <translation>Aciertos por posición</translation>
    </message>
    <message>
        <source>The chart shows the share of right answers at each position of the Module shown, instead of the Koeff of each run</source>
        <translation>El gráfico muestra la proporción de respuestas correctas en cada posición del Módulo mostrado, en lugar del Koeff de cada intento</translation>
    </message>
    <message>
        <source>Right by position: the share of right answers at each position</source>
        <translation>Aciertos por posición: la proporción de respuestas correctas en cada posición</translation>
    </message>
    <message>
        <source>Chart of the listed results</source>
        <translation>Gráfico de los resultados enumerados</translation>
    </message>
    <message>
        <source>DateTime</source>
        <translation>Fecha y hora</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Exam&amp;s</source>
        <translation>Exámene&amp;s</translation>
    </message>
    <message>
        <source>Training results listed; press to list Exam results</source>
        <translation>Se muestran los resultados de Entrenamiento; pulse para ver los de Examen</translation>
    </message>
    <message>
        <source>Exam results listed; press to list Training results</source>
        <translation>Se muestran los resultados de Examen; pulse para ver los de Entrenamiento</translation>
    </message>
    <message>
        <source>Chart of right answers by position, in percent</source>
        <translation>Gráfico de respuestas correctas por posición, en porcentaje</translation>
    </message>
    <message>
        <source>Training results</source>
        <translation>Resultados de Entrenamiento</translation>
    </message>
    <message>
        <source>Exam results</source>
        <translation>Resultados de Examen</translation>
    </message>
    <message>
        <source>No Training results yet.

To make the first entry, choose Test › Training (Ctrl+T).</source>
        <translation>Aún no hay resultados de Entrenamiento.

Para crear la primera entrada, elija Prueba › Entrenamiento (Ctrl+T).</translation>
    </message>
    <message>
        <source>No Exam results yet.

Start with a Training: choose Test › Training (Ctrl+T). Once a Module is learnt, Test › Exam (Ctrl+E) puts a first entry here.</source>
        <translation>Aún no hay resultados de Examen.

Empiece con un Entrenamiento: elija Prueba › Entrenamiento (Ctrl+T). Cuando haya aprendido un Módulo, Prueba › Examen (Ctrl+E) añadirá aquí la primera entrada.</translation>
    </message>
    <message>
        <source>Mark 5</source>
        <translation>Nivel 5</translation>
    </message>
    <message>
        <source>Mark 4</source>
        <translation>Nivel 4</translation>
    </message>
    <message>
        <source>Mark 3</source>
        <translation>Nivel 3</translation>
    </message>
    <message>
        <source>Mark 2 or lower</source>
        <translation>Nivel 2 o inferior</translation>
    </message>
    <message>
        <source>No mark</source>
        <translation>Sin nivel</translation>
    </message>
    <message>
        <source>Right answers, in percent</source>
        <translation>Respuestas correctas, en porcentaje</translation>
    </message>
    <message>
        <source>CSV file (*.csv)|*.csv|Any File (*.*)|*.*</source>
        <translation>Archivo CSV (*.csv)|*.csv|Cualquier archivo (*.*)|*.*</translation>
    </message>
    <message>
        <source>Replace %1?</source>
        <translation>El archivo «%1» ya existe. ¿Reemplazarlo?</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>No se puede abrir el archivo «%1». %2</translation>
    </message>
    <message>
        <source>Delete %1?</source>
        <translation>¿Eliminar el intento del %1?</translation>
    </message>
    <message>
        <source>Delete All?</source>
        <translation>¿Eliminar todos los intentos mostrados?</translation>
    </message>
    <message>
        <source>The run %1 is no longer in %2. The list now shows what the file holds.</source>
        <translation>El intento %1 ya no está en %2. La lista muestra ahora lo que contiene el archivo.</translation>
    </message>
    <message>
        <source>1 run exported to %1</source>
        <translation>1 intento exportado a %1</translation>
    </message>
    <message numerus="yes">
        <source>%n runs exported to %1</source>
        <translation>
            <numerusform>%n intento exportado a %1</numerusform>
            <numerusform>%n intentos exportados a %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Tfrm_modules</name>
    <message>
        <source>Modules</source>
        <translation>Módulos</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Module name</source>
        <translation>&amp;Nombre del Módulo</translation>
    </message>
    <message>
        <source>Module name</source>
        <translation>Nombre del Módulo</translation>
    </message>
    <message>
        <source>Add Module</source>
        <translation>Añadir Módulo</translation>
    </message>
    <message>
        <source>Add Module (Alt++)</source>
        <translation>Añadir Módulo (Alt++)</translation>
    </message>
    <message>
        <source>Delete Module</source>
        <translation>Eliminar Módulo</translation>
    </message>
    <message>
        <source>Delete Module (Alt+-)</source>
        <translation>Eliminar Módulo (Alt+-)</translation>
    </message>
    <message>
        <source>Elements</source>
        <translation>Elementos</translation>
    </message>
    <message>
        <source>The Elements of the Module, one per line</source>
        <translation>Los Elementos del Módulo, uno por línea</translation>
    </message>
    <message>
        <source>&amp;Load...</source>
        <translation>Ca&amp;rgar…</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Guardar…</translation>
    </message>
    <message>
        <source>New from a &amp;pattern...</source>
        <translation>Nuevo a partir de un &amp;patrón…</translation>
    </message>
    <message>
        <source>The Element &quot;%1&quot; on line %2 holds a comma. The Module library separates Elements by commas, so it would become several Elements. Write it without a comma (3.14, Washington D.C.); nothing was stored.</source>
        <translation>El Elemento «%1» de la línea %2 contiene una coma. La biblioteca de Módulos separa los Elementos con comas, así que se convertiría en varios Elementos. Escríbalo sin coma (3.14, Washington D.C.); no se ha guardado nada.</translation>
    </message>
    <message>
        <source>The Module library %1 is not a file this program can read: it holds no Modules. It is shown empty and left as it is; OK will not write over it.</source>
        <translation>La biblioteca de Módulos %1 no es un archivo que este programa pueda leer: no contiene ningún Módulo. Se muestra vacía y se deja como está; «Aceptar» no la sobrescribirá.</translation>
    </message>
    <message>
        <source>The name is empty. Type a name for the new Module.</source>
        <translation>El nombre está vacío. Escriba un nombre para el nuevo Módulo.</translation>
    </message>
    <message>
        <source>Name already exists !</source>
        <translation>¡Ese nombre ya existe!</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 … %3 (%n elements)</source>
        <translation>
            <numerusform>%1: %2 … %3 (%n elemento)</numerusform>
            <numerusform>%1: %2 … %3 (%n elementos)</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete %1?</source>
        <translation>¿Eliminar el Módulo «%1»?</translation>
    </message>
    <message>
        <source>The Module &quot;%1&quot; has Elements. Replace them with the lines of the file, or add the lines after them?</source>
        <translation>El Módulo «%1» ya tiene Elementos. ¿Reemplazarlos por las líneas del archivo o añadir las líneas después de ellos?</translation>
    </message>
    <message>
        <source>The Module &quot;%1&quot; was also changed in the library file since this editor opened. Keep your version? Cancel keeps the file&apos;s.</source>
        <translation>El Módulo «%1» también ha cambiado en el archivo de la biblioteca desde que se abrió este editor. ¿Conservar su versión? «Cancelar» conserva la del archivo.</translation>
    </message>
    <message>
        <source>&amp;Keep this Module learned</source>
        <translation>&amp;Mantener este Módulo aprendido</translation>
    </message>
    <message>
        <source>Lists the Module under Due today when it is time to train it again</source>
        <translation>Muestra el Módulo en «Pendientes hoy» cuando toca entrenarlo de nuevo</translation>
    </message>
    <message>
        <source>Train it as a se&amp;quence, in order</source>
        <translation>Entrenarlo como &amp;secuencia, en orden</translation>
    </message>
</context>
<context>
    <name>Tfrm_name</name>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>&amp;Module name</source>
        <translation>&amp;Nombre del Módulo</translation>
    </message>
    <message>
        <source>Module name</source>
        <translation>Nombre del Módulo</translation>
    </message>
    <message>
        <source>&amp;Pattern</source>
        <translation>&amp;Patrón</translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation>Patrón</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>New from a pattern</source>
        <translation>Nuevo a partir de un patrón</translation>
    </message>
</context>
<context>
    <name>Tfrm_options</name>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Option pages</source>
        <translation>Páginas de opciones</translation>
    </message>
    <message>
        <source>&amp;Training</source>
        <translation>&amp;Entrenamiento</translation>
    </message>
    <message>
        <source>&amp;Exam</source>
        <translation>E&amp;xamen</translation>
    </message>
    <message>
        <source>&amp;Do exercises</source>
        <translation>&amp;Hacer ejercicios</translation>
    </message>
    <message>
        <source>&amp;Unlimited time</source>
        <translation>Tiempo i&amp;limitado</translation>
    </message>
    <message>
        <source>&amp;Show serial number</source>
        <translation>Mostrar &amp;posición</translation>
    </message>
    <message>
        <source>S&amp;peak Elements</source>
        <translation>Leer Elementos en &amp;voz alta</translation>
    </message>
    <message>
        <source>&amp;Hide Elements while speaking</source>
        <translation>&amp;Ocultar Elementos al leerlos</translation>
    </message>
    <message>
        <source>Read num&amp;bers digit by digit</source>
        <translation>Leer números ci&amp;fra a cifra</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Speech rate</source>
        <translation>Velocidad de lectura</translation>
    </message>
    <message>
        <source>How a Training draws its Elements:</source>
        <translation>Cómo toma sus Elementos un Entrenamiento:</translation>
    </message>
    <message>
        <source>At random</source>
        <translation>Al azar</translation>
    </message>
    <message>
        <source>Shuffled, no repeats</source>
        <translation>Barajados, sin repetir</translation>
    </message>
    <message>
        <source>In order</source>
        <translation>En orden</translation>
    </message>
    <message>
        <source>At random: each Element drawn on its own, so some come again and others not at all.
Shuffled, no repeats: every Element of the range once, in a shuffled order; a larger number of elements deals the range again, shuffled anew.
In order: the range as written, from its start; a larger number of elements goes on from the start again.</source>
        <translation>Al azar: cada Elemento se elige por separado, así que algunos salen varias veces y otros ninguna.
Barajados, sin repetir: cada Elemento del rango una vez, en orden barajado; un número mayor de elementos vuelve a repartir el rango, barajado de nuevo.
En orden: el rango tal como está escrito, desde su inicio; un número mayor de elementos vuelve a empezar desde el inicio.</translation>
    </message>
    <message>
        <source>How an Exam draws its Elements:</source>
        <translation>Cómo toma sus Elementos un Examen:</translation>
    </message>
    <message>
        <source>&amp;Number of elements</source>
        <translation>&amp;Número de elementos</translation>
    </message>
    <message>
        <source>&amp;Module</source>
        <translation>&amp;Módulo</translation>
    </message>
    <message>
        <source>&amp;Range  from</source>
        <translation>&amp;Rango  desde</translation>
    </message>
    <message>
        <source>to</source>
        <translation>hasta</translation>
    </message>
    <message>
        <source>Dra&amp;w</source>
        <translation>&amp;Selección</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Selección</translation>
    </message>
    <message>
        <source>Number of elements</source>
        <translation>Número de elementos</translation>
    </message>
    <message>
        <source>Module</source>
        <translation>Módulo</translation>
    </message>
    <message>
        <source>Range from</source>
        <translation>Rango desde</translation>
    </message>
    <message>
        <source>Range to</source>
        <translation>Rango hasta</translation>
    </message>
    <message>
        <source>T&amp;imer (MilliSec)</source>
        <translation>&amp;Tiempo (ms)</translation>
    </message>
    <message>
        <source>Timer (MilliSec)</source>
        <translation>Tiempo (ms)</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>R&amp;ate</source>
        <translation>Veloci&amp;dad</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>How many Elements a Training shows</source>
        <translation>Cuántos Elementos muestra un Entrenamiento</translation>
    </message>
    <message>
        <source>The Module whose Elements a Training draws</source>
        <translation>El Módulo del que toma sus Elementos un Entrenamiento</translation>
    </message>
    <message>
        <source>The first Element of the range a Training draws from</source>
        <translation>El primer Elemento del rango del que toma un Entrenamiento</translation>
    </message>
    <message>
        <source>The last Element of the range a Training draws from</source>
        <translation>El último Elemento del rango del que toma un Entrenamiento</translation>
    </message>
    <message>
        <source>How long each Element stays on screen, in milliseconds</source>
        <translation>Cuánto tiempo queda cada Elemento en pantalla, en milisegundos</translation>
    </message>
    <message>
        <source>Set five quick sums between showing the Elements and typing them back</source>
        <translation>Plantea cinco sumas rápidas entre mostrar los Elementos y volver a escribirlos</translation>
    </message>
    <message>
        <source>Each Element stays until you press Next (20 seconds at most), whatever the Timer says</source>
        <translation>Cada Elemento queda en pantalla hasta que pulse «Siguiente» (20 segundos como máximo), sea cual sea el Tiempo</translation>
    </message>
    <message>
        <source>Show the counter (&quot;3 of 20&quot;) while the Elements are shown</source>
        <translation>Muestra el contador («3 de 20») mientras se muestran los Elementos</translation>
    </message>
    <message>
        <source>Read each Element aloud as it is shown</source>
        <translation>Lee en voz alta cada Elemento al mostrarlo</translation>
    </message>
    <message>
        <source>While the Elements are spoken, show only the counter, not the Element</source>
        <translation>Mientras se leen los Elementos, muestra solo el contador, no el Elemento</translation>
    </message>
    <message>
        <source>Read 1671 as &quot;one six seven one&quot; instead of as one number</source>
        <translation>Lee 1671 como «uno seis siete uno» en lugar de como un solo número</translation>
    </message>
    <message>
        <source>The language of the voice that reads the Elements</source>
        <translation>El idioma de la voz que lee los Elementos</translation>
    </message>
    <message>
        <source>How fast the voice reads</source>
        <translation>A qué velocidad lee la voz</translation>
    </message>
    <message>
        <source>How many Elements an Exam shows; a tenth of them may be answered wrongly</source>
        <translation>Cuántos Elementos muestra un Examen; una décima parte puede responderse mal</translation>
    </message>
    <message>
        <source>The Module whose Elements an Exam draws</source>
        <translation>El Módulo del que toma sus Elementos un Examen</translation>
    </message>
    <message>
        <source>The first Element of the range an Exam draws from</source>
        <translation>El primer Elemento del rango del que toma un Examen</translation>
    </message>
    <message>
        <source>The last Element of the range an Exam draws from</source>
        <translation>El último Elemento del rango del que toma un Examen</translation>
    </message>
    <message>
        <source>An Exam allows mistakes in a tenth of its Elements; one more ends it.</source>
        <translation>Un Examen admite errores en una décima parte de sus Elementos; uno más lo termina.</translation>
    </message>
    <message>
        <source>The Module library could not be read (%1). The Module and range choices stored in the options are kept.</source>
        <translation>No se pudo leer la biblioteca de Módulos (%1). Se conservan el Módulo y el rango guardados en las opciones.</translation>
    </message>
    <message>
        <source>No speech engine is installed</source>
        <translation>No hay ningún motor de voz instalado</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Automático (según el alfabeto)</translation>
    </message>
    <message>
        <source>Checking the voice…</source>
        <translation>Comprobando la voz…</translation>
    </message>
    <message>
        <source>Speech is not available: %1.</source>
        <translation>La voz no está disponible: %1.</translation>
    </message>
    <message>
        <source>The Training Module stored in config.ini, &quot;%1&quot;, is not in the library; &quot;%2&quot; is used instead.</source>
        <translation>El Módulo de Entrenamiento guardado en config.ini, «%1», no está en la biblioteca; se usa «%2» en su lugar.</translation>
    </message>
    <message>
        <source>The Exam Module stored in config.ini, &quot;%1&quot;, is not in the library; &quot;%2&quot; is used instead.</source>
        <translation>El Módulo de Examen guardado en config.ini, «%1», no está en la biblioteca; se usa «%2» en su lugar.</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1&#xa0;s</translation>
    </message>
    <message>
        <source>Pause between Elements</source>
        <translation>Pausa entre Elementos</translation>
    </message>
    <message>
        <source>Spo&amp;ken numbers, as in competitions</source>
        <translation>Números ha&amp;blados, como en competición</translation>
    </message>
    <message numerus="yes">
        <source>%n digit(s)</source>
        <translation>
            <numerusform>%n dígito</numerusform>
            <numerusform>%n dígitos</numerusform>
        </translation>
    </message>
    <message>
        <source>Trial length</source>
        <translation>Longitud de la prueba</translation>
    </message>
    <message>
        <source>Pause a&amp;fter each</source>
        <translation>Pa&amp;usa tras cada uno</translation>
    </message>
    <message>
        <source>Trial len&amp;gth</source>
        <translation>Lon&amp;gitud de la prueba</translation>
    </message>
    <message>
        <source>The digits are spoken one on each Timer&apos;s time and heard once, with nothing on screen; they are typed back as one line and scored until the first mistake. After &quot;Stop test?&quot; the digits go on five back</source>
        <translation>Los dígitos se leen uno en cada Tiempo y se oyen una sola vez, sin nada en pantalla; se escriben en una sola línea y se puntúan hasta el primer error. Tras «¿Detener la prueba?» los dígitos siguen cinco atrás</translation>
    </message>
    <message>
        <source>The number of digits of a trial in competitions; sets the number of elements</source>
        <translation>El número de dígitos de una prueba en competición; fija el número de elementos</translation>
    </message>
    <message>
        <source>The least silence between two spoken Elements, so that where the voice takes longer than the Timer the Elements do not run together</source>
        <translation>El silencio mínimo entre dos Elementos leídos, para que no se junten cuando la voz dura más que el Tiempo</translation>
    </message>
    <message>
        <source>Very slow</source>
        <translation>Muy lenta</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lenta</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rápida</translation>
    </message>
    <message>
        <source>Very fast</source>
        <translation>Muy rápida</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a whole number. Type the number in digits.</source>
        <translation>«%1» no es un número entero. Escriba el número en cifras.</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>Kept when right in order &amp;at least</source>
        <translation>Re&amp;tenido con aciertos en orden de al menos</translation>
    </message>
    <message>
        <source>Kept when right in order at least</source>
        <translation>Retenido con aciertos en orden de al menos</translation>
    </message>
    <message>
        <source>A kept Module&apos;s run holds when at least this share of its Elements is right in order: a run that holds climbs the ladder of 1, 3, 7, 14, 30, 60 and 120 days, one that does not goes back to 1 day</source>
        <translation>Un intento de un Módulo mantenido cuenta cuando al menos esta parte de sus Elementos está bien en orden: un intento que cuenta sube por la escalera de 1, 3, 7, 14, 30, 60 y 120 días; uno que no, vuelve a 1 día</translation>
    </message>
    <message>
        <source>The keep threshold stored in config.ini, %1, is not a whole number from 1 to 100; %2 % is used instead.</source>
        <translation>El umbral para mantener un Módulo aprendido, guardado en config.ini, %1, no es un número entero de 1 a 100; se usa %2 % en su lugar.</translation>
    </message>
    <message numerus="yes">
        <source>Longest Element: %n digit(s) ≈ %1 s spoken + %2 s pause, longer than the Timer (%3 s): the run will go at about %4 s an Element</source>
        <translation>
            <numerusform>Elemento más largo: %n dígito ≈ %1 s de lectura + %2 s de pausa, más que el Tiempo (%3 s): la serie irá a unos %4 s por Elemento</numerusform>
            <numerusform>Elemento más largo: %n dígitos ≈ %1 s de lectura + %2 s de pausa, más que el Tiempo (%3 s): la serie irá a unos %4 s por Elemento</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Longest Element: %n digit(s) ≈ %1 s spoken + %2 s pause, within the Timer (%3 s): the run keeps its pace</source>
        <translation>
            <numerusform>Elemento más largo: %n dígito ≈ %1 s de lectura + %2 s de pausa, dentro del Tiempo (%3 s): la serie mantiene su ritmo</numerusform>
            <numerusform>Elemento más largo: %n dígitos ≈ %1 s de lectura + %2 s de pausa, dentro del Tiempo (%3 s): la serie mantiene su ritmo</numerusform>
        </translation>
    </message>
    <message>
        <source>System default: %1</source>
        <translation>Automático (según el alfabeto): %1</translation>
    </message>
</context>
<context>
    <name>Tfrm_results</name>
    <message>
        <source>Report</source>
        <translation>Informe</translation>
    </message>
    <message>
        <source>Koeff</source>
        <translation>Koeff</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Column headings</source>
        <translation>Encabezados de columna</translation>
    </message>
    <message>
        <source>Answer sheet</source>
        <translation>Hoja de respuestas</translation>
    </message>
    <message>
        <source>Number, Text, Answer and kind of mistake of each element</source>
        <translation>Número, texto, respuesta y tipo de error de cada elemento</translation>
    </message>
    <message>
        <source>Number of elements: </source>
        <translation>Número de elementos: </translation>
    </message>
    <message>
        <source>Total time: </source>
        <translation>Tiempo total: </translation>
    </message>
    <message>
        <source>Correct answers: </source>
        <translation>Respuestas correctas: </translation>
    </message>
    <message>
        <source>Mistakes: </source>
        <translation>Errores: </translation>
    </message>
    <message>
        <source>Koeff: </source>
        <translation>Koeff: </translation>
    </message>
    <message>
        <source>Mark: </source>
        <translation>Nivel: </translation>
    </message>
    <message>
        <source>Key to Koeff and the marks</source>
        <translation>Clave del Koeff y de los niveles</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Drill mistakes</source>
        <translation>&amp;Repasar errores</translation>
    </message>
    <message>
        <source>Makes a Module of the elements answered wrongly and sets Training to it</source>
        <translation>Crea un Módulo con los elementos respondidos mal y lo elige para el Entrenamiento</translation>
    </message>
    <message>
        <source>Scoring</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>&amp;Scoring: </source>
        <translation>&amp;Puntuación: </translation>
    </message>
    <message>
        <source>Elements in a row</source>
        <translation>Elementos por fila</translation>
    </message>
    <message>
        <source> &amp;Row of: </source>
        <translation> &amp;Fila de: </translation>
    </message>
    <message>
        <source>Scores the run by another rule as well; the choice is kept for the next runs</source>
        <translation>Puntúa el intento también con otra regla; la elección se conserva para los próximos intentos</translation>
    </message>
    <message>
        <source>How many Elements make one row of the Rows rule</source>
        <translation>Cuántos Elementos forman una fila en la regla de Filas</translation>
    </message>
    <message>
        <source>&amp;Half a row for one mistake</source>
        <translation>Media fila con &amp;un error</translation>
    </message>
    <message>
        <source>On: a row with one mistake scores half its elements, rounded up (world championship rules). Off: any mistake scores the row 0 (national rules).</source>
        <translation>Activado: una fila con un error puntúa la mitad de sus elementos, redondeando hacia arriba (reglas del campeonato mundial). Desactivado: cualquier error puntúa la fila con 0 (reglas nacionales).</translation>
    </message>
    <message>
        <source>A s&amp;kipped row ends the scoring</source>
        <translation>Una fila &amp;saltada termina la puntuación</translation>
    </message>
    <message>
        <source>On: a row left wholly blank before the last answer ends the scoring. Off: it scores 0 and the rows after it still count.</source>
        <translation>Activado: una fila que se deja entera en blanco antes de la última respuesta termina la puntuación. Desactivado: puntúa 0 y las filas siguientes siguen contando.</translation>
    </message>
    <message>
        <source>Letter &amp;case counts</source>
        <translation>Distinguir &amp;mayúsculas</translation>
    </message>
    <message>
        <source>Off: the scoring rules and the kinds of mistake take &quot;apple&quot; for &quot;Apple&quot;. The Koeff and the mark always count letter case.</source>
        <translation>Desactivado: las reglas de puntuación y los tipos de error toman «apple» por «Apple». El Koeff y el nivel siempre distinguen mayúsculas y minúsculas.</translation>
    </message>
    <message>
        <source>letter case ignored</source>
        <translation>sin distinguir mayúsculas</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Respuesta</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo de error</translation>
    </message>
    <message>
        <source>The Module library could not be read (%1). No Module was made.</source>
        <translation>No se pudo leer la biblioteca de Módulos (%1). No se ha creado ningún Módulo.</translation>
    </message>
    <message>
        <source>Every element answered wrongly begins with a blank, which the Module library loses at the start of a Module. No Module was made.</source>
        <translation>Todos los elementos respondidos mal empiezan con un espacio, que la biblioteca de Módulos pierde al inicio de un Módulo. No se ha creado ningún Módulo.</translation>
    </message>
    <message>
        <source>Replace the Module &quot;%1&quot; with the mistakes of this run, or add another Module beside it?</source>
        <translation>¿Reemplazar el Módulo «%1» por los errores de este intento, o añadir otro Módulo a su lado?</translation>
    </message>
    <message>
        <source>The Module &quot;%1&quot; holds the one element answered wrongly, twice: a Module to train on needs two elements.</source>
        <translation>El Módulo «%1» contiene dos veces el único elemento respondido mal: un Módulo para entrenar necesita dos elementos.</translation>
    </message>
    <message>
        <source>The Module &quot;%1&quot; holds the %2 elements answered wrongly.</source>
        <translation>El Módulo «%1» contiene los %2 elementos respondidos mal.</translation>
    </message>
    <message>
        <source>Taken: %1.</source>
        <translation>Incluidos: %1.</translation>
    </message>
    <message>
        <source>It replaces &quot;%1&quot;.</source>
        <translation>Reemplaza a «%1».</translation>
    </message>
    <message>
        <source>It was added to the library, but the options could not be set to train on it: %1</source>
        <translation>Se añadió a la biblioteca, pero no se pudieron ajustar las opciones para entrenar con él: %1</translation>
    </message>
    <message>
        <source>Training now uses it: Ctrl+T drills them.</source>
        <translation>El Entrenamiento lo usa ahora: pulse Ctrl+T para repasar estos errores.</translation>
    </message>
    <message>
        <source>Choose it for Training in the options.</source>
        <translation>Elíjalo para el Entrenamiento en las opciones.</translation>
    </message>
</context>
<context>
    <name>Tfrm_test</name>
    <message>
        <source>Test</source>
        <translation>Prueba</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Respuesta</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Siguiente</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>The result could not be saved.
Next tries again; Cancel ends the run without it.</source>
        <translation>No se pudo guardar el resultado.
«Siguiente» lo vuelve a intentar; «Cancelar» termina el intento sin guardarlo.</translation>
    </message>
    <message>
        <source>Test is not completed. You are memorizing too slow!</source>
        <translation>La prueba se ha interrumpido. ¡Memoriza demasiado despacio!</translation>
    </message>
    <message>
        <source>Test is not completed. The Elements could not be spoken: %1</source>
        <translation>La prueba se ha interrumpido. Los Elementos no se pudieron leer en voz alta: %1</translation>
    </message>
    <message>
        <source>No Element shown</source>
        <translation>Ningún Elemento mostrado</translation>
    </message>
    <message>
        <source>Element %1: %2</source>
        <translation>Elemento %1: %2</translation>
    </message>
    <message>
        <source>Element: %1</source>
        <translation>Elemento: %1</translation>
    </message>
    <message>
        <source>Element %1, spoken</source>
        <translation>Elemento %1, leído en voz alta</translation>
    </message>
    <message>
        <source>Answer %1</source>
        <translation>Respuesta %1</translation>
    </message>
    <message>
        <source>Test is not completed. Too many mistakes!</source>
        <translation>La prueba se ha interrumpido. ¡Demasiados errores!</translation>
    </message>
    <message>
        <source>Your result is %1</source>
        <translation>Su resultado es %1</translation>
    </message>
    <message>
        <source>Stop test?</source>
        <translation>¿Detener la prueba?</translation>
    </message>
    <message numerus="yes">
        <source>Type the %n digit(s) as one line</source>
        <translation>
            <numerusform>Escriba el %n dígito en una sola línea</numerusform>
            <numerusform>Escriba los %n dígitos en una sola línea</numerusform>
        </translation>
    </message>
    <message>
        <source>elements</source>
        <translation>elementos</translation>
    </message>
    <message>
        <source>Waiting for the sound server…</source>
        <translation>Esperando al servidor de sonido…</translation>
    </message>
</context>
<context>
    <name>UpDown</name>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>%1 up</source>
        <translation>%1: aumentar</translation>
    </message>
    <message>
        <source>%1 down</source>
        <translation>%1: reducir</translation>
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
        <translation>Uso: tenacio [--help | --version]

Tenacio es un entrenador de escritorio para memorizar listas. Muestra los
Elementos de un Módulo uno a uno, plantea unas sumas rápidas, le pide que
escriba los Elementos de nuevo en orden, puntúa el intento y guarda los
resultados de Entrenamiento y de Examen en un historial. Con cualquier
otro argumento abre su ventana.

  --help     muestra este texto y sale
  --version  muestra la versión y sale

Carpeta de datos: %1
  (config.ini, modules.ini, testres.ini, examres.ini). Junto al programa
  si se puede escribir en su directorio; si no, $XDG_DATA_HOME/tenacio/,
  que es ~/.local/share/tenacio/ si XDG_DATA_HOME no está definida.
%2
Entorno:
  XDG_DATA_HOME    el directorio de datos del usuario (véase la carpeta
                   de datos)
  HOME             el directorio personal del usuario
  DISPLAY          la pantalla X que se abre
  WAYLAND_DISPLAY  la pantalla Wayland, usada cuando no se llega a ninguna
                   pantalla X y está instalado el complemento Wayland de Qt
  XDG_RUNTIME_DIR  la carpeta de una pantalla Wayland dada por su nombre
  QT_QPA_PLATFORM  la plataforma de Qt; si está definida, se usa tal cual
  LANGUAGE, LC_ALL, LC_MESSAGES, LANG
                   el idioma de los textos: alemán, ruso, francés, español
                   o inglés

Estado de salida: 0, o 2 si no se puede usar ninguna pantalla gráfica.
</translation>
    </message>
    <message>
        <source>Starter library for a new user: %1
  when it holds Modules, else the copy the program carries.
</source>
        <translation>Biblioteca inicial para un usuario nuevo: %1
  si contiene Módulos; si no, la copia que lleva el programa.
</translation>
    </message>
</context>
</TS>
