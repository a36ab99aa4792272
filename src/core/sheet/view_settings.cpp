#include "core/sheet/view_settings.h"

// Placeholder until view.dat lands.
namespace tarveno {
ViewSettings parseViewSettings(std::string_view) { return {}; }
ViewSettings LoadViewSettings(const std::filesystem::path&) { return {}; }
Result<std::string> serializeViewSettings(const ViewSettings&) { return Error{ErrorCode::Unsupported, "未実装です"}; }
Status SaveViewSettings(const std::filesystem::path&, const ViewSettings&) {
  return Error{ErrorCode::Unsupported, "未実装です"};
}
}  // namespace tarveno
