#include <QKeySequence>
#include <QShortcut>

#include "gui/app/main_window.h"

namespace tarveno {

// Editing without the mouse. These are window shortcuts, not menu ones: no menu item shows
// them, they sleep while a dialog or a menu has the keyboard, and Alt still opens the menus.
// Each press is one edit transaction, so a key that changes the chart is one undo step.
// A held key repeats only where that means going further (the arrows, the pages); a key that
// toggles something acts once however long it is held.
void MainWindow::buildEditingKeys() {
  auto shortcut = [this](const QKeySequence& keys, bool repeats, const std::function<void()>& run) {
    auto* key = new QShortcut(keys, this);
    key->setContext(Qt::WindowShortcut);
    key->setAutoRepeat(repeats);
    connect(key, &QShortcut::activated, this, run);
  };
  // Nothing edits while the chart plays.
  auto editing = [this, shortcut](bool repeats) {
    return [this, shortcut, repeats](const QKeySequence& keys, const std::function<void()>& run) {
      shortcut(keys, repeats, [this, run] {
        if (!isPlaying()) edit(run);
      });
    };
  };
  const auto bind = editing(true);
  const auto toggle = editing(false);
  shortcut(QKeySequence(Qt::Key_Space), false, [this] { M_Sound_Click(); });
  bind(QKeySequence(Qt::Key_Up), [this] { keys_.moveVertical(-1); });
  bind(QKeySequence(Qt::Key_Down), [this] { keys_.moveVertical(1); });
  bind(QKeySequence(Qt::Key_Left), [this] { keys_.moveColumn(-1); });
  bind(QKeySequence(Qt::Key_Right), [this] { keys_.moveColumn(1); });
  bind(QKeySequence(Qt::SHIFT | Qt::Key_Up), [this] { keys_.extendSelection(-1); });
  bind(QKeySequence(Qt::SHIFT | Qt::Key_Down), [this] { keys_.extendSelection(1); });
  for (int column = 0; column < 8; ++column) {
    const auto key = static_cast<Qt::Key>(Qt::Key_1 + column);
    toggle(QKeySequence(key), [this, column] { keys_.columnKey(column); });
    toggle(QKeySequence(Qt::KeypadModifier | key), [this, column] { keys_.columnKey(column); });
  }
  toggle(QKeySequence(Qt::Key_Return), [this] { keys_.enter(); });
  toggle(QKeySequence(Qt::KeypadModifier | Qt::Key_Enter), [this] { keys_.enter(); });
  // Esc too: held, it would cancel a freeze and then clear the selection as well.
  shortcut(QKeySequence(Qt::Key_Escape), false, [this] {
    if (isPlaying()) {
      stopPlayback();
    } else {
      edit([this] { keys_.escape(); });
    }
  });
  bind(QKeySequence(Qt::Key_PageUp), [this] { keys_.scrollBy(-4); });
  bind(QKeySequence(Qt::Key_PageDown), [this] { keys_.scrollBy(4); });
  bind(QKeySequence(Qt::CTRL | Qt::Key_Home), [this] { keys_.scrollToEnd(false); });
  bind(QKeySequence(Qt::CTRL | Qt::Key_End), [this] { keys_.scrollToEnd(true); });
  buildNudgeKeys();
}

// Tuning the music's offset while it plays: [ and ] by a millisecond, with Shift by ten. A
// shifted bracket is a brace on many layouts, so the braces count as shifted brackets; when two
// of these names match one press, Qt calls it ambiguous and still tells exactly one of them.
void MainWindow::buildNudgeKeys() {
  const std::pair<QKeySequence, int> nudges[] = {{QKeySequence(Qt::Key_BracketLeft), -1},
                                                 {QKeySequence(Qt::Key_BracketRight), 1},
                                                 {QKeySequence(Qt::SHIFT | Qt::Key_BracketLeft), -10},
                                                 {QKeySequence(Qt::SHIFT | Qt::Key_BracketRight), 10},
                                                 {QKeySequence(Qt::Key_BraceLeft), -10},
                                                 {QKeySequence(Qt::Key_BraceRight), 10},
                                                 {QKeySequence(Qt::SHIFT | Qt::Key_BraceLeft), -10},
                                                 {QKeySequence(Qt::SHIFT | Qt::Key_BraceRight), 10}};
  for (const auto& [keys, ms] : nudges) {
    auto* key = new QShortcut(keys, this);
    key->setContext(Qt::WindowShortcut);
    connect(key, &QShortcut::activated, this, [this, ms] { nudgeMusicOffset(ms); });
    connect(key, &QShortcut::activatedAmbiguously, this, [this, ms] { nudgeMusicOffset(ms); });
  }
}

}  // namespace tarveno
