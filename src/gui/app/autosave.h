#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <chrono>

#include "gui/app/autosave_timing.h"

namespace tarveno {

struct Document;
class RecoveryStore;

// Keeps the store's copy of the document in step with it: a modified document is copied a
// little after it changed; a clean one (saved, opened, new, or undone to the saved state) has
// no copy. The bytes are made here, on the caller's thread; the store writes them on its own.
class Autosave : public QObject {
 public:
  Autosave(RecoveryStore& store, const Document& document, AutosaveTiming timing, QObject* parent = nullptr);

  // The document changed in any way, its Modified flag included.
  void documentChanged();
  // Copies the document now (a chart just brought back must not wait for the timer).
  void copyNow();
  // The document is given up (the window closes): its copy goes.
  void discard();

 private:
  RecoveryStore& store_;
  const Document& document_;
  AutosaveTiming timing_;
  QTimer timer_;
  QElapsedTimer clock_;
  // Times on clock_ in milliseconds; firstChange_ < 0 while nothing waits to be copied.
  qint64 firstChange_ = -1;
  qint64 lastCopy_ = -1;
};

}  // namespace tarveno
