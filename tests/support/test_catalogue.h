#pragma once

#include <cstdint>

#include "core/chart/chart.h"
#include "core/songs/catalogue.h"

namespace tarveno::testing {

inline constexpr PlayStyle kPlayStyles[] = {PlayStyle::Single, PlayStyle::Couple, PlayStyle::Double};

// The chart's header fields, to set or compare at once: PlayStyle, Difficulty, SongIndex,
// EditName, KrunTitle, KrunWidth, KrunHeight, KrunComment.
template <class C>  // Chart or const Chart
auto header(C& c) {
  return std::tie(c.PlayStyle, c.Difficulty, c.SongIndex, c.EditName, c.KrunTitle, c.KrunWidth, c.KrunHeight,
                  c.KrunComment);
}

// A catalogue whose record 0 is one ordinary song of the given length and code.
inline Catalogue oneSongCatalogue(int measures, int16_t code = 1) {
  Catalogue catalogue;
  catalogue.SongList[0] = SongRecord{"Paper Lanterns", code, 140, static_cast<int16_t>(measures), 1, 1, 0};
  return catalogue;
}

// Five songs across the editions: arcade bits 0-1 are the first edition, 2-3 the second, bit 11
// the newest; console bits 2, 5 and 7 belong to the three console filters. Gamma Line (code 32)
// asks for a meter file.
inline Catalogue editionCatalogue() {
  Catalogue c;
  c.SongList[0] = {"Alpha Run", 10, 120, 60, 0b11, 0b100, 0};
  c.SongList[1] = {"Beta Step", 499, -1, 80, 0b100, 0b100000, 0};
  c.SongList[2] = {"Gamma Line", 32, 150, 100, 0b101, 0, 1};
  c.SongList[3] = {"Delta Wave", 48, 140, 90, 2048 | 1, 128, 0};
  c.SongList[4] = {"Echo New", 64, 160, 70, 2048, 0, 0};
  return c;
}

}  // namespace tarveno::testing
