<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>GenerationControl</name>
    <message>
        <source>No new puzzle: the system could not start a thread to generate it.</source>
        <translation>Pas de nouvelle grille&#xa0;: le système n’a pas pu lancer le fil d’exécution chargé de la créer.</translation>
    </message>
    <message>
        <source>Generating varrit grid..</source>
        <translation>Création d’une nouvelle grille…</translation>
    </message>
    <message>
        <source>Max field size is 0, but every field has at least one cell.</source>
        <translation>Le plus grand rectangle autorisé fait 0&#xa0;case, or tout rectangle compte au moins une case.</translation>
    </message>
    <message>
        <source>Min field size %L1 is above Max field size %L2.</source>
        <translation>Le plus petit rectangle autorisé (%L1&#xa0;cases) dépasse le plus grand (%L2).</translation>
    </message>
    <message>
        <source>Min field size %L1 is more than the board&apos;s %L2 × %L3 cells.</source>
        <translation>Le plus petit rectangle autorisé (%L1&#xa0;cases) dépasse les %L2&#xa0;×&#xa0;%L3&#xa0;cases de la grille.</translation>
    </message>
    <message>
        <source>A board of %L1 × %L2 cells cannot be cut into fields of %L3 to %L4 cells.</source>
        <translation>Une grille de %L1&#xa0;×&#xa0;%L2&#xa0;cases ne peut pas être découpée en rectangles de %L3 à %L4&#xa0;cases.</translation>
    </message>
    <message>
        <source>No puzzle can meet these settings: Cancel shows the last attempt.</source>
        <translation>Aucune grille ne peut respecter ces paramètres&#xa0;: «&#xa0;Annuler&#xa0;» affiche le dernier essai.</translation>
    </message>
    <message>
        <source>%p%</source>
        <comment>the progress bar&apos;s percentage</comment>
        <translation>%p&#xa0;%</translation>
    </message>
    <message>
        <source>Fields of %L1 to %L2 cells instead of %L3 to %L4, after one attempt.</source>
        <translation>Rectangles de %L1 à %L2&#xa0;cases au lieu de %L3 à %L4, après un essai.</translation>
    </message>
    <message numerus="yes">
        <source>Fields of %L1 to %L2 cells instead of %L3 to %L4, after %L5 attempts.</source>
        <translation>
            <numerusform>Rectangles de %L1 à %L2&#xa0;cases au lieu de %L3 à %L4, après %L5&#xa0;essai.</numerusform>
            <numerusform>Rectangles de %L1 à %L2&#xa0;cases au lieu de %L3 à %L4, après %L5&#xa0;essais.</numerusform>
        </translation>
    </message>
    <message>
        <source>Latest attempt: fields of %L1 to %L2 cells, limits %L3 to %L4.</source>
        <translation>Dernier essai&#xa0;: rectangles de %L1 à %L2&#xa0;cases au lieu de %L3 à %L4.</translation>
    </message>
    <message>
        <source>Some fields are too small and some too large: widen the limits.</source>
        <translation>Certains rectangles sont trop petits, d’autres trop grands&#xa0;: élargissez les limites.</translation>
    </message>
    <message>
        <source>More seeds make smaller fields.</source>
        <translation>Plus de points de départ donnent des rectangles plus petits.</translation>
    </message>
    <message>
        <source>Fewer seeds make larger fields.</source>
        <translation>Moins de points de départ donnent des rectangles plus grands.</translation>
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
        <translation>Points de départ&#xa0;: </translation>
    </message>
    <message>
        <source>Min field size: </source>
        <translation>Rectangle min.&#xa0;: </translation>
    </message>
    <message>
        <source>Max field size: </source>
        <translation>Rectangle max.&#xa0;: </translation>
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
        <translation>&amp;Enregistrer en PDF…</translation>
    </message>
    <message>
        <source>Print the griddle to pdf</source>
        <translation>Enregistrer la grille dans un fichier PDF</translation>
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
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Quit App</source>
        <translation>Quitter varritQt</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos de varritQt</translation>
    </message>
    <message>
        <source>Show the application&apos;s About box</source>
        <translation>Afficher les informations sur varritQt</translation>
    </message>
    <message>
        <source>&amp;Plus</source>
        <translation>Zoom &amp;avant</translation>
    </message>
    <message>
        <source>Increase the grid and font size</source>
        <translation>Agrandir la grille et ses nombres</translation>
    </message>
    <message>
        <source>&amp;Minus</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>Decrease the grid and font size</source>
        <translation>Réduire la grille et ses nombres</translation>
    </message>
    <message>
        <source>&amp;Faq</source>
        <translation>&amp;FAQ</translation>
    </message>
    <message>
        <source>frequently asked question</source>
        <translation>Consulter la foire aux questions</translation>
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
        <translation>À propos de varritQt</translation>
    </message>
    <message>
        <source>&lt;center&gt;The &lt;b&gt;Varrit&lt;/b&gt; is a japanese puzzle game using modern GUI by Qt.
&lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;&lt;/center&gt;</source>
        <translation>&lt;center&gt;&lt;b&gt;Varrit&lt;/b&gt; est un casse-tête japonais, doté d’une interface moderne réalisée avec Qt.
&lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;&lt;/center&gt;</translation>
    </message>
    <message>
        <source>&lt;center&gt;please visit &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;&lt;/center&gt;</source>
        <translation>&lt;center&gt;Rendez-vous sur &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;&lt;/center&gt;</translation>
    </message>
    <message>
        <source>Printing to &quot;%1&quot;...</source>
        <translation>Enregistrement du PDF «&#xa0;%1&#xa0;»…</translation>
    </message>
    <message>
        <source>Printed to &quot;%1&quot;</source>
        <translation>PDF enregistré&#xa0;: «&#xa0;%1&#xa0;»</translation>
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
        <translation>Nombre de lignes de la grille, de 1 à 999.</translation>
    </message>
    <message>
        <source>How many columns of cells the board has, 1 to 999.</source>
        <translation>Nombre de colonnes de la grille, de 1 à 999.</translation>
    </message>
    <message>
        <source>How many rectangles the cutting of the board starts from: more seeds make more, smaller fields.</source>
        <translation>Nombre de points de départ du découpage&#xa0;: plus il y en a, plus les rectangles sont nombreux et petits.</translation>
    </message>
    <message>
        <source>The fewest cells a field may have.</source>
        <translation>Nombre minimal de cases d’un rectangle.</translation>
    </message>
    <message>
        <source>The most cells a field may have.</source>
        <translation>Nombre maximal de cases d’un rectangle.</translation>
    </message>
    <message>
        <source>About Application: Varrit</source>
        <comment>the title of the FAQ box</comment>
        <translation>Foire aux questions</translation>
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
        <translation>Cliquez d’abord sur un nombre&#xa0;: vous peindrez avec sa couleur.</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>Bravo&#xa0;!</translation>
    </message>
</context>
</TS>
