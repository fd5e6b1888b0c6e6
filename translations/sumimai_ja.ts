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
<context>
    <name>sumimai-trace</name>
    <message>
        <source>usage: sumimai-trace char FILE --canvas WxH [--speed S] [--ink R,G,B]
       sumimai-trace page FILE --form WxH [--ink R,G,B]

Runs the programs&apos; own loading, fitting and drawing of a character&apos;s stroke
file (char) or of the page file (page) against a recording canvas and prints
every canvas call, one a line, then the final stroke count and thickness.

Options:
  --canvas WxH       the canvas of a character, in twips
  --form WxH         the main window of the page, in twips
  --speed S          the drawing speed (default 0)
  --ink R,G,B        the ink colour (default 0,0,0)
  --help             this text
  --version          the program&apos;s name and version
</source>
        <translation>使い方: sumimai-trace char FILE --canvas WxH [--speed S] [--ink R,G,B]
        sumimai-trace page FILE --form WxH [--ink R,G,B]

文字の筆順ファイル（char）またはページファイル（page）を、プログラムと同じ
読み込み・合わせ・描画で記録用のキャンバスに描き、キャンバスへの呼び出しを
1 行に 1 つずつ表示し、最後に画数と太さを表示します。

オプション:
  --canvas WxH       文字のキャンバスの大きさ（twip）
  --form WxH         ページを描くメインウィンドウの大きさ（twip）
  --speed S          描画スピード（既定 0）
  --ink R,G,B        墨の色（既定 0,0,0）
  --help             この説明
  --version          プログラムの名前と版
</translation>
    </message>
    <message>
        <source>%1 needs WIDTHxHEIGHT in twips, not &apos;%2&apos;</source>
        <translation>%1 には「%2」ではなく 幅x高さ（twip）を指定してください</translation>
    </message>
    <message>
        <source>give char or page and the FILE</source>
        <translation>char か page と FILE を指定してください</translation>
    </message>
    <message>
        <source>char needs --canvas WxH</source>
        <translation>char には --canvas WxH が要ります</translation>
    </message>
    <message>
        <source>page needs --form WxH</source>
        <translation>page には --form WxH が要ります</translation>
    </message>
    <message>
        <source>the first argument is char or page, not &apos;%1&apos;</source>
        <translation>最初の引数は「%1」ではなく char か page です</translation>
    </message>
    <message>
        <source>--form is for page</source>
        <translation>--form は page のときだけ使えます</translation>
    </message>
    <message>
        <source>--canvas is for char</source>
        <translation>--canvas は char のときだけ使えます</translation>
    </message>
    <message>
        <source>--speed needs a number, not &apos;%1&apos;</source>
        <translation>--speed には「%1」ではなく数値を指定してください</translation>
    </message>
    <message>
        <source>--ink needs R,G,B, not &apos;%1&apos;</source>
        <translation>--ink には「%1」ではなく R,G,B を指定してください</translation>
    </message>
</context>
<context>
    <name>sumimai-render</name>
    <message>
        <source>usage: sumimai-render [options] FILE OUT.png
       sumimai-render --text TEXT [options] OUT.png

Draws a stroke file (with --page the page file and its grid) as the program
draws it, at full speed, and saves the finished writing as a PNG. With
--text, the characters of TEXT found by name, as sumimai-export finds them.

Options:
  --text TEXT        the characters of TEXT instead of a file
  --layout column    several characters top to bottom, columns right to
                     left (default); --layout row: left to right
  --chars-per-line N characters to a column (or row); longer lines wrap
  --missing error|box|skip  a character without data refused (default),
                     drawn as a dotted frame, or left out, with a note
  --page             FILE is the page file: drawn with the page&apos;s grid
  --size WxH         the window in pixels, at most 8192 a side (default
                     1920x1080; for a text of several characters fitted to
                     the layout); the canvas is 30 twips larger, as in the
                     program
  --ink R,G,B        ink colour, each 0..255 (default 0,0,0)
  --ground R,G,B     plain colour under the ink (default 255,255,255)
  --background FILE  picture under the ink, stretched to the canvas
  --brush round|ink  the round brush (default) or the ink brush 墨
  --seed N           the ink brush&apos;s seed (default 1)
  --locale ja|zh-Hans|zh-Hant|ko  the forms and stroke order of Japan
                     (default), mainland China, Taiwan or Korea; a character
                     its library lacks is taken from the next (zh-Hant:
                     zh-Hans, ja; ko: zh-Hant, zh-Hans, ja; ja and zh-Hans:
                     the other), named in a note
  --strict-locale    refuse those characters instead
  --output-size WxH  the picture scaled smoothly to this size (at most 8192
                     a side)
  --help             this text
  --version          the program&apos;s name and version

Exit status: 0 when the picture is written, 1 when it cannot be (nothing is
written), 2 for a mistake in the command line.
</source>
        <translation>使い方: sumimai-render [オプション] FILE OUT.png
        sumimai-render --text TEXT [オプション] OUT.png

筆順ファイル（--page のときはページファイルとそのます目）をプログラムと同じ
ように最も速く描き、書き上がりを PNG に保存します。--text のときは TEXT の
文字を sumimai-export と同じように名前で探して描きます。

