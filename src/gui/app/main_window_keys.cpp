#include <QKeySequence>
#include <QShortcut>

#include "gui/app/main_window.h"

namespace tarveno {

// Editing without the mouse. These are window shortcuts, not menu ones: no menu item shows
// them, they sleep while a dialog or a menu has the keyboard, and Alt still opens the menus.
// Each press is one edit transaction, so a key that changes the chart is one undo step.
void MainWindow::buildEditingKeys() {
  auto shortcut = [this](const QKeySequence& keys, const std::function<void()>& run) {
    auto* key = new QShortcut(keys, this);
    key->setContext(Qt::WindowShortcut);
    connect(key, &QShortcut::activated, this, run);
  };
  // Nothing edits while the chart plays.
  auto bind = [this, shortcut](const QKeySequence& keys, const std::function<void()>& run) {
    shortcut(keys, [this, run] {
      if (!isPlaying()) edit(run);
    });
  };
  shortcut(QKeySequence(Qt::Key_Space), [this] { M_Sound_Click(); });
  bind(QKeySequence(Qt::Key_Up), [this] { keys_.moveVertical(-1); });
  bind(QKeySequence(Qt::Key_Down), [this] { keys_.moveVertical(1); });
  bind(QKeySequence(Qt::Key_Left), [this] { keys_.moveColumn(-1); });
  bind(QKeySequence(Qt::Key_Right), [this] { keys_.moveColumn(1); });
  bind(QKeySequence(Qt::SHIFT | Qt::Key_Up), [this] { keys_.extendSelection(-1); });
  bind(QKeySequence(Qt::SHIFT | Qt::Key_Down), [this] { keys_.extendSelection(1); });
  for (int column = 0; column < 8; ++column) {
    const auto key = static_cast<Qt::Key>(Qt::Key_1 + column);
    bind(QKeySequence(key), [this, column] { keys_.columnKey(column); });
    bind(QKeySequence(Qt::KeypadModifier | key), [this, column] { keys_.columnKey(column); });
  }
  bind(QKeySequence(Qt::Key_Return), [this] { keys_.enter(); });
  bind(QKeySequence(Qt::KeypadModifier | Qt::Key_Enter), [this] { keys_.enter(); });
  shortcut(QKeySequence(Qt::Key_Escape), [this] {
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
}

}  // namespace tarveno
