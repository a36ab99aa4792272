#include "cli/cli.h"

#include <ostream>

namespace tarveno {

// Placeholder until the batch tool lands.
int runCli(const std::vector<std::string>&, std::ostream& out, std::ostream&, const std::string&) {
  out << "tarveno-cli\n";
  return 0;
}

}  // namespace tarveno