オプション:
  --text TEXT        ファイルの代わりに TEXT の文字を描く
  --layout column    複数の文字を上から下へ、列を右から左へ並べる（既定）;
                     --layout row: 左から右へ
  --chars-per-line N 1 列（または 1 行）の文字数。長い行は折り返す
  --missing error|box|skip  データのない文字を拒む（既定）、点線の枠で
                     描く、または除く（注記を添えて）
  --page             FILE はページファイル: ページのます目と一緒に描く
  --size WxH         ウィンドウの大きさ（ピクセル、1 辺 8192 まで。既定
                     1920x1080。複数の文字のテキストでは並べ方に合わせる）;
                     キャンバスはプログラムと同じく 30 twip 大きい
  --ink R,G,B        墨の色、それぞれ 0..255（既定 0,0,0）
  --ground R,G,B     墨の下の無地の色（既定 255,255,255）
  --background FILE  墨の下の画像。キャンバスに合わせて引き伸ばす
  --brush round|ink  丸筆（既定）または墨の筆
  --seed N           墨の筆の種（既定 1）
  --locale ja|zh-Hans|zh-Hant|ko  日本（既定）、中国大陸、台湾、韓国の
                     字形と筆順。その文字集にない文字は次の文字集から取り
                     （zh-Hant: zh-Hans、ja。ko: zh-Hant、zh-Hans、ja。ja と
                     zh-Hans: もう一方）、注意書きで知らせる
  --strict-locale    それらの文字を使わず、誤りとする
  --output-size WxH  画像をこの大きさになめらかに縮尺する（1 辺 8192 まで）
  --help             この説明
  --version          プログラムの名前と版

終了ステータス: 画像を書いたとき 0、書けないとき 1（何も書きません）、
コマンドラインの誤りのとき 2。
</translation>
    </message>
    <message>
        <source>--text and --page exclude each other</source>
        <translation>--text と --page は一緒に使えません</translation>
    </message>
    <message>
        <source>give only OUT.png after the options</source>
        <translation>オプションのあとには OUT.png だけを指定してください</translation>
    </message>
    <message>
        <source>give FILE and OUT.png (the last two arguments)</source>
        <translation>FILE と OUT.png（最後の 2 つの引数）を指定してください</translation>
    </message>
    <message>
        <source>the picture must be a .png file: %1</source>
        <translation>画像は .png ファイルでなければなりません: %1</translation>
    </message>
    <message>
        <source>cannot encode the picture for %1</source>
        <translation>%1 の画像を符号化できません</translation>
    </message>
    <message>
        <source>no such file %1</source>
        <translation>ファイル %1 がありません</translation>
    </message>
    <message>
        <source>nothing to see at this size; %1 not written</source>
        <translation>この大きさでは何も見えません。%1 は書きませんでした</translation>
    </message>
    <message>
        <source>unexpected failure: %1</source>
        <translation>思いがけない失敗: %1</translation>
    </message>
</context>
<context>
    <name>sumimai-grade</name>
    <message>
        <source>usage: sumimai-grade [--locale L] [--strict-locale] TRACE.json

Judges a learner&apos;s strokes of one character against its stroke data and
writes the judgement as JSON to standard output.

  TRACE.json         the trace as JSON, or - for standard input

Options:
  --locale ja|zh-Hans|zh-Hant|ko  the stroke order and shapes that judge
                     the strokes: Japan&apos;s (default), mainland China&apos;s,
                     Taiwan&apos;s or Korea&apos;s; a character its library lacks is
                     judged by the next (zh-Hant: zh-Hans, ja; ko: zh-Hant,
                     zh-Hans, ja; ja and zh-Hans: the other), with a note
  --strict-locale    refuse those characters instead
  --help             this text
  --version          the program&apos;s name and version

Exit status: 0 when judged, 1 for input that cannot be judged, 2 for a
mistake in the command line.
</source>
        <translation>使い方: sumimai-grade [--locale L] [--strict-locale] TRACE.json

学習者が書いた 1 文字の画を、その文字の筆順データと比べて判定し、判定を
JSON で標準出力に書きます。

  TRACE.json         JSON の書き跡。- のときは標準入力

オプション:
  --locale ja|zh-Hans|zh-Hant|ko  画を判定する筆順と字形: 日本（既定）、
                     中国大陸、台湾、韓国。その文字集にない文字は次の文字集
                     で判定し（zh-Hant: zh-Hans、ja。ko: zh-Hant、zh-Hans、
                     ja。ja と zh-Hans: もう一方）、注意書きで知らせる
  --strict-locale    それらの文字を判定せず、誤りとする
  --help             この説明
  --version          プログラムの名前と版

終了ステータス: 判定したとき 0、判定できない入力のとき 1、コマンドラインの
誤りのとき 2。
</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>標準入力</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>読めません</translation>
    </message>
    <message>
        <source>is larger than 16 MB, far more than a trace holds</source>
        <translation>は 16 MB を超えています。書き跡はずっと小さいはずです</translation>
    </message>
    <message>
        <source>cannot be read: it is a folder, not a file</source>
        <translation>読めません: ファイルではなくフォルダです</translation>
    </message>
    <message>
        <source>cannot be read: it is not a regular file (a named pipe or a device is not read)</source>
        <translation>読めません: 普通のファイルではありません（名前付きパイプや装置は読みません）</translation>
    </message>
    <message>
        <source>cannot write the judgement</source>
        <translation>判定を書けません</translation>
    </message>
    <message>
        <source>give one TRACE file, or - for standard input</source>
        <translation>TRACE のファイルを 1 つ、または標準入力なら - を指定してください</translation>
    </message>
    <message>
        <source>note: %1</source>
        <translation>注記: %1</translation>
    </message>
