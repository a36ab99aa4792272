#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tarveno {

// The whole batch tool: arguments (without the program name), output streams and the
// folder of the executable (for the default catalogue). Returns the exit status:
// 0 ok, 1 usage error, 2 bad input or failed check.
int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           const std::string& programFolder);

}  // namespace tarveno
