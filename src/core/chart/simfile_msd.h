#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarveno {

// The text of a simfile as UTF-8 with LF line ends: UTF-8 (a BOM dropped) when the bytes are
// valid UTF-8, otherwise read as CP932, as old Japanese files are.
std::string decodeSimfileText(std::string_view bytes);

// One "#NAME:part:part;" parameter: the name upper-cased and trimmed, the parts with their
// escapes resolved and comments removed, otherwise as written.
struct MsdParam {
  std::string name;
  std::vector<std::string> parts;
  int line = 1;  // where its "#" stands, from 1
};

// Splits the text into its parameters. A "#" first on a line (after blanks) starts a new
// parameter even when the previous one lacks its ";"; text outside parameters is ignored.
std::vector<MsdParam> parseMsd(std::string_view text);

// Free text made safe inside a parameter: ":", ";", "\", "#" and "//" escaped with "\".
std::string escapeMsd(std::string_view text);

// Blanks (space, tab, CR, LF) cut from both ends.
std::string_view trimBlanks(std::string_view text);

// ASCII letters lowered; other characters as they are.
std::string lowerAscii(std::string_view text);

}  // namespace tarveno
