<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>GenerationControl</name>
    <message>
        <source>%p%</source>
        <comment>the progress bar&apos;s percentage</comment>
        <translation>%p%</translation>
    </message>
    <message>
        <source>No new puzzle: the system could not start a thread to generate it.</source>
        <translation>Não foi possível gerar um novo quebra-cabeça: o sistema não conseguiu iniciar a tarefa de geração.</translation>
    </message>
    <message>
        <source>Fields of %L1 to %L2 cells instead of %L3 to %L4, after one attempt.</source>
        <translation>Retângulos de %L1 a %L2 casas em vez de %L3 a %L4, após uma tentativa.</translation>
    </message>
    <message numerus="yes">
        <source>Fields of %L1 to %L2 cells instead of %L3 to %L4, after %L5 attempts.</source>
        <translation>
            <numerusform>Retângulos de %L1 a %L2 casas em vez de %L3 a %L4, após %L5 tentativa.</numerusform>
            <numerusform>Retângulos de %L1 a %L2 casas em vez de %L3 a %L4, após %L5 tentativas.</numerusform>
        </translation>
    </message>
    <message>
        <source>Generating varrit grid..</source>
        <translation>Gerando um novo tabuleiro…</translation>
    </message>
    <message>
        <source>Latest attempt: fields of %L1 to %L2 cells, limits %L3 to %L4.</source>
        <translation>Última tentativa: retângulos de %L1 a %L2 casas (limites: %L3 a %L4).</translation>
    </message>
    <message>
        <source>Some fields are too small and some too large: widen the limits.</source>
        <translation>Há retângulos pequenos demais e outros grandes demais: amplie os limites.</translation>
    </message>
    <message>
        <source>More seeds make smaller fields.</source>
        <translation>Mais pontos de partida geram retângulos menores.</translation>
    </message>
    <message>
        <source>Fewer seeds make larger fields.</source>
        <translation>Menos pontos de partida geram retângulos maiores.</translation>
    </message>
    <message>
        <source>Max field size is 0, but every field has at least one cell.</source>
        <translation>“Maior retângulo” está em 0, mas todo retângulo tem pelo menos uma casa.</translation>
    </message>
    <message>
        <source>Min field size %L1 is above Max field size %L2.</source>
        <translation>“Menor retângulo” (%L1) é maior que “Maior retângulo” (%L2).</translation>
    </message>
    <message>
        <source>Min field size %L1 is more than the board&apos;s %L2 × %L3 cells.</source>
        <translation>“Menor retângulo” (%L1) é maior que o tabuleiro inteiro (%L2 × %L3 casas).</translation>
    </message>
    <message>
        <source>A board of %L1 × %L2 cells cannot be cut into fields of %L3 to %L4 cells.</source>
        <translation>Um tabuleiro de %L1 × %L2 casas não pode ser dividido em retângulos de %L3 a %L4 casas.</translation>
    </message>
    <message>
        <source>No puzzle can meet these settings: Cancel shows the last attempt.</source>
        <translation>Nenhum quebra-cabeça atende a essas configurações: Cancelar mostra a última tentativa.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Settings:</source>
        <translation>Configurações:</translation>
    </message>
    <message>
        <source>Rows: </source>
        <translation>Linhas: </translation>
    </message>
    <message>
        <source>How many rows of cells the board has, 1 to 999.</source>
        <translation>Quantas linhas de casas o tabuleiro tem, de 1 a 999.</translation>
    </message>
    <message>
        <source>Columns: </source>
        <translation>Colunas: </translation>
    </message>
    <message>
        <source>How many columns of cells the board has, 1 to 999.</source>
        <translation>Quantas colunas de casas o tabuleiro tem, de 1 a 999.</translation>
    </message>
    <message>
        <source>Seeds: </source>
        <translation>Pontos de partida: </translation>
    </message>
    <message>
        <source>How many rectangles the cutting of the board starts from: more seeds make more, smaller fields.</source>
        <translation>De quantos retângulos parte a divisão do tabuleiro: mais pontos de partida geram mais retângulos, e menores.</translation>
    </message>
    <message>
        <source>Min field size: </source>
        <translation>Menor retângulo: </translation>
    </message>
    <message>
        <source>The fewest cells a field may have.</source>
        <translation>Quantas casas um retângulo pode ter, no mínimo.</translation>
    </message>
    <message>
        <source>Max field size: </source>
        <translation>Maior retângulo: </translation>
    </message>
    <message>
        <source>The most cells a field may have.</source>
        <translation>Quantas casas um retângulo pode ter, no máximo.</translation>
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
Atenção: nem toda
combinação de valores
consegue gerar
um tabuleiro jogável
(em tempo razoável)</translation>
    </message>
    <message>
        <source>&amp;Print to pdf...</source>
        <translation>Salvar como &amp;PDF…</translation>
    </message>
    <message>
        <source>Print the griddle to pdf</source>
        <translation>Salva o tabuleiro em um arquivo PDF</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>&amp;Generate</source>
        <translation>&amp;Gerar</translation>
    </message>
    <message>
        <source>Generate new puzzle</source>
        <translation>Gera um novo quebra-cabeça</translation>
    </message>
    <message>
        <source>Ctrl+G</source>
        <translation>Ctrl+G</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>Quit App</source>
        <translation>Fecha o jogo</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre o varritQt</translation>
    </message>
    <message>
        <source>Show the application&apos;s About box</source>
        <translation>Mostra informações sobre o varritQt</translation>
    </message>
    <message>
        <source>&amp;Plus</source>
        <translation>&amp;Aumentar</translation>
    </message>
    <message>
        <source>Increase the grid and font size</source>
        <translation>Aumenta o tabuleiro e o tamanho da fonte</translation>
    </message>
    <message>
        <source>&amp;Minus</source>
        <translation>&amp;Diminuir</translation>
    </message>
    <message>
        <source>Decrease the grid and font size</source>
        <translation>Diminui o tabuleiro e o tamanho da fonte</translation>
    </message>
    <message>
        <source>&amp;Faq</source>
        <translation>&amp;Perguntas frequentes</translation>
    </message>
    <message>
        <source>frequently asked question</source>
        <translation>Mostra as perguntas frequentes</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>About Application: Varrit</source>
        <translation>Sobre o varritQt</translation>
    </message>
    <message>
        <source>&lt;center&gt;The &lt;b&gt;Varrit&lt;/b&gt; is a japanese puzzle game using modern GUI by Qt.
&lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;&lt;/center&gt;</source>
        <translation>&lt;center&gt;O &lt;b&gt;Varrit&lt;/b&gt; é um quebra-cabeça lógico japonês, com uma interface moderna feita em Qt.
&lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;&lt;/center&gt;</translation>
    </message>
    <message>
        <source>About Application: Varrit</source>
        <comment>the title of the FAQ box</comment>
        <translation>Perguntas frequentes</translation>
    </message>
    <message>
        <source>&lt;center&gt;please visit &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;&lt;/center&gt;</source>
        <translation>&lt;center&gt;Veja as respostas em &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;&lt;/center&gt;</translation>
    </message>
    <message>
        <source>Printing to &quot;%1&quot;...</source>
        <translation>Salvando o PDF “%1”…</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be written: %2</source>
        <translation>Não foi possível gravar o arquivo “%1”: %2</translation>
    </message>
    <message>
        <source>Printed to &quot;%1&quot;</source>
        <translation>PDF salvo: “%1”</translation>
    </message>
    <message>
        <source>no program reads from it</source>
        <translation>nenhum programa está recebendo os dados</translation>
    </message>
</context>
<context>
    <name>varritWidget</name>
    <message>
        <source>That would be very easy, don&apos;t you think? :-)</source>
        <translation>Aí seria fácil demais, não acha? :-)</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>Muito bem!</translation>
    </message>
    <message>
        <source>Click a number first: its colour is what you paint.</source>
        <translation>Clique primeiro em um número: você vai pintar com a cor dele.</translation>
    </message>
</context>
</TS>
