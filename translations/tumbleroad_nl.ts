<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
  <context>
    <name>BoardMessage</name>
    <message>
      <source>Player %1</source>
      <translation>Speler %1</translation>
    </message>
    <message>
      <source>%1 (computer)</source>
      <translation>%1 (computer)</translation>
    </message>
    <message>
      <source>column %1</source>
      <translation>kolom %1</translation>
    </message>
    <message>
      <source>columns %1 and %2</source>
      <translation>kolommen %1 en %2</translation>
    </message>
    <message>
      <source>%1 busts</source>
      <translation>%1 gaat onderuit</translation>
    </message>
    <message>
      <source>%1 cannot play this throw: the turn passes</source>
      <translation>%1 kan deze worp niet spelen: de beurt gaat over</translation>
    </message>
    <message>
      <source>%1 claims %2</source>
      <translation>%1 verovert %2</translation>
    </message>
    <message>
      <source>%1 wins. F2 starts a new game.</source>
      <translation>%1 wint. F2 begint een nieuw spel.</translation>
    </message>
    <message>
      <source>Nobody can win any more. F2 starts a new game.</source>
      <translation>Niemand kan nog winnen. F2 begint een nieuw spel.</translation>
    </message>
      <message>
      <source>column %1 at cell %2</source>
      <translation>kolom %1 op vak %2</translation>
    </message>
    <message>
      <source>%1 stops: %2</source>
      <translation>%1 stopt: %2</translation>
    </message>
    <message>
      <source>%1. %2</source>
      <translation>%1. %2</translation>
    </message>
    <message>
      <source>%1: roll or stop</source>
      <translation>%1: opnieuw gooien of stoppen</translation>
    </message>
    <message>
      <source>%1: choose two dice</source>
      <translation>%1: kies twee dobbelstenen</translation>
    </message>
</context>
  <context>
    <name>BoardParts</name>
    <message>
      <source>Tumbleroad board</source>
      <translation>Tumbleroad-speelbord</translation>
    </message>
    <message>
      <source>Keys: 1, 2, 3 and 4 choose or put back the top-left, top-right, bottom-left and bottom-right die; Enter plays the two chosen dice as a pair; R presses ROLL; S presses STOP. F2 starts a new game, F1 opens the help.</source>
      <translation>Toetsen: 1, 2, 3 en 4 kiezen of leggen de dobbelsteen linksboven, rechtsboven, linksonder en rechtsonder terug; Enter speelt de twee gekozen dobbelstenen als paar; R drukt op ‘Gooien’; S drukt op ‘Stoppen’. F2 begint een nieuw spel, F1 opent de hulp.</translation>
    </message>
    <message>
      <source>ROLL</source>
      <translation>Gooien</translation>
    </message>
    <message>
      <source>Throw the four dice again</source>
      <translation>De vier dobbelstenen opnieuw gooien</translation>
    </message>
    <message>
      <source>STOP</source>
      <translation>Stoppen</translation>
    </message>
    <message>
      <source>Keep what you climbed and pass the turn</source>
      <translation>Houden wat je beklommen hebt en de beurt doorgeven</translation>
    </message>
  </context>
  <context>
    <name>BoardWords</name>
    <message>
      <source>Top-left die: %1</source>
      <translation>Dobbelsteen linksboven: %1</translation>
    </message>
    <message>
      <source>Top-right die: %1</source>
      <translation>Dobbelsteen rechtsboven: %1</translation>
    </message>
    <message>
      <source>Bottom-left die: %1</source>
      <translation>Dobbelsteen linksonder: %1</translation>
    </message>
    <message>
      <source>Bottom-right die: %1</source>
      <translation>Dobbelsteen rechtsonder: %1</translation>
    </message>
    <message>
      <source>Player %1</source>
      <translation>Speler %1</translation>
    </message>
    <message>
      <source>used</source>
      <translation>gebruikt</translation>
    </message>
    <message>
      <source>Column %1: claimed by %2</source>
      <translation>Kolom %1: veroverd door %2</translation>
    </message>
    <message>
      <source>%1 at %2</source>
      <translation>%1 op %2</translation>
    </message>
    <message>
      <source>white peg at %1</source>
      <translation>witte pion op %1</translation>
    </message>
    <message>
      <source>Column %1: %2</source>
      <translation>Kolom %1: %2</translation>
    </message>
    <message>
      <source>empty</source>
      <translation>leeg</translation>
    </message>
    <message>
      <source>, </source>
      <translation>, </translation>
    </message>
    <message>
      <source>%1 cells</source>
      <translation>%1 vakken</translation>
    </message>
    <message>
      <source>Winner %1</source>
      <translation>Winnaar %1</translation>
    </message>
    <message>
      <source>No Winner</source>
      <translation>Geen winnaar</translation>
    </message>
  </context>
  <context>
    <name>CommandLine</name>
    <message>
      <source>--seed may be given only once.</source>
      <translation>--seed mag maar één keer gegeven worden.</translation>
    </message>
    <message>
      <source>invalid seed '%1': give a whole number from 0 to %2.</source>
      <translation>ongeldig zaad ‘%1’: geef een geheel getal van 0 tot %2.</translation>
    </message>
    <message>
      <source>too many file names: '%1'.</source>
      <translation>te veel bestandsnamen: ‘%1’.</translation>
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
      <translation>Gebruik: %1 [OPTIE]... [BESTAND]
