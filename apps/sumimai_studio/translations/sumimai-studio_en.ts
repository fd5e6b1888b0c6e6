<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>QObject</name>
    <message>
        <location filename="../animation_saving.cpp" line="38"/>
        <source>%1 を書き出しています…</source>
        <translation>Writing %1…</translation>
    </message>
    <message>
        <location filename="../animation_saving.cpp" line="39"/>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location filename="../animation_saving.cpp" line="40"/>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <location filename="../main.cpp" line="81"/>
        <source>墨舞スタジオ</source>
        <translation>Sumimai Studio</translation>
    </message>
    <message>
        <location filename="../main.cpp" line="32"/>
        <source>入力した文字を筆で書く窓</source>
        <translation>A window that writes the text you type with a brush</translation>
    </message>
    <message>
        <location filename="../main.cpp" line="29"/>
        <source>この文字をすぐに書く</source>
        <translation>Write this text at once</translation>
    </message>
    <message>
        <location filename="../main.cpp" line="36"/>
        <source>書くテキストファイル（UTF-8 または Shift-JIS）</source>
        <translation>A text file to write (UTF-8 or Shift-JIS)</translation>
    </message>
    <message>
        <location filename="../sheet_printing.cpp" line="69"/>
        <source>文字として読めないところがあります。</source>
        <translation>Part of the text cannot be read as characters.</translation>
    </message>
    <message>
        <location filename="../sheet_printing.cpp" line="71"/>
        <source>「%1」の字のデータがないので、練習帳を作れません。</source>
        <translation>There is no data for the character “%1”, so no practice sheet can be made.</translation>
    </message>
    <message>
        <location filename="../sheet_printing.cpp" line="72"/>
        <source>句読点と空白のほかに、練習する字がありません。</source>
        <translation>Besides punctuation and spaces, there is no character to practise.</translation>
    </message>
    <message>
        <location filename="../sheet_printing.cpp" line="80"/>
        <location filename="../sheet_printing.cpp" line="94"/>
        <source>練習帳の印刷</source>
        <translation>Print Practice Sheet</translation>
    </message>
    <message>
        <location filename="../sheet_printing.cpp" line="91"/>
        <source>練習帳の印刷プレビュー</source>
        <translation>Practice Sheet Print Preview</translation>
    </message>
    <message>
        <location filename="../sheet_printing.cpp" line="94"/>
        <source>プリンター %1 に印刷できません。</source>
        <translation>Cannot print on the printer %1.</translation>
    </message>
