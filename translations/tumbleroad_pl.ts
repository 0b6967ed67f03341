<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
  <context>
    <name>BoardMessage</name>
    <message>
      <source>Player %1</source>
      <translation>Gracz %1</translation>
    </message>
    <message>
      <source>%1 (computer)</source>
      <translation>%1 (komputer)</translation>
    </message>
    <message>
      <source>column %1</source>
      <translation>kolumnę %1</translation>
    </message>
    <message>
      <source>columns %1 and %2</source>
      <translation>kolumny %1 i %2</translation>
    </message>
    <message>
      <source>%1 busts</source>
      <translation>%1 przepada</translation>
    </message>
    <message>
      <source>%1 cannot play this throw: the turn passes</source>
      <translation>%1 nie może zagrać tego rzutu: kolej przechodzi dalej</translation>
    </message>
    <message>
      <source>%1 claims %2</source>
      <translation>%1 zdobywa %2</translation>
    </message>
    <message>
      <source>%1 wins. F2 starts a new game.</source>
      <translation>%1 wygrywa. F2 zaczyna nową grę.</translation>
    </message>
    <message>
      <source>Nobody can win any more. F2 starts a new game.</source>
      <translation>Nikt już nie może wygrać. F2 zaczyna nową grę.</translation>
    </message>
      <message>
      <source>column %1 at cell %2</source>
      <translation>kolumna %1 na polu %2</translation>
    </message>
    <message>
      <source>%1 stops: %2</source>
      <translation>%1 kończy: %2</translation>
    </message>
    <message>
      <source>%1. %2</source>
      <translation>%1. %2</translation>
    </message>
    <message>
      <source>%1: roll or stop</source>
      <translation>%1: rzuć ponownie lub zakończ</translation>
    </message>
    <message>
      <source>%1: choose two dice</source>
      <translation>%1: wybierz dwie kości</translation>
    </message>
</context>
  <context>
    <name>BoardParts</name>
    <message>
      <source>Tumbleroad board</source>
      <translation>Plansza Tumbleroad</translation>
    </message>
    <message>
      <source>Keys: 1, 2, 3 and 4 choose or put back the top-left, top-right, bottom-left and bottom-right die; Enter plays the two chosen dice as a pair; R presses ROLL; S presses STOP. F2 starts a new game, F1 opens the help.</source>
      <translation>Klawisze: 1, 2, 3 i 4 wybierają lub odkładają kość lewą górną, prawą górną, lewą dolną i prawą dolną; Enter zagrywa dwie wybrane kości jako parę; R naciska „Rzuć”; S naciska „Stop”. F2 zaczyna nową grę, F1 otwiera pomoc.</translation>
    </message>
    <message>
      <source>ROLL</source>
      <translation>Rzuć</translation>
    </message>
    <message>
      <source>Throw the four dice again</source>
      <translation>Rzuć ponownie czterema kośćmi</translation>
    </message>
    <message>
      <source>STOP</source>
      <translation>Stop</translation>
    </message>
    <message>
      <source>Keep what you climbed and pass the turn</source>
      <translation>Zachowaj zdobytą wysokość i oddaj kolej</translation>
    </message>
  </context>
  <context>
    <name>BoardWords</name>
    <message>
      <source>Top-left die: %1</source>
      <translation>Lewa górna kość: %1</translation>
    </message>
    <message>
      <source>Top-right die: %1</source>
      <translation>Prawa górna kość: %1</translation>
    </message>
    <message>
      <source>Bottom-left die: %1</source>
      <translation>Lewa dolna kość: %1</translation>
    </message>
    <message>
      <source>Bottom-right die: %1</source>
      <translation>Prawa dolna kość: %1</translation>
    </message>
    <message>
      <source>Player %1</source>
      <translation>Gracz %1</translation>
    </message>
    <message>
      <source>used</source>
      <translation>użyta</translation>
    </message>
    <message>
      <source>Column %1: claimed by %2</source>
      <translation>Kolumna %1: zdobyta przez: %2</translation>
    </message>
    <message>
      <source>%1 at %2</source>
      <translation>%1 na %2</translation>
    </message>
    <message>
      <source>white peg at %1</source>
      <translation>biały pionek na %1</translation>
    </message>
    <message>
      <source>Column %1: %2</source>
      <translation>Kolumna %1: %2</translation>
    </message>
    <message>
      <source>empty</source>
      <translation>pusta</translation>
    </message>
    <message>
      <source>, </source>
      <translation>, </translation>
    </message>
    <message>
      <source>%1 cells</source>
      <translation>pól: %1</translation>
    </message>
    <message>
      <source>Winner %1</source>
      <translation>Zwycięzca %1</translation>
    </message>
    <message>
      <source>No Winner</source>
      <translation>Brak zwycięzcy</translation>
    </message>
  </context>
  <context>
    <name>CommandLine</name>
    <message>
      <source>--seed may be given only once.</source>
      <translation>--seed można podać tylko raz.</translation>
    </message>
    <message>
      <source>invalid seed '%1': give a whole number from 0 to %2.</source>
      <translation>nieprawidłowe ziarno „%1”: podaj liczbę całkowitą od 0 do %2.</translation>
    </message>
    <message>
      <source>too many file names: '%1'.</source>
      <translation>za dużo nazw plików: „%1”.</translation>
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
      <translation>Użycie: %1 [OPCJA]... [PLIK]
