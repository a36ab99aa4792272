<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
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
</TS>
