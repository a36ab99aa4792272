#pragma once

#include <string>
#include <string_view>

namespace tarveno {

// False when the system cannot convert between CP932 and UTF-8 (iconv lacks the tables). Every
// title and name would then be lost on a save, so the programs refuse to start without them.
bool cp932ConvertersAvailable();

// Text inside the program is UTF-8; these convert at file boundaries only.
// Bytes that do not form CP932 become U+FFFD and the conversion carries on with the rest.
std::string cp932ToUtf8(std::string_view cp932);

// Characters with no CP932 form become "?"; invalid UTF-8 bytes are skipped.
std::string utf8ToCp932(std::string_view utf8);

// True when every character of the UTF-8 text has a CP932 form.
bool isCp932Encodable(std::string_view utf8);

}  // namespace tarveno
