#include <QCoreApplication>

#include "core/songs/song_text.h"
#include "words/messages.h"

namespace tarveno {

QString songWords(SongText kind, const Message& m) {
  switch (kind) {
    case SongText::SongCutShort:
      return QCoreApplication::translate(
                 "SongText", "kruid.dat の %1 件目の曲データが途中で終わっています。この曲は読み込まれませんでした。")
          .arg(arg(m, 0));
    case SongText::TooManySongs:
      return QCoreApplication::translate(
                 "SongText", "kruid.dat の曲数が %1 件を超えています。残りの %2 件は読み込まれませんでした。")
          .arg(arg(m, 0), arg(m, 1));
    case SongText::CannotReadSongList:
      return QCoreApplication::translate("SongText", "曲データ（kruid.dat）を読み込めません。\n%1").arg(part(m, 0));
    case SongText::MeterCutShort:
      return QCoreApplication::translate("SongText", "拍子データが途中で終わっています。");
    case SongText::MeterTooManySegments:
      return QCoreApplication::translate("SongText", "拍子データが 20 区間を超えています。");
    case SongText::MeterBadValue:
      return QCoreApplication::translate("SongText", "拍子データの値が正しくありません。");
    case SongText::CannotReadMeter:
      return QCoreApplication::translate("SongText", "拍子データを読み込めません。\n%1").arg(part(m, 0));
    case SongText::MeterDamaged:
      return QCoreApplication::translate("SongText", "拍子データ（%1）が壊れています。\n%2").arg(arg(m, 0), part(m, 0));
  }
  return {};
}

}  // namespace tarveno
