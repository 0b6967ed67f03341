<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
  <context>
    <name>BoardMessage</name>
    <message>
      <source>Player %1</source>
      <translation>Jugador %1</translation>
    </message>
    <message>
      <source>%1 (computer)</source>
      <translation>%1 (ordenador)</translation>
    </message>
    <message>
      <source>column %1</source>
      <translation>la columna %1</translation>
    </message>
    <message>
      <source>columns %1 and %2</source>
      <translation>las columnas %1 y %2</translation>
    </message>
    <message>
      <source>%1 busts</source>
      <translation>%1 se pasa</translation>
    </message>
    <message>
      <source>%1 cannot play this throw: the turn passes</source>
      <translation>%1 no puede jugar esta tirada: el turno pasa</translation>
    </message>
    <message>
      <source>%1 claims %2</source>
      <translation>%1 conquista %2</translation>
    </message>
    <message>
      <source>%1 wins. F2 starts a new game.</source>
      <translation>%1 gana. F2 empieza una partida nueva.</translation>
    </message>
    <message>
      <source>Nobody can win any more. F2 starts a new game.</source>
      <translation>Ya nadie puede ganar. F2 empieza una partida nueva.</translation>
    </message>
      <message>
      <source>column %1 at cell %2</source>
      <translation>columna %1 en la casilla %2</translation>
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
      <translation>%1: tire o pare</translation>
    </message>
    <message>
      <source>%1: choose two dice</source>
      <translation>%1: elija dos dados</translation>
    </message>
</context>
  <context>
    <name>BoardParts</name>
    <message>
      <source>Tumbleroad board</source>
      <translation>Tablero de Tumbleroad</translation>
    </message>
    <message>
      <source>Keys: 1, 2, 3 and 4 choose or put back the top-left, top-right, bottom-left and bottom-right die; Enter plays the two chosen dice as a pair; R presses ROLL; S presses STOP. F2 starts a new game, F1 opens the help.</source>
      <translation>Teclas: 1, 2, 3 y 4 eligen o devuelven el dado de arriba a la izquierda, arriba a la derecha, abajo a la izquierda y abajo a la derecha; Intro juega los dos dados elegidos como pareja; R pulsa «Tirar»; S pulsa «Parar». F2 empieza una partida nueva, F1 abre la ayuda.</translation>
    </message>
    <message>
      <source>ROLL</source>
      <translation>Tirar</translation>
    </message>
    <message>
      <source>Throw the four dice again</source>
      <translation>Volver a tirar los cuatro dados</translation>
    </message>
    <message>
      <source>STOP</source>
      <translation>Parar</translation>
    </message>
    <message>
      <source>Keep what you climbed and pass the turn</source>
      <translation>Conservar lo escalado y pasar el turno</translation>
    </message>
  </context>
  <context>
    <name>BoardWords</name>
    <message>
      <source>Top-left die: %1</source>
      <translation>Dado de arriba a la izquierda: %1</translation>
    </message>
    <message>
      <source>Top-right die: %1</source>
      <translation>Dado de arriba a la derecha: %1</translation>
    </message>
    <message>
      <source>Bottom-left die: %1</source>
      <translation>Dado de abajo a la izquierda: %1</translation>
    </message>
    <message>
      <source>Bottom-right die: %1</source>
      <translation>Dado de abajo a la derecha: %1</translation>
    </message>
    <message>
      <source>Player %1</source>
      <translation>Jugador %1</translation>
    </message>
    <message>
      <source>used</source>
      <translation>usado</translation>
    </message>
    <message>
      <source>Column %1: claimed by %2</source>
      <translation>Columna %1: conquistada por %2</translation>
    </message>
    <message>
      <source>%1 at %2</source>
      <translation>%1 en %2</translation>
    </message>
    <message>
      <source>white peg at %1</source>
      <translation>ficha blanca en %1</translation>
    </message>
    <message>
      <source>Column %1: %2</source>
      <translation>Columna %1: %2</translation>
    </message>
    <message>
      <source>empty</source>
      <translation>vacía</translation>
    </message>
    <message>
      <source>, </source>
      <translation>, </translation>
    </message>
    <message>
      <source>%1 cells</source>
      <translation>%1 casillas</translation>
    </message>
    <message>
      <source>Winner %1</source>
      <translation>Ganador %1</translation>
    </message>
    <message>
      <source>No Winner</source>
      <translation>Sin ganador</translation>
    </message>
  </context>
  <context>
    <name>CommandLine</name>
    <message>
      <source>--seed may be given only once.</source>
      <translation>--seed solo puede darse una vez.</translation>
    </message>
    <message>
      <source>invalid seed '%1': give a whole number from 0 to %2.</source>
      <translation>semilla «%1» no válida: indique un número entero de 0 a %2.</translation>
    </message>
    <message>
      <source>too many file names: '%1'.</source>
      <translation>demasiados nombres de archivo: «%1».</translation>
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
      <translation>Uso: %1 [OPCIÓN]... [ARCHIVO]
