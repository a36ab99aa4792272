#pragma once

#include <cstdint>

#include "core/message.h"

namespace tarveno {

// What the file layer tells the user. The Cannot* kinds carry the file's name (arg 0) and the
// reason (part 0, one of the Reason* kinds).
enum class FileText : uint16_t {
  CannotOpen,              // the file could not be opened for reading
  CannotRead,              // reading stopped part way
  CannotSave,              // the file could not be written or replaced
  RecoveryFolderUnusable,  // arg 0: the folder the recovery copies go to
  ReasonNotFound,
  ReasonAccessDenied,
  ReasonIsFolder,
  ReasonDiskFull,
  ReasonReadOnly,
  ReasonNotRegular,  // a pipe or a device, which a save would replace
  ReasonNotWritable,
  ReasonSystem,  // arg 0: the system's own description of the error number
};

}  // namespace tarveno
