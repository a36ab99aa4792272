#pragma once

#include "core/chart/chart.h"
#include "core/sheet/view_settings.h"
#include "core/songs/catalogue.h"

namespace tarveno {

class Prompts;

// What the application owns and every window works on, handed around by reference.
struct AppContext {
  Document& document;
  const Catalogue& catalogue;
  ViewSettings& viewSettings;
  Prompts& prompts;
  // AutoDivide: automatic division switching while the mouse moves; on from start-up.
  bool AutoDivide = true;
};

}  // namespace tarveno
