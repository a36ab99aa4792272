#include "cli/json_writer.h"

#include <gtest/gtest.h>

namespace tarveno {
namespace {

TEST(CliJsonQuote, EscapesQuotesBackslashesAndControlCharacters) {
  EXPECT_EQ(jsonQuote(""), "\"\"");
  EXPECT_EQ(jsonQuote("a\"b\\c"), "\"a\\\"b\\\\c\"");
  EXPECT_EQ(jsonQuote(std::string("\t\r\n\x01\x1f\x7f", 6)), "\"\\u0009\\u000d\\u000a\\u0001\\u001f\\u007f\"");
  EXPECT_EQ(jsonQuote(std::string("a\0b", 3)), "\"a\\u0000b\"");
  // The characters just outside the escaped ranges stay as they are.
  EXPECT_EQ(jsonQuote(" ~/"), "\" ~/\"");
}

TEST(CliJsonQuote, KeepsUtf8AndReplacesBrokenSequences) {
  EXPECT_EQ(jsonQuote("夜明け"), "\"夜明け\"");
  EXPECT_EQ(jsonQuote("\xF0\x9F\x8E\xB5"), "\"\xF0\x9F\x8E\xB5\"");  // four-byte sequence kept
  const std::string fffd = "\xEF\xBF\xBD";
  EXPECT_EQ(jsonQuote("a\xFF"
                      "b"),
            "\"a" + fffd + "b\"");
  EXPECT_EQ(jsonQuote("\xE3\x81"), "\"" + fffd + fffd + "\"");             // cut short at the end
  EXPECT_EQ(jsonQuote("\xC0\xAF"), "\"" + fffd + fffd + "\"");             // overlong "/"
  EXPECT_EQ(jsonQuote("\xED\xA0\x80"), "\"" + fffd + fffd + fffd + "\"");  // surrogate
  EXPECT_EQ(jsonQuote("\x83\x5C"), "\"" + fffd + "\\\\\"");                // raw CP932 never leaks into the output
}

}  // namespace
}  // namespace tarveno
