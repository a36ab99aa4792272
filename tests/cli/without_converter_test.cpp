// Built as its own program: iconv_open below takes the place of the C library's, as on a
// system without the CP932 tables.
#include <gtest/gtest.h>
#include <iconv.h>

#include <cerrno>

#include "cli/cli_run.h"

extern "C" iconv_t iconv_open(const char*, const char*) {
  errno = EINVAL;
  return reinterpret_cast<iconv_t>(-1);
}

namespace tarveno::testing {
namespace {

// Without the conversion every title and name would vanish from the files: refuse to work.
TEST(CliWithoutConverter, RefusesWithExitTwoInsteadOfLosingText) {
  CliResult r = runTool({"dump", (dataDir() / "examples" / "single.kru").string()});
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.out, "");
  EXPECT_NE(r.err.find("Shift-JIS"), std::string::npos) << r.err;
}

}  // namespace
}  // namespace tarveno::testing
