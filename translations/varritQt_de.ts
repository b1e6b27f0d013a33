<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>GenerationControl</name>
    <message>
        <source>No new puzzle: the system could not start a thread to generate it.</source>
        <translation>Kein neues Rätsel: Das System konnte keinen Thread starten, um es zu erzeugen.</translation>
    </message>
    <message>
        <source>Generating varrit grid..</source>
        <translation>Varrit-Gitter wird erzeugt..</translation>
    </message>
    <message>
        <source>Max field size is 0, but every field has at least one cell.</source>
        <translation>Die max. Feldgröße ist 0, aber jedes Feld hat mindestens eine Zelle.</translation>
    </message>
    <message>
        <source>Min field size %L1 is above Max field size %L2.</source>
        <translation>Die min. Feldgröße %L1 liegt über der max. Feldgröße %L2.</translation>
    </message>
    <message>
        <source>Min field size %L1 is more than the board&apos;s %L2 × %L3 cells.</source>
        <translation>Die min. Feldgröße %L1 ist größer als die %L2 × %L3 Zellen des Gitters.</translation>
    </message>
    <message>
        <source>A board of %L1 × %L2 cells cannot be cut into fields of %L3 to %L4 cells.</source>
        <translation>Ein Gitter aus %L1 × %L2 Zellen lässt sich nicht in Felder mit %L3 bis %L4 Zellen teilen.</translation>
    </message>
    <message>
        <source>No puzzle can meet these settings: Cancel shows the last attempt.</source>
        <translation>Kein Rätsel erfüllt diese Einstellungen: „Abbrechen“ zeigt den letzten Versuch.</translation>
    </message>
    <message>
        <source>%p%</source>
        <comment>the progress bar&apos;s percentage</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fields of %L1 to %L2 cells instead of %L3 to %L4, after one attempt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Fields of %L1 to %L2 cells instead of %L3 to %L4, after %L5 attempts.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Latest attempt: fields of %L1 to %L2 cells, limits %L3 to %L4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some fields are too small and some too large: widen the limits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More seeds make smaller fields.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fewer seeds make larger fields.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Settings:</source>
        <translation>Einstellungen:</translation>
    </message>
    <message>
        <source>Rows: </source>
        <translation>Zeilen: </translation>
    </message>
    <message>
        <source>Columns: </source>
        <translation>Spalten: </translation>
    </message>
    <message>
        <source>Seeds: </source>
        <translation>Startfelder: </translation>
    </message>
    <message>
        <source>Min field size: </source>
        <translation>Min. Feldgröße: </translation>
    </message>
    <message>
        <source>Max field size: </source>
        <translation>Max. Feldgröße: </translation>
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
Bitte beachten Sie,
 dass nicht jede
Kombination von Werten
 ein spielbares
 Gitter ergibt
(in vertretbarer Zeit)</translation>
    </message>
    <message>
        <source>&amp;Print to pdf...</source>
        <translation>Als &amp;PDF drucken...</translation>
    </message>
    <message>
        <source>Print the griddle to pdf</source>
        <translation>Das Gitter als PDF drucken</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>&amp;Generate</source>
        <translation>&amp;Erzeugen</translation>
    </message>
    <message>
        <source>Generate new puzzle</source>
        <translation>Ein neues Rätsel erzeugen</translation>
    </message>
    <message>
        <source>Ctrl+G</source>
        <translation>Ctrl+G</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Quit App</source>
        <translation>Das Programm beenden</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>Show the application&apos;s About box</source>
        <translation>Informationen über das Programm anzeigen</translation>
    </message>
    <message>
        <source>&amp;Plus</source>
        <translation>&amp;Vergrößern</translation>
    </message>
    <message>
        <source>Increase the grid and font size</source>
        <translation>Gitter und Zahlen vergrößern</translation>
    </message>
    <message>
        <source>&amp;Minus</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>Decrease the grid and font size</source>
        <translation>Gitter und Zahlen verkleinern</translation>
    </message>
    <message>
        <source>&amp;Faq</source>
        <translation>&amp;FAQ</translation>
    </message>
    <message>
        <source>frequently asked question</source>
        <translation>Häufig gestellte Fragen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>About Application: Varrit</source>
        <translation>Über das Programm: Varrit</translation>
    </message>
    <message>
        <source>&lt;center&gt;The &lt;b&gt;Varrit&lt;/b&gt; is a japanese puzzle game using modern GUI by Qt.
&lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;&lt;/center&gt;</source>
        <translation>&lt;center&gt;&lt;b&gt;Varrit&lt;/b&gt; ist ein japanisches Rätselspiel mit moderner Oberfläche in Qt.
&lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;&lt;/center&gt;</translation>
    </message>
    <message>
        <source>&lt;center&gt;please visit &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;&lt;/center&gt;</source>
        <translation>&lt;center&gt;Besuchen Sie bitte &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;&lt;/center&gt;</translation>
    </message>
    <message>
        <source>Printing to &quot;%1&quot;...</source>
        <translation>Drucken nach „%1“...</translation>
    </message>
    <message>
        <source>Printed to &quot;%1&quot;</source>
        <translation>Nach „%1“ gedruckt</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be written: %2</source>
        <translation>Die Datei „%1“ konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>no program reads from it</source>
        <translation>kein Programm liest aus ihr</translation>
    </message>
    <message>
        <source>How many rows of cells the board has, 1 to 999.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many columns of cells the board has, 1 to 999.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many rectangles the cutting of the board starts from: more seeds make more, smaller fields.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The fewest cells a field may have.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The most cells a field may have.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Application: Varrit</source>
        <comment>the title of the FAQ box</comment>
        <translation type="unfinished">Über das Programm: Varrit</translation>
    </message>
</context>
<context>
    <name>varritWidget</name>
    <message>
        <source>That would be very easy, don&apos;t you think? :-)</source>
        <translation>Das wäre doch etwas zu einfach, oder? :-)</translation>
    </message>
    <message>
        <source>Click a number first: its colour is what you paint.</source>
        <translation>Klicken Sie zuerst auf eine Zahl: In ihrer Farbe wird gemalt.</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>Gut gemacht!</translation>
    </message>
</context>
</TS>
