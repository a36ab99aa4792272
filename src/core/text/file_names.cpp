#include "core/text/file_names.h"

namespace tarveno {

bool endsWithIgnoringCase(std::string_view name, std::string_view tail) {
  if (tail.empty() || name.size() < tail.size()) return false;
  const std::string_view end = name.substr(name.size() - tail.size());
  for (size_t i = 0; i < tail.size(); ++i) {
    const char c = end[i] >= 'A' && end[i] <= 'Z' ? static_cast<char>(end[i] - 'A' + 'a') : end[i];
    if (c != tail[i]) return false;
  }
  return true;
}

}  // namespace tarveno
