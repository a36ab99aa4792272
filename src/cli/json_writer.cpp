#include "cli/json_writer.h"

#include <charconv>
#include <cmath>

#include "core/text/utf8.h"

namespace tarveno {

std::string jsonQuote(std::string_view utf8) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string out = "\"";
  size_t i = 0;
  while (i < utf8.size()) {
    const unsigned char c = static_cast<unsigned char>(utf8[i]);
    const Utf8Character character = utf8CharacterAt(utf8, i);
    const size_t n = character.length;
    if (!character.valid) {
      out += kReplacementCharacterUtf8;
    } else if (n > 1) {
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

JsonWriter& JsonWriter::decimal(double number, int places) {
  beforeValue();
  if (!std::isfinite(number)) {
    text_ += "null";
    return *this;
  }
  char buffer[400];
  const auto written = std::to_chars(buffer, buffer + sizeof buffer, number, std::chars_format::fixed, places);
  std::string_view digits(buffer, written.ptr);
  if (digits.find('.') != std::string_view::npos) {
    while (digits.ends_with('0')) digits.remove_suffix(1);
    if (digits.ends_with('.')) digits.remove_suffix(1);
  }
  text_ += digits == "-0" ? "0" : digits;
  return *this;
}

JsonWriter& JsonWriter::flag(bool on) {
  beforeValue();
  text_ += on ? "true" : "false";
  return *this;
}

}  // namespace tarveno
