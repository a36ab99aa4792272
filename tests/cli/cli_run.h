#pragma once

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "support/test_paths.h"

namespace tarveno::testing {

struct CliResult {
  int status = -1;
  std::string out;
  std::string err;
};

// Runs the batch tool in-process. By default the program folder is the bundled data folder,
// so the default catalogue is the bundled kruid.dat.
inline CliResult runTool(const std::vector<std::string>& args, const std::filesystem::path& programFolder = dataDir()) {
  std::ostringstream out;
  std::ostringstream err;
  const int status = runCli(args, out, err, programFolder.string());
  return {status, out.str(), err.str()};
}

}  // namespace tarveno::testing
