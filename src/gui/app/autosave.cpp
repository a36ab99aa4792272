#include "gui/app/autosave.h"

#include <algorithm>

#include "core/chart/document_state.h"
#include "core/io/recovery_store.h"

namespace tarveno {

Autosave::Autosave(RecoveryStore& store, const Document& document, AutosaveTiming timing, QObject* parent)
    : QObject(parent), store_(store), document_(document), timing_(timing) {
  timer_.setSingleShot(true);
  clock_.start();
  connect(&timer_, &QTimer::timeout, this, [this] { copyNow(); });
}

void Autosave::documentChanged() {
  if (!document_.Modified) {
    discard();
    return;
  }
  const qint64 now = clock_.elapsed();
  if (firstChange_ < 0) firstChange_ = now;
  qint64 due = std::min(now + timing_.pause.count(), firstChange_ + timing_.longestWait.count());
  if (lastCopy_ >= 0) due = std::max(due, lastCopy_ + timing_.longestWait.count());
  timer_.start(static_cast<int>(std::max<qint64>(0, due - now)));
}

void Autosave::copyNow() {
  timer_.stop();
  firstChange_ = -1;
  lastCopy_ = clock_.elapsed();
  store_.keep(encodeDocumentState(document_));
}

void Autosave::discard() {
  timer_.stop();
  firstChange_ = -1;
  store_.discard();
}

}  // namespace tarveno