</context>
<context>
    <name>sumimai-strokes</name>
    <message>
        <source>usage: sumimai-strokes [--source FOLDER] [--quiet] OUTPUT
       sumimai-strokes [--source FOLDER] [--set NAME] [--jobs N] --library FILE
       sumimai-strokes [--source FOLDER] [--set NAME] [--jobs N] [--every N] --check-library FILE

Converts the stroke source data (FOLDER, by default the stroke data beside
the repository) into the programs&apos; data: the sutra into OUTPUT/般若心経, or
every glyph of one writing tradition into the character library FILE;
--check-library checks FILE against the source (every Nth character
converted again and compared).

Options:
  --set NAME         the tradition: ja (svg-ja and svg-kana, the default),
                     zh-Hans (svg-zh-hans), zh-Hant (svg-zh-hant), ko (svg-ko)
  --jobs N           threads, 1..256 (default 1)
  --every N          with --check-library: every Nth character, 1.. (default 1)
  --quiet            no notes
  --help             this text
  --version          the program&apos;s name and version
</source>
        <translation>使い方: sumimai-strokes [--source FOLDER] [--quiet] OUTPUT
        sumimai-strokes [--source FOLDER] [--set NAME] [--jobs N] --library FILE
        sumimai-strokes [--source FOLDER] [--set NAME] [--jobs N] [--every N] --check-library FILE

画の元データ（FOLDER。既定はリポジトリの隣の画のデータ）をプログラムの
データに変換します: 般若心経を OUTPUT/般若心経 に、または 1 つの書写の伝統の
すべての字形を文字集 FILE に。--check-library は FILE を元データと照らし
合わせます（N 文字ごとに変換し直して比べます）。

オプション:
  --set NAME         伝統: ja（svg-ja と svg-kana、既定）、zh-Hans（svg-zh-hans）、
                     zh-Hant（svg-zh-hant）、ko（svg-ko）
  --jobs N           スレッド数、1..256（既定 1）
  --every N          --check-library で N 文字ごと、1..（既定 1）
  --quiet            注記を出さない
  --help             この説明
  --version          プログラムの名前と版
</translation>
    </message>
</context>
<context>
    <name>sumimai-fidelity</name>
    <message>
        <source>usage: sumimai-fidelity [--source FOLDER] [--set NAME] [--size PIXELS] [--jobs N] [--sample N]
                        [--worst K] [--pictures FOLDER] [--characters TEXT] [--each]
                        LIBRARY | --sutra FOLDER

Draws every character of the character library LIBRARY (or the character
files of a sutra folder) with the programs&apos; brush and compares the ink with
the source glyph; prints both measures&apos; averages and worst, and the K worst.

Options:
  --set NAME         the library&apos;s writing tradition, whose glyphs it is
                     compared with: ja (the default), zh-Hans, zh-Hant, ko
  --size PIXELS      the square canvas, 16..8192 (default 720)
  --jobs N           threads, 1..256 (default 2)
  --sample N         every Nth character only (default 1)
  --worst K          how many of the worst to print (default 10)
  --pictures FOLDER  the worst characters&apos; comparison pictures
  --characters TEXT  the characters of TEXT only
  --each             print every character
  --brush round|ink  the brush to draw with (default round)
  --seed N           the ink brush&apos;s seed (default 1)
  --help             this text
  --version          the program&apos;s name and version
</source>
        <translation>使い方: sumimai-fidelity [--source FOLDER] [--set NAME] [--size PIXELS] [--jobs N] [--sample N]
                         [--worst K] [--pictures FOLDER] [--characters TEXT] [--each]
                         LIBRARY | --sutra FOLDER

文字集 LIBRARY のすべての文字（または般若心経のフォルダの文字ファイル）を
プログラムの筆で描き、墨を元の字形と比べます。2 つの尺度の平均と最悪、
悪いほうから K 文字を表示します。

オプション:
  --set NAME         文字集の書写の伝統（比べる字形）: ja（既定）、zh-Hans、
                     zh-Hant、ko
  --size PIXELS      正方形のキャンバス、16..8192（既定 720）
  --jobs N           スレッド数、1..256（既定 2）
  --sample N         N 文字ごとにだけ比べる（既定 1）
  --worst K          表示する悪い文字の数（既定 10）
  --pictures FOLDER  悪い文字の比較画像を書くフォルダ
  --characters TEXT  TEXT の文字だけ
  --each             すべての文字を表示する
  --brush round|ink  描く筆（既定 round）
  --seed N           墨の筆の種（既定 1）
  --help             この説明
  --version          プログラムの名前と版
</translation>
    </message>
</context>
<context>
    <name>sumimai-pictures</name>
    <message>
        <source>usage: sumimai-pictures DATA PICTURES

