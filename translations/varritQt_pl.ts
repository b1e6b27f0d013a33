<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>GenerationControl</name>
    <message>
        <source>%p%</source>
        <comment>the progress bar&apos;s percentage</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No new puzzle: the system could not start a thread to generate it.</source>
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
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Generating varrit grid..</source>
        <translation type="unfinished"></translation>
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
    <message>
        <source>Max field size is 0, but every field has at least one cell.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min field size %L1 is above Max field size %L2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min field size %L1 is more than the board&apos;s %L2 × %L3 cells.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A board of %L1 × %L2 cells cannot be cut into fields of %L3 to %L4 cells.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No puzzle can meet these settings: Cancel shows the last attempt.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Settings:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rows: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many rows of cells the board has, 1 to 999.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Columns: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many columns of cells the board has, 1 to 999.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seeds: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many rectangles the cutting of the board starts from: more seeds make more, smaller fields.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min field size: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The fewest cells a field may have.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max field size: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The most cells a field may have.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Please, be advised,
 that not every
combination of parameters
 can generate
 playing grid
(in reasonable time)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print to pdf...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the griddle to pdf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Generate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generate new puzzle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+G</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit App</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the application&apos;s About box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Plus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Increase the grid and font size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Minus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decrease the grid and font size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Faq</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>frequently asked question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Application: Varrit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;center&gt;The &lt;b&gt;Varrit&lt;/b&gt; is a japanese puzzle game using modern GUI by Qt.
&lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;&lt;/center&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Application: Varrit</source>
        <comment>the title of the FAQ box</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;center&gt;please visit &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;&lt;/center&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printing to &quot;%1&quot;...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printed to &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no program reads from it</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>varritWidget</name>
    <message>
        <source>That would be very easy, don&apos;t you think? :-)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click a number first: its colour is what you paint.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
