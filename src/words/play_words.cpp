#include <QCoreApplication>

#include "core/play/play_text.h"
#include "words/messages.h"

namespace tarveno {

namespace {

QString wavReason(PlayText kind, const Message& m) {
  switch (kind) {
    case PlayText::RateOutOfRange:
      return QCoreApplication::translate("PlayText", "サンプリング周波数 %1 Hz は %2〜%3 Hz の範囲外です")
          .arg(arg(m, 0), arg(m, 1), arg(m, 2));
    case PlayText::ReasonNoRiffHeader:
      return QCoreApplication::translate("PlayText", "RIFF/WAVE の見出しがありません");
    case PlayText::ReasonNoFormatChunk:
      return QCoreApplication::translate("PlayText", "fmt チャンクがありません");
    case PlayText::ReasonNotPcm:
      return QCoreApplication::translate("PlayText", "非圧縮の PCM ではありません");
    case PlayText::ReasonNoDataChunk:
      return QCoreApplication::translate("PlayText", "data チャンクがありません");
    default:
      return {};
  }
}

}  // namespace

QString playWords(PlayText kind, const Message& m) {
  switch (kind) {
    case PlayText::MusicTooLong:
      return QCoreApplication::translate("PlayText", "音楽が 30 分より長いため使えません。");
    case PlayText::NoChannels:
      return QCoreApplication::translate("PlayText", "チャンネル数が 0 です。");
    case PlayText::NoSound:
      return QCoreApplication::translate("PlayText", "音声がありません。");
    case PlayText::UnmixableRate:
      return QCoreApplication::translate("PlayText", "サンプリング周波数 %1 Hz は %2〜%3 Hz の範囲外です。")
          .arg(arg(m, 0), arg(m, 1), arg(m, 2));
    case PlayText::NotWav:
      return QCoreApplication::translate("PlayText", "WAVファイルとして読めません（%1）。").arg(part(m, 0));
    case PlayText::InFile:
      //: %1 is the file's name, %2 what is wrong with it
      return QCoreApplication::translate("PlayText", "%1: %2").arg(arg(m, 0), part(m, 0));
    case PlayText::WavTooLong:
      return QCoreApplication::translate("PlayText",
                                         "書き出す音声が長すぎて WAV ファイルに収まりません（%1 時間 %2 分。WAV "
                                         "ファイルは 4 GiB、%3 時間 %4 分まで）。")
          .arg(arg(m, 0), arg(m, 1), arg(m, 2), arg(m, 3));
    default:
      return wavReason(kind, m);
  }
}

}  // namespace tarveno