Speel Tumbleroad, een dobbelspel van geluk en durf voor twee tot vier spelers,
elk een persoon aan de muis of de computer.

      --seed=N     gooi de dobbelstenen vanaf het vaste zaad N (0 tot 4294967295),
                   zodat dezelfde zetten hetzelfde spel herhalen;
                   zonder volgen de dobbelstenen de klok
      --help       deze hulp tonen en afsluiten
      --version    versie-informatie tonen en afsluiten

BESTAND, indien gegeven, moet een leesbaar bestand zijn; het spel leest er
niets uit en begint zoals gewoonlijk.

Druk in het spel op F1 voor de regels en hoe je speelt.
</translation>
    </message>
    <message>
      <source>%1: %2
Try '%1 --help' for more information.
</source>
      <translation>%1: %2
Probeer ‘%1 --help’ voor meer informatie.
</translation>
    </message>
    <message>
      <source>the board&apos;s scale: 1 to 16, or 0 as the screen gives (0)</source>
      <translation>de schaal van het bord: 1 tot 16, of 0 zoals het scherm geeft (0)</translation>
    </message>
    <message>
      <source>columns to claim to win, 2 to 4 (3)</source>
      <translation>kolommen om te winnen, 2 tot 4 (3)</translation>
    </message>
    <message>
      <source>players the computer plays: 2 or 2,3,4 (none)</source>
      <translation>spelers die de computer speelt: 2 of 2,3,4 (geen)</translation>
    </message>
    <message>
      <source>number of players, 2 to 4 (2)</source>
      <translation>aantal spelers, 2 tot 4 (2)</translation>
    </message>
    <message>
      <source>the computer&apos;s pace: slow, normal or fast (normal)</source>
      <translation>snelheid van de computer: slow, normal of fast (normal)</translation>
    </message>
    <message>
      <source>the computer&apos;s play: classic or strong (classic)</source>
      <translation>sterkte van de computer: classic of strong (classic)</translation>
    </message>
    <message>
      <source>a whole number from %1 to %2</source>
      <translation>een geheel getal van %1 tot %2</translation>
    </message>
    <message>
      <source>one of %1</source>
      <translation>een van: %1</translation>
    </message>
    <message>
      <source>player numbers from 1 to %1, each at most once, separated by commas</source>
      <translation>spelernummers van 1 tot %1, elk hoogstens één keer, gescheiden door komma’s</translation>
    </message>
    <message>
      <source>--%1 may be given only once.</source>
      <translation>--%1 mag maar één keer worden opgegeven.</translation>
    </message>
    <message>
      <source>invalid value &apos;%1&apos; for --%2: give %3.</source>
      <translation>ongeldige waarde ‘%1’ voor --%2: geef %3.</translation>
    </message>
    <message>
      <source>--computer gives player %1, but the game has %2 players: give player numbers from 1 to %2, or more --players.</source>
      <translation>--computer noemt speler %1, maar het spel heeft %2 spelers: geef spelernummers van 1 tot %2, of meer --players.</translation>
    </message>
    <message>
      <source>The first game&apos;s options, as if chosen in the Options menu:</source>
      <translation>De opties van het eerste spel, alsof gekozen in het menu Opties:</translation>
    </message>
  </context>
  <context>
    <name>Dialog</name>
    <message>
      <source>About Tumbleroad</source>
      <translation>Over Tumbleroad</translation>
    </message>
    <message>
      <source>Licence: GPL-3.0-or-later</source>
      <translation>Licentie: GPL-3.0-or-later</translation>
    </message>
    <message>
      <source>OK</source>
      <translation>OK</translation>
    </message>
    <message>
      <source>Number of Columns</source>
      <translation>Aantal kolommen</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Annuleren</translation>
    </message>
    <message>
      <source>Two Columns</source>
      <translation>Twee kolommen</translation>
    </message>
    <message>
      <source>Three Columns</source>
      <translation>Drie kolommen</translation>
    </message>
    <message>
      <source>Four Columns</source>
      <translation>Vier kolommen</translation>
    </message>
    <message>
      <source>Select Number of Players</source>
      <translation>Aantal spelers kiezen</translation>
    </message>
    <message>
      <source>2 Players</source>
      <translation>2 spelers</translation>
    </message>
    <message>
      <source>3 Players</source>
      <translation>3 spelers</translation>
    </message>
    <message>
      <source>4 Players</source>
      <translation>4 spelers</translation>
    </message>
    <message>
      <source>Select Players</source>
      <translation>Spelers kiezen</translation>
    </message>
    <message>
      <source>Human</source>
      <translation>Mens</translation>
    </message>
    <message>
      <source>Player 1</source>
      <translation>Speler 1</translation>
    </message>
    <message>
      <source>Computer</source>
      <translation>Computer</translation>
    </message>
    <message>
      <source>Player 2</source>
      <translation>Speler 2</translation>
    </message>
    <message>
      <source>Player 3</source>
      <translation>Speler 3</translation>
    </message>
    <message>
      <source>Player 4</source>
      <translation>Speler 4</translation>
    </message>
  </context>
  <context>
    <name>FileNames</name>
    <message>
      <source>cannot open &apos;%1&apos;: %2</source>
      <translation>kan ‘%1’ niet openen: %2</translation>
    </message>
    <message>
      <source>it is a named pipe that nothing writes to</source>
      <translation>het is een benoemde pipe waar niets naar schrijft</translation>
    </message>
  </context>
  <context>
    <name>HelpBrowser</name>
    <message>
      <source>it is not a file of the help book</source>
      <translation>het is geen bestand van het hulpboek</translation>
    </message>
    <message>
      <source>it is larger than a help page can be</source>
      <translation>het is groter dan een hulppagina mag zijn</translation>
    </message>
    <message>
      <source>&lt;html&gt;&lt;head&gt;&lt;title&gt;Not shown&lt;/title&gt;&lt;/head&gt;&lt;body&gt;&lt;h2&gt;Not shown&lt;/h2&gt;&lt;p&gt;%1 is not shown: %2.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
      <translation>&lt;html&gt;&lt;head&gt;&lt;title&gt;Niet getoond&lt;/title&gt;&lt;/head&gt;&lt;body&gt;&lt;h2&gt;Niet getoond&lt;/h2&gt;&lt;p&gt;%1 wordt niet getoond: %2.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
  </context>
  <context>
    <name>HelpWindow</name>
    <message>
      <source>&amp;Contents</source>
      <translation>&amp;Inhoud</translation>
    </message>
    <message>
      <source>&amp;Back</source>
      <translation>&amp;Terug</translation>
    </message>
    <message>
      <source>&amp;Forward</source>
      <translation>&amp;Vooruit</translation>
    </message>
  </context>
  <context>
    <name>Hint</name>
    <message>
      <source>Hint: play %1 and %2, column %3</source>
      <translation>Tip: speel %1 en %2, kolom %3</translation>
    </message>
    <message>
      <source>Hint: roll again. The next throw busts %1 % of the time</source>
      <translation>Tip: gooi opnieuw. De volgende worp gaat %1 % van de keren onderuit</translation>
    </message>
    <message>
      <source>Hint: stop. The next throw would bust %1 % of the time</source>
      <translation>Tip: stop. De volgende worp zou %1 % van de keren onderuit gaan</translation>
    </message>
    <message>
      <source>No hint now</source>
      <translation>Nu geen tip</translation>
    </message>
  </context>
  <context>
    <name>Menu</name>
    <message>
      <source>&amp;New	F2</source>
      <translation>&amp;Nieuw	F2</translation>
    </message>
    <message>
      <source>E&amp;xit</source>
      <translation>&amp;Afsluiten</translation>
    </message>
    <message>
      <source>&amp;Slow</source>
      <translation>&amp;Langzaam</translation>
    </message>
    <message>
      <source>&amp;Normal</source>
      <translation>&amp;Normaal</translation>
    </message>
    <message>
      <source>&amp;Fast</source>
      <translation>&amp;Snel</translation>
    </message>
    <message>
      <source>&amp;Number of Columns</source>
      <translation>Aantal &amp;kolommen</translation>
    </message>
    <message>
      <source>&amp;Players</source>
      <translation>&amp;Spelers</translation>
    </message>
    <message>
      <source>Number of Players</source>
      <translation>Aantal spelers</translation>
    </message>
    <message>
      <source>&amp;Speed</source>
      <translation>Sn&amp;elheid</translation>
    </message>
    <message>
      <source>&amp;Help Topics</source>
      <translation>&amp;Hulponderwerpen</translation>
    </message>
    <message>
      <source>&amp;About Tumbleroad.</source>
      <translation>&amp;Over Tumbleroad.</translation>
    </message>
    <message>
      <source>&amp;Game</source>
      <translation>&amp;Spel</translation>
    </message>
    <message>
      <source>&amp;Options</source>
      <translation>&amp;Opties</translation>
    </message>
    <message>
      <source>&amp;Help</source>
      <translation>&amp;Hulp</translation>
    </message>
    <message>
      <source>&amp;Hint	H</source>
      <translation>&amp;Tip	H</translation>
    </message>
    <message>
      <source>&amp;Classic</source>
      <translation>&amp;Klassiek</translation>
    </message>
    <message>
      <source>S&amp;trong</source>
      <translation>S&amp;terk</translation>
    </message>
    <message>
      <source>Computer S&amp;trength</source>
      <translation>S&amp;terkte van de computer</translation>
    </message>
    <message>
      <source>&amp;Remember Options</source>
      <translation>Opties &amp;onthouden</translation>
    </message>
  </context>
  <context>
    <name>Startup</name>
    <message>
      <source>Tumbleroad cannot start: %1</source>
      <translation>Tumbleroad kan niet starten: %1</translation>
    </message>
  </context>
  <context>
    <name>StoredOptions</name>
    <message>
      <source>cannot read the remembered options in %1 (%2); the game starts with the usual options</source>
      <translation>de onthouden opties in %1 zijn niet te lezen (%2); het spel begint met de gewone opties</translation>
    </message>
    <message>
      <source>not a file of remembered options</source>
      <translation>geen bestand met onthouden opties</translation>
    </message>
    <message>
      <source>the remembered option %1 in %2 is &apos;%3&apos;, not %4; the game uses %5</source>
      <translation>de onthouden optie %1 in %2 is ‘%3’, niet %4; het spel neemt %5</translation>
    </message>
    <message>
      <source>the folder %1 cannot be made</source>
      <translation>de map %1 kan niet worden gemaakt</translation>
    </message>
    <message>
      <source>The options cannot be remembered: %1 cannot be written (%2). The game goes on with them.</source>
      <translation>De opties kunnen niet worden onthouden: %1 kan niet worden geschreven (%2). Het spel gaat met ze verder.</translation>
    </message>
    <message>
      <source>The remembered options cannot be forgotten: %1 cannot be deleted (%2).</source>
      <translation>De onthouden opties kunnen niet worden vergeten: %1 kan niet worden verwijderd (%2).</translation>
    </message>
  </context>
  <context>
    <name>TitleBar</name>
    <message>
      <source>Drag to move the window</source>
      <translation>Sleep om het venster te verplaatsen</translation>
    </message>
  </context>
  <context>
    <name>WinHelp</name>
    <message>
      <source>Help</source>
      <translation>Hulp</translation>
    </message>
    <message>
      <source>The help book %1 cannot be found.

These folders were searched:
%2</source>
      <translation>Het hulpboek %1 is niet gevonden.

Deze mappen zijn doorzocht:
%2</translation>
    </message>
  </context>
</TS>