#include "cli/json_writer.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tarveno {
namespace {

// Quotes, backslashes and tabs are seen in the dump fixtures; here the edges of the escaped
// range and text that is not UTF-8, which the output must never pass on.
TEST(CliJsonQuote, EscapesControlCharactersAndReplacesBrokenUtf8) {
  EXPECT_EQ(jsonQuote(std::string("\x01\x1f\x7f\0 ~/", 7)), "\"\\u0001\\u001f\\u007f\\u0000 ~/\"");
  EXPECT_EQ(jsonQuote("夜明け\xF0\x9F\x8E\xB5"), "\"夜明け\xF0\x9F\x8E\xB5\"");
  const std::string fffd = "\xEF\xBF\xBD";
  EXPECT_EQ(jsonQuote("a\xFF"
                      "b"),
            "\"a" + fffd + "b\"");
  EXPECT_EQ(jsonQuote("\xE3\x81"), "\"" + fffd + fffd + "\"");             // cut short at the end
  EXPECT_EQ(jsonQuote("\xC0\xAF"), "\"" + fffd + fffd + "\"");             // overlong "/"
  EXPECT_EQ(jsonQuote("\xED\xA0\x80"), "\"" + fffd + fffd + fffd + "\"");  // surrogate
}

// Decimals are read by other tools: no exponent, no trailing zeros, no "-0", never NaN.
TEST(CliJsonWriter, WritesDecimalsPlainlyRoundedToTheirPlaces) {
  JsonWriter json;
  json.beginArray().decimal(2.5, 3).decimal(1, 3).decimal(-0.0004, 3).decimal(1e21, 1).decimal(0.12345, 3);
  json.decimal(std::nan(""), 3).endArray();
  EXPECT_EQ(json.text(), "[2.5,1,0,1000000000000000000000,0.123,null]");
}

}  // namespace
}  // namespace tarveno
