<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
  <context>
    <name>BoardMessage</name>
    <message>
      <source>Player %1</source>
      <translation>玩家 %1</translation>
    </message>
    <message>
      <source>%1 (computer)</source>
      <translation>%1（电脑）</translation>
    </message>
    <message>
      <source>column %1</source>
      <translation>第 %1 列</translation>
    </message>
    <message>
      <source>columns %1 and %2</source>
      <translation>第 %1 和 %2 列</translation>
    </message>
    <message>
      <source>%1 busts</source>
      <translation>%1 爆掉了</translation>
    </message>
    <message>
      <source>%1 cannot play this throw: the turn passes</source>
      <translation>%1 无法使用这次投掷：轮到下一位</translation>
    </message>
    <message>
      <source>%1 claims %2</source>
      <translation>%1 占领了%2</translation>
    </message>
    <message>
      <source>%1 wins. F2 starts a new game.</source>
      <translation>%1 获胜。按 F2 开始新游戏。</translation>
    </message>
    <message>
      <source>Nobody can win any more. F2 starts a new game.</source>
      <translation>已经没有人能获胜。按 F2 开始新游戏。</translation>
    </message>
      <message>
      <source>column %1 at cell %2</source>
      <translation>第 %1 列第 %2 格</translation>
    </message>
    <message>
      <source>%1 stops: %2</source>
      <translation>%1 停止：%2</translation>
    </message>
    <message>
      <source>%1. %2</source>
      <translation>%1。%2</translation>
    </message>
    <message>
      <source>%1: roll or stop</source>
      <translation>%1：再掷或停止</translation>
    </message>
    <message>
      <source>%1: choose two dice</source>
      <translation>%1：选择两颗骰子</translation>
    </message>
</context>
  <context>
    <name>BoardParts</name>
    <message>
      <source>Tumbleroad board</source>
      <translation>Tumbleroad 棋盘</translation>
    </message>
    <message>
      <source>Keys: 1, 2, 3 and 4 choose or put back the top-left, top-right, bottom-left and bottom-right die; Enter plays the two chosen dice as a pair; R presses ROLL; S presses STOP. F2 starts a new game, F1 opens the help.</source>
      <translation>按键：1、2、3 和 4 选择或放回左上、右上、左下和右下的骰子；Enter 把选中的两个骰子作为一对使用；R 按下“投掷”；S 按下“停止”。F2 开始新游戏，F1 打开帮助。</translation>
    </message>
    <message>
      <source>ROLL</source>
      <translation>投掷</translation>
    </message>
    <message>
      <source>Throw the four dice again</source>
      <translation>再投一次四个骰子</translation>
    </message>
    <message>
      <source>STOP</source>
      <translation>停止</translation>
    </message>
    <message>
      <source>Keep what you climbed and pass the turn</source>
      <translation>保留已爬升的进度并交出回合</translation>
    </message>
  </context>
  <context>
    <name>BoardWords</name>
    <message>
      <source>Top-left die: %1</source>
      <translation>左上骰子：%1</translation>
    </message>
    <message>
      <source>Top-right die: %1</source>
      <translation>右上骰子：%1</translation>
    </message>
    <message>
      <source>Bottom-left die: %1</source>
      <translation>左下骰子：%1</translation>
    </message>
    <message>
      <source>Bottom-right die: %1</source>
      <translation>右下骰子：%1</translation>
    </message>
    <message>
      <source>Player %1</source>
      <translation>玩家 %1</translation>
    </message>
    <message>
      <source>used</source>
      <translation>已用</translation>
    </message>
    <message>
      <source>Column %1: claimed by %2</source>
      <translation>第 %1 列：被%2占领</translation>
    </message>
    <message>
      <source>%1 at %2</source>
      <translation>%1 在 %2</translation>
    </message>
    <message>
      <source>white peg at %1</source>
      <translation>白色棋子在 %1</translation>
    </message>
    <message>
      <source>Column %1: %2</source>
      <translation>第 %1 列：%2</translation>
    </message>
    <message>
      <source>empty</source>
      <translation>空</translation>
    </message>
    <message>
      <source>, </source>
      <translation>，</translation>
    </message>
    <message>
      <source>%1 cells</source>
      <translation>%1 格</translation>
    </message>
    <message>
      <source>Winner %1</source>
      <translation>获胜者 %1</translation>
    </message>
    <message>
      <source>No Winner</source>
      <translation>无人获胜</translation>
    </message>
  </context>
  <context>
    <name>CommandLine</name>
    <message>
      <source>--seed may be given only once.</source>
      <translation>--seed 只能给出一次。</translation>
    </message>
    <message>
      <source>invalid seed '%1': give a whole number from 0 to %2.</source>
      <translation>无效的种子“%1”：请给出 0 到 %2 之间的整数。</translation>
    </message>
    <message>
      <source>too many file names: '%1'.</source>
      <translation>文件名太多：“%1”。</translation>
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
      <translation>用法：%1 [选项]... [文件]
