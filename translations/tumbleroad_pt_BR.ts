<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
  <context>
    <name>BoardMessage</name>
    <message>
      <source>Player %1</source>
      <translation>Jogador %1</translation>
    </message>
    <message>
      <source>%1 (computer)</source>
      <translation>%1 (computador)</translation>
    </message>
    <message>
      <source>column %1</source>
      <translation>a coluna %1</translation>
    </message>
    <message>
      <source>columns %1 and %2</source>
      <translation>as colunas %1 e %2</translation>
    </message>
    <message>
      <source>%1 busts</source>
      <translation>%1 estourou</translation>
    </message>
    <message>
      <source>%1 cannot play this throw: the turn passes</source>
      <translation>%1 não pode jogar este lance: a vez passa</translation>
    </message>
    <message>
      <source>%1 claims %2</source>
      <translation>%1 conquista %2</translation>
    </message>
    <message>
      <source>%1 wins. F2 starts a new game.</source>
      <translation>%1 vence. F2 começa uma nova partida.</translation>
    </message>
    <message>
      <source>Nobody can win any more. F2 starts a new game.</source>
      <translation>Ninguém pode mais vencer. F2 começa uma nova partida.</translation>
    </message>
      <message>
      <source>column %1 at cell %2</source>
      <translation>coluna %1 na casa %2</translation>
    </message>
    <message>
      <source>%1 stops: %2</source>
      <translation>%1 para: %2</translation>
    </message>
    <message>
      <source>%1. %2</source>
      <translation>%1. %2</translation>
    </message>
    <message>
      <source>%1: roll or stop</source>
      <translation>%1: jogue de novo ou pare</translation>
    </message>
    <message>
      <source>%1: choose two dice</source>
      <translation>%1: escolha dois dados</translation>
    </message>
</context>
  <context>
    <name>BoardParts</name>
    <message>
      <source>Tumbleroad board</source>
      <translation>Tabuleiro do Tumbleroad</translation>
    </message>
    <message>
      <source>Keys: 1, 2, 3 and 4 choose or put back the top-left, top-right, bottom-left and bottom-right die; Enter plays the two chosen dice as a pair; R presses ROLL; S presses STOP. F2 starts a new game, F1 opens the help.</source>
      <translation>Teclas: 1, 2, 3 e 4 escolhem ou devolvem o dado de cima à esquerda, de cima à direita, de baixo à esquerda e de baixo à direita; Enter joga os dois dados escolhidos como par; R aperta “Rolar”; S aperta “Parar”. F2 começa uma nova partida, F1 abre a ajuda.</translation>
    </message>
    <message>
      <source>ROLL</source>
      <translation>Rolar</translation>
    </message>
    <message>
      <source>Throw the four dice again</source>
      <translation>Lançar os quatro dados de novo</translation>
    </message>
    <message>
      <source>STOP</source>
      <translation>Parar</translation>
    </message>
    <message>
      <source>Keep what you climbed and pass the turn</source>
      <translation>Guardar o que subiu e passar a vez</translation>
    </message>
  </context>
  <context>
    <name>BoardWords</name>
    <message>
      <source>Top-left die: %1</source>
      <translation>Dado de cima à esquerda: %1</translation>
    </message>
    <message>
      <source>Top-right die: %1</source>
      <translation>Dado de cima à direita: %1</translation>
    </message>
    <message>
      <source>Bottom-left die: %1</source>
      <translation>Dado de baixo à esquerda: %1</translation>
    </message>
    <message>
      <source>Bottom-right die: %1</source>
      <translation>Dado de baixo à direita: %1</translation>
    </message>
    <message>
      <source>Player %1</source>
      <translation>Jogador %1</translation>
    </message>
    <message>
      <source>used</source>
      <translation>usado</translation>
    </message>
    <message>
      <source>Column %1: claimed by %2</source>
      <translation>Coluna %1: conquistada por %2</translation>
    </message>
    <message>
      <source>%1 at %2</source>
      <translation>%1 em %2</translation>
    </message>
    <message>
      <source>white peg at %1</source>
      <translation>pino branco em %1</translation>
    </message>
    <message>
      <source>Column %1: %2</source>
      <translation>Coluna %1: %2</translation>
    </message>
    <message>
      <source>empty</source>
      <translation>vazia</translation>
    </message>
    <message>
      <source>, </source>
      <translation>, </translation>
    </message>
    <message>
      <source>%1 cells</source>
      <translation>%1 casas</translation>
    </message>
    <message>
      <source>Winner %1</source>
      <translation>Vencedor %1</translation>
    </message>
    <message>
      <source>No Winner</source>
      <translation>Sem vencedor</translation>
    </message>
  </context>
  <context>
    <name>CommandLine</name>
    <message>
      <source>--seed may be given only once.</source>
      <translation>--seed só pode ser dado uma vez.</translation>
    </message>
    <message>
      <source>invalid seed '%1': give a whole number from 0 to %2.</source>
      <translation>semente “%1” inválida: dê um número inteiro de 0 a %2.</translation>
    </message>
    <message>
      <source>too many file names: '%1'.</source>
      <translation>nomes de arquivo demais: “%1”.</translation>
    </message>
    <message>
      <source>Usage: %1 [OPTION]... [FILE]