Juega a Tumbleroad, un juego de dados de suerte y audacia para dos a cuatro jugadores,
cada uno una persona con el ratón o el ordenador.

      --seed=N     tira los dados desde la semilla fija N (0 a 4294967295),
                   para que las mismas jugadas repitan la misma partida;
                   sin ella los dados siguen al reloj
      --help       muestra esta ayuda y sale
      --version    muestra la versión y sale

ARCHIVO, si se da, debe ser un archivo legible; el juego no lee nada
de él y empieza como siempre.

Pulse F1 en el juego para ver las reglas y cómo jugar.
</translation>
    </message>
    <message>
      <source>%1: %2
Try '%1 --help' for more information.
</source>
      <translation>%1: %2
Pruebe «%1 --help» para más información.
</translation>
    </message>
    <message>
      <source>the board&apos;s scale: 1 to 16, or 0 as the screen gives (0)</source>
      <translation>la escala del tablero: 1 a 16, o 0 según la pantalla (0)</translation>
    </message>
    <message>
      <source>columns to claim to win, 2 to 4 (3)</source>
      <translation>columnas que conquistar para ganar, 2 a 4 (3)</translation>
    </message>
    <message>
      <source>players the computer plays: 2 or 2,3,4 (none)</source>
      <translation>jugadores que juega el ordenador: 2 o 2,3,4 (ninguno)</translation>
    </message>
    <message>
      <source>number of players, 2 to 4 (2)</source>
      <translation>número de jugadores, 2 a 4 (2)</translation>
    </message>
    <message>
      <source>the computer&apos;s pace: slow, normal or fast (normal)</source>
      <translation>velocidad del ordenador: slow, normal o fast (normal)</translation>
    </message>
    <message>
      <source>the computer&apos;s play: classic or strong (classic)</source>
      <translation>fuerza del ordenador: classic o strong (classic)</translation>
    </message>
    <message>
      <source>a whole number from %1 to %2</source>
      <translation>un número entero de %1 a %2</translation>
    </message>
    <message>
      <source>one of %1</source>
      <translation>uno de: %1</translation>
    </message>
    <message>
      <source>player numbers from 1 to %1, each at most once, separated by commas</source>
      <translation>números de jugador de 1 a %1, cada uno como mucho una vez, separados por comas</translation>
    </message>
    <message>
      <source>--%1 may be given only once.</source>
      <translation>--%1 solo se puede indicar una vez.</translation>
    </message>
    <message>
      <source>invalid value &apos;%1&apos; for --%2: give %3.</source>
      <translation>valor «%1» no válido para --%2: indique %3.</translation>
    </message>
    <message>
      <source>--computer gives player %1, but the game has %2 players: give player numbers from 1 to %2, or more --players.</source>
      <translation>--computer indica el jugador %1, pero la partida tiene %2 jugadores: indique números de jugador de 1 a %2, o más --players.</translation>
    </message>
    <message>
      <source>The first game&apos;s options, as if chosen in the Options menu:</source>
      <translation>Las opciones de la primera partida, como si se eligieran en el menú Opciones:</translation>
    </message>
  </context>
  <context>
    <name>Dialog</name>
    <message>
      <source>About Tumbleroad</source>
      <translation>Acerca de Tumbleroad</translation>
    </message>
    <message>
      <source>Licence: GPL-3.0-or-later</source>
      <translation>Licencia: GPL-3.0-or-later</translation>
    </message>
    <message>
      <source>OK</source>
      <translation>Aceptar</translation>
    </message>
    <message>
      <source>Number of Columns</source>
      <translation>Número de columnas</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Cancelar</translation>
    </message>
    <message>
      <source>Two Columns</source>
      <translation>Dos columnas</translation>
    </message>
    <message>
      <source>Three Columns</source>
      <translation>Tres columnas</translation>
    </message>
    <message>
      <source>Four Columns</source>
      <translation>Cuatro columnas</translation>
    </message>
    <message>
      <source>Select Number of Players</source>
      <translation>Elegir el número de jugadores</translation>
    </message>
    <message>
      <source>2 Players</source>
      <translation>2 jugadores</translation>
    </message>
    <message>
      <source>3 Players</source>
      <translation>3 jugadores</translation>
    </message>
    <message>
      <source>4 Players</source>
      <translation>4 jugadores</translation>
    </message>
    <message>
      <source>Select Players</source>
      <translation>Elegir jugadores</translation>
    </message>
    <message>
      <source>Human</source>
      <translation>Humano</translation>
    </message>
    <message>
      <source>Player 1</source>
      <translation>Jugador 1</translation>
    </message>
    <message>
      <source>Computer</source>
      <translation>Ordenador</translation>
    </message>
    <message>
      <source>Player 2</source>
      <translation>Jugador 2</translation>
    </message>
    <message>
      <source>Player 3</source>
      <translation>Jugador 3</translation>
    </message>
    <message>
      <source>Player 4</source>
      <translation>Jugador 4</translation>
    </message>
  </context>
  <context>
    <name>FileNames</name>
    <message>
      <source>cannot open &apos;%1&apos;: %2</source>
      <translation>no se puede abrir «%1»: %2</translation>
    </message>
    <message>
      <source>it is a named pipe that nothing writes to</source>
      <translation>es una tubería con nombre en la que nada escribe</translation>
    </message>
  </context>
  <context>
    <name>HelpBrowser</name>
    <message>
      <source>it is not a file of the help book</source>
      <translation>no es un archivo del libro de ayuda</translation>
    </message>
    <message>
      <source>it is larger than a help page can be</source>
      <translation>es más grande de lo que puede ser una página de ayuda</translation>
    </message>
    <message>
      <source>&lt;html&gt;&lt;head&gt;&lt;title&gt;Not shown&lt;/title&gt;&lt;/head&gt;&lt;body&gt;&lt;h2&gt;Not shown&lt;/h2&gt;&lt;p&gt;%1 is not shown: %2.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
      <translation>&lt;html&gt;&lt;head&gt;&lt;title&gt;No mostrado&lt;/title&gt;&lt;/head&gt;&lt;body&gt;&lt;h2&gt;No mostrado&lt;/h2&gt;&lt;p&gt;%1 no se muestra: %2.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
  </context>
  <context>
    <name>HelpWindow</name>
    <message>
      <source>&amp;Contents</source>
      <translation>Í&amp;ndice</translation>
    </message>
    <message>
      <source>&amp;Back</source>
      <translation>&amp;Atrás</translation>
    </message>
    <message>
      <source>&amp;Forward</source>
      <translation>A&amp;delante</translation>
    </message>
  </context>
  <context>
    <name>Hint</name>
    <message>
      <source>Hint: play %1 and %2, column %3</source>
      <translation>Pista: juegue %1 y %2, columna %3</translation>
    </message>
    <message>
      <source>Hint: roll again. The next throw busts %1 % of the time</source>
      <translation>Pista: tire otra vez. La próxima tirada se pasa el %1 % de las veces</translation>
    </message>
    <message>
      <source>Hint: stop. The next throw would bust %1 % of the time</source>
      <translation>Pista: pare. La próxima tirada se pasaría el %1 % de las veces</translation>
    </message>
    <message>
      <source>No hint now</source>
      <translation>Ninguna pista ahora</translation>
    </message>
  </context>
  <context>
    <name>Menu</name>
    <message>
      <source>&amp;New	F2</source>
      <translation>&amp;Nueva	F2</translation>
    </message>
    <message>
      <source>E&amp;xit</source>
      <translation>&amp;Salir</translation>
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
      <translation>Número de &amp;columnas</translation>
    </message>
    <message>
      <source>&amp;Players</source>
      <translation>&amp;Jugadores</translation>
    </message>
    <message>
      <source>Number of Players</source>
      <translation>Número de jugadores</translation>
    </message>
    <message>
      <source>&amp;Speed</source>
      <translation>&amp;Velocidad</translation>
    </message>
    <message>
      <source>&amp;Help Topics</source>
      <translation>&amp;Temas de ayuda</translation>
    </message>
    <message>
      <source>&amp;About Tumbleroad.</source>
      <translation>&amp;Acerca de Tumbleroad.</translation>
    </message>
    <message>
      <source>&amp;Game</source>
      <translation>&amp;Partida</translation>
    </message>
    <message>
      <source>&amp;Options</source>
      <translation>&amp;Opciones</translation>
    </message>
    <message>
      <source>&amp;Help</source>
      <translation>A&amp;yuda</translation>
    </message>
    <message>
      <source>&amp;Hint	H</source>
      <translation>&amp;Pista	H</translation>
    </message>
    <message>
      <source>&amp;Classic</source>
      <translation>&amp;Clásico</translation>
    </message>
    <message>
      <source>S&amp;trong</source>
      <translation>&amp;Fuerte</translation>
    </message>
    <message>
      <source>Computer S&amp;trength</source>
      <translation>&amp;Fuerza del ordenador</translation>
    </message>
    <message>
      <source>&amp;Remember Options</source>
      <translation>&amp;Recordar opciones</translation>
    </message>
  </context>
  <context>
    <name>Startup</name>
    <message>
      <source>Tumbleroad cannot start: %1</source>
      <translation>Tumbleroad no puede iniciarse: %1</translation>
    </message>
  </context>
  <context>
    <name>StoredOptions</name>
    <message>
      <source>cannot read the remembered options in %1 (%2); the game starts with the usual options</source>
      <translation>no se pueden leer las opciones recordadas en %1 (%2); el juego empieza con las opciones habituales</translation>
    </message>
    <message>
      <source>not a file of remembered options</source>
      <translation>no es un archivo de opciones recordadas</translation>
    </message>
    <message>
      <source>the remembered option %1 in %2 is &apos;%3&apos;, not %4; the game uses %5</source>
      <translation>la opción recordada %1 en %2 es «%3», no %4; el juego usa %5</translation>
    </message>
    <message>
      <source>the folder %1 cannot be made</source>
      <translation>no se puede crear la carpeta %1</translation>
    </message>
    <message>
      <source>The options cannot be remembered: %1 cannot be written (%2). The game goes on with them.</source>
      <translation>No se pueden recordar las opciones: no se puede escribir %1 (%2). El juego sigue con ellas.</translation>
    </message>
    <message>
      <source>The remembered options cannot be forgotten: %1 cannot be deleted (%2).</source>
      <translation>No se pueden olvidar las opciones recordadas: no se puede borrar %1 (%2).</translation>
    </message>
  </context>
  <context>
    <name>TitleBar</name>
    <message>
      <source>Drag to move the window</source>
      <translation>Arrastre para mover la ventana</translation>
    </message>
  </context>
  <context>
    <name>WinHelp</name>
    <message>
      <source>Help</source>
      <translation>Ayuda</translation>
    </message>
    <message>
      <source>The help book %1 cannot be found.

These folders were searched:
%2</source>
      <translation>No se encuentra el libro de ayuda %1.

Se buscó en estas carpetas:
%2</translation>
    </message>
  </context>
</TS>