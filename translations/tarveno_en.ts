<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>ChartText</name>
    <message>
        <source>警告</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Error(Code%1)</source>
        <translation>Error (code %1)</translation>
    </message>
    <message>
        <source>StepMania</source>
        <translation>StepMania</translation>
    </message>
    <message>
        <source>えらー</source>
        <translation>Oops</translation>
    </message>
    <message>
        <source>msdstyleには対応していません^^;</source>
        <translation>msdstyle is not supported, sorry ^^;</translation>
    </message>
    <message>
        <source>不正なデータです</source>
        <translation>The data is invalid.</translation>
    </message>
    <message>
        <source>メモリーカードイメージ（%1 バイト）より短いファイルです（%2 バイト）。
ファイルにある部分だけを読み込み、足りない部分は空として扱いました。
%3</source>
        <translation>This file is shorter than a memory card image (%2 bytes instead of %1).
Only the part present in the file was read; the missing part was treated as empty.
%3</translation>
    </message>
    <message>
        <source>小節 %1 の %2 拍目の 4 つ同時の矢印は、メモリーカードイメージでは 3連符の印と同じ値になるため保存できません。
矢印を 2 つまでにしてください。</source>
        <translation>The four simultaneous arrows on beat %2 of measure %1 cannot be saved: in a memory card image they would have the same value as the triplet mark.
Use at most two arrows there.</translation>
    </message>
    <message>
        <source>曲が選ばれていないため、メモリーカードイメージに保存できません。
譜面の設定で曲を選んでください。</source>
        <translation>The chart cannot be saved as a memory card image because no song is selected.
Choose a song in the chart settings.</translation>
    </message>
    <message>
        <source>プレイスタイルが正しくないため、メモリーカードイメージに保存できません。</source>
        <translation>The chart cannot be saved as a memory card image because its play style is invalid.</translation>
    </message>
    <message>
        <source>%1
%2</source>
        <translation>%1
%2</translation>
    </message>
    <message>
        <source>対応していない形式です</source>
        <translation>This file format is not supported.</translation>
    </message>
    <message>
        <source>Shift-JIS（CP932）の文字コード変換が使えないため、譜面ファイルを読み書きできません。</source>
        <translation>Chart files cannot be read or written because Shift-JIS (CP932) text conversion is not available on this system.</translation>
    </message>
    <message>
        <source>KRUNタイトルが未記入です。</source>
        <translation>The KRUN title is empty.</translation>
    </message>
    <message>
        <source>EDIT名が未記入です。</source>
        <translation>The edit name is empty.</translation>
    </message>
    <message>
        <source>フリーズアロー: %1 個</source>
        <translation>Freeze arrows: %1</translation>
    </message>
    <message>
        <source>EDIT名</source>
        <translation>Edit name</translation>
    </message>
    <message>
        <source>足レベル</source>
        <translation>Foot level</translation>
    </message>
    <message>
        <source>KRUNタイトル</source>
        <translation>KRUN title</translation>
    </message>
    <message>
        <source>KRUNコメント</source>
        <translation>KRUN comment</translation>
    </message>
    <message>
        <source>シングルの譜面に残った 2P 側の矢印: %1 個</source>
        <translation>Player 2 arrows left in a single chart: %1</translation>
    </message>
    <message>
        <source>難易度は0～15の整数で指定して下さい。</source>
        <translation>Enter the difficulty as a whole number from 0 to 15.</translation>
    </message>
    <message>
        <source>EDIT名は半角英数字８文字以内にして下さい。</source>
        <translation>The edit name must be at most 8 single-byte letters, digits or symbols.</translation>
    </message>
    <message>
        <source>列数は-32768～32767の範囲で指定して下さい。</source>
        <translation>Enter the number of columns between -32768 and 32767.</translation>
    </message>
    <message>
        <source>高さは-32768～32767の範囲で指定して下さい。</source>
        <translation>Enter the height between -32768 and 32767.</translation>
    </message>
    <message>
        <source>譜面タイトル</source>
        <translation>The chart title</translation>
    </message>
    <message>
        <source>コメント</source>
        <translation>The comment</translation>
    </message>
    <message>
        <source>%1に保存できない文字（制御文字 %2）があります。
改行などの制御文字と、Shift-JISにない文字は使えません。</source>
        <translation>%1 contains a character that cannot be saved (control character %2).
Control characters such as line breaks, and characters not in Shift-JIS, cannot be used.</translation>
    </message>
    <message>
        <source>%1に保存できない文字「%2」があります。
改行などの制御文字と、Shift-JISにない文字は使えません。</source>
        <translation>%1 contains a character that cannot be saved: &quot;%2&quot;.
