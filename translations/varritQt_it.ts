<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>GenerationControl</name>
    <message>
        <source>%p%</source>
        <comment>the progress bar&apos;s percentage</comment>
        <translation>%p%</translation>
    </message>
    <message>
        <source>No new puzzle: the system could not start a thread to generate it.</source>
        <translation>Nessun nuovo rompicapo: il sistema non è riuscito ad avviare la generazione.</translation>
    </message>
    <message>
        <source>Fields of %L1 to %L2 cells instead of %L3 to %L4, after one attempt.</source>
        <translation>Rettangoli da %L1 a %L2 caselle invece che da %L3 a %L4, dopo un tentativo.</translation>
    </message>
    <message numerus="yes">
        <source>Fields of %L1 to %L2 cells instead of %L3 to %L4, after %L5 attempts.</source>
        <translation>
            <numerusform>Rettangoli da %L1 a %L2 caselle invece che da %L3 a %L4, dopo %L5 tentativo.</numerusform>
            <numerusform>Rettangoli da %L1 a %L2 caselle invece che da %L3 a %L4, dopo %L5 tentativi.</numerusform>
        </translation>
    </message>
    <message>
        <source>Generating varrit grid..</source>
        <translation>Generazione della griglia in corso…</translation>
    </message>
    <message>
        <source>Latest attempt: fields of %L1 to %L2 cells, limits %L3 to %L4.</source>
        <translation>Ultimo tentativo: rettangoli da %L1 a %L2 caselle (limiti: da %L3 a %L4).</translation>
    </message>
    <message>
        <source>Some fields are too small and some too large: widen the limits.</source>
        <translation>Alcuni rettangoli sono troppo piccoli e altri troppo grandi: allarga i limiti.</translation>
    </message>
    <message>
        <source>More seeds make smaller fields.</source>
        <translation>Più punti di partenza danno rettangoli più piccoli.</translation>
    </message>
    <message>
        <source>Fewer seeds make larger fields.</source>
        <translation>Meno punti di partenza danno rettangoli più grandi.</translation>
    </message>
    <message>
        <source>Max field size is 0, but every field has at least one cell.</source>
        <translation>Il rettangolo massimo è di 0 caselle, ma ogni rettangolo ne ha almeno una.</translation>
    </message>
    <message>
        <source>Min field size %L1 is above Max field size %L2.</source>
        <translation>Il rettangolo minimo (%L1 caselle) supera il rettangolo massimo (%L2 caselle).</translation>
    </message>
    <message>
        <source>Min field size %L1 is more than the board&apos;s %L2 × %L3 cells.</source>
        <translation>Il rettangolo minimo (%L1 caselle) è più grande dell&apos;intera griglia di %L2 × %L3 caselle.</translation>
    </message>
    <message>
        <source>A board of %L1 × %L2 cells cannot be cut into fields of %L3 to %L4 cells.</source>
        <translation>Una griglia di %L1 × %L2 caselle non si può dividere in rettangoli da %L3 a %L4 caselle.</translation>
    </message>
    <message>
        <source>No puzzle can meet these settings: Cancel shows the last attempt.</source>
        <translation>Nessun rompicapo può rispettare queste impostazioni: «Annulla» mostra l&apos;ultimo tentativo.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Settings:</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Rows: </source>
        <translation>Righe: </translation>
    </message>
    <message>
        <source>How many rows of cells the board has, 1 to 999.</source>
        <translation>Quante righe di caselle ha la griglia, da 1 a 999.</translation>
    </message>
    <message>
        <source>Columns: </source>
        <translation>Colonne: </translation>
    </message>
    <message>
        <source>How many columns of cells the board has, 1 to 999.</source>
        <translation>Quante colonne di caselle ha la griglia, da 1 a 999.</translation>
    </message>
    <message>
        <source>Seeds: </source>
        <translation>Punti di partenza: </translation>
    </message>
    <message>
        <source>How many rectangles the cutting of the board starts from: more seeds make more, smaller fields.</source>
        <translation>Quanti punti di partenza usare per dividere la griglia in rettangoli: più punti danno rettangoli più numerosi e più piccoli.</translation>
    </message>
    <message>
        <source>Min field size: </source>
        <translation>Rettangolo min.: </translation>
    </message>
    <message>
        <source>The fewest cells a field may have.</source>
        <translation>Quante caselle deve avere almeno un rettangolo.</translation>
    </message>
    <message>
        <source>Max field size: </source>
        <translation>Rettangolo max.: </translation>
    </message>
    <message>
        <source>The most cells a field may have.</source>
        <translation>Quante caselle può avere al massimo un rettangolo.</translation>
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
Attenzione: non tutte
le combinazioni
di impostazioni
permettono di generare
una griglia di gioco
(in tempi ragionevoli)</translation>
    </message>
    <message>
        <source>&amp;Print to pdf...</source>
        <translation>&amp;Salva come PDF…</translation>
    </message>
    <message>
        <source>Print the griddle to pdf</source>
        <translation>Salva la griglia in un file PDF</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>&amp;Generate</source>
        <translation>&amp;Genera</translation>
    </message>
    <message>
        <source>Generate new puzzle</source>
        <translation>Genera un nuovo rompicapo</translation>
    </message>
    <message>
        <source>Ctrl+G</source>
        <translation>Ctrl+G</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Quit App</source>
        <translation>Chiude varritQt</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni su varritQt</translation>
    </message>
    <message>
        <source>Show the application&apos;s About box</source>
        <translation>Mostra le informazioni su varritQt</translation>
    </message>
    <message>
        <source>&amp;Plus</source>
        <translation>&amp;Ingrandisci</translation>
    </message>
    <message>
        <source>Increase the grid and font size</source>
        <translation>Ingrandisce la griglia e i caratteri</translation>
    </message>
    <message>
        <source>&amp;Minus</source>
        <translation>&amp;Riduci</translation>
    </message>
    <message>
        <source>Decrease the grid and font size</source>
        <translation>Riduce la griglia e i caratteri</translation>
    </message>
    <message>
        <source>&amp;Faq</source>
        <translation>&amp;Domande frequenti</translation>
    </message>
    <message>
        <source>frequently asked question</source>
        <translation>Mostra le domande frequenti</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>About Application: Varrit</source>
        <translation>Informazioni su varritQt</translation>
    </message>
    <message>
        <source>&lt;center&gt;The &lt;b&gt;Varrit&lt;/b&gt; is a japanese puzzle game using modern GUI by Qt.
&lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;&lt;/center&gt;</source>
        <translation>&lt;center&gt;&lt;b&gt;Varrit&lt;/b&gt; è un rompicapo giapponese con una moderna interfaccia grafica Qt.
&lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;&lt;/center&gt;</translation>
    </message>
    <message>
        <source>About Application: Varrit</source>
        <comment>the title of the FAQ box</comment>
        <translation>Domande frequenti</translation>
    </message>
    <message>
        <source>&lt;center&gt;please visit &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;&lt;/center&gt;</source>
        <translation>&lt;center&gt;Per domande e risposte, visita &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;&lt;/center&gt;</translation>
    </message>
    <message>
        <source>Printing to &quot;%1&quot;...</source>
        <translation>Salvataggio del PDF «%1»…</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be written: %2</source>
        <translation>Impossibile scrivere il file «%1»: %2</translation>
    </message>
    <message>
        <source>Printed to &quot;%1&quot;</source>
        <translation>PDF salvato: «%1»</translation>
    </message>
    <message>
        <source>no program reads from it</source>
        <translation>nessun programma lo sta leggendo</translation>
    </message>
</context>
<context>
    <name>varritWidget</name>
    <message>
        <source>That would be very easy, don&apos;t you think? :-)</source>
        <translation>Così sarebbe fin troppo facile, non trovi? :-)</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>Ben fatto!</translation>
    </message>
    <message>
        <source>Click a number first: its colour is what you paint.</source>
        <translation>Prima fai clic su un numero: colorerai le caselle del suo colore.</translation>
    </message>
</context>
</TS>
