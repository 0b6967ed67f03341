<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
  <context>
    <name>BoardMessage</name>
    <message>
      <source>Player %1</source>
      <translation>プレイヤー %1</translation>
    </message>
    <message>
      <source>%1 (computer)</source>
      <translation>%1（コンピューター）</translation>
    </message>
    <message>
      <source>column %1</source>
      <translation>列 %1</translation>
    </message>
    <message>
      <source>columns %1 and %2</source>
      <translation>列 %1 と %2</translation>
    </message>
    <message>
      <source>%1 busts</source>
      <translation>%1 はバースト</translation>
    </message>
    <message>
      <source>%1 cannot play this throw: the turn passes</source>
      <translation>%1 はこの出目を使えません：手番が移ります</translation>
    </message>
    <message>
      <source>%1 claims %2</source>
      <translation>%1 が %2 を獲得</translation>
    </message>
    <message>
      <source>%1 wins. F2 starts a new game.</source>
      <translation>%1 の勝ち。F2 で新しいゲームを始めます。</translation>
    </message>
    <message>
      <source>Nobody can win any more. F2 starts a new game.</source>
      <translation>もう誰も勝てません。F2 で新しいゲームを始めます。</translation>
    </message>
      <message>
      <source>column %1 at cell %2</source>
      <translation>列 %1 のマス %2</translation>
    </message>
    <message>
      <source>%1 stops: %2</source>
      <translation>%1 はストップ：%2</translation>
    </message>
    <message>
      <source>%1. %2</source>
      <translation>%1。%2</translation>
    </message>
    <message>
      <source>%1: roll or stop</source>
      <translation>%1：振るかストップ</translation>
    </message>
    <message>
      <source>%1: choose two dice</source>
      <translation>%1：サイコロを2つ選んでください</translation>
    </message>
</context>
  <context>
    <name>BoardParts</name>
    <message>
      <source>Tumbleroad board</source>
      <translation>Tumbleroad の盤</translation>
    </message>
    <message>
      <source>Keys: 1, 2, 3 and 4 choose or put back the top-left, top-right, bottom-left and bottom-right die; Enter plays the two chosen dice as a pair; R presses ROLL; S presses STOP. F2 starts a new game, F1 opens the help.</source>
      <translation>キー：1、2、3、4 で左上、右上、左下、右下のさいころを選ぶか戻します。Enter で選んだ二つのさいころを組として使います。R で「振る」、S で「止める」を押します。F2 で新しいゲーム、F1 でヘルプを開きます。</translation>
    </message>
    <message>
      <source>ROLL</source>
      <translation>振る</translation>
    </message>
    <message>
      <source>Throw the four dice again</source>
      <translation>四つのさいころをもう一度振る</translation>
    </message>
    <message>
      <source>STOP</source>
      <translation>止める</translation>
    </message>
    <message>
      <source>Keep what you climbed and pass the turn</source>
      <translation>登った分を確保して手番を渡す</translation>
    </message>
  </context>
  <context>
    <name>BoardWords</name>
    <message>
      <source>Top-left die: %1</source>
      <translation>左上のさいころ：%1</translation>
    </message>
    <message>
      <source>Top-right die: %1</source>
      <translation>右上のさいころ：%1</translation>
    </message>
    <message>
      <source>Bottom-left die: %1</source>
      <translation>左下のさいころ：%1</translation>
    </message>
    <message>
      <source>Bottom-right die: %1</source>
      <translation>右下のさいころ：%1</translation>
    </message>
    <message>
      <source>Player %1</source>
      <translation>プレイヤー %1</translation>
    </message>
    <message>
      <source>used</source>
      <translation>使用済み</translation>
    </message>
    <message>
      <source>Column %1: claimed by %2</source>
      <translation>列 %1：%2 が獲得</translation>
    </message>
    <message>
      <source>%1 at %2</source>
      <translation>%1 が %2</translation>
    </message>
    <message>
      <source>white peg at %1</source>
      <translation>白いコマが %1</translation>
    </message>
    <message>
      <source>Column %1: %2</source>
      <translation>列 %1：%2</translation>
    </message>
    <message>
      <source>empty</source>
      <translation>空</translation>
    </message>
    <message>
      <source>, </source>
      <translation>、</translation>
    </message>
    <message>
      <source>%1 cells</source>
      <translation>%1 マス</translation>
    </message>
    <message>
      <source>Winner %1</source>
      <translation>勝者 %1</translation>
    </message>
    <message>
      <source>No Winner</source>
      <translation>勝者なし</translation>
    </message>
  </context>
  <context>
    <name>CommandLine</name>
    <message>
      <source>--seed may be given only once.</source>
      <translation>--seed は一度しか指定できません。</translation>
    </message>
    <message>
      <source>invalid seed '%1': give a whole number from 0 to %2.</source>
      <translation>不正なシード '%1'：0 から %2 までの整数を指定してください。</translation>
    </message>
    <message>
      <source>too many file names: '%1'.</source>
      <translation>ファイル名が多すぎます：'%1'。</translation>
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
      <translation>使い方: %1 [オプション]... [ファイル]
