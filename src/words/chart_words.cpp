#include <QCoreApplication>
#include <QStringList>
#include <array>

#include "core/chart/chart_text.h"
#include "words/messages.h"

namespace tarveno {

namespace {

// A text with its numbered places filled: %1 is the first value. The parts come first when
// `partsFirst`, else the arguments do.
struct ChartSource {
  ChartText kind;
  const char* text;
  bool partsFirst = false;
};

constexpr std::array kSources = {
    ChartSource{ChartText::TitleWarning, QT_TRANSLATE_NOOP("ChartText", "警告")},
    ChartSource{ChartText::TitleError, QT_TRANSLATE_NOOP("ChartText", "Error")},
    ChartSource{ChartText::TitleCardError, QT_TRANSLATE_NOOP("ChartText", "Error(Code%1)")},
    ChartSource{ChartText::TitleStepMania, QT_TRANSLATE_NOOP("ChartText", "StepMania")},
    ChartSource{ChartText::TitleMsdstyle, QT_TRANSLATE_NOOP("ChartText", "えらー")},
    ChartSource{ChartText::MsdstyleUnsupported, QT_TRANSLATE_NOOP("ChartText", "msdstyleには対応していません^^;")},
    ChartSource{ChartText::CardBadData, QT_TRANSLATE_NOOP("ChartText", "不正なデータです")},
    ChartSource{ChartText::CardShortFile,
                QT_TRANSLATE_NOOP("ChartText",
                                  "メモリーカードイメージ（%1 バイト）より短いファイルです（%2 バイト）。\n"
                                  "ファイルにある部分だけを読み込み、足りない部分は空として扱いました。\n%3")},
    ChartSource{
        ChartText::CardArrowsLikeMarker,
        QT_TRANSLATE_NOOP("ChartText",
                          "小節 %1 の %2 拍目の 4 つ同時の矢印は、メモリーカードイメージでは 3連符の印と同じ値に"
                          "なるため保存できません。\n矢印を 2 つまでにしてください。")},
    ChartSource{ChartText::CardNoSong,
                QT_TRANSLATE_NOOP("ChartText",
                                  "曲が選ばれていないため、メモリーカードイメージに保存できません。\n"
                                  "譜面の設定で曲を選んでください。")},
    ChartSource{
        ChartText::CardBadPlayStyle,
        QT_TRANSLATE_NOOP("ChartText", "プレイスタイルが正しくないため、メモリーカードイメージに保存できません。")},
    ChartSource{ChartText::WithFileName, QT_TRANSLATE_NOOP("ChartText", "%1\n%2"), true},
    ChartSource{ChartText::UnsupportedFormat, QT_TRANSLATE_NOOP("ChartText", "対応していない形式です")},
    ChartSource{
        ChartText::Cp932Unavailable,
        QT_TRANSLATE_NOOP("ChartText",
                          "Shift-JIS（CP932）の文字コード変換が使えないため、譜面ファイルを読み書きできません。")},
    ChartSource{ChartText::KrunTitleMissing, QT_TRANSLATE_NOOP("ChartText", "KRUNタイトルが未記入です。")},
    ChartSource{ChartText::EditNameMissing, QT_TRANSLATE_NOOP("ChartText", "EDIT名が未記入です。")},
    ChartSource{ChartText::UnkeptFreezeArrows, QT_TRANSLATE_NOOP("ChartText", "フリーズアロー: %1 個")},
    ChartSource{ChartText::UnkeptEditName, QT_TRANSLATE_NOOP("ChartText", "EDIT名")},
    ChartSource{ChartText::UnkeptFootLevel, QT_TRANSLATE_NOOP("ChartText", "足レベル")},
    ChartSource{ChartText::UnkeptKrunTitle, QT_TRANSLATE_NOOP("ChartText", "KRUNタイトル")},
    ChartSource{ChartText::UnkeptKrunComment, QT_TRANSLATE_NOOP("ChartText", "KRUNコメント")},
    ChartSource{ChartText::UnkeptSecondPadArrows,
                QT_TRANSLATE_NOOP("ChartText", "シングルの譜面に残った 2P 側の矢印: %1 個")},
    ChartSource{ChartText::FootLevelRange, QT_TRANSLATE_NOOP("ChartText", "難易度は0～15の整数で指定して下さい。")},
    ChartSource{ChartText::EditNameRule, QT_TRANSLATE_NOOP("ChartText", "EDIT名は半角英数字８文字以内にして下さい。")},
    ChartSource{ChartText::KrunWidthRange,
                QT_TRANSLATE_NOOP("ChartText", "列数は-32768～32767の範囲で指定して下さい。")},
    ChartSource{ChartText::KrunHeightRange,
                QT_TRANSLATE_NOOP("ChartText", "高さは-32768～32767の範囲で指定して下さい。")},
    ChartSource{ChartText::FieldKrunTitle, QT_TRANSLATE_NOOP("ChartText", "譜面タイトル")},
    ChartSource{ChartText::FieldKrunComment, QT_TRANSLATE_NOOP("ChartText", "コメント")},
    ChartSource{ChartText::KrunControlCharacter,
                QT_TRANSLATE_NOOP("ChartText",
                                  "%1に保存できない文字（制御文字 %2）があります。\n"
                                  "改行などの制御文字と、Shift-JISにない文字は使えません。"),
                true},
    ChartSource{ChartText::KrunUnkeptCharacter,
                QT_TRANSLATE_NOOP("ChartText",
                                  "%1に保存できない文字「%2」があります。\n"
                                  "改行などの制御文字と、Shift-JISにない文字は使えません。"),
                true},
    ChartSource{ChartText::StateNotOurs, QT_TRANSLATE_NOOP("ChartText", "TARVENO の復元ファイルではありません。")},
    ChartSource{ChartText::StateNewer,
                QT_TRANSLATE_NOOP("ChartText", "新しい版の TARVENO で書かれた復元ファイルです（形式 %1）。")},
    ChartSource{ChartText::StateDamaged, QT_TRANSLATE_NOOP("ChartText", "復元ファイルが壊れています（%1）。"), true},
    ChartSource{ChartText::StateCutShort, QT_TRANSLATE_NOOP("ChartText", "途中で切れています")},
    ChartSource{ChartText::StateChecksum, QT_TRANSLATE_NOOP("ChartText", "検査値が合いません")},
    ChartSource{ChartText::StateOldVersion, QT_TRANSLATE_NOOP("ChartText", "形式 %1 は使われていません")},
    ChartSource{ChartText::StateBadContent, QT_TRANSLATE_NOOP("ChartText", "内容が正しくありません")},
};

// The simfile texts, in a table of their own to keep each table short.
constexpr std::array kSimfileSources = {
    ChartSource{ChartText::SimfileNoChart, QT_TRANSLATE_NOOP("ChartText", "StepMania ファイルに譜面がありません。")},
    ChartSource{ChartText::SimfileUtf16,
                QT_TRANSLATE_NOOP(
                    "ChartText", "UTF-16 の StepMania ファイルには対応していません（UTF-8 で保存し直してください）。")},
    ChartSource{ChartText::SimfileTooFewParts,
                QT_TRANSLATE_NOOP("ChartText", "#NOTES の項目が %1 つしかありません（6 つ必要です）")},
    ChartSource{ChartText::SimfileNoNotes, QT_TRANSLATE_NOOP("ChartText", "#NOTES がありません")},
    ChartSource{ChartText::SimfileUnreadableAt, QT_TRANSLATE_NOOP("ChartText", "%1 行目: %2")},
    ChartSource{ChartText::SimfileChartMissing,
                QT_TRANSLATE_NOOP("ChartText", "譜面 %1 はありません（このファイルの譜面は %2 個です）。")},
    ChartSource{ChartText::SimfileChartUnreadable,
                QT_TRANSLATE_NOOP("ChartText", "譜面 %1 は読めません（%2 行目: %3）。")},
    ChartSource{ChartText::SimfileChartUnsupported,
                QT_TRANSLATE_NOOP("ChartText", "譜面 %1 の種類 %2 には対応していません。")},
    ChartSource{
        ChartText::SimfileNoSupportedChart,
        QT_TRANSLATE_NOOP("ChartText", "対応している譜面（dance-single、dance-couple、dance-double）がありません。")},
    ChartSource{ChartText::SimfileRowColumns,
                QT_TRANSLATE_NOOP("ChartText", "譜面データの小節 %1 の行 %2 は %3 列です（%4 列のはずです）。")},
    ChartSource{ChartText::ImportNoChart, QT_TRANSLATE_NOOP("ChartText", "譜面 %1 はありません。")},
    ChartSource{ChartText::ImportUnsupported, QT_TRANSLATE_NOOP("ChartText", "%1 の譜面には対応していません。")},
    ChartSource{ChartText::ImportNoSong, QT_TRANSLATE_NOOP("ChartText", "読み込み先の曲がありません。")},
    ChartSource{ChartText::SongGiven, QT_TRANSLATE_NOOP("ChartText", "曲: 「%1」（曲コード %2、指定どおり）")},
    ChartSource{ChartText::SongByTitle, QT_TRANSLATE_NOOP("ChartText", "曲: 「%1」（曲コード %2、#TITLE と一致）")},
    ChartSource{ChartText::SongByTempo,
                QT_TRANSLATE_NOOP("ChartText",
                                  "曲: 「%1」（曲コード %2）: #TITLE「%3」と一致する曲がないため、"
                                  "#BPMS と同じテンポで譜面が収まる最初の曲")},
    ChartSource{
        ChartText::SongByLength,
        QT_TRANSLATE_NOOP("ChartText",
                          "曲: 「%1」（曲コード %2）: #TITLE「%3」と一致する曲がないため、譜面が収まる最初の曲")},
    ChartSource{ChartText::SongLongest,
                QT_TRANSLATE_NOOP("ChartText",
                                  "曲: 「%1」（曲コード %2）: #TITLE「%3」と一致する曲がないため、"
                                  "最も長い曲（譜面が収まる曲はありません）")},
    ChartSource{ChartText::UnknownDifficulty,
                QT_TRANSLATE_NOOP("ChartText", "難易度名「%1」は不明なため、難易度を None（Edit）にしました")},
    ChartSource{ChartText::MeterChanged,
                QT_TRANSLATE_NOOP("ChartText", "難易度の数値（#METER）「%1」を %2 にしました")},
    ChartSource{ChartText::DescriptionDropped,
                QT_TRANSLATE_NOOP("ChartText", "説明「%1」は EDIT 名（半角 8 文字まで）にできないため空にしました")},
    ChartSource{ChartText::FileTempoDiffers,
                QT_TRANSLATE_NOOP("ChartText", "ファイルのテンポ（#BPMS の最初の値）%1 は曲のテンポ %2 と違います")},
    ChartSource{
        ChartText::FileTempoDiffersAssumed,
        QT_TRANSLATE_NOOP("ChartText",
                          "ファイルのテンポ（#BPMS の最初の値）%1 は曲のテンポ %2（曲にテンポがないため） と違います")},
    ChartSource{ChartText::FileOffset, QT_TRANSLATE_NOOP("ChartText", "ファイルの #OFFSET は %1 秒です")},
    ChartSource{ChartText::ChartUnreadableNote, QT_TRANSLATE_NOOP("ChartText", "譜面 %1 は読めません（%2 行目: %3）")},
    ChartSource{ChartText::MovedNotes, QT_TRANSLATE_NOOP("ChartText", "動かしたノートの位置: %1"), true},
    ChartSource{ChartText::SnappedKind, QT_TRANSLATE_NOOP("ChartText", "%1分 %2 個")},
    ChartSource{
        ChartText::SnapRefusal,
        QT_TRANSLATE_NOOP("ChartText",
                          "16分にも3連符にも乗らないノート（%1）があるため、そのままでは読み込めません（小節:拍 "
                          "%2）。スナップすると %3 個のノートが動きます。"),
        true},
    ChartSource{ChartText::MusicAdopted,
                QT_TRANSLATE_NOOP("ChartText", "#MUSIC の「%1」をこの曲の再生用の音楽にしました（オフセット %2 ms）")},
    ChartSource{ChartText::ExportNoSong,
                QT_TRANSLATE_NOOP("ChartText", "曲が選ばれていないため、.sm に書き出せません。")},
    ChartSource{ChartText::TempoAssumed,
                QT_TRANSLATE_NOOP("ChartText", "曲「%1」にテンポがないため、#BPMS を 120 にしました")},
    ChartSource{ChartText::DifficultyAsEdit,
                QT_TRANSLATE_NOOP("ChartText", "難易度の種類 %1 を Edit として書き出しました")},
    ChartSource{ChartText::KrunHeaderDropped,
                QT_TRANSLATE_NOOP("ChartText", "KRUN の見出し（タイトル・列数・高さ・コメント）は .sm に入りません")},
    ChartSource{ChartText::EditNameTrimmed,
                QT_TRANSLATE_NOOP("ChartText", "EDIT 名「%1」は .sm では「%2」として読まれます")},
    ChartSource{ChartText::MusicElsewhere,
                QT_TRANSLATE_NOOP("ChartText",
                                  "音楽ファイル「%1」は書き出し先と別のフォルダにあるため #MUSIC に書きませんでした")},
    ChartSource{ChartText::SpliceFailed, QT_TRANSLATE_NOOP("ChartText", "ファイルの譜面 %1 を置き換えられません。")},
    ChartSource{ChartText::ReportEventLine, QT_TRANSLATE_NOOP("ChartText", "%1: %2 個（小節:拍 %3）"), true},
};

// What each simfile event did, for the report's lines.
constexpr std::array kEventSources = {
    ChartSource{ChartText::EventMine, QT_TRANSLATE_NOOP("ChartText", "地雷（M）を削除")},
    ChartSource{ChartText::EventLift, QT_TRANSLATE_NOOP("ChartText", "リフト（L）を削除")},
    ChartSource{ChartText::EventFake, QT_TRANSLATE_NOOP("ChartText", "フェイク（F）を削除")},
    ChartSource{ChartText::EventKeysound, QT_TRANSLATE_NOOP("ChartText", "キー音（K）を削除")},
    ChartSource{ChartText::EventAttack, QT_TRANSLATE_NOOP("ChartText", "アタック（A）を削除")},
    ChartSource{ChartText::EventUnknownNote, QT_TRANSLATE_NOOP("ChartText", "不明な記号を削除")},
    ChartSource{ChartText::EventAnnotation, QT_TRANSLATE_NOOP("ChartText", "{…}・[…] の注記を削除")},
    ChartSource{ChartText::EventPastSongEnd, QT_TRANSLATE_NOOP("ChartText", "曲の長さを超えるノートを削除")},
    ChartSource{ChartText::EventTailWithoutHead, QT_TRANSLATE_NOOP("ChartText", "始点のない終点（3）を削除")},
    ChartSource{ChartText::EventHeadWithoutTail, QT_TRANSLATE_NOOP("ChartText", "終点のないホールドをタップに変更")},
    ChartSource{ChartText::EventRollToFreeze, QT_TRANSLATE_NOOP("ChartText", "ロール（4）をフリーズアローに変更")},
    ChartSource{ChartText::EventHoldToTap,
                QT_TRANSLATE_NOOP("ChartText", "小節 201 より後まで続くホールドをタップに変更")},
    ChartSource{ChartText::EventHoldCutAtSongEnd,
                QT_TRANSLATE_NOOP("ChartText", "曲の終わりを超えるホールドを曲の終わりで切断")},
    ChartSource{ChartText::EventSnapped,
                QT_TRANSLATE_NOOP("ChartText", "16分にも3連符にも乗らないノートを近い位置へ移動")},
    ChartSource{ChartText::EventMerged, QT_TRANSLATE_NOOP("ChartText", "同じ位置と矢印に重なったノートを統合")},
    ChartSource{ChartText::EventOverPlacementLimit,
                QT_TRANSLATE_NOOP("ChartText", "同時に 3 つ以上の矢印（DOUBLE 以外はパッドごと）の右側を削除")},
    ChartSource{ChartText::EventMeasureZero,
                QT_TRANSLATE_NOOP("ChartText", "最初の小節（小節 0）のノートを保持（エディタでは変更できません）")},
    ChartSource{
        ChartText::EventTimingIgnored,
        QT_TRANSLATE_NOOP("ChartText", "テンポ変化・停止（#BPMS の 2 つ目以降、#STOPS、#DELAYS、#WARPS）を無視")},
    ChartSource{ChartText::EventSecondPadInSingle,
                QT_TRANSLATE_NOOP("ChartText", "SINGLE 譜面の 2P 側の矢印を書き出さず")},
    ChartSource{ChartText::EventStepsPastSongEnd, QT_TRANSLATE_NOOP("ChartText", "曲の長さを超える矢印を書き出さず")},
    ChartSource{ChartText::EventFreezeNotWritten,
                QT_TRANSLATE_NOOP("ChartText", "始点の矢印がない、または曲の終わりを超えるフリーズを書き出さず")},
    ChartSource{ChartText::EventFreezeShortened, QT_TRANSLATE_NOOP("ChartText", "次の同じ矢印に重なるフリーズを短縮")},
};

// Fills %1..%9 in one pass, so that a value holding "%2" (a title, a file name) stays as it is.
QString fill(const QString& text, const QStringList& values) {
  QString out;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    const qsizetype n = i + 1 < text.size() ? text[i + 1].digitValue() : -1;
    if (c == QLatin1Char('%') && n >= 1 && n <= values.size()) {
      out += values[n - 1];
      ++i;
    } else {
      out += c;
    }
  }
  return out;
}

template <size_t N>
const ChartSource* findIn(const std::array<ChartSource, N>& table, ChartText kind) {
  for (const ChartSource& source : table) {
    if (source.kind == kind) return &source;
  }
  return nullptr;
}

QString filled(const ChartSource& source, const Message& message) {
  QStringList parts;
  for (size_t i = 0; i < message.parts.size(); ++i) parts << part(message, i);
  QStringList args;
  for (size_t i = 0; i < message.args.size(); ++i) args << arg(message, i);
  return fill(QCoreApplication::translate("ChartText", source.text), source.partsFirst ? parts + args : args + parts);
}

// The parts one after the other, each in its own words, each after `lead` and between them `gap`.
QString joinedParts(const Message& message, const QString& lead, const QString& gap) {
  QString out;
  for (size_t i = 0; i < message.parts.size(); ++i) out += (i ? gap : QString()) + lead + part(message, i);
  return out;
}

}  // namespace

QString chartWords(ChartText kind, const Message& message) {
  switch (kind) {
    case ChartText::UnkeptList:
      return joinedParts(message, QCoreApplication::translate("ChartText", "・"), QStringLiteral("\n"));
    case ChartText::SnappedKinds:
      return joinedParts(message, QString(), QCoreApplication::translate("ChartText", "、"));
    case ChartText::ReportLines:
      return joinedParts(message, QString(), QStringLiteral("\n"));
    case ChartText::ReadyText:
      return arg(message, 0);
    default:
      break;
  }
  const ChartSource* source = findIn(kSources, kind);
  if (!source) source = findIn(kSimfileSources, kind);
  if (!source) source = findIn(kEventSources, kind);
  return source ? filled(*source, message) : QString();
}

}  // namespace tarveno
