<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
  <context>
    <name>BoardMessage</name>
    <message>
      <source>Player %1</source>
      <translation>Giocatore %1</translation>
    </message>
    <message>
      <source>%1 (computer)</source>
      <translation>%1 (computer)</translation>
    </message>
    <message>
      <source>column %1</source>
      <translation>la colonna %1</translation>
    </message>
    <message>
      <source>columns %1 and %2</source>
      <translation>le colonne %1 e %2</translation>
    </message>
    <message>
      <source>%1 busts</source>
      <translation>%1 sballa</translation>
    </message>
    <message>
      <source>%1 cannot play this throw: the turn passes</source>
      <translation>%1 non può giocare questo lancio: il turno passa</translation>
    </message>
    <message>
      <source>%1 claims %2</source>
      <translation>%1 conquista %2</translation>
    </message>
    <message>
      <source>%1 wins. F2 starts a new game.</source>
      <translation>%1 vince. F2 avvia una nuova partita.</translation>
    </message>
    <message>
      <source>Nobody can win any more. F2 starts a new game.</source>
      <translation>Nessuno può più vincere. F2 avvia una nuova partita.</translation>
    </message>
      <message>
      <source>column %1 at cell %2</source>
      <translation>colonna %1 alla casella %2</translation>
    </message>
    <message>
      <source>%1 stops: %2</source>
      <translation>%1 si ferma: %2</translation>
    </message>
    <message>
      <source>%1. %2</source>
      <translation>%1. %2</translation>
    </message>
    <message>
      <source>%1: roll or stop</source>
      <translation>%1: rilancia o fermati</translation>
    </message>
    <message>
      <source>%1: choose two dice</source>
      <translation>%1: scegli due dadi</translation>
    </message>
</context>
  <context>
    <name>BoardParts</name>
    <message>
      <source>Tumbleroad board</source>
      <translation>Tabellone di Tumbleroad</translation>
    </message>
    <message>
      <source>Keys: 1, 2, 3 and 4 choose or put back the top-left, top-right, bottom-left and bottom-right die; Enter plays the two chosen dice as a pair; R presses ROLL; S presses STOP. F2 starts a new game, F1 opens the help.</source>
      <translation>Tasti: 1, 2, 3 e 4 scelgono o rimettono il dado in alto a sinistra, in alto a destra, in basso a sinistra e in basso a destra; Invio gioca i due dadi scelti come coppia; R preme «Rilancia»; S preme «Fermati». F2 avvia una nuova partita, F1 apre la guida.</translation>
    </message>
    <message>
      <source>ROLL</source>
      <translation>Rilancia</translation>
    </message>
    <message>
      <source>Throw the four dice again</source>
      <translation>Lancia di nuovo i quattro dadi</translation>
    </message>
    <message>
      <source>STOP</source>
      <translation>Fermati</translation>
    </message>
    <message>
      <source>Keep what you climbed and pass the turn</source>
      <translation>Tieni quanto hai scalato e passa il turno</translation>
    </message>
  </context>
  <context>
    <name>BoardWords</name>
    <message>
      <source>Top-left die: %1</source>
      <translation>Dado in alto a sinistra: %1</translation>
    </message>
    <message>
      <source>Top-right die: %1</source>
      <translation>Dado in alto a destra: %1</translation>
    </message>
    <message>
      <source>Bottom-left die: %1</source>
      <translation>Dado in basso a sinistra: %1</translation>
    </message>
    <message>
      <source>Bottom-right die: %1</source>
      <translation>Dado in basso a destra: %1</translation>
    </message>
    <message>
      <source>Player %1</source>
      <translation>Giocatore %1</translation>
    </message>
    <message>
      <source>used</source>
      <translation>usato</translation>
    </message>
    <message>
      <source>Column %1: claimed by %2</source>
      <translation>Colonna %1: conquistata da %2</translation>
    </message>
    <message>
      <source>%1 at %2</source>
      <translation>%1 a %2</translation>
    </message>
    <message>
      <source>white peg at %1</source>
      <translation>pedina bianca a %1</translation>
    </message>
    <message>
      <source>Column %1: %2</source>
      <translation>Colonna %1: %2</translation>
    </message>
    <message>
      <source>empty</source>
      <translation>vuota</translation>
    </message>
    <message>
      <source>, </source>
      <translation>, </translation>
    </message>
    <message>
      <source>%1 cells</source>
      <translation>%1 caselle</translation>
    </message>
    <message>
      <source>Winner %1</source>
      <translation>Vincitore %1</translation>
    </message>
    <message>
      <source>No Winner</source>
      <translation>Nessun vincitore</translation>
    </message>
  </context>
  <context>
    <name>CommandLine</name>
    <message>
      <source>--seed may be given only once.</source>
      <translation>--seed può essere dato una sola volta.</translation>
    </message>
    <message>
      <source>invalid seed '%1': give a whole number from 0 to %2.</source>
      <translation>seme «%1» non valido: indicare un numero intero da 0 a %2.</translation>
    </message>
    <message>
      <source>too many file names: '%1'.</source>
      <translation>troppi nomi di file: «%1».</translation>
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
      <translation>Uso: %1 [OPZIONE]... [FILE]
