<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>GenerationControl</name>
    <message>
        <source>%p%</source>
        <comment>the progress bar&apos;s percentage</comment>
        <translation>%p&#xa0;%</translation>
    </message>
    <message>
        <source>No new puzzle: the system could not start a thread to generate it.</source>
        <translation>No hay tablero nuevo: el sistema no pudo iniciar la tarea que lo genera.</translation>
    </message>
    <message>
        <source>Fields of %L1 to %L2 cells instead of %L3 to %L4, after one attempt.</source>
        <translation>Rectángulos de %L1 a %L2 casillas en vez de %L3 a %L4, tras un intento.</translation>
    </message>
    <message numerus="yes">
        <source>Fields of %L1 to %L2 cells instead of %L3 to %L4, after %L5 attempts.</source>
        <translation>
            <numerusform>Rectángulos de %L1 a %L2 casillas en vez de %L3 a %L4, tras %L5 intentos.</numerusform>
            <numerusform>Rectángulos de %L1 a %L2 casillas en vez de %L3 a %L4, tras %L5 intentos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Generating varrit grid..</source>
        <translation>Generando un tablero de Varrit…</translation>
    </message>
    <message>
        <source>Latest attempt: fields of %L1 to %L2 cells, limits %L3 to %L4.</source>
        <translation>Último intento: rectángulos de %L1 a %L2 casillas (límites: de %L3 a %L4).</translation>
    </message>
    <message>
        <source>Some fields are too small and some too large: widen the limits.</source>
        <translation>Hay rectángulos demasiado pequeños y otros demasiado grandes: amplía los límites.</translation>
    </message>
    <message>
        <source>More seeds make smaller fields.</source>
        <translation>Con más puntos de partida, los rectángulos salen más pequeños.</translation>
    </message>
    <message>
        <source>Fewer seeds make larger fields.</source>
        <translation>Con menos puntos de partida, los rectángulos salen más grandes.</translation>
    </message>
    <message>
        <source>Max field size is 0, but every field has at least one cell.</source>
        <translation>El rectángulo máximo es de 0 casillas, pero todo rectángulo tiene al menos una.</translation>
    </message>
    <message>
        <source>Min field size %L1 is above Max field size %L2.</source>
        <translation>El rectángulo mínimo (%L1) es mayor que el máximo (%L2).</translation>
    </message>
    <message>
        <source>Min field size %L1 is more than the board&apos;s %L2 × %L3 cells.</source>
        <translation>El rectángulo mínimo (%L1) supera las %L2 × %L3 casillas del tablero.</translation>
    </message>
    <message>
        <source>A board of %L1 × %L2 cells cannot be cut into fields of %L3 to %L4 cells.</source>
        <translation>Un tablero de %L1 × %L2 casillas no se puede dividir en rectángulos de %L3 a %L4 casillas.</translation>
    </message>
    <message>
        <source>No puzzle can meet these settings: Cancel shows the last attempt.</source>
        <translation>Ningún tablero cumple estos ajustes: «Cancelar» muestra el último intento.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Settings:</source>
        <translation>Ajustes:</translation>
    </message>
    <message>
        <source>Rows: </source>
        <translation>Filas: </translation>
    </message>
    <message>
        <source>How many rows of cells the board has, 1 to 999.</source>
        <translation>Cuántas filas de casillas tiene el tablero, de 1 a 999.</translation>
    </message>
    <message>
        <source>Columns: </source>
        <translation>Columnas: </translation>
    </message>
    <message>
        <source>How many columns of cells the board has, 1 to 999.</source>
        <translation>Cuántas columnas de casillas tiene el tablero, de 1 a 999.</translation>
    </message>
    <message>
        <source>Seeds: </source>
        <translation>Puntos de partida: </translation>
    </message>
    <message>
        <source>How many rectangles the cutting of the board starts from: more seeds make more, smaller fields.</source>
        <translation>De cuántos rectángulos parte la división del tablero: con más puntos de partida salen más rectángulos, y más pequeños.</translation>
    </message>
    <message>
        <source>Min field size: </source>
        <translation>Rectángulo mínimo: </translation>
    </message>
    <message>
        <source>The fewest cells a field may have.</source>
        <translation>El menor número de casillas que puede tener un rectángulo.</translation>
    </message>
    <message>
        <source>Max field size: </source>
        <translation>Rectángulo máximo: </translation>
    </message>
    <message>
        <source>The most cells a field may have.</source>
        <translation>El mayor número de casillas que puede tener un rectángulo.</translation>
    </message>
    <message>
        <source>