二人から四人で遊ぶ、運と度胸のさいころゲーム Tumbleroad を遊びます。
各プレイヤーはマウスを使う人かコンピューターです。

      --seed=N     固定シード N（0 から 4294967295）からさいころを振り、
                   同じ手で同じゲームを再現します。
                   指定しないとさいころは時計に従います
      --help       このヘルプを表示して終了する
      --version    バージョン情報を表示して終了する

ファイルを指定する場合は読み取れるファイルでなければなりません。ゲームは
そこから何も読まず、いつも通り始まります。

ゲーム中に F1 を押すと、ルールと遊び方が表示されます。
</translation>
    </message>
    <message>
      <source>%1: %2
Try '%1 --help' for more information.
</source>
      <translation>%1: %2
詳しくは '%1 --help' を実行してください。
</translation>
    </message>
    <message>
      <source>the board&apos;s scale: 1 to 16, or 0 as the screen gives (0)</source>
      <translation>盤の倍率：1～16、または画面に合わせる 0 (0)</translation>
    </message>
    <message>
      <source>columns to claim to win, 2 to 4 (3)</source>
      <translation>勝つために取る列の数、2〜4 (3)</translation>
    </message>
    <message>
      <source>players the computer plays: 2 or 2,3,4 (none)</source>
      <translation>コンピューターが受け持つプレイヤー: 2 や 2,3,4 (なし)</translation>
    </message>
    <message>
      <source>number of players, 2 to 4 (2)</source>
      <translation>プレイヤーの人数、2〜4 (2)</translation>
    </message>
    <message>
      <source>the computer&apos;s pace: slow, normal or fast (normal)</source>
      <translation>コンピューターの速さ: slow、normal、fast (normal)</translation>
    </message>
    <message>
      <source>the computer&apos;s play: classic or strong (classic)</source>
      <translation>コンピューターの強さ: classic か strong (classic)</translation>
    </message>
    <message>
      <source>a whole number from %1 to %2</source>
      <translation>%1 から %2 までの整数</translation>
    </message>
    <message>
      <source>one of %1</source>
      <translation>%1 のいずれか</translation>
    </message>
    <message>
      <source>player numbers from 1 to %1, each at most once, separated by commas</source>
      <translation>1 から %1 までのプレイヤー番号をそれぞれ一度まで、コンマで区切って</translation>
    </message>
    <message>
      <source>--%1 may be given only once.</source>
      <translation>--%1 は一度しか指定できません。</translation>
    </message>
    <message>
      <source>invalid value &apos;%1&apos; for --%2: give %3.</source>
      <translation>--%2 の値 &apos;%1&apos; は不正です：%3を指定してください。</translation>
    </message>
    <message>
      <source>--computer gives player %1, but the game has %2 players: give player numbers from 1 to %2, or more --players.</source>
      <translation>--computer がプレイヤー %1 を指定していますが、ゲームのプレイヤーは %2 人です：1 から %2 までの番号を指定するか、--players を増やしてください。</translation>
    </message>
    <message>
      <source>The first game&apos;s options, as if chosen in the Options menu:</source>
      <translation>最初のゲームのオプション（オプションメニューで選んだのと同じ）：</translation>
    </message>
  </context>
  <context>
    <name>Dialog</name>
    <message>
      <source>About Tumbleroad</source>
      <translation>Tumbleroad について</translation>
    </message>
    <message>
      <source>Licence: GPL-3.0-or-later</source>
      <translation>ライセンス: GPL-3.0-or-later</translation>
    </message>
    <message>
      <source>OK</source>
      <translation>OK</translation>
    </message>
    <message>
      <source>Number of Columns</source>
      <translation>列の数</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>キャンセル</translation>
    </message>
    <message>
      <source>Two Columns</source>
      <translation>2 列</translation>
    </message>
    <message>
      <source>Three Columns</source>
      <translation>3 列</translation>
    </message>
    <message>
      <source>Four Columns</source>
      <translation>4 列</translation>
    </message>
    <message>
      <source>Select Number of Players</source>
      <translation>プレイヤーの人数を選ぶ</translation>
    </message>
    <message>
      <source>2 Players</source>
      <translation>2 人</translation>
    </message>
    <message>
      <source>3 Players</source>
      <translation>3 人</translation>
    </message>
    <message>
      <source>4 Players</source>
      <translation>4 人</translation>
    </message>
    <message>
      <source>Select Players</source>
      <translation>プレイヤーを選ぶ</translation>
    </message>
    <message>
      <source>Human</source>
      <translation>人間</translation>
    </message>
    <message>
      <source>Player 1</source>
      <translation>プレイヤー 1</translation>
    </message>
    <message>
      <source>Computer</source>
      <translation>コンピューター</translation>
    </message>
    <message>
      <source>Player 2</source>
      <translation>プレイヤー 2</translation>
    </message>
    <message>
      <source>Player 3</source>
      <translation>プレイヤー 3</translation>
    </message>
    <message>
      <source>Player 4</source>
      <translation>プレイヤー 4</translation>
    </message>
  </context>
  <context>
    <name>FileNames</name>
    <message>
      <source>cannot open &apos;%1&apos;: %2</source>
      <translation>「%1」を開けません: %2</translation>
    </message>
    <message>
      <source>it is a named pipe that nothing writes to</source>
      <translation>書き込む側のない名前付きパイプです</translation>
    </message>
  </context>
  <context>
    <name>HelpBrowser</name>
    <message>
      <source>it is not a file of the help book</source>
      <translation>ヘルプブックのファイルではありません</translation>
    </message>
    <message>
      <source>it is larger than a help page can be</source>
      <translation>ヘルプのページとしては大きすぎます</translation>
    </message>
    <message>
      <source>&lt;html&gt;&lt;head&gt;&lt;title&gt;Not shown&lt;/title&gt;&lt;/head&gt;&lt;body&gt;&lt;h2&gt;Not shown&lt;/h2&gt;&lt;p&gt;%1 is not shown: %2.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
      <translation>&lt;html&gt;&lt;head&gt;&lt;title&gt;表示できません&lt;/title&gt;&lt;/head&gt;&lt;body&gt;&lt;h2&gt;表示できません&lt;/h2&gt;&lt;p&gt;%1 は表示されません：%2。&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
  </context>
  <context>
    <name>HelpWindow</name>
    <message>
      <source>&amp;Contents</source>
      <translation>目次(&amp;C)</translation>
    </message>
    <message>
      <source>&amp;Back</source>
      <translation>戻る(&amp;B)</translation>
    </message>
    <message>
      <source>&amp;Forward</source>
      <translation>進む(&amp;F)</translation>
    </message>
  </context>
  <context>
    <name>Hint</name>
    <message>
      <source>Hint: play %1 and %2, column %3</source>
      <translation>ヒント：%1 と %2 を使う、列 %3</translation>
    </message>
    <message>
      <source>Hint: roll again. The next throw busts %1 % of the time</source>
      <translation>ヒント：もう一度振る。次の出目は %1 % の確率でバースト</translation>
    </message>
    <message>
      <source>Hint: stop. The next throw would bust %1 % of the time</source>
      <translation>ヒント：止める。次の出目は %1 % の確率でバーストする</translation>
    </message>
    <message>
      <source>No hint now</source>
      <translation>今はヒントなし</translation>
    </message>
  </context>
  <context>
    <name>Menu</name>
    <message>
      <source>&amp;New	F2</source>
      <translation>新しいゲーム(&amp;N)	F2</translation>
    </message>
    <message>
      <source>E&amp;xit</source>
      <translation>終了(&amp;X)</translation>
    </message>
    <message>
      <source>&amp;Slow</source>
      <translation>遅い(&amp;S)</translation>
    </message>
    <message>
      <source>&amp;Normal</source>
      <translation>普通(&amp;N)</translation>
    </message>
    <message>
      <source>&amp;Fast</source>
      <translation>速い(&amp;F)</translation>
    </message>
    <message>
      <source>&amp;Number of Columns</source>
      <translation>列の数(&amp;N)</translation>
    </message>
    <message>
      <source>&amp;Players</source>
      <translation>プレイヤー(&amp;P)</translation>
    </message>
    <message>
      <source>Number of Players</source>
      <translation>プレイヤーの人数</translation>
    </message>
    <message>
      <source>&amp;Speed</source>
      <translation>速さ(&amp;S)</translation>
    </message>
    <message>
      <source>&amp;Help Topics</source>
      <translation>ヘルプトピック(&amp;H)</translation>
    </message>
    <message>
      <source>&amp;About Tumbleroad.</source>
      <translation>Tumbleroad について(&amp;A)</translation>
    </message>
    <message>
      <source>&amp;Game</source>
      <translation>ゲーム(&amp;G)</translation>
    </message>
    <message>
      <source>&amp;Options</source>
      <translation>オプション(&amp;O)</translation>
    </message>
    <message>
      <source>&amp;Help</source>
      <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
      <source>&amp;Hint	H</source>
      <translation>ヒント(&amp;H)	H</translation>
    </message>
    <message>
      <source>&amp;Classic</source>
      <translation>クラシック(&amp;C)</translation>
    </message>
    <message>
      <source>S&amp;trong</source>
      <translation>強い(&amp;T)</translation>
    </message>
    <message>
      <source>Computer S&amp;trength</source>
      <translation>コンピューターの強さ(&amp;T)</translation>
    </message>
    <message>
      <source>&amp;Remember Options</source>
      <translation>オプションを記憶(&amp;R)</translation>
    </message>
  </context>
  <context>
    <name>Startup</name>
    <message>
      <source>Tumbleroad cannot start: %1</source>
      <translation>Tumbleroad を起動できません：%1</translation>
    </message>
  </context>
  <context>
    <name>StoredOptions</name>
    <message>
      <source>cannot read the remembered options in %1 (%2); the game starts with the usual options</source>
      <translation>%1 の記憶したオプションを読めません (%2)。いつものオプションで始めます</translation>
    </message>
    <message>
      <source>not a file of remembered options</source>
      <translation>記憶したオプションのファイルではありません</translation>
    </message>
    <message>
      <source>the remembered option %1 in %2 is &apos;%3&apos;, not %4; the game uses %5</source>
      <translation>%2 の記憶したオプション %1 は &apos;%3&apos; で、%4 ではありません。%5 を使います</translation>
    </message>
    <message>
      <source>the folder %1 cannot be made</source>
      <translation>フォルダー %1 を作れません</translation>
    </message>
    <message>
      <source>The options cannot be remembered: %1 cannot be written (%2). The game goes on with them.</source>
      <translation>オプションを記憶できません：%1 に書き込めません (%2)。ゲームはこのオプションで続きます。</translation>
    </message>
    <message>
      <source>The remembered options cannot be forgotten: %1 cannot be deleted (%2).</source>
      <translation>記憶したオプションを忘れられません：%1 を削除できません (%2)。</translation>
    </message>
  </context>
  <context>
    <name>TitleBar</name>
    <message>
      <source>Drag to move the window</source>
      <translation>ドラッグしてウィンドウを移動</translation>
    </message>
  </context>
  <context>
    <name>WinHelp</name>
    <message>
      <source>Help</source>
      <translation>ヘルプ</translation>
    </message>
    <message>
      <source>The help book %1 cannot be found.

These folders were searched:
%2</source>
      <translation>ヘルプブック %1 が見つかりません。

次のフォルダーを探しました：
%2</translation>
    </message>
  </context>
</TS>