#include "support/test_paths.h"

#include <gtest/gtest.h>

#include <stdlib.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace tarveno::testing {

std::filesystem::path dataDir() {
  return TARVENO_DATA_DIR;
}
std::filesystem::path fixturesDir() {
  return dataDir().parent_path() / "tests" / "fixtures";
}

TempDir::TempDir() {
  std::string name = (std::filesystem::temp_directory_path() / "tarveno-test-XXXXXX").string();
  if (::mkdtemp(name.data())) path_ = name;
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
  std::filesystem::remove_all(path_, ec);
}

std::string readAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void writeAll(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void expectFixture(const std::string& text, const std::string& name) {
  if (std::getenv("TARVENO_UPDATE_FIXTURES")) return writeAll(fixturesDir() / name, text);
  EXPECT_EQ(text, readAll(fixturesDir() / name)) << name;
}

}  // namespace tarveno::testing
