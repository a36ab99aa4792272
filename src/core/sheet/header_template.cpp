#include "core/sheet/header_template.h"

#include <algorithm>

#include "core/text/utf8.h"

namespace tarveno {

namespace {

std::string expandEscape(char code, const Chart& chart, const Catalogue& catalogue) {
  switch (code) {
    case 'T': {
      const SongRecord* song = catalogue.song(chart.SongIndex);
      return song ? song->Title : std::string();
    }
    case 'E':
      return chart.EditName;
    case 'M':
      return playStyleName(chart.PlayStyle);
    case 'L':
      return difficultyText(chart.Difficulty, false);
    case 'l':
      return difficultyText(chart.Difficulty, true);
    default:
      return {};
  }
}

// A LF that is not part of a CR LF break would reach the text drawing as a control
// character; it is left out.
void appendText(std::string& line, const std::string& text, size_t from, size_t to) {
  for (size_t i = from; i < to; ++i) {
    if (text[i] != '\n') line.push_back(text[i]);
  }
}

}  // namespace

std::string playStyleName(PlayStyle style) {
  switch (style) {
    case PlayStyle::Single:
      return "SINGLE";
    case PlayStyle::Couple:
      return "COUPLE";
    case PlayStyle::Double:
      return "DOUBLE";
  }
  return {};  // a style byte from a damaged file
}

std::string difficultyText(uint8_t difficulty, bool anotherNames) {
  // "???-" spelled in pieces so it is not read as a trigraph.
  static constexpr const char* kNoClass =
      "??"
      "?-";
  static constexpr const char* kNames[] = {kNoClass, "BASIC-", "TRICK-", "MANIAC-"};
  static constexpr const char* kAnotherNames[] = {kNoClass, "BASIC-", "ANOTHER-", "SSR-"};
  int cls = difficulty >> 4;
  int level = difficulty & 0x0F;
  std::string text;
  if (cls <= 3) text = anotherNames ? kAnotherNames[cls] : kNames[cls];
  text += level == 0 ? std::string("?") : std::to_string(level);
  return text;
}

std::vector<std::string> expandHeaderTemplate(const std::string& headerStyle, const Chart& chart,
                                              const Catalogue& catalogue) {
  std::vector<std::string> lines;
  std::string line;
  size_t p = 0;
  const size_t end = headerStyle.size();
  while (p < end) {
    size_t cr = headerStyle.find('\r', p);
    size_t percent = headerStyle.find('%', p);
    if (cr == std::string::npos && percent == std::string::npos) break;
    if (cr != std::string::npos && (percent == std::string::npos || cr < percent)) {
      appendText(line, headerStyle, p, cr);
      lines.push_back(std::move(line));
      line.clear();
      p = cr + 1;
      // Only a LF is the second half of a line break; a lone CR must not eat a character.
      if (p < end && headerStyle[p] == '\n') ++p;
      continue;
    }
    appendText(line, headerStyle, p, percent);
    p = percent + 1;
    if (p < end) {
      line += expandEscape(headerStyle[p], chart, catalogue);
      p += utf8CharacterAt(headerStyle, p).length;  // an escape never splits a character
    }
  }
  appendText(line, headerStyle, std::min(p, end), end);
  lines.push_back(std::move(line));
  return lines;
}

int64_t headerLineCount(const std::string& headerStyle) {
  if (headerStyle.empty()) return 0;
  return 1 + static_cast<int64_t>(std::count(headerStyle.begin(), headerStyle.end(), '\r'));
}

}  // namespace tarveno
