#include "core/edit/edit_words.h"

#include <algorithm>
#include <array>

#include "core/edit/beats.h"
#include "core/edit/edit_text.h"
#include "core/edit/measures.h"
#include "core/text/number.h"

namespace tarveno {

namespace {

struct VerbName {
  std::string_view name;
  EditVerb verb;
  Transform transform;
};

constexpr std::array<VerbName, 11> kVerbs = {{
    {"copy", EditVerb::Copy, Transform::Mirror},
    {"cut", EditVerb::Cut, Transform::Mirror},
    {"paste", EditVerb::Paste, Transform::Mirror},
    {"mirror", EditVerb::Transform, Transform::Mirror},
    {"mirror-h", EditVerb::Transform, Transform::MirrorH},
    {"mirror-v", EditVerb::Transform, Transform::MirrorV},
    {"turn-left", EditVerb::Transform, Transform::TurnLeft},
    {"turn-right", EditVerb::Transform, Transform::TurnRight},
    {"insert", EditVerb::Insert, Transform::Mirror},
    {"delete", EditVerb::Delete, Transform::Mirror},
    {"delete-close", EditVerb::DeleteClose, Transform::Mirror},
}};

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// A plain decimal integer: optional '-', then digits only. Values too large for 64 bits are
// clamped, which is still far outside every accepted range.
std::optional<int64_t> parseInteger(std::string_view text) {
  const std::string_view digits = !text.empty() && text.front() == '-' ? text.substr(1) : text;
  if (digits.empty() || !std::all_of(digits.begin(), digits.end(), isDigit)) return std::nullopt;
  return leadingNumber(text);
}

bool isBeatRange(int64_t first, int64_t second) {
  return first >= 0 && first < second && second <= kStepBeats;
}

bool takesBeatRange(EditVerb verb) {
  return verb == EditVerb::Copy || verb == EditVerb::Cut || verb == EditVerb::Transform;
}

// The dialogs hold 16-bit values, so anything wider is refused before the dialog's own check.
bool fitsDialog(int64_t value) {
  return toInt16(value).has_value();
}

Error refused(ErrorCode code, EditText why) {
  return Error{code, Message{why, {}, {}}};
}

Status applyMeasureEdit(Chart& chart, const EditOperation& op) {
  const bool fits = fitsDialog(op.first) && fitsDialog(op.second);
  const int v1 = static_cast<int>(op.first);
  const int v2 = static_cast<int>(op.second);
  if (op.verb == EditVerb::Insert) {
    if (!fits || !insertValuesAccepted(v1, v2)) {
      return refused(ErrorCode::OutOfRange, EditText::CannotInsertMeasures);
    }
    insertMeasures(chart, v1, v2);
    return {};
  }
  if (!fits || !deleteValuesAccepted(v1, v2)) {
    return refused(ErrorCode::OutOfRange, EditText::CannotDeleteMeasures);
  }
  deleteMeasures(chart, v1, v2, op.verb == EditVerb::DeleteClose);
  return {};
}

}  // namespace

std::optional<EditOperation> parseEditOperation(std::string_view word) {
  const size_t equals = word.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  const std::string_view name = word.substr(0, equals);
  const std::string_view value = word.substr(equals + 1);
  const auto known = std::find_if(kVerbs.begin(), kVerbs.end(), [&](const VerbName& v) { return v.name == name; });
  if (known == kVerbs.end()) return std::nullopt;

  EditOperation op{known->verb, known->transform, 0, 0};
  const size_t colon = value.find(':');
  if (op.verb == EditVerb::Paste) {
    const auto start = parseInteger(value);
    if (!start || *start < 0 || *start >= kStepBeats) return std::nullopt;
    op.first = *start;
    return op;
  }
  if (colon == std::string_view::npos) return std::nullopt;
  const auto first = parseInteger(value.substr(0, colon));
  const auto second = parseInteger(value.substr(colon + 1));  // a second ':' makes it non-integer
  if (!first || !second) return std::nullopt;
  op.first = *first;
  op.second = *second;
  if (takesBeatRange(op.verb) && !isBeatRange(op.first, op.second)) return std::nullopt;
  return op;
}

Status applyEditOperation(Chart& chart, Clipboard& clipboard, const EditOperation& op) {
  if (takesBeatRange(op.verb) && !isBeatRange(op.first, op.second)) {
    return refused(ErrorCode::OutOfRange, EditText::BadBeatRange);
  }
  const int first = static_cast<int>(op.first);
  const int second = static_cast<int>(op.second);
  switch (op.verb) {
    case EditVerb::Copy:
      copyBeats(chart, first, second, clipboard);
      return {};
    case EditVerb::Cut:
      cutBeats(chart, first, second, clipboard);
      return {};
    case EditVerb::Paste:
      if (op.first < 0 || op.first >= kStepBeats) {
        return refused(ErrorCode::OutOfRange, EditText::BadPastePosition);
      }
      if (clipboard.ClipBeats <= 0) {
        return refused(ErrorCode::Unsupported, EditText::ClipboardEmpty);
      }
      pasteBeats(chart, first, clipboard);
      return {};
    case EditVerb::Transform:
      if (!transformAllowed(op.transform, chart.PlayStyle)) {
        return refused(ErrorCode::Unsupported, EditText::NoQuarterTurnInDoublePlay);
      }
      transformBeats(chart, first, second, op.transform);
      return {};
    case EditVerb::Insert:
    case EditVerb::Delete:
    case EditVerb::DeleteClose:
      return applyMeasureEdit(chart, op);
  }
  return {};
}

}  // namespace tarveno
