<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
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
