<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>GenerationControl</name>
    <message>
        <source>%p%</source>
        <comment>the progress bar&apos;s percentage</comment>
        <translation>%p%</translation>
    </message>
    <message>
        <source>No new puzzle: the system could not start a thread to generate it.</source>
        <translation>Geen nieuwe puzzel: het systeem kon het maken ervan niet starten.</translation>
    </message>
    <message>
        <source>Fields of %L1 to %L2 cells instead of %L3 to %L4, after one attempt.</source>
        <translation>Rechthoeken van %L1 tot %L2 vakjes in plaats van %L3 tot %L4, na één poging.</translation>
    </message>
    <message numerus="yes">
        <source>Fields of %L1 to %L2 cells instead of %L3 to %L4, after %L5 attempts.</source>
        <translation>
            <numerusform>Rechthoeken van %L1 tot %L2 vakjes in plaats van %L3 tot %L4, na %L5 poging.</numerusform>
            <numerusform>Rechthoeken van %L1 tot %L2 vakjes in plaats van %L3 tot %L4, na %L5 pogingen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Generating varrit grid..</source>
        <translation>Varrit-puzzel wordt gemaakt…</translation>
    </message>
    <message>
        <source>Latest attempt: fields of %L1 to %L2 cells, limits %L3 to %L4.</source>
        <translation>Laatste poging: rechthoeken van %L1 tot %L2 vakjes; toegestaan is %L3 tot %L4.</translation>
    </message>
    <message>
        <source>Some fields are too small and some too large: widen the limits.</source>
        <translation>Sommige rechthoeken zijn te klein en andere te groot: verruim de grenzen.</translation>
    </message>
    <message>
        <source>More seeds make smaller fields.</source>
        <translation>Meer startpunten geven kleinere rechthoeken.</translation>
    </message>
    <message>
        <source>Fewer seeds make larger fields.</source>
        <translation>Minder startpunten geven grotere rechthoeken.</translation>
    </message>
    <message>
        <source>Max field size is 0, but every field has at least one cell.</source>
        <translation>“Grootste rechthoek” staat op 0, maar elke rechthoek heeft minstens één vakje.</translation>
    </message>
    <message>
        <source>Min field size %L1 is above Max field size %L2.</source>
        <translation>“Kleinste rechthoek” (%L1) is groter dan “Grootste rechthoek” (%L2).</translation>
    </message>
    <message>
        <source>Min field size %L1 is more than the board&apos;s %L2 × %L3 cells.</source>
        <translation>“Kleinste rechthoek” (%L1) is groter dan het hele bord van %L2 × %L3 vakjes.</translation>
    </message>
    <message>
        <source>A board of %L1 × %L2 cells cannot be cut into fields of %L3 to %L4 cells.</source>
        <translation>Een bord van %L1 × %L2 vakjes kan niet worden verdeeld in rechthoeken van %L3 tot %L4 vakjes.</translation>
    </message>
    <message>
        <source>No puzzle can meet these settings: Cancel shows the last attempt.</source>
        <translation>Met deze instellingen is geen puzzel mogelijk: Annuleren toont de laatste poging.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Settings:</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>Rows: </source>
        <translation>Rijen: </translation>
    </message>
    <message>
        <source>How many rows of cells the board has, 1 to 999.</source>
        <translation>Hoeveel rijen vakjes het bord heeft, van 1 tot 999.</translation>
    </message>
    <message>
        <source>Columns: </source>
        <translation>Kolommen: </translation>
    </message>
    <message>
        <source>How many columns of cells the board has, 1 to 999.</source>
        <translation>Hoeveel kolommen vakjes het bord heeft, van 1 tot 999.</translation>
    </message>
    <message>
        <source>Seeds: </source>
        <translation>Startpunten: </translation>
    </message>
    <message>
        <source>How many rectangles the cutting of the board starts from: more seeds make more, smaller fields.</source>
        <translation>Met hoeveel rechthoeken het verdelen van het bord begint: meer startpunten geven meer en kleinere rechthoeken.</translation>
    </message>
    <message>
        <source>Min field size: </source>
        <translation>Kleinste rechthoek: </translation>
    </message>
    <message>
        <source>The fewest cells a field may have.</source>
        <translation>Hoeveel vakjes een rechthoek minstens moet hebben.</translation>
    </message>
    <message>
        <source>Max field size: </source>
        <translation>Grootste rechthoek: </translation>
    </message>
    <message>
        <source>The most cells a field may have.</source>
        <translation>Hoeveel vakjes een rechthoek hoogstens mag hebben.</translation>
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
Let op: niet elke
combinatie van
instellingen levert
binnen redelijke tijd
een puzzel op.</translation>
    </message>
    <message>
        <source>&amp;Print to pdf...</source>
        <translation>Opslaan als &amp;PDF…</translation>
    </message>
    <message>
        <source>Print the griddle to pdf</source>
        <translation>Slaat het bord op als PDF-bestand</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>&amp;Generate</source>
        <translation>&amp;Nieuwe puzzel</translation>
    </message>
    <message>
        <source>Generate new puzzle</source>
        <translation>Maakt een nieuwe puzzel</translation>
    </message>
    <message>
        <source>Ctrl+G</source>
        <translation>Ctrl+G</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>Quit App</source>
        <translation>Sluit varritQt af</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Over varritQt</translation>
    </message>
    <message>
        <source>Show the application&apos;s About box</source>
        <translation>Toont informatie over varritQt</translation>
    </message>
    <message>
        <source>&amp;Plus</source>
        <translation>&amp;Groter</translation>
    </message>
    <message>
        <source>Increase the grid and font size</source>
        <translation>Vergroot het bord en de getallen</translation>
    </message>
    <message>
        <source>&amp;Minus</source>
        <translation>&amp;Kleiner</translation>
    </message>
    <message>
        <source>Decrease the grid and font size</source>
        <translation>Verkleint het bord en de getallen</translation>
    </message>
    <message>
        <source>&amp;Faq</source>
        <translation>&amp;Veelgestelde vragen</translation>
    </message>
    <message>
        <source>frequently asked question</source>
        <translation>Toont de veelgestelde vragen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Bestand</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Gereed</translation>
    </message>
    <message>
        <source>About Application: Varrit</source>
        <translation>Over varritQt</translation>
    </message>
    <message>
        <source>&lt;center&gt;The &lt;b&gt;Varrit&lt;/b&gt; is a japanese puzzle game using modern GUI by Qt.
&lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;&lt;/center&gt;</source>
        <translation>&lt;center&gt;&lt;b&gt;Varrit&lt;/b&gt; is een Japans puzzelspel met een moderne Qt-interface.
&lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;&lt;/center&gt;</translation>
    </message>
    <message>
        <source>About Application: Varrit</source>
        <comment>the title of the FAQ box</comment>
        <translation>Veelgestelde vragen</translation>
    </message>
    <message>
        <source>&lt;center&gt;please visit &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;&lt;/center&gt;</source>
        <translation>&lt;center&gt;Lees de veelgestelde vragen op &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;&lt;/center&gt;</translation>
    </message>
    <message>
        <source>Printing to &quot;%1&quot;...</source>
        <translation>PDF “%1” wordt opgeslagen…</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be written: %2</source>
        <translation>Het bestand “%1” kon niet worden opgeslagen: %2</translation>
    </message>
    <message>
        <source>Printed to &quot;%1&quot;</source>
        <translation>PDF opgeslagen: “%1”</translation>
    </message>
    <message>
        <source>no program reads from it</source>
        <translation>geen programma leest het uit</translation>
    </message>
</context>
<context>
    <name>varritWidget</name>
    <message>
        <source>That would be very easy, don&apos;t you think? :-)</source>
        <translation>Dat zou wel erg makkelijk zijn, vind je niet? :-)</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>Goed gedaan!</translation>
    </message>
    <message>
        <source>Click a number first: its colour is what you paint.</source>
        <translation>Klik eerst op een getal: je kleurt de vakjes in de kleur van dat getal.</translation>
    </message>
</context>
</TS>