Paints the start picture DATA/Picture.jpg, the background picture
DATA/Picture2.jpg and the controls&apos; pictures PICTURES/Image2.png ..
Image6.png, from fixed seeds: the files come out the same every time.

Options:
  --help             this text
  --version          the program&apos;s name and version
</source>
        <translation>使い方: sumimai-pictures DATA PICTURES

起動画面の画像 DATA/Picture.jpg、背景の画像 DATA/Picture2.jpg、ボタンの
画像 PICTURES/Image2.png .. Image6.png を決まった種から描きます。何度描いても
同じファイルになります。

オプション:
  --help             この説明
  --version          プログラムの名前と版
</translation>
    </message>
</context>
<context>
    <name>sumimai-export</name>
    <message>
        <source>usage: sumimai-export [options] INPUT... OUT

Writes the brush writing as an animation that lasts as long as the drawing
does on screen, then holds the finished writing. The extension of OUT picks
the format:
  .webp   animated WebP, lossless (lossy with --quality)
  .gif    animated GIF (exact colours over a plain ground)
  .mp4    H.264 video, yuv420p, index at the front for streaming
  .webm   VP9 video (VP8 above 3 million pixels), yuv420p
  .png    the still of the finished writing
Every format keeps the frames&apos; times on the --fps grid and stores a frame
only when the picture changes: a pause lengthens the frame before it.

INPUT, one kind of:
  FILE...            stroke files (.mem), one character each
  --sutra A-B        characters A to B (1..276) of the sutra, numbered as the
                     program numbers them, through 般若心経/文字2.csv
  --text &quot;TEXT&quot;      each character of TEXT by name: 般若心経/&lt;character&gt;.mem
                     of the working folder, else of the shipped data, else
                     the character library 文字集.smlib (kanji and kana);
                     digits and punctuation (、。，．・！？「」『』（）【】〔〕
                     〜…‥) are drawn from strokes of our own, in their
                     vertical forms in columns; a blank leaves its cell
                     empty, a line feed starts a new column (or row); a
                     character without data is an error (see --missing)
  --page             the sutra page with its grid, as start-up draws it

Several characters are set as Japanese text is set, on their design box,
with a margin of a tenth of a cell around them; --sutra puts the title in
a column of its own. A character lasts as long at every size as it does
on a 1920x1080 screen.

Options:
  --speed S          drawing speed 0..10 (default: the Speed in 設定.dat of
                     the working folder, else 0, the fastest)
  --fps N            frames a second, 1..60 (default 30); a GIF keeps each
                     frame at least 2/100 s, as viewers show no shorter ones
  --size WxH         picture size in pixels, at most 8192 a side (default
                     720x720 for one character, 1280x720 for the page; for
                     several characters cells of up to 240 pixels in at most
                     1920x1080). MP4 and WebM need an even width and height:
                     an odd one is rounded up by one pixel, with a note.
  --layout column    top to bottom, columns right to left (default)
  --layout row       left to right, rows top to bottom
  --chars-per-line N characters per column (or row); longer lines wrap by
                     the line breaking rules (also --per-line N)
  --missing box      a character without data: an empty cell in a dotted
                     frame, named in a note; skip: left out, with the note;
                     error (default): refused, naming it
  --ink R,G,B        ink colour (default: the colour in 設定.dat, else black)
  --ground R,G,B     a plain ground of this colour
  --ground transparent
                     no ground: clear where there is no ink, in WebP and
                     PNG; the other formats are written on white, with a note
  --background FILE  a picture as the ground, stretched to the picture
                     (default ground: Picture2.jpg of the working folder
                     when it is there, else white)
  --hold SECONDS     how long the finished writing stays, 0..60 (default 1.5)
  --duration SECONDS the whole export lasts this long, the hold included:
                     the drawing is paced to fit
  --once, --loop     WebP and GIF play once, or loop for ever (default)
  --quality Q        WebP: lossy at quality 0..100 instead of lossless
  --brush round|ink  the round brush (default) or the ink brush 墨: the same
                     strokes and timing, with dry streaks, the paper&apos;s grain
                     and wet ink where the brush dwells
  --seed N           varies the ink brush&apos;s bristles and paper (default 1);
                     the same seed gives the same pictures
  --locale ja|zh-Hans|zh-Hant|ko  the forms and stroke order of Japan
                     (default), mainland China, Taiwan or Korea; a character
                     its library lacks is taken from the next (zh-Hant:
                     zh-Hans, ja; ko: zh-Hant, zh-Hans, ja; ja and zh-Hans:
                     the other), named in a note
  --strict-locale    refuse those characters instead
  --quiet            nothing on stderr but errors: no progress bar, notes
                     or the closing line that names what was written
  --help             this text
  --version          the program&apos;s name and version

The working folder is the current directory. A file is written under a
temporary name beside OUT and renamed when complete; on any error nothing
is left behind and the exit status is 1 (2 for a bad command line).

Examples:
  sumimai-export 般若心経/色.mem 色.webp
  sumimai-export --sutra 1-10 --fps 25 opening.mp4
  sumimai-export --text &quot;色即是空&quot; --layout column --ground 255,255,255 kuu.gif
  sumimai-export --page --size 1920x1080 page.webm
