#include "core/chart/krun.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

#include "core/chart/chart_text.h"
#include "core/chart/krun_rows.h"
#include "core/chart/measure_numbers.h"
#include "core/io/files.h"
#include "core/text/cp932.h"
#include "core/text/number.h"
#include "core/text/utf8.h"

namespace tarveno {

namespace {

char32_t lowerAscii(char32_t c) {
  return c >= U'A' && c <= U'Z' ? c - U'A' + U'a' : c;
}

// Keywords are matched without regard to ASCII case; `lower` is written in lower case.
bool startsWithKeyword(std::u32string_view text, std::u32string_view lower) {
  if (text.size() < lower.size()) return false;
  for (size_t i = 0; i < lower.size(); ++i) {
    if (lowerAscii(text[i]) != lower[i]) return false;
  }
  return true;
}
bool isKeyword(std::u32string_view text, std::u32string_view lower) {
  return text.size() == lower.size() && startsWithKeyword(text, lower);
}

// The value part of a keyword line: the character right after the keyword is a separator
// and is skipped whatever it is, so "#title:x" and "#title　x" both give "x".
std::string valueAfter(std::u32string_view key, std::u32string_view word) {
  const size_t start = word.size() + 1;
  return start < key.size() ? utf32ToUtf8(key.substr(start)) : std::string();
}

void readNumber(std::u32string_view key, std::u32string_view word, int16_t& field) {
  // A value the field cannot hold is dropped rather than wrapped around.
  if (auto value = toInt16(leadingNumber(valueAfter(key, word)))) field = *value;
}

// Applies a keyword line (without its '#'); false when the text is no keyword.
bool applyKeyword(std::u32string_view key, Chart& chart) {
  if (isKeyword(key, U"double")) {
    chart.PlayStyle = PlayStyle::Double;
  } else if (isKeyword(key, U"twoplay")) {
    chart.PlayStyle = PlayStyle::Couple;
  } else if (isKeyword(key, U"basic")) {
    chart.Difficulty = 0x10;
  } else if (isKeyword(key, U"another")) {
    chart.Difficulty = 0x20;
  } else if (isKeyword(key, U"maniac")) {
    chart.Difficulty = 0x30;
  } else if (startsWithKeyword(key, U"title")) {
    chart.KrunTitle = valueAfter(key, U"title");
  } else if (startsWithKeyword(key, U"height")) {
    readNumber(key, U"height", chart.KrunHeight);
  } else if (startsWithKeyword(key, U"width")) {
    readNumber(key, U"width", chart.KrunWidth);
  } else if (startsWithKeyword(key, U"comment")) {
    chart.KrunComment = valueAfter(key, U"comment");
  } else {
    return false;
  }
  return true;
}

void readRow(std::u32string_view text, KrunPad pad, Chart& chart) {
  const auto row = parseKrunRowText(text);
  if (!row) return;
  decodeKrunRow(row->data, pad, chart.StepData[static_cast<size_t>(row->measure)]);
}

// Files from other editors end their lines with LF alone, old ones with CR alone.
std::vector<std::u32string_view> splitLines(std::u32string_view text) {
  std::vector<std::u32string_view> lines;
  size_t start = 0;
  size_t i = 0;
  while (i < text.size()) {
    if (text[i] == U'\r' || text[i] == U'\n') {
      lines.push_back(text.substr(start, i - start));
      if (text[i] == U'\r' && i + 1 < text.size() && text[i + 1] == U'\n') ++i;
      start = ++i;
    } else {
      ++i;
    }
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

// A line break inside a header text would end the keyword line early and let the rest be
// read back as a row of arrows.
std::string oneLine(std::string text) {
  std::replace(text.begin(), text.end(), '\r', ' ');
  std::replace(text.begin(), text.end(), '\n', ' ');
  return text;
}

std::optional<std::time_t> sourceDateEpoch() {
  const char* value = std::getenv("SOURCE_DATE_EPOCH");
  if (value == nullptr || *value == '\0') return std::nullopt;
  const std::string_view text(value);
  if (!std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) return std::nullopt;
  long long seconds = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), seconds);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return static_cast<std::time_t>(seconds);
}

}  // namespace

Date currentDate() {
  std::tm parts{};
  bool known = false;
  if (const auto epoch = sourceDateEpoch()) known = gmtime_r(&*epoch, &parts) != nullptr;
  if (!known) {
    const std::time_t now = std::time(nullptr);
    if (localtime_r(&now, &parts) == nullptr) return {};
  }
  return {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday};
}

std::vector<Notice> ReadKrunChart(std::string_view bytes, Chart& chart) {
  chart.PlayStyle = PlayStyle::Single;
  chart.Difficulty = 0;
  chart.KrunTitle.clear();
  chart.KrunHeight = 0;
  chart.KrunWidth = 0;
  chart.KrunComment.clear();

  std::vector<Notice> notices;
  // CR and LF never occur inside a CP932 character, so converting first and splitting after
  // gives the same lines as splitting the bytes; keywords and separators are then characters.
  const std::u32string text = utf8ToUtf32(cp932ToUtf8(bytes));
  for (std::u32string_view line : splitLines(text)) {
    if (line == U"#msdstyle") {
      notices.push_back(
          Notice{NoticeKind::Warning, chartText(ChartText::TitleMsdstyle), chartText(ChartText::MsdstyleUnsupported)});
      continue;
    }
    if (!line.empty() && line.front() == U'#') {
      line.remove_prefix(1);
      if (applyKeyword(line, chart)) continue;
      readRow(line, KrunPad::First, chart);
    }
    // Tested on what is left after a '#', so "#$001:..." is a second-pad row too.
    if (!line.empty() && line.front() == U'$' && hasSecondPad(chart.PlayStyle)) {
      line.remove_prefix(1);
      readRow(line, KrunPad::Second, chart);
    }
  }
  return notices;
}

std::string WriteKrunChart(const Chart& chart, const Catalogue& catalogue, const Date& date) {
  std::string out;
  const auto writeLine = [&out](std::string_view utf8) {
    out += utf8;
    out += "\r\n";
  };

  writeLine("#title " + oneLine(chart.KrunTitle));
  if (chart.KrunWidth != 0) writeLine("#width " + std::to_string(chart.KrunWidth));
  if (chart.KrunHeight != 0) writeLine("#height " + std::to_string(chart.KrunHeight));
  writeLine("#date " + std::to_string(date.year) + "/" + std::to_string(date.month) + "/" + std::to_string(date.day));
  if (!chart.KrunComment.empty()) writeLine("#comment " + oneLine(chart.KrunComment));
  if (chart.PlayStyle == PlayStyle::Couple) writeLine("#twoplay");
  if (chart.PlayStyle == PlayStyle::Double) writeLine("#double");
  switch (chart.Difficulty >> 4) {
    case 1:
      writeLine("#basic");
      break;
    case 2:
      writeLine("#another");
      break;
    case 3:
      writeLine("#maniac");
      break;
    default:
      break;
  }

  const int measures = std::min(catalogue.measures(chart.SongIndex), kStepMeasures);
  for (int m = 0; m < measures; ++m) {
    if (chart.StepData[static_cast<size_t>(m)] == MeasureBytes{}) continue;  // no arrows, no rows
    // The chart stays as it is: the triplets are split in a copy of the measure.
    MeasureBytes work = chart.StepData[static_cast<size_t>(m)];
    const TwelfthBytes triplets = splitKrunTriplets(work);
    const auto writeRow = [&](char prefix, const std::string& data) {
      if (data.empty()) return;
      std::string line(1, prefix);
      line += measureCaption(m + 1);
      line += ':';
      line += data;
      writeLine(line);
    };
    writeRow('#', encodeKrunRow(work, triplets, KrunPad::First));
    if (!hasSecondPad(chart.PlayStyle)) continue;
    writeRow('$', encodeKrunRow(work, triplets, KrunPad::Second));
  }
  return utf8ToCp932(out);
}

Status WriteKrunChartFile(const std::filesystem::path& path, const Chart& chart, const Catalogue& catalogue,
                          const Date& date) {
  return writeFileAtomically(path, WriteKrunChart(chart, catalogue, date));
}

}  // namespace tarveno
