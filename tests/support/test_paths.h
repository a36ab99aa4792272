#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tarveno::testing {

// The bundled data folder of the source tree (kruid.dat, meter files, examples).
std::filesystem::path dataDir();
// The fixture files of the source tree (tests/fixtures).
std::filesystem::path fixturesDir();

// A fresh empty folder for one test, removed when the object goes away.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

std::string readAll(const std::filesystem::path& path);
void writeAll(const std::filesystem::path& path, const std::string& bytes);

// A hex fixture: each line "offset hex what" gives the bytes in hex at the decimal offset
// ("00*126" is 126 zero bytes, one byte repeated); a line "size N" sets the file's length;
// lines starting with "#" are comments.
struct HexFixture {
  std::vector<std::pair<size_t, std::string>> entries;
  std::optional<size_t> size;
};
HexFixture parseHexFixture(const std::string& text);

// The bytes a hex fixture describes, `size` long unless it says otherwise; every byte not
// written is zero.
std::string bytesFromHexText(const std::string& text, size_t size);

// Expects text to equal the file tests/fixtures/<name>; with TARVENO_UPDATE_FIXTURES set in the
// environment the file is rewritten instead (then review the difference before committing).
void expectFixture(const std::string& text, const std::string& name);

}  // namespace tarveno::testing