Gra w Tumbleroad, grę w kości o szczęściu i odwadze dla dwóch do czterech graczy,
z których każdy to osoba przy myszy lub komputer.

      --seed=N     rzuca kośćmi ze stałego ziarna N (od 0 do 4294967295),
                   tak aby te same ruchy powtórzyły tę samą grę;
                   bez niego kości idą za zegarem
      --help       wyświetla tę pomoc i kończy
      --version    wyświetla informacje o wersji i kończy

PLIK, jeśli podany, musi być plikiem do odczytu; gra nic z niego
nie czyta i zaczyna jak zwykle.

Naciśnij F1 w grze, aby poznać zasady i sposób gry.
</translation>
    </message>
    <message>
      <source>%1: %2
Try '%1 --help' for more information.
</source>
      <translation>%1: %2
Polecenie „%1 --help” poda więcej informacji.
</translation>
    </message>
    <message>
      <source>the board&apos;s scale: 1 to 16, or 0 as the screen gives (0)</source>
      <translation>skala planszy: od 1 do 16 lub 0 według ekranu (0)</translation>
    </message>
    <message>
      <source>columns to claim to win, 2 to 4 (3)</source>
      <translation>kolumny do zdobycia, by wygrać, 2 do 4 (3)</translation>
    </message>
    <message>
      <source>players the computer plays: 2 or 2,3,4 (none)</source>
      <translation>gracze prowadzeni przez komputer: 2 lub 2,3,4 (żaden)</translation>
    </message>
    <message>
      <source>number of players, 2 to 4 (2)</source>
      <translation>liczba graczy, 2 do 4 (2)</translation>
    </message>
    <message>
      <source>the computer&apos;s pace: slow, normal or fast (normal)</source>
      <translation>tempo komputera: slow, normal lub fast (normal)</translation>
    </message>
    <message>
      <source>the computer&apos;s play: classic or strong (classic)</source>
      <translation>siła komputera: classic lub strong (classic)</translation>
    </message>
    <message>
      <source>a whole number from %1 to %2</source>
      <translation>liczbę całkowitą od %1 do %2</translation>
    </message>
    <message>
      <source>one of %1</source>
      <translation>jedno z: %1</translation>
    </message>
    <message>
      <source>player numbers from 1 to %1, each at most once, separated by commas</source>
      <translation>numery graczy od 1 do %1, każdy najwyżej raz, oddzielone przecinkami</translation>
    </message>
    <message>
      <source>--%1 may be given only once.</source>
      <translation>--%1 można podać tylko raz.</translation>
    </message>
    <message>
      <source>invalid value &apos;%1&apos; for --%2: give %3.</source>
      <translation>nieprawidłowa wartość „%1” dla --%2: podaj %3.</translation>
    </message>
    <message>
      <source>--computer gives player %1, but the game has %2 players: give player numbers from 1 to %2, or more --players.</source>
      <translation>--computer podaje gracza %1, ale gra ma %2 graczy: podaj numery graczy od 1 do %2 albo więcej --players.</translation>
    </message>
    <message>
      <source>The first game&apos;s options, as if chosen in the Options menu:</source>
      <translation>Opcje pierwszej gry, jakby wybrane w menu Opcje:</translation>
    </message>
  </context>
  <context>
    <name>Dialog</name>
    <message>
      <source>About Tumbleroad</source>
      <translation>O Tumbleroad</translation>
    </message>
    <message>
      <source>Licence: GPL-3.0-or-later</source>
      <translation>Licencja: GPL-3.0-or-later</translation>
    </message>
    <message>
      <source>OK</source>
      <translation>OK</translation>
    </message>
    <message>
      <source>Number of Columns</source>
      <translation>Liczba kolumn</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Anuluj</translation>
    </message>
    <message>
      <source>Two Columns</source>
      <translation>Dwie kolumny</translation>
    </message>
    <message>
      <source>Three Columns</source>
      <translation>Trzy kolumny</translation>
    </message>
    <message>
      <source>Four Columns</source>
      <translation>Cztery kolumny</translation>
    </message>
    <message>
      <source>Select Number of Players</source>
      <translation>Wybierz liczbę graczy</translation>
    </message>
    <message>
      <source>2 Players</source>
      <translation>2 graczy</translation>
    </message>
    <message>
      <source>3 Players</source>
      <translation>3 graczy</translation>
    </message>
    <message>
      <source>4 Players</source>
      <translation>4 graczy</translation>
    </message>
    <message>
      <source>Select Players</source>
      <translation>Wybierz graczy</translation>
    </message>
    <message>
      <source>Human</source>
      <translation>Człowiek</translation>
    </message>
    <message>
      <source>Player 1</source>
      <translation>Gracz 1</translation>
    </message>
    <message>
      <source>Computer</source>
      <translation>Komputer</translation>
    </message>
    <message>
      <source>Player 2</source>
      <translation>Gracz 2</translation>
    </message>
    <message>
      <source>Player 3</source>
      <translation>Gracz 3</translation>
    </message>
    <message>
      <source>Player 4</source>
      <translation>Gracz 4</translation>
    </message>
  </context>
  <context>
    <name>FileNames</name>
    <message>
      <source>cannot open &apos;%1&apos;: %2</source>
      <translation>nie można otworzyć „%1”: %2</translation>
    </message>
    <message>
      <source>it is a named pipe that nothing writes to</source>
      <translation>to nazwany potok, do którego nic nie pisze</translation>
    </message>
  </context>
  <context>
    <name>HelpBrowser</name>
    <message>
      <source>it is not a file of the help book</source>
      <translation>nie jest plikiem podręcznika pomocy</translation>
    </message>
    <message>
      <source>it is larger than a help page can be</source>
      <translation>jest większy, niż może być strona pomocy</translation>
    </message>
    <message>
      <source>&lt;html&gt;&lt;head&gt;&lt;title&gt;Not shown&lt;/title&gt;&lt;/head&gt;&lt;body&gt;&lt;h2&gt;Not shown&lt;/h2&gt;&lt;p&gt;%1 is not shown: %2.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
      <translation>&lt;html&gt;&lt;head&gt;&lt;title&gt;Nie wyświetlono&lt;/title&gt;&lt;/head&gt;&lt;body&gt;&lt;h2&gt;Nie wyświetlono&lt;/h2&gt;&lt;p&gt;%1 nie jest wyświetlany: %2.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
  </context>
  <context>
    <name>HelpWindow</name>
    <message>
      <source>&amp;Contents</source>
      <translation>&amp;Spis treści</translation>
    </message>
    <message>
      <source>&amp;Back</source>
      <translation>&amp;Wstecz</translation>
    </message>
    <message>
      <source>&amp;Forward</source>
      <translation>&amp;Dalej</translation>
    </message>
  </context>
  <context>
    <name>Hint</name>
    <message>
      <source>Hint: play %1 and %2, column %3</source>
      <translation>Podpowiedź: zagraj %1 i %2, kolumna %3</translation>
    </message>
    <message>
      <source>Hint: roll again. The next throw busts %1 % of the time</source>
      <translation>Podpowiedź: rzucaj dalej. Następny rzut przepada w %1 % przypadków</translation>
    </message>
    <message>
      <source>Hint: stop. The next throw would bust %1 % of the time</source>
      <translation>Podpowiedź: zatrzymaj się. Następny rzut przepadłby w %1 % przypadków</translation>
    </message>
    <message>
      <source>No hint now</source>
      <translation>Teraz brak podpowiedzi</translation>
    </message>
  </context>
  <context>
    <name>Menu</name>
    <message>
      <source>&amp;New	F2</source>
      <translation>&amp;Nowa	F2</translation>
    </message>
    <message>
      <source>E&amp;xit</source>
      <translation>Za&amp;kończ</translation>
    </message>
    <message>
      <source>&amp;Slow</source>
      <translation>&amp;Wolno</translation>
    </message>
    <message>
      <source>&amp;Normal</source>
      <translation>&amp;Normalnie</translation>
    </message>
    <message>
      <source>&amp;Fast</source>
      <translation>&amp;Szybko</translation>
    </message>
    <message>
      <source>&amp;Number of Columns</source>
      <translation>Liczba &amp;kolumn</translation>
    </message>
    <message>
      <source>&amp;Players</source>
      <translation>&amp;Gracze</translation>
    </message>
    <message>
      <source>Number of Players</source>
      <translation>Liczba graczy</translation>
    </message>
    <message>
      <source>&amp;Speed</source>
      <translation>&amp;Tempo</translation>
    </message>
    <message>
      <source>&amp;Help Topics</source>
      <translation>&amp;Tematy pomocy</translation>
    </message>
    <message>
      <source>&amp;About Tumbleroad.</source>
      <translation>&amp;O Tumbleroad.</translation>
    </message>
    <message>
      <source>&amp;Game</source>
      <translation>&amp;Gra</translation>
    </message>
    <message>
      <source>&amp;Options</source>
      <translation>&amp;Opcje</translation>
    </message>
    <message>
      <source>&amp;Help</source>
      <translation>Pomo&amp;c</translation>
    </message>
    <message>
      <source>&amp;Hint	H</source>
      <translation>&amp;Podpowiedź	H</translation>
    </message>
    <message>
      <source>&amp;Classic</source>
      <translation>&amp;Klasyczny</translation>
    </message>
    <message>
      <source>S&amp;trong</source>
      <translation>&amp;Silny</translation>
    </message>
    <message>
      <source>Computer S&amp;trength</source>
      <translation>Siła &amp;komputera</translation>
    </message>
    <message>
      <source>&amp;Remember Options</source>
      <translation>&amp;Zapamiętuj opcje</translation>
    </message>
  </context>
  <context>
    <name>Startup</name>
    <message>
      <source>Tumbleroad cannot start: %1</source>
      <translation>Tumbleroad nie może się uruchomić: %1</translation>
    </message>
  </context>
  <context>
    <name>StoredOptions</name>
    <message>
      <source>cannot read the remembered options in %1 (%2); the game starts with the usual options</source>
      <translation>nie można odczytać zapamiętanych opcji w %1 (%2); gra zaczyna się ze zwykłymi opcjami</translation>
    </message>
    <message>
      <source>not a file of remembered options</source>
      <translation>to nie jest plik zapamiętanych opcji</translation>
    </message>
    <message>
      <source>the remembered option %1 in %2 is &apos;%3&apos;, not %4; the game uses %5</source>
      <translation>zapamiętana opcja %1 w %2 to „%3”, a nie %4; gra używa %5</translation>
    </message>
    <message>
      <source>the folder %1 cannot be made</source>
      <translation>nie można utworzyć folderu %1</translation>
    </message>
    <message>
      <source>The options cannot be remembered: %1 cannot be written (%2). The game goes on with them.</source>
      <translation>Nie można zapamiętać opcji: nie można zapisać %1 (%2). Gra toczy się dalej z nimi.</translation>
    </message>
    <message>
      <source>The remembered options cannot be forgotten: %1 cannot be deleted (%2).</source>
      <translation>Nie można zapomnieć zapamiętanych opcji: nie można usunąć %1 (%2).</translation>
    </message>
  </context>
  <context>
    <name>TitleBar</name>
    <message>
      <source>Drag to move the window</source>
      <translation>Przeciągnij, aby przesunąć okno</translation>
    </message>
  </context>
  <context>
    <name>WinHelp</name>
    <message>
      <source>Help</source>
      <translation>Pomoc</translation>
    </message>
    <message>
      <source>The help book %1 cannot be found.

These folders were searched:
%2</source>
      <translation>Nie znaleziono podręcznika pomocy %1.

Przeszukano te foldery:
%2</translation>
    </message>
  </context>
</TS>