<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>GenerationControl</name>
    <message>
        <source>No new puzzle: the system could not start a thread to generate it.</source>
        <translation>Kein neues Rätsel: Das System konnte keinen Thread zum Erzeugen starten.</translation>
    </message>
    <message>
        <source>Generating varrit grid..</source>
        <translation>Rätsel wird erzeugt …</translation>
    </message>
    <message>
        <source>Max field size is 0, but every field has at least one cell.</source>
        <translation>Das größte Rechteck hätte 0 Kästchen, doch jedes Rechteck hat mindestens eines.</translation>
    </message>
    <message>
        <source>Min field size %L1 is above Max field size %L2.</source>
        <translation>Das kleinste Rechteck (%L1 Kästchen) wäre größer als das größte (%L2 Kästchen).</translation>
    </message>
    <message>
        <source>Min field size %L1 is more than the board&apos;s %L2 × %L3 cells.</source>
        <translation>Das kleinste Rechteck (%L1 Kästchen) wäre größer als das ganze Gitter (%L2 × %L3 Kästchen).</translation>
    </message>
    <message>
        <source>A board of %L1 × %L2 cells cannot be cut into fields of %L3 to %L4 cells.</source>
        <translation>Ein Gitter aus %L1 × %L2 Kästchen lässt sich nicht in Rechtecke mit %L3 bis %L4 Kästchen aufteilen.</translation>
    </message>
    <message>
        <source>No puzzle can meet these settings: Cancel shows the last attempt.</source>
        <translation>Kein Rätsel kann diese Einstellungen erfüllen. „Abbrechen“ zeigt den letzten Versuch.</translation>
    </message>
    <message>
        <source>%p%</source>
        <comment>the progress bar&apos;s percentage</comment>
        <translation>%p&#xa0;%</translation>
    </message>
    <message>
        <source>Fields of %L1 to %L2 cells instead of %L3 to %L4, after one attempt.</source>
        <translation>Rechtecke mit %L1 bis %L2 Kästchen statt %L3 bis %L4, nach einem Versuch.</translation>
    </message>
    <message numerus="yes">
        <source>Fields of %L1 to %L2 cells instead of %L3 to %L4, after %L5 attempts.</source>
        <translation>
            <numerusform>Rechtecke mit %L1 bis %L2 Kästchen statt %L3 bis %L4, nach %L5 Versuch.</numerusform>
            <numerusform>Rechtecke mit %L1 bis %L2 Kästchen statt %L3 bis %L4, nach %L5 Versuchen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Latest attempt: fields of %L1 to %L2 cells, limits %L3 to %L4.</source>
        <translation>Letzter Versuch: Rechtecke mit %L1 bis %L2 Kästchen statt %L3 bis %L4.</translation>
    </message>
    <message>
        <source>Some fields are too small and some too large: widen the limits.</source>
        <translation>Manche Rechtecke sind zu klein, andere zu groß: Lassen Sie kleinere und größere zu.</translation>
    </message>
    <message>
        <source>More seeds make smaller fields.</source>
        <translation>Mehr Startpunkte ergeben kleinere Rechtecke.</translation>
    </message>
    <message>
        <source>Fewer seeds make larger fields.</source>
        <translation>Weniger Startpunkte ergeben größere Rechtecke.</translation>
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
        <translation>Startpunkte: </translation>
    </message>
    <message>
        <source>Min field size: </source>
        <translation>Kleinstes Rechteck: </translation>
    </message>
    <message>
        <source>Max field size: </source>
        <translation>Größtes Rechteck: </translation>
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
Bitte beachten Sie:
 Nicht mit jeder
Kombination von
 Einstellungen entsteht
 in vertretbarer Zeit
ein Rätsel.</translation>
    </message>
    <message>
        <source>&amp;Print to pdf...</source>
        <translation>Als &amp;PDF speichern …</translation>
    </message>
    <message>
        <source>Print the griddle to pdf</source>
        <translation>Das Gitter als PDF-Datei speichern</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>&amp;Generate</source>
        <translation>&amp;Neues Rätsel</translation>
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
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Quit App</source>
        <translation>Das Programm beenden</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber varritQt</translation>
    </message>
    <message>
        <source>Show the application&apos;s About box</source>
        <translation>Informationen über varritQt anzeigen</translation>
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
        <translation>Häufige &amp;Fragen</translation>
    </message>
    <message>
        <source>frequently asked question</source>
        <translation>Antworten auf häufige Fragen anzeigen</translation>
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
        <translation>Über varritQt</translation>
    </message>
    <message>
        <source>&lt;center&gt;The &lt;b&gt;Varrit&lt;/b&gt; is a japanese puzzle game using modern GUI by Qt.
&lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;&lt;/center&gt;</source>
        <translation>&lt;center&gt;&lt;b&gt;Varrit&lt;/b&gt; ist ein japanisches Logikrätsel mit moderner Qt-Oberfläche.
&lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;&lt;/center&gt;</translation>
    </message>
    <message>
        <source>&lt;center&gt;please visit &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;&lt;/center&gt;</source>
        <translation>&lt;center&gt;Antworten auf häufige Fragen finden Sie unter &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;&lt;/center&gt;</translation>
    </message>
    <message>
        <source>Printing to &quot;%1&quot;...</source>
        <translation>PDF wird gespeichert: „%1“ …</translation>
    </message>
    <message>
        <source>Printed to &quot;%1&quot;</source>
        <translation>PDF gespeichert: „%1“</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be written: %2</source>
        <translation>Die Datei „%1“ konnte nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>no program reads from it</source>
        <translation>kein Programm liest daraus</translation>
    </message>
    <message>
        <source>How many rows of cells the board has, 1 to 999.</source>
        <translation>Anzahl der Zeilen im Gitter: 1 bis 999.</translation>
    </message>
    <message>
        <source>How many columns of cells the board has, 1 to 999.</source>
        <translation>Anzahl der Spalten im Gitter: 1 bis 999.</translation>
    </message>
    <message>
        <source>How many rectangles the cutting of the board starts from: more seeds make more, smaller fields.</source>
        <translation>Anzahl der Startpunkte für die Aufteilung in Rechtecke: Mehr Startpunkte ergeben mehr und kleinere Rechtecke.</translation>
    </message>
    <message>
        <source>The fewest cells a field may have.</source>
        <translation>So viele Kästchen muss ein Rechteck mindestens haben.</translation>
    </message>
    <message>
        <source>The most cells a field may have.</source>
        <translation>So viele Kästchen darf ein Rechteck höchstens haben.</translation>
    </message>
    <message>
        <source>About Application: Varrit</source>
        <comment>the title of the FAQ box</comment>
        <translation>Häufige Fragen</translation>
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
        <translation>Klicken Sie zuerst auf eine Zahl: In ihrer Farbe färben Sie die Kästchen.</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>Gut gemacht!</translation>
    </message>
</context>
</TS>
