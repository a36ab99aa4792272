#pragma once

#include <string_view>

namespace tarveno {

// Whether the name ends in `tail` (lower-case ASCII, such as ".kru"), whatever the case of the
// name's letters: "SONG.SM" is a simfile like "song.sm".
bool endsWithIgnoringCase(std::string_view name, std::string_view tail);

}  // namespace tarveno
