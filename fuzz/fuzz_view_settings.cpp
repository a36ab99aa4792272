// Feeds arbitrary bytes to the view.dat reader: whatever it accepts must be written again and
// read back to the same settings, so a saved file never turns into the defaults at the next start.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/sheet/view_settings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  auto decoded = tarveno::decodeViewSettings(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!decoded.ok()) return 0;
  auto written = tarveno::serializeViewSettings(*decoded);
  if (!written.ok()) return 0;  // a value the writer refuses, reported to the user when saving
  auto again = tarveno::decodeViewSettings(*written);
  if (!again.ok() || !(*again == *decoded)) __builtin_trap();
  return 0;
}
