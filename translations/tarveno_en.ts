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
</TS>
