<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>GenerationControl</name>
    <message>
        <source>No new puzzle: the system could not start a thread to generate it.</source>
        <translation>Pas de nouvelle grille&#xa0;: le système n’a pas pu lancer de fil d’exécution pour la créer.</translation>
    </message>
    <message>
        <source>Generating varrit grid..</source>
        <translation>Création de la grille varrit..</translation>
    </message>
    <message>
        <source>Max field size is 0, but every field has at least one cell.</source>
        <translation>La taille max. de zone est 0, or chaque zone a au moins une case.</translation>
    </message>
    <message>
        <source>Min field size %L1 is above Max field size %L2.</source>
        <translation>La taille min. de zone %L1 dépasse la taille max. %L2.</translation>
    </message>
    <message>
        <source>Min field size %L1 is more than the board&apos;s %L2 × %L3 cells.</source>
        <translation>La taille min. de zone %L1 dépasse les %L2 × %L3 cases de la grille.</translation>
    </message>
    <message>
        <source>A board of %L1 × %L2 cells cannot be cut into fields of %L3 to %L4 cells.</source>
        <translation>Une grille de %L1 × %L2 cases ne peut pas être découpée en zones de %L3 à %L4 cases.</translation>
    </message>
    <message>
        <source>No puzzle can meet these settings: Cancel shows the last attempt.</source>
        <translation>Aucune grille ne respecte ces paramètres&#xa0;: «&#xa0;Annuler&#xa0;» affiche le dernier essai.</translation>
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
        <translation>Paramètres&#xa0;:</translation>
    </message>
    <message>
        <source>Rows: </source>
        <translation>Lignes&#xa0;: </translation>
    </message>
    <message>
        <source>Columns: </source>
        <translation>Colonnes&#xa0;: </translation>
    </message>
    <message>
        <source>Seeds: </source>
        <translation>Germes&#xa0;: </translation>
    </message>
    <message>
        <source>Min field size: </source>
        <translation>Taille min. de zone&#xa0;: </translation>
    </message>
    <message>
        <source>Max field size: </source>
        <translation>Taille max. de zone&#xa0;: </translation>
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
Attention&#xa0;:
 toutes les
combinaisons de paramètres
 ne donnent pas
 une grille jouable
(en un temps raisonnable)</translation>
    </message>
    <message>
        <source>&amp;Print to pdf...</source>
        <translation>&amp;Imprimer en PDF...</translation>
    </message>
    <message>
        <source>Print the griddle to pdf</source>
        <translation>Imprimer la grille en PDF</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>&amp;Generate</source>
        <translation>&amp;Générer</translation>
    </message>
    <message>
        <source>Generate new puzzle</source>
        <translation>Générer une nouvelle grille</translation>
    </message>
    <message>
        <source>Ctrl+G</source>
        <translation>Ctrl+G</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Quit App</source>
        <translation>Quitter le programme</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Show the application&apos;s About box</source>
        <translation>Afficher la boîte À propos</translation>
    </message>
    <message>
        <source>&amp;Plus</source>
        <translation>Zoom &amp;avant</translation>
    </message>
    <message>
        <source>Increase the grid and font size</source>
        <translation>Agrandir la grille et les nombres</translation>
    </message>
    <message>
        <source>&amp;Minus</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>Decrease the grid and font size</source>
        <translation>Réduire la grille et les nombres</translation>
    </message>
    <message>
        <source>&amp;Faq</source>
        <translation>&amp;FAQ</translation>
    </message>
    <message>
        <source>frequently asked question</source>
        <translation>Foire aux questions</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>About Application: Varrit</source>
        <translation>À propos de l’application&#xa0;: Varrit</translation>
    </message>
    <message>
        <source>&lt;center&gt;The &lt;b&gt;Varrit&lt;/b&gt; is a japanese puzzle game using modern GUI by Qt.
&lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;&lt;/center&gt;</source>
        <translation>&lt;center&gt;&lt;b&gt;Varrit&lt;/b&gt; est un jeu de réflexion japonais à l’interface moderne, réalisé avec Qt.
&lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;&lt;/center&gt;</translation>
    </message>
    <message>
        <source>&lt;center&gt;please visit &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;&lt;/center&gt;</source>
        <translation>&lt;center&gt;Rendez-vous sur &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;&lt;/center&gt;</translation>
    </message>
    <message>
        <source>Printing to &quot;%1&quot;...</source>
        <translation>Impression dans «&#xa0;%1&#xa0;»...</translation>
    </message>
    <message>
        <source>Printed to &quot;%1&quot;</source>
        <translation>Imprimé dans «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be written: %2</source>
        <translation>Impossible d’écrire le fichier «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>no program reads from it</source>
        <translation>aucun programme ne le lit</translation>
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
        <translation type="unfinished">À propos de l’application&#xa0;: Varrit</translation>
    </message>
</context>
<context>
    <name>varritWidget</name>
    <message>
        <source>That would be very easy, don&apos;t you think? :-)</source>
        <translation>Ce serait un peu trop facile, vous ne trouvez pas&#xa0;? :-)</translation>
    </message>
    <message>
        <source>Click a number first: its colour is what you paint.</source>
        <translation>Cliquez d’abord sur un nombre&#xa0;: vous peignez dans sa couleur.</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>Bravo&#xa0;!</translation>
    </message>
</context>
</TS>
