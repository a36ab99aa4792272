#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "core/chart/chart.h"
#include "core/edit/clipboard.h"
#include "core/edit/transforms.h"
#include "core/result.h"

namespace tarveno {

enum class EditVerb { Copy, Cut, Paste, Transform, Insert, Delete, DeleteClose };

// One range edit as the batch tool names it. The numbers are as written in the word:
// copy/cut/transforms: beats first .. second - 1; paste: first is the start beat;
// insert: second empty measures at measure number first; delete(-close): measure numbers
// first..second.
struct EditOperation {
  EditVerb verb = EditVerb::Copy;
  Transform transform = Transform::Mirror;  // for EditVerb::Transform
  int64_t first = 0;
  int64_t second = 0;

  bool operator==(const EditOperation&) const = default;
};

// Reads one word: copy=S:E, cut=S:E, mirror=S:E, mirror-h=S:E, mirror-v=S:E, turn-left=S:E,
// turn-right=S:E (0 <= S < E <= 1884), paste=S (0 <= S < 1884), insert=N:K, delete=A:B,
// delete-close=A:B. Numbers are decimal integers with an optional leading '-'. nullopt when the
// word is malformed, including beat numbers outside those bounds.
std::optional<EditOperation> parseEditOperation(std::string_view word);

// Applies the operation as the editor's command would. When the editor would refuse it (the
// insert/delete dialog would not accept the numbers, a quarter turn in double play, paste with
// an empty clipboard) the result is an error and neither chart nor clipboard changes.
// Document.Modified is the caller's.
Status applyEditOperation(Chart& chart, Clipboard& clipboard, const EditOperation& operation);

}  // namespace tarveno
