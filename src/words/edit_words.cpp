#include <QCoreApplication>

#include "core/edit/edit_text.h"
#include "words/messages.h"

namespace tarveno {

QString editWords(EditText kind, const Message& message) {
  (void)message;
  switch (kind) {
    case EditText::CannotInsertMeasures:
      return QCoreApplication::translate(
          "EditText", "小節挿入できません。小節番号と小節数はどちらも1以上で、その和は472未満にしてください。");
    case EditText::CannotDeleteMeasures:
      return QCoreApplication::translate("EditText",
                                         "小節削除できません。小節番号は1以上、最初の小節番号は最後の小節番号以下、"
                                         "最後の小節番号は472未満にしてください。");
    case EditText::BadBeatRange:
      return QCoreApplication::translate(
          "EditText", "拍の範囲が正しくありません。0以上1884以下で、始めは終わりより前にしてください。");
    case EditText::BadPastePosition:
      return QCoreApplication::translate("EditText", "貼り付け位置が正しくありません。0以上1884未満にしてください。");
    case EditText::ClipboardEmpty:
      return QCoreApplication::translate("EditText", "クリップボードが空なので貼り付けできません。");
    case EditText::NoQuarterTurnInDoublePlay:
      return QCoreApplication::translate("EditText", "ダブルプレーでは90゜回転できません。");
  }
  return {};
}

}  // namespace tarveno
