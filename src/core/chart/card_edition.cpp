#include "core/chart/card_edition.h"

#include <array>

namespace tarveno {

namespace {

// Invented release names; the console only shows them in its save list.
constexpr std::array<std::string_view, kCardTitleLabelCount> kLabels = {
    "ＫＲＵ　ＦＩＲＳＴ　ＳＴＥＰ",    // codes below 102, and 135, 136
    "ＫＲＵ　ＳＥＣＯＮＤ　ＳＴＥＰ",  // 102..153
    "ＫＲＵ　ＴＨＩＲＤ　ＳＴＥＰ",    // 154..217
    "ＫＲＵ　ＦＯＵＲＴＨ　ＳＴＥＰ",  // 218..231
    "ＫＲＵ　ＢＯＮＵＳ　ＳＴＥＰ",    // 297, 298
    "ＫＲＵ　ＦＩＦＴＨ　ＳＴＥＰ",    // 232..336
    "ＫＲＵ　ＳＩＸＴＨ　ＳＴＥＰ",    // 337 and above
};

// Songs 135 and 136 came back to a later release but keep the first release's data.
bool isFirstRelease(int code) {
  return code < 102 || code == 135 || code == 136;
}
bool isBonusRelease(int code) {
  return code == 297 || code == 298;
}

int labelFor(int code) {
  if (isFirstRelease(code)) return 1;
  if (code <= 153) return 2;
  if (code <= 217) return 3;
  if (code <= 231) return 4;
  if (isBonusRelease(code)) return 5;
  if (code <= 336) return 6;
  return 7;
}

// Song 231 shows the fourth label but carries the third release's word at offset 688.
int16_t wordDFor(int code) {
  if (code < 154) return 0;
  if (code <= 217 || code == 231) return 19933;
  if (code <= 230) return 9137;
  if (code <= 305) return 17975;
  if (code <= 336) return 16322;
  if (code <= 430) return -15986;
  return -5741;
}

}  // namespace

CardEdition cardEditionForCode(int code) {
  CardEdition e;
  if (isFirstRelease(code)) {
    e = {0, 0x02010202, 0x00010001, 34, 0};
  } else if (code <= 153) {
    e = {0, 0x06010202, 0x00050001, 32, 0};
  } else if (code <= 231) {
    e = {0, 0x0B010202, 0x000A0001, 1024, 0};
  } else if (isBonusRelease(code)) {
    e = {0, 0x0C010202, 0x000B0001, 2048, 0};
  } else if (code <= 336) {
    e = {0, 0x0D010202, 0x000C0001, 4096, 0};
  } else if (code <= 413) {
    e = {0, 0x0E020202, 0x000D0001, 4096, 0};
  } else {
    e = {0, 0x11020202, 0x00100001, 4096, 0};
  }
  e.label = labelFor(code);
  e.wordD = wordDFor(code);
  return e;
}

std::string_view cardTitleLabel(int label) {
  if (label < 1 || label > kCardTitleLabelCount) label = 1;
  return kLabels[static_cast<size_t>(label - 1)];
}

}  // namespace tarveno
