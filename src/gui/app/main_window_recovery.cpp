#include <QDateTime>
#include <QFileInfo>

#include "core/chart/chart_files.h"
#include "core/chart/document_state.h"
#include "core/io/recovery_store.h"
#include "gui/app/app_context.h"
#include "gui/app/main_window.h"
#include "gui/app/prompts.h"
#include "words/messages.h"

namespace tarveno {

namespace {

QString leftCopyQuestion(const Document& recovered, const LeftCopy& copy) {
  const QString path = QString::fromStdString(recovered.origin.path);
  const QString name = path.isEmpty() ? MainWindow::tr("新しい譜面") : QFileInfo(path).fileName();
  const QString when = QFileInfo(QString::fromStdString(copy.copyFile().string()))
                           .lastModified()
                           .toString(QStringLiteral("yyyy/MM/dd HH:mm"));
  return MainWindow::tr(
             "前回 TARVENO が正しく終了しなかったため、保存されていない譜面が残っています。\n\n%1（%2 の状態）\n\n"
             "復元しますか？「いいえ」を選ぶと破棄します。")
      .arg(name, when);
}

}  // namespace

void MainWindow::offerRecovery() {
  if (!context_.recovery) return;
  for (LeftCopy& copy : context_.recovery->leftCopies()) {
    auto bytes = copy.read();
    auto recovered = bytes ? decodeDocumentState(*bytes) : Result<Document>(bytes.error());
    if (!recovered) {
      context_.prompts.error(this, describe(recovered.error()));
      // A copy of a newer program's format is kept for that program; any other is of no use.
      if (recovered.error().code != ErrorCode::Unsupported) copy.remove();
      continue;
    }
    const Prompts::Answer answer = context_.prompts.message(this, tr("譜面の復元"), leftCopyQuestion(*recovered, copy),
                                                            Prompts::Buttons::YesNo, Prompts::Icon::Question);
    if (answer != Prompts::Answer::Yes) {
      copy.remove();
      continue;
    }
    restoreRecovered(std::move(*recovered));
    // The chart lives on in this run's copy before the dead run's copy goes.
    autosave_->copyNow();
    if (context_.recovery->flush()) copy.remove();
    return;  // one chart at a time: other copies wait for a later start
  }
}

void MainWindow::restoreRecovered(Document recovered) {
  stopPlayback();
  state_.selStart = state_.selEnd = state_.hoverRow = kUnset;
  const QString path = QString::fromStdString(recovered.origin.path);
  context_.document = std::move(recovered);
  setWindowFilePath(path);
  commands_.rememberPath(path, context_.document.origin.kind);
  context_.history.clear();
  context_.history.setNoneClean();  // what came back is in no file
  updateEditCommands();
  layoutEditor();
  historyChanged();
}

}  // namespace tarveno
