#include <gtest/gtest.h>

#include <random>
#include <string>

#include "core/chart/simfile.h"
#include "core/chart/simfile_splice.h"
#include "core/text/cp932.h"
#include "support/test_catalogue.h"

namespace tarveno {
namespace {

constexpr int kMeasures = 12;

// Rows of taps (some on off-beats), now and then a mine, which the chart does not keep.
std::string randomRows(int columns, const std::string& eol, std::mt19937& rng) {
  std::string rows;
  for (int m = 0; m < kMeasures; ++m) {
    const int count = (rng() % 2 ? 4 : 16);
    for (int r = 0; r < count; ++r) {
      std::string row(static_cast<size_t>(columns), '0');
      if (rng() % 3 == 0) row[rng() % static_cast<size_t>(columns)] = rng() % 8 ? '1' : 'M';
      rows += row + eol;
    }
    rows += (m + 1 < kMeasures ? "," : ";") + eol;
  }
  return rows;
}

std::string randomBlock(const std::string& type, const std::string& description, const std::string& eol,
                        std::mt19937& rng) {
  const int columns = type == "dance-single" ? 4 : type == "pump-single" ? 5 : 8;
  return "#NOTES:" + eol + "     " + type + ":" + eol + "     " + description + ":" + eol + "     Hard:" + eol +
         "     " + std::to_string(rng() % 10) + ":" + eol + "     0.5,0." + std::to_string(rng() % 100) +
         ",0,0,0:" + eol + randomRows(columns, eol, rng);
}

// Any chart written back into a multi-chart file leaves every other byte as it was (header,
// comments, other charts, line ends, CP932 text) and reads back as the chart written.
TEST(SimfileSplice, WritingOneChartBackKeepsEveryOtherByte) {
  const Catalogue catalogue = testing::oneSongCatalogue(kMeasures);
  const std::string types[] = {"dance-single", "dance-double", "pump-single", "dance-couple"};
  std::mt19937 rng(7);
  for (int run = 0; run < 60; ++run) {
    const std::string eol = rng() % 2 ? "\r\n" : "\n";
    const std::string japanese = rng() % 2 ? utf8ToCp932("ソース表") : "x\\:y";  // CP932 or escaped UTF-8
    std::vector<std::string> parts = {"#TITLE:Quiet Lake;" + eol + "#BPMS:0.000=150.000;" + eol + "// " + japanese +
                                      eol};
    const int charts = 2 + static_cast<int>(rng() % 4);
    for (int c = 0; c < charts; ++c) {
      parts.push_back(randomBlock(types[rng() % 4], c % 2 ? japanese : "", eol, rng));
      parts.push_back("// after " + std::to_string(c) + eol);
    }
    parts[2 * (rng() % charts) + 1] = randomBlock("dance-single", "", eol, rng);  // one chart at least is readable
    std::string file;
    for (const auto& p : parts) file += p;
    const auto song = readSimfile(file);
    ASSERT_TRUE(song) << song.error().message;
    size_t k = rng() % song->charts.size();
    while (!song->charts[k].supported()) k = (k + 1) % song->charts.size();

    const auto style = song->charts[k].stepsType;
    const auto other = readSimfile("#NOTES:" + randomBlock(style, "", "\n", rng).substr(7));
    Chart edited;
    ASSERT_TRUE(importSimfileChart(*other, 0, {int16_t{0}}, catalogue, edited));
    std::tie(edited.EditName, edited.Difficulty) = std::tuple("REWORK", 0x27);

    const auto out = spliceSimfileChart(file, k, edited, catalogue);
    ASSERT_TRUE(out) << out.error().message;
    const std::string& block = parts[2 * k + 1];
    const size_t at = file.find(block), tail = file.size() - at - block.size(), radar = block.find("0.5,0.");
    EXPECT_EQ(out->bytes.substr(0, at), file.substr(0, at)) << "run " << run;
    EXPECT_EQ(out->bytes.substr(out->bytes.size() - tail), file.substr(file.size() - tail)) << "run " << run;
    EXPECT_NE(out->bytes.find(block.substr(radar, block.find(':', radar) - radar)), std::string::npos) << "radar";

    const auto reread = readSimfile(out->bytes);
    ASSERT_TRUE(reread) << reread.error().message;
    Chart back;
    ASSERT_TRUE(importSimfileChart(*reread, k, {int16_t{0}}, catalogue, back));
    EXPECT_EQ(testing::header(back), testing::header(edited)) << "run " << run;
    EXPECT_EQ(back.StepData, edited.StepData) << "run " << run;
  }
}

}  // namespace
}  // namespace tarveno
