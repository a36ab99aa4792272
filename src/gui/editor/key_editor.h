#pragma once

#include "core/songs/catalogue.h"
#include "gui/editor/cursor_cells.h"

namespace tarveno {

// Editing with the keys: the cursor moves over the grid positions the mouse snaps to, and a
// column key acts on its cell as a click there would. While no cursor is shown, the first key
// shows it on the first row wholly in view (not under the toolbar), in column 0, and does
// nothing else.
class KeyEditor {
 public:
  KeyEditor(CursorCells& cells, const Catalogue& catalogue)
      : cells_(cells), state_(cells.state()), host_(cells.host()), catalogue_(catalogue) {}

  // Up (-1) and Down (+1): one step of the division in force, switching over beats as the
  // mouse does; the view follows. During a freeze the preview grows instead.
  void moveVertical(int direction);
  // Left (-1) and Right (+1): one column, stopping at the edges.
  void moveColumn(int direction);
  // Keys 1..8 (column 0..7) and Enter (the cursor's column): an empty cell takes an arrow as a
  // left click would, a filled one is erased as a right click would. In freeze mode the first
  // press starts a freeze and the second (or Enter) lays it.
  void columnKey(int column);
  void enter();
  // Shift+Up and Shift+Down: whole beats from where the selection began to the cursor's beat,
  // as two clicks on their beat lines select them.
  void extendSelection(int direction);
  // Esc: a freeze under way is cancelled, otherwise the selection is cleared. False when there
  // was nothing to do.
  bool escape();
  // PageUp/PageDown (by a measure) and Ctrl+Home/Ctrl+End: the cursor moves with the view.
  void scrollBy(int rows);
  void scrollToEnd(bool last);
  // The chart's style may have changed: the cursor and a freeze under way stay in its lanes.
  void fitStyle();

 private:
  bool showCursor();
  void moveTo(int pos);
  void keepVisible();
  void act(int column);
  int lastRow() const;
  int columns() const;

  CursorCells& cells_;
  EditorState& state_;
  EditorHost& host_;
  const Catalogue& catalogue_;
  // The beat line a key selection started from, and the selection the keys made last: a
  // selection changed by other means starts anew from the cursor.
  int selectionAnchor_ = kUnset;
  int keySelStart_ = kUnset;
  int keySelEnd_ = kUnset;
};

}  // namespace tarveno
