#include "core/chart/measure_numbers.h"

namespace tarveno {

namespace {

MeasurePos plainMeasure(int row) {
  return {row / 4 + 1, row % 4};
}

}  // namespace

MeasurePos RowToMeasure(int row, const Catalogue& catalogue, int songIndex, const MeterSegs& meterSegs) {
  const SongRecord* song = catalogue.song(songIndex);
  if (song == nullptr || song->MeterFlag == 0) return plainMeasure(row);
  // Each segment's measures take its number of beats; the last segment runs to the end.
  int segmentStart = 0;  // the first row of the segment
  for (size_t i = 0; i + 1 < meterSegs.size(); ++i) {
    const MeterSeg& seg = meterSegs[i];
    // A damaged list (no beats, or walked past its end marker) must not divide by zero or
    // run off the table: fall back to four beats a measure.
    if (seg.BeatsPerMeasure == 0 || seg.FirstMeasure == kMeterListEnd) break;
    const MeterSeg& next = meterSegs[i + 1];
    const bool last = next.FirstMeasure == kMeterListEnd;
    const int segmentEnd = segmentStart + (next.FirstMeasure - seg.FirstMeasure) * seg.BeatsPerMeasure;
    if (segmentEnd >= row || last) {
      const int beats = row - segmentStart;
      return {beats / seg.BeatsPerMeasure + seg.FirstMeasure, beats % seg.BeatsPerMeasure};
    }
    segmentStart = segmentEnd;
  }
  return plainMeasure(row);
}

std::string measureCaption(int64_t measure) {
  std::string digits = "00";
  digits += std::to_string(measure);
  return digits.substr(digits.size() - 3);
}

}  // namespace tarveno
