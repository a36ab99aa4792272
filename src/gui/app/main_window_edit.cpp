#include <QAction>
#include <QKeySequence>
#include <QShortcut>
#include <functional>

#include "core/edit/clipboard.h"
#include "core/edit/measures.h"
#include "gui/app/app_context.h"
#include "gui/app/main_window.h"
#include "gui/edit/measure_dialogs.h"

namespace tarveno {

void MainWindow::M_Copy_Click() {
  // The chart is only read: not modified, not redrawn.
  copyBeats(context_.document.chart, state_.selStart, state_.selEnd, context_.clipboard);
}

void MainWindow::M_Cut_Click() {
  edit([this] { cutBeats(context_.document.chart, state_.selStart, state_.selEnd, context_.clipboard); });
}

void MainWindow::M_Paste_Click() {
  edit([this] { pasteBeats(context_.document.chart, state_.selStart, context_.clipboard); });
}

void MainWindow::editMeasures(bool insert) {
  const auto request = MeasureDialog::ask(insert ? MeasureDialog::Kind::Insert : MeasureDialog::Kind::Delete, this);
  if (!request) return;
  edit([&] {
    Chart& chart = context_.document.chart;
    if (insert) {
      insertMeasures(chart, request->first, request->second);
    } else {
      deleteMeasures(chart, request->first, request->second, request->closeGap);
    }
  });
}

void MainWindow::M_Ins_Click() {
  editMeasures(true);
}

void MainWindow::M_Del_Click() {
  editMeasures(false);
}

void MainWindow::transformSelection(Transform transform) {
  edit([&] { transformBeats(context_.document.chart, state_.selStart, state_.selEnd, transform); });
}

void MainWindow::M_MirrorV_Click() {
  transformSelection(Transform::MirrorV);
}
void MainWindow::M_MirrorH_Click() {
  transformSelection(Transform::MirrorH);
}
void MainWindow::M_TurnLeft_Click() {
  transformSelection(Transform::TurnLeft);
}
void MainWindow::M_TurnRight_Click() {
  transformSelection(Transform::TurnRight);
}
void MainWindow::M_Mirror_Click() {
  transformSelection(Transform::Mirror);
}

// ---- the edit transaction and the undo history ----

Snapshot MainWindow::snapshot() const {
  return Snapshot{context_.document.chart, context_.document.meterSegs};
}

void MainWindow::edit(const std::function<void()>& apply) {
  if (gestureStart_) {
    // Inside a mouse gesture the gesture's own step takes the change along.
    apply();
    redrawCanvas();
    return;
  }
  const Snapshot before = snapshot();
  apply();
  finishEdit(before);
}

void MainWindow::finishEdit(const Snapshot& before) {
  context_.history.commit(before, snapshot());
  historyChanged();
}

void MainWindow::historyChanged() {
  syncModified(context_.document, context_.history);
  if (autosave_) autosave_->documentChanged();
  showDocumentState();
  redrawCanvas();
}

void MainWindow::canvasMouseDown(int button) {
  if (isPlaying()) {
    // While the chart plays a click only stops it.
    stopPlayback();
    swallowRelease_ = true;
    return;
  }
  if (swallowRelease_) return;
  if (state_.mouseButton == 0) gestureStart_ = snapshot();
  editor_.mouseDown(button);
}

void MainWindow::canvasMouseUp(int button) {
  if (swallowRelease_) {
    swallowRelease_ = false;
    return;
  }
  editor_.mouseUp(button);
  if (state_.mouseButton == 0 && gestureStart_) {
    const Snapshot before = std::move(*gestureStart_);
    gestureStart_.reset();
    finishEdit(before);
  }
}

// A held button stops editing here: what it did so far is one step, a freeze not yet laid is
// dropped, and its release does nothing.
void MainWindow::endGesture() {
  if (state_.mouseButton == 0) return;
  state_.mouseButton = 0;
  state_.freeze.cancel();
  swallowRelease_ = true;
  if (gestureStart_) {
    const Snapshot before = std::move(*gestureStart_);
    gestureStart_.reset();
    finishEdit(before);
  }
}

void MainWindow::restore(const Snapshot& state) {
  const Chart& now = context_.document.chart;
  const bool relayout = now.PlayStyle != state.chart.PlayStyle || now.SongIndex != state.chart.SongIndex;
  context_.document.chart = state.chart;
  context_.document.meterSegs = state.meterSegs;
  if (relayout) layoutEditor();  // the scroll bar clamps the view to the new range
  historyChanged();
}

void MainWindow::undo() {
  // A held button is an edit under way: its step is not taken yet.
  if (gestureStart_) return;
  stopPlayback();
  if (auto previous = context_.history.undo(snapshot())) restore(*previous);
}

void MainWindow::redo() {
  if (gestureStart_) return;
  stopPlayback();
  if (auto next = context_.history.redo(snapshot())) restore(*next);
}

void MainWindow::buildShortcuts() {
  // Window shortcuts, not menu ones: the menus carry no shortcut, and a modal dialog blocks
  // them because it is a window of its own.
  auto bind = [this](const QKeySequence& keys, auto run) {
    auto* shortcut = new QShortcut(keys, this);
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, this, run);
  };
  bind(QKeySequence(Qt::CTRL | Qt::Key_Z), [this] { undo(); });
  bind(QKeySequence(Qt::CTRL | Qt::Key_Y), [this] { redo(); });
  bind(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), [this] { redo(); });
  // The clipboard keys run the edit commands, and only while those are enabled.
  const std::pair<QKeySequence, const char*> keys[] = {{QKeySequence(Qt::CTRL | Qt::Key_X), "M_Cut"},
                                                       {QKeySequence(Qt::CTRL | Qt::Key_C), "M_Copy"},
                                                       {QKeySequence(Qt::CTRL | Qt::Key_V), "M_Paste"}};
  for (const auto& [sequence, name] : keys) {
    QAction* command = action(QLatin1String(name));
    bind(sequence, [command] {
      if (command->isEnabled()) command->trigger();
    });
  }
}

}  // namespace tarveno
