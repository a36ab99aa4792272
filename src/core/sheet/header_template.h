#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/chart/chart.h"
#include "core/songs/catalogue.h"

namespace tarveno {

// "SINGLE", "COUPLE", "DOUBLE", or nothing for any other style value.
std::string playStyleName(PlayStyle style);

// The difficulty as the header shows it: class name then foot level ("MANIAC-9", "BASIC-?").
// anotherNames picks the second set of class names (ANOTHER/SSR instead of TRICK/MANIAC).
// A class beyond 3 has no name and leaves the foot level alone.
std::string difficultyText(uint8_t difficulty, bool anotherNames);

// The header lines drawn above the sheet's columns, with %T (song title), %E (edit name),
// %M (play style), %L and %l (difficulty) filled in. Lines end at CR; the LF after a CR is
// skipped; the last line is always there, even when empty. Other escapes, "%%" and a lone
// trailing "%" produce nothing. The result never holds CR or LF. UTF-8 in and out.
std::vector<std::string> expandHeaderTemplate(const std::string& headerStyle, const Chart& chart,
                                              const Catalogue& catalogue);

// The number of header lines the layout reserves room for: 0 for an empty template, else one
// more than the number of CRs. It can differ from the number of expanded lines (an empty
// template still yields one empty line; "%" before a CR swallows that line break).
int64_t headerLineCount(const std::string& headerStyle);

}  // namespace tarveno
