#include "support/test_paths.h"

#include <gtest/gtest.h>

#include <stdlib.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

#include "core/text/number.h"

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

HexFixture parseHexFixture(const std::string& text) {
  HexFixture fixture;
  std::istringstream lines(text);
  for (std::string line, first, hex; std::getline(lines, line);) {
    std::istringstream words(line);
    if (line.starts_with('#') || !(words >> first >> hex)) continue;
    const auto number = [](const std::string& digits) { return static_cast<size_t>(leadingNumber(digits)); };
    std::string bytes;
    for (size_t i = 0; i + 1 < hex.size() && hex[i] != '*'; i += 2)
      bytes += char(leadingNumber("&H" + hex.substr(i, 2)));
    if (hex.find('*') != std::string::npos) bytes.resize(number(hex.substr(hex.find('*') + 1)), bytes.at(0));
    if (first == "size") fixture.size = number(hex);
    if (first != "size") fixture.entries.emplace_back(number(first), bytes);
  }
  return fixture;
}

std::string bytesFromHexText(const std::string& text, size_t size) {
  const HexFixture fixture = parseHexFixture(text);
  size = fixture.size.value_or(size);
  std::string bytes(size, '\0');
  for (const auto& [offset, written] : fixture.entries) {
    EXPECT_LE(offset + written.size(), size) << "bytes past the end at " << offset;
    bytes.replace(std::min(offset, size), written.size(), written);
  }
  bytes.resize(size);
  return bytes;
}

void expectFixture(const std::string& text, const std::string& name) {
  if (std::getenv("TARVENO_UPDATE_FIXTURES")) return writeAll(fixturesDir() / name, text);
  EXPECT_EQ(text, readAll(fixturesDir() / name)) << name;
}

}  // namespace tarveno::testing