</context>
<context>
    <name>sumimai::PracticePanel</name>
    <message>
        <location filename="../practice_panel.cpp" line="27"/>
        <source>手本を隠す（腕試し）(&amp;T)</source>
        <translation>&amp;Hide the Model (Test Yourself)</translation>
    </message>
    <message>
        <location filename="../practice_panel.cpp" line="28"/>
        <source>薄い手本を見せずに書く</source>
        <translation>Write without the faint model showing</translation>
    </message>
    <message>
        <location filename="../practice_panel.cpp" line="31"/>
        <source>もう一度(&amp;A)</source>
        <translation>Try &amp;Again</translation>
    </message>
    <message>
        <location filename="../practice_panel.cpp" line="32"/>
        <source>この字を初めから書き直す</source>
        <translation>Write this character again from the start</translation>
    </message>
    <message>
        <location filename="../practice_panel.cpp" line="35"/>
        <source>次の字(&amp;N)</source>
        <translation>&amp;Next Character</translation>
    </message>
    <message>
        <location filename="../practice_panel.cpp" line="36"/>
        <source>次の字へ進む</source>
        <translation>Go on to the next character</translation>
    </message>
    <message>
        <location filename="../practice_panel.cpp" line="54"/>
        <source>判定</source>
        <translation>Judgement</translation>
    </message>
    <message>
        <location filename="../practice_panel.cpp" line="72"/>
        <source>練習できる字がありません（データのある字を入力してください）</source>
        <translation>There is no character to practise (type characters that have stroke data)</translation>
    </message>
    <message>
        <location filename="../practice_panel.cpp" line="118"/>
        <source>1 画目から書いてください</source>
        <translation>Start with stroke 1</translation>
    </message>
    <message>
        <location filename="../practice_panel.cpp" line="129"/>
        <source>%1 字目（全 %2 字）</source>
        <translation>character %1 of %2</translation>
    </message>
    <message>
        <location filename="../practice_panel.cpp" line="130"/>
        <source>写経「%1」 %2</source>
        <translation>Sutra copying “%1” %2</translation>
    </message>
    <message>
        <location filename="../practice_panel.cpp" line="130"/>
        <source>練習「%1」 %2</source>
        <translation>Practice “%1” %2</translation>
    </message>
    <message>
        <location filename="../practice_panel.cpp" line="147"/>
        <source>○ %1 画目</source>
        <translation>○ Stroke %1</translation>
    </message>
    <message>
        <location filename="../practice_panel.cpp" line="150"/>
        <source>× %1</source>
        <translation>× %1</translation>
    </message>
    <message>
        <location filename="../practice_panel.cpp" line="154"/>
        <source>&#x3000;— %1 画目はこう書きます</source>
        <translation> — this is how stroke %1 is written</translation>
    </message>
    <message>
        <location filename="../practice_panel.cpp" line="164"/>
        <source>一度で書けた画: %1（全 %2 画）&#x3000;点数 %3 / 100&#x3000;— 「次の字」か「もう一度」</source>
        <translation>Strokes right the first time: %1 (of %2)  Score %3 / 100  — Next Character or Try Again</translation>
    </message>
    <message>
        <location filename="../practice_panel.cpp" line="165"/>
        <source>なし</source>
        <translation>none</translation>
    </message>
    <message>
        <location filename="../practice_panel.cpp" line="165"/>
        <source>・</source>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>sumimai::PracticeView</name>
    <message>
        <location filename="../practice_view.cpp" line="30"/>
        <source>練習の升目</source>
        <translation>Practice square</translation>
    </message>
