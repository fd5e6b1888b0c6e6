<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja_JP">
<context>
    <name>DataFiles</name>
    <message>
        <source>記録 %1 の途中でファイルが終わっています（終わりの印 99999 がありません）。</source>
        <translation>The file ends within record %1 (there is no end mark 99999).</translation>
    </message>
    <message>
        <source>記録 %1 の項目 %2%3</source>
        <translation>Record %1, item %2: %3</translation>
    </message>
    <message>
        <source>記録 %1 の項目 %2「%3」は扱える範囲を超えています。</source>
        <translation>Record %1, item %2: &apos;%3&apos; is beyond the range that can be handled.</translation>
    </message>
    <message>
        <source>ファイルが空です（終わりの印 99999 がありません）。</source>
        <translation>The file is empty (there is no end mark 99999).</translation>
    </message>
    <message>
        <source>記録 %1 の後でファイルが終わっています（終わりの印 99999 がありません）。</source>
        <translation>The file ends after record %1 (there is no end mark 99999).</translation>
    </message>
    <message>
        <source>%1 文字のうち %2 文字しかありません。</source>
        <translation>Only %2 of the %1 characters are there.</translation>
    </message>
    <message>
        <source>4 行（描画スピード、赤、緑、青）がそろっていません。</source>
        <translation>The 4 lines (drawing speed, red, green, blue) are not all there.</translation>
    </message>
    <message>
        <source>%1 行目%2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <source>「%1…」は長すぎます（%2 バイトを超えています）。</source>
        <translation>&apos;%1…&apos; is too long (more than %2 bytes).</translation>
    </message>
    <message>
        <source>「%1」は数値ではありません。</source>
        <translation>&apos;%1&apos; is not a number.</translation>
    </message>
    <message>
        <source>ファイルを開けません（%1）。</source>
        <translation>The file cannot be opened (%1).</translation>
    </message>
    <message>
        <source>ファイルではなくフォルダです。</source>
        <translation>It is a folder, not a file.</translation>
    </message>
    <message>
        <source>普通のファイルではありません（名前付きパイプや装置は読みません）。</source>
        <translation>It is not a regular file (named pipes and devices are not read).</translation>
    </message>
    <message>
        <source>ファイルがありません。</source>
        <translation>There is no such file.</translation>
    </message>
    <message>
        <source>ファイルを開けません。</source>
        <translation>The file cannot be opened.</translation>
    </message>
    <message>
        <source>ディスクに空きがありません</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>ディスクの使用量が上限を超えています</source>
        <translation>the disk quota is exceeded</translation>
    </message>
    <message>
        <source>書き込む権限がありません</source>
        <translation>no permission to write</translation>
    </message>
    <message>
        <source>読み取り専用のディスクです</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>ファイルが大きすぎます</source>
        <translation>the file is too large</translation>
    </message>
    <message>
        <source>ディスクの読み書きに失敗しました</source>
        <translation>reading or writing the disk failed</translation>
    </message>
    <message>
        <source>フォルダがありません</source>
        <translation>the folder does not exist</translation>
    </message>
    <message>
        <source>フォルダのあるべき所にファイルがあります</source>
        <translation>a file stands where a folder should be</translation>
    </message>
    <message>
        <source>同じ名前のフォルダがあります</source>
        <translation>a folder of the same name exists</translation>
    </message>
    <message>
        <source>同じ名前のファイルがあります</source>
        <translation>a file of the same name exists</translation>
    </message>
    <message>
        <source>%1：%2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>一時ファイルを作れません</source>
        <translation>cannot create the temporary file</translation>
    </message>
    <message>
        <source>書き込めません</source>
        <translation>cannot write</translation>
    </message>
    <message>
        <source>ディスクに書き出せません</source>
        <translation>cannot write it out to the disk</translation>
    </message>
    <message>
        <source>ファイルを置き換えられません</source>
        <translation>cannot replace the file</translation>
    </message>
</context>
<context>
    <name>Library</name>
    <message>
        <source>範囲外の文字番号があります</source>
        <translation>a character number is out of range</translation>
    </message>
    <message>
        <source>文字の順序が誤っています</source>
        <translation>the characters are out of order</translation>
    </message>
    <message>
        <source>%1 の位置が誤っています</source>
        <translation>the place of %1 is wrong</translation>
    </message>
    <message>
        <source>%1 の長さが誤っています</source>
        <translation>the length of %1 is wrong</translation>
    </message>
    <message>
        <source>文字集「%1」を開けません。</source>
        <translation>The character library %1 cannot be opened.</translation>
    </message>
    <message>
        <source>文字集「%1」は文字集のファイルではありません。</source>
        <translation>%1 is not a character library.</translation>
    </message>
    <message>
        <source>文字集「%1」の索引が途中で切れています。</source>
        <translation>The index of the character library %1 is cut short.</translation>
    </message>
    <message>
        <source>文字集「%1」の索引が壊れています（検査値が合いません）。</source>
        <translation>The index of the character library %1 is damaged (its check value does not match).</translation>
    </message>
    <message>
        <source>文字集「%1」の索引が壊れています（%2）。</source>
        <translation>The index of the character library %1 is damaged (%2).</translation>
    </message>
    <message>
        <source>文字集「%1」は途中で切れています。</source>
        <translation>The character library %1 is cut short.</translation>
    </message>
    <message>
        <source>文字集「%1」の終わりに余分なデータがあります。</source>
        <translation>The character library %1 has extra data at its end.</translation>
    </message>
    <message>
        <source>文字集「%1」の %2 の記録が壊れています。</source>
        <translation>The record of %2 in the character library %1 is damaged.</translation>
    </message>
</context>
<context>
    <name>Practice</name>
    <message>
        <source>書き順が違います</source>
        <translation>Wrong stroke order</translation>
    </message>
    <message>
        <source>向きが逆です</source>
        <translation>Written in the wrong direction</translation>
    </message>
    <message>
        <source>位置がずれています</source>
        <translation>Out of place</translation>
    </message>
    <message>
        <source>形が違います</source>
        <translation>Wrong shape</translation>
    </message>
    <message>
        <source>もう書き終わっています</source>
        <translation>The character is already finished</translation>
    </message>
</context>
</TS>