</source>
        <translation>使い方: sumimai-export [オプション] INPUT... OUT

筆の書きぶりを、画面で描くのと同じ長さのアニメーションに書き、最後に書き
上がりをしばらく見せます。OUT の拡張子で形式が決まります:
  .webp   アニメーション WebP、可逆（--quality で非可逆）
  .gif    アニメーション GIF（無地の地に正確な色）
  .mp4    H.264 動画、yuv420p、配信向けに索引を先頭に置く
  .webm   VP9 動画（300 万画素を超えると VP8）、yuv420p
  .png    書き上がりの静止画
どの形式もコマの時刻を --fps の刻みにそろえ、絵が変わったときだけコマを
保存します。間（ま）はその前のコマを長くします。

INPUT は次のどれか 1 種類:
  FILE...            筆順ファイル（.mem）、1 つに 1 文字
  --sutra A-B        般若心経の A 番目から B 番目（1..276）の文字。番号は
                     プログラムと同じく 般若心経/文字2.csv による
  --text &quot;TEXT&quot;      TEXT の各文字を名前で探す: 作業フォルダの
                     般若心経/&lt;文字&gt;.mem、なければ同梱のデータ、なければ
                     文字集 文字集.smlib（漢字とかな）。数字と約物
                     （、。，．・！？「」『』（）【】〔〕〜…‥）は独自の画で
                     描き、縦書きでは縦書き用の形にする。空白はます目を
                     空け、改行で次の列（または行）に移る。データのない
                     文字は誤り（--missing を参照）
  --page             起動時に描くとおりの、ます目のある般若心経のページ

複数の文字は日本語の組版のように仮想ボディに置き、周りにます目の 10 分の 1
の余白をとります。--sutra では題を別の列に置きます。1 文字の長さは、どの
大きさでも 1920x1080 の画面で描くときと同じです。

オプション:
  --speed S          描画スピード 0..10（既定: 作業フォルダの 設定.dat の
                     Speed、なければ最も速い 0）
  --fps N            1 秒のコマ数、1..60（既定 30）。GIF は各コマを
                     2/100 秒以上にする（それより短いコマを見せない
                     ビューアがあるため）
  --size WxH         画像の大きさ（ピクセル、1 辺 8192 まで。既定は 1 文字
                     なら 720x720、ページなら 1280x720、複数の文字なら
                     1920x1080 までに収まる 240 ピクセルまでのます目）。
                     MP4 と WebM は幅と高さが偶数でなければならず、奇数は
                     注記を添えて 1 ピクセル大きくする
  --layout column    上から下へ、列を右から左へ（既定）
  --layout row       左から右へ、行を上から下へ
  --chars-per-line N 1 列（または 1 行）の文字数。長い行は行分割の規則で
                     折り返す（--per-line N も同じ）
  --missing box      データのない文字: 点線の枠の空のます目にして注記で
                     名前を挙げる。skip: 注記を添えて除く。
                     error（既定）: 名前を挙げて拒む
  --ink R,G,B        墨の色（既定: 設定.dat の色、なければ黒）
  --ground R,G,B     この色の無地の地
  --ground transparent
                     地なし: WebP と PNG では墨のないところが透明になる。
                     ほかの形式は白地に書き、その旨を知らせる
  --background FILE  地にする画像。画像全体に引き伸ばす（既定の地: 作業
                     フォルダに Picture2.jpg があればそれ、なければ白）
  --hold SECONDS     書き上がりを見せる長さ、0..60（既定 1.5）
  --duration SECONDS 書き上がりを見せる時間も含めた全体の長さ。描画の
                     速さをこれに合わせる
  --once, --loop     WebP と GIF を 1 回だけ再生する、またはくり返す（既定）
  --quality Q        WebP: 可逆の代わりに品質 0..100 の非可逆
  --brush round|ink  丸筆（既定）または墨の筆: 画と時間は同じで、かすれ、
                     紙の目、筆がとどまるところのにじみがある
  --seed N           墨の筆の毛と紙を変える（既定 1）。同じ種なら同じ絵
  --locale ja|zh-Hans|zh-Hant|ko  日本（既定）、中国大陸、台湾、韓国の
                     字形と筆順。その文字集にない文字は次の文字集から取り
                     （zh-Hant: zh-Hans、ja。ko: zh-Hant、zh-Hans、ja。ja と
                     zh-Hans: もう一方）、注意書きで知らせる
  --strict-locale    それらの文字を使わず、誤りとする
  --quiet            標準エラー出力には誤りだけを出す: 進み具合、注記、
                     書いたものを挙げる最後の行を出さない
  --help             この説明
  --version          プログラムの名前と版

作業フォルダは今いるフォルダです。ファイルは OUT の隣に一時的な名前で書き、
書き終えてから名前を変えます。誤りのときは何も残さず、終了ステータスは 1
（コマンドラインの誤りのときは 2）です。

例:
  sumimai-export 般若心経/色.mem 色.webp
  sumimai-export --sutra 1-10 --fps 25 opening.mp4
  sumimai-export --text &quot;色即是空&quot; --layout column --ground 255,255,255 kuu.gif
  sumimai-export --page --size 1920x1080 page.webm