</context>
<context>
    <name>sumimai::SheetOptionsDialog</name>
    <message>
        <location filename="../sheet_printing.cpp" line="19"/>
        <source>練習帳の印刷</source>
        <translation>Print Practice Sheet</translation>
    </message>
    <message>
        <location filename="../sheet_printing.cpp" line="22"/>
        <source>A4</source>
        <translation>A4</translation>
    </message>
    <message>
        <location filename="../sheet_printing.cpp" line="22"/>
        <source>レター</source>
        <translation>Letter</translation>
    </message>
    <message>
        <location filename="../sheet_printing.cpp" line="22"/>
        <source>B5 (JIS)</source>
        <translation>B5 (JIS)</translation>
    </message>
    <message>
        <location filename="../sheet_printing.cpp" line="24"/>
        <source>用紙(&amp;P)</source>
        <translation>&amp;Paper</translation>
    </message>
    <message>
        <location filename="../sheet_printing.cpp" line="25"/>
        <source>横向き(&amp;L)</source>
        <translation>&amp;Landscape</translation>
    </message>
    <message>
        <location filename="../sheet_printing.cpp" line="29"/>
        <source>なし</source>
        <translation>None</translation>
    </message>
    <message>
        <location filename="../sheet_printing.cpp" line="29"/>
        <source>田字格</source>
        <translation>Tian (田字格)</translation>
    </message>
    <message>
        <location filename="../sheet_printing.cpp" line="29"/>
        <source>米字格</source>
        <translation>Mi (米字格)</translation>
    </message>
    <message>
        <location filename="../sheet_printing.cpp" line="29"/>
        <source>九宮格</source>
        <translation>Jiugong (九宮格)</translation>
    </message>
    <message>
        <location filename="../sheet_printing.cpp" line="31"/>
        <source>補助線(&amp;G)</source>
        <translation>&amp;Guide lines</translation>
    </message>
    <message>
        <location filename="../sheet_printing.cpp" line="35"/>
        <source>なぞる升(&amp;T)</source>
        <translation>Cells to &amp;trace</translation>
    </message>
    <message>
        <location filename="../sheet_printing.cpp" line="38"/>
        <source>行の終わりまで</source>
        <translation>To the end of the line</translation>
    </message>
    <message>
        <location filename="../sheet_printing.cpp" line="40"/>
        <source>練習の升(&amp;C)</source>
        <translation>Practice &amp;cells</translation>
    </message>
    <message>
        <location filename="../sheet_printing.cpp" line="41"/>
        <source>画の番号と書き始めの矢印(&amp;N)</source>
        <translation>Stroke &amp;numbers and start arrows</translation>
    </message>
    <message>
        <location filename="../sheet_printing.cpp" line="45"/>
        <source>題(&amp;I)</source>
        <translation>T&amp;itle</translation>
    </message>
    <message>
        <location filename="../sheet_printing.cpp" line="47"/>
        <source>プレビュー</source>
        <translation>Preview</translation>
    </message>
    <message>
        <location filename="../sheet_printing.cpp" line="48"/>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>sumimai::StudioWindow</name>
    <message>
        <location filename="../studio_window.cpp" line="192"/>
        <source>練習帳を印刷(&amp;P)…</source>
        <translation>&amp;Print Practice Sheet…</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="192"/>
        <source>一画ずつの練習帳をプレビューして印刷</source>
        <translation>Preview and print a stroke-by-stroke practice sheet</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="76"/>
        <location filename="../studio_window.cpp" line="511"/>
        <source>墨舞スタジオ</source>
        <translation>Sumimai Studio</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="96"/>
        <source>書く文字を入力して Enter</source>
        <translation>Type a text and press Enter</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="97"/>
        <source>Enter でこの文字を書きます（Ctrl+L でここへ戻ります）</source>
        <translation>Enter writes this text (Ctrl+L comes back here)</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="98"/>
        <source>書く文字</source>
        <translation>Text to write</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="106"/>
        <source>Space で一時停止・再開、← → で一画ずつ、ドラッグでアニメーションを渡す</source>
        <translation>Space pauses and resumes, Left and Right step one stroke, dragging hands over the animation</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="117"/>
        <source>書いている位置（ドラッグで移動）</source>
        <translation>Where the writing stands (drag to move)</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="118"/>
        <source>タイムライン</source>
        <translation>Timeline</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="126"/>
        <source>速さ(&amp;S)</source>
        <translation>&amp;Speed</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="131"/>
        <source>筆の速さ（墨舞と同じ 0〜10。0 がいちばん速い）</source>
        <translation>The brush&apos;s speed (0 to 10 as in Sumimai; 0 is the fastest)</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="136"/>
        <source>縦書き</source>
        <translation>Columns</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="137"/>
        <source>横書き</source>
        <translation>Rows</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="138"/>
        <source>縦書き（右から左への列）か横書き（上から下への行）</source>
        <translation>Columns written right to left, or rows written top to bottom</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="141"/>
        <source>一行の字数(&amp;N)</source>
        <translation>Characters a &amp;line</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="145"/>
        <source>自動</source>
        <translation>Auto</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="146"/>
        <source>一列（一行）の字数。自動は窓にいちばん大きく入る字数</source>
        <translation>Characters to a column (or row); Auto gives the biggest cells the window allows</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="177"/>
        <source>ファイル(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="178"/>
        <source>ファイル</source>
        <translation>File</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="180"/>
        <source>開く(&amp;O)…</source>
        <translation>&amp;Open…</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="180"/>
        <source>テキストファイルを開いて書く</source>
        <translation>Open a text file and write it</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="182"/>
        <source>アニメーションを保存(&amp;S)…</source>
        <translation>&amp;Save Animation As…</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="183"/>
        <source>書く様子を WebP・GIF・MP4・WebM・PNG で保存</source>
        <translation>Save the writing as WebP, GIF, MP4, WebM or PNG</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="186"/>
        <source>書き上がりをコピー(&amp;C)</source>
        <translation>&amp;Copy Picture</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="186"/>
        <source>書き上がった字を画像としてコピー</source>
        <translation>Copy the finished writing as a picture</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="188"/>
        <source>アニメーションをコピー(&amp;A)</source>
        <translation>Copy &amp;Animation</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="189"/>
        <source>書く様子を WebP ファイルとしてコピー</source>
        <translation>Copy the writing as a WebP animation file</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="200"/>
        <source>終了(&amp;Q)</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="200"/>
        <source>墨舞スタジオを終える</source>
        <translation>Quit Sumimai Studio</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="206"/>
        <source>再生(&amp;P)</source>
        <translation>&amp;Playback</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="207"/>
        <source>再生</source>
        <translation>Playback</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="220"/>
        <source>最初から</source>
        <translation>Start Again</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="220"/>
        <source>最初から書き直す</source>
        <translation>Write again from the start</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="221"/>
        <source>一画戻る</source>
        <translation>Stroke Back</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="221"/>
        <source>一画戻る（一時停止）</source>
        <translation>One stroke back (pauses)</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="225"/>
        <location filename="../studio_window.cpp" line="487"/>
        <source>一時停止</source>
        <translation>Pause</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="225"/>
        <source>書くのを止める・続ける</source>
        <translation>Pause or resume the writing</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="227"/>
        <source>一画進む</source>
        <translation>Stroke Forward</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="227"/>
        <source>一画進む（一時停止）</source>
        <translation>One stroke forward (pauses)</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="231"/>
        <source>最後まで</source>
        <translation>Finish</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="231"/>
        <source>すぐに書き終える</source>
        <translation>Finish the writing at once</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="236"/>
        <source>繰り返す(&amp;R)</source>
        <translation>&amp;Repeat</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="236"/>
        <source>書き終えたら最初から繰り返す</source>
        <translation>Start again when the writing ends</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="245"/>
        <source>学習(&amp;L)</source>
        <translation>&amp;Learning</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="252"/>
        <source>手本を薄く(&amp;G)</source>
        <translation>&amp;Ghost</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="252"/>
        <source>書き上がりの字を薄く下に見せる</source>
        <translation>Show the finished character faintly under the brush</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="253"/>
        <source>画数の番号(&amp;N)</source>
        <translation>Stroke &amp;Numbers</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="253"/>
        <source>各画の書き始めに番号を付ける</source>
        <translation>Number each stroke at its start</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="254"/>
        <source>書き始めと向き(&amp;A)</source>
        <translation>Start &amp;Arrow</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="254"/>
        <source>今の画の書き始めに点と向きの矢印</source>
        <translation>A dot where the current stroke starts and an arrow the way it goes</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="255"/>
        <source>画ごとの色(&amp;C)</source>
        <translation>Stroke &amp;Colours</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="255"/>
        <source>画ごとに色を変える（色覚の違いがあっても見分けやすい色）</source>
        <translation>A colour for each stroke (distinguishable with colour blindness)</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="256"/>
        <source>練習の罫線(&amp;R)</source>
        <translation>Practice G&amp;rid</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="258"/>
        <source>なし</source>
        <translation>None</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="258"/>
        <source>田字格</source>
        <translation>Cross (田字格)</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="258"/>
        <source>米字格</source>
        <translation>Star (米字格)</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="258"/>
        <source>九宮格</source>
        <translation>Nine squares (九宮格)</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="268"/>
        <source>学習</source>
        <translation>Learning</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="276"/>
        <source>筆で練習(&amp;W)</source>
        <translation>Practise &amp;Writing</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="276"/>
        <source>入力した字を一字ずつ自分で書いて判定を受ける</source>
        <translation>Write the typed characters yourself, one by one, and have each stroke judged</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="282"/>
        <source>写経(&amp;K)</source>
        <translation>Sutra &amp;Copying</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="282"/>
        <source>般若心経の 276 字を順に書く（前回の続きから）</source>
        <translation>Write the 276 characters of the Heart Sutra in order (from where you left off)</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="342"/>
        <source>表示(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="343"/>
        <source>墨の色(&amp;I)…</source>
        <translation>&amp;Ink Colour…</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="343"/>
        <source>墨の色を選ぶ（はじめは 設定.dat の色）</source>
        <translation>Choose the ink&apos;s colour (at first the one of 設定.dat)</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="347"/>
        <source>墨の色</source>
        <translation>Ink Colour</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="352"/>
        <source>筆(&amp;U)</source>
        <translation>Br&amp;ush</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="354"/>
        <source>丸筆（一様な墨）</source>
        <translation>Round Brush (Even Ink)</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="354"/>
        <source>墨（かすれ・にじみ）</source>
        <translation>Ink Brush (Dry Strokes and Bleeding)</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="367"/>
        <source>地(&amp;B)</source>
        <translation>&amp;Background</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="369"/>
        <source>紙の絵</source>
        <translation>Paper</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="369"/>
        <source>無地の色…</source>
        <translation>Plain Colour…</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="369"/>
        <source>透明</source>
        <translation>Transparent</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="379"/>
        <source>地の色</source>
        <translation>Background Colour</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="385"/>
        <source>文字の欄へ</source>
        <translation>To the Text Field</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="385"/>
        <source>文字を入力する欄へ移る</source>
        <translation>Move to the text field</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="390"/>
        <source>全画面(&amp;F)</source>
        <translation>&amp;Full Screen</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="390"/>
        <source>全画面表示の切り替え</source>
        <translation>Switch full screen on or off</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="476"/>
        <source>データのない文字（点線の枠で示します）: %1</source>
        <translation>Characters without stroke data (shown as dotted frames): %1</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="487"/>
        <source>再開</source>
        <translation>Resume</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="506"/>
        <source>テキストファイルを開く</source>
        <translation>Open a Text File</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="507"/>
        <source>テキストファイル (*.txt);;すべてのファイル (*)</source>
        <translation>Text files (*.txt);;All files (*)</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="526"/>
        <source>%1 を保存できませんでした: %2</source>
        <translation>%1 could not be saved: %2</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="536"/>
        <source>まだ何も書いていません。文字を入力して Enter を押してください。</source>
        <translation>Nothing is written yet. Type a text and press Enter.</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="539"/>
        <source>アニメーション WebP (*.webp)</source>
        <translation>WebP animation (*.webp)</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="539"/>
        <source>アニメーション GIF (*.gif)</source>
        <translation>GIF animation (*.gif)</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="540"/>
        <source>動画 MP4 (*.mp4)</source>
        <translation>MP4 video (*.mp4)</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="540"/>
        <source>動画 WebM (*.webm)</source>
        <translation>WebM video (*.webm)</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="540"/>
        <source>書き上がりの画像 PNG (*.png)</source>
        <translation>PNG picture of the finished writing (*.png)</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="542"/>
        <location filename="../studio_window.cpp" line="572"/>
        <source>墨舞.webp</source>
        <translation>sumimai.webp</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="543"/>
        <source>アニメーションを保存</source>
        <translation>Save Animation</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="552"/>
        <source>%1 に保存しました</source>
        <translation>Saved %1</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="566"/>
        <source>書き上がりをコピーしました</source>
        <translation>Copied the finished writing</translation>
    </message>
    <message>
        <location filename="../studio_window.cpp" line="586"/>
        <source>アニメーションをコピーしました</source>
        <translation>Copied the animation</translation>
    </message>
    <message>
        <source>この字形の文字集にない文字（ほかの字形で書きました）: %1</source>
        <translation>Not in this tradition&apos;s library (written in another&apos;s forms): %1</translation>
    </message>
</context>
<context>
    <name>sumimai::TraditionMenu</name>
    <message>
        <source>字形と筆順(&amp;T)</source>
        <translation>Forms and stroke &amp;order</translation>
    </message>
    <message>
        <source>日本</source>
        <translation>Japan</translation>
    </message>
    <message>
        <source>中国大陸（簡体字）</source>
        <translation>Mainland China (simplified)</translation>
    </message>
    <message>
        <source>台湾（繁体字）</source>
        <translation>Taiwan (traditional)</translation>
    </message>
    <message>
        <source>韓国</source>
        <translation>Korea</translation>
    </message>
    <message>
        <source>%1 の文字集の字形と筆順で書く（ない文字はほかの文字集から）</source>
        <translation>Write in the forms and stroke order of the %1 library (characters it lacks come from another)</translation>
    </message>
</context>
<context>
    <name>sumimai::WritingView</name>
    <message>
        <location filename="../writing_view.cpp" line="44"/>
        <source>書く画面</source>
        <translation>Writing canvas</translation>
    </message>
</context>
</TS>
