<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en">
<context>
    <name>DisplayGuard</name>
    <message>
        <source>not set</source>
        <translation>未設定</translation>
    </message>
    <message>
        <source>%1: no display could be reached to open the window on (DISPLAY is %2, WAYLAND_DISPLAY is %3); start it on the desktop, or set DISPLAY to a running X server.</source>
        <translation>%1: ウィンドウを開く画面に接続できません（DISPLAY は %2、WAYLAND_DISPLAY は %3）。デスクトップから起動するか、DISPLAY に動いている X サーバーを指定してください。</translation>
    </message>
</context>
<context>
    <name>WindowArguments</name>
    <message>
        <source>Usage: %1 [--help | --version]

</source>
        <translation>使い方: %1 [--help | --version]

</translation>
    </message>
    <message>
        <source>It runs in the user&apos;s folder $XDG_DATA_HOME/sumimai (~/.local/share/sumimai), filled from the
installed data at the first start, unless started in a folder that holds the whole set of
data files.

Options:
  -h, --help     show this help and exit
      --version  show the version and exit
</source>
        <translation>利用者のフォルダ $XDG_DATA_HOME/sumimai（~/.local/share/sumimai）で動きます。このフォルダは
最初の起動でインストールされたデータから用意されます。データファイル一式のあるフォルダで
起動したときは、そのフォルダで動きます。

オプション:
  -h, --help     この説明を表示して終了する
      --version  版を表示して終了する
</translation>
    </message>
    <message>
        <source>%1: unknown argument &quot;%2&quot;: it takes no arguments but --help and --version.
</source>
        <translation>%1: 知らない引数「%2」です。--help と --version のほかに引数はとりません。
</translation>
    </message>
</context>
<context>
    <name>WindowPrograms</name>
    <message>
        <source>Sumimai writes the Heart Sutra with a simulated brush, stroke by stroke: the whole page at the start, then the character you click.</source>
        <translation>墨舞は般若心経を筆で一画ずつ書きます。起動するとまず一面を書き、クリックした文字をもう一度書きます。</translation>
    </message>
    <message>
        <source>sumimai-setup sets Sumimai&apos;s drawing speed and ink colour (設定.dat).</source>
        <translation>sumimai-setup は墨舞の描画スピードと文字色（設定.dat）を設定します。</translation>
    </message>
</context>
</TS>
