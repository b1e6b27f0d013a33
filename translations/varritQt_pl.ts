<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>GenerationControl</name>
    <message>
        <source>%p%</source>
        <comment>the progress bar&apos;s percentage</comment>
        <translation>%p%</translation>
    </message>
    <message>
        <source>No new puzzle: the system could not start a thread to generate it.</source>
        <translation>Nie utworzono nowej łamigłówki: system nie mógł uruchomić wątku, który by ją wygenerował.</translation>
    </message>
    <message>
        <source>Fields of %L1 to %L2 cells instead of %L3 to %L4, after one attempt.</source>
        <translation>Wielkość prostokątów: od %L1 do %L2 zamiast od %L3 do %L4, po jednej próbie.</translation>
    </message>
    <message numerus="yes">
        <source>Fields of %L1 to %L2 cells instead of %L3 to %L4, after %L5 attempts.</source>
        <translation>
            <numerusform>Wielkość prostokątów: od %L1 do %L2 zamiast od %L3 do %L4, po %L5 próbach.</numerusform>
            <numerusform>Wielkość prostokątów: od %L1 do %L2 zamiast od %L3 do %L4, po %L5 próbach.</numerusform>
            <numerusform>Wielkość prostokątów: od %L1 do %L2 zamiast od %L3 do %L4, po %L5 próbach.</numerusform>
        </translation>
    </message>
    <message>
        <source>Generating varrit grid..</source>
        <translation>Generowanie planszy…</translation>
    </message>
    <message>
        <source>Latest attempt: fields of %L1 to %L2 cells, limits %L3 to %L4.</source>
        <translation>Ostatnia próba: wielkość prostokątów w kratkach od %L1 do %L2, dozwolona od %L3 do %L4.</translation>
    </message>
    <message>
        <source>Some fields are too small and some too large: widen the limits.</source>
        <translation>Część prostokątów jest za mała, a część za duża: poszerz dozwolony zakres.</translation>
    </message>
    <message>
        <source>More seeds make smaller fields.</source>
        <translation>Więcej punktów startowych daje mniejsze prostokąty.</translation>
    </message>
    <message>
        <source>Fewer seeds make larger fields.</source>
        <translation>Mniej punktów startowych daje większe prostokąty.</translation>
    </message>
    <message>
        <source>Max field size is 0, but every field has at least one cell.</source>
        <translation>Największy prostokąt ma mieć 0 kratek, a każdy prostokąt ma co najmniej jedną kratkę.</translation>
    </message>
    <message>
        <source>Min field size %L1 is above Max field size %L2.</source>
        <translation>Najmniejszy prostokąt (%L1) ma być większy niż największy (%L2).</translation>
    </message>
    <message>
        <source>Min field size %L1 is more than the board&apos;s %L2 × %L3 cells.</source>
        <translation>Najmniejszy prostokąt (%L1) ma mieć więcej kratek niż cała plansza %L2 × %L3.</translation>
    </message>
    <message>
        <source>A board of %L1 × %L2 cells cannot be cut into fields of %L3 to %L4 cells.</source>
        <translation>Planszy %L1 × %L2 nie da się podzielić na prostokąty o wielkości od %L3 do %L4 kratek.</translation>
    </message>
    <message>
        <source>No puzzle can meet these settings: Cancel shows the last attempt.</source>
        <translation>Żadna łamigłówka nie spełni tych ustawień: „Anuluj” pokaże ostatnią próbę.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Settings:</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Rows: </source>
        <translation>Wiersze: </translation>
    </message>
    <message>
        <source>How many rows of cells the board has, 1 to 999.</source>
        <translation>Ile wierszy kratek ma plansza: od 1 do 999.</translation>
    </message>
    <message>
        <source>Columns: </source>
        <translation>Kolumny: </translation>
    </message>
    <message>
        <source>How many columns of cells the board has, 1 to 999.</source>
        <translation>Ile kolumn kratek ma plansza: od 1 do 999.</translation>
    </message>
    <message>
        <source>Seeds: </source>
        <translation>Punkty startowe: </translation>
    </message>
    <message>
        <source>How many rectangles the cutting of the board starts from: more seeds make more, smaller fields.</source>
        <translation>Od ilu prostokątów zaczyna się podział planszy: więcej punktów daje więcej mniejszych prostokątów.</translation>
    </message>
    <message>
        <source>Min field size: </source>
        <translation>Min. prostokąt: </translation>
    </message>
    <message>
        <source>The fewest cells a field may have.</source>
        <translation>Najmniejsza dozwolona liczba kratek w prostokącie.</translation>
    </message>
    <message>
        <source>Max field size: </source>
        <translation>Maks. prostokąt: </translation>
    </message>
    <message>
        <source>The most cells a field may have.</source>
        <translation>Największa dozwolona liczba kratek w prostokącie.</translation>
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
Uwaga: nie przy każdym
zestawie ustawień
da się utworzyć
planszę do gry
(w rozsądnym czasie).</translation>
    </message>
    <message>
        <source>&amp;Print to pdf...</source>
        <translation>&amp;Zapisz jako PDF…</translation>
    </message>
    <message>
        <source>Print the griddle to pdf</source>
        <translation>Zapisuje planszę jako plik PDF</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>&amp;Generate</source>
        <translation>&amp;Generuj</translation>
    </message>
    <message>
        <source>Generate new puzzle</source>
        <translation>Tworzy nową łamigłówkę</translation>
    </message>
    <message>
        <source>Ctrl+G</source>
        <translation>Ctrl+G</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>Quit App</source>
        <translation>Zamyka program</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O programie varritQt</translation>
    </message>
    <message>
        <source>Show the application&apos;s About box</source>
        <translation>Pokazuje informacje o programie varritQt</translation>
    </message>
    <message>
        <source>&amp;Plus</source>
        <translation>&amp;Powiększ</translation>
    </message>
    <message>
        <source>Increase the grid and font size</source>
        <translation>Powiększa planszę i czcionkę</translation>
    </message>
    <message>
        <source>&amp;Minus</source>
        <translation>&amp;Zmniejsz</translation>
    </message>
    <message>
        <source>Decrease the grid and font size</source>
        <translation>Zmniejsza planszę i czcionkę</translation>
    </message>
    <message>
        <source>&amp;Faq</source>
        <translation>&amp;Często zadawane pytania</translation>
    </message>
    <message>
        <source>frequently asked question</source>
        <translation>Pokazuje odpowiedzi na często zadawane pytania</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Plik</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>About Application: Varrit</source>
        <translation>O programie varritQt</translation>
    </message>
    <message>
        <source>&lt;center&gt;The &lt;b&gt;Varrit&lt;/b&gt; is a japanese puzzle game using modern GUI by Qt.
&lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;&lt;/center&gt;</source>
        <translation>&lt;center&gt;&lt;b&gt;Varrit&lt;/b&gt; to japońska łamigłówka logiczna z nowoczesnym interfejsem opartym na Qt.
&lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;&lt;/center&gt;</translation>
    </message>
    <message>
        <source>About Application: Varrit</source>
        <comment>the title of the FAQ box</comment>
        <translation>varritQt – często zadawane pytania</translation>
    </message>
    <message>
        <source>&lt;center&gt;please visit &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;&lt;/center&gt;</source>
        <translation>&lt;center&gt;Odpowiedzi znajdziesz na stronie &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;&lt;/center&gt;</translation>
    </message>
    <message>
        <source>Printing to &quot;%1&quot;...</source>
        <translation>Zapisywanie pliku PDF „%1”…</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be written: %2</source>
        <translation>Nie udało się zapisać pliku „%1”: %2</translation>
    </message>
    <message>
        <source>Printed to &quot;%1&quot;</source>
        <translation>Zapisano plik PDF „%1”</translation>
    </message>
    <message>
        <source>no program reads from it</source>
        <translation>żaden program go nie odczytuje</translation>
    </message>
</context>
<context>
    <name>varritWidget</name>
    <message>
        <source>That would be very easy, don&apos;t you think? :-)</source>
        <translation>To byłoby chyba zbyt łatwe, nie sądzisz? :-)</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>Brawo!</translation>
    </message>
    <message>
        <source>Click a number first: its colour is what you paint.</source>
        <translation>Najpierw kliknij liczbę: jej kolorem zamalujesz kratki.</translation>
    </message>
</context>
</TS>
