#include <gtest/gtest.h>

#include "cli/cli_run.h"
#include "support/test_paths.h"
#include "tarveno_version.h"

namespace tarveno::testing {
namespace {

using Args = std::vector<std::string>;

// A couple chart worked through by hand: a "$" row before "#twoplay" that must be ignored,
// a one-note triplet beat that the opening turns back into a plain beat, and a row past
// the end of the first song (64 measures) that is read but neither recomputed nor counted.
TEST(CliDump, HandWrittenKrunChartsGiveExactJsonCountsAndWarnings) {
  TempDir dir;
  writeAll(dir / "hand.kru", crlfLines({"$001:1111", "#title Demo \"A\"\\B", "#width 12", "#height 5",
                                        "#comment tab\there", "#twoplay", "#maniac", "#001:1000", "$001:8080",
                                        "#002:111000200000", "#003:44444444", "#100:0100000000000000"}));
  CliResult r = runTool({"dump", (dir / "hand.kru").string()});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.out,
            "{\"playStyle\":1,\"difficulty\":48,\"songIndex\":0,\"songCode\":1,\"editName\":\"\","
            "\"krunTitle\":\"Demo \\\"A\\\"\\\\B\",\"krunWidth\":12,\"krunHeight\":5,"
            "\"krunComment\":\"tab\\u0009here\","
            "\"steps\":[[0,0,129],[0,8,128],[1,0,255],[1,1,1],[1,2,1],[1,3,1],[1,8,2],"
            "[2,0,4],[2,2,4],[2,4,4],[2,6,4],[2,8,4],[2,10,4],[2,12,4],[2,14,4],[99,1,1]],"
            "\"freeze\":[],"
            "\"beatTypes\":[[1,0,2],[2,0,1],[2,1,1],[2,2,1],[2,3,1]]}\n");
  r = runTool({"stats", (dir / "hand.kru").string()});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "{\"objects\":15,\"steps\":14,\"panels\":[4,1,8,0,0,0,0,2],\"noteValues\":[9,4,0,2]}\n");

  // An empty file: the KRUN reader resets the difficulty to 0; the song stays the start-up song.
  writeAll(dir / "empty.kru", "");
  EXPECT_EQ(runTool({"dump", (dir / "empty.kru").string()}).out,
            "{\"playStyle\":0,\"difficulty\":0,\"songIndex\":0,\"songCode\":1,\"editName\":\"\",\"krunTitle\":\"\","
            "\"krunWidth\":0,\"krunHeight\":0,\"krunComment\":\"\",\"steps\":[],\"freeze\":[],\"beatTypes\":[]}\n");

  // "#msdstyle" warns once for each line and the command goes on.
  writeAll(dir / "msd.kru", crlfLines({"#msdstyle", "#001:1000", "#MSDSTYLE", "#msdstyle"}));
  r = runTool({"dump", (dir / "msd.kru").string()});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(countLinesContaining(r.err, "msdstyleには対応していません^^;"), 2) << r.err;
  EXPECT_NE(r.out.find("\"steps\":[[0,0,1]]"), std::string::npos);
}

