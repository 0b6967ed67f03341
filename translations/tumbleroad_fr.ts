<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
  <context>
    <name>BoardMessage</name>
    <message>
      <source>Player %1</source>
      <translation>Joueur %1</translation>
    </message>
    <message>
      <source>%1 (computer)</source>
      <translation>%1 (ordinateur)</translation>
    </message>
    <message>
      <source>column %1</source>
      <translation>la colonne %1</translation>
    </message>
    <message>
      <source>columns %1 and %2</source>
      <translation>les colonnes %1 et %2</translation>
    </message>
    <message>
      <source>%1 busts</source>
      <translation>%1 saute</translation>
    </message>
    <message>
      <source>%1 cannot play this throw: the turn passes</source>
      <translation>%1 ne peut pas jouer ce lancer : le tour passe</translation>
    </message>
    <message>
      <source>%1 claims %2</source>
      <translation>%1 remporte %2</translation>
    </message>
    <message>
      <source>%1 wins. F2 starts a new game.</source>
      <translation>%1 gagne. F2 lance une nouvelle partie.</translation>
    </message>
    <message>
      <source>Nobody can win any more. F2 starts a new game.</source>
      <translation>Plus personne ne peut gagner. F2 lance une nouvelle partie.</translation>
    </message>
      <message>
      <source>column %1 at cell %2</source>
      <translation>colonne %1 à la case %2</translation>
    </message>
    <message>
      <source>%1 stops: %2</source>
      <translation>%1 s’arrête : %2</translation>
    </message>
    <message>
      <source>%1. %2</source>
      <translation>%1. %2</translation>
    </message>
    <message>
      <source>%1: roll or stop</source>
      <translation>%1 : relancez ou arrêtez</translation>
    </message>
    <message>
      <source>%1: choose two dice</source>
      <translation>%1 : choisissez deux dés</translation>
    </message>
</context>
  <context>
    <name>BoardParts</name>
    <message>
      <source>Tumbleroad board</source>
      <translation>Plateau de Tumbleroad</translation>
    </message>
    <message>
      <source>Keys: 1, 2, 3 and 4 choose or put back the top-left, top-right, bottom-left and bottom-right die; Enter plays the two chosen dice as a pair; R presses ROLL; S presses STOP. F2 starts a new game, F1 opens the help.</source>
      <translation>Touches : 1, 2, 3 et 4 choisissent ou reposent le dé en haut à gauche, en haut à droite, en bas à gauche et en bas à droite ; Entrée joue les deux dés choisis comme une paire ; R appuie sur « Relancer » ; S appuie sur « Arrêter ». F2 lance une nouvelle partie, F1 ouvre l’aide.</translation>
    </message>
    <message>
      <source>ROLL</source>
      <translation>Relancer</translation>
    </message>
    <message>
      <source>Throw the four dice again</source>
      <translation>Relancer les quatre dés</translation>
    </message>
    <message>
      <source>STOP</source>
      <translation>Arrêter</translation>
    </message>
    <message>
      <source>Keep what you climbed and pass the turn</source>
      <translation>Garder ce qui a été gravi et passer le tour</translation>
    </message>
  </context>
  <context>
    <name>BoardWords</name>
    <message>
      <source>Top-left die: %1</source>
      <translation>Dé en haut à gauche : %1</translation>
    </message>
    <message>
      <source>Top-right die: %1</source>
      <translation>Dé en haut à droite : %1</translation>
    </message>
    <message>
      <source>Bottom-left die: %1</source>
      <translation>Dé en bas à gauche : %1</translation>
    </message>
    <message>
      <source>Bottom-right die: %1</source>
      <translation>Dé en bas à droite : %1</translation>
    </message>
    <message>
      <source>Player %1</source>
      <translation>Joueur %1</translation>
    </message>
    <message>
      <source>used</source>
      <translation>utilisé</translation>
    </message>
    <message>
      <source>Column %1: claimed by %2</source>
      <translation>Colonne %1 : remportée par %2</translation>
    </message>
    <message>
      <source>%1 at %2</source>
      <translation>%1 à %2</translation>
    </message>
    <message>
      <source>white peg at %1</source>
      <translation>pion blanc à %1</translation>
    </message>
    <message>
      <source>Column %1: %2</source>
      <translation>Colonne %1 : %2</translation>
    </message>
    <message>
      <source>empty</source>
      <translation>vide</translation>
    </message>
    <message>
      <source>, </source>
      <translation>, </translation>
    </message>
    <message>
      <source>%1 cells</source>
      <translation>%1 cases</translation>
    </message>
    <message>
      <source>Winner %1</source>
      <translation>Gagnant %1</translation>
    </message>
    <message>
      <source>No Winner</source>
      <translation>Aucun gagnant</translation>
    </message>
  </context>
  <context>
    <name>CommandLine</name>
    <message>
      <source>--seed may be given only once.</source>
      <translation>--seed ne peut être donné qu’une fois.</translation>
    </message>
    <message>
      <source>invalid seed '%1': give a whole number from 0 to %2.</source>
      <translation>graine « %1 » invalide : donnez un nombre entier de 0 à %2.</translation>
    </message>
    <message>
      <source>too many file names: '%1'.</source>
      <translation>trop de noms de fichiers : « %1 ».</translation>
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
      <translation>Utilisation : %1 [OPTION]... [FICHIER]
Joue à Tumbleroad, un jeu de dés de chance et d’audace pour deux à quatre joueurs,
chacun une personne à la souris ou l’ordinateur.

      --seed=N     lance les dés à partir de la graine fixe N (0 à 4294967295),
                   pour que les mêmes coups rejouent la même partie ;
                   sans elle, les dés suivent l’horloge
      --help       afficher cette aide et quitter
      --version    afficher la version et quitter

FICHIER, s’il est donné, doit être un fichier lisible ; le jeu n’en lit rien
et démarre comme d’habitude.

Appuyez sur F1 dans le jeu pour les règles et la manière de jouer.
</translation>
    </message>
    <message>
      <source>%1: %2
Try '%1 --help' for more information.
</source>
      <translation>%1 : %2
Essayez « %1 --help » pour plus d’informations.
</translation>
    </message>
    <message>
      <source>the board&apos;s scale: 1 to 16, or 0 as the screen gives (0)</source>
      <translation>l&apos;échelle du plateau : 1 à 16, ou 0 selon l&apos;écran (0)</translation>
    </message>
    <message>
      <source>columns to claim to win, 2 to 4 (3)</source>
      <translation>colonnes à conquérir pour gagner, 2 à 4 (3)</translation>
    </message>
    <message>
      <source>players the computer plays: 2 or 2,3,4 (none)</source>
      <translation>joueurs que joue l’ordinateur : 2 ou 2,3,4 (aucun)</translation>
    </message>
    <message>
      <source>number of players, 2 to 4 (2)</source>
      <translation>nombre de joueurs, 2 à 4 (2)</translation>
    </message>
    <message>
      <source>the computer&apos;s pace: slow, normal or fast (normal)</source>
      <translation>vitesse de l’ordinateur : slow, normal ou fast (normal)</translation>
    </message>
    <message>
      <source>the computer&apos;s play: classic or strong (classic)</source>
      <translation>force de l’ordinateur : classic ou strong (classic)</translation>
    </message>
    <message>
      <source>a whole number from %1 to %2</source>
      <translation>un nombre entier de %1 à %2</translation>
    </message>
    <message>
      <source>one of %1</source>
      <translation>l’un de : %1</translation>
    </message>
    <message>
      <source>player numbers from 1 to %1, each at most once, separated by commas</source>
      <translation>des numéros de joueur de 1 à %1, chacun au plus une fois, séparés par des virgules</translation>
    </message>
    <message>
      <source>--%1 may be given only once.</source>
      <translation>--%1 ne peut être donné qu’une fois.</translation>
    </message>
    <message>
      <source>invalid value &apos;%1&apos; for --%2: give %3.</source>
      <translation>valeur « %1 » invalide pour --%2 : donnez %3.</translation>
    </message>
    <message>
      <source>--computer gives player %1, but the game has %2 players: give player numbers from 1 to %2, or more --players.</source>
      <translation>--computer donne le joueur %1, mais la partie a %2 joueurs : donnez des numéros de joueur de 1 à %2, ou plus de --players.</translation>
    </message>
    <message>
      <source>The first game&apos;s options, as if chosen in the Options menu:</source>
      <translation>Les options de la première partie, comme choisies dans le menu Options :</translation>
    </message>
  </context>
  <context>
    <name>Dialog</name>
    <message>
      <source>About Tumbleroad</source>
      <translation>À propos de Tumbleroad</translation>
    </message>
    <message>
      <source>Licence: GPL-3.0-or-later</source>
      <translation>Licence : GPL-3.0-or-later</translation>
    </message>
    <message>
      <source>OK</source>
      <translation>OK</translation>
    </message>
    <message>
      <source>Number of Columns</source>
      <translation>Nombre de colonnes</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Annuler</translation>
    </message>
    <message>
      <source>Two Columns</source>
      <translation>Deux colonnes</translation>
    </message>
    <message>
      <source>Three Columns</source>
      <translation>Trois colonnes</translation>
    </message>
    <message>
      <source>Four Columns</source>
      <translation>Quatre colonnes</translation>
    </message>
    <message>
      <source>Select Number of Players</source>
      <translation>Choisir le nombre de joueurs</translation>
    </message>
    <message>
      <source>2 Players</source>
      <translation>2 joueurs</translation>
    </message>
    <message>
      <source>3 Players</source>
      <translation>3 joueurs</translation>
    </message>
    <message>
      <source>4 Players</source>
      <translation>4 joueurs</translation>
    </message>
    <message>
      <source>Select Players</source>
      <translation>Choisir les joueurs</translation>
    </message>
    <message>
      <source>Human</source>
      <translation>Humain</translation>
    </message>
    <message>
      <source>Player 1</source>
      <translation>Joueur 1</translation>
    </message>
    <message>
      <source>Computer</source>
      <translation>Ordinateur</translation>
    </message>
    <message>
      <source>Player 2</source>
      <translation>Joueur 2</translation>
    </message>
    <message>
      <source>Player 3</source>
      <translation>Joueur 3</translation>
    </message>
    <message>
      <source>Player 4</source>
      <translation>Joueur 4</translation>
    </message>
  </context>
  <context>
    <name>FileNames</name>
    <message>
      <source>cannot open &apos;%1&apos;: %2</source>
      <translation>impossible d’ouvrir « %1 » : %2</translation>
    </message>
    <message>
      <source>it is a named pipe that nothing writes to</source>
      <translation>c’est un tube nommé dans lequel rien n’écrit</translation>
    </message>
  </context>
  <context>
    <name>HelpBrowser</name>
    <message>
      <source>it is not a file of the help book</source>
      <translation>ce n’est pas un fichier du livre d’aide</translation>
    </message>
    <message>
      <source>it is larger than a help page can be</source>
      <translation>il est plus grand qu’une page d’aide ne peut l’être</translation>
    </message>
    <message>
      <source>&lt;html&gt;&lt;head&gt;&lt;title&gt;Not shown&lt;/title&gt;&lt;/head&gt;&lt;body&gt;&lt;h2&gt;Not shown&lt;/h2&gt;&lt;p&gt;%1 is not shown: %2.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
      <translation>&lt;html&gt;&lt;head&gt;&lt;title&gt;Non affiché&lt;/title&gt;&lt;/head&gt;&lt;body&gt;&lt;h2&gt;Non affiché&lt;/h2&gt;&lt;p&gt;%1 n’est pas affiché : %2.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
  </context>
  <context>
    <name>HelpWindow</name>
    <message>
      <source>&amp;Contents</source>
      <translation>&amp;Sommaire</translation>
    </message>
    <message>
      <source>&amp;Back</source>
      <translation>&amp;Précédent</translation>
    </message>
    <message>
      <source>&amp;Forward</source>
      <translation>&amp;Suivant</translation>
    </message>
  </context>
  <context>
    <name>Hint</name>
    <message>
      <source>Hint: play %1 and %2, column %3</source>
      <translation>Conseil : jouez %1 et %2, colonne %3</translation>
    </message>
    <message>
      <source>Hint: roll again. The next throw busts %1 % of the time</source>
      <translation>Conseil : relancez. Le prochain lancer saute %1 % du temps</translation>
    </message>
    <message>
      <source>Hint: stop. The next throw would bust %1 % of the time</source>
      <translation>Conseil : arrêtez. Le prochain lancer sauterait %1 % du temps</translation>
    </message>
    <message>
      <source>No hint now</source>
      <translation>Pas de conseil pour l’instant</translation>
    </message>
  </context>
  <context>
    <name>Menu</name>
    <message>
      <source>&amp;New	F2</source>
      <translation>&amp;Nouvelle partie	F2</translation>
    </message>
    <message>
      <source>E&amp;xit</source>
      <translation>&amp;Quitter</translation>
    </message>
    <message>
      <source>&amp;Slow</source>
      <translation>&amp;Lente</translation>
    </message>
    <message>
      <source>&amp;Normal</source>
      <translation>&amp;Normale</translation>
    </message>
    <message>
      <source>&amp;Fast</source>
      <translation>&amp;Rapide</translation>
    </message>
    <message>
      <source>&amp;Number of Columns</source>
      <translation>Nombre de &amp;colonnes</translation>
    </message>
    <message>
      <source>&amp;Players</source>
      <translation>&amp;Joueurs</translation>
    </message>
    <message>
      <source>Number of Players</source>
      <translation>Nombre de joueurs</translation>
    </message>
    <message>
      <source>&amp;Speed</source>
      <translation>&amp;Vitesse</translation>
    </message>
    <message>
      <source>&amp;Help Topics</source>
      <translation>&amp;Rubriques d’aide</translation>
    </message>
    <message>
      <source>&amp;About Tumbleroad.</source>
      <translation>À &amp;propos de Tumbleroad.</translation>
    </message>
    <message>
      <source>&amp;Game</source>
      <translation>&amp;Partie</translation>
    </message>
    <message>
      <source>&amp;Options</source>
      <translation>&amp;Options</translation>
    </message>
    <message>
      <source>&amp;Help</source>
      <translation>&amp;Aide</translation>
    </message>
    <message>
      <source>&amp;Hint	H</source>
      <translation>&amp;Conseil	H</translation>
    </message>
    <message>
      <source>&amp;Classic</source>
      <translation>&amp;Classique</translation>
    </message>
    <message>
      <source>S&amp;trong</source>
      <translation>&amp;Fort</translation>
    </message>
    <message>
      <source>Computer S&amp;trength</source>
      <translation>&amp;Force de l’ordinateur</translation>
    </message>
    <message>
      <source>&amp;Remember Options</source>
      <translation>&amp;Mémoriser les options</translation>
    </message>
  </context>
  <context>
    <name>Startup</name>
    <message>
      <source>Tumbleroad cannot start: %1</source>
      <translation>Tumbleroad ne peut pas démarrer : %1</translation>
    </message>
  </context>
  <context>
    <name>StoredOptions</name>
    <message>
      <source>cannot read the remembered options in %1 (%2); the game starts with the usual options</source>
      <translation>impossible de lire les options mémorisées dans %1 (%2) ; la partie commence avec les options habituelles</translation>
    </message>
    <message>
      <source>not a file of remembered options</source>
      <translation>ce n’est pas un fichier d’options mémorisées</translation>
    </message>
    <message>
      <source>the remembered option %1 in %2 is &apos;%3&apos;, not %4; the game uses %5</source>
      <translation>l’option mémorisée %1 dans %2 vaut « %3 », pas %4 ; la partie prend %5</translation>
    </message>
    <message>
      <source>the folder %1 cannot be made</source>
      <translation>le dossier %1 ne peut pas être créé</translation>
    </message>
    <message>
      <source>The options cannot be remembered: %1 cannot be written (%2). The game goes on with them.</source>
      <translation>Les options ne peuvent pas être mémorisées : impossible d’écrire %1 (%2). La partie continue avec elles.</translation>
    </message>
    <message>
      <source>The remembered options cannot be forgotten: %1 cannot be deleted (%2).</source>
      <translation>Les options mémorisées ne peuvent pas être oubliées : impossible de supprimer %1 (%2).</translation>
    </message>
  </context>
  <context>
    <name>TitleBar</name>
    <message>
      <source>Drag to move the window</source>
      <translation>Faire glisser pour déplacer la fenêtre</translation>
    </message>
  </context>
  <context>
    <name>WinHelp</name>
    <message>
      <source>Help</source>
      <translation>Aide</translation>
    </message>
    <message>
      <source>The help book %1 cannot be found.

These folders were searched:
%2</source>
      <translation>Le livre d’aide %1 est introuvable.

Ces dossiers ont été parcourus :
%2</translation>
    </message>
  </context>
</TS>