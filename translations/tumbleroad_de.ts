<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
  <context>
    <name>BoardMessage</name>
    <message>
      <source>Player %1</source>
      <translation>Spieler %1</translation>
    </message>
    <message>
      <source>%1 (computer)</source>
      <translation>%1 (Computer)</translation>
    </message>
    <message>
      <source>column %1</source>
      <translation>Spalte %1</translation>
    </message>
    <message>
      <source>columns %1 and %2</source>
      <translation>Spalten %1 und %2</translation>
    </message>
    <message>
      <source>%1 busts</source>
      <translation>%1 scheitert</translation>
    </message>
    <message>
      <source>%1 cannot play this throw: the turn passes</source>
      <translation>%1 kann diesen Wurf nicht spielen: der Zug geht an den Nächsten</translation>
    </message>
    <message>
      <source>%1 claims %2</source>
      <translation>%1 erobert %2</translation>
    </message>
    <message>
      <source>%1 wins. F2 starts a new game.</source>
      <translation>%1 gewinnt. F2 beginnt ein neues Spiel.</translation>
    </message>
    <message>
      <source>Nobody can win any more. F2 starts a new game.</source>
      <translation>Niemand kann mehr gewinnen. F2 beginnt ein neues Spiel.</translation>
    </message>
      <message>
      <source>column %1 at cell %2</source>
      <translation>Spalte %1 auf Feld %2</translation>
    </message>
    <message>
      <source>%1 stops: %2</source>
      <translation>%1 hört auf: %2</translation>
    </message>
    <message>
      <source>%1. %2</source>
      <translation>%1. %2</translation>
    </message>
    <message>
      <source>%1: roll or stop</source>
      <translation>%1: würfeln oder aufhören</translation>
    </message>
    <message>
      <source>%1: choose two dice</source>
      <translation>%1: zwei Würfel wählen</translation>
    </message>
</context>
  <context>
    <name>BoardParts</name>
    <message>
      <source>Tumbleroad board</source>
      <translation>Tumbleroad-Spielbrett</translation>
    </message>
    <message>
      <source>Keys: 1, 2, 3 and 4 choose or put back the top-left, top-right, bottom-left and bottom-right die; Enter plays the two chosen dice as a pair; R presses ROLL; S presses STOP. F2 starts a new game, F1 opens the help.</source>
      <translation>Tasten: 1, 2, 3 und 4 wählen den Würfel oben links, oben rechts, unten links und unten rechts oder legen ihn zurück; Eingabe spielt die beiden gewählten Würfel als Paar; R drückt „Würfeln“; S drückt „Stopp“. F2 beginnt ein neues Spiel, F1 öffnet die Hilfe.</translation>
    </message>
    <message>
      <source>ROLL</source>
      <translation>Würfeln</translation>
    </message>
    <message>
      <source>Throw the four dice again</source>
      <translation>Die vier Würfel noch einmal werfen</translation>
    </message>
    <message>
      <source>STOP</source>
      <translation>Stopp</translation>
    </message>
    <message>
      <source>Keep what you climbed and pass the turn</source>
      <translation>Das Erklommene behalten und den Zug abgeben</translation>
    </message>
  </context>
  <context>
    <name>BoardWords</name>
    <message>
      <source>Top-left die: %1</source>
      <translation>Würfel oben links: %1</translation>
    </message>
    <message>
      <source>Top-right die: %1</source>
      <translation>Würfel oben rechts: %1</translation>
    </message>
    <message>
      <source>Bottom-left die: %1</source>
      <translation>Würfel unten links: %1</translation>
    </message>
    <message>
      <source>Bottom-right die: %1</source>
      <translation>Würfel unten rechts: %1</translation>
    </message>
    <message>
      <source>Player %1</source>
      <translation>Spieler %1</translation>
    </message>
    <message>
      <source>used</source>
      <translation>verbraucht</translation>
    </message>
    <message>
      <source>Column %1: claimed by %2</source>
      <translation>Spalte %1: erobert von %2</translation>
    </message>
    <message>
      <source>%1 at %2</source>
      <translation>%1 auf %2</translation>
    </message>
    <message>
      <source>white peg at %1</source>
      <translation>weißer Stein auf %1</translation>
    </message>
    <message>
      <source>Column %1: %2</source>
      <translation>Spalte %1: %2</translation>
    </message>
    <message>
      <source>empty</source>
      <translation>leer</translation>
    </message>
    <message>
      <source>, </source>
      <translation>, </translation>
    </message>
    <message>
      <source>%1 cells</source>
      <translation>%1 Felder</translation>
    </message>
    <message>
      <source>Winner %1</source>
      <translation>Gewinner %1</translation>
    </message>
    <message>
      <source>No Winner</source>
      <translation>Kein Gewinner</translation>
    </message>
  </context>
  <context>
    <name>CommandLine</name>
    <message>
      <source>--seed may be given only once.</source>
      <translation>--seed darf nur einmal angegeben werden.</translation>
    </message>
    <message>
      <source>invalid seed '%1': give a whole number from 0 to %2.</source>
      <translation>ungültiger Startwert „%1“: geben Sie eine ganze Zahl von 0 bis %2 an.</translation>
    </message>
    <message>
      <source>too many file names: '%1'.</source>
      <translation>zu viele Dateinamen: „%1“.</translation>
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
      <translation>Aufruf: %1 [OPTION]... [DATEI]
Spielt Tumbleroad, ein Würfelspiel um Glück und Wagemut für zwei bis vier Spieler,
jeder ein Mensch an der Maus oder der Computer.

      --seed=N     würfelt ab dem festen Startwert N (0 bis 4294967295),
                   sodass dieselben Züge dasselbe Spiel wiederholen;
                   ohne ihn folgen die Würfel der Uhr
      --help       diese Hilfe anzeigen und beenden
      --version    Versionsinformation ausgeben und beenden

DATEI muss, wenn angegeben, eine lesbare Datei sein; das Spiel liest nichts
daraus und beginnt wie gewohnt.

Drücken Sie im Spiel F1 für die Regeln und die Spielweise.
</translation>
    </message>
    <message>
      <source>%1: %2
Try '%1 --help' for more information.
</source>
      <translation>%1: %2
„%1 --help“ liefert weitere Informationen.
</translation>
    </message>
    <message>
      <source>the board&apos;s scale: 1 to 16, or 0 as the screen gives (0)</source>
      <translation>der Maßstab des Spielbretts: 1 bis 16, oder 0 wie vom Bildschirm (0)</translation>
    </message>
    <message>
      <source>columns to claim to win, 2 to 4 (3)</source>
      <translation>Spalten zum Sieg, 2 bis 4 (3)</translation>
    </message>
    <message>
      <source>players the computer plays: 2 or 2,3,4 (none)</source>
      <translation>Spieler, die der Computer spielt: 2 oder 2,3,4 (keiner)</translation>
    </message>
    <message>
      <source>number of players, 2 to 4 (2)</source>
      <translation>Anzahl der Spieler, 2 bis 4 (2)</translation>
    </message>
    <message>
      <source>the computer&apos;s pace: slow, normal or fast (normal)</source>
      <translation>Tempo des Computers: slow, normal oder fast (normal)</translation>
    </message>
    <message>
      <source>the computer&apos;s play: classic or strong (classic)</source>
      <translation>Stärke des Computers: classic oder strong (classic)</translation>
    </message>
    <message>
      <source>a whole number from %1 to %2</source>
      <translation>eine ganze Zahl von %1 bis %2</translation>
    </message>
    <message>
      <source>one of %1</source>
      <translation>eines von: %1</translation>
    </message>
    <message>
      <source>player numbers from 1 to %1, each at most once, separated by commas</source>
      <translation>Spielernummern von 1 bis %1, jede höchstens einmal, durch Kommas getrennt</translation>
    </message>
    <message>
      <source>--%1 may be given only once.</source>
      <translation>--%1 darf nur einmal angegeben werden.</translation>
    </message>
    <message>
      <source>invalid value &apos;%1&apos; for --%2: give %3.</source>
      <translation>ungültiger Wert „%1“ für --%2: geben Sie %3 an.</translation>
    </message>
    <message>
      <source>--computer gives player %1, but the game has %2 players: give player numbers from 1 to %2, or more --players.</source>
      <translation>--computer nennt Spieler %1, aber das Spiel hat %2 Spieler: geben Sie Spielernummern von 1 bis %2 an oder mehr --players.</translation>
    </message>
    <message>
      <source>The first game&apos;s options, as if chosen in the Options menu:</source>
      <translation>Die Optionen des ersten Spiels, als wären sie im Menü „Optionen“ gewählt:</translation>
    </message>
  </context>
  <context>
    <name>Dialog</name>
    <message>
      <source>About Tumbleroad</source>
      <translation>Über Tumbleroad</translation>
    </message>
    <message>
      <source>Licence: GPL-3.0-or-later</source>
      <translation>Lizenz: GPL-3.0-or-later</translation>
    </message>
    <message>
      <source>OK</source>
      <translation>OK</translation>
    </message>
    <message>
      <source>Number of Columns</source>
      <translation>Anzahl der Spalten</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Abbrechen</translation>
    </message>
    <message>
      <source>Two Columns</source>
      <translation>Zwei Spalten</translation>
    </message>
    <message>
      <source>Three Columns</source>
      <translation>Drei Spalten</translation>
    </message>
    <message>
      <source>Four Columns</source>
      <translation>Vier Spalten</translation>
    </message>
    <message>
      <source>Select Number of Players</source>
      <translation>Anzahl der Spieler wählen</translation>
    </message>
    <message>
      <source>2 Players</source>
      <translation>2 Spieler</translation>
    </message>
    <message>
      <source>3 Players</source>
      <translation>3 Spieler</translation>
    </message>
    <message>
      <source>4 Players</source>
      <translation>4 Spieler</translation>
    </message>
    <message>
      <source>Select Players</source>
      <translation>Spieler wählen</translation>
    </message>
    <message>
      <source>Human</source>
      <translation>Mensch</translation>
    </message>
    <message>
      <source>Player 1</source>
      <translation>Spieler 1</translation>
    </message>
    <message>
      <source>Computer</source>
      <translation>Computer</translation>
    </message>
    <message>
      <source>Player 2</source>
      <translation>Spieler 2</translation>
    </message>
    <message>
      <source>Player 3</source>
      <translation>Spieler 3</translation>
    </message>
    <message>
      <source>Player 4</source>
      <translation>Spieler 4</translation>
    </message>
  </context>
  <context>
    <name>FileNames</name>
    <message>
      <source>cannot open &apos;%1&apos;: %2</source>
      <translation>„%1“ lässt sich nicht öffnen: %2</translation>
    </message>
    <message>
      <source>it is a named pipe that nothing writes to</source>
      <translation>es ist eine benannte Pipe, in die nichts schreibt</translation>
    </message>
  </context>
  <context>
    <name>HelpBrowser</name>
    <message>
      <source>it is not a file of the help book</source>
      <translation>sie ist keine Datei des Hilfebuchs</translation>
    </message>
    <message>
      <source>it is larger than a help page can be</source>
      <translation>sie ist größer, als eine Hilfeseite sein kann</translation>
    </message>
    <message>
      <source>&lt;html&gt;&lt;head&gt;&lt;title&gt;Not shown&lt;/title&gt;&lt;/head&gt;&lt;body&gt;&lt;h2&gt;Not shown&lt;/h2&gt;&lt;p&gt;%1 is not shown: %2.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
      <translation>&lt;html&gt;&lt;head&gt;&lt;title&gt;Nicht angezeigt&lt;/title&gt;&lt;/head&gt;&lt;body&gt;&lt;h2&gt;Nicht angezeigt&lt;/h2&gt;&lt;p&gt;%1 wird nicht angezeigt: %2.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
  </context>
  <context>
    <name>HelpWindow</name>
    <message>
      <source>&amp;Contents</source>
      <translation>&amp;Inhalt</translation>
    </message>
    <message>
      <source>&amp;Back</source>
      <translation>&amp;Zurück</translation>
    </message>
    <message>
      <source>&amp;Forward</source>
      <translation>&amp;Vorwärts</translation>
    </message>
  </context>
  <context>
    <name>Hint</name>
    <message>
      <source>Hint: play %1 and %2, column %3</source>
      <translation>Tipp: %1 und %2 spielen, Spalte %3</translation>
    </message>
    <message>
      <source>Hint: roll again. The next throw busts %1 % of the time</source>
      <translation>Tipp: weiter würfeln. Der nächste Wurf scheitert in %1 % der Fälle</translation>
    </message>
    <message>
      <source>Hint: stop. The next throw would bust %1 % of the time</source>
      <translation>Tipp: stoppen. Der nächste Wurf würde in %1 % der Fälle scheitern</translation>
    </message>
    <message>
      <source>No hint now</source>
      <translation>Gerade kein Tipp</translation>
    </message>
  </context>
  <context>
    <name>Menu</name>
    <message>
      <source>&amp;New	F2</source>
      <translation>&amp;Neu	F2</translation>
    </message>
    <message>
      <source>E&amp;xit</source>
      <translation>&amp;Beenden</translation>
    </message>
    <message>
      <source>&amp;Slow</source>
      <translation>&amp;Langsam</translation>
    </message>
    <message>
      <source>&amp;Normal</source>
      <translation>&amp;Normal</translation>
    </message>
    <message>
      <source>&amp;Fast</source>
      <translation>&amp;Schnell</translation>
    </message>
    <message>
      <source>&amp;Number of Columns</source>
      <translation>&amp;Anzahl der Spalten</translation>
    </message>
    <message>
      <source>&amp;Players</source>
      <translation>&amp;Spieler</translation>
    </message>
    <message>
      <source>Number of Players</source>
      <translation>Anzahl der Spieler</translation>
    </message>
    <message>
      <source>&amp;Speed</source>
      <translation>&amp;Tempo</translation>
    </message>
    <message>
      <source>&amp;Help Topics</source>
      <translation>&amp;Hilfethemen</translation>
    </message>
    <message>
      <source>&amp;About Tumbleroad.</source>
      <translation>Ü&amp;ber Tumbleroad.</translation>
    </message>
    <message>
      <source>&amp;Game</source>
      <translation>&amp;Spiel</translation>
    </message>
    <message>
      <source>&amp;Options</source>
      <translation>&amp;Optionen</translation>
    </message>
    <message>
      <source>&amp;Help</source>
      <translation>&amp;Hilfe</translation>
    </message>
    <message>
      <source>&amp;Hint	H</source>
      <translation>&amp;Tipp	H</translation>
    </message>
    <message>
      <source>&amp;Classic</source>
      <translation>&amp;Klassisch</translation>
    </message>
    <message>
      <source>S&amp;trong</source>
      <translation>S&amp;tark</translation>
    </message>
    <message>
      <source>Computer S&amp;trength</source>
      <translation>S&amp;tärke des Computers</translation>
    </message>
    <message>
      <source>&amp;Remember Options</source>
      <translation>Optionen &amp;merken</translation>
    </message>
  </context>
  <context>
    <name>Startup</name>
    <message>
      <source>Tumbleroad cannot start: %1</source>
      <translation>Tumbleroad kann nicht starten: %1</translation>
    </message>
  </context>
  <context>
    <name>StoredOptions</name>
    <message>
      <source>cannot read the remembered options in %1 (%2); the game starts with the usual options</source>
      <translation>die gemerkten Optionen in %1 sind nicht lesbar (%2); das Spiel beginnt mit den üblichen Optionen</translation>
    </message>
    <message>
      <source>not a file of remembered options</source>
      <translation>keine Datei gemerkter Optionen</translation>
    </message>
    <message>
      <source>the remembered option %1 in %2 is &apos;%3&apos;, not %4; the game uses %5</source>
      <translation>die gemerkte Option %1 in %2 ist „%3“, nicht %4; das Spiel nimmt %5</translation>
    </message>
    <message>
      <source>the folder %1 cannot be made</source>
      <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
      <source>The options cannot be remembered: %1 cannot be written (%2). The game goes on with them.</source>
      <translation>Die Optionen können nicht gemerkt werden: %1 lässt sich nicht schreiben (%2). Das Spiel geht mit ihnen weiter.</translation>
    </message>
    <message>
      <source>The remembered options cannot be forgotten: %1 cannot be deleted (%2).</source>
      <translation>Die gemerkten Optionen lassen sich nicht vergessen: %1 kann nicht gelöscht werden (%2).</translation>
    </message>
  </context>
  <context>
    <name>TitleBar</name>
    <message>
      <source>Drag to move the window</source>
      <translation>Ziehen, um das Fenster zu verschieben</translation>
    </message>
  </context>
  <context>
    <name>WinHelp</name>
    <message>
      <source>Help</source>
      <translation>Hilfe</translation>
    </message>
    <message>
      <source>The help book %1 cannot be found.

These folders were searched:
%2</source>
      <translation>Das Hilfebuch %1 ist nicht zu finden.

Diese Ordner wurden durchsucht:
%2</translation>
    </message>
  </context>
</TS>