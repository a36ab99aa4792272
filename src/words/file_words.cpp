#include <QCoreApplication>

#include "core/io/file_text.h"
#include "words/messages.h"

namespace tarveno {

namespace {

QString reasonWords(FileText kind, const Message& m) {
  switch (kind) {
    case FileText::ReasonNotFound:
      return QCoreApplication::translate("FileText", "ファイルまたはフォルダが見つかりません");
    case FileText::ReasonAccessDenied:
      return QCoreApplication::translate("FileText", "アクセスが拒否されました");
    case FileText::ReasonIsFolder:
      return QCoreApplication::translate("FileText", "フォルダです");
    case FileText::ReasonDiskFull:
      return QCoreApplication::translate("FileText", "ディスクの空き容量が不足しています");
    case FileText::ReasonReadOnly:
      return QCoreApplication::translate("FileText", "読み取り専用の場所です");
    case FileText::ReasonNotRegular:
      return QCoreApplication::translate("FileText", "名前付きパイプや装置など、通常のファイルではありません");
    case FileText::ReasonNotWritable:
      return QCoreApplication::translate("FileText", "書き込みが許可されていないファイルです");
    case FileText::ReasonSystem:
      return QCoreApplication::translate("FileText", "システムエラー: %1").arg(arg(m, 0));
    default:
      return {};
  }
}

}  // namespace

QString fileWords(FileText kind, const Message& m) {
  switch (kind) {
    case FileText::CannotOpen:
      //: %1 is the file's name, %2 why it failed
      return QCoreApplication::translate("FileText", "ファイルを開けません: %1（%2）").arg(arg(m, 0), part(m, 0));
    case FileText::CannotRead:
      return QCoreApplication::translate("FileText", "ファイルを読み込めません: %1（%2）").arg(arg(m, 0), part(m, 0));
    case FileText::CannotSave:
      return QCoreApplication::translate("FileText", "ファイルを保存できません: %1（%2）").arg(arg(m, 0), part(m, 0));
    case FileText::RecoveryFolderUnusable:
      return QCoreApplication::translate("FileText", "復元用のフォルダを使えません: %1").arg(arg(m, 0));
    default:
      return reasonWords(kind, m);
  }
}

}  // namespace tarveno
