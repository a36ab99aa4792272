#include <gtest/gtest.h>

#include <cstdio>
#include <iterator>
#include <random>

#include "cli/cli_run.h"
#include "core/chart/chart.h"
#include "support/test_paths.h"

namespace tarveno::testing {
namespace {

// A random chart of the first song (64 measures) as the bytes of its step table.
// Measures with a triplet beat keep their other beats to on-beat arrows: only then does a
// file read back exactly however a writer shortens its mixed rows.
StepTable randomSteps(std::mt19937& rng, int style) {
  // One arrow or a jump of two per pad, as the editor lets a player place them. (Four
  // panels of one pad at once would not survive a single-style card save: 15 * 17 is the
  // triplet marker.)
  static constexpr uint8_t kPanels[] = {1, 2, 4, 8, 3, 5, 6, 9, 10, 12};
  auto nibble = [&] { return kPanels[std::uniform_int_distribution<size_t>(0, std::size(kPanels) - 1)(rng)]; };
  auto chance = [&](int percent) { return std::uniform_int_distribution<int>(0, 99)(rng) < percent; };
  auto arrows = [&]() -> uint8_t {
    if (style == 0) return nibble();
    uint8_t b = 0;
    if (chance(70)) b |= nibble();
    if (chance(60) || b == 0) b |= static_cast<uint8_t>(nibble() << 4);
    return b;
  };
  StepTable t{};
  for (size_t m = 1; m < 64; ++m) {
    auto& row = t[m];
    const bool triplets = chance(30);
    for (size_t s0 = 0; s0 < 16; s0 += 4) {
      if (triplets && chance(50)) {
        row[s0] = kTripletMark;
        if (chance(60)) row[s0 + 1] = arrows();
        row[s0 + 2] = chance(70) ? arrows() : 0;
        row[s0 + 3] = row[s0 + 2] == 0 || chance(50) ? arrows() : 0;
        continue;
      }
      if (chance(75)) row[s0] = arrows();
      for (size_t k = 1; k < 4 && !triplets; ++k) row[s0 + k] = chance(25) ? arrows() : 0;
    }
  }
  return t;
}

// The table as KRUN rows of 48 characters, the one form that holds anything.
std::string asKrun(const StepTable& t, int style) {
  std::string text = "#title Round Trip\r\n";
  if (style == 1) text += "#twoplay\r\n";
  if (style == 2) text += "#double\r\n";
  const char* hex = "0123456789ABCDEF";
  for (int m = 0; m < 64; ++m) {
    const auto& row = t[static_cast<size_t>(m)];
    for (int shift = 0; shift <= (style == 0 ? 0 : 4); shift += 4) {
      // Each beat is 12 characters: four notes 3 apart, or three triplet notes 4 apart.
      std::string data(48, '0');
      for (size_t s0 = 0; s0 < 16; s0 += 4) {
        const bool triplet = row[s0] == kTripletMark;
        for (size_t k = triplet ? 1 : 0; k < 4; ++k) {
          data[3 * s0 + (triplet ? 4 * (k - 1) : 3 * k)] = hex[(row[s0 + k] >> shift) & 15];
        }
      }
      char prefix[8];
      std::snprintf(prefix, sizeof prefix, "%c%03d:", shift == 0 ? '#' : '$', m + 1);
      if (data != std::string(48, '0')) text += prefix + data + "\r\n";
    }
  }
  return text;
}

// A triplet beat whose only note falls on the beat is a plain beat once opened.
StepTable normalised(StepTable t) {
  for (auto& row : t) {
    for (size_t s0 = 0; s0 < 16; s0 += 4) {
      if (row[s0] == kTripletMark && row[s0 + 2] == 0 && row[s0 + 3] == 0) {
        row[s0] = row[s0 + 1];
        row[s0 + 1] = 0;
      }
    }
  }
  return t;
}

std::string stepsJson(const StepTable& t) {
  std::string json = "\"steps\":[";
  bool first = true;
  for (size_t m = 0; m < t.size(); ++m) {
    for (size_t s = 0; s < 16; ++s) {
      if (t[m][s] == 0) continue;
      json += (first ? "[" : ",[") + std::to_string(m) + "," + std::to_string(s) + "," + std::to_string(t[m][s]) + "]";
      first = false;
    }
  }
  return json + "]";
}

std::string stepsOf(const std::string& dumpLine) {
  const size_t from = dumpLine.find("\"steps\":");
  return dumpLine.substr(from, dumpLine.find(",\"freeze\":") - from);
}

TEST(CliRoundTrip, RandomChartsSurviveKrunAndCardConversions) {
  std::mt19937 rng(4711);
  for (int round = 0; round < 12; ++round) {
    const int style = round % 3;
    SCOPED_TRACE("round " + std::to_string(round) + ", style " + std::to_string(style));
    const StepTable steps = randomSteps(rng, style);
    TempDir dir;
    writeAll(dir / "a.kru", asKrun(steps, style));
    const std::string expected = stepsJson(normalised(steps));

    CliResult source = runTool({"dump", (dir / "a.kru").string()});
    ASSERT_EQ(source.status, 0) << source.err;
    ASSERT_EQ(stepsOf(source.out), expected);

    ASSERT_EQ(runTool({"convert", (dir / "a.kru").string(), (dir / "b.kru").string()}).status, 0);
    ASSERT_EQ(runTool({"convert", (dir / "b.kru").string(), (dir / "c.mc").string(), "--edit-name", "RT"}).status, 0);
    ASSERT_EQ(runTool({"convert", (dir / "c.mc").string(), (dir / "d.kru").string(), "--title", "x"}).status, 0);
    for (const char* name : {"b.kru", "c.mc", "d.kru"}) {
      CliResult r = runTool({"dump", (dir / name).string()});
      ASSERT_EQ(r.status, 0) << name << r.err;
      EXPECT_EQ(stepsOf(r.out), expected) << name;
      EXPECT_NE(r.out.find("\"playStyle\":" + std::to_string(style)), std::string::npos) << name;
    }
  }
}

}  // namespace
}  // namespace tarveno::testing
