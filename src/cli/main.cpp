#include <QCoreApplication>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli.h"

int main(int argc, char** argv) {
  // The name picks the configuration folder the editor keeps its view.dat in.
  QCoreApplication::setApplicationName(QStringLiteral("tarveno"));
  std::vector<std::string> args(argv + 1, argv + argc);
  std::error_code ec;
  std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) self = std::filesystem::absolute(argv[0]);
  return tarveno::runCli(args, std::cout, std::cerr, self.parent_path().string());
}