</translation>
    </message>
    <message>
        <source>note: %1</source>
        <translation>注記: %1</translation>
    </message>
    <message>
        <source>wrote %1: %2 frames, %3 s</source>
        <translation>%1 を書きました: %2 コマ、%3 秒</translation>
    </message>
    <message>
        <source>unexpected failure: %1</source>
        <translation>思いがけない失敗: %1</translation>
    </message>
    <message>
        <source>%1: %2 (speed 0 and black ink instead)</source>
        <translation>%1: %2（代わりにスピード 0、黒の墨で書きます）</translation>
    </message>
    <message>
        <source>MP4 and WebM need an even width and height: writing %1x%2</source>
        <translation>MP4 と WebM の幅と高さは偶数でなければなりません: %1x%2 で書きます</translation>
    </message>
</context>
<context>
    <name>ToolCommandLine</name>
    <message>
        <source>%1: %2 (see --help)</source>
        <translation>%1: %2（--help を参照）</translation>
    </message>
    <message>
        <source>unknown argument %1</source>
        <translation>知らない引数 %1 です</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 には値が要ります</translation>
    </message>
    <message>
        <source>a mistake in the command line</source>
        <translation>コマンドラインに誤りがあります</translation>
    </message>
</context>
<context>
    <name>StrictValues</name>
    <message>
        <source>%1 needs %2, not &apos;%3&apos;</source>
        <translation>%1 には「%3」ではなく%2を指定してください</translation>
    </message>
    <message>
        <source>%1 %2 is outside %3..%4</source>
        <translation>%1 %2 は %3..%4 の範囲の外です</translation>
    </message>
    <message>
        <source>the size %1 has no pixels</source>
        <translation>大きさ %1 にはピクセルがありません</translation>
    </message>
    <message>
        <source>the size %1 is too large (at most %2 a side)</source>
        <translation>大きさ %1 は大きすぎます（1 辺 %2 まで）</translation>
    </message>
    <message>
        <source>a whole number</source>
        <translation>整数</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>数</translation>
    </message>
    <message>
        <source>WIDTHxHEIGHT in pixels</source>
        <translation>幅x高さ（ピクセル）</translation>
    </message>
    <message>
        <source>R,G,B with each 0..255</source>
        <translation>それぞれ 0..255 の R,G,B</translation>
    </message>
    <message>
        <source>R,G,B with each 0..255, or transparent</source>
        <translation>それぞれ 0..255 の R,G,B か「transparent」</translation>
    </message>
    <message>
        <source>a number 0..10</source>
        <translation>0..10 の数</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>秒数</translation>
    </message>
</context>
<context>
    <name>ToolOptions</name>
    <message>
        <source>the speed</source>
        <translation>スピード</translation>
    </message>
    <message>
        <source>the duration</source>
        <translation>長さ</translation>
    </message>
    <message>
        <source>the hold</source>
        <translation>書き上がりを見せる長さ</translation>
    </message>
    <message>
        <source>--sutra needs FIRST-LAST, characters 1..%1, not &apos;%2&apos;</source>
        <translation>--sutra には「%2」ではなく 1..%1 の文字の 最初-最後 を指定してください</translation>
    </message>
    <message>
        <source>the sutra range %1 is not within 1-%2</source>
        <translation>般若心経の範囲 %1 は 1-%2 に収まっていません</translation>
    </message>
    <message>
        <source>--missing is error, box or skip, not &apos;%1&apos;</source>
        <translation>--missing は「%1」ではなく error、box、skip のどれかです</translation>
    </message>
    <message>
        <source>--layout is column or row, not &apos;%1&apos;</source>
        <translation>--layout は「%1」ではなく column か row です</translation>
    </message>
    <message>
        <source>--brush is round or ink, not &apos;%1&apos;</source>
        <translation>--brush は「%1」ではなく round か ink です</translation>
    </message>
    <message>
        <source>--seed needs a whole number 0 or more, not &apos;%1&apos;</source>
        <translation>--seed には「%1」ではなく 0 以上の整数を指定してください</translation>
    </message>
    <message>
        <source>--text needs characters</source>
        <translation>--text には文字が要ります</translation>
    </message>
    <message>
        <source>--once and --loop exclude each other</source>
        <translation>--once と --loop は一緒に使えません</translation>
    </message>
    <message>
        <source>--ground and --background exclude each other</source>
        <translation>--ground と --background は一緒に使えません</translation>
    </message>
    <message>
        <source>--duration must be longer than --hold</source>
        <translation>--duration は --hold より長くなければなりません</translation>
    </message>
    <message>
        <source>no output file named (the last argument)</source>
        <translation>書き出すファイル（最後の引数）がありません</translation>
    </message>
    <message>
        <source>nothing to write: give stroke files, --sutra, --text or --page</source>
        <translation>書くものがありません: 筆順ファイル、--sutra、--text、--page のどれかを指定してください</translation>
    </message>
    <message>
        <source>give one kind of input: stroke files, --sutra, --text or --page</source>
        <translation>入力は 1 種類だけにしてください: 筆順ファイル、--sutra、--text、--page</translation>
    </message>
    <message>
        <source>--locale is ja, zh-Hans, zh-Hant or ko, not &apos;%1&apos;</source>
        <translation>--locale には「%1」ではなく ja、zh-Hans、zh-Hant、ko のどれかを指定してください</translation>
    </message>