Play Tumbleroad, a push-your-luck dice game for two to four players,
each one a person at the mouse or the computer.

      --seed=N     throw the dice from the fixed seed N (0 to 4294967295),
                   so that the same moves replay the same game;
                   without it the dice follow the clock
      --help       display this help and exit
      --version    output version information and exit

FILE, if given, must be a file that can be read; the game reads nothing
from it and starts as usual.

Press F1 in the game for the rules and how to play.
</source>
      <translation>Uso: %1 [OPÇÃO]... [ARQUIVO]
Joga Tumbleroad, um jogo de dados de sorte e ousadia para dois a quatro jogadores,
cada um uma pessoa no mouse ou o computador.

      --seed=N     lança os dados a partir da semente fixa N (0 a 4294967295),
                   para que as mesmas jogadas repitam a mesma partida;
                   sem ela os dados seguem o relógio
      --help       mostra esta ajuda e sai
      --version    mostra a versão e sai

ARQUIVO, se dado, deve ser um arquivo legível; o jogo não lê nada
dele e começa como de costume.

Pressione F1 no jogo para as regras e como jogar.
</translation>
    </message>
    <message>
      <source>%1: %2
Try '%1 --help' for more information.
</source>
      <translation>%1: %2
Tente “%1 --help” para mais informações.
</translation>
    </message>
    <message>
      <source>the board&apos;s scale: 1 to 16, or 0 as the screen gives (0)</source>
      <translation>a escala do tabuleiro: 1 a 16, ou 0 conforme a tela (0)</translation>
    </message>
    <message>
      <source>columns to claim to win, 2 to 4 (3)</source>
      <translation>colunas a conquistar para vencer, 2 a 4 (3)</translation>
    </message>
    <message>
      <source>players the computer plays: 2 or 2,3,4 (none)</source>
      <translation>jogadores que o computador joga: 2 ou 2,3,4 (nenhum)</translation>
    </message>
    <message>
      <source>number of players, 2 to 4 (2)</source>
      <translation>número de jogadores, 2 a 4 (2)</translation>
    </message>
    <message>
      <source>the computer&apos;s pace: slow, normal or fast (normal)</source>
      <translation>velocidade do computador: slow, normal ou fast (normal)</translation>
    </message>
    <message>
      <source>the computer&apos;s play: classic or strong (classic)</source>
      <translation>força do computador: classic ou strong (classic)</translation>
    </message>
    <message>
      <source>a whole number from %1 to %2</source>
      <translation>um número inteiro de %1 a %2</translation>
    </message>
    <message>
      <source>one of %1</source>
      <translation>um de: %1</translation>
    </message>
    <message>
      <source>player numbers from 1 to %1, each at most once, separated by commas</source>
      <translation>números de jogador de 1 a %1, cada um no máximo uma vez, separados por vírgulas</translation>
    </message>
    <message>
      <source>--%1 may be given only once.</source>
      <translation>--%1 só pode ser indicado uma vez.</translation>
    </message>
    <message>
      <source>invalid value &apos;%1&apos; for --%2: give %3.</source>
      <translation>valor “%1” inválido para --%2: indique %3.</translation>
    </message>
    <message>
      <source>--computer gives player %1, but the game has %2 players: give player numbers from 1 to %2, or more --players.</source>
      <translation>--computer indica o jogador %1, mas a partida tem %2 jogadores: indique números de jogador de 1 a %2, ou mais --players.</translation>
    </message>
    <message>
      <source>The first game&apos;s options, as if chosen in the Options menu:</source>
      <translation>As opções da primeira partida, como se escolhidas no menu Opções:</translation>
    </message>
  </context>
  <context>
    <name>Dialog</name>
    <message>
      <source>About Tumbleroad</source>
      <translation>Sobre o Tumbleroad</translation>
    </message>
    <message>
      <source>Licence: GPL-3.0-or-later</source>
      <translation>Licença: GPL-3.0-or-later</translation>
    </message>
    <message>
      <source>OK</source>
      <translation>OK</translation>
    </message>
    <message>
      <source>Number of Columns</source>
      <translation>Número de colunas</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Cancelar</translation>
    </message>
    <message>
      <source>Two Columns</source>
      <translation>Duas colunas</translation>
    </message>
    <message>
      <source>Three Columns</source>
      <translation>Três colunas</translation>
    </message>
    <message>
      <source>Four Columns</source>
      <translation>Quatro colunas</translation>
    </message>
    <message>
      <source>Select Number of Players</source>
      <translation>Escolher o número de jogadores</translation>
    </message>
    <message>
      <source>2 Players</source>
      <translation>2 jogadores</translation>
    </message>
    <message>
      <source>3 Players</source>
      <translation>3 jogadores</translation>
    </message>
    <message>
      <source>4 Players</source>
      <translation>4 jogadores</translation>
    </message>
    <message>
      <source>Select Players</source>
      <translation>Escolher jogadores</translation>
    </message>
    <message>
      <source>Human</source>
      <translation>Humano</translation>
    </message>
    <message>
      <source>Player 1</source>
      <translation>Jogador 1</translation>
    </message>
    <message>
      <source>Computer</source>
      <translation>Computador</translation>
    </message>
    <message>
      <source>Player 2</source>
      <translation>Jogador 2</translation>
    </message>
    <message>
      <source>Player 3</source>
      <translation>Jogador 3</translation>
    </message>
    <message>
      <source>Player 4</source>
      <translation>Jogador 4</translation>
    </message>
  </context>
  <context>
    <name>FileNames</name>
    <message>
      <source>cannot open &apos;%1&apos;: %2</source>
      <translation>não é possível abrir “%1”: %2</translation>
    </message>
    <message>
      <source>it is a named pipe that nothing writes to</source>
      <translation>é um pipe nomeado no qual nada escreve</translation>
    </message>
  </context>
  <context>
    <name>HelpBrowser</name>
    <message>
      <source>it is not a file of the help book</source>
      <translation>não é um arquivo do livro de ajuda</translation>
    </message>
    <message>
      <source>it is larger than a help page can be</source>
      <translation>é maior do que uma página de ajuda pode ser</translation>
    </message>
    <message>
      <source>&lt;html&gt;&lt;head&gt;&lt;title&gt;Not shown&lt;/title&gt;&lt;/head&gt;&lt;body&gt;&lt;h2&gt;Not shown&lt;/h2&gt;&lt;p&gt;%1 is not shown: %2.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
      <translation>&lt;html&gt;&lt;head&gt;&lt;title&gt;Não exibida&lt;/title&gt;&lt;/head&gt;&lt;body&gt;&lt;h2&gt;Não exibida&lt;/h2&gt;&lt;p&gt;%1 não é exibida: %2.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
  </context>
  <context>
    <name>HelpWindow</name>
    <message>
      <source>&amp;Contents</source>
      <translation>&amp;Sumário</translation>
    </message>
    <message>
      <source>&amp;Back</source>
      <translation>&amp;Voltar</translation>
    </message>
    <message>
      <source>&amp;Forward</source>
      <translation>&amp;Avançar</translation>
    </message>
  </context>
  <context>
    <name>Hint</name>
    <message>
      <source>Hint: play %1 and %2, column %3</source>
      <translation>Dica: jogue %1 e %2, coluna %3</translation>
    </message>
    <message>
      <source>Hint: roll again. The next throw busts %1 % of the time</source>
      <translation>Dica: role de novo. O próximo lance estoura %1 % das vezes</translation>
    </message>
    <message>
      <source>Hint: stop. The next throw would bust %1 % of the time</source>
      <translation>Dica: pare. O próximo lance estouraria %1 % das vezes</translation>
    </message>
    <message>
      <source>No hint now</source>
      <translation>Nenhuma dica agora</translation>
    </message>
  </context>
  <context>
    <name>Menu</name>
    <message>
      <source>&amp;New	F2</source>
      <translation>&amp;Nova	F2</translation>
    </message>
    <message>
      <source>E&amp;xit</source>
      <translation>Sai&amp;r</translation>
    </message>
    <message>
      <source>&amp;Slow</source>
      <translation>&amp;Lenta</translation>
    </message>
    <message>
      <source>&amp;Normal</source>
      <translation>&amp;Normal</translation>
    </message>
    <message>
      <source>&amp;Fast</source>
      <translation>&amp;Rápida</translation>
    </message>
    <message>
      <source>&amp;Number of Columns</source>
      <translation>Número de &amp;colunas</translation>
    </message>
    <message>
      <source>&amp;Players</source>
      <translation>&amp;Jogadores</translation>
    </message>
    <message>
      <source>Number of Players</source>
      <translation>Número de jogadores</translation>
    </message>
    <message>
      <source>&amp;Speed</source>
      <translation>&amp;Velocidade</translation>
    </message>
    <message>
      <source>&amp;Help Topics</source>
      <translation>&amp;Tópicos de ajuda</translation>
    </message>
    <message>
      <source>&amp;About Tumbleroad.</source>
      <translation>&amp;Sobre o Tumbleroad.</translation>
    </message>
    <message>
      <source>&amp;Game</source>
      <translation>&amp;Jogo</translation>
    </message>
    <message>
      <source>&amp;Options</source>
      <translation>&amp;Opções</translation>
    </message>
    <message>
      <source>&amp;Help</source>
      <translation>Aj&amp;uda</translation>
    </message>
    <message>
      <source>&amp;Hint	H</source>
      <translation>&amp;Dica	H</translation>
    </message>
    <message>
      <source>&amp;Classic</source>
      <translation>&amp;Clássico</translation>
    </message>
    <message>
      <source>S&amp;trong</source>
      <translation>&amp;Forte</translation>
    </message>
    <message>
      <source>Computer S&amp;trength</source>
      <translation>&amp;Força do computador</translation>
    </message>
    <message>
      <source>&amp;Remember Options</source>
      <translation>&amp;Lembrar opções</translation>
    </message>
  </context>
  <context>
    <name>Startup</name>
    <message>
      <source>Tumbleroad cannot start: %1</source>
      <translation>O Tumbleroad não pode iniciar: %1</translation>
    </message>
  </context>
  <context>
    <name>StoredOptions</name>
    <message>
      <source>cannot read the remembered options in %1 (%2); the game starts with the usual options</source>
      <translation>não é possível ler as opções lembradas em %1 (%2); o jogo começa com as opções de sempre</translation>
    </message>
    <message>
      <source>not a file of remembered options</source>
      <translation>não é um arquivo de opções lembradas</translation>
    </message>
    <message>
      <source>the remembered option %1 in %2 is &apos;%3&apos;, not %4; the game uses %5</source>
      <translation>a opção lembrada %1 em %2 é “%3”, não %4; o jogo usa %5</translation>
    </message>
    <message>
      <source>the folder %1 cannot be made</source>
      <translation>não é possível criar a pasta %1</translation>
    </message>
    <message>
      <source>The options cannot be remembered: %1 cannot be written (%2). The game goes on with them.</source>
      <translation>As opções não podem ser lembradas: não é possível gravar %1 (%2). O jogo continua com elas.</translation>
    </message>
    <message>
      <source>The remembered options cannot be forgotten: %1 cannot be deleted (%2).</source>
      <translation>As opções lembradas não podem ser esquecidas: não é possível apagar %1 (%2).</translation>
    </message>
  </context>
  <context>
    <name>TitleBar</name>
    <message>
      <source>Drag to move the window</source>
      <translation>Arraste para mover a janela</translation>
    </message>
  </context>
  <context>
    <name>WinHelp</name>
    <message>
      <source>Help</source>
      <translation>Ajuda</translation>
    </message>
    <message>
      <source>The help book %1 cannot be found.

These folders were searched:
%2</source>
      <translation>O livro de ajuda %1 não foi encontrado.

Estas pastas foram pesquisadas:
%2</translation>
    </message>
  </context>
</TS>