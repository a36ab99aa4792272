#include <gtest/gtest.h>

#include <QCoreApplication>

#include "core/io/file_text.h"
#include "core/play/play_text.h"
#include "core/sheet/sheet_text.h"
#include "core/songs/song_text.h"
#include "words/language.h"
#include "words/messages.h"

namespace tarveno {
namespace {

std::string said(const Message& message) {
  return describe(message).toStdString();
}

Message of(TextKind kind, std::vector<std::string> args = {}, std::vector<Message> parts = {}) {
  return Message{kind, std::move(args), std::move(parts)};
}

// The Japanese texts, nested reasons and numbers in place, as the user read them before the
// core handed over values instead.
TEST(Words, JapaneseTextsReadWithTheirValuesAndReasonsInPlace) {
  EXPECT_EQ(said(of(PlayText::NotWav, {}, {of(PlayText::RateOutOfRange, {"1", "8000", "384000"})})),
            "WAVファイルとして読めません（サンプリング周波数 1 Hz は 8000〜384000 Hz の範囲外です）。");
  EXPECT_EQ(
      said(of(PlayText::WavTooLong, {"6", "12", "6", "13"})),
      "書き出す音声が長すぎて WAV ファイルに収まりません（6 時間 12 分。WAV ファイルは 4 GiB、6 時間 13 分まで）。");
  EXPECT_EQ(said(of(SongText::TooManySongs, {"501", "2"})),
            "kruid.dat の曲数が 501 件を超えています。残りの 2 件は読み込まれませんでした。");
  EXPECT_EQ(
      said(of(SheetText::TooLarge, {"471", "36749"}, {of(SheetText::SizeSheetWidth)})),
      "この譜面（471小節）の全体ビューは大きすぎて描けません（全体の幅が 36749 になり、-32768～32767 に収まりません）。"
      "１行の小節数や余白、フォントサイズを見直してください。");
  EXPECT_EQ(said(of(SheetText::TextTooLong, {"127"}, {of(SheetText::NameHeaderStyle)})),
            "ヘッダの書式が長すぎます。Shift_JIS で 126 バイト以内にしてください（現在 127 バイト）。");
  EXPECT_EQ(said(of(SongText::CannotReadMeter, {},
                    {of(FileText::CannotOpen, {"/x/1s.dat"}, {of(FileText::ReasonNotFound)})})),
            "拍子データを読み込めません。\nファイルを開けません: /x/1s.dat（ファイルまたはフォルダが見つかりません）");
}

// The bundled English translation is found and used; a value lands where the sentence needs it.
TEST(Words, EnglishComesFromTheBundledTranslation) {
  int argc = 1;
  char name[] = "words_test";
  char* argv[] = {name, nullptr};
  QCoreApplication app(argc, argv);
  ASSERT_TRUE(applyLanguage(app, Language::English));
  EXPECT_EQ(said(of(SheetText::TextTooLong, {"127"}, {of(SheetText::NameHeaderStyle)})),
            "The header format is too long. Keep it within 126 bytes in Shift_JIS (currently 127 bytes).");
  applyLanguage(app, Language::Japanese);
  EXPECT_EQ(said(of(PlayText::NoSound)), "音声がありません。");
}

}  // namespace
}  // namespace tarveno
