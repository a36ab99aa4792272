#include <gtest/gtest.h>

#include "cli/cli_run.h"
#include "support/test_paths.h"

namespace tarveno::testing {
namespace {

using Args = std::vector<std::string>;

// Every row form here has one way of being written, whichever way a writer compacts mixed
// rows: the triplet beat has no first note, so its row is a pure triplet row.
const std::string kHarborChart = crlfLines({"#title Harbor Lights", "#width 12", "#height 5", "#comment first try",
                                            "#twoplay", "#maniac", "#001:1000", "$001:8080", "#002:011000000000",
                                            "#003:4040404040404040", "$003:0000000000000001", "#064:9", "#065:1"});

class CliConvert : public ::testing::Test {
 protected:
  CliConvert() {
    writeAll(dir_ / "in.kru", kHarborChart);
    writeAll(dir_ / "untitled.kru", crlfLines({"#001:1000"}));
  }
  std::string path(const std::string& name) const { return (dir_ / name).string(); }
  CliResult convert(const std::string& in, const std::string& out, Args extra = {}) {
    extra.insert(extra.begin(), {"convert", path(in), path(out)});
    return runTool(extra);
  }
  CliResult dump(const std::string& name, Args extra = {}) {
    extra.insert(extra.begin(), {"dump", path(name)});
    return runTool(extra);
  }
  // The "steps", "freeze" and "beatTypes" part of a dump line.
  static std::string tables(const std::string& dumpLine) { return dumpLine.substr(dumpLine.find("\"steps\":")); }

  TempDir dir_;
};

TEST_F(CliConvert, KrunToKrunIsTheWritersExactOutputWithTheOptionsApplied) {
  ScopedEnv date("SOURCE_DATE_EPOCH", kMay7th2003);
  CliResult r = convert("in.kru", "out.kru");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out + r.err, "");
  // Measure 64 lies beyond the first song's 64 measures and is dropped.
  EXPECT_EQ(readAll(dir_ / "out.kru"),
            crlfLines({"#title Harbor Lights", "#width 12", "#height 5", "#date 2003/5/7", "#comment first try",
                       "#twoplay", "#maniac", "#001:1000", "$001:8080", "#002:011000000000", "#003:44444444",
                       "$003:0000000000000001", "#064:9000"}));