玩 Tumbleroad，一款适合二到四名玩家的碰运气骰子游戏，
每名玩家可以是用鼠标的人，也可以是电脑。

      --seed=N     从固定种子 N（0 到 4294967295）投掷骰子，
                   使相同的走法重现相同的对局；
                   不给出时骰子随时钟而定
      --help       显示此帮助并退出
      --version    显示版本信息并退出

如果给出文件，它必须是可读的文件；游戏不会从中读取任何内容，
照常开始。

在游戏中按 F1 查看规则和玩法。
</translation>
    </message>
    <message>
      <source>%1: %2
Try '%1 --help' for more information.
</source>
      <translation>%1：%2
请尝试“%1 --help”获取更多信息。
</translation>
    </message>
    <message>
      <source>the board&apos;s scale: 1 to 16, or 0 as the screen gives (0)</source>
      <translation>棋盘的缩放倍数：1 到 16，或 0 表示随屏幕 (0)</translation>
    </message>
    <message>
      <source>columns to claim to win, 2 to 4 (3)</source>
      <translation>获胜需占领的列数，2 到 4 (3)</translation>
    </message>
    <message>
      <source>players the computer plays: 2 or 2,3,4 (none)</source>
      <translation>由电脑扮演的玩家：2 或 2,3,4 (无)</translation>
    </message>
    <message>
      <source>number of players, 2 to 4 (2)</source>
      <translation>玩家人数，2 到 4 (2)</translation>
    </message>
    <message>
      <source>the computer&apos;s pace: slow, normal or fast (normal)</source>
      <translation>电脑的速度：slow、normal 或 fast (normal)</translation>
    </message>
    <message>
      <source>the computer&apos;s play: classic or strong (classic)</source>
      <translation>电脑的强度：classic 或 strong (classic)</translation>
    </message>
    <message>
      <source>a whole number from %1 to %2</source>
      <translation>%1 到 %2 之间的整数</translation>
    </message>
    <message>
      <source>one of %1</source>
      <translation>%1 之一</translation>
    </message>
    <message>
      <source>player numbers from 1 to %1, each at most once, separated by commas</source>
      <translation>1 到 %1 的玩家编号，每个至多一次，以逗号分隔</translation>
    </message>
    <message>
      <source>--%1 may be given only once.</source>
      <translation>--%1 只能指定一次。</translation>
    </message>
    <message>
      <source>invalid value &apos;%1&apos; for --%2: give %3.</source>
      <translation>--%2 的值“%1”无效：请给出%3。</translation>
    </message>
    <message>
      <source>--computer gives player %1, but the game has %2 players: give player numbers from 1 to %2, or more --players.</source>
      <translation>--computer 给出了玩家 %1，但游戏只有 %2 名玩家：请给出 1 到 %2 的玩家编号，或增加 --players。</translation>
    </message>
    <message>
      <source>The first game&apos;s options, as if chosen in the Options menu:</source>
      <translation>第一局游戏的选项，如同在“选项”菜单中选择：</translation>
    </message>
  </context>
  <context>
    <name>Dialog</name>
    <message>
      <source>About Tumbleroad</source>
      <translation>关于 Tumbleroad</translation>
    </message>
    <message>
      <source>Licence: GPL-3.0-or-later</source>
      <translation>许可证：GPL-3.0-or-later</translation>
    </message>
    <message>
      <source>OK</source>
      <translation>确定</translation>
    </message>
    <message>
      <source>Number of Columns</source>
      <translation>列数</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>取消</translation>
    </message>
    <message>
      <source>Two Columns</source>
      <translation>两列</translation>
    </message>
    <message>
      <source>Three Columns</source>
      <translation>三列</translation>
    </message>
    <message>
      <source>Four Columns</source>
      <translation>四列</translation>
    </message>
    <message>
      <source>Select Number of Players</source>
      <translation>选择玩家人数</translation>
    </message>
    <message>
      <source>2 Players</source>
      <translation>2 名玩家</translation>
    </message>
    <message>
      <source>3 Players</source>
      <translation>3 名玩家</translation>
    </message>
    <message>
      <source>4 Players</source>
      <translation>4 名玩家</translation>
    </message>
    <message>
      <source>Select Players</source>
      <translation>选择玩家</translation>
    </message>
    <message>
      <source>Human</source>
      <translation>人类</translation>
    </message>
    <message>
      <source>Player 1</source>
      <translation>玩家 1</translation>
    </message>
    <message>
      <source>Computer</source>
      <translation>电脑</translation>
    </message>
    <message>
      <source>Player 2</source>
      <translation>玩家 2</translation>
    </message>
    <message>
      <source>Player 3</source>
      <translation>玩家 3</translation>
    </message>
    <message>
      <source>Player 4</source>
      <translation>玩家 4</translation>
    </message>
  </context>
  <context>
    <name>FileNames</name>
    <message>
      <source>cannot open &apos;%1&apos;: %2</source>
      <translation>无法打开“%1”：%2</translation>
    </message>
    <message>
      <source>it is a named pipe that nothing writes to</source>
      <translation>这是一个没有任何程序写入的命名管道</translation>
    </message>
  </context>
  <context>
    <name>HelpBrowser</name>
    <message>
      <source>it is not a file of the help book</source>
      <translation>它不是帮助手册中的文件</translation>
    </message>
    <message>
      <source>it is larger than a help page can be</source>
      <translation>它超出了帮助页面的大小上限</translation>
    </message>
    <message>
      <source>&lt;html&gt;&lt;head&gt;&lt;title&gt;Not shown&lt;/title&gt;&lt;/head&gt;&lt;body&gt;&lt;h2&gt;Not shown&lt;/h2&gt;&lt;p&gt;%1 is not shown: %2.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
      <translation>&lt;html&gt;&lt;head&gt;&lt;title&gt;未显示&lt;/title&gt;&lt;/head&gt;&lt;body&gt;&lt;h2&gt;未显示&lt;/h2&gt;&lt;p&gt;%1 未显示：%2。&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
  </context>
  <context>
    <name>HelpWindow</name>
    <message>
      <source>&amp;Contents</source>
      <translation>目录(&amp;C)</translation>
    </message>
    <message>
      <source>&amp;Back</source>
      <translation>后退(&amp;B)</translation>
    </message>
    <message>
      <source>&amp;Forward</source>
      <translation>前进(&amp;F)</translation>
    </message>
  </context>
  <context>
    <name>Hint</name>
    <message>
      <source>Hint: play %1 and %2, column %3</source>
      <translation>提示：使用 %1 和 %2，第 %3 列</translation>
    </message>
    <message>
      <source>Hint: roll again. The next throw busts %1 % of the time</source>
      <translation>提示：再投一次。下一次投掷有 %1 % 的机会爆掉</translation>
    </message>
    <message>
      <source>Hint: stop. The next throw would bust %1 % of the time</source>
      <translation>提示：停止。下一次投掷会有 %1 % 的机会爆掉</translation>
    </message>
    <message>
      <source>No hint now</source>
      <translation>现在没有提示</translation>
    </message>
  </context>
  <context>
    <name>Menu</name>
    <message>
      <source>&amp;New	F2</source>
      <translation>新游戏(&amp;N)	F2</translation>
    </message>
    <message>
      <source>E&amp;xit</source>
      <translation>退出(&amp;X)</translation>
    </message>
    <message>
      <source>&amp;Slow</source>
      <translation>慢(&amp;S)</translation>
    </message>
    <message>
      <source>&amp;Normal</source>
      <translation>普通(&amp;N)</translation>
    </message>
    <message>
      <source>&amp;Fast</source>
      <translation>快(&amp;F)</translation>
    </message>
    <message>
      <source>&amp;Number of Columns</source>
      <translation>列数(&amp;N)</translation>
    </message>
    <message>
      <source>&amp;Players</source>
      <translation>玩家(&amp;P)</translation>
    </message>
    <message>
      <source>Number of Players</source>
      <translation>玩家人数</translation>
    </message>
    <message>
      <source>&amp;Speed</source>
      <translation>速度(&amp;S)</translation>
    </message>
    <message>
      <source>&amp;Help Topics</source>
      <translation>帮助主题(&amp;H)</translation>
    </message>
    <message>
      <source>&amp;About Tumbleroad.</source>
      <translation>关于 Tumbleroad(&amp;A)。</translation>
    </message>
    <message>
      <source>&amp;Game</source>
      <translation>游戏(&amp;G)</translation>
    </message>
    <message>
      <source>&amp;Options</source>
      <translation>选项(&amp;O)</translation>
    </message>
    <message>
      <source>&amp;Help</source>
      <translation>帮助(&amp;H)</translation>
    </message>
    <message>
      <source>&amp;Hint	H</source>
      <translation>提示(&amp;H)	H</translation>
    </message>
    <message>
      <source>&amp;Classic</source>
      <translation>经典(&amp;C)</translation>
    </message>
    <message>
      <source>S&amp;trong</source>
      <translation>强(&amp;T)</translation>
    </message>
    <message>
      <source>Computer S&amp;trength</source>
      <translation>电脑强度(&amp;T)</translation>
    </message>
    <message>
      <source>&amp;Remember Options</source>
      <translation>记住选项(&amp;R)</translation>
    </message>
  </context>
  <context>
    <name>Startup</name>
    <message>
      <source>Tumbleroad cannot start: %1</source>
      <translation>Tumbleroad 无法启动：%1</translation>
    </message>
  </context>
  <context>
    <name>StoredOptions</name>
    <message>
      <source>cannot read the remembered options in %1 (%2); the game starts with the usual options</source>
      <translation>无法读取 %1 中记住的选项 (%2)；游戏以通常的选项开始</translation>
    </message>
    <message>
      <source>not a file of remembered options</source>
      <translation>不是记住选项的文件</translation>
    </message>
    <message>
      <source>the remembered option %1 in %2 is &apos;%3&apos;, not %4; the game uses %5</source>
      <translation>%2 中记住的选项 %1 为“%3”，不是%4；游戏使用 %5</translation>
    </message>
    <message>
      <source>the folder %1 cannot be made</source>
      <translation>无法创建文件夹 %1</translation>
    </message>
    <message>
      <source>The options cannot be remembered: %1 cannot be written (%2). The game goes on with them.</source>
      <translation>无法记住选项：无法写入 %1 (%2)。游戏按这些选项继续。</translation>
    </message>
    <message>
      <source>The remembered options cannot be forgotten: %1 cannot be deleted (%2).</source>
      <translation>无法忘记记住的选项：无法删除 %1 (%2)。</translation>
    </message>
  </context>
  <context>
    <name>TitleBar</name>
    <message>
      <source>Drag to move the window</source>
      <translation>拖动以移动窗口</translation>
    </message>
  </context>
  <context>
    <name>WinHelp</name>
    <message>
      <source>Help</source>
      <translation>帮助</translation>
    </message>
    <message>
      <source>The help book %1 cannot be found.

These folders were searched:
%2</source>
      <translation>找不到帮助手册 %1。

已搜索以下文件夹：
%2</translation>
    </message>
  </context>
</TS>