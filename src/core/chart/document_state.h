#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/chart/chart.h"
#include "core/result.h"

namespace tarveno {

// The open document as the editor's recovery copy keeps it: every table and header field of
// the chart, the meter list in force, and the file the chart came from, so that after a crash
// the chart comes back exactly, under its own name. Not a chart file format: no other program
// reads it, and only this program's own copies are ever read back.
//
// Layout (little-endian): the 8 bytes "TRVNSTAT", a 16-bit format version, the body, and a
// 64-bit FNV-1a checksum of everything before it. The body holds StepData, FreezeData and
// BeatType as the tables lie in memory, the header fields, the meter list and the origin;
// texts are a 32-bit byte count and their UTF-8 bytes.
inline constexpr std::string_view kDocumentStateMagic = "TRVNSTAT";
inline constexpr uint16_t kDocumentStateVersion = 1;

// The recovery copy of the document (its Modified flag is not kept: a copy is made only of
// unsaved work).
std::string encodeDocumentState(const Document& document);

// The document a copy holds, marked modified: what it holds is in no file. A copy that is cut
// off, damaged, of a newer format or no copy at all is refused with the reason (Japanese).
Result<Document> decodeDocumentState(std::string_view bytes);

// The checksum a copy ends with, over the bytes before it.
uint64_t documentStateChecksum(std::string_view bytes);

}  // namespace tarveno