</context>
<context>
    <name>sumimai-sheet</name>
    <message>
        <source>usage: sumimai-sheet [options] --text TEXT OUT.pdf
       sumimai-sheet [options] --file TEXT-FILE OUT.pdf

Writes practice sheets of the characters of a text as a PDF. For each
character: a heading with the character written large by the brush and its
stroke count (5画); the strokes one by one, stroke k in ink and the earlier
ones light grey, with its number, a dot where it starts and an arrow the way
it goes; then practice cells, the first with the character faint to write
over, the rest empty. Punctuation and spaces are left out. Characters are
found by name as sumimai-render finds them; a character without data is
refused by name and nothing is written.

Options:
  --text TEXT        the characters to practise
  --file FILE        the characters of a UTF-8 text file instead
  --trace N          practice cells with the character faint, 0..100
                     (default 3)
  --cells N          practice cells per character in all, 1..500 (default:
                     to the end of the line)
  --grid STYLE       guide lines in the cells: none, tian (田字格), mi
                     (米字格, default) or jiugong (九宮格)
  --title TEXT       a title at the top of every page
  --paper PAPER      a4 (default), letter or b5 (JIS B5, 182 x 257 mm)
  --landscape        the paper turned sideways
  --ink R,G,B        ink colour, each 0..255 (default 0,0,0)
  --no-numbers       no stroke numbers, start dots or arrows
  --brush round|ink  the round brush (default) or the ink brush 墨
  --seed N           the ink brush&apos;s bristles and paper, 0 or more (default 1)
  --locale ja|zh-Hans|zh-Hant|ko  the forms and stroke order of Japan
                     (default), mainland China, Taiwan or Korea; a character
                     its library lacks is taken from the next (zh-Hant:
                     zh-Hans, ja; ko: zh-Hant, zh-Hans, ja; ja and zh-Hans:
                     the other), named in a note
  --strict-locale    refuse those characters instead
  --help             this text
  --version          the program&apos;s name and version

Exit status: 0 when the sheet is written, 1 when it cannot be or the
command line is wrong (nothing is written then).
</source>
        <translation>使い方: sumimai-sheet [オプション] --text TEXT OUT.pdf
       sumimai-sheet [オプション] --file TEXT-FILE OUT.pdf

テキストの文字の練習帳を PDF に書きます。文字ごとに、筆で大きく書いた文字と
画数（5画）の見出し、一画ずつの図（k 画目を墨で、それまでの画を薄い灰色で、
番号、書き始めの点、向きの矢印を添えて）、そして練習のます（はじめのますには
なぞり書き用の薄い文字、残りは空）を並べます。句読点と空白は省きます。文字は
sumimai-render と同じように名前で探し、データのない文字があればその名を挙げて
断り、何も書きません。

オプション:
  --text TEXT        練習する文字
  --file FILE        代わりに UTF-8 のテキストファイルの文字
  --trace N          薄い文字をなぞる練習のますの数 0..100（既定 3）
  --cells N          1 文字あたりの練習のますの数 1..500（既定: 行の終わり
                     まで）
  --grid STYLE       ますの補助線: none、tian（田字格）、mi（米字格、既定）
                     または jiugong（九宮格）
  --title TEXT       各ページの上に置く題
  --paper PAPER      a4（既定）、letter または b5（JIS B5、182 x 257 mm）
  --landscape        用紙を横向きにする
  --ink R,G,B        墨の色、それぞれ 0..255（既定 0,0,0）
  --no-numbers       画の番号、書き始めの点、矢印を付けない
  --brush round|ink  丸筆（既定）または墨の筆
  --seed N           墨の筆の穂と紙、0 以上（既定 1）
  --locale ja|zh-Hans|zh-Hant|ko  日本（既定）、中国大陸、台湾、韓国の
                     字形と筆順。その文字集にない文字は次の文字集から取り
                     （zh-Hant: zh-Hans、ja。ko: zh-Hant、zh-Hans、ja。ja と
                     zh-Hans: もう一方）、注意書きで知らせる
  --strict-locale    それらの文字を使わず、誤りとする
  --help             この説明
  --version          プログラムの名前と版

