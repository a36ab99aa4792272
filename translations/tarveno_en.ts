<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
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
    <name>SimfileDocument</name>
    <message>
        <source>#MUSIC の「%1」をこの曲の再生用の音楽にしました（オフセット %2 ms）</source>
        <translation>The #MUSIC file “%1” is now the music this song plays with (offset %2 ms)</translation>
    </message>
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
</TS>