Gioca a Tumbleroad, un gioco di dadi di fortuna e audacia per due a quattro giocatori,
ognuno una persona al mouse o il computer.

      --seed=N     lancia i dadi dal seme fisso N (da 0 a 4294967295),
                   così le stesse mosse ripetono la stessa partita;
                   senza, i dadi seguono l'orologio
      --help       mostra questa guida ed esce
      --version    mostra la versione ed esce

FILE, se indicato, deve essere un file leggibile; il gioco non ne legge
nulla e parte come al solito.

Premere F1 nel gioco per le regole e come giocare.
</translation>
    </message>
    <message>
      <source>%1: %2
Try '%1 --help' for more information.
</source>
      <translation>%1: %2
Provare «%1 --help» per maggiori informazioni.
</translation>
    </message>
    <message>
      <source>the board&apos;s scale: 1 to 16, or 0 as the screen gives (0)</source>
      <translation>la scala del tabellone: da 1 a 16, o 0 come dà lo schermo (0)</translation>
    </message>
    <message>
      <source>columns to claim to win, 2 to 4 (3)</source>
      <translation>colonne da conquistare per vincere, da 2 a 4 (3)</translation>
    </message>
    <message>
      <source>players the computer plays: 2 or 2,3,4 (none)</source>
      <translation>giocatori mossi dal computer: 2 o 2,3,4 (nessuno)</translation>
    </message>
    <message>
      <source>number of players, 2 to 4 (2)</source>
      <translation>numero di giocatori, da 2 a 4 (2)</translation>
    </message>
    <message>
      <source>the computer&apos;s pace: slow, normal or fast (normal)</source>
      <translation>velocità del computer: slow, normal o fast (normal)</translation>
    </message>
    <message>
      <source>the computer&apos;s play: classic or strong (classic)</source>
      <translation>forza del computer: classic o strong (classic)</translation>
    </message>
    <message>
      <source>a whole number from %1 to %2</source>
      <translation>un numero intero da %1 a %2</translation>
    </message>
    <message>
      <source>one of %1</source>
      <translation>uno tra: %1</translation>
    </message>
    <message>
      <source>player numbers from 1 to %1, each at most once, separated by commas</source>
      <translation>numeri di giocatore da 1 a %1, ognuno al più una volta, separati da virgole</translation>
    </message>
    <message>
      <source>--%1 may be given only once.</source>
      <translation>--%1 può essere indicato una sola volta.</translation>
    </message>
    <message>
      <source>invalid value &apos;%1&apos; for --%2: give %3.</source>
      <translation>valore «%1» non valido per --%2: indicare %3.</translation>
    </message>
    <message>
      <source>--computer gives player %1, but the game has %2 players: give player numbers from 1 to %2, or more --players.</source>
      <translation>--computer indica il giocatore %1, ma la partita ha %2 giocatori: indicare numeri di giocatore da 1 a %2, o più --players.</translation>
    </message>
    <message>
      <source>The first game&apos;s options, as if chosen in the Options menu:</source>
      <translation>Le opzioni della prima partita, come se scelte nel menu Opzioni:</translation>
    </message>
  </context>
  <context>
    <name>Dialog</name>
    <message>
      <source>About Tumbleroad</source>
      <translation>Informazioni su Tumbleroad</translation>
    </message>
    <message>
      <source>Licence: GPL-3.0-or-later</source>
      <translation>Licenza: GPL-3.0-or-later</translation>
    </message>
    <message>
      <source>OK</source>
      <translation>OK</translation>
    </message>
    <message>
      <source>Number of Columns</source>
      <translation>Numero di colonne</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Annulla</translation>
    </message>
    <message>
      <source>Two Columns</source>
      <translation>Due colonne</translation>
    </message>
    <message>
      <source>Three Columns</source>
      <translation>Tre colonne</translation>
    </message>
    <message>
      <source>Four Columns</source>
      <translation>Quattro colonne</translation>
    </message>
    <message>
      <source>Select Number of Players</source>
      <translation>Scegli il numero di giocatori</translation>
    </message>
    <message>
      <source>2 Players</source>
      <translation>2 giocatori</translation>
    </message>
    <message>
      <source>3 Players</source>
      <translation>3 giocatori</translation>
    </message>
    <message>
      <source>4 Players</source>
      <translation>4 giocatori</translation>
    </message>
    <message>
      <source>Select Players</source>
      <translation>Scegli i giocatori</translation>
    </message>
    <message>
      <source>Human</source>
      <translation>Umano</translation>
    </message>
    <message>
      <source>Player 1</source>
      <translation>Giocatore 1</translation>
    </message>
    <message>
      <source>Computer</source>
      <translation>Computer</translation>
    </message>
    <message>
      <source>Player 2</source>
      <translation>Giocatore 2</translation>
    </message>
    <message>
      <source>Player 3</source>
      <translation>Giocatore 3</translation>
    </message>
    <message>
      <source>Player 4</source>
      <translation>Giocatore 4</translation>
    </message>
  </context>
  <context>
    <name>FileNames</name>
    <message>
      <source>cannot open &apos;%1&apos;: %2</source>
      <translation>impossibile aprire «%1»: %2</translation>
    </message>
    <message>
      <source>it is a named pipe that nothing writes to</source>
      <translation>è una pipe con nome su cui nessuno scrive</translation>
    </message>
  </context>
  <context>
    <name>HelpBrowser</name>
    <message>
      <source>it is not a file of the help book</source>
      <translation>non è un file del libro della guida</translation>
    </message>
    <message>
      <source>it is larger than a help page can be</source>
      <translation>è più grande di quanto possa essere una pagina della guida</translation>
    </message>
    <message>
      <source>&lt;html&gt;&lt;head&gt;&lt;title&gt;Not shown&lt;/title&gt;&lt;/head&gt;&lt;body&gt;&lt;h2&gt;Not shown&lt;/h2&gt;&lt;p&gt;%1 is not shown: %2.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
      <translation>&lt;html&gt;&lt;head&gt;&lt;title&gt;Non mostrata&lt;/title&gt;&lt;/head&gt;&lt;body&gt;&lt;h2&gt;Non mostrata&lt;/h2&gt;&lt;p&gt;%1 non è mostrata: %2.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
  </context>
  <context>
    <name>HelpWindow</name>
    <message>
      <source>&amp;Contents</source>
      <translation>&amp;Sommario</translation>
    </message>
    <message>
      <source>&amp;Back</source>
      <translation>&amp;Indietro</translation>
    </message>
    <message>
      <source>&amp;Forward</source>
      <translation>&amp;Avanti</translation>
    </message>
  </context>
  <context>
    <name>Hint</name>
    <message>
      <source>Hint: play %1 and %2, column %3</source>
      <translation>Suggerimento: gioca %1 e %2, colonna %3</translation>
    </message>
    <message>
      <source>Hint: roll again. The next throw busts %1 % of the time</source>
      <translation>Suggerimento: rilancia. Il prossimo lancio sballa il %1 % delle volte</translation>
    </message>
    <message>
      <source>Hint: stop. The next throw would bust %1 % of the time</source>
      <translation>Suggerimento: fermati. Il prossimo lancio sballerebbe il %1 % delle volte</translation>
    </message>
    <message>
      <source>No hint now</source>
      <translation>Nessun suggerimento ora</translation>
    </message>
  </context>
  <context>
    <name>Menu</name>
    <message>
      <source>&amp;New	F2</source>
      <translation>&amp;Nuova	F2</translation>
    </message>
    <message>
      <source>E&amp;xit</source>
      <translation>&amp;Esci</translation>
    </message>
    <message>
      <source>&amp;Slow</source>
      <translation>&amp;Lenta</translation>
    </message>
    <message>
      <source>&amp;Normal</source>
      <translation>&amp;Normale</translation>
    </message>
    <message>
      <source>&amp;Fast</source>
      <translation>&amp;Veloce</translation>
    </message>
    <message>
      <source>&amp;Number of Columns</source>
      <translation>Numero di &amp;colonne</translation>
    </message>
    <message>
      <source>&amp;Players</source>
      <translation>&amp;Giocatori</translation>
    </message>
    <message>
      <source>Number of Players</source>
      <translation>Numero di giocatori</translation>
    </message>
    <message>
      <source>&amp;Speed</source>
      <translation>&amp;Velocità</translation>
    </message>
    <message>
      <source>&amp;Help Topics</source>
      <translation>&amp;Argomenti della guida</translation>
    </message>
    <message>
      <source>&amp;About Tumbleroad.</source>
      <translation>&amp;Informazioni su Tumbleroad.</translation>
    </message>
    <message>
      <source>&amp;Game</source>
      <translation>&amp;Partita</translation>
    </message>
    <message>
      <source>&amp;Options</source>
      <translation>&amp;Opzioni</translation>
    </message>
    <message>
      <source>&amp;Help</source>
      <translation>&amp;Guida</translation>
    </message>
    <message>
      <source>&amp;Hint	H</source>
      <translation>&amp;Suggerimento	H</translation>
    </message>
    <message>
      <source>&amp;Classic</source>
      <translation>&amp;Classico</translation>
    </message>
    <message>
      <source>S&amp;trong</source>
      <translation>&amp;Forte</translation>
    </message>
    <message>
      <source>Computer S&amp;trength</source>
      <translation>Forza del &amp;computer</translation>
    </message>
    <message>
      <source>&amp;Remember Options</source>
      <translation>&amp;Ricorda le opzioni</translation>
    </message>
  </context>
  <context>
    <name>Startup</name>
    <message>
      <source>Tumbleroad cannot start: %1</source>
      <translation>Tumbleroad non può avviarsi: %1</translation>
    </message>
  </context>
  <context>
    <name>StoredOptions</name>
    <message>
      <source>cannot read the remembered options in %1 (%2); the game starts with the usual options</source>
      <translation>impossibile leggere le opzioni ricordate in %1 (%2); il gioco parte con le opzioni consuete</translation>
    </message>
    <message>
      <source>not a file of remembered options</source>
      <translation>non è un file di opzioni ricordate</translation>
    </message>
    <message>
      <source>the remembered option %1 in %2 is &apos;%3&apos;, not %4; the game uses %5</source>
      <translation>l’opzione ricordata %1 in %2 è «%3», non %4; il gioco usa %5</translation>
    </message>
    <message>
      <source>the folder %1 cannot be made</source>
      <translation>impossibile creare la cartella %1</translation>
    </message>
    <message>
      <source>The options cannot be remembered: %1 cannot be written (%2). The game goes on with them.</source>
      <translation>Le opzioni non possono essere ricordate: impossibile scrivere %1 (%2). Il gioco continua con esse.</translation>
    </message>
    <message>
      <source>The remembered options cannot be forgotten: %1 cannot be deleted (%2).</source>
      <translation>Le opzioni ricordate non possono essere dimenticate: impossibile eliminare %1 (%2).</translation>
    </message>
  </context>
  <context>
    <name>TitleBar</name>
    <message>
      <source>Drag to move the window</source>
      <translation>Trascinare per spostare la finestra</translation>
    </message>
  </context>
  <context>
    <name>WinHelp</name>
    <message>
      <source>Help</source>
      <translation>Guida</translation>
    </message>
    <message>
      <source>The help book %1 cannot be found.

These folders were searched:
%2</source>
      <translation>Il libro della guida %1 non si trova.

Sono state cercate queste cartelle:
%2</translation>
    </message>
  </context>
</TS>