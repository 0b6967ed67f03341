<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
  <context>
    <name>BoardMessage</name>
    <message>
      <source>Player %1</source>
      <translation>Игрок %1</translation>
    </message>
    <message>
      <source>%1 (computer)</source>
      <translation>%1 (компьютер)</translation>
    </message>
    <message>
      <source>column %1</source>
      <translation>колонку %1</translation>
    </message>
    <message>
      <source>columns %1 and %2</source>
      <translation>колонки %1 и %2</translation>
    </message>
    <message>
      <source>%1 busts</source>
      <translation>%1 прогорает</translation>
    </message>
    <message>
      <source>%1 cannot play this throw: the turn passes</source>
      <translation>%1 не может сыграть этот бросок: ход переходит</translation>
    </message>
    <message>
      <source>%1 claims %2</source>
      <translation>%1 занимает %2</translation>
    </message>
    <message>
      <source>%1 wins. F2 starts a new game.</source>
      <translation>%1 побеждает. F2 начинает новую игру.</translation>
    </message>
    <message>
      <source>Nobody can win any more. F2 starts a new game.</source>
      <translation>Больше никто не может победить. F2 начинает новую игру.</translation>
    </message>
      <message>
      <source>column %1 at cell %2</source>
      <translation>колонка %1 на клетке %2</translation>
    </message>
    <message>
      <source>%1 stops: %2</source>
      <translation>%1 останавливается: %2</translation>
    </message>
    <message>
      <source>%1. %2</source>
      <translation>%1. %2</translation>
    </message>
    <message>
      <source>%1: roll or stop</source>
      <translation>%1: бросайте или остановитесь</translation>
    </message>
    <message>
      <source>%1: choose two dice</source>
      <translation>%1: выберите две кости</translation>
    </message>
</context>
  <context>
    <name>BoardParts</name>
    <message>
      <source>Tumbleroad board</source>
      <translation>Доска Tumbleroad</translation>
    </message>
    <message>
      <source>Keys: 1, 2, 3 and 4 choose or put back the top-left, top-right, bottom-left and bottom-right die; Enter plays the two chosen dice as a pair; R presses ROLL; S presses STOP. F2 starts a new game, F1 opens the help.</source>
      <translation>Клавиши: 1, 2, 3 и 4 выбирают или возвращают левый верхний, правый верхний, левый нижний и правый нижний кубик; Enter играет два выбранных кубика парой; R нажимает «Бросок»; S нажимает «Стоп». F2 начинает новую игру, F1 открывает справку.</translation>
    </message>
    <message>
      <source>ROLL</source>
      <translation>Бросок</translation>
    </message>
    <message>
      <source>Throw the four dice again</source>
      <translation>Бросить четыре кубика ещё раз</translation>
    </message>
    <message>
      <source>STOP</source>
      <translation>Стоп</translation>
    </message>
    <message>
      <source>Keep what you climbed and pass the turn</source>
      <translation>Сохранить подъём и передать ход</translation>
    </message>
  </context>
  <context>
    <name>BoardWords</name>
    <message>
      <source>Top-left die: %1</source>
      <translation>Левый верхний кубик: %1</translation>
    </message>
    <message>
      <source>Top-right die: %1</source>
      <translation>Правый верхний кубик: %1</translation>
    </message>
    <message>
      <source>Bottom-left die: %1</source>
      <translation>Левый нижний кубик: %1</translation>
    </message>
    <message>
      <source>Bottom-right die: %1</source>
      <translation>Правый нижний кубик: %1</translation>
    </message>
    <message>
      <source>Player %1</source>
      <translation>Игрок %1</translation>
    </message>
    <message>
      <source>used</source>
      <translation>использован</translation>
    </message>
    <message>
      <source>Column %1: claimed by %2</source>
      <translation>Колонка %1: занята: %2</translation>
    </message>
    <message>
      <source>%1 at %2</source>
      <translation>%1 на %2</translation>
    </message>
    <message>
      <source>white peg at %1</source>
      <translation>белая фишка на %1</translation>
    </message>
    <message>
      <source>Column %1: %2</source>
      <translation>Колонка %1: %2</translation>
    </message>
    <message>
      <source>empty</source>
      <translation>пусто</translation>
    </message>
    <message>
      <source>, </source>
      <translation>, </translation>
    </message>
    <message>
      <source>%1 cells</source>
      <translation>клеток: %1</translation>
    </message>
    <message>
      <source>Winner %1</source>
      <translation>Победитель %1</translation>
    </message>
    <message>
      <source>No Winner</source>
      <translation>Нет победителя</translation>
    </message>
  </context>
  <context>
    <name>CommandLine</name>
    <message>
      <source>--seed may be given only once.</source>
      <translation>--seed можно указать только один раз.</translation>
    </message>
    <message>
      <source>invalid seed '%1': give a whole number from 0 to %2.</source>
      <translation>неверное зерно «%1»: укажите целое число от 0 до %2.</translation>
    </message>
    <message>
      <source>too many file names: '%1'.</source>
      <translation>слишком много имён файлов: «%1».</translation>
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
      <translation>Использование: %1 [ПАРАМЕТР]... [ФАЙЛ]