  r = convert("in.kru", "opt.kru", {"--title", "夜の港", "--style", "0", "--difficulty", "37"});
  ASSERT_EQ(r.status, 0) << r.err;
  // Single style: no second-pad rows; class 2 is "#another" and the foot level is not carried.
  EXPECT_EQ(readAll(dir_ / "opt.kru"),
            "#title \x96\xe9\x82\xcc\x8d\x60\r\n"
            "#width 12\r\n#height 5\r\n#date 2003/5/7\r\n#comment first try\r\n"
            "#another\r\n#001:1000\r\n#002:011000000000\r\n#003:44444444\r\n#064:9000\r\n");
}

TEST_F(CliConvert, KrunToCardAndBackKeepsTheChart) {
  CliResult made = convert("in.kru", "out.mc", {"--song", "26", "--edit-name", "AB", "--difficulty", "53"});
  ASSERT_EQ(made.status, 0) << made.err;
  EXPECT_EQ(readAll(dir_ / "out.mc").size(), 8320u);
  CliResult card = dump("out.mc");
  ASSERT_EQ(card.status, 0) << card.err;
  // The card carries song, edit name (padded to 8) and the whole difficulty byte, but no
  // KRUN header: those come from the fresh start-up chart.
  EXPECT_EQ(card.out.substr(0, card.out.find("\"steps\":")),
            "{\"playStyle\":1,\"difficulty\":53,\"songIndex\":3,\"songCode\":26,\"editName\":\"AB      \","
            "\"krunTitle\":\"\",\"krunWidth\":0,\"krunHeight\":0,\"krunComment\":\"\",");
  // Song 26 is 96 measures long, so measure 64 now belongs to the chart as well.
  const std::string source = tables(dump("in.kru", {"--song", "26"}).out);
  EXPECT_EQ(tables(card.out), source);
  EXPECT_NE(card.out.find("[64,0,1]"), std::string::npos);

  // And back to text: the card's song decides the length, the title has to be given.
  ScopedEnv date("SOURCE_DATE_EPOCH", kMay7th2003);
  CliResult back = convert("out.mc", "back.kru", {"--title", "Harbor Lights"});
  ASSERT_EQ(back.status, 0) << back.err;
  EXPECT_EQ(tables(dump("back.kru", {"--song", "26"}).out), source);

  // Card to card may change song and name; without options the card's own are kept.
  ASSERT_EQ(convert("out.mc", "b.mc", {"--song", "431", "--edit-name", "SECOND"}).status, 0);
  EXPECT_NE(dump("b.mc").out.find("\"songIndex\":37,\"songCode\":431,\"editName\":\"SECOND  \""), std::string::npos);
  ASSERT_EQ(convert("b.mc", "c.mc").status, 0);
  EXPECT_EQ(readAll(dir_ / "c.mc"), readAll(dir_ / "b.mc"));
}

TEST_F(CliConvert, RefusedConversionsWriteNothing) {
  const std::string rule = "EDIT名は半角英数字８文字以内にして下さい。";
  struct Case {
    std::string in, out;
    Args extra;
    std::string message;
    bool wholeLine;  // the message is all that is printed
  };
  std::vector<Case> cases = {
      {"untitled.kru", "out.kru", {}, "KRUNタイトルが未記入です。", true},
      {"in.kru", "out.kru", {"--title", ""}, "KRUNタイトルが未記入です。", true},
      {"in.kru", "out.mc", {}, "EDIT名が未記入です。", true},
      {"in.kru", "out.mc", {"--edit-name", ""}, "EDIT名が未記入です。", true},
      // The edit-name rule holds for KRUN output as well, even though the name is not written there.
      {"in.kru", "out.kru", {"--edit-name", "~"}, rule, true},
      {"in.kru", "out.mc", {"--song", "2", "--edit-name", "X"}, "曲コード 2 は曲データにありません。", false},
      {"in.kru", "no-such-folder/out.kru", {}, "ファイルを保存できません", false},
      {"missing.kru", "out.kru", {"--title", "x"}, "ファイルを開けません", false},
  };
  // Kinds go by the case-sensitive ending.
  for (auto [in, out] : std::vector<std::pair<std::string, std::string>>{
           {"in.txt", "out.kru"}, {"in.kru", "out.KRU"}, {"in.kru", "out.Mc"}, {"in.kru", "out"}}) {
    cases.push_back({in, out, {"--edit-name", "X"}, "対応していない形式です", false});
  }
  for (const char* bad : {"~", "AB~", "ABCDEFGHI", "ダンス", "A\tB", "\x7f"}) {
    cases.push_back({"in.kru", "out.mc", {"--edit-name", bad}, rule, true});
  }
  // Titles that could not stay on their line.
  for (const char* bad : {"two\r\n#double", "line\nbreak", "cr\r", "\xF0\x9F\x8E\xB5", "\xFF"}) {
    cases.push_back({"in.kru", "out.kru", {"--title", bad}, "KRUNタイトル", false});
  }
  writeAll(dir_ / "in.txt", kHarborChart);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.in + " -> " + c.out + " " + ::testing::PrintToString(c.extra));
    CliResult r = convert(c.in, c.out, c.extra);
    EXPECT_EQ(r.status, 2);
    if (c.wholeLine) {
      EXPECT_EQ(r.err, "tarveno-cli: " + c.message + "\n");
    } else {
      EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
      EXPECT_EQ(countLinesContaining(r.err, ""), 1) << r.err;
    }
    EXPECT_FALSE(std::filesystem::exists(dir_ / c.out));
  }
  // Usage errors are exit 1.
  for (const Args& extra :
       {Args{"--style", "3"}, Args{"--style", "-1"}, Args{"--difficulty", "256"}, Args{"--difficulty", "-1"},
        Args{"--song", "26.5"}, Args{"--edit-name"}, Args{"--level", "3"}}) {
    EXPECT_EQ(convert("in.kru", "out.mc", extra).status, 1) << ::testing::PrintToString(extra);
    EXPECT_FALSE(std::filesystem::exists(dir_ / "out.mc"));
  }
  EXPECT_EQ(runTool({"convert", path("in.kru")}).status, 1);
  EXPECT_EQ(runTool({"convert", path("in.kru"), path("a.kru"), path("b.kru")}).status, 1);
  // A memory-card save needs no KRUN title, a KRUN file no edit name; the name rule lets these through.
  EXPECT_EQ(convert("untitled.kru", "out.mc", {"--edit-name", "X"}).status, 0);
  for (const char* good : {"}", " {A|}z ", "ABCDEFGH", "12345678", "!\"#$%&'("}) {
    EXPECT_EQ(convert("in.kru", "out.mc", {"--edit-name", good}).status, 0) << good;
  }
  // Failure leaves an existing output alone.
  writeAll(dir_ / "out.kru", "previous content");
  EXPECT_EQ(convert("untitled.kru", "out.kru").status, 2);
  EXPECT_EQ(readAll(dir_ / "out.kru"), "previous content");
  EXPECT_EQ(convert("missing.kru", "out.kru", {"--title", "x"}).status, 2);
  EXPECT_EQ(readAll(dir_ / "out.kru"), "previous content");
}

}  // namespace
}  // namespace tarveno::testing