Please, be advised,
 that not every
combination of parameters
 can generate
 playing grid
(in reasonable time)</source>
        <translation>
Ten en cuenta que
 no todas las
combinaciones de ajustes
 permiten generar
 un tablero
(en un tiempo razonable)</translation>
    </message>
    <message>
        <source>&amp;Print to pdf...</source>
        <translation>Guardar como &amp;PDF…</translation>
    </message>
    <message>
        <source>Print the griddle to pdf</source>
        <translation>Guarda el tablero como archivo PDF</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>&amp;Generate</source>
        <translation>&amp;Generar</translation>
    </message>
    <message>
        <source>Generate new puzzle</source>
        <translation>Genera un tablero nuevo</translation>
    </message>
    <message>
        <source>Ctrl+G</source>
        <translation>Ctrl+G</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Quit App</source>
        <translation>Cierra el juego</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de varritQt</translation>
    </message>
    <message>
        <source>Show the application&apos;s About box</source>
        <translation>Muestra información sobre varritQt</translation>
    </message>
    <message>
        <source>&amp;Plus</source>
        <translation>&amp;Ampliar</translation>
    </message>
    <message>
        <source>Increase the grid and font size</source>
        <translation>Amplía el tablero y sus números</translation>
    </message>
    <message>
        <source>&amp;Minus</source>
        <translation>&amp;Reducir</translation>
    </message>
    <message>
        <source>Decrease the grid and font size</source>
        <translation>Reduce el tablero y sus números</translation>
    </message>
    <message>
        <source>&amp;Faq</source>
        <translation>&amp;Preguntas frecuentes</translation>
    </message>
    <message>
        <source>frequently asked question</source>
        <translation>Muestra las preguntas frecuentes</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>About Application: Varrit</source>
        <translation>Acerca de varritQt</translation>
    </message>
    <message>
        <source>&lt;center&gt;The &lt;b&gt;Varrit&lt;/b&gt; is a japanese puzzle game using modern GUI by Qt.
&lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;&lt;/center&gt;</source>
        <translation>&lt;center&gt;&lt;b&gt;Varrit&lt;/b&gt; es un pasatiempo de lógica japonés, con una interfaz moderna hecha con Qt.
&lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;&lt;/center&gt;</translation>
    </message>
    <message>
        <source>About Application: Varrit</source>
        <comment>the title of the FAQ box</comment>
        <translation>Preguntas frecuentes</translation>
    </message>
    <message>
        <source>&lt;center&gt;please visit &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;&lt;/center&gt;</source>
        <translation>&lt;center&gt;Encontrarás las respuestas en &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;&lt;/center&gt;</translation>
    </message>
    <message>
        <source>Printing to &quot;%1&quot;...</source>
        <translation>Guardando el PDF «%1»…</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be written: %2</source>
        <translation>No se pudo escribir el archivo «%1»: %2</translation>
    </message>
    <message>
        <source>Printed to &quot;%1&quot;</source>
        <translation>PDF guardado: «%1»</translation>
    </message>
    <message>
        <source>no program reads from it</source>
        <translation>ningún programa lo está leyendo</translation>
    </message>
</context>
<context>
    <name>varritWidget</name>
    <message>
        <source>That would be very easy, don&apos;t you think? :-)</source>
        <translation>Eso sería demasiado fácil, ¿no te parece? :-)</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>¡Bien hecho!</translation>
    </message>
    <message>
        <source>Click a number first: its colour is what you paint.</source>
        <translation>Primero haz clic en un número: pintarás con su color.</translation>
    </message>
</context>
</TS>
