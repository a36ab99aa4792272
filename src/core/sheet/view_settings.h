#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "core/result.h"

namespace tarveno {

// Colours are 24-bit RGB held in a signed 32-bit value with red in the lowest byte.
constexpr int32_t rgb(int r, int g, int b) {
  return r | (g << 8) | (b << 16);
}

enum class LineStyle : int32_t { Solid = 0, Dash = 1, Dot = 2, DashDot = 3, DashDotDot = 4, None = 5 };

struct FontSpec {
  std::string name;  // UTF-8
  double size = 10;  // points
  bool bold = false;
  bool italic = false;
  // Kept in memory until the program ends; view.dat does not store them.
  bool underline = false;
  bool strikethrough = false;

  bool operator==(const FontSpec&) const = default;
};

// The sheet's look; the defaults are what a first run (no view.dat) uses.
struct ViewSettings {
  int16_t SheetMarginV = 10;
  int16_t SheetMarginH = 10;
  int16_t SheetBlocks = 8;
  int16_t SheetMarginC = 10;
  int32_t SheetBackColor = rgb(255, 255, 255);
  int32_t Beat13Color = rgb(0, 255, 255);
  int32_t Beat24Color = rgb(255, 255, 255);
  int32_t FrameColor = rgb(0, 0, 0);
  LineStyle FrameStyle = LineStyle::Solid;
  int32_t MeasureLineColor = rgb(0, 0, 0);
  LineStyle MeasureLineStyle = LineStyle::Solid;
  int32_t BeatLineColor = rgb(0, 0, 255);
  LineStyle BeatLineStyle = LineStyle::Dot;
  int32_t PlayerLineColor = rgb(0, 0, 0);
  LineStyle PlayerLineStyle = LineStyle::Solid;
  int32_t HeaderColor = rgb(0, 0, 0);
  FontSpec HeaderFont{"ＭＳ Ｐゴシック", 14};
  std::string HeaderStyle = "%T\r\nEDIT[%E]   %M  %L";  // UTF-8, lines separated by CR LF
  int16_t HeaderMargin = 10;
  int32_t NumberColor = rgb(0, 0, 0);
  FontSpec NumberFont{"ＭＳ ゴシック", 10};
  uint8_t ShowNum = 0;
  int16_t NumPos = 0;

  bool operator==(const ViewSettings&) const = default;
};

inline constexpr size_t kViewRecordSize = 128;
inline constexpr size_t kViewRecordCount = 29;
inline constexpr size_t kViewFileSize = kViewRecordSize * kViewRecordCount;  // 3712, as this program writes it
// The shortest file that still holds all 29 values: the last record (a 16-bit value) unpadded.
inline constexpr size_t kViewMinimumFileSize = kViewRecordSize * (kViewRecordCount - 1) + 2;
// A text record holds a 16-bit byte count and the CP932 bytes.
inline constexpr size_t kViewTextMaxBytes = kViewRecordSize - 2;
inline constexpr int16_t kNumPosMax = 20;

// A column holds at least one measure. The one check of that rule and its one message, for the
// settings dialog (which checks the typed number before rounding), the file and the layout.
Status checkSheetBlocks(double blocks);

// view.dat content -> settings, or why the content is unusable (Japanese). Nothing is taken
// from a damaged file: a half-read file would mix stale and default values.
Result<ViewSettings> decodeViewSettings(std::string_view bytes);

// view.dat content -> settings; any damage (short file, bad value) gives the defaults.
ViewSettings parseViewSettings(std::string_view bytes);
// LoadViewSettings: a missing or unreadable file gives the defaults, silently.
ViewSettings LoadViewSettings(const std::filesystem::path& viewDat);

// Checks that every setting can be stored and read back as it is (the reader's ranges, texts
// that fit a record in CP932). The message names the setting.
Status validateViewSettings(const ViewSettings& settings);

// The complete 29-record file; text that does not fit a record (over 126 CP932 bytes) is refused,
// as is any value the reader would take for damage.
Result<std::string> serializeViewSettings(const ViewSettings& settings);
// Writes view.dat, replacing it only once the new file is complete.
Status SaveViewSettings(const std::filesystem::path& viewDat, const ViewSettings& settings);

}  // namespace tarveno
