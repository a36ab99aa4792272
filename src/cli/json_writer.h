#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tarveno {

// Builds one line of compact JSON. Other tools parse the batch tool's output, so the writer
// never emits spaces and always produces valid UTF-8: bytes that do not form UTF-8 become
// U+FFFD instead of breaking the consumer's parser.
class JsonWriter {
 public:
  JsonWriter& beginObject();
  JsonWriter& endObject();
  JsonWriter& beginArray();
  JsonWriter& endArray();
  JsonWriter& key(std::string_view name);
  JsonWriter& value(int64_t number);
  JsonWriter& value(std::string_view text);
  // A number with at most `places` decimals, trailing zeros dropped (2.5, not 2.500); null
  // when not finite, as JSON has no such number.
  JsonWriter& decimal(double number, int places);
  // true or false (not an overload of value: a number or a pointer would turn into one).
  JsonWriter& flag(bool on);

  // A flat array of numbers, e.g. [3,0,17].
  template <class Range>
  JsonWriter& numbers(const Range& range) {
    beginArray();
    for (auto v : range) value(static_cast<int64_t>(v));
    return endArray();
  }

  const std::string& text() const { return text_; }

 private:
  void beforeValue();

  std::string text_;
  // One entry per open object or array: true once it holds an element.
  std::vector<bool> hasElement_;
  bool afterKey_ = false;
};

// The JSON string literal of UTF-8 text, quotes included.
std::string jsonQuote(std::string_view utf8);

}  // namespace tarveno