終了ステータス: 練習帳を書いたとき 0、書けないときとコマンドラインの誤りの
とき 1（そのときは何も書きません）。
</translation>
    </message>
    <message>
        <source>--grid is none, tian, mi or jiugong, not &apos;%1&apos;</source>
        <translation>--grid は「%1」ではなく none、tian、mi、jiugong のどれかです</translation>
    </message>
    <message>
        <source>--paper is a4, letter or b5, not &apos;%1&apos;</source>
        <translation>--paper は「%1」ではなく a4、letter、b5 のどれかです</translation>
    </message>
    <message>
        <source>--text and --file exclude each other</source>
        <translation>--text と --file は一緒に使えません</translation>
    </message>
    <message>
        <source>give the characters with --text or --file</source>
        <translation>文字を --text か --file で指定してください</translation>
    </message>
    <message>
        <source>give only OUT.pdf after the options</source>
        <translation>オプションのあとには OUT.pdf だけを指定してください</translation>
    </message>
    <message>
        <source>the sheet must be a .pdf file: %1</source>
        <translation>練習帳は .pdf ファイルにしてください: %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 に書き込めません: %2</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 を読めません: %2</translation>
    </message>
    <message>
        <source>cannot paint the sheet for %1</source>
        <translation>%1 の練習帳を描けません</translation>
    </message>
    <message>
        <source>unexpected failure: %1</source>
        <translation>思いがけない失敗: %1</translation>
    </message>
    <message>
        <source>note: %1</source>
        <translation>注記: %1</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 に書き込めません: %2</translation>
    </message>
    <message>
        <source>cannot write %1 (%2): %3</source>
        <translation>%1 に書き込めません（%2）: %3</translation>
    </message>
    <message>
        <source>a video needs an even width and height, not %1x%2</source>
        <translation>動画の幅と高さは偶数でなければなりません（%1x%2 ではなく）</translation>
    </message>
    <message>
        <source>cannot tell what kind of file to write from the name %1: it must end in one of %2</source>
        <translation>名前 %1 からは書くファイルの種類がわかりません: 名前の終わりを %2 のどれかにしてください</translation>
    </message>
    <message>
        <source>cannot write into the folder %1: %2</source>
        <translation>フォルダ %1 に書き込めません: %2</translation>
    </message>
    <message>
        <source>cannot read the picture %1: %2</source>
        <translation>画像 %1 を読めません: %2</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>ファイルがありません</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>普通のファイルではありません</translation>
    </message>
    <message>
        <source>not a picture</source>
        <translation>画像ではありません</translation>
    </message>
    <message>
        <source>its kind of picture cannot be decoded</source>
        <translation>この種類の画像は読み解けません</translation>
    </message>
    <message>
        <source>no picture in it could be decoded</source>
        <translation>読み解ける画像がありません</translation>
    </message>
    <message>
        <source>its pixel format cannot be converted</source>
        <translation>画素の形式を変換できません</translation>
    </message>
    <message>
        <source>the animation is too long for a WebP file (4 GB at most)</source>
        <translation>WebP ファイルには長すぎるアニメーションです（4 GB まで）</translation>
    </message>
    <message>
        <source>the WebP encoder failed (error %1)</source>
        <translation>WebP の符号化に失敗しました（エラー %1）</translation>
    </message>
    <message>
        <source>%1; give a larger --size</source>
        <translation>%1。--size を大きくしてください</translation>
    </message>
    <message>
        <source>%1 cannot be transparent: the ground is written white</source>
        <translation>%1 は透明にできないので、地を白にして書きました</translation>
    </message>
</context>
<context>
    <name>Writing</name>
    <message>
        <source>no strokes for the character %1</source>
        <translation>文字 %1 の筆順データがありません</translation>
    </message>
    <message>
        <source>%1 (an empty box in its place)</source>
        <translation>%1（代わりに空の枠を描きます）</translation>
    </message>
    <message>
        <source>%1 (left out)</source>
        <translation>%1（省きます）</translation>
    </message>
    <message>
        <source>the text is %1</source>
        <translation>テキストが %1</translation>
    </message>
    <message>
        <source>no %1 in the working folder or the shipped data</source>
        <translation>作業フォルダにも同梱のデータにも %1 がありません</translation>
    </message>
    <message>
        <source>the character %1 would name a file outside the stroke folder %2; it is not read</source>
        <translation>文字 %1 は筆順フォルダ %2 の外のファイルを指すので読みません</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>ファイルがありません</translation>
    </message>
    <message>
        <source>%1 characters do not fit: their cells would be %2 pixels (at least %3)</source>
        <translation>%1 文字が収まりません: ますが %2 ピクセルになります（%3 以上が要ります）</translation>
    </message>
    <message>
        <source>the %1 library does not hold it, and the strokes of %2 are refused (--strict-locale)</source>
        <translation>%1 の文字集になく、%2 の画は使いません（--strict-locale）</translation>
    </message>
    <message>
        <source>not in the %1 library, written as %2 writes them: %3</source>
        <translation>%1 の文字集にないため %2 の字形で書いた文字: %3</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>the text holds no character to practise (punctuation and spaces are left out)</source>
        <translation>テキストに練習する文字がありません（句読点と空白は省きます）</translation>
    </message>
</context>
<context>
    <name>Text</name>
    <message>
        <source>not UTF-8 at byte offset %1 (%2)</source>
        <translation>%1 バイト目から UTF-8 ではありません（%2）</translation>
    </message>
    <message>
        <source>a byte that does not begin a character</source>
        <translation>文字の始まりでないバイト</translation>
    </message>
    <message>
        <source>a sequence cut short</source>
        <translation>途中で切れた並び</translation>
    </message>
    <message>
        <source>an overlong form</source>
        <translation>冗長な形</translation>
    </message>
    <message>
        <source>an encoded surrogate</source>
        <translation>符号化されたサロゲート</translation>
    </message>
    <message>
        <source>a value beyond U+10FFFF</source>
        <translation>U+10FFFF を超える値</translation>
    </message>
</context>
</TS>
