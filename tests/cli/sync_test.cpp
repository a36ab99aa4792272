#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "cli/cli_run.h"
#include "core/play/wav.h"

namespace tarveno::testing {
namespace {

// A kick every beat at 143.5 BPM from 250 ms on: the tool finds the beat nearest --near and
// the music's tempo, and prints them as the one line of JSON other tools read.
TEST(CliSync, PrintsTheBeatNearestAndTheMusicsTempo) {
  const double beat = kMixRate * 60 / 143.5;
  std::vector<int16_t> samples(2 * 12 * kMixRate, 0);
  for (double start = 0.25 * kMixRate; start < samples.size() / 2.0; start += beat) {
    for (auto i = static_cast<size_t>(std::ceil(start)); i < samples.size() / 2 && i < start + 6000; ++i) {
      const double t = (i - start) / kMixRate;
      samples[2 * i] = samples[2 * i + 1] =
          static_cast<int16_t>(16000 * std::sin(2 * std::numbers::pi * 70 * t) * std::exp(-t / 0.05));
    }
  }
  TempDir dir;
  writeAll(dir / "music.wav", encodeWav(samples));
  // Beat 7 lies at 250 + 7 * 418.118 ms = 3176.83 ms.
  const CliResult r = runTool({"sync", (dir / "music.wav").string(), "--bpm", "143.5", "--near", "3100"});
  ASSERT_EQ(r.status, 0) << r.err;
  ASSERT_TRUE(r.out.starts_with("{\"offsetMs\":3176.") || r.out.starts_with("{\"offsetMs\":3177.")) << r.out;
  EXPECT_NE(r.out.find(",\"confidence\":"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find(",\"tempo\":143."), std::string::npos) << r.out;
  EXPECT_NE(r.out.find(",\"tempoConfidence\":"), std::string::npos) << r.out;
}

}  // namespace
}  // namespace tarveno::testing
