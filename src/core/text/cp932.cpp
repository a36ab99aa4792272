#include "core/text/cp932.h"

#include <iconv.h>
#include <cerrno>

#include "core/text/utf8.h"

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

}  // namespace

bool cp932ConvertersAvailable() {
  return converter(Direction::ToUtf8).valid() && converter(Direction::ToCp932).valid();
}

std::string cp932ToUtf8(std::string_view cp932) {
  return convert(Direction::ToUtf8, cp932, kReplacementCharacterUtf8, [](std::string_view) { return size_t{1}; });
}

std::string utf8ToCp932(std::string_view utf8) {
  return convert(Direction::ToCp932, utf8, "?", [](std::string_view rest) { return utf8CharacterAt(rest, 0).length; });
}

bool isCp932Encodable(std::string_view utf8) {
  bool replaced = false;
  convert(
      Direction::ToCp932, utf8, "?", [](std::string_view) { return size_t{1}; }, &replaced);
  return !replaced;
}

}  // namespace tarveno
