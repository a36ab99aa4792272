#include <gtest/gtest.h>

#include "cli/cli_run.h"
#include "support/test_paths.h"

namespace tarveno::testing {
namespace {

constexpr const char* kEditNameRule = "EDIT名は半角英数字８文字以内にして下さい。";

// Every row form here has one way of being written, whichever way a writer compacts mixed
// rows: the triplet beat has no first note, so its row is a pure triplet row.
std::string harborChart() {
  return crlfLines({
      "#title Harbor Lights",
      "#width 12",
      "#height 5",
      "#comment first try",
      "#twoplay",
      "#maniac",
      "#001:1000",
      "$001:8080",
      "#002:011000000000",
      "#003:4040404040404040",
      "$003:0000000000000001",
      "#064:9",
      "#065:1",
  });
}

class CliConvert : public ::testing::Test {
 protected:
  std::string path(const std::string& name) const { return (dir_ / name).string(); }
  CliResult convert(const std::string& in, const std::string& out, std::vector<std::string> extra = {}) {
    std::vector<std::string> args{"convert", path(in), path(out)};
    args.insert(args.end(), extra.begin(), extra.end());
    return runTool(args);
  }
  CliResult dump(const std::string& name, std::vector<std::string> extra = {}) {
    std::vector<std::string> args{"dump", path(name)};
    args.insert(args.end(), extra.begin(), extra.end());
    return runTool(args);
  }
  // The "steps", "freeze" and "beatTypes" part of a dump line.
  static std::string tables(const std::string& dumpLine) { return dumpLine.substr(dumpLine.find("\"steps\":")); }

  TempDir dir_;
};

TEST_F(CliConvert, KrunToKrunIsTheWritersExactOutput) {
  ScopedEnv date("SOURCE_DATE_EPOCH", kMay7th2003);
  writeAll(dir_ / "in.kru", harborChart());
  CliResult r = convert("in.kru", "out.kru");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "");
  // Measure 64 lies beyond the first song's 64 measures and is dropped.
  EXPECT_EQ(readAll(dir_ / "out.kru"), crlfLines({
                                           "#title Harbor Lights",
                                           "#width 12",
                                           "#height 5",
                                           "#date 2003/5/7",
                                           "#comment first try",
                                           "#twoplay",
                                           "#maniac",
                                           "#001:1000",
                                           "$001:8080",
                                           "#002:011000000000",
                                           "#003:44444444",
                                           "$003:0000000000000001",
                                           "#064:9000",
                                       }));
}

TEST_F(CliConvert, HeaderOptionsAreApplied) {
  ScopedEnv date("SOURCE_DATE_EPOCH", kMay7th2003);
  writeAll(dir_ / "in.kru", harborChart());
  CliResult r = convert("in.kru", "out.kru", {"--title", "夜の港", "--style", "0", "--difficulty", "37"});
  ASSERT_EQ(r.status, 0) << r.err;
  // Single style: no second-pad rows; class 2 is "#another" and the foot level is not carried.
  EXPECT_EQ(readAll(dir_ / "out.kru"),
            "#title \x96\xe9\x82\xcc\x8d\x60\r\n"
            "#width 12\r\n#height 5\r\n#date 2003/5/7\r\n#comment first try\r\n"
            "#another\r\n#001:1000\r\n#002:011000000000\r\n#003:44444444\r\n#064:9000\r\n");
}

TEST_F(CliConvert, KrunToCardAndBackKeepsTheChart) {
  writeAll(dir_ / "in.kru", harborChart());
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
  CliResult source = dump("in.kru", {"--song", "26"});
  EXPECT_EQ(tables(card.out), tables(source.out));
  EXPECT_NE(card.out.find("[64,0,1]"), std::string::npos);

  // And back to text: the card's song decides the length, the title has to be given.
  ScopedEnv date("SOURCE_DATE_EPOCH", kMay7th2003);
  CliResult back = convert("out.mc", "back.kru", {"--title", "Harbor Lights"});
  ASSERT_EQ(back.status, 0) << back.err;
  EXPECT_EQ(tables(dump("back.kru", {"--song", "26"}).out), tables(source.out));
}

TEST_F(CliConvert, CardToCardCanChangeSongAndName) {
  writeAll(dir_ / "in.kru", harborChart());
  ASSERT_EQ(convert("in.kru", "a.mc", {"--edit-name", "FIRST"}).status, 0);
  CliResult r = convert("a.mc", "b.mc", {"--song", "431", "--edit-name", "SECOND"});
  ASSERT_EQ(r.status, 0) << r.err;
  CliResult b = dump("b.mc");
  EXPECT_NE(b.out.find("\"songIndex\":37,\"songCode\":431,\"editName\":\"SECOND  \""), std::string::npos) << b.out;
  // Without options the card's own song and name are kept.
  ASSERT_EQ(convert("b.mc", "c.mc").status, 0);
  EXPECT_EQ(readAll(dir_ / "c.mc"), readAll(dir_ / "b.mc"));
}

TEST_F(CliConvert, SaveCheckFailuresAreExitTwoAndWriteNothing) {
  writeAll(dir_ / "in.kru", harborChart());
  writeAll(dir_ / "untitled.kru", crlfLines({"#001:1000"}));
  struct Case {
    std::string in, out;
    std::vector<std::string> extra;
    std::string message;
  };
  for (const Case& c : std::vector<Case>{
           {"untitled.kru", "out.kru", {}, "KRUNタイトルが未記入です。"},
           {"in.kru", "out.kru", {"--title", ""}, "KRUNタイトルが未記入です。"},
           {"in.kru", "out.mc", {}, "EDIT名が未記入です。"},
           {"in.kru", "out.mc", {"--edit-name", ""}, "EDIT名が未記入です。"},
       }) {
    CliResult r = convert(c.in, c.out, c.extra);
    EXPECT_EQ(r.status, 2) << c.message;
    EXPECT_EQ(r.err, "tarveno-cli: " + c.message + "\n");
    EXPECT_FALSE(std::filesystem::exists(dir_ / c.out)) << c.out;
  }
  // A memory-card save needs no KRUN title, a KRUN file no edit name.
  EXPECT_EQ(convert("untitled.kru", "out.mc", {"--edit-name", "X"}).status, 0);
}

TEST_F(CliConvert, EditNameFollowsThePropertiesDialogRule) {
  writeAll(dir_ / "in.kru", harborChart());
  for (const char* bad : {"~", "AB~", "ABCDEFGHI", "ダンス", "A\tB", "\x7f"}) {
    CliResult r = convert("in.kru", "out.mc", {"--edit-name", bad});
    EXPECT_EQ(r.status, 2) << bad;
    EXPECT_EQ(r.err, std::string("tarveno-cli: ") + kEditNameRule + "\n") << bad;
    EXPECT_FALSE(std::filesystem::exists(dir_ / "out.mc"));
  }
  for (const char* good : {"}", " {A|}z ", "ABCDEFGH", "12345678", "!\"#$%&'("}) {
    CliResult r = convert("in.kru", "out.mc", {"--edit-name", good});
    EXPECT_EQ(r.status, 0) << good << r.err;
  }
  // The rule holds for KRUN output as well, even though the name is not written there.
  EXPECT_EQ(convert("in.kru", "out.kru", {"--edit-name", "~"}).status, 2);
}

TEST_F(CliConvert, TitlesThatCannotStayOnTheirLineAreRefused) {
  writeAll(dir_ / "in.kru", harborChart());
  for (const char* bad : {"two\r\n#double", "line\nbreak", "cr\r", "\xF0\x9F\x8E\xB5", "\xFF"}) {
    CliResult r = convert("in.kru", "out.kru", {"--title", bad});
    EXPECT_EQ(r.status, 2) << bad;
    EXPECT_FALSE(std::filesystem::exists(dir_ / "out.kru"));
  }
}

TEST_F(CliConvert, FailureLeavesAnExistingOutputAlone) {
  writeAll(dir_ / "in.kru", crlfLines({"#001:1000"}));
  writeAll(dir_ / "out.kru", "previous content");
  EXPECT_EQ(convert("in.kru", "out.kru").status, 2);
  EXPECT_EQ(readAll(dir_ / "out.kru"), "previous content");
  EXPECT_EQ(convert("missing.kru", "out.kru", {"--title", "x"}).status, 2);
  EXPECT_EQ(readAll(dir_ / "out.kru"), "previous content");
}

TEST_F(CliConvert, WriteFailureIsExitTwo) {
  writeAll(dir_ / "in.kru", harborChart());
  CliResult r = convert("in.kru", "no-such-folder/out.kru");
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("ファイルを保存できません"), std::string::npos) << r.err;
}

