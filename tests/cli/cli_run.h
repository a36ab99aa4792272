#pragma once

#include <cstdlib>
#include <filesystem>
#include <optional>
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

// Sets an environment variable for the lifetime of the object and restores it afterwards.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const std::string& value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    ::setenv(name, value.c_str(), 1);
  }
  ~ScopedEnv() { old_ ? ::setenv(name_, old_->c_str(), 1) : ::unsetenv(name_); }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  const char* name_;
  std::optional<std::string> old_;
};

}  // namespace tarveno::testing
