#include "cli/json_writer.h"

namespace tarveno {

namespace {

// Length of the well-formed UTF-8 sequence starting at text[i], or 0 when it is malformed
// (bad lead byte, truncated, overlong, surrogate or beyond U+10FFFF).
size_t validSequenceLength(std::string_view text, size_t i) {
  const auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char c = byte(i);
  if (c < 0x80) return 1;
  size_t n;
  char32_t cp;
  if (c >= 0xC2 && c <= 0xDF) {
    n = 2;
    cp = c & 0x1F;
  } else if (c >= 0xE0 && c <= 0xEF) {
    n = 3;
    cp = c & 0x0F;
  } else if (c >= 0xF0 && c <= 0xF4) {
    n = 4;
    cp = c & 0x07;
  } else {
    return 0;
  }
  if (i + n > text.size()) return 0;
  for (size_t k = 1; k < n; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (byte(i + k) & 0x3F);
  }
  if ((n == 3 && cp < 0x800) || (n == 4 && (cp < 0x10000 || cp > 0x10FFFF))) return 0;
  if (cp >= 0xD800 && cp <= 0xDFFF) return 0;
  return n;
}

}  // namespace

std::string jsonQuote(std::string_view utf8) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string out = "\"";
  size_t i = 0;
  while (i < utf8.size()) {
    const unsigned char c = static_cast<unsigned char>(utf8[i]);
    const size_t n = validSequenceLength(utf8, i);
    if (n == 0) {
      out += "\xEF\xBF\xBD";  // U+FFFD
      ++i;
      continue;
    }
    if (n > 1) {
      out.append(utf8.substr(i, n));
    } else if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20 || c == 0x7F) {
      out += "\\u00";
      out += kHex[c >> 4];
      out += kHex[c & 15];
    } else {
      out += static_cast<char>(c);
    }
    i += n;
  }
  out += '"';
  return out;
}

void JsonWriter::beforeValue() {
  if (afterKey_) {
    afterKey_ = false;
    return;
  }
  if (!hasElement_.empty()) {
    if (hasElement_.back()) text_ += ',';
    hasElement_.back() = true;
  }
}

JsonWriter& JsonWriter::beginObject() {
  beforeValue();
  text_ += '{';
  hasElement_.push_back(false);
  return *this;
}

JsonWriter& JsonWriter::endObject() {
  text_ += '}';
  hasElement_.pop_back();
  return *this;
}

JsonWriter& JsonWriter::beginArray() {
  beforeValue();
  text_ += '[';
  hasElement_.push_back(false);
  return *this;
}

JsonWriter& JsonWriter::endArray() {
  text_ += ']';
  hasElement_.pop_back();
  return *this;
}

JsonWriter& JsonWriter::key(std::string_view name) {
  beforeValue();
  text_ += jsonQuote(name);
  text_ += ':';
  afterKey_ = true;
  return *this;
}

JsonWriter& JsonWriter::value(int64_t number) {
  beforeValue();
  text_ += std::to_string(number);
  return *this;
}

JsonWriter& JsonWriter::value(std::string_view text) {
  beforeValue();
  text_ += jsonQuote(text);
  return *this;
}

JsonWriter& JsonWriter::flag(bool on) {
  beforeValue();
  text_ += on ? "true" : "false";
  return *this;
}

}  // namespace tarveno
