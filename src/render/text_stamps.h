#pragma once

#include <QFont>
#include <QImage>
#include <QRgb>
#include <QString>
#include <map>
#include <vector>

namespace tarveno {

// Texts drawn with a font without antialiasing leave each pixel either in the pen's colour or
// untouched, so each character is drawn once into a scratch picture and stamped wherever it
// recurs: the measure numbers are thousands of digits of ten shapes. The painter puts each
// character at the whole pixel below the sum of the advances before it, as done here; texts
// that kern would need their own shaping.
class TextStamps {
 public:
  // `dotsPerMeter` is the target's, which sizes the font's points.
  TextStamps(const QFont& font, QRgb color, int dotsPerMeter);

  // `text` with its baseline's left end at (x, baseline), clipped to the target.
  void draw(QImage& target, const QString& text, int x, int baseline);
  // The text's advance in whole pixels, as the font's metrics give it.
  int width(const QString& text);

 private:
  struct Run {
    int y;  // from the baseline
    int x0;
    int x1;  // exclusive
  };
  struct Glyph {
    std::vector<Run> runs;
    qreal advance = 0;
  };
  const Glyph& glyphOf(QChar c);
  void stamp(QImage& target, const Glyph& glyph, int x, int baseline) const;

  QFont font_;
  QRgb color_;
  int dotsPerMeter_;
  std::map<QChar, Glyph> glyphs_;
};

}  // namespace tarveno
