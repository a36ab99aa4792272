#include "core/edit/transforms.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "core/edit/beats.h"

namespace tarveno {

namespace {

using NibbleMap = std::array<uint8_t, 16>;

// Digit n of a table is the new value of nibble n (bits left, down, up, right).
constexpr NibbleMap nibbleMap(std::string_view table) {
  NibbleMap map{};
  for (size_t n = 0; n < map.size(); ++n) {
    const char c = table[n];
    map[n] = static_cast<uint8_t>(c <= '9' ? c - '0' : c - 'A' + 10);
  }
  return map;
}

// Indexed by Transform.
constexpr std::array<NibbleMap, 5> kMaps = {
    nibbleMap("084C2A6E195D3B7F"),  // Mirror: 180 degrees
    nibbleMap("082A4C6E193B5D7F"),  // MirrorH: left <-> right
    nibbleMap("0145236789CDABEF"),  // MirrorV: down <-> up
    nibbleMap("028A139B46CE57DF"),  // TurnLeft
    nibbleMap("04158C9D2637AEBF"),  // TurnRight
};

// Every map keeps an empty pad empty and a full pad full; the beat types rely on it.
constexpr bool keepsEmptyAndFull() {
  for (const NibbleMap& map : kMaps) {
    if (map[0] != 0 || map[15] != 15) return false;
  }
  return true;
}
static_assert(keepsEmptyAndFull());

void mapBytes(uint8_t* bytes, const NibbleMap& map, bool swapPads) {
  for (int k = 0; k < 4; ++k) {
    const uint8_t lo = map[bytes[k] & 15u];
    const uint8_t hi = map[bytes[k] >> 4];
    bytes[k] = static_cast<uint8_t>(swapPads ? lo << 4 | hi : hi << 4 | lo);
  }
}

}  // namespace

bool transformAllowed(Transform transform, PlayStyle style) {
  return style != PlayStyle::Double || (transform != Transform::TurnLeft && transform != Transform::TurnRight);
}

void transformBeats(Chart& chart, int selStart, int selEnd, Transform transform) {
  const NibbleMap& map = kMaps[static_cast<size_t>(transform)];
  // In double play the eight panels form one row, so mirroring it across also moves each
  // arrow to the other pad.
  const bool swapPads =
      chart.PlayStyle == PlayStyle::Double && (transform == Transform::Mirror || transform == Transform::MirrorH);
  const int from = std::max(selStart, 0);
  const int to = std::min(selEnd, kStepBeats);
  for (int g = from; g < to; ++g) mapBytes(beatBytes(chart.StepData, g), map, swapPads);
  for (int g = from; g < std::min(to, kFreezeBeats); ++g) mapBytes(beatBytes(chart.FreezeData, g), map, swapPads);
}

}  // namespace tarveno
