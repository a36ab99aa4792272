#pragma once

#include <QColor>
#include <QImage>

namespace tarveno {

enum class NoteValue { Quarter = 0, Eighth = 1, Sixteenth = 2, Triplet = 3 };

inline constexpr int kNoteValueCount = 4;

// A small note symbol for the note-value counts of the statistics window, drawn in code on a
// transparent square of `size` pixels: quarter, eighth, sixteenth, and an eighth under a "3"
// for the triplet. Drawn with devicePixelRatio device pixels per pixel, so it stays sharp on a
// high-density screen while it still takes `size` pixels of the window.
QImage noteValueIcon(NoteValue value, int size = 24, QColor ink = Qt::black, qreal devicePixelRatio = 1);

}  // namespace tarveno