Control characters such as line breaks, and characters not in Shift-JIS, cannot be used.</translation>
    </message>
    <message>
        <source>TARVENO の復元ファイルではありません。</source>
        <translation>This is not a TARVENO recovery file.</translation>
    </message>
    <message>
        <source>新しい版の TARVENO で書かれた復元ファイルです（形式 %1）。</source>
        <translation>This recovery file was written by a newer version of TARVENO (format %1).</translation>
    </message>
    <message>
        <source>復元ファイルが壊れています（%1）。</source>
        <translation>The recovery file is damaged (%1).</translation>
    </message>
    <message>
        <source>途中で切れています</source>
        <translation>it is cut short</translation>
    </message>
    <message>
        <source>検査値が合いません</source>
        <translation>the checksum does not match</translation>
    </message>
    <message>
        <source>形式 %1 は使われていません</source>
        <translation>format %1 is not in use</translation>
    </message>
    <message>
        <source>内容が正しくありません</source>
        <translation>its content is invalid</translation>
    </message>
    <message>
        <source>StepMania ファイルに譜面がありません。</source>
        <translation>The StepMania file contains no charts.</translation>
    </message>
    <message>
        <source>UTF-16 の StepMania ファイルには対応していません（UTF-8 で保存し直してください）。</source>
        <translation>UTF-16 StepMania files are not supported (save the file again as UTF-8).</translation>
    </message>
    <message>
        <source>#NOTES の項目が %1 つしかありません（6 つ必要です）</source>
        <translation>#NOTES has only %1 fields (6 are required)</translation>
    </message>
    <message>
        <source>#NOTES がありません</source>
        <translation>#NOTES is missing</translation>
    </message>
    <message>
        <source>%1 行目: %2</source>
        <translation>line %1: %2</translation>
    </message>
    <message>
        <source>譜面 %1 はありません（このファイルの譜面は %2 個です）。</source>
        <translation>There is no chart %1 (this file has %2 charts).</translation>
    </message>
    <message>
        <source>譜面 %1 は読めません（%2 行目: %3）。</source>
        <translation>Chart %1 cannot be read (line %2: %3).</translation>
    </message>
    <message>
        <source>譜面 %1 の種類 %2 には対応していません。</source>
        <translation>Chart %1 is of type %2, which is not supported.</translation>
    </message>
    <message>
        <source>対応している譜面（dance-single、dance-couple、dance-double）がありません。</source>
        <translation>The file has no chart of a supported type (dance-single, dance-couple, dance-double).</translation>
    </message>
    <message>
        <source>譜面データの小節 %1 の行 %2 は %3 列です（%4 列のはずです）。</source>
        <translation>Row %2 of measure %1 in the note data has %3 columns (it should have %4).</translation>
    </message>
    <message>
        <source>譜面 %1 はありません。</source>
        <translation>There is no chart %1.</translation>
    </message>
    <message>
        <source>%1 の譜面には対応していません。</source>
        <translation>Charts of type %1 are not supported.</translation>
    </message>
    <message>
        <source>読み込み先の曲がありません。</source>
        <translation>There is no song to read the chart into.</translation>
    </message>
    <message>
        <source>曲: 「%1」（曲コード %2、指定どおり）</source>
        <translation>Song: &quot;%1&quot; (song code %2, as specified)</translation>
    </message>
    <message>
        <source>曲: 「%1」（曲コード %2、#TITLE と一致）</source>
        <translation>Song: &quot;%1&quot; (song code %2, matches #TITLE)</translation>
    </message>
    <message>
        <source>曲: 「%1」（曲コード %2）: #TITLE「%3」と一致する曲がないため、#BPMS と同じテンポで譜面が収まる最初の曲</source>
        <translation>Song: &quot;%1&quot; (song code %2): no song matches the #TITLE &quot;%3&quot;, so the first song with the #BPMS tempo that fits the chart was used</translation>
    </message>
    <message>
        <source>曲: 「%1」（曲コード %2）: #TITLE「%3」と一致する曲がないため、譜面が収まる最初の曲</source>
        <translation>Song: &quot;%1&quot; (song code %2): no song matches the #TITLE &quot;%3&quot;, so the first song that fits the chart was used</translation>
    </message>
    <message>
        <source>曲: 「%1」（曲コード %2）: #TITLE「%3」と一致する曲がないため、最も長い曲（譜面が収まる曲はありません）</source>
        <translation>Song: &quot;%1&quot; (song code %2): no song matches the #TITLE &quot;%3&quot;, so the longest song was used (no song fits the chart)</translation>
    </message>
    <message>
        <source>難易度名「%1」は不明なため、難易度を None（Edit）にしました</source>
        <translation>The difficulty name &quot;%1&quot; is unknown, so the difficulty was set to None (Edit)</translation>
    </message>
    <message>
        <source>難易度の数値（#METER）「%1」を %2 にしました</source>
        <translation>The difficulty number (#METER) &quot;%1&quot; was set to %2</translation>
    </message>
    <message>
        <source>説明「%1」は EDIT 名（半角 8 文字まで）にできないため空にしました</source>
        <translation>The description &quot;%1&quot; cannot be used as an edit name (up to 8 single-byte characters), so the edit name was left empty</translation>
    </message>
    <message>
        <source>ファイルのテンポ（#BPMS の最初の値）%1 は曲のテンポ %2 と違います</source>
        <translation>The file&apos;s tempo (the first #BPMS value) %1 differs from the song&apos;s tempo %2</translation>
    </message>
    <message>
        <source>ファイルのテンポ（#BPMS の最初の値）%1 は曲のテンポ %2（曲にテンポがないため） と違います</source>
        <translation>The file&apos;s tempo (the first #BPMS value) %1 differs from the song&apos;s tempo %2 (assumed, as the song has no tempo)</translation>
    </message>
    <message>
        <source>ファイルの #OFFSET は %1 秒です</source>
        <translation>The file&apos;s #OFFSET is %1 seconds</translation>
    </message>
    <message>
        <source>譜面 %1 は読めません（%2 行目: %3）</source>
        <translation>Chart %1 cannot be read (line %2: %3)</translation>
    </message>
    <message>
        <source>動かしたノートの位置: %1</source>
        <translation>Notes moved: %1</translation>
    </message>
    <message>
        <source>%1分 %2 個</source>
        <translation>%2 of 1/%1</translation>
    </message>
    <message>
        <source>16分にも3連符にも乗らないノート（%1）があるため、そのままでは読み込めません（小節:拍 %2）。スナップすると %3 個のノートが動きます。</source>
        <translation>The chart cannot be read as it is: it has notes that are on neither the 16th nor the triplet grid (%1) (measure:beat %2). Snapping would move %3 notes.</translation>
    </message>
    <message>
        <source>#MUSIC の「%1」をこの曲の再生用の音楽にしました（オフセット %2 ms）</source>
        <translation>The #MUSIC file &quot;%1&quot; is now this song&apos;s playback music (offset %2 ms)</translation>
    </message>
    <message>
        <source>曲が選ばれていないため、.sm に書き出せません。</source>
        <translation>The chart cannot be exported to .sm because no song is selected.</translation>
    </message>
    <message>
        <source>曲「%1」にテンポがないため、#BPMS を 120 にしました</source>
        <translation>The song &quot;%1&quot; has no tempo, so #BPMS was set to 120</translation>
    </message>
    <message>
        <source>難易度の種類 %1 を Edit として書き出しました</source>
        <translation>Difficulty type %1 was written as Edit</translation>
    </message>
    <message>
        <source>KRUN の見出し（タイトル・列数・高さ・コメント）は .sm に入りません</source>
        <translation>The KRUN header (title, columns, height, comment) cannot be stored in a .sm file</translation>
    </message>
    <message>
        <source>EDIT 名「%1」は .sm では「%2」として読まれます</source>
        <translation>The edit name &quot;%1&quot; will be read as &quot;%2&quot; from the .sm file</translation>
    </message>
    <message>
        <source>音楽ファイル「%1」は書き出し先と別のフォルダにあるため #MUSIC に書きませんでした</source>
        <translation>The music file &quot;%1&quot; is in a different folder from the exported file, so it was not written to #MUSIC</translation>
    </message>
    <message>
        <source>ファイルの譜面 %1 を置き換えられません。</source>
        <translation>Chart %1 in the file cannot be replaced.</translation>
    </message>
    <message>
        <source>%1: %2 個（小節:拍 %3）</source>
        <translation>%1: %2 (measure:beat %3)</translation>
    </message>
    <message>
        <source>地雷（M）を削除</source>
        <translation>Mines (M) removed</translation>
    </message>
    <message>
        <source>リフト（L）を削除</source>
        <translation>Lifts (L) removed</translation>
    </message>
    <message>
        <source>フェイク（F）を削除</source>
        <translation>Fakes (F) removed</translation>
    </message>
    <message>
        <source>キー音（K）を削除</source>
        <translation>Keysounds (K) removed</translation>
    </message>
    <message>
        <source>アタック（A）を削除</source>
        <translation>Attacks (A) removed</translation>
    </message>
    <message>
        <source>不明な記号を削除</source>
        <translation>Unknown symbols removed</translation>
    </message>
    <message>
        <source>{…}・[…] の注記を削除</source>
        <translation>{…} and […] annotations removed</translation>
    </message>
    <message>
        <source>曲の長さを超えるノートを削除</source>
        <translation>Notes beyond the song&apos;s length removed</translation>
    </message>
    <message>
        <source>始点のない終点（3）を削除</source>
        <translation>Hold ends (3) without a start removed</translation>
    </message>
    <message>
        <source>終点のないホールドをタップに変更</source>
        <translation>Holds without an end changed to taps</translation>
    </message>
    <message>
        <source>ロール（4）をフリーズアローに変更</source>
        <translation>Rolls (4) changed to freeze arrows</translation>
    </message>
    <message>
        <source>小節 201 より後まで続くホールドをタップに変更</source>
        <translation>Holds lasting past measure 201 changed to taps</translation>
    </message>
    <message>
        <source>曲の終わりを超えるホールドを曲の終わりで切断</source>
        <translation>Holds past the end of the song cut at the end</translation>
    </message>
    <message>
        <source>16分にも3連符にも乗らないノートを近い位置へ移動</source>
        <translation>Notes on neither the 16th nor the triplet grid moved to the nearest position</translation>
    </message>
    <message>
        <source>同じ位置と矢印に重なったノートを統合</source>
        <translation>Notes overlapping on the same position and arrow merged</translation>
    </message>
    <message>
        <source>同時に 3 つ以上の矢印（DOUBLE 以外はパッドごと）の右側を削除</source>
        <translation>Rightmost of 3 or more simultaneous arrows (per pad except in DOUBLE) removed</translation>
    </message>
    <message>
        <source>最初の小節（小節 0）のノートを保持（エディタでは変更できません）</source>
        <translation>Notes in the first measure (measure 0) kept (they cannot be edited)</translation>
    </message>
    <message>
        <source>テンポ変化・停止（#BPMS の 2 つ目以降、#STOPS、#DELAYS、#WARPS）を無視</source>
        <translation>Tempo changes and stops (#BPMS after the first, #STOPS, #DELAYS, #WARPS) ignored</translation>
    </message>
    <message>
        <source>SINGLE 譜面の 2P 側の矢印を書き出さず</source>
        <translation>Player 2 arrows of a SINGLE chart not written</translation>
    </message>
    <message>
        <source>曲の長さを超える矢印を書き出さず</source>
        <translation>Arrows beyond the song&apos;s length not written</translation>
    </message>
    <message>
        <source>始点の矢印がない、または曲の終わりを超えるフリーズを書き出さず</source>
        <translation>Freezes without a starting arrow or past the end of the song not written</translation>
    </message>
    <message>
        <source>次の同じ矢印に重なるフリーズを短縮</source>
        <translation>Freezes overlapping the next arrow in the same column shortened</translation>
    </message>
    <message>
        <source>・</source>
        <translation>• </translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>曲コード %1 は曲データにありません。</source>
        <translation>Song code %1 is not in the song list.</translation>
    </message>
    <message>
        <source>曲データ（%1）に有効な曲がありません。</source>
        <translation>The song list (%1) holds no valid songs.</translation>
    </message>
    <message>
        <source>警告: </source>
        <translation>Warning: </translation>
    </message>
    <message>
        <source>%1: %2 既定の設定で描きます。</source>
        <extracomment>%1 is the settings file, %2 why it cannot be used</extracomment>
        <translation>%1: %2 Drawing with the default settings.</translation>
    </message>
    <message>
        <source>この tarveno-cli は描画なしで作られています。</source>
        <translation>This tarveno-cli was built without drawing support.</translation>
    </message>
    <message>
        <source>%1: %2（--snap で動かせます）</source>
        <translation>%1: %2 (--snap can move them)</translation>
    </message>
    <message>
        <source>%1: StepMania のファイル（.sm、.ssc）ではありません。</source>
        <translation>%1: not a StepMania file (.sm, .ssc).</translation>
    </message>
    <message>
        <source>曲データにテンポがないため、120 BPM で書き出します。</source>
        <translation>The song has no tempo in the song list; writing at 120 BPM.</translation>
    </message>
    <message>
        <source>開始拍 %1 は曲の終わり（%2 拍）以降です。</source>
        <translation>Start beat %1 is at or after the end of the song (beat %2).</translation>
    </message>
    <message>
        <source>曲データにテンポがないため、120 BPM として合わせます。</source>
        <translation>The song data has no tempo; syncing at 120 BPM.</translation>
    </message>
    <message>
        <source>再生速度 %1% は 50〜100% の範囲外です。</source>
        <translation>A playback speed of %1% is outside 50–100%.</translation>
    </message>
</context>
<context>
    <name>DocumentCommands</name>
    <message>
        <source>ファイルの保存</source>
        <translation>Save File</translation>
    </message>
    <message>
        <source>データが変更されています。ファイルに保存しますか？</source>
        <translation>The chart has been changed. Do you want to save it to a file?</translation>
    </message>
    <message>
        <source>・%1<byte value="xd"/><byte value="xd"/>今すぐ修正しますか？</source>
        <translation>• %1<byte value="xd"/><byte value="xd"/>Do you want to fix it now?</translation>
    </message>
    <message>
        <source>設定に不備があります</source>
        <translation>Some settings are missing</translation>
    </message>
    <message>
        <source>.ssc ファイルには保存できません。.sm の名前で保存してください。</source>
        <translation>A .ssc file cannot be saved. Please save it under a .sm name.</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>保存しましたが、次の内容はこのファイルの形式に入らないため保存されていません。

%1</source>
        <translation>The chart was saved, but the following was not, because this file format has no place for it:

%1</translation>
    </message>
</context>
<context>
    <name>EditText</name>
    <message>
        <source>小節挿入できません。小節番号と小節数はどちらも1以上で、その和は472未満にしてください。</source>
        <translation>Cannot insert measures. The measure number and the number of measures must both be at least 1, and their sum less than 472.</translation>
    </message>
    <message>
        <source>小節削除できません。小節番号は1以上、最初の小節番号は最後の小節番号以下、最後の小節番号は472未満にしてください。</source>
        <translation>Cannot delete measures. Measure numbers must be at least 1, the first no greater than the last, and the last less than 472.</translation>
    </message>
    <message>
        <source>拍の範囲が正しくありません。0以上1884以下で、始めは終わりより前にしてください。</source>
        <translation>The beat range is not valid. Use beats from 0 to 1884, with the start before the end.</translation>
    </message>
    <message>
        <source>貼り付け位置が正しくありません。0以上1884未満にしてください。</source>
        <translation>The paste position is not valid. Use a beat from 0 to 1883.</translation>
    </message>
    <message>
        <source>クリップボードが空なので貼り付けできません。</source>
        <translation>Nothing to paste: the clipboard is empty.</translation>
    </message>
    <message>
        <source>ダブルプレーでは90゜回転できません。</source>
        <translation>Quarter turns are not available in double play.</translation>
    </message>
</context>
<context>
    <name>FileText</name>
    <message>
        <source>ファイルまたはフォルダが見つかりません</source>
        <translation>file or folder not found</translation>
    </message>
    <message>
        <source>アクセスが拒否されました</source>
        <translation>access denied</translation>
    </message>
    <message>
        <source>フォルダです</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>ディスクの空き容量が不足しています</source>
        <translation>not enough free disk space</translation>
    </message>
    <message>
        <source>読み取り専用の場所です</source>
        <translation>the location is read-only</translation>
    </message>
    <message>
        <source>名前付きパイプや装置など、通常のファイルではありません</source>
        <translation>not a regular file, such as a named pipe or a device</translation>
    </message>
    <message>
        <source>書き込みが許可されていないファイルです</source>
        <translation>you do not have permission to write this file</translation>
    </message>
    <message>
        <source>システムエラー: %1</source>
        <translation>system error: %1</translation>
    </message>
    <message>
        <source>ファイルを開けません: %1（%2）</source>
        <extracomment>%1 is the file&apos;s name, %2 why it failed</extracomment>
        <translation>Cannot open the file: %1 (%2)</translation>
    </message>
    <message>
        <source>ファイルを読み込めません: %1（%2）</source>
        <translation>Cannot read the file: %1 (%2)</translation>
    </message>
    <message>
        <source>ファイルを保存できません: %1（%2）</source>
        <translation>Cannot save the file: %1 (%2)</translation>
    </message>
    <message>
        <source>復元用のフォルダを使えません: %1</source>
        <translation>Cannot use the recovery folder: %1</translation>
    </message>
</context>
<context>
    <name>ImageExport</name>
    <message>
        <source>画像ファイルを保存できませんでした: %1</source>
        <translation>Could not save the image file: %1</translation>
    </message>
    <message>
        <source>画像ファイルを保存できませんでした: %1
%2</source>
        <translation>Could not save the image file: %1
%2</translation>
    </message>
    <message>
        <source>画像を作れませんでした（%1）</source>
        <translation>Could not create the image (%1)</translation>
    </message>
    <message>
        <source>保存する画像がありません。</source>
        <translation>There is no image to save.</translation>
    </message>
</context>
<context>
    <name>PlayText</name>
    <message>
        <source>サンプリング周波数 %1 Hz は %2〜%3 Hz の範囲外です</source>
        <translation>the sample rate of %1 Hz is outside %2 to %3 Hz</translation>
    </message>
    <message>
        <source>RIFF/WAVE の見出しがありません</source>
        <translation>no RIFF/WAVE header</translation>
    </message>
    <message>
        <source>fmt チャンクがありません</source>
        <translation>no fmt chunk</translation>
    </message>
    <message>
        <source>非圧縮の PCM ではありません</source>
        <translation>not uncompressed PCM</translation>
    </message>
    <message>
        <source>data チャンクがありません</source>
        <translation>no data chunk</translation>
    </message>
    <message>
        <source>音楽が 30 分より長いため使えません。</source>
        <translation>The music is longer than 30 minutes and cannot be used.</translation>
    </message>
    <message>
        <source>チャンネル数が 0 です。</source>
        <translation>The sound has no channels.</translation>
    </message>
    <message>
        <source>音声がありません。</source>
        <translation>There is no sound.</translation>
    </message>
    <message>
        <source>サンプリング周波数 %1 Hz は %2〜%3 Hz の範囲外です。</source>
        <translation>The sample rate of %1 Hz is outside %2 to %3 Hz.</translation>
    </message>
    <message>
        <source>WAVファイルとして読めません（%1）。</source>
        <translation>Cannot read this as a WAV file (%1).</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is the file&apos;s name, %2 what is wrong with it</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>書き出す音声が長すぎて WAV ファイルに収まりません（%1 時間 %2 分。WAV ファイルは 4 GiB、%3 時間 %4 分まで）。</source>
        <translation>The sound is too long to fit in a WAV file (%1 h %2 min; a WAV file holds 4 GiB, up to %3 h %4 min).</translation>
    </message>
</context>
<context>
    <name>PngWriter</name>
    <message>
        <source>画像がありません。</source>
        <translation>There is no image.</translation>
    </message>
    <message>
        <source>画像を圧縮できませんでした。</source>
        <translation>Could not compress the image.</translation>
    </message>
</context>
<context>
    <name>QtAudioOutput</name>
    <message>
        <source>音声装置が 48 kHz ステレオの再生に対応していません。
%1</source>
        <translation>The sound device cannot play 48 kHz stereo.
%1</translation>
    </message>
    <message>
        <source>音声装置を開けません。
%1</source>
        <translation>Cannot open the sound device.
%1</translation>
    </message>
</context>
<context>
    <name>SheetPages</name>
    <message>
        <source>印刷の準備ができませんでした。</source>
        <translation>Could not prepare the printout.</translation>
    </message>
    <message>
        <source>次のページを始められませんでした。</source>
        <translation>Could not start the next page.</translation>
    </message>
    <message>
        <source>印刷を終えられませんでした。</source>
        <translation>Could not finish the printout.</translation>
    </message>
    <message>
        <source>PDFファイルを保存できませんでした: %1
%2</source>
        <translation>Could not save the PDF file: %1
%2</translation>
    </message>
</context>
<context>
    <name>SheetRenderer</name>
    <message>
        <source>全体ビュー（%1×%2ピクセル）を描くためのメモリが足りません。</source>
        <translation>There is not enough memory to draw the sheet view (%1×%2 pixels).</translation>
    </message>
</context>
<context>
    <name>SheetText</name>
    <message>
        <source>ヘッダの行数</source>
        <translation>number of header lines</translation>
    </message>
    <message>
        <source>ヘッダの行間</source>
        <translation>header line spacing</translation>
    </message>
    <message>
        <source>ヘッダの高さ</source>
        <translation>header height</translation>
    </message>
    <message>
        <source>全体の幅</source>
        <translation>sheet width</translation>
    </message>
    <message>
        <source>全体の高さ</source>
        <translation>sheet height</translation>
    </message>
    <message>
        <source>ヘッダの行の位置</source>
        <translation>position of a header line</translation>
    </message>
    <message>
        <source>列の位置</source>
        <translation>position of a column</translation>
    </message>
    <message>
        <source>列の右端</source>
        <translation>right edge of a column</translation>
    </message>
    <message>
        <source>枠の下端</source>
        <translation>bottom of a frame</translation>
    </message>
    <message>
        <source>小節の位置</source>
        <translation>position of a measure</translation>
    </message>
    <message>
        <source>小節の下端</source>
        <translation>bottom of a measure</translation>
    </message>
    <message>
        <source>小節番号の位置</source>
        <translation>position of a measure number</translation>
    </message>
    <message>
        <source>背景色</source>
        <translation>background color</translation>
    </message>
    <message>
        <source>1,3拍目の色</source>
        <translation>color of beats 1 and 3</translation>
    </message>
    <message>
        <source>2,4拍目の色</source>
        <translation>color of beats 2 and 4</translation>
    </message>
    <message>
        <source>枠線の色</source>
        <translation>frame line color</translation>
    </message>
    <message>
        <source>小節区切りの色</source>
        <translation>measure line color</translation>
    </message>
    <message>
        <source>拍区切りの色</source>
        <translation>beat line color</translation>
    </message>
    <message>
        <source>ヘッダの文字色</source>
        <translation>header text color</translation>
    </message>
    <message>
        <source>1P2P区切りの色</source>
        <translation>1P/2P divider color</translation>
    </message>
    <message>
        <source>小節番号の文字色</source>
        <translation>measure number color</translation>
    </message>
    <message>
        <source>枠線</source>
        <translation>frame line</translation>
    </message>
    <message>
        <source>小節区切り</source>
        <translation>measure line</translation>
    </message>
    <message>
        <source>拍区切り</source>
        <translation>beat line</translation>
    </message>
    <message>
        <source>1P2P区切り</source>
        <translation>1P/2P divider</translation>
    </message>
    <message>
        <source>ヘッダのフォント名</source>
        <translation>header font name</translation>
    </message>
    <message>
        <source>ヘッダの書式</source>
        <translation>header format</translation>
    </message>
    <message>
        <source>小節番号のフォント名</source>
        <translation>measure number font name</translation>
    </message>
    <message>
        <source>文字列の長さ %1 バイトが 126 バイトを超えています</source>
        <translation>the text length of %1 bytes exceeds 126 bytes</translation>
    </message>
    <message>
        <source>線種 %1 は 0～5 ではありません</source>
        <translation>line style %1 is not between 0 and 5</translation>
    </message>
    <message>
        <source>色の値 %1 は RGB ではありません</source>
        <translation>color value %1 is not an RGB value</translation>
    </message>
    <message>
        <source>フォントサイズが正の数ではありません</source>
        <translation>the font size is not a positive number</translation>
    </message>
    <message>
        <source>値 %1: %2</source>
        <translation>value %1: %2</translation>
    </message>
    <message>
        <source>小節番号の表示 %1 は 0 でも 1 でもありません</source>
        <translation>measure number display %1 is neither 0 nor 1</translation>
    </message>
    <message>
        <source>小節番号の表示位置 %1 は 0～20 ではありません</source>
        <translation>measure number position %1 is not between 0 and 20</translation>
    </message>
    <message>
        <source>view.dat のレコード %1 が壊れています（%2）。</source>
        <translation>Record %1 of view.dat is damaged (%2).</translation>
    </message>
    <message>
        <source>view.dat が途中で切れています（%1 バイト、レコード %2 が足りません）。</source>
        <translation>view.dat is cut short (%1 bytes; record %2 is missing).</translation>
    </message>
    <message>
        <source>view.dat が途中で切れています（%1 バイト、少なくとも %2 バイト必要です）。</source>
        <translation>view.dat is cut short (%1 bytes; at least %2 bytes are needed).</translation>
    </message>
    <message>
        <source>%1に Shift_JIS で表せない文字が含まれています。</source>
        <translation>The %1 contains characters that Shift_JIS cannot represent.</translation>
    </message>
    <message>
        <source>%1が長すぎます。Shift_JIS で 126 バイト以内にしてください（現在 %2 バイト）。</source>
        <translation>The %1 is too long. Keep it within 126 bytes in Shift_JIS (currently %2 bytes).</translation>
    </message>
    <message>
        <source>１行の小節数は1以上にしてください。</source>
        <translation>The number of measures per column must be at least 1.</translation>
    </message>
    <message>
        <source>%1が RGB の値ではありません。</source>
        <translation>The %1 is not an RGB value.</translation>
    </message>
    <message>
        <source>%1の線種が正しくありません。</source>
        <translation>The %1 style is not valid.</translation>
    </message>
    <message>
        <source>小節番号のフォントサイズが正しくありません。</source>
        <translation>The measure number font size is not valid.</translation>
    </message>
    <message>
        <source>小節番号の表示は 0 か 1 にしてください。</source>
        <translation>The measure number display must be 0 or 1.</translation>
    </message>
    <message>
        <source>小節番号の表示位置は 0～20 にしてください。</source>
        <translation>The measure number position must be between 0 and 20.</translation>
    </message>
    <message>
        <source>この譜面（%1小節）の全体ビューは大きすぎて描けません（%2が %3 になり、-32768～32767 に収まりません）。１行の小節数や余白、フォントサイズを見直してください。</source>
        <extracomment>%1 is the chart&apos;s measure count, %2 names a size or position, %3 its value in pixels</extracomment>
        <translation>The sheet of this chart (%1 measures) is too large to draw (the %2 would be %3, outside -32768 to 32767). Check the measures per column, the margins and the font sizes.</translation>
    </message>
    <message>
        <source>ヘッダのフォントサイズが正しくありません。</source>
        <translation>The header font size is not valid.</translation>
    </message>
    <message>
        <source>画面の解像度（1ピクセルあたりのtwip数）が正しくありません。</source>
        <translation>The screen resolution (twips per pixel) is not valid.</translation>
    </message>
    <message>
        <source>全体ビューの幅か高さが 0 以下になります。余白を見直してください。</source>
        <translation>The sheet would have no width or height. Check the margins.</translation>
    </message>
    <message>
        <source>曲が選ばれていません（曲番号 %1 は曲リストにありません）。</source>
        <translation>No song is selected (song number %1 is not in the song list).</translation>
    </message>
    <message>
        <source>曲の小節数が 0 以下のため全体ビューを作れません。</source>
        <translation>The song has no measures, so there is no sheet to make.</translation>
    </message>
    <message>
        <source>曲の小節数 %1 が譜面に収まる %2 小節を超えています。</source>
        <translation>The song has %1 measures, more than the %2 a chart holds.</translation>
    </message>
</context>
<context>
    <name>SimfileDocument</name>
    <message>
        <source>この譜面には 16分と3連符が同じ拍に混ざったところがあり、そのままでは読み込めません（小節:拍 %1）。
%2 個のノートを近い位置へ動かして読み込みますか？</source>
        <translation>This chart mixes 16th notes and triplets within the same beat, so it cannot be read as it is (measure:beat %1).
Move %2 notes to the nearest places and read it?</translation>
    </message>
    <message>
        <source>StepMania のファイルを読み込みました。

%1</source>
        <translation>The StepMania file was read.

%1</translation>
    </message>
    <message>
        <source>StepMania のファイル（.sm）に書き出しました。

%1</source>
        <translation>The chart was written to a StepMania file (.sm).

%1</translation>
    </message>
    <message>
        <source>StepMania のファイル（.sm）の譜面を書き換えました。

%1</source>
        <translation>The chart in the StepMania file (.sm) was rewritten.

%1</translation>
    </message>
</context>
<context>
    <name>SongText</name>
    <message>
        <source>kruid.dat の %1 件目の曲データが途中で終わっています。この曲は読み込まれませんでした。</source>
        <translation>Song %1 in kruid.dat is cut short. This song was not loaded.</translation>
    </message>
    <message>
        <source>kruid.dat の曲数が %1 件を超えています。残りの %2 件は読み込まれませんでした。</source>
        <translation>kruid.dat has more than %1 songs. The remaining %2 were not loaded.</translation>
    </message>
    <message>
        <source>曲データ（kruid.dat）を読み込めません。
%1</source>
        <translation>Cannot read the song list (kruid.dat).
%1</translation>
    </message>
    <message>
        <source>拍子データが途中で終わっています。</source>
        <translation>The meter data is cut short.</translation>
    </message>
    <message>
        <source>拍子データが 20 区間を超えています。</source>
        <translation>The meter data has more than 20 sections.</translation>
    </message>
    <message>
        <source>拍子データの値が正しくありません。</source>
        <translation>The meter data holds an invalid value.</translation>
    </message>
    <message>
        <source>拍子データを読み込めません。
%1</source>
        <translation>Cannot read the meter data.
%1</translation>
    </message>
    <message>
        <source>拍子データ（%1）が壊れています。
%2</source>
        <translation>The meter data (%1) is damaged.
%2</translation>
    </message>
</context>
<context>
    <name>tarveno::AboutDialog</name>
    <message>
        <source>バージョン情報</source>
        <translation>About TARVENO</translation>
    </message>
    <message>
        <source>このソフトはフリーソフトです。 (C) たるべの工房</source>
        <translation>This program is free software. (C) Tarube Workshop</translation>
    </message>
</context>
<context>
    <name>tarveno::AudioOutput</name>
    <message>
        <source>音声を再生できる装置が見つかりません。</source>
        <translation>No audio device that can play sound was found.</translation>
    </message>
</context>
<context>
    <name>tarveno::EditInfoWindow</name>
    <message>
        <source>譜面情報</source>
        <translation>Chart Information</translation>
    </message>
    <message>
        <source>総ｵﾌﾞｼﾞｪ数:</source>
        <translation>Total objects:</translation>
    </message>
    <message>
        <source>総ｽﾃｯﾌﾟ数:</source>
        <translation>Total steps:</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>tarveno::MainWindow</name>
    <message>
        <source>新しい譜面</source>
        <translation>New chart</translation>
    </message>
    <message>
        <source>前回 TARVENO が正しく終了しなかったため、保存されていない譜面が残っています。

%1（%2 の状態）

復元しますか？「いいえ」を選ぶと破棄します。</source>
        <translation>TARVENO did not close properly last time, and an unsaved chart was left behind.

%1 (as of %2)

Do you want to restore it? Choose “No” to discard it.</translation>
    </message>
    <message>
        <source>譜面の復元</source>
        <translation>Restore Chart</translation>
    </message>
    <message>
        <source>新規作成</source>
        <translation>New</translation>
    </message>
    <message>
        <source>開く</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>切り取り</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>コピー</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>貼り付け</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>４分入力</source>
        <translation>4th-note input</translation>
    </message>
    <message>
        <source>８分入力</source>
        <translation>8th-note input</translation>
    </message>
    <message>
        <source>１６分入力</source>
        <translation>16th-note input</translation>
    </message>
    <message>
        <source>３連符入力</source>
        <translation>Triplet input</translation>
    </message>
    <message>
        <source>フリーズアロー</source>
        <translation>Freeze arrow</translation>
    </message>
    <message>
        <source>EDIT設定</source>
        <translation>Edit settings</translation>
    </message>
    <message>
        <source>全体ビュー</source>
        <translation>Sheet view</translation>
    </message>
    <message>
        <source>譜面情報</source>
        <translation>Chart information</translation>
    </message>
    <message>
        <source>ファイル(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>新規作成(&amp;N)</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>開く(&amp;O)</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>保存(&amp;S)</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>TARVENOの終了(&amp;X)</source>
        <translation>E&amp;xit TARVENO</translation>
    </message>
    <message>
        <source>編集(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>やり直し(&amp;Y)</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>切り取り(&amp;T)</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>貼り付け(&amp;P)</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>小節挿入(&amp;I)</source>
        <translation>&amp;Insert Measures</translation>
    </message>
    <message>
        <source>小節削除(&amp;D)</source>
        <translation>&amp;Delete Measures</translation>
    </message>
    <message>
        <source>上下反転(&amp;V)</source>
        <translation>Flip &amp;Vertically</translation>
    </message>
    <message>
        <source>左右反転(&amp;H)</source>
        <translation>Flip &amp;Horizontally</translation>
    </message>
    <message>
        <source>左90゜回転(&amp;L)</source>
        <translation>Rotate &amp;Left 90°</translation>
    </message>
    <message>
        <source>右90゜回転(&amp;R)</source>
        <translation>Rotate Ri&amp;ght 90°</translation>
    </message>
    <message>
        <source>180゜回転(&amp;M)</source>
        <translation>R&amp;otate 180°</translation>
    </message>
    <message>
        <source>４分入力(&amp;4)</source>
        <translation>&amp;4th Notes</translation>
    </message>
    <message>
        <source>８分入力(&amp;8)</source>
        <translation>&amp;8th Notes</translation>
    </message>
    <message>
        <source>１６分入力(&amp;1)</source>
        <translation>&amp;16th Notes</translation>
    </message>
    <message>
        <source>３連符入力(&amp;3)</source>
        <translation>Triplet&amp;s</translation>
    </message>
    <message>
        <source>フリーズアロー(&amp;F)</source>
        <translation>&amp;Freeze Arrow</translation>
    </message>
    <message>
        <source>EDIT設定(&amp;S)</source>
        <translation>&amp;Edit Settings</translation>
    </message>
    <message>
        <source>表示(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>全体ビュー(&amp;A)</source>
        <translation>&amp;Sheet View</translation>
    </message>
    <message>
        <source>譜面情報(&amp;I)</source>
        <translation>Chart &amp;Information</translation>
    </message>
    <message>
        <source>サウンド再生(&amp;S)</source>
        <translation>&amp;Play</translation>
    </message>
    <message>
        <source>再生設定(&amp;P)...</source>
        <translation>Play&amp;back Settings...</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>バージョン情報(&amp;A)</source>
        <translation>&amp;About TARVENO</translation>
    </message>
    <message>
        <source>波形(&amp;W)</source>
        <translation>&amp;Waveform</translation>
    </message>
    <message>
        <source>オフセット: %1 ms</source>
        <translation>Offset: %1 ms</translation>
    </message>
</context>
<context>
    <name>tarveno::MeasureDialog</name>
    <message>
        <source>小節挿入</source>
        <translation>Insert Measures</translation>
    </message>
    <message>
        <source>小節番号</source>
        <comment>insert at</comment>
        <translation>At measure</translation>
    </message>
    <message>
        <source>に</source>
        <translation>insert</translation>
    </message>
    <message>
        <source>小節挿入する</source>
        <translation>measure(s)</translation>
    </message>
    <message>
        <source>小節削除</source>
        <translation>Delete Measures</translation>
    </message>
    <message>
        <source>小節番号</source>
        <comment>delete from</comment>
        <translation>Delete from measure</translation>
    </message>
    <message>
        <source>～</source>
        <translation>to</translation>
    </message>
    <message>
        <source>を削除する</source>
        <translation>(inclusive)</translation>
    </message>
    <message>
        <source>小節を詰める</source>
        <translation>Close the gap</translation>
    </message>
</context>
<context>
    <name>tarveno::MusicLibrary</name>
    <message>
        <source>音楽ファイル %1 を読み込めません。音楽なしで再生します。
%2</source>
        <translation>Cannot read the music file %1. Playing without music.
%2</translation>
    </message>
    <message>
        <source>ファイルがありません。</source>
        <translation>The file does not exist.</translation>
    </message>
    <message>
        <source>この形式は読めません。</source>
        <translation>This format cannot be read.</translation>
    </message>
</context>
<context>
    <name>tarveno::OptionsDialog</name>
    <message>
        <source>設定</source>
        <translation>Edit Settings</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>曲選択</source>
        <translation>Song</translation>
    </message>
    <message>
        <source>小節数:</source>
        <translation>Measures:</translation>
    </message>
    <message>
        <source>EDIT名</source>
        <translation>Edit name</translation>
    </message>
    <message>
        <source>プレイスタイル</source>
        <translation>Play style</translation>
    </message>
    <message>
        <source>難易度</source>
        <translation>Difficulty</translation>
    </message>
    <message>
        <source>新曲のみ</source>
        <translation>New songs only</translation>
    </message>
    <message>
        <source>収録ﾊﾞｰｼﾞｮﾝ</source>
        <translation>Included in versions</translation>
    </message>
    <message>
        <source>自動付加</source>
        <translation>Auto Title</translation>
    </message>
    <message>
        <source>譜面タイトル</source>
        <translation>Chart title</translation>
    </message>
    <message>
        <source>列数</source>
        <translation>Columns</translation>
    </message>
    <message>
        <source>高さ</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>コメント</source>
        <translation>Comment</translation>
    </message>
</context>
<context>
    <name>tarveno::PlaySettingsDialog</name>
    <message>
        <source>再生設定</source>
        <translation>Playback Settings</translation>
    </message>
    <message>
        <source>アシスト音(&amp;A)</source>
        <translation>&amp;Assist ticks</translation>
    </message>
    <message>
        <source>メトロノーム(&amp;M)</source>
        <translation>&amp;Metronome</translation>
    </message>
    <message>
        <source>音量</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>再生速度</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>参照(&amp;R)...</source>
        <translation>B&amp;rowse...</translation>
    </message>
    <message>
        <source>なし(&amp;N)</source>
        <translation>&amp;None</translation>
    </message>
    <message>
        <source>ファイル</source>
        <translation>File</translation>
    </message>
    <message>
        <source>オフセット</source>
        <translation>Offset</translation>
    </message>
    <message>
        <source>ミリ秒（拍 0 が音楽のどこにあるか）</source>
        <translation>ms (where beat 0 lies in the music)</translation>
    </message>
    <message>
        <source>自動調整</source>
        <translation>Auto Sync</translation>
    </message>
    <message>
        <source>音楽を解析しています…</source>
        <translation>Analyzing the music…</translation>
    </message>
    <message>
        <source>確かさ %1%、音楽のテンポ %2 BPM（確かさ %3%）</source>
        <translation>Confidence %1%; the music&apos;s tempo: %2 BPM (confidence %3%)</translation>
    </message>
    <message>
        <source>曲のテンポ %1 BPM と 1% 以上違います。別の曲のファイルか、速さの違う音源かもしれません。</source>
        <translation>This differs from the song&apos;s tempo of %1 BPM by more than 1%. The file may belong to another song, or play at another speed.</translation>
    </message>
    <message>
        <source>この曲の音楽: %1</source>
        <translation>Music for this song: %1</translation>
    </message>
    <message>
        <source>音声ファイル (*.ogg *.oga *.mp3 *.wav *.flac *.opus)|*.ogg;*.oga;*.mp3;*.wav;*.flac;*.opus|すべてのファイル (*)|*</source>
        <translation>Audio files (*.ogg *.oga *.mp3 *.wav *.flac *.opus)|*.ogg;*.oga;*.mp3;*.wav;*.flac;*.opus|All files (*)|*</translation>
    </message>
    <message>
        <source>音楽ファイルを開く</source>
        <translation>Open Music File</translation>
    </message>
</context>
<context>
    <name>tarveno::PlaybackSession</name>
    <message>
        <source>テンポが不明なため 120 BPM で再生しています</source>
        <translation>The tempo is unknown; playing at 120 BPM</translation>
    </message>
</context>
<context>
    <name>tarveno::SaveJpegDialog</name>
    <message>
        <source>JPEGで保存</source>
        <translation>Save as JPEG</translation>
    </message>
    <message>
        <source>プログレッシブ</source>
        <translation>Progressive</translation>
    </message>
    <message>
        <source>画質:</source>
        <translation>Quality:</translation>
    </message>
</context>
<context>
    <name>tarveno::SavePngDialog</name>
    <message>
        <source>PNGで保存</source>
        <translation>Save as PNG</translation>
    </message>
    <message>
        <source>画質</source>
        <translation>Compression</translation>
    </message>
    <message>
        <source>標準</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>速度重視</source>
        <translation>Fastest</translation>
    </message>
    <message>
        <source>最高圧縮</source>
        <translation>Smallest file</translation>
    </message>
</context>
<context>
    <name>tarveno::SheetExport</name>
    <message>
        <source>画像出力</source>
        <translation>Export Image</translation>
    </message>
    <message>
        <source>PNG(*.png)|*.png|JPEG(*.jpg; *.jpeg)|*.jpg;*.jpeg|ビットマップ(*.bmp)|*.bmp</source>
        <translation>PNG(*.png)|*.png|JPEG(*.jpg; *.jpeg)|*.jpg;*.jpeg|Bitmap(*.bmp)|*.bmp</translation>
    </message>
</context>
<context>
    <name>tarveno::SheetPrint</name>
    <message>
        <source>全体ビュー</source>
        <translation>Sheet View</translation>
    </message>
    <message>
        <source>プリンタが見つかりません。印刷の設定を確かめてください。</source>
        <translation>No printer was found. Please check the print settings.</translation>
    </message>
    <message>
        <source>印刷できませんでした。
%1</source>
        <translation>The sheet could not be printed.
%1</translation>
    </message>
    <message>
        <source>PDF出力</source>
        <translation>Export PDF</translation>
    </message>
    <message>
        <source>PDFファイル(*.pdf)|*.pdf</source>
        <translation>PDF files(*.pdf)|*.pdf</translation>
    </message>
</context>
<context>
    <name>tarveno::SheetView</name>
    <message>
        <source>全体ビュー</source>
        <translation>Sheet View</translation>
    </message>
    <message>
        <source>出力(&amp;O)</source>
        <translation>&amp;Output</translation>
    </message>
    <message>
        <source>ファイルに出力(&amp;F)</source>
        <translation>Save as &amp;Image</translation>
    </message>
    <message>
        <source>印刷(&amp;P)</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>PDFに出力(&amp;D)...</source>
        <translation>Export to P&amp;DF...</translation>
    </message>
    <message>
        <source>設定(&amp;P)</source>
        <translation>&amp;Settings</translation>
    </message>
    <message>
        <source>

メニューの「設定」で直せます（設定の保存先: %1）。</source>
        <translation>

You can correct the settings with Settings in the menu (they are kept in %1).</translation>
    </message>
</context>
<context>
    <name>tarveno::SimfileChartDialog</name>
    <message>
        <source>%1&#x3000;%2 %3%4</source>
        <translation>%1  %2 %3%4</translation>
    </message>
    <message>
        <source>&#x3000;「%1」</source>
        <translation>  “%1”</translation>
    </message>
    <message>
        <source>譜面の選択</source>
        <translation>Choose a Chart</translation>
    </message>
    <message>
        <source>このファイルには譜面が %1 つあります。読み込む譜面と、譜面を置く曲を選んでください。</source>
        <translation>Charts in this file: %1. Choose the chart to read and the song to place it on.</translation>
    </message>
    <message>
        <source>曲選択</source>
        <translation>Song</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>tarveno::ViewSettingDialog</name>
    <message>
        <source>設定</source>
        <translation>View Settings</translation>
    </message>
    <message>
        <source>実線</source>
        <translation>Solid</translation>
    </message>
    <message>
        <source>鎖線</source>
        <translation>Dashed</translation>
    </message>
    <message>
        <source>点線</source>
        <translation>Dotted</translation>
    </message>
    <message>
        <source>一点鎖線</source>
        <translation>Dash-dot</translation>
    </message>
    <message>
        <source>二点鎖線</source>
        <translation>Dash-dot-dot</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>None</translation>
    </message>
    <message>
        <source>１行の小節数:</source>
        <translation>Measures per column:</translation>
    </message>
    <message>
        <source>上下余白:</source>
        <translation>Top/bottom margin:</translation>
    </message>
    <message>
        <source>左右余白:</source>
        <translation>Left/right margin:</translation>
    </message>
    <message>
        <source>列間隔:</source>
        <translation>Column spacing:</translation>
    </message>
    <message>
        <source>背景色:</source>
        <translation>Background:</translation>
    </message>
    <message>
        <source>1,3拍目:</source>
        <translation>Beats 1 and 3:</translation>
    </message>
    <message>
        <source>2,4拍目:</source>
        <translation>Beats 2 and 4:</translation>
    </message>
    <message>
        <source>枠線:</source>
        <translation>Frame:</translation>
    </message>
    <message>
        <source>小節区切り:</source>
        <translation>Measure lines:</translation>
    </message>
    <message>
        <source>拍区切り:</source>
        <translation>Beat lines:</translation>
    </message>
    <message>
        <source>1P2P区切り:</source>
        <translation>1P/2P divider:</translation>
    </message>
    <message>
        <source>フォント</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>ヘッダ</source>
        <translation>Header</translation>
    </message>
    <message>
        <source>書式:</source>
        <translation>Format:</translation>
    </message>
    <message>
        <source>%T:曲タイトル&#x3000;%E:EDIT名&#x3000;%M:プレイモード&#x3000;%L/%l:難易度</source>
        <translation>%T: song title   %E: edit name   %M: play mode   %L/%l: difficulty</translation>
    </message>
    <message>
        <source>改行幅:</source>
        <translation>Line spacing:</translation>
    </message>
    <message>
        <source>文字属性:</source>
        <translation>Font:</translation>
    </message>
    <message>
        <source>サンプル:</source>
        <translation>Sample:</translation>
    </message>
    <message>
        <source>小節番号</source>
        <translation>Measure Numbers</translation>
    </message>
    <message>
        <source>表示する</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>表示位置:</source>
        <translation>Position:</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>上下余白</source>
        <translation>The top/bottom margin</translation>
    </message>
    <message>
        <source>左右余白</source>
        <translation>The left/right margin</translation>
    </message>
    <message>
        <source>１行の小節数</source>
        <translation>The number of measures per column</translation>
    </message>
    <message>
        <source>列間隔</source>
        <translation>The column spacing</translation>
    </message>
    <message>
        <source>改行幅</source>
        <translation>The header line spacing</translation>
    </message>
    <message>
        <source>%1は -32768～32767 にしてください。</source>
        <translation>%1 must be between -32768 and 32767.</translation>
    </message>
    <message>
        <source>設定に不備があります</source>
        <translation>Invalid Settings</translation>
    </message>
</context>
<context>
    <name>tarveno::WaveformStrip</name>
    <message>
        <source>波形を準備中…</source>
        <translation>Preparing the waveform…</translation>
    </message>
    <message>
        <source>音楽ファイルを読み込めませんでした</source>
        <translation>The music file could not be read</translation>
    </message>
    <message>
        <source>音楽ファイルがありません（表示→再生設定で選べます）</source>
        <translation>No music file (choose one in View → Playback Settings)</translation>
    </message>
</context>
</TS>
