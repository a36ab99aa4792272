#include "core/chart/simfile_msd.h"

#include <algorithm>

#include "core/text/cp932.h"

namespace tarveno {

namespace {

// Length of the well-formed UTF-8 sequence at text[i], or 0 when it is not one.
size_t utf8Sequence(std::string_view text, size_t i) {
  const auto c = static_cast<unsigned char>(text[i]);
  size_t n = 0;
  char32_t cp = 0;
  if (c < 0x80) return 1;
  if (c >= 0xC2 && c <= 0xDF) n = 2, cp = c & 0x1F;
  if (c >= 0xE0 && c <= 0xEF) n = 3, cp = c & 0x0F;
  if (c >= 0xF0 && c <= 0xF4) n = 4, cp = c & 0x07;
  if (n == 0 || i + n > text.size()) return 0;
  for (size_t k = 1; k < n; ++k) {
    const auto t = static_cast<unsigned char>(text[i + k]);
    if ((t & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (t & 0x3F);
  }
  const bool overlong = (n == 3 && cp < 0x800) || (n == 4 && cp < 0x10000);
  const bool invalid = (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF;
  return overlong || invalid ? 0 : n;
}

bool isUtf8(std::string_view text) {
  for (size_t i = 0; i < text.size();) {
    const size_t n = utf8Sequence(text, i);
    if (n == 0) return false;
    i += n;
  }
  return true;
}

bool isBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// True when text[i] is the first character of its line other than blanks.
bool startsLine(std::string_view text, size_t i) {
  while (i > 0 && (text[i - 1] == ' ' || text[i - 1] == '\t')) --i;
  return i == 0 || text[i - 1] == '\n';
}

size_t endOfLine(std::string_view text, size_t i) {
  const size_t end = text.find('\n', i);
  return end == std::string_view::npos ? text.size() : end;
}

void finish(MsdParam& param, std::vector<MsdParam>& out) {
  if (param.parts.empty()) return;
  param.name = std::string(trimBlanks(param.parts.front()));
  for (char& c : param.name) c = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
  param.parts.erase(param.parts.begin());
  out.push_back(std::move(param));
  param = MsdParam{};
}

}  // namespace

std::string decodeSimfileText(std::string_view bytes) {
  if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
  const std::string utf8 = isUtf8(bytes) ? std::string(bytes) : cp932ToUtf8(bytes);
  std::string out;
  out.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size(); ++i) {
    if (utf8[i] != '\r') {
      out += utf8[i];
    } else if (i + 1 >= utf8.size() || utf8[i + 1] != '\n') {
      out += '\n';
    }
  }
  return out;
}

std::vector<MsdParam> parseMsd(std::string_view text) {
  std::vector<MsdParam> out;
  MsdParam param;
  bool inside = false;
  size_t counted = 0;  // line ends before here are in `line`
  int line = 1;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '/' && i + 1 < text.size() && text[i + 1] == '/') {
      i = endOfLine(text, i) - 1;  // the line end itself still counts (a row ends there)
    } else if (c == '#' && (!inside || startsLine(text, i))) {
      finish(param, out);
      inside = true;
      line += static_cast<int>(
          std::count(text.begin() + static_cast<long>(counted), text.begin() + static_cast<long>(i), '\n'));
      counted = i;
      param.line = line;
      param.parts.emplace_back();
    } else if (!inside) {
      continue;
    } else if (c == '\\' && i + 1 < text.size()) {
      param.parts.back() += text[++i];
    } else if (c == ':') {
      param.parts.emplace_back();
    } else if (c == ';') {
      finish(param, out);
      inside = false;
    } else {
      param.parts.back() += c;
    }
  }
  finish(param, out);
  return out;
}

std::string escapeMsd(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    const bool slashPair = c == '/' && ((i + 1 < text.size() && text[i + 1] == '/') || (i > 0 && text[i - 1] == '/'));
    if (c == ':' || c == ';' || c == '\\' || c == '#' || slashPair) out += '\\';
    out += c;
  }
  return out;
}

std::string_view trimBlanks(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::string lowerAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  return out;
}

}  // namespace tarveno