Играть в Tumbleroad, игру в кости на удачу и смелость для двух–четырёх игроков,
каждый из которых — человек с мышью или компьютер.

      --seed=N     бросать кубики от постоянного зерна N (от 0 до 4294967295),
                   чтобы одни и те же ходы повторяли одну и ту же игру;
                   без него кубики следуют часам
      --help       показать эту справку и выйти
      --version    показать сведения о версии и выйти

ФАЙЛ, если указан, должен быть доступен для чтения; игра ничего из него
не читает и начинается как обычно.

Нажмите F1 в игре, чтобы узнать правила и как играть.
</translation>
    </message>
    <message>
      <source>%1: %2
Try '%1 --help' for more information.
</source>
      <translation>%1: %2
Подробнее: «%1 --help».
</translation>
    </message>
    <message>
      <source>the board&apos;s scale: 1 to 16, or 0 as the screen gives (0)</source>
      <translation>масштаб доски: от 1 до 16 или 0 — как у экрана (0)</translation>
    </message>
    <message>
      <source>columns to claim to win, 2 to 4 (3)</source>
      <translation>колонок для победы, от 2 до 4 (3)</translation>
    </message>
    <message>
      <source>players the computer plays: 2 or 2,3,4 (none)</source>
      <translation>игроки за компьютер: 2 или 2,3,4 (нет)</translation>
    </message>
    <message>
      <source>number of players, 2 to 4 (2)</source>
      <translation>число игроков, от 2 до 4 (2)</translation>
    </message>
    <message>
      <source>the computer&apos;s pace: slow, normal or fast (normal)</source>
      <translation>скорость компьютера: slow, normal или fast (normal)</translation>
    </message>
    <message>
      <source>the computer&apos;s play: classic or strong (classic)</source>
      <translation>сила компьютера: classic или strong (classic)</translation>
    </message>
    <message>
      <source>a whole number from %1 to %2</source>
      <translation>целое число от %1 до %2</translation>
    </message>
    <message>
      <source>one of %1</source>
      <translation>одно из: %1</translation>
    </message>
    <message>
      <source>player numbers from 1 to %1, each at most once, separated by commas</source>
      <translation>номера игроков от 1 до %1, каждый не более одного раза, через запятую</translation>
    </message>
    <message>
      <source>--%1 may be given only once.</source>
      <translation>--%1 можно указать только один раз.</translation>
    </message>
    <message>
      <source>invalid value &apos;%1&apos; for --%2: give %3.</source>
      <translation>неверное значение «%1» для --%2: укажите %3.</translation>
    </message>
    <message>
      <source>--computer gives player %1, but the game has %2 players: give player numbers from 1 to %2, or more --players.</source>
      <translation>--computer называет игрока %1, но в игре %2 игрока: укажите номера игроков от 1 до %2 или больше --players.</translation>
    </message>
    <message>
      <source>The first game&apos;s options, as if chosen in the Options menu:</source>
      <translation>Параметры первой игры, как если бы они были выбраны в меню «Параметры»:</translation>
    </message>
  </context>
  <context>
    <name>Dialog</name>
    <message>
      <source>About Tumbleroad</source>
      <translation>О Tumbleroad</translation>
    </message>
    <message>
      <source>Licence: GPL-3.0-or-later</source>
      <translation>Лицензия: GPL-3.0-or-later</translation>
    </message>
    <message>
      <source>OK</source>
      <translation>ОК</translation>
    </message>
    <message>
      <source>Number of Columns</source>
      <translation>Число колонок</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Отмена</translation>
    </message>
    <message>
      <source>Two Columns</source>
      <translation>Две колонки</translation>
    </message>
    <message>
      <source>Three Columns</source>
      <translation>Три колонки</translation>
    </message>
    <message>
      <source>Four Columns</source>
      <translation>Четыре колонки</translation>
    </message>
    <message>
      <source>Select Number of Players</source>
      <translation>Выбор числа игроков</translation>
    </message>
    <message>
      <source>2 Players</source>
      <translation>2 игрока</translation>
    </message>
    <message>
      <source>3 Players</source>
      <translation>3 игрока</translation>
    </message>
    <message>
      <source>4 Players</source>
      <translation>4 игрока</translation>
    </message>
    <message>
      <source>Select Players</source>
      <translation>Выбор игроков</translation>
    </message>
    <message>
      <source>Human</source>
      <translation>Человек</translation>
    </message>
    <message>
      <source>Player 1</source>
      <translation>Игрок 1</translation>
    </message>
    <message>
      <source>Computer</source>
      <translation>Компьютер</translation>
    </message>
    <message>
      <source>Player 2</source>
      <translation>Игрок 2</translation>
    </message>
    <message>
      <source>Player 3</source>
      <translation>Игрок 3</translation>
    </message>
    <message>
      <source>Player 4</source>
      <translation>Игрок 4</translation>
    </message>
  </context>
  <context>
    <name>FileNames</name>
    <message>
      <source>cannot open &apos;%1&apos;: %2</source>
      <translation>не удаётся открыть «%1»: %2</translation>
    </message>
    <message>
      <source>it is a named pipe that nothing writes to</source>
      <translation>это именованный канал, в который ничего не пишет</translation>
    </message>
  </context>
  <context>
    <name>HelpBrowser</name>
    <message>
      <source>it is not a file of the help book</source>
      <translation>это не файл книги справки</translation>
    </message>
    <message>
      <source>it is larger than a help page can be</source>
      <translation>он больше, чем может быть страница справки</translation>
    </message>
    <message>
      <source>&lt;html&gt;&lt;head&gt;&lt;title&gt;Not shown&lt;/title&gt;&lt;/head&gt;&lt;body&gt;&lt;h2&gt;Not shown&lt;/h2&gt;&lt;p&gt;%1 is not shown: %2.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
      <translation>&lt;html&gt;&lt;head&gt;&lt;title&gt;Не показано&lt;/title&gt;&lt;/head&gt;&lt;body&gt;&lt;h2&gt;Не показано&lt;/h2&gt;&lt;p&gt;%1 не показан: %2.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
  </context>
  <context>
    <name>HelpWindow</name>
    <message>
      <source>&amp;Contents</source>
      <translation>&amp;Содержание</translation>
    </message>
    <message>
      <source>&amp;Back</source>
      <translation>&amp;Назад</translation>
    </message>
    <message>
      <source>&amp;Forward</source>
      <translation>&amp;Вперёд</translation>
    </message>
  </context>
  <context>
    <name>Hint</name>
    <message>
      <source>Hint: play %1 and %2, column %3</source>
      <translation>Подсказка: сыграйте %1 и %2, колонка %3</translation>
    </message>
    <message>
      <source>Hint: roll again. The next throw busts %1 % of the time</source>
      <translation>Подсказка: бросайте ещё. Следующий бросок прогорает в %1 % случаев</translation>
    </message>
    <message>
      <source>Hint: stop. The next throw would bust %1 % of the time</source>
      <translation>Подсказка: остановитесь. Следующий бросок прогорел бы в %1 % случаев</translation>
    </message>
    <message>
      <source>No hint now</source>
      <translation>Сейчас подсказки нет</translation>
    </message>
  </context>
  <context>
    <name>Menu</name>
    <message>
      <source>&amp;New	F2</source>
      <translation>&amp;Новая игра	F2</translation>
    </message>
    <message>
      <source>E&amp;xit</source>
      <translation>&amp;Выход</translation>
    </message>
    <message>
      <source>&amp;Slow</source>
      <translation>&amp;Медленно</translation>
    </message>
    <message>
      <source>&amp;Normal</source>
      <translation>&amp;Обычно</translation>
    </message>
    <message>
      <source>&amp;Fast</source>
      <translation>&amp;Быстро</translation>
    </message>
    <message>
      <source>&amp;Number of Columns</source>
      <translation>Число &amp;колонок</translation>
    </message>
    <message>
      <source>&amp;Players</source>
      <translation>&amp;Игроки</translation>
    </message>
    <message>
      <source>Number of Players</source>
      <translation>Число игроков</translation>
    </message>
    <message>
      <source>&amp;Speed</source>
      <translation>&amp;Скорость</translation>
    </message>
    <message>
      <source>&amp;Help Topics</source>
      <translation>&amp;Разделы справки</translation>
    </message>
    <message>
      <source>&amp;About Tumbleroad.</source>
      <translation>&amp;О Tumbleroad.</translation>
    </message>
    <message>
      <source>&amp;Game</source>
      <translation>&amp;Игра</translation>
    </message>
    <message>
      <source>&amp;Options</source>
      <translation>&amp;Параметры</translation>
    </message>
    <message>
      <source>&amp;Help</source>
      <translation>&amp;Справка</translation>
    </message>
    <message>
      <source>&amp;Hint	H</source>
      <translation>&amp;Подсказка	H</translation>
    </message>
    <message>
      <source>&amp;Classic</source>
      <translation>&amp;Классический</translation>
    </message>
    <message>
      <source>S&amp;trong</source>
      <translation>&amp;Сильный</translation>
    </message>
    <message>
      <source>Computer S&amp;trength</source>
      <translation>Сила &amp;компьютера</translation>
    </message>
    <message>
      <source>&amp;Remember Options</source>
      <translation>&amp;Запоминать параметры</translation>
    </message>
  </context>
  <context>
    <name>Startup</name>
    <message>
      <source>Tumbleroad cannot start: %1</source>
      <translation>Tumbleroad не может запуститься: %1</translation>
    </message>
  </context>
  <context>
    <name>StoredOptions</name>
    <message>
      <source>cannot read the remembered options in %1 (%2); the game starts with the usual options</source>
      <translation>не удаётся прочитать запомненные параметры в %1 (%2); игра начинается с обычными параметрами</translation>
    </message>
    <message>
      <source>not a file of remembered options</source>
      <translation>это не файл запомненных параметров</translation>
    </message>
    <message>
      <source>the remembered option %1 in %2 is &apos;%3&apos;, not %4; the game uses %5</source>
      <translation>запомненный параметр %1 в %2 равен «%3», а не %4; игра берёт %5</translation>
    </message>
    <message>
      <source>the folder %1 cannot be made</source>
      <translation>не удаётся создать папку %1</translation>
    </message>
    <message>
      <source>The options cannot be remembered: %1 cannot be written (%2). The game goes on with them.</source>
      <translation>Параметры нельзя запомнить: не удаётся записать %1 (%2). Игра продолжается с ними.</translation>
    </message>
    <message>
      <source>The remembered options cannot be forgotten: %1 cannot be deleted (%2).</source>
      <translation>Запомненные параметры нельзя забыть: не удаётся удалить %1 (%2).</translation>
    </message>
  </context>
  <context>
    <name>TitleBar</name>
    <message>
      <source>Drag to move the window</source>
      <translation>Перетащите, чтобы переместить окно</translation>
    </message>
  </context>
  <context>
    <name>WinHelp</name>
    <message>
      <source>Help</source>
      <translation>Справка</translation>
    </message>
    <message>
      <source>The help book %1 cannot be found.

These folders were searched:
%2</source>
      <translation>Книга справки %1 не найдена.

Просмотрены эти папки:
%2</translation>
    </message>
  </context>
</TS>