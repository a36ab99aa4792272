#include "core/chart/card.h"

// Placeholder until the memory-card reader and writer land.
namespace tarveno {
Result<std::string> WriteCardSave(const Chart&, const Catalogue&) { return Error{ErrorCode::Unsupported, "未実装です"}; }
Status WriteCardSaveFile(const std::filesystem::path&, const Chart&, const Catalogue&) {
  return Error{ErrorCode::Unsupported, "未実装です"};
}
Result<std::vector<Notice>> ReadCardSave(std::string_view, Chart&, const Catalogue&, MeterSegs&) {
  return Error{ErrorCode::Unsupported, "未実装です"};
}
}  // namespace tarveno
