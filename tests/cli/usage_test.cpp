#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "cli/cli_run.h"
#include "tarveno_version.h"

namespace tarveno::testing {
namespace {

using Args = std::vector<std::string>;

TEST(CliUsage, BadCommandLinesAreOneLineWithExitOneHelpAndVersionGoToStdout) {
  for (const Args& args :
       {Args{}, Args{"dump"}, Args{"dump", "a.kru", "b.kru"}, Args{"convert", "a.kru"},
        Args{"convert", "a.kru", "b.mc", "c.mc"}, Args{"show", "a.kru"}, Args{"dump", "a.kru", "--title", "x"},
        Args{"stats", "a.kru", "--edit-name", "x"}, Args{"dump", "a.kru", "--song", "40000"},
        Args{"convert", "a.kru", "b.mc", "--style", "3"}, Args{"convert", "a.kru", "b.mc", "--difficulty", "256"},
        Args{"sync", "a.wav"}, Args{"sync", "a.wav", "--bpm", "1e2"},
        Args{"sync", "a.wav", "--bpm", "120", "--near", "x"}}) {
    const CliResult r = runTool(args);
    EXPECT_EQ(std::tie(r.status, r.out), std::make_tuple(1, "")) << ::testing::PrintToString(args);
    // One line: the tool's name, the complaint and where to look.
    EXPECT_EQ(std::tuple(r.err.starts_with("tarveno-cli: "), r.err.ends_with(" (tarveno-cli --help for usage)\n"),
                         std::count(r.err.begin(), r.err.end(), '\n')),
              std::tuple(true, true, 1))
        << r.err;
  }

  const CliResult help = runTool({"convert", "--help"});  // help wins over an incomplete command
  EXPECT_EQ(std::tie(help.status, help.err), std::make_tuple(0, ""));
  EXPECT_NE(help.out.find("usage: tarveno-cli [--catalogue PATH] dump FILE [--song CODE] [--chart N] [--snap]\n"),
            std::string::npos);
  EXPECT_NE(help.out.find("tarveno-cli [--catalogue PATH] sync AUDIO.wav (--bpm N | --song CODE) [--near MS]\n"),
            std::string::npos);
  const CliResult version = runTool({"--version"});
  EXPECT_EQ(std::tie(version.status, version.out),
            std::make_tuple(0, std::string("tarveno-cli ") + kVersionString + "\n"));
}

}  // namespace
}  // namespace tarveno::testing
