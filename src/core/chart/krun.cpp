#include "core/chart/krun.h"

// Placeholder until the KRUN reader and writer land.
namespace tarveno {
Date currentDate() { return {}; }
std::vector<Notice> ReadKrunChart(std::string_view, Chart&) { return {}; }
std::string WriteKrunChart(const Chart&, const Catalogue&, const Date&) { return {}; }
Status WriteKrunChartFile(const std::filesystem::path&, const Chart&, const Catalogue&, const Date&) {
  return Error{ErrorCode::Unsupported, "未実装です"};
}
}  // namespace tarveno