TEST_F(CliConvert, KindsGoByTheCaseSensitiveEnding) {
  writeAll(dir_ / "in.kru", harborChart());
  writeAll(dir_ / "in.txt", harborChart());
  for (auto [in, out] : std::vector<std::pair<std::string, std::string>>{
           {"in.txt", "out.kru"}, {"in.kru", "out.KRU"}, {"in.kru", "out.Mc"}, {"in.kru", "out"}}) {
    CliResult r = convert(in, out, {"--edit-name", "X"});
    EXPECT_EQ(r.status, 2) << in << " -> " << out;
    EXPECT_NE(r.err.find("対応していない形式です"), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(dir_ / out));
  }
}

TEST_F(CliConvert, UsageErrorsAreExitOne) {
  writeAll(dir_ / "in.kru", harborChart());
  for (std::vector<std::string> extra : std::vector<std::vector<std::string>>{
           {"--style", "3"},
           {"--style", "-1"},
           {"--style", "one"},
           {"--difficulty", "256"},
           {"--difficulty", "-1"},
           {"--difficulty", "0x10"},
           {"--song", ""},
           {"--song", "26.5"},
           {"--edit-name"},
           {"--level", "3"},
       }) {
    CliResult r = convert("in.kru", "out.mc", extra);
    EXPECT_EQ(r.status, 1) << ::testing::PrintToString(extra);
    EXPECT_FALSE(std::filesystem::exists(dir_ / "out.mc"));
  }
  EXPECT_EQ(runTool({"convert", path("in.kru")}).status, 1);
  EXPECT_EQ(runTool({"convert", path("in.kru"), path("a.kru"), path("b.kru")}).status, 1);
}

TEST_F(CliConvert, UnknownSongIsExitTwo) {
  writeAll(dir_ / "in.kru", harborChart());
  CliResult r = convert("in.kru", "out.mc", {"--song", "2", "--edit-name", "X"});
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("曲コード 2 は曲データにありません。"), std::string::npos) << r.err;
}

}  // namespace
}  // namespace tarveno::testing
