#include <QCoreApplication>

#include "core/sheet/sheet_text.h"
#include "words/messages.h"

namespace tarveno {

namespace {

// What a too large sheet names.
QString sizeWords(SheetText kind) {
  switch (kind) {
    case SheetText::SizeHeaderLineCount:
      return QCoreApplication::translate("SheetText", "ヘッダの行数");
    case SheetText::SizeHeaderPitch:
      return QCoreApplication::translate("SheetText", "ヘッダの行間");
    case SheetText::SizeHeaderHeight:
      return QCoreApplication::translate("SheetText", "ヘッダの高さ");
    case SheetText::SizeSheetWidth:
      return QCoreApplication::translate("SheetText", "全体の幅");
    case SheetText::SizeSheetHeight:
      return QCoreApplication::translate("SheetText", "全体の高さ");
    case SheetText::SizeHeaderLinePosition:
      return QCoreApplication::translate("SheetText", "ヘッダの行の位置");
    case SheetText::SizeColumnPosition:
      return QCoreApplication::translate("SheetText", "列の位置");
    case SheetText::SizeColumnRightEdge:
      return QCoreApplication::translate("SheetText", "列の右端");
    case SheetText::SizeFrameBottom:
      return QCoreApplication::translate("SheetText", "枠の下端");
    case SheetText::SizeMeasurePosition:
      return QCoreApplication::translate("SheetText", "小節の位置");
    case SheetText::SizeMeasureBottom:
      return QCoreApplication::translate("SheetText", "小節の下端");
    case SheetText::SizeNumberPosition:
      return QCoreApplication::translate("SheetText", "小節番号の位置");
    default:
      return {};
  }
}

// The settings' names inside the checks' texts.
QString nameWords(SheetText kind) {
  switch (kind) {
    case SheetText::NameBackColour:
      return QCoreApplication::translate("SheetText", "背景色");
    case SheetText::NameBeat13Colour:
      return QCoreApplication::translate("SheetText", "1,3拍目の色");
    case SheetText::NameBeat24Colour:
      return QCoreApplication::translate("SheetText", "2,4拍目の色");
    case SheetText::NameFrameColour:
      return QCoreApplication::translate("SheetText", "枠線の色");
    case SheetText::NameMeasureLineColour:
      return QCoreApplication::translate("SheetText", "小節区切りの色");
    case SheetText::NameBeatLineColour:
      return QCoreApplication::translate("SheetText", "拍区切りの色");
    case SheetText::NameHeaderColour:
      return QCoreApplication::translate("SheetText", "ヘッダの文字色");
    case SheetText::NamePlayerLineColour:
      return QCoreApplication::translate("SheetText", "1P2P区切りの色");
    case SheetText::NameNumberColour:
      return QCoreApplication::translate("SheetText", "小節番号の文字色");
    case SheetText::NameFrameLine:
      return QCoreApplication::translate("SheetText", "枠線");
    case SheetText::NameMeasureLine:
      return QCoreApplication::translate("SheetText", "小節区切り");
    case SheetText::NameBeatLine:
      return QCoreApplication::translate("SheetText", "拍区切り");
    case SheetText::NamePlayerLine:
      return QCoreApplication::translate("SheetText", "1P2P区切り");
    case SheetText::NameHeaderFontName:
      return QCoreApplication::translate("SheetText", "ヘッダのフォント名");
    case SheetText::NameHeaderStyle:
      return QCoreApplication::translate("SheetText", "ヘッダの書式");
    case SheetText::NameNumberFontName:
      return QCoreApplication::translate("SheetText", "小節番号のフォント名");
    default:
      return {};
  }
}

// Why a record of view.dat is damaged.
QString recordWords(SheetText kind, const Message& m) {
  switch (kind) {
    case SheetText::RecordTextLong:
      return QCoreApplication::translate("SheetText", "文字列の長さ %1 バイトが 126 バイトを超えています")
          .arg(arg(m, 0));
    case SheetText::RecordLineStyle:
      return QCoreApplication::translate("SheetText", "線種 %1 は 0～5 ではありません").arg(arg(m, 0));
    case SheetText::RecordColour:
      return QCoreApplication::translate("SheetText", "色の値 %1 は RGB ではありません").arg(arg(m, 0));
    case SheetText::RecordFontSize:
      return QCoreApplication::translate("SheetText", "フォントサイズが正の数ではありません");
    case SheetText::RecordBlocks:
      return QCoreApplication::translate("SheetText", "値 %1: %2").arg(arg(m, 0), part(m, 0));
    case SheetText::RecordShowNum:
      return QCoreApplication::translate("SheetText", "小節番号の表示 %1 は 0 でも 1 でもありません").arg(arg(m, 0));
    case SheetText::RecordNumPos:
      return QCoreApplication::translate("SheetText", "小節番号の表示位置 %1 は 0～20 ではありません").arg(arg(m, 0));
    default:
      return kind >= SheetText::NameBackColour ? nameWords(kind) : sizeWords(kind);
  }
}

QString settingsWords(SheetText kind, const Message& m) {
  switch (kind) {
    case SheetText::RecordDamaged:
      return QCoreApplication::translate("SheetText", "view.dat のレコード %1 が壊れています（%2）。")
          .arg(arg(m, 0), part(m, 0));
    case SheetText::FileCutAtRecord:
      return QCoreApplication::translate("SheetText",
                                         "view.dat が途中で切れています（%1 バイト、レコード %2 が足りません）。")
          .arg(arg(m, 0), arg(m, 1));
    case SheetText::FileTooShort:
      return QCoreApplication::translate("SheetText",
                                         "view.dat が途中で切れています（%1 バイト、少なくとも %2 バイト必要です）。")
          .arg(arg(m, 0), arg(m, 1));
    case SheetText::NotShiftJis:
      return QCoreApplication::translate("SheetText", "%1に Shift_JIS で表せない文字が含まれています。")
          .arg(part(m, 0));
    case SheetText::TextTooLong:
      return QCoreApplication::translate(
                 "SheetText", "%1が長すぎます。Shift_JIS で 126 バイト以内にしてください（現在 %2 バイト）。")
          .arg(part(m, 0), arg(m, 0));
    case SheetText::BlocksBelowOne:
      return QCoreApplication::translate("SheetText", "１行の小節数は1以上にしてください。");
    case SheetText::NotRgb:
      return QCoreApplication::translate("SheetText", "%1が RGB の値ではありません。").arg(part(m, 0));
    case SheetText::BadLineStyle:
      return QCoreApplication::translate("SheetText", "%1の線種が正しくありません。").arg(part(m, 0));
    case SheetText::BadNumberFontSize:
      return QCoreApplication::translate("SheetText", "小節番号のフォントサイズが正しくありません。");
    case SheetText::ShowNumNotZeroOrOne:
      return QCoreApplication::translate("SheetText", "小節番号の表示は 0 か 1 にしてください。");
    case SheetText::NumPosOutOfRange:
      return QCoreApplication::translate("SheetText", "小節番号の表示位置は 0～20 にしてください。");
    default:
      return recordWords(kind, m);
  }
}

}  // namespace

QString sheetWords(SheetText kind, const Message& m) {
  switch (kind) {
    case SheetText::TooLarge:
      //: %1 is the chart's measure count, %2 names a size or position, %3 its value in pixels
      return QCoreApplication::translate("SheetText",
                                         "この譜面（%1小節）の全体ビューは大きすぎて描けません（%2が %3 "
                                         "になり、-32768～32767 に収まりません）。"
                                         "１行の小節数や余白、フォントサイズを見直してください。")
          .arg(arg(m, 0), part(m, 0), arg(m, 1));
    case SheetText::BadHeaderFontSize:
      return QCoreApplication::translate("SheetText", "ヘッダのフォントサイズが正しくありません。");
    case SheetText::BadScreenResolution:
      return QCoreApplication::translate("SheetText", "画面の解像度（1ピクセルあたりのtwip数）が正しくありません。");
    case SheetText::EmptySheet:
      return QCoreApplication::translate("SheetText",
                                         "全体ビューの幅か高さが 0 以下になります。余白を見直してください。");
    case SheetText::NoSongChosen:
      return QCoreApplication::translate("SheetText", "曲が選ばれていません（曲番号 %1 は曲リストにありません）。")
          .arg(arg(m, 0));
    case SheetText::NoMeasures:
      return QCoreApplication::translate("SheetText", "曲の小節数が 0 以下のため全体ビューを作れません。");
    case SheetText::TooManyMeasures:
      return QCoreApplication::translate("SheetText", "曲の小節数 %1 が譜面に収まる %2 小節を超えています。")
          .arg(arg(m, 0), arg(m, 1));
    default:
      return settingsWords(kind, m);
  }
}

}  // namespace tarveno
