#pragma once

#include <cstdint>

#include "core/message.h"

namespace tarveno {

// Why the batch tool's edit words refuse an edit the editor would refuse too.
enum class EditText : uint16_t {
  CannotInsertMeasures,
  CannotDeleteMeasures,
  BadBeatRange,
  BadPastePosition,
  ClipboardEmpty,
  NoQuarterTurnInDoublePlay,
};

}  // namespace tarveno
