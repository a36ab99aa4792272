#include "core/text/cp932.h"

#include <iconv.h>
#include <cerrno>

namespace tarveno {

namespace {

class IconvHandle {
 public:
  IconvHandle(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~IconvHandle() {
    if (valid()) iconv_close(cd_);
  }
  IconvHandle(const IconvHandle&) = delete;
  IconvHandle& operator=(const IconvHandle&) = delete;
  bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
  iconv_t get() const { return cd_; }

 private:
  iconv_t cd_;
};

enum class Direction { ToUtf8, ToCp932 };

// One converter per direction, opened on first use and kept: the card writer converts a name
// character by character, and opening a converter costs far more than using one.
const IconvHandle& converter(Direction direction) {
  thread_local const IconvHandle toUtf8("UTF-8", "CP932");
  thread_local const IconvHandle toCp932("CP932", "UTF-8");
  return direction == Direction::ToUtf8 ? toUtf8 : toCp932;
}

// Converts as much as possible; on a byte sequence iconv rejects, appends the replacement
// and skips `skip(in)` bytes, so one bad byte never loses the rest of the text.
template <class SkipFn>
std::string convert(Direction direction, std::string_view input, std::string_view replacement, SkipFn skip,
                    bool* replaced = nullptr) {
  const IconvHandle& cd = converter(direction);
  std::string out;
  if (!cd.valid()) return out;
  iconv(cd.get(), nullptr, nullptr, nullptr, nullptr);  // a fresh shift state for every text
  out.reserve(input.size() * 2);
  char* in = const_cast<char*>(input.data());
  size_t inLeft = input.size();
  char buffer[1024];
  while (inLeft > 0) {
    char* outPtr = buffer;
    size_t outLeft = sizeof buffer;
    size_t rc = iconv(cd.get(), &in, &inLeft, &outPtr, &outLeft);
    out.append(buffer, static_cast<size_t>(outPtr - buffer));
    if (rc == static_cast<size_t>(-1)) {
      if (errno == E2BIG) continue;
      // EILSEQ or EINVAL (truncated sequence at the end): replace and move on.
      if (replaced) *replaced = true;
      out.append(replacement);
      size_t n = skip(std::string_view(in, inLeft));
      if (n == 0 || n > inLeft) n = 1;
      in += n;
      inLeft -= n;
      iconv(cd.get(), nullptr, nullptr, nullptr, nullptr);
    }
  }
  return out;
}

size_t utf8SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if ((lead & 0xE0) == 0xC0) return 2;
  if ((lead & 0xF0) == 0xE0) return 3;
  if ((lead & 0xF8) == 0xF0) return 4;
  return 1;
}

}  // namespace

bool cp932ConvertersAvailable() {
  return converter(Direction::ToUtf8).valid() && converter(Direction::ToCp932).valid();
}

std::string cp932ToUtf8(std::string_view cp932) {
  return convert(Direction::ToUtf8, cp932, "\xEF\xBF\xBD", [](std::string_view) { return size_t{1}; });
}

std::string utf8ToCp932(std::string_view utf8) {
  return convert(Direction::ToCp932, utf8, "?",
                 [](std::string_view rest) { return utf8SequenceLength(static_cast<unsigned char>(rest[0])); });
}

bool isCp932Encodable(std::string_view utf8) {
  bool replaced = false;
  convert(
      Direction::ToCp932, utf8, "?", [](std::string_view) { return size_t{1}; }, &replaced);
  return !replaced;
}

std::u32string utf8ToUtf32(std::string_view utf8) {
  std::u32string out;
  size_t i = 0;
  while (i < utf8.size()) {
    unsigned char c = static_cast<unsigned char>(utf8[i]);
    size_t n = utf8SequenceLength(c);
    if (i + n > utf8.size()) n = 1;
    char32_t cp = n == 1 ? c : (c & (0x7F >> n));
    for (size_t k = 1; k < n; ++k) cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
    out.push_back(cp);
    i += n;
  }
  return out;
}

std::string utf32ToUtf8(std::u32string_view text) {
  std::string out;
  for (char32_t cp : text) {
    if (cp < 0x80) {
      out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
  }
  return out;
}

}  // namespace tarveno