TEST(CliDump, SongSelectionTakesTheLaterDuplicateAndStopsAtTheCatalogueEnd) {
  TempDir dir;
  writeAll(dir / "kruid.dat",
           crlfLines({"1,\"Alpha\",120,8,1,0,0", "7,\"Bravo\",120,16,1,0,0", "7,\"Bravo, Again\",120,32,1,0,0",
                      "0,\"Curtain\",120,8,1,0,0", "9,\"Behind the curtain\",120,8,1,0,0"}));
  // A sixteenth-level beat in measure 20: recomputed only when the song reaches it.
  writeAll(dir / "late.kru", crlfLines({"#021:0100000000000000"}));
  auto run = [&](const std::string& command, Args extra) {
    extra.insert(extra.begin(), {"--catalogue", (dir / "kruid.dat").string(), command, (dir / "late.kru").string()});
    return runTool(extra);
  };
  CliResult r = run("dump", {"--song", "7"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("\"songIndex\":2,\"songCode\":7,"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("\"beatTypes\":[[20,0,1]]"), std::string::npos) << r.out;
  EXPECT_EQ(run("stats", {"--song", "7"}).out,
            "{\"objects\":1,\"steps\":1,\"panels\":[1,0,0,0,0,0,0,0],\"noteValues\":[0,0,1,0]}\n");

  // Without --song the first record: Alpha has 8 measures, so measure 20 keeps its arrow but
  // gets no beat type and is not counted.
  r = run("dump", {});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("\"songIndex\":0,\"songCode\":1,"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("\"steps\":[[20,1,1]]"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("\"beatTypes\":[]"), std::string::npos) << r.out;
  EXPECT_EQ(run("stats", {}).out,
            "{\"objects\":0,\"steps\":0,\"panels\":[0,0,0,0,0,0,0,0],\"noteValues\":[0,0,0,0]}\n");

  for (const char* code : {"9", "0", "-1", "8"}) {
    r = run("dump", {"--song", code});
    EXPECT_EQ(r.status, 2) << code;
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find(std::string("曲コード ") + code + " は曲データにありません。"), std::string::npos) << r.err;
  }
}

TEST(CliDump, UnreadableUnsupportedOrBrokenInputIsExitTwoWithOneLine) {
  TempDir dir;
  std::filesystem::create_directory(dir / "folder.kru");
  writeAll(dir / "c.kru", crlfLines({"#001:1000"}));
  ASSERT_EQ(runTool({"convert", (dir / "c.kru").string(), (dir / "ok.mc").string(), "--song", "26", "--edit-name", "E"})
                .status,
            0);
  const std::string card = readAll(dir / "ok.mc");
  ASSERT_EQ(card.size(), 8320u);
  std::string badStyle = card;
  badStyle[710] = 3;  // a style byte above 2: error 103
  writeAll(dir / "style.mc", badStyle);
  writeAll(dir / "short.mc", card.substr(0, 700));  // too short to hold the header fields
  writeAll(dir / "chart.MC", std::string(8320, '\0'));
  // A catalogue without song 26 makes the card error 102.
  writeAll(dir / "kruid.dat", crlfLines({"1,\"Alpha\",120,8,1,0,0"}));

  const std::tuple<const char*, const char*, std::filesystem::path, const char*> cases[] = {
      {"dump", "missing.kru", dataDir(), "ファイルを開けません"},
      {"dump", "folder.kru", dataDir(), "フォルダです"},
      {"stats", "chart.MC", dataDir(), "対応していない形式です"},
      {"stats", "chart.txt", dataDir(), "対応していない形式です"},
      {"stats", "chart.kru.bak", dataDir(), "対応していない形式です"},
      {"dump", "ok.mc", dir.path(), "Error(Code102) 不正なデータです"},
      {"stats", "style.mc", dataDir(), "Error(Code103) 不正なデータです"},
      {"dump", "short.mc", dataDir(), "不正なデータです"},
  };
  for (const auto& [command, name, programFolder, message] : cases) {
    CliResult r = runTool({command, (dir / name).string()}, programFolder);
    EXPECT_EQ(r.status, 2) << name;
    EXPECT_EQ(r.out, "") << name;
    EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
    EXPECT_EQ(countLinesContaining(r.err, ""), 1) << r.err;
  }
}

TEST(CliDump, UsageErrorsAreExitOneHelpAndVersionGoToStdout) {
  for (const Args& args : {Args{}, Args{"dump"}, Args{"dump", "a.kru", "b.kru"}, Args{"show", "a.kru"},
                           Args{"dump", "a.kru", "--song", "1A"}, Args{"dump", "a.kru", "--song", "40000"},
                           Args{"dump", "a.kru", "--title", "x"}, Args{"stats", "a.kru", "--edit-name", "x"},
                           Args{"stats", "a.kru", "--verbose"}}) {
    CliResult r = runTool(args);
    EXPECT_EQ(r.status, 1) << ::testing::PrintToString(args);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(countLinesContaining(r.err, "tarveno-cli: "), 1) << r.err;
  }

  // Help and version go to stdout.
  CliResult help = runTool({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.err, "");
  EXPECT_NE(help.out.find("usage: tarveno-cli [--catalogue PATH] dump FILE [--song CODE]"), std::string::npos);
  // Help wins over the rest of the line, even an incomplete command.
  EXPECT_EQ(runTool({"convert", "--help"}).status, 0);
  CliResult version = runTool({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, std::string("tarveno-cli ") + kVersionString + "\n");
}

TEST(CliDump, CatalogueProblems) {
  TempDir dir;
  writeAll(dir / "c.kru", "");
  CliResult missing = runTool({"--catalogue", (dir / "none.dat").string(), "dump", (dir / "c.kru").string()});
  EXPECT_EQ(missing.status, 2);
  EXPECT_NE(missing.err.find("曲データ（kruid.dat）を読み込めません。"), std::string::npos) << missing.err;
  EXPECT_EQ(countLinesContaining(missing.err, ""), 1) << "the core's two-line message becomes one line";
  // The default catalogue is kruid.dat in the program's folder.
  EXPECT_EQ(runTool({"dump", (dir / "c.kru").string()}, dir.path()).status, 2);

  // A record cut short is dropped with a warning; the command goes on.
  writeAll(dir / "kruid.dat", crlfLines({"1,\"Alpha\",120,8,1,0,0", "2,\"Broken\",120"}));
  CliResult warned = runTool({"dump", (dir / "c.kru").string()}, dir.path());
  EXPECT_EQ(warned.status, 0) << warned.err;
  EXPECT_EQ(countLinesContaining(warned.err, "警告: "), 1) << warned.err;
  EXPECT_NE(warned.out.find("\"songCode\":1"), std::string::npos);
}

// A cut-off memory-card save opens with what it holds, and the user is told.
TEST(CliDump, ATruncatedCardOpensWithAWarning) {
  TempDir dir;
  writeAll(dir / "cut.mc", readAll(dataDir() / "examples" / "single.mc").substr(0, 5000));
  CliResult r = runTool({"dump", (dir / "cut.mc").string()});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(countLinesContaining(r.err, "5000 バイト"), 1) << r.err;
  EXPECT_NE(r.err.find("cut.mc"), std::string::npos);
  EXPECT_NE(r.out.find("\"editName\":\"TIDE1"), std::string::npos);
  EXPECT_EQ(runTool({"dump", (dataDir() / "examples" / "single.mc").string()}).err, "");
}

}  // namespace
}  // namespace tarveno::testing
