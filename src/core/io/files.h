#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "core/result.h"

namespace tarveno {

// Reads a whole file as bytes. A missing file, a folder or an unreadable file is an error
// whose message names the file.
Result<std::string> readFileBytes(const std::filesystem::path& path);

// Writes bytes to a temporary file in the target's folder and renames it over the target,
// so a failure never leaves a half-written file in place of the old one.
Status writeFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// Hands a streamed save its next piece of content; an empty piece ends the file. The piece
// stays valid until the next call.
using ByteSource = std::function<std::string_view()>;
// The same for content made piece by piece, so that it never has to be held whole in memory.
Status writeFileAtomically(const std::filesystem::path& path, const ByteSource& next);

// Whether the user may write the file or folder (root included: see the definition).
bool userMayWrite(const std::filesystem::path& path);

// The file name as the user should see it in a message (UTF-8).
std::string displayName(const std::filesystem::path& path);

}  // namespace tarveno
